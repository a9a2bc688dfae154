#pragma once
// The watch front end's window kind; no behaviour of its own.
#include "engine/system/debug/Window.h"

namespace engine {

class Watch : public Window {
    RUNTIME_CLASS(Watch)
public:
    using Window::Window;
};

}  // namespace engine
