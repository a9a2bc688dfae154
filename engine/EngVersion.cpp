#include "EngVersion.h"

namespace engine {

std::string EngVersion::toString() const {
    std::string text = "Glint " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    if (!patchVersion.empty()) text += "-" + patchVersion.str();
    return text;
}

}  // namespace engine
