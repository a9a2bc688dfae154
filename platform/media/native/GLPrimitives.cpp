// The GL primitives, after WebGL 1.0 over the back end's OpenGL ES context. Identifiers are GL
// names (Int), uniform locations are Int (null when the uniform does not exist). Without a
// context every primitive answers null and the next get_error reports CONTEXT_LOST_WEBGL. Calls
// that would make GL read or write memory outside the caller's byte array, or read client memory
// (no buffer bound), are refused with a GL-style error instead. As in WebGL, a DEPTH_STENCIL
// render buffer is a packed 24-bit depth and 8-bit stencil buffer, attached at both points by
// DEPTH_STENCIL_ATTACHMENT; a transposed matrix upload is transposed here, as ES 2 refuses it.
#include <GLES2/gl2.h>
#include <GLES2/gl2ext.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Surface.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ByteStorage.h"
#include "platform/runtime/DynamicObject.h"

using media::GLContext;
using runtime::Value;

namespace {

GLenum softError = GL_NO_ERROR;

void refuse(GLenum error) {
    if (softError == GL_NO_ERROR) softError = error;
}

GLuint nameOf(const Value& v) { return v.isNull() ? 0u : static_cast<GLuint>(v.toInt()); }
GLint locationOf(const Value& v) { return v.isNull() ? -1 : v.toInt(); }
Value nameResult(GLuint name) { return name ? Value(static_cast<int>(name)) : Value(); }

// Floats from an array of numbers or from a byte array's valid bytes (little-endian singles).
std::vector<float> floatsOf(const Value& v) {
    std::vector<float> out;
    if (auto* array = dynamic_cast<runtime::Array*>(v.object())) {
        for (const Value& e : array->items) out.push_back(static_cast<float>(e.toFloat()));
    } else if (auto* storage = v.field("b").as<runtime::ByteStorage>()) {
        std::size_t length = std::min<std::size_t>(std::max(v.field("length").toInt(), 0), storage->bytes.size());
        out.resize(length / 4);
        if (!out.empty()) std::memcpy(out.data(), storage->bytes.data(), out.size() * 4);
    }
    return out;
}

std::vector<GLint> intsOf(const Value& v) {
    std::vector<GLint> out;
    if (auto* array = dynamic_cast<runtime::Array*>(v.object()))
        for (const Value& e : array->items) out.push_back(e.toInt());
    return out;
}

// The storage of a byte array from byte start with at least need bytes; null when it has fewer.
uint8_t* bytesAt(const Value& buffer, const Value& start, std::size_t need) {
    auto* storage = buffer.field("b").as<runtime::ByteStorage>();
    if (!storage) return nullptr;
    int64_t from = start.toInt();
    if (from < 0 || static_cast<std::size_t>(from) + need > storage->bytes.size()) return nullptr;
    return storage->bytes.data() + from;
}

// Bytes per pixel of the pixel forms WebGL 1 takes (floats as with its float-texture
// extension); 0 for any other form, which is refused.
std::size_t pixelBytes(GLenum format, GLenum type) {
    std::size_t components = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2
                             : format == GL_LUMINANCE || format == GL_ALPHA ? 1 : 0;
    switch (type) {
        case GL_UNSIGNED_BYTE: return components;
        case GL_FLOAT: return components * 4;
        case GL_UNSIGNED_SHORT_4_4_4_4:
        case GL_UNSIGNED_SHORT_5_5_5_1: return format == GL_RGBA ? 2 : 0;
        case GL_UNSIGNED_SHORT_5_6_5: return format == GL_RGB ? 2 : 0;
        default: return 0;
    }
}

// Bytes of a width × height image, rows packed by `alignment`.
std::size_t imageSize(int width, int height, std::size_t pixel, int alignment) {
    if (width <= 0 || height <= 0) return 0;
    std::size_t row = pixel * static_cast<std::size_t>(width);
    std::size_t a = static_cast<std::size_t>(std::max(alignment, 1));
    std::size_t padded = (row + a - 1) / a * a;
    return padded * static_cast<std::size_t>(height - 1) + row;
}

GLint integer(GLenum pname) {
    GLint v = 0;
    glGetIntegerv(pname, &v);
    return v;
}

GLint bufferSize(GLenum target, GLuint buffer) {
    GLint bound = integer(target == GL_ARRAY_BUFFER ? GL_ARRAY_BUFFER_BINDING : GL_ELEMENT_ARRAY_BUFFER_BINDING);
    if (static_cast<GLuint>(bound) != buffer) glBindBuffer(target, buffer);
    GLint size = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    if (static_cast<GLuint>(bound) != buffer) glBindBuffer(target, static_cast<GLuint>(bound));
    return size;
}

std::size_t typeBytes(GLenum type) {
    switch (type) {
        case GL_BYTE:
        case GL_UNSIGNED_BYTE: return 1;
        case GL_SHORT:
        case GL_UNSIGNED_SHORT: return 2;
        default: return 4;
    }
}

// Client-side arrays are not offered: every enabled attribute must read from a buffer, and when
// vertices is not negative, the buffer must hold that many vertices.
bool attributesHaveBuffers(int64_t vertices = -1) {
    GLint count = integer(GL_MAX_VERTEX_ATTRIBS);
    for (GLint i = 0; i < count; ++i) {
        auto index = static_cast<GLuint>(i);
        GLint enabled = 0, buffer = 0;
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        if (!enabled) continue;
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
        if (!buffer) return false;
        if (vertices <= 0) continue;
        GLint size = 0, type = 0, stride = 0;
        void* offset = nullptr;
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_TYPE, &type);
        glGetVertexAttribiv(index, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
        glGetVertexAttribPointerv(index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &offset);
        int64_t element = static_cast<int64_t>(size) * static_cast<int64_t>(typeBytes(static_cast<GLenum>(type)));
        int64_t step = stride > 0 ? stride : element;
        int64_t need = reinterpret_cast<intptr_t>(offset) + step * (vertices - 1) + element;
        if (need > bufferSize(GL_ARRAY_BUFFER, static_cast<GLuint>(buffer))) return false;
    }
    return true;
}

Value text(const std::string& s) { return Value(s); }

// WebGL's names for a packed depth-and-stencil buffer, which ES 2 has only as an extension.
constexpr GLenum DEPTH_STENCIL = 0x84F9, DEPTH_STENCIL_ATTACHMENT = 0x821A;

// Without the packed format, a depth-and-stencil request gets a depth buffer alone.
bool packedDepthStencil() {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return all && std::strstr(all, "GL_OES_packed_depth_stencil") != nullptr;
}

std::string shaderLog(GLuint shader, bool program) {
    GLint length = 0;
    if (program) glGetProgramiv(shader, GL_INFO_LOG_LENGTH, &length);
    else glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return {};
    std::string log(static_cast<std::size_t>(length), '\0');
    GLsizei written = 0;
    if (program) glGetProgramInfoLog(shader, length, &written, log.data());
    else glGetShaderInfoLog(shader, length, &written, log.data());
    log.resize(static_cast<std::size_t>(std::max(written, 0)));
    return log;
}

Value activeInfo(GLuint program, GLuint index, bool uniform) {
    GLint maxLength = 0;
    glGetProgramiv(program, uniform ? GL_ACTIVE_UNIFORM_MAX_LENGTH : GL_ACTIVE_ATTRIBUTE_MAX_LENGTH, &maxLength);
    std::string name(static_cast<std::size_t>(std::max(maxLength, 1)), '\0');
    GLsizei length = 0;
    GLint size = 0;
    GLenum type = 0;
    if (uniform) glGetActiveUniform(program, index, maxLength, &length, &size, &type, name.data());
    else glGetActiveAttrib(program, index, maxLength, &length, &size, &type, name.data());
    if (type == 0) return {};
    name.resize(static_cast<std::size_t>(std::max(length, 0)));
    auto info = runtime::make<runtime::DynamicObject>();
    info->setField("size", Value(size));
    info->setField("type", Value(static_cast<int>(type)));
    info->setField("name", Value(name));
    return Value(info);
}

}  // namespace

