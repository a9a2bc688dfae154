#pragma once
// One "char" entry of a font description, kept while the font loads.
#include "platform/runtime/Object.h"

namespace engine {

class HelperSymbol : public runtime::Object {
public:
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int xoffset = 0;
    int yoffset = 0;
    int xadvance = 0;
    int charCode = 0;
};

}  // namespace engine
