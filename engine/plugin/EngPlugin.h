#pragma once
// Base of the engine's plugins: run every step and frame beside the current state, told about
// state switches and resizes.
#include "engine/EngBasic.h"

namespace engine {

class EngPlugin : public EngBasic {
    RUNTIME_CLASS(EngPlugin)
public:
    EngPlugin() = default;
    explicit EngPlugin(runtime::NoInit n) : EngBasic(n) {}

    virtual void onStateSwitch() {}
    virtual void onResize(int width, int height) {}
};

}  // namespace engine
