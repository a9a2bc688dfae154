#pragma once
// The kinds of asset a library is asked for.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class AssetType { BINARY, FONT, IMAGE, MOVIE_CLIP, MUSIC, SOUND, TEMPLATE, TEXT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::AssetType)
