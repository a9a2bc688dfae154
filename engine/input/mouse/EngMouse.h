#pragma once
// The engine mouse as the input front end sees it: made with the game's input container as its
// cursor container. Pointer tracking is not built yet; its step, reset and focus operations do
// nothing so far.
#include "engine/input/IEngInput.h"
#include "framework/display/Sprite.h"
#include "framework/ui/Mouse.h"

namespace engine {

class EngMouse : public runtime::Object, public IEngInput {
    RUNTIME_CLASS(EngMouse)
public:
    explicit EngMouse(const runtime::Ref<framework::Sprite>& cursorContainer) : cursorContainer(cursorContainer) {}
    explicit EngMouse(runtime::NoInit) {}

    void reset() override {}
    void update() override {}
    void onFocus() override {}
    void onFocusLost() override {}
    void destroy() override { cursorContainer = nullptr; }

    // True shows the system cursor (the engine draws no cursor sprite of its own yet).
    bool set_useSystemCursor(bool value) {
        useSystemCursor = value;
        if (value) framework::Mouse::show();
        return value;
    }

    runtime::Weak<framework::Sprite> cursorContainer;
    bool useSystemCursor = false;
};

}  // namespace engine
