#include "Context3DVertexBufferFormat.h"

RUNTIME_DEFINE_ENUM(framework::Context3DVertexBufferFormat, "framework._native.display3D.Context3DVertexBufferFormat",
                    "BYTES_4", "FLOAT_1", "FLOAT_2", "FLOAT_3", "FLOAT_4")