#define GL_USE()                                 \
    if (!GLContext::get().use()) return Value(); \
    (void)0
#define I(n) MEDIA_ARG(n).toInt()
#define U(n) static_cast<GLenum>(MEDIA_ARG(n).toInt())
#define F(n) static_cast<GLfloat>(MEDIA_ARG(n).toFloat())
#define B(n) static_cast<GLboolean>(MEDIA_ARG(n).toBool() ? GL_TRUE : GL_FALSE)

// ---- context ----

MEDIA_EXPORT(media_native_gl_version, 0) {
    GLContext::get().use();
    return Value(GLContext::get().version());
}

MEDIA_EXPORT(media_native_gl_get_error, 0) {
    if (int lost = GLContext::get().takeLostError()) return Value(lost);
    if (softError != GL_NO_ERROR) {
        GLenum e = softError;
        softError = GL_NO_ERROR;
        return Value(static_cast<int>(e));
    }
    GL_USE();
    return Value(static_cast<int>(glGetError()));
}

MEDIA_EXPORT(media_native_gl_get_context_attributes, 0) {
    GL_USE();
    auto attributes = runtime::make<runtime::DynamicObject>();
    attributes->setField("alpha", Value(integer(GL_ALPHA_BITS) > 0));
    attributes->setField("depth", Value(integer(GL_DEPTH_BITS) > 0));
    attributes->setField("stencil", Value(integer(GL_STENCIL_BITS) > 0));
    attributes->setField("antialias", Value(integer(GL_SAMPLE_BUFFERS) > 0));
    attributes->setField("premultipliedAlpha", Value(false));
    attributes->setField("preserveDrawingBuffer", Value(false));
    return Value(attributes);
}

MEDIA_EXPORT(media_native_gl_get_supported_extensions, 1) {
    auto* names = dynamic_cast<runtime::Array*>(MEDIA_ARG(0).object());
    GL_USE();
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!names || !all) return {};
    std::string list(all);
    std::size_t at = 0;
    while (at < list.size()) {
        std::size_t end = list.find(' ', at);
        if (end == std::string::npos) end = list.size();
        if (end > at) names->push(Value(list.substr(at, end - at)));
        at = end + 1;
    }
    return {};
}

MEDIA_EXPORT(media_native_gl_get_parameter, 1) {
    GL_USE();
    GLenum pname = U(0);
    switch (pname) {
        case GL_VENDOR:
        case GL_RENDERER:
        case GL_VERSION:
        case GL_SHADING_LANGUAGE_VERSION: {
            const char* s = reinterpret_cast<const char*>(glGetString(pname));
            return s ? text(s) : Value();
        }
        case GL_LINE_WIDTH:
        case GL_DEPTH_CLEAR_VALUE:
        case GL_POLYGON_OFFSET_FACTOR:
        case GL_POLYGON_OFFSET_UNITS:
        case GL_SAMPLE_COVERAGE_VALUE: {
            GLfloat v = 0;
            glGetFloatv(pname, &v);
            return Value(static_cast<double>(v));
        }
        case GL_DEPTH_RANGE:
        case GL_ALIASED_LINE_WIDTH_RANGE:
        case GL_ALIASED_POINT_SIZE_RANGE:
        case GL_COLOR_CLEAR_VALUE:
        case GL_BLEND_COLOR: {
            GLfloat v[4] = {};
            glGetFloatv(pname, v);
            int n = pname == GL_COLOR_CLEAR_VALUE || pname == GL_BLEND_COLOR ? 4 : 2;
            auto out = runtime::make<runtime::Array>();
            for (int i = 0; i < n; ++i) out->push(Value(static_cast<double>(v[i])));
            return Value(out);
        }
        case GL_VIEWPORT:
        case GL_SCISSOR_BOX:
        case GL_MAX_VIEWPORT_DIMS: {
            GLint v[4] = {};
            glGetIntegerv(pname, v);
            auto out = runtime::make<runtime::Array>();
            for (int i = 0; i < (pname == GL_MAX_VIEWPORT_DIMS ? 2 : 4); ++i) out->push(Value(v[i]));
            return Value(out);
        }
        case GL_COLOR_WRITEMASK: {
            GLboolean v[4] = {};
            glGetBooleanv(pname, v);
            auto out = runtime::make<runtime::Array>();
            for (GLboolean b : v) out->push(Value(b != GL_FALSE));
            return Value(out);
        }
        case GL_BLEND:
        case GL_CULL_FACE:
        case GL_DEPTH_TEST:
        case GL_DEPTH_WRITEMASK:
        case GL_DITHER:
        case GL_POLYGON_OFFSET_FILL:
        case GL_SAMPLE_COVERAGE_INVERT:
        case GL_SCISSOR_TEST:
        case GL_STENCIL_TEST: {
            GLboolean v = GL_FALSE;
            glGetBooleanv(pname, &v);
            return Value(v != GL_FALSE);
        }
        case GL_COMPRESSED_TEXTURE_FORMATS: {
            std::vector<GLint> formats(static_cast<std::size_t>(std::max(integer(GL_NUM_COMPRESSED_TEXTURE_FORMATS), 0)));
            if (!formats.empty()) glGetIntegerv(pname, formats.data());
            auto out = runtime::make<runtime::Array>();
            for (GLint f : formats) out->push(Value(f));
            return Value(out);
        }
        default: {
            // Anything else answers one integer; GL reports unknown names as INVALID_ENUM.
            GLint v[16] = {};
            glGetIntegerv(pname, v);
            return Value(v[0]);
        }
    }
}

