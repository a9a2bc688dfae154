#include "URLLoaderDataFormat.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::URLLoaderDataFormat>::info() {
    static const EnumInfo e("framework.net.URLLoaderDataFormat", {"BINARY", "TEXT", "VARIABLES"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::URLLoaderDataFormat>::info(), true);
}
