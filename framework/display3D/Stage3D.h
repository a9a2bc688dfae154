#pragma once
// The stage's slot for a 3D context: requestContext3D makes a new context and announces it with
// "context3DCreate". An earlier context is neither disposed nor removed.
#include "Context3D.h"
#include "framework/events/EventDispatcher.h"

namespace framework {

class Stage3D : public EventDispatcher {
    RUNTIME_CLASS(Stage3D)
public:
    Stage3D() = default;
    explicit Stage3D(runtime::NoInit n) : EventDispatcher(n) {}

    // The render mode is not used.
    virtual void requestContext3D(const runtime::String& context3DRenderMode = runtime::String());

    // Null until the first request.
    runtime::Ref<Context3D> context3D;
    // Kept for callers; nothing reads them.
    bool visible = false;
    double x = 0;
    double y = 0;
};

}  // namespace framework
