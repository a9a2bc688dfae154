#pragma once
// How a URL loader keeps what it fetched: the bytes, their text, or form variables.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class URLLoaderDataFormat { BINARY, TEXT, VARIABLES };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::URLLoaderDataFormat)
