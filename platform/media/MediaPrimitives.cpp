#include "MediaPrimitives.h"

#include <string>

namespace media {

std::string MediaPrimitives::symbol(std::string_view name, int argCount) {
    std::string s(name);
    if (argCount < 0 || argCount > 5) return s + "__MULT";
    return s + "__" + std::to_string(argCount);
}

}  // namespace media
