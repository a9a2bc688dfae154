#pragma once
// The compression choices of ByteArray::compress and uncompress.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class CompressionAlgorithm { DEFLATE, ZLIB, LZMA, GZIP };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::CompressionAlgorithm)
