#pragma once
// The engine's gamepad manager as the input front end sees it. Controllers are not tracked yet;
// its step, reset and focus operations do nothing so far.
#include "engine/input/IEngInput.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngGamepadManager : public runtime::Object, public IEngInput {
    RUNTIME_CLASS(EngGamepadManager)
public:
    EngGamepadManager() = default;
    explicit EngGamepadManager(runtime::NoInit) {}

    void reset() override {}
    void update() override {}
    void onFocus() override {}
    void onFocusLost() override {}
    void destroy() override {}
};

}  // namespace engine
