#include "CameraFrontEnd.h"

#include "engine/EngG.h"

namespace engine {

void CameraFrontEnd::reset() {
    for (const auto& camera : list) camera->destroy();
    list.clear();
}

int CameraFrontEnd::get_bgColor() { return EngG::camera ? EngG::camera->bgColor : static_cast<int>(0xFF000000); }

int CameraFrontEnd::set_bgColor(int color) {
    for (const auto& camera : list) camera->bgColor = color;
    return color;
}

}  // namespace engine
