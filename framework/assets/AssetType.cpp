#include "AssetType.h"

RUNTIME_DEFINE_ENUM(framework::AssetType, "framework._native.AssetType", "BINARY", "FONT", "IMAGE", "MOVIE_CLIP", "MUSIC", "SOUND", "TEMPLATE", "TEXT")
