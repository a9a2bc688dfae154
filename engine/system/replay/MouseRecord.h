#pragma once
// A replay record of the mouse in one step: the pointer position on the engine game in whole
// pixels, the left button's state and the wheel delta.
#include "engine/util/EngPoint.h"

namespace engine {

class MouseRecord : public EngPoint {
    RUNTIME_CLASS(MouseRecord)
public:
    MouseRecord(int x, int y, int button, int wheel) : EngPoint(0, 0), button(button), wheel(wheel) { set(x, y); }
    explicit MouseRecord(runtime::NoInit n) : EngPoint(n) {}

    int button = 0;
    int wheel = 0;
};

}  // namespace engine
