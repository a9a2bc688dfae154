#include "GLContext.h"

#include <EGL/eglext.h>
#include <GLES2/gl2.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace media {

namespace {
constexpr int CONTEXT_LOST_WEBGL = 0x9242;

EGLDisplay openDisplay() {
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay) {
        EGLDisplay d = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        EGLint major = 0, minor = 0;
        if (d != EGL_NO_DISPLAY && eglInitialize(d, &major, &minor)) return d;
    }
    EGLDisplay d = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    EGLint major = 0, minor = 0;
    if (d != EGL_NO_DISPLAY && eglInitialize(d, &major, &minor)) return d;
    return EGL_NO_DISPLAY;
}
}  // namespace

GLContext& GLContext::get() {
    static GLContext* context = [] {
        auto* c = new GLContext();  // lives as long as the process, like the driver's state
        DirectLayer::install(c);
        return c;
    }();
    return *context;
}

// Installs the layer when the module loads, so that the first frame's callback is composited.
namespace {
[[maybe_unused]] const bool installed = (GLContext::get(), true);
}

bool GLContext::create() {
    if (display_ == EGL_NO_DISPLAY) display_ = openDisplay();
    if (display_ == EGL_NO_DISPLAY) return false;
    const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_ES2_BIT, EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
                                       EGL_DEPTH_SIZE, 16, EGL_STENCIL_SIZE, 8, EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display_, configAttributes, &config_, 1, &count) || count < 1) return false;
    if (!eglBindAPI(EGL_OPENGL_ES_API)) return false;
    const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    context_ = eglCreateContext(display_, config_, EGL_NO_CONTEXT, contextAttributes);
    if (context_ == EGL_NO_CONTEXT) return false;
    const EGLint surfaceAttributes[] = {EGL_WIDTH, width_, EGL_HEIGHT, height_, EGL_NONE};
    surface_ = eglCreatePbufferSurface(display_, config_, surfaceAttributes);
    if (surface_ == EGL_NO_SURFACE || !eglMakeCurrent(display_, surface_, surface_, context_)) {
        destroy();
        return false;
    }
    ++version_;
    return true;
}

void GLContext::destroy() {
    if (display_ == EGL_NO_DISPLAY) return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
    if (context_ != EGL_NO_CONTEXT) eglDestroyContext(display_, context_);
    surface_ = EGL_NO_SURFACE;
    context_ = EGL_NO_CONTEXT;
}

bool GLContext::use() {
    if (context_ == EGL_NO_CONTEXT && !tried_) {
        tried_ = true;
        create();
    }
    if (context_ == EGL_NO_CONTEXT) {
        lostError_ = true;
        return false;
    }
    if (eglGetCurrentContext() != context_ && !eglMakeCurrent(display_, surface_, surface_, context_)) {
        lostError_ = true;
        return false;
    }
    if (inFrame_) drawn_ = true;
    return true;
}

int GLContext::takeLostError() {
    bool lost = lostError_;
    lostError_ = false;
    return lost ? CONTEXT_LOST_WEBGL : 0;
}

void GLContext::resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (context_ == EGL_NO_CONTEXT) return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_);
    if (surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
    const EGLint surfaceAttributes[] = {EGL_WIDTH, width_, EGL_HEIGHT, height_, EGL_NONE};
    surface_ = eglCreatePbufferSurface(display_, config_, surfaceAttributes);
    if (surface_ == EGL_NO_SURFACE || !eglMakeCurrent(display_, surface_, surface_, context_)) destroy();
}

void GLContext::begin(int width, int height) {
    resize(width, height);
    inFrame_ = true;
    drawn_ = false;
}

void GLContext::end(cairo_t* cr) {
    inFrame_ = false;
    if (!drawn_ || context_ == EGL_NO_CONTEXT || !use()) return;
    drawn_ = false;
    // Read the default framebuffer whatever the callback left bound.
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    std::vector<uint8_t> rgba(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(bound));
    // GL rows run bottom-up and hold straight alpha; cairo wants top-down premultiplied ARGB.
    cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
    if (cairo_surface_status(layer) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(layer);
        return;
    }
    cairo_surface_flush(layer);
    unsigned char* data = cairo_image_surface_get_data(layer);
    int stride = cairo_image_surface_get_stride(layer);
    for (int y = 0; y < height_; ++y) {
        const uint8_t* src = rgba.data() + static_cast<std::size_t>(height_ - 1 - y) * width_ * 4;
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width_; ++x, src += 4) {
            uint32_t a = src[3];
            uint32_t r = (src[0] * a + 127) / 255, g = (src[1] * a + 127) / 255, b = (src[2] * a + 127) / 255;
            dst[x] = a << 24 | r << 16 | g << 8 | b;
        }
    }
    cairo_surface_mark_dirty(layer);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(cr, layer, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(layer);
}

}  // namespace media
