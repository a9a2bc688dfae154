#include "CompressionAlgorithm.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::CompressionAlgorithm>::info() {
    static const EnumInfo e("framework._native.utils.CompressionAlgorithm", {"DEFLATE", "ZLIB", "LZMA", "GZIP"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::CompressionAlgorithm>::info(), true);
}
