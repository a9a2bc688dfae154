#pragma once
// One glyph of a bitmap font: its offsets and advance in font pixels and its tile id.
#include "platform/runtime/Object.h"

namespace engine {

class PxFontSymbol : public runtime::Object {
public:
    int xoffset = 0;
    int yoffset = 0;
    int xadvance = 0;
    int tileID = 0;
};

}  // namespace engine
