#pragma once
// The engine's cameras in drawing order and the states' background colour. Cameras are not
// built yet: the list stays empty, so the per-step and per-frame passes have nothing to do.
#include <vector>

#include "engine/EngCamera.h"

namespace engine {

class CameraFrontEnd : public runtime::Object {
public:
    // Destroys every camera; the list is left empty until cameras exist.
    virtual void reset();
    // The main camera's background, or opaque black without one.
    virtual int get_bgColor();
    // Every listed camera takes the colour.
    virtual int set_bgColor(int color);

    std::vector<runtime::Ref<EngCamera>> list;
};

}  // namespace engine
