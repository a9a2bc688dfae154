#pragma once
// The display object inside which a program draws with GL calls: while it is on the stage the
// back end calls its render callback during each native render. The stage broadcasts the context
// events CONTEXT_LOST and CONTEXT_RESTORED to every display object on it.
#include "DirectRenderer.h"

namespace framework {

class OpenGLView : public DirectRenderer {
    RUNTIME_CLASS(OpenGLView)
public:
    static inline runtime::String CONTEXT_LOST = "glcontextlost";
    static inline runtime::String CONTEXT_RESTORED = "glcontextrestored";

    OpenGLView() : DirectRenderer("OpenGLView") {}
    explicit OpenGLView(runtime::NoInit n) : DirectRenderer(n) {}

    static bool get_isSupported() { return true; }
};

}  // namespace framework
