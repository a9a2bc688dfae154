#pragma once
// A 3D layer of the stage: an event dispatcher with no context yet.
#include "framework/events/EventDispatcher.h"

namespace framework {

class Stage3D : public EventDispatcher {
    RUNTIME_CLASS(Stage3D)
public:
    Stage3D() = default;
    explicit Stage3D(runtime::NoInit n) : EventDispatcher(n) {}

    // Null until a 3D context exists.
    runtime::Ref<runtime::Object> context3D;
};

}  // namespace framework