MEDIA_EXPORT(media_native_gl_is_enabled, 1) { GL_USE(); return Value(glIsEnabled(U(0)) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_finish, 0) { GL_USE(); glFinish(); return {}; }
MEDIA_EXPORT(media_native_gl_flush, 0) { GL_USE(); glFlush(); return {}; }

// ---- state ----

MEDIA_EXPORT(media_native_gl_active_texture, 1) { GL_USE(); glActiveTexture(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_blend_color, 4) { GL_USE(); glBlendColor(F(0), F(1), F(2), F(3)); return {}; }
MEDIA_EXPORT(media_native_gl_blend_equation, 1) { GL_USE(); glBlendEquation(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_blend_equation_separate, 2) { GL_USE(); glBlendEquationSeparate(U(0), U(1)); return {}; }
MEDIA_EXPORT(media_native_gl_blend_func, 2) { GL_USE(); glBlendFunc(U(0), U(1)); return {}; }
MEDIA_EXPORT(media_native_gl_blend_func_separate, 4) { GL_USE(); glBlendFuncSeparate(U(0), U(1), U(2), U(3)); return {}; }
MEDIA_EXPORT(media_native_gl_clear, 1) { GL_USE(); glClear(static_cast<GLbitfield>(I(0))); return {}; }
MEDIA_EXPORT(media_native_gl_clear_color, 4) { GL_USE(); glClearColor(F(0), F(1), F(2), F(3)); return {}; }
MEDIA_EXPORT(media_native_gl_clear_depth, 1) { GL_USE(); glClearDepthf(F(0)); return {}; }
MEDIA_EXPORT(media_native_gl_clear_stencil, 1) { GL_USE(); glClearStencil(I(0)); return {}; }
MEDIA_EXPORT(media_native_gl_color_mask, 4) { GL_USE(); glColorMask(B(0), B(1), B(2), B(3)); return {}; }
MEDIA_EXPORT(media_native_gl_cull_face, 1) { GL_USE(); glCullFace(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_depth_func, 1) { GL_USE(); glDepthFunc(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_depth_mask, 1) { GL_USE(); glDepthMask(B(0)); return {}; }
MEDIA_EXPORT(media_native_gl_depth_range, 2) { GL_USE(); glDepthRangef(F(0), F(1)); return {}; }
MEDIA_EXPORT(media_native_gl_disable, 1) { GL_USE(); glDisable(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_enable, 1) { GL_USE(); glEnable(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_front_face, 1) { GL_USE(); glFrontFace(U(0)); return {}; }
MEDIA_EXPORT(media_native_gl_hint, 2) { GL_USE(); glHint(U(0), U(1)); return {}; }
MEDIA_EXPORT(media_native_gl_line_width, 1) { GL_USE(); glLineWidth(F(0)); return {}; }
MEDIA_EXPORT(media_native_gl_pixel_storei, 2) {
    GL_USE();
    // The WebGL-only unpack settings have no GL counterpart here; row lengths and skips, which
    // would make GL read past the sizes checked below, are not offered.
    if (I(0) >= 0x9240 && I(0) <= 0x9244) return {};
    if (U(0) != GL_PACK_ALIGNMENT && U(0) != GL_UNPACK_ALIGNMENT) return refuse(GL_INVALID_ENUM), Value();
    glPixelStorei(U(0), I(1));
    return {};
}
MEDIA_EXPORT(media_native_gl_polygon_offset, 2) { GL_USE(); glPolygonOffset(F(0), F(1)); return {}; }
MEDIA_EXPORT(media_native_gl_sample_coverage, 2) { GL_USE(); glSampleCoverage(F(0), B(1)); return {}; }
MEDIA_EXPORT(media_native_gl_scissor, 4) { GL_USE(); glScissor(I(0), I(1), I(2), I(3)); return {}; }
MEDIA_EXPORT(media_native_gl_stencil_func, 3) { GL_USE(); glStencilFunc(U(0), I(1), static_cast<GLuint>(I(2))); return {}; }
MEDIA_EXPORT(media_native_gl_stencil_func_separate, 4) {
    GL_USE();
    glStencilFuncSeparate(U(0), U(1), I(2), static_cast<GLuint>(I(3)));
    return {};
}
MEDIA_EXPORT(media_native_gl_stencil_mask, 1) { GL_USE(); glStencilMask(static_cast<GLuint>(I(0))); return {}; }
MEDIA_EXPORT(media_native_gl_stencil_mask_separate, 2) {
    GL_USE();
    glStencilMaskSeparate(U(0), static_cast<GLuint>(I(1)));
    return {};
}
MEDIA_EXPORT(media_native_gl_stencil_op, 3) { GL_USE(); glStencilOp(U(0), U(1), U(2)); return {}; }
MEDIA_EXPORT(media_native_gl_stencil_op_separate, 4) { GL_USE(); glStencilOpSeparate(U(0), U(1), U(2), U(3)); return {}; }
MEDIA_EXPORT(media_native_gl_viewport, 4) { GL_USE(); glViewport(I(0), I(1), I(2), I(3)); return {}; }

// ---- drawing ----

MEDIA_EXPORT(media_native_gl_draw_arrays, 3) {
    GL_USE();
    if (I(1) < 0 || I(2) < 0) return refuse(GL_INVALID_VALUE), Value();
    if (!attributesHaveBuffers(static_cast<int64_t>(I(1)) + I(2))) return refuse(GL_INVALID_OPERATION), Value();
    glDrawArrays(U(0), I(1), I(2));
    return {};
}

MEDIA_EXPORT(media_native_gl_draw_elements, 4) {
    GL_USE();
    if (I(3) < 0 || I(1) < 0) return refuse(GL_INVALID_VALUE), Value();
    // The indices must lie inside the bound index buffer (their values are left to GL).
    GLint indices = integer(GL_ELEMENT_ARRAY_BUFFER_BINDING);
    if (!indices || !attributesHaveBuffers()) return refuse(GL_INVALID_OPERATION), Value();
    int64_t need = static_cast<int64_t>(I(3)) + static_cast<int64_t>(I(1)) * static_cast<int64_t>(typeBytes(U(2)));
    if (need > bufferSize(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(indices)))
        return refuse(GL_INVALID_OPERATION), Value();
    glDrawElements(U(0), I(1), U(2), reinterpret_cast<const void*>(static_cast<intptr_t>(I(3))));
    return {};
}

// ---- vertex attributes ----

MEDIA_EXPORT(media_native_gl_disable_vertex_attrib_array, 1) {
    GL_USE();
    glDisableVertexAttribArray(static_cast<GLuint>(I(0)));
    return {};
}
MEDIA_EXPORT(media_native_gl_enable_vertex_attrib_array, 1) {
    GL_USE();
    glEnableVertexAttribArray(static_cast<GLuint>(I(0)));
    return {};
}
MEDIA_EXPORT(media_native_gl_vertex_attrib_pointer, MULT) {
    GL_USE();
    if (I(5) < 0 || I(4) < 0) return refuse(GL_INVALID_VALUE), Value();
    if (!integer(GL_ARRAY_BUFFER_BINDING)) return refuse(GL_INVALID_OPERATION), Value();
    glVertexAttribPointer(static_cast<GLuint>(I(0)), I(1), U(2), B(3), I(4),
                          reinterpret_cast<const void*>(static_cast<intptr_t>(I(5))));
    return {};
}
MEDIA_EXPORT(media_native_gl_vertex_attrib1f, 2) { GL_USE(); glVertexAttrib1f(static_cast<GLuint>(I(0)), F(1)); return {}; }
MEDIA_EXPORT(media_native_gl_vertex_attrib2f, 3) {
    GL_USE();
    glVertexAttrib2f(static_cast<GLuint>(I(0)), F(1), F(2));
    return {};
}
MEDIA_EXPORT(media_native_gl_vertex_attrib3f, 4) {
    GL_USE();
    glVertexAttrib3f(static_cast<GLuint>(I(0)), F(1), F(2), F(3));
    return {};
}
MEDIA_EXPORT(media_native_gl_vertex_attrib4f, 5) {
    GL_USE();
    glVertexAttrib4f(static_cast<GLuint>(I(0)), F(1), F(2), F(3), F(4));
    return {};
}

namespace {
Value vertexAttribV(const Value* args, int argc, std::size_t n) {
    GL_USE();
    std::vector<float> v = floatsOf(MEDIA_ARG(1));
    if (v.size() < n) return refuse(GL_INVALID_VALUE), Value();
    GLuint index = static_cast<GLuint>(I(0));
    if (n == 1) glVertexAttrib1fv(index, v.data());
    else if (n == 2) glVertexAttrib2fv(index, v.data());
    else if (n == 3) glVertexAttrib3fv(index, v.data());
    else glVertexAttrib4fv(index, v.data());
    return {};
}
}  // namespace

MEDIA_EXPORT(media_native_gl_vertex_attrib1fv, 2) { return vertexAttribV(args, argc, 1); }
MEDIA_EXPORT(media_native_gl_vertex_attrib2fv, 2) { return vertexAttribV(args, argc, 2); }
MEDIA_EXPORT(media_native_gl_vertex_attrib3fv, 2) { return vertexAttribV(args, argc, 3); }
MEDIA_EXPORT(media_native_gl_vertex_attrib4fv, 2) { return vertexAttribV(args, argc, 4); }

MEDIA_EXPORT(media_native_gl_get_vertex_attrib, 2) {
    GL_USE();
    GLuint index = static_cast<GLuint>(I(0));
    if (U(1) == GL_CURRENT_VERTEX_ATTRIB) {
        GLfloat v[4] = {};
        glGetVertexAttribfv(index, GL_CURRENT_VERTEX_ATTRIB, v);
        auto out = runtime::make<runtime::Array>();
        for (GLfloat f : v) out->push(Value(static_cast<double>(f)));
        return Value(out);
    }
    GLint v = 0;
    glGetVertexAttribiv(index, U(1), &v);
    if (U(1) == GL_VERTEX_ATTRIB_ARRAY_ENABLED || U(1) == GL_VERTEX_ATTRIB_ARRAY_NORMALIZED) return Value(v != 0);
    return Value(v);
}

MEDIA_EXPORT(media_native_gl_get_vertex_attrib_offset, 2) {
    GL_USE();
    void* pointer = nullptr;
    glGetVertexAttribPointerv(static_cast<GLuint>(I(0)), U(1), &pointer);
    return Value(static_cast<int>(reinterpret_cast<intptr_t>(pointer)));
}

// ---- objects ----

#define GL_CREATE(NAME, CALL)                 \
    MEDIA_EXPORT(NAME, 0) {                   \
        GL_USE();                             \
        GLuint name = 0;                      \
        CALL(1, &name);                       \
        return nameResult(name);              \
    }
GL_CREATE(media_native_gl_create_buffer, glGenBuffers)
GL_CREATE(media_native_gl_create_framebuffer, glGenFramebuffers)
GL_CREATE(media_native_gl_create_render_buffer, glGenRenderbuffers)
GL_CREATE(media_native_gl_create_texture, glGenTextures)
#undef GL_CREATE

MEDIA_EXPORT(media_native_gl_create_program, 0) { GL_USE(); return nameResult(glCreateProgram()); }
MEDIA_EXPORT(media_native_gl_create_shader, 1) { GL_USE(); return nameResult(glCreateShader(U(0))); }

#define GL_DELETE(NAME, CALL)                          \
    MEDIA_EXPORT(NAME, 1) {                            \
        GL_USE();                                      \
        GLuint name = nameOf(MEDIA_ARG(0));            \
        if (name) CALL(1, &name);                      \
        return {};                                     \
    }
GL_DELETE(media_native_gl_delete_buffer, glDeleteBuffers)
GL_DELETE(media_native_gl_delete_framebuffer, glDeleteFramebuffers)
GL_DELETE(media_native_gl_delete_render_buffer, glDeleteRenderbuffers)
GL_DELETE(media_native_gl_delete_texture, glDeleteTextures)
#undef GL_DELETE

MEDIA_EXPORT(media_native_gl_delete_program, 1) { GL_USE(); if (nameOf(MEDIA_ARG(0))) glDeleteProgram(nameOf(MEDIA_ARG(0))); return {}; }
MEDIA_EXPORT(media_native_gl_delete_shader, 1) { GL_USE(); if (nameOf(MEDIA_ARG(0))) glDeleteShader(nameOf(MEDIA_ARG(0))); return {}; }

MEDIA_EXPORT(media_native_gl_is_buffer, 1) { GL_USE(); return Value(glIsBuffer(nameOf(MEDIA_ARG(0))) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_is_framebuffer, 1) { GL_USE(); return Value(glIsFramebuffer(nameOf(MEDIA_ARG(0))) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_is_program, 1) { GL_USE(); return Value(glIsProgram(nameOf(MEDIA_ARG(0))) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_is_renderbuffer, 1) { GL_USE(); return Value(glIsRenderbuffer(nameOf(MEDIA_ARG(0))) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_is_shader, 1) { GL_USE(); return Value(glIsShader(nameOf(MEDIA_ARG(0))) != GL_FALSE); }
MEDIA_EXPORT(media_native_gl_is_texture, 1) { GL_USE(); return Value(glIsTexture(nameOf(MEDIA_ARG(0))) != GL_FALSE); }

MEDIA_EXPORT(media_native_gl_bind_buffer, 2) {
    GL_USE();
    // Vertex and index buffers only: a pixel buffer would change what the image calls read.
    if (U(0) != GL_ARRAY_BUFFER && U(0) != GL_ELEMENT_ARRAY_BUFFER) return refuse(GL_INVALID_ENUM), Value();
    glBindBuffer(U(0), nameOf(MEDIA_ARG(1)));
    return {};
}
MEDIA_EXPORT(media_native_gl_bind_framebuffer, 2) { GL_USE(); glBindFramebuffer(U(0), nameOf(MEDIA_ARG(1))); return {}; }
MEDIA_EXPORT(media_native_gl_bind_renderbuffer, 2) { GL_USE(); glBindRenderbuffer(U(0), nameOf(MEDIA_ARG(1))); return {}; }
MEDIA_EXPORT(media_native_gl_bind_texture, 2) { GL_USE(); glBindTexture(U(0), nameOf(MEDIA_ARG(1))); return {}; }

// ---- buffers ----

MEDIA_EXPORT(media_native_gl_buffer_data, 5) {
    GL_USE();
    int length = I(3);
    if (length < 0) return refuse(GL_INVALID_VALUE), Value();
    const uint8_t* data = nullptr;
    if (!MEDIA_ARG(1).isNull()) {
        data = bytesAt(MEDIA_ARG(1), MEDIA_ARG(2), static_cast<std::size_t>(length));
        if (!data) return refuse(GL_INVALID_VALUE), Value();
    }
    glBufferData(U(0), length, data, U(4));
    return {};
}

MEDIA_EXPORT(media_native_gl_buffer_sub_data, 5) {
    GL_USE();
    int length = I(4);
    const uint8_t* data = length >= 0 ? bytesAt(MEDIA_ARG(2), MEDIA_ARG(3), static_cast<std::size_t>(length)) : nullptr;
    if (!data || I(1) < 0) return refuse(GL_INVALID_VALUE), Value();
    glBufferSubData(U(0), I(1), length, data);
    return {};
}

MEDIA_EXPORT(media_native_gl_get_buffer_paramerter, 2) {
    GL_USE();
    GLint v = 0;
    glGetBufferParameteriv(U(0), U(1), &v);
    return Value(v);
}

// ---- textures ----

MEDIA_EXPORT(media_native_gl_bind_bitmap_data_texture, 1) {
    GL_USE();
    auto* surface = MEDIA_ARG(0).as<media::Surface>();
    if (!surface || surface->empty()) return refuse(GL_INVALID_VALUE), Value();
    // Straight ARGB pixels become RGBA bytes of the texture bound to TEXTURE_2D.
    std::vector<uint8_t> rgba(static_cast<std::size_t>(surface->width()) * surface->height() * 4);
    const uint32_t* p = surface->pixels();
    for (std::size_t i = 0; i < rgba.size() / 4; ++i) {
        rgba[i * 4] = static_cast<uint8_t>(p[i] >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(p[i] >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(p[i]);
        rgba[i * 4 + 3] = static_cast<uint8_t>(p[i] >> 24);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface->width(), surface->height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    return {};
}

namespace {
// Pixels of an upload: null when absent. Refused (INVALID_ENUM for a pixel form WebGL does not
// take, INVALID_OPERATION for a byte array too short) with false.
bool uploadPixels(const Value& buffer, const Value& start, int width, int height, GLenum format, GLenum type,
                  const uint8_t*& data) {
    data = nullptr;
    std::size_t pixel = pixelBytes(format, type);
    if (pixel == 0) return refuse(GL_INVALID_ENUM), false;
    if (buffer.isNull()) return true;
    data = bytesAt(buffer, start, imageSize(width, height, pixel, integer(GL_UNPACK_ALIGNMENT)));
    if (!data) refuse(GL_INVALID_OPERATION);
    return data != nullptr;
}
}  // namespace

MEDIA_EXPORT(media_native_gl_tex_image_2d, MULT) {
    GL_USE();
    const uint8_t* data = nullptr;
    if (!uploadPixels(MEDIA_ARG(8), MEDIA_ARG(9), I(3), I(4), U(6), U(7), data)) return {};
    glTexImage2D(U(0), I(1), I(2), I(3), I(4), I(5), U(6), U(7), data);
    return {};
}

MEDIA_EXPORT(media_native_gl_tex_sub_image_2d, MULT) {
    GL_USE();
    const uint8_t* data = nullptr;
    if (!uploadPixels(MEDIA_ARG(8), MEDIA_ARG(9), I(4), I(5), U(6), U(7), data)) return {};
    if (!data) return refuse(GL_INVALID_VALUE), Value();
    glTexSubImage2D(U(0), I(1), I(2), I(3), I(4), I(5), U(6), U(7), data);
    return {};
}

namespace {
// The compressed data from start to the end of the byte array's valid bytes.
const uint8_t* compressedData(const Value& buffer, const Value& start, int& size) {
    size = 0;
    auto* storage = buffer.field("b").as<runtime::ByteStorage>();
    if (!storage) return nullptr;
    int64_t length = std::min<int64_t>(std::max(buffer.field("length").toInt(), 0), storage->bytes.size());
    int64_t from = start.toInt();
    if (from < 0 || from > length) return nullptr;
    size = static_cast<int>(length - from);
    return storage->bytes.data() + from;
}
}  // namespace

MEDIA_EXPORT(media_native_gl_compressed_tex_image_2d, MULT) {
    GL_USE();
    int size = 0;
    const uint8_t* data = compressedData(MEDIA_ARG(6), MEDIA_ARG(7), size);
    if (!data) return refuse(GL_INVALID_VALUE), Value();
    glCompressedTexImage2D(U(0), I(1), U(2), I(3), I(4), I(5), size, data);
    return {};
}

MEDIA_EXPORT(media_native_gl_compressed_tex_sub_image_2d, MULT) {
    GL_USE();
    int size = 0;
    const uint8_t* data = compressedData(MEDIA_ARG(7), MEDIA_ARG(8), size);
    if (!data) return refuse(GL_INVALID_VALUE), Value();
    glCompressedTexSubImage2D(U(0), I(1), I(2), I(3), I(4), I(5), U(6), size, data);
    return {};
}

MEDIA_EXPORT(media_native_gl_copy_tex_image_2d, MULT) {
    GL_USE();
    glCopyTexImage2D(U(0), I(1), U(2), I(3), I(4), I(5), I(6), I(7));
    return {};
}

MEDIA_EXPORT(media_native_gl_copy_tex_sub_image_2d, MULT) {
    GL_USE();
    glCopyTexSubImage2D(U(0), I(1), I(2), I(3), I(4), I(5), I(6), I(7));
    return {};
}

MEDIA_EXPORT(media_native_gl_tex_parameterf, 3) { GL_USE(); glTexParameterf(U(0), U(1), F(2)); return {}; }
MEDIA_EXPORT(media_native_gl_tex_parameteri, 3) { GL_USE(); glTexParameteri(U(0), U(1), I(2)); return {}; }
MEDIA_EXPORT(media_native_gl_get_tex_parameter, 2) {
    GL_USE();
    GLint v = 0;
    glGetTexParameteriv(U(0), U(1), &v);
    return Value(v);
}
MEDIA_EXPORT(media_native_gl_generate_mipmap, 1) { GL_USE(); glGenerateMipmap(U(0)); return {}; }

// ---- framebuffers and renderbuffers ----

MEDIA_EXPORT(media_native_gl_check_framebuffer_status, 1) {
    GL_USE();
    return Value(static_cast<int>(glCheckFramebufferStatus(U(0))));
}
MEDIA_EXPORT(media_native_gl_framebuffer_renderbuffer, 4) {
    GL_USE();
    if (U(1) != DEPTH_STENCIL_ATTACHMENT) {
        glFramebufferRenderbuffer(U(0), U(1), U(2), nameOf(MEDIA_ARG(3)));
        return {};
    }
    glFramebufferRenderbuffer(U(0), GL_DEPTH_ATTACHMENT, U(2), nameOf(MEDIA_ARG(3)));
    glFramebufferRenderbuffer(U(0), GL_STENCIL_ATTACHMENT, U(2), packedDepthStencil() ? nameOf(MEDIA_ARG(3)) : 0u);
    return {};
}
MEDIA_EXPORT(media_native_gl_framebuffer_texture2D, 5) {
    GL_USE();
    GLuint texture = nameOf(MEDIA_ARG(3));
    // ES makes a texture object at its first binding, WebGL at its creation: one never bound
    // yet is made here, on its target, leaving that target's binding as it was.
    if (texture && !glIsTexture(texture)) {
        bool cube = U(2) != GL_TEXTURE_2D;
        GLint bound = integer(cube ? GL_TEXTURE_BINDING_CUBE_MAP : GL_TEXTURE_BINDING_2D);
        glBindTexture(cube ? GL_TEXTURE_CUBE_MAP : GL_TEXTURE_2D, texture);
        glBindTexture(cube ? GL_TEXTURE_CUBE_MAP : GL_TEXTURE_2D, static_cast<GLuint>(bound));
    }
    glFramebufferTexture2D(U(0), U(1), U(2), texture, I(4));
    return {};
}
MEDIA_EXPORT(media_native_gl_get_framebuffer_attachment_parameter, 3) {
    GL_USE();
    GLint v = 0;
    glGetFramebufferAttachmentParameteriv(U(0), U(1) == DEPTH_STENCIL_ATTACHMENT ? GL_DEPTH_ATTACHMENT : U(1), U(2),
                                          &v);
    return Value(v);
}
MEDIA_EXPORT(media_native_gl_renderbuffer_storage, 4) {
    GL_USE();
    GLenum format = U(1);
    if (format == DEPTH_STENCIL) format = packedDepthStencil() ? GL_DEPTH24_STENCIL8_OES : GL_DEPTH_COMPONENT16;
    glRenderbufferStorage(U(0), format, I(2), I(3));
    return {};
}
MEDIA_EXPORT(media_native_gl_get_render_buffer_parameter, 2) {
    GL_USE();
    GLint v = 0;
    glGetRenderbufferParameteriv(U(0), U(1), &v);
    if (U(1) == GL_RENDERBUFFER_INTERNAL_FORMAT && v == GL_DEPTH24_STENCIL8_OES) v = DEPTH_STENCIL;
    return Value(v);
}

MEDIA_EXPORT(media_native_gl_read_pixels, MULT) {
    GL_USE();
    int width = I(2), height = I(3);
    if (width < 0 || height < 0) return refuse(GL_INVALID_VALUE), Value();
    // Only RGBA bytes are read, as WebGL allows; other forms are GL's INVALID_OPERATION.
    if (U(4) != GL_RGBA || U(5) != GL_UNSIGNED_BYTE) return refuse(GL_INVALID_OPERATION), Value();
    uint8_t* data = MEDIA_ARG(6).isNull()
                        ? nullptr
                        : bytesAt(MEDIA_ARG(6), MEDIA_ARG(7), imageSize(width, height, 4, integer(GL_PACK_ALIGNMENT)));
    if (!data) return refuse(GL_INVALID_VALUE), Value();
    glReadPixels(I(0), I(1), width, height, GL_RGBA, GL_UNSIGNED_BYTE, data);
    return {};
}

// ---- shaders and programs ----

MEDIA_EXPORT(media_native_gl_shader_source, 2) {
    GL_USE();
    std::string source = MEDIA_ARG(1).isNull() ? std::string() : MEDIA_ARG(1).toText();
    const char* text = source.c_str();
    auto length = static_cast<GLint>(source.size());
    glShaderSource(nameOf(MEDIA_ARG(0)), 1, &text, &length);
    return {};
}

MEDIA_EXPORT(media_native_gl_get_shader_source, 1) {
    GL_USE();
    GLuint shader = nameOf(MEDIA_ARG(0));
    GLint length = 0;
    glGetShaderiv(shader, GL_SHADER_SOURCE_LENGTH, &length);
    if (length <= 0) return glIsShader(shader) ? text("") : Value();
    std::string source(static_cast<std::size_t>(length), '\0');
    GLsizei written = 0;
    glGetShaderSource(shader, length, &written, source.data());
    source.resize(static_cast<std::size_t>(std::max(written, 0)));
    return text(source);
}

MEDIA_EXPORT(media_native_gl_compile_shader, 1) { GL_USE(); glCompileShader(nameOf(MEDIA_ARG(0))); return {}; }
MEDIA_EXPORT(media_native_gl_get_shader_info_log, 1) { GL_USE(); return text(shaderLog(nameOf(MEDIA_ARG(0)), false)); }
MEDIA_EXPORT(media_native_gl_get_program_info_log, 1) { GL_USE(); return text(shaderLog(nameOf(MEDIA_ARG(0)), true)); }

MEDIA_EXPORT(media_native_gl_get_shader_parameter, 2) {
    GL_USE();
    GLint v = 0;
    glGetShaderiv(nameOf(MEDIA_ARG(0)), U(1), &v);
    return Value(v);
}

MEDIA_EXPORT(media_native_gl_get_program_parameter, 2) {
    GL_USE();
    GLint v = 0;
    glGetProgramiv(nameOf(MEDIA_ARG(0)), U(1), &v);
    return Value(v);
}

MEDIA_EXPORT(media_native_gl_get_shader_precision_format, 2) {
    GL_USE();
    GLint range[2] = {}, precision = 0;
    glGetShaderPrecisionFormat(U(0), U(1), range, &precision);
    auto format = runtime::make<runtime::DynamicObject>();
    format->setField("rangeMin", Value(range[0]));
    format->setField("rangeMax", Value(range[1]));
    format->setField("precision", Value(precision));
    return Value(format);
}

MEDIA_EXPORT(media_native_gl_attach_shader, 2) {
    GL_USE();
    glAttachShader(nameOf(MEDIA_ARG(0)), nameOf(MEDIA_ARG(1)));
    return {};
}
MEDIA_EXPORT(media_native_gl_detach_shader, 2) {
    GL_USE();
    glDetachShader(nameOf(MEDIA_ARG(0)), nameOf(MEDIA_ARG(1)));
    return {};
}
MEDIA_EXPORT(media_native_gl_bind_attrib_location, 3) {
    GL_USE();
    glBindAttribLocation(nameOf(MEDIA_ARG(0)), static_cast<GLuint>(I(1)), MEDIA_ARG(2).toText().c_str());
    return {};
}
MEDIA_EXPORT(media_native_gl_link_program, 1) { GL_USE(); glLinkProgram(nameOf(MEDIA_ARG(0))); return {}; }
MEDIA_EXPORT(media_native_gl_validate_program, 1) { GL_USE(); glValidateProgram(nameOf(MEDIA_ARG(0))); return {}; }
MEDIA_EXPORT(media_native_gl_use_program, 1) { GL_USE(); glUseProgram(nameOf(MEDIA_ARG(0))); return {}; }

MEDIA_EXPORT(media_native_gl_get_active_attrib, 2) {
    GL_USE();
    return activeInfo(nameOf(MEDIA_ARG(0)), static_cast<GLuint>(I(1)), false);
}
MEDIA_EXPORT(media_native_gl_get_active_uniform, 2) {
    GL_USE();
    return activeInfo(nameOf(MEDIA_ARG(0)), static_cast<GLuint>(I(1)), true);
}
MEDIA_EXPORT(media_native_gl_get_attrib_location, 2) {
    GL_USE();
    return Value(glGetAttribLocation(nameOf(MEDIA_ARG(0)), MEDIA_ARG(1).toText().c_str()));
}
MEDIA_EXPORT(media_native_gl_get_uniform_location, 2) {
    GL_USE();
    GLint location = glGetUniformLocation(nameOf(MEDIA_ARG(0)), MEDIA_ARG(1).toText().c_str());
    return location < 0 ? Value() : Value(location);
}

MEDIA_EXPORT(media_native_gl_get_uniform, 2) {
    GL_USE();
    // Room for the largest uniform (a 4×4 matrix); a single value reads as a number.
    GLfloat v[16] = {};
    GLint location = locationOf(MEDIA_ARG(1));
    if (location < 0) return {};
    glGetUniformfv(nameOf(MEDIA_ARG(0)), location, v);
    return Value(static_cast<double>(v[0]));
}

// ---- uniforms ----

MEDIA_EXPORT(media_native_gl_uniform1f, 2) { GL_USE(); glUniform1f(locationOf(MEDIA_ARG(0)), F(1)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform2f, 3) { GL_USE(); glUniform2f(locationOf(MEDIA_ARG(0)), F(1), F(2)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform3f, 4) { GL_USE(); glUniform3f(locationOf(MEDIA_ARG(0)), F(1), F(2), F(3)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform4f, 5) {
    GL_USE();
    glUniform4f(locationOf(MEDIA_ARG(0)), F(1), F(2), F(3), F(4));
    return {};
}
MEDIA_EXPORT(media_native_gl_uniform1i, 2) { GL_USE(); glUniform1i(locationOf(MEDIA_ARG(0)), I(1)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform2i, 3) { GL_USE(); glUniform2i(locationOf(MEDIA_ARG(0)), I(1), I(2)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform3i, 4) { GL_USE(); glUniform3i(locationOf(MEDIA_ARG(0)), I(1), I(2), I(3)); return {}; }
MEDIA_EXPORT(media_native_gl_uniform4i, 5) {
    GL_USE();
    glUniform4i(locationOf(MEDIA_ARG(0)), I(1), I(2), I(3), I(4));
    return {};
}

namespace {
// A list of n-component values: as many whole values as the list holds.
Value uniformFloats(const Value* args, int argc, int n) {
    GL_USE();
    std::vector<float> v = floatsOf(MEDIA_ARG(1));
    auto count = static_cast<GLsizei>(v.size() / static_cast<std::size_t>(n));
    if (count == 0) return refuse(GL_INVALID_VALUE), Value();
    GLint location = locationOf(MEDIA_ARG(0));
    if (n == 1) glUniform1fv(location, count, v.data());
    else if (n == 2) glUniform2fv(location, count, v.data());
    else if (n == 3) glUniform3fv(location, count, v.data());
    else glUniform4fv(location, count, v.data());
    return {};
}

Value uniformInts(const Value* args, int argc, int n) {
    GL_USE();
    std::vector<GLint> v = intsOf(MEDIA_ARG(1));
    auto count = static_cast<GLsizei>(v.size() / static_cast<std::size_t>(n));
    if (count == 0) return refuse(GL_INVALID_VALUE), Value();
    GLint location = locationOf(MEDIA_ARG(0));
    if (n == 1) glUniform1iv(location, count, v.data());
    else if (n == 2) glUniform2iv(location, count, v.data());
    else if (n == 3) glUniform3iv(location, count, v.data());
    else glUniform4iv(location, count, v.data());
    return {};
}
}  // namespace

MEDIA_EXPORT(media_native_gl_uniform1fv, 2) { return uniformFloats(args, argc, 1); }
MEDIA_EXPORT(media_native_gl_uniform2fv, 2) { return uniformFloats(args, argc, 2); }
MEDIA_EXPORT(media_native_gl_uniform3fv, 2) { return uniformFloats(args, argc, 3); }
MEDIA_EXPORT(media_native_gl_uniform4fv, 2) { return uniformFloats(args, argc, 4); }
MEDIA_EXPORT(media_native_gl_uniform1iv, 2) { return uniformInts(args, argc, 1); }
MEDIA_EXPORT(media_native_gl_uniform2iv, 2) { return uniformInts(args, argc, 2); }
MEDIA_EXPORT(media_native_gl_uniform3iv, 2) { return uniformInts(args, argc, 3); }
MEDIA_EXPORT(media_native_gl_uniform4iv, 2) { return uniformInts(args, argc, 4); }

MEDIA_EXPORT(media_native_gl_uniform_matrix, 4) {
    GL_USE();
    int n = I(3);
    if (n < 2 || n > 4) return refuse(GL_INVALID_VALUE), Value();
    std::vector<float> v = floatsOf(MEDIA_ARG(2));
    auto count = static_cast<GLsizei>(v.size() / static_cast<std::size_t>(n * n));
    if (count == 0) return refuse(GL_INVALID_VALUE), Value();
    GLint location = locationOf(MEDIA_ARG(0));
    if (MEDIA_ARG(1).toBool()) {
        std::vector<float> rows(v);
        const auto side = static_cast<std::size_t>(n);
        for (std::size_t m = 0; m < static_cast<std::size_t>(count) * side * side; m += side * side)
            for (std::size_t c = 0; c < side; ++c)
                for (std::size_t r = 0; r < side; ++r) rows[m + r * side + c] = v[m + c * side + r];
        v.swap(rows);
    }
    if (n == 2) glUniformMatrix2fv(location, count, GL_FALSE, v.data());
    else if (n == 3) glUniformMatrix3fv(location, count, GL_FALSE, v.data());
    else glUniformMatrix4fv(location, count, GL_FALSE, v.data());
    return {};
}
