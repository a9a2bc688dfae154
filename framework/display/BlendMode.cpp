#include "BlendMode.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::BlendMode>::info() {
    static const EnumInfo e("framework._native.display.BlendMode",
                            {"NORMAL", "LAYER", "MULTIPLY", "SCREEN", "LIGHTEN", "DARKEN", "DIFFERENCE", "ADD",
                             "SUBTRACT", "INVERT", "ALPHA", "ERASE", "OVERLAY", "HARDLIGHT"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::BlendMode>::info(), true);
}
