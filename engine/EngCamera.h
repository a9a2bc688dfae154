#pragma once
// The engine's view onto the world. So far only its background colour and the default zoom that
// the globals set and the scale modes read; following, drawing and effects are not built yet.
#include "engine/EngBasic.h"

namespace engine {

class EngCamera : public EngBasic {
public:
    // Zoom of a camera made with zoom 0; set by EngG::init.
    static inline double defaultZoom = 1;

    // Fills the canvas at the start of each drawn frame.
    int bgColor = static_cast<int>(0xFF000000);
};

}  // namespace engine
