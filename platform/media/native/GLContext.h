#pragma once
// The back end's one GL context: OpenGL ES 2 through EGL, offscreen (Mesa's surfaceless platform
// first, then the default display) with a pbuffer as the drawing buffer, so it works the same in
// a window and headless. What a direct-render callback draws there is read back and composited
// onto the software frame. When no context can be made, every GL primitive fails softly.
#include <EGL/egl.h>

#include "DirectLayer.h"

namespace media {

class GLContext : public DirectLayer {
public:
    static GLContext& get();

    // Makes the context current, creating it on first use; false when there is none. A call
    // without a context leaves CONTEXT_LOST_WEBGL for the next error query.
    bool use();
    // Counts the contexts made so far: 0 before the first, changes whenever one is replaced.
    int version() const { return version_; }
    // The pending error of a call made without a context (0 when none), cleared by reading.
    int takeLostError();
    // The drawing buffer's size in pixels.
    int width() const { return width_; }
    int height() const { return height_; }
    // Resizes the drawing buffer (its content is lost).
    void resize(int width, int height);

    void begin(int width, int height) override;
    void end(cairo_t* cr) override;

private:
    GLContext() = default;
    bool create();
    void destroy();

    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLConfig config_ = nullptr;
    EGLContext context_ = EGL_NO_CONTEXT;
    EGLSurface surface_ = EGL_NO_SURFACE;
    bool tried_ = false;
    bool lostError_ = false;
    int version_ = 0;
    int width_ = 1;
    int height_ = 1;
    bool inFrame_ = false;
    bool drawn_ = false;
};

}  // namespace media
