#include "CompressionAlgorithm.h"

RUNTIME_DEFINE_ENUM(framework::CompressionAlgorithm, "framework._native.utils.CompressionAlgorithm", "DEFLATE", "ZLIB", "LZMA", "GZIP")
