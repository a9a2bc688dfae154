#pragma once
// What draws a direct-render object's own layer: set up before its callback runs, composited onto
// the frame after. The GL primitives install one (their offscreen GL context); without one the
// callback draws nothing of its own.
#include <cairo.h>

namespace media {

class DirectLayer {
public:
    virtual ~DirectLayer() = default;
    // Before the callback: a drawing buffer of width × height pixels, cleared of earlier frames.
    virtual void begin(int width, int height) = 0;
    // After the callback: what it drew, its top left corner at the origin of cr's user space
    // (the renderer places it there).
    virtual void end(cairo_t* cr) = 0;

    static DirectLayer* installed() { return installed_; }
    static void install(DirectLayer* layer) { installed_ = layer; }

private:
    static inline DirectLayer* installed_ = nullptr;
};

}  // namespace media
