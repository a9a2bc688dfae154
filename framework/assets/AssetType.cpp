#include "AssetType.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::AssetType>::info() {
    static const EnumInfo e("framework._native.AssetType",
                            {"BINARY", "FONT", "IMAGE", "MOVIE_CLIP", "MUSIC", "SOUND", "TEMPLATE", "TEXT"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::AssetType>::info(), true);
}
