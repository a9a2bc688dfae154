#include "GL.h"

#include "framework/Lib.h"
#include "framework/display/BitmapData.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/geom/Matrix3D.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

runtime::Primitive GL::load(const runtime::String& name, int argCount) {
    try {
        return Lib::load("media-native", name.isNull() ? std::string() : name.str(), argCount);
    } catch (const runtime::Thrown& t) {
        RUNTIME_TRACE(t.value());
    } catch (const std::exception& e) {
        RUNTIME_TRACE(Value(std::string(e.what())));
    }
    return runtime::Primitive();
}

#define GL_SLOT(suffix)                                    \
    media_gl_##suffix = load("media_native_gl_" #suffix,   \
                             ::media::MediaPrimitives::arity(::media::MediaPrimitive::media_native_gl_##suffix))

void GL::initClass() {
    static const bool done = [] {
        GL_SLOT(active_texture);
        GL_SLOT(attach_shader);
        GL_SLOT(bind_attrib_location);
        GL_SLOT(bind_bitmap_data_texture);
        GL_SLOT(bind_buffer);
        GL_SLOT(bind_framebuffer);
        GL_SLOT(bind_renderbuffer);
        GL_SLOT(bind_texture);
        GL_SLOT(blend_color);
        GL_SLOT(blend_equation);
        GL_SLOT(blend_equation_separate);
        GL_SLOT(blend_func);
        GL_SLOT(blend_func_separate);
        GL_SLOT(buffer_data);
        GL_SLOT(buffer_sub_data);
        GL_SLOT(check_framebuffer_status);
        GL_SLOT(clear);
        GL_SLOT(clear_color);
        GL_SLOT(clear_depth);
        GL_SLOT(clear_stencil);
        GL_SLOT(color_mask);
        GL_SLOT(compile_shader);
        GL_SLOT(compressed_tex_image_2d);
        GL_SLOT(compressed_tex_sub_image_2d);
        GL_SLOT(copy_tex_image_2d);
        GL_SLOT(copy_tex_sub_image_2d);
        GL_SLOT(create_buffer);
        GL_SLOT(create_framebuffer);
        GL_SLOT(create_program);
        GL_SLOT(create_render_buffer);
        GL_SLOT(create_shader);
        GL_SLOT(create_texture);
        GL_SLOT(cull_face);
        GL_SLOT(delete_buffer);
        GL_SLOT(delete_framebuffer);
        GL_SLOT(delete_program);
        GL_SLOT(delete_render_buffer);
        GL_SLOT(delete_shader);
        GL_SLOT(delete_texture);
        GL_SLOT(depth_func);
        GL_SLOT(depth_mask);
        GL_SLOT(depth_range);
        GL_SLOT(detach_shader);
        GL_SLOT(disable);
        GL_SLOT(disable_vertex_attrib_array);
        GL_SLOT(draw_arrays);
        GL_SLOT(draw_elements);
        GL_SLOT(enable);
        GL_SLOT(enable_vertex_attrib_array);
        GL_SLOT(finish);
        GL_SLOT(flush);
        GL_SLOT(framebuffer_renderbuffer);
        GL_SLOT(framebuffer_texture2D);
        GL_SLOT(front_face);
        GL_SLOT(generate_mipmap);
        GL_SLOT(get_active_attrib);
        GL_SLOT(get_active_uniform);
        GL_SLOT(get_attrib_location);
        GL_SLOT(get_buffer_paramerter);
        GL_SLOT(get_context_attributes);
        GL_SLOT(get_error);
        GL_SLOT(get_framebuffer_attachment_parameter);
        GL_SLOT(get_parameter);
        GL_SLOT(get_program_info_log);
        GL_SLOT(get_program_parameter);
        GL_SLOT(get_render_buffer_parameter);
        GL_SLOT(get_shader_info_log);
        GL_SLOT(get_shader_parameter);
        GL_SLOT(get_shader_precision_format);
        GL_SLOT(get_shader_source);
        GL_SLOT(get_supported_extensions);
        GL_SLOT(get_tex_parameter);
        GL_SLOT(get_uniform);
        GL_SLOT(get_uniform_location);
        GL_SLOT(get_vertex_attrib);
        GL_SLOT(get_vertex_attrib_offset);
        GL_SLOT(hint);
        GL_SLOT(is_buffer);
        GL_SLOT(is_enabled);
        GL_SLOT(is_framebuffer);
        GL_SLOT(is_program);
        GL_SLOT(is_renderbuffer);
        GL_SLOT(is_shader);
        GL_SLOT(is_texture);
        GL_SLOT(line_width);
        GL_SLOT(link_program);
        GL_SLOT(pixel_storei);
        GL_SLOT(polygon_offset);
        GL_SLOT(read_pixels);
        GL_SLOT(renderbuffer_storage);
        GL_SLOT(sample_coverage);
        GL_SLOT(scissor);
        GL_SLOT(shader_source);
        GL_SLOT(stencil_func);
        GL_SLOT(stencil_func_separate);
        GL_SLOT(stencil_mask);
        GL_SLOT(stencil_mask_separate);
        GL_SLOT(stencil_op);
        GL_SLOT(stencil_op_separate);
        GL_SLOT(tex_image_2d);
        GL_SLOT(tex_parameterf);
        GL_SLOT(tex_parameteri);
        GL_SLOT(tex_sub_image_2d);
        GL_SLOT(uniform1f);
        GL_SLOT(uniform1fv);
        GL_SLOT(uniform1i);
        GL_SLOT(uniform1iv);
        GL_SLOT(uniform2f);
        GL_SLOT(uniform2fv);
        GL_SLOT(uniform2i);
        GL_SLOT(uniform2iv);
        GL_SLOT(uniform3f);
        GL_SLOT(uniform3fv);
        GL_SLOT(uniform3i);
        GL_SLOT(uniform3iv);
        GL_SLOT(uniform4f);
        GL_SLOT(uniform4fv);
        GL_SLOT(uniform4i);
        GL_SLOT(uniform4iv);
        GL_SLOT(uniform_matrix);
        GL_SLOT(use_program);
        GL_SLOT(validate_program);
        GL_SLOT(version);
        GL_SLOT(vertex_attrib1f);
        GL_SLOT(vertex_attrib1fv);
        GL_SLOT(vertex_attrib2f);
        GL_SLOT(vertex_attrib2fv);
        GL_SLOT(vertex_attrib3f);
        GL_SLOT(vertex_attrib3fv);
        GL_SLOT(vertex_attrib4f);
        GL_SLOT(vertex_attrib4fv);
        GL_SLOT(vertex_attrib_pointer);
        GL_SLOT(viewport);
        return true;
    }();
    (void)done;
}

#undef GL_SLOT

namespace {

Value idOf(const GLObject* handle) { return handle ? handle->id : Value(); }

int intResult(const Value& v) { return v.isNull() ? 0 : v.toInt(); }

bool boolResult(const Value& v) { return v.toInt() != 0; }

runtime::String textResult(const Value& v) { return v.isNull() ? runtime::String() : v.toStringValue(); }

// A memory range's buffer, start and length; an absent range gives null, null and 0.
struct Range {
    Value buffer, start;
    int length = 0;
};

Range rangeOf(const Value& data) {
    Range r;
    if (auto* range = dynamic_cast<IMemoryRange*>(data.object())) {
        r.buffer = Value(range->getByteBuffer());
        r.start = Value(range->getStart());
        r.length = range->getLength();
    }
    return r;
}

template <class H>
Ref<H> makeHandle(const runtime::Primitive& create, const Value* arg = nullptr) {
    GL::initClass();
    int version = GL::get_version();
    Value id = arg ? create(*arg) : create();
    return runtime::make<H>(version, id);
}

// An array of integers as it is; any other array copied with each element made an integer.
Value intArray(const Value& values) {
    auto* array = dynamic_cast<runtime::Array*>(values.object());
    if (!array) return Value();
    bool ints = true;
    for (const Value& v : array->items) ints = ints && v.isInt();
    if (ints) return values;
    auto copy = runtime::make<runtime::Array>();
    copy->items.reserve(array->items.size());
    for (const Value& v : array->items) copy->push(Value(v.toInt()));
    return Value(copy);
}

}  // namespace

#define GL_INIT initClass()

int GL::get_version() {
    GL_INIT;
    return intResult(media_gl_version());
}

int GL::get_drawingBufferWidth() {
    auto stage = Lib::get_current()->get_stage();
    return stage ? stage->get_stageWidth() : 0;
}

int GL::get_drawingBufferHeight() {
    auto stage = Lib::get_current()->get_stage();
    return stage ? stage->get_stageHeight() : 0;
}

// ---- state and drawing ----

void GL::activeTexture(int texture) { GL_INIT; media_gl_active_texture(texture); }
void GL::blendColor(double r, double g, double b, double a) { GL_INIT; media_gl_blend_color(r, g, b, a); }
void GL::blendEquation(int mode) { GL_INIT; media_gl_blend_equation(mode); }
void GL::blendEquationSeparate(int modeRGB, int modeAlpha) { GL_INIT; media_gl_blend_equation_separate(modeRGB, modeAlpha); }
void GL::blendFunc(int sfactor, int dfactor) { GL_INIT; media_gl_blend_func(sfactor, dfactor); }
void GL::blendFuncSeparate(int srcRGB, int dstRGB, int srcAlpha, int dstAlpha) {
    GL_INIT;
    media_gl_blend_func_separate(srcRGB, dstRGB, srcAlpha, dstAlpha);
}
void GL::clear(int mask) { GL_INIT; media_gl_clear(mask); }
void GL::clearColor(double r, double g, double b, double a) { GL_INIT; media_gl_clear_color(r, g, b, a); }
void GL::clearDepth(double depth) { GL_INIT; media_gl_clear_depth(depth); }
void GL::clearStencil(int s) { GL_INIT; media_gl_clear_stencil(s); }
void GL::colorMask(bool r, bool g, bool b, bool a) { GL_INIT; media_gl_color_mask(r, g, b, a); }
void GL::cullFace(int mode) { GL_INIT; media_gl_cull_face(mode); }
void GL::depthFunc(int func) { GL_INIT; media_gl_depth_func(func); }
void GL::depthMask(bool flag) { GL_INIT; media_gl_depth_mask(flag); }
void GL::depthRange(double zNear, double zFar) { GL_INIT; media_gl_depth_range(zNear, zFar); }
void GL::disable(int cap) { GL_INIT; media_gl_disable(cap); }
void GL::drawArrays(int mode, int first, int count) { GL_INIT; media_gl_draw_arrays(mode, first, count); }
void GL::drawElements(int mode, int count, int type, int offset) { GL_INIT; media_gl_draw_elements(mode, count, type, offset); }
void GL::enable(int cap) { GL_INIT; media_gl_enable(cap); }
void GL::finish() { GL_INIT; media_gl_finish(); }
void GL::flush() { GL_INIT; media_gl_flush(); }
void GL::frontFace(int mode) { GL_INIT; media_gl_front_face(mode); }
void GL::hint(int target, int mode) { GL_INIT; media_gl_hint(target, mode); }
void GL::lineWidth(double width) { GL_INIT; media_gl_line_width(width); }
void GL::pixelStorei(int pname, int param) { GL_INIT; media_gl_pixel_storei(pname, param); }
void GL::polygonOffset(double factor, double units) { GL_INIT; media_gl_polygon_offset(factor, units); }
void GL::sampleCoverage(double value, bool invert) { GL_INIT; media_gl_sample_coverage(value, invert); }
void GL::scissor(int x, int y, int width, int height) { GL_INIT; media_gl_scissor(x, y, width, height); }
void GL::stencilFunc(int func, int ref, int mask) { GL_INIT; media_gl_stencil_func(func, ref, mask); }
void GL::stencilFuncSeparate(int face, int func, int ref, int mask) {
    GL_INIT;
    media_gl_stencil_func_separate(face, func, ref, mask);
}
void GL::stencilMask(int mask) { GL_INIT; media_gl_stencil_mask(mask); }
void GL::stencilMaskSeparate(int face, int mask) { GL_INIT; media_gl_stencil_mask_separate(face, mask); }
void GL::stencilOp(int fail, int zfail, int zpass) { GL_INIT; media_gl_stencil_op(fail, zfail, zpass); }
void GL::stencilOpSeparate(int face, int fail, int zfail, int zpass) {
    GL_INIT;
    media_gl_stencil_op_separate(face, fail, zfail, zpass);
}
void GL::viewport(int x, int y, int width, int height) { GL_INIT; media_gl_viewport(x, y, width, height); }

// ---- vertex attributes ----

void GL::disableVertexAttribArray(int index) { GL_INIT; media_gl_disable_vertex_attrib_array(index); }
void GL::enableVertexAttribArray(int index) { GL_INIT; media_gl_enable_vertex_attrib_array(index); }
void GL::vertexAttrib1f(int indx, double x) { GL_INIT; media_gl_vertex_attrib1f(indx, x); }
void GL::vertexAttrib2f(int indx, double x, double y) { GL_INIT; media_gl_vertex_attrib2f(indx, x, y); }
void GL::vertexAttrib3f(int indx, double x, double y, double z) { GL_INIT; media_gl_vertex_attrib3f(indx, x, y, z); }
void GL::vertexAttrib4f(int indx, double x, double y, double z, double w) {
    GL_INIT;
    media_gl_vertex_attrib4f(indx, x, y, z, w);
}
void GL::vertexAttrib1fv(int indx, const Value& values) { GL_INIT; media_gl_vertex_attrib1fv(indx, values); }
void GL::vertexAttrib2fv(int indx, const Value& values) { GL_INIT; media_gl_vertex_attrib2fv(indx, values); }
void GL::vertexAttrib3fv(int indx, const Value& values) { GL_INIT; media_gl_vertex_attrib3fv(indx, values); }
void GL::vertexAttrib4fv(int indx, const Value& values) { GL_INIT; media_gl_vertex_attrib4fv(indx, values); }
void GL::vertexAttribPointer(int indx, int size, int type, bool normalized, int stride, int offset) {
    GL_INIT;
    const Value args[] = {Value(indx), Value(size), Value(type), Value(normalized), Value(stride), Value(offset)};
    media_gl_vertex_attrib_pointer.callArgs(args, 6);
}
Value GL::getVertexAttrib(int index, int pname) { GL_INIT; return media_gl_get_vertex_attrib(index, pname); }
int GL::getVertexAttribOffset(int index, int pname) {
    GL_INIT;
    return intResult(media_gl_get_vertex_attrib_offset(index, pname));
}

// ---- buffers ----

Ref<GLBuffer> GL::createBuffer() { return makeHandle<GLBuffer>(media_gl_create_buffer); }
void GL::deleteBuffer(const Ref<GLBuffer>& buffer) {
    GL_INIT;
    media_gl_delete_buffer(idOf(buffer.get()));
    if (buffer) buffer->invalidate();
}
bool GL::isBuffer(const Ref<GLBuffer>& buffer) {
    if (!buffer) return false;
    GL_INIT;
    return boolResult(media_gl_is_buffer(buffer->id));
}
void GL::bindBuffer(int target, const Ref<GLBuffer>& buffer) { GL_INIT; media_gl_bind_buffer(target, idOf(buffer.get())); }
void GL::bufferData(int target, const Value& data, int usage) {
    GL_INIT;
    Range r = rangeOf(data);
    media_gl_buffer_data(target, r.buffer, r.start, r.length, usage);
}
void GL::bufferSubData(int target, int offset, const Value& data) {
    GL_INIT;
    Range r = rangeOf(data);
    media_gl_buffer_sub_data(target, offset, r.buffer, r.start, r.length);
}
Value GL::getBufferParameter(int target, int pname) { GL_INIT; return media_gl_get_buffer_paramerter(target, pname); }

// ---- textures ----

Ref<GLTexture> GL::createTexture() { return makeHandle<GLTexture>(media_gl_create_texture); }
void GL::deleteTexture(const Ref<GLTexture>& texture) {
    GL_INIT;
    media_gl_delete_texture(idOf(texture.get()));
    if (texture) texture->invalidate();
}
bool GL::isTexture(const Ref<GLTexture>& texture) {
    if (!texture) return false;
    GL_INIT;
    return boolResult(media_gl_is_texture(texture->id));
}
void GL::bindTexture(int target, const Ref<GLTexture>& texture) {
    GL_INIT;
    media_gl_bind_texture(target, idOf(texture.get()));
}
void GL::bindBitmapDataTexture(const Ref<BitmapData>& texture) {
    GL_INIT;
    media_gl_bind_bitmap_data_texture(texture ? texture->handle_ : Value());
}

namespace {
void imageCall(const runtime::Primitive& p, std::initializer_list<int> ints, const Value& data) {
    Value args[10];
    int n = 0;
    for (int v : ints) args[n++] = Value(v);
    Range r = rangeOf(data);
    args[n++] = r.buffer;
    args[n++] = r.start;
    p.callArgs(args, n);
}
}  // namespace

void GL::texImage2D(int target, int level, int internalformat, int width, int height, int border, int format,
                    int type, const Ref<ArrayBufferView>& pixels) {
    GL_INIT;
    imageCall(media_gl_tex_image_2d, {target, level, internalformat, width, height, border, format, type},
              Value(pixels));
}
void GL::texSubImage2D(int target, int level, int xoffset, int yoffset, int width, int height, int format, int type,
                       const Ref<ArrayBufferView>& pixels) {
    GL_INIT;
    imageCall(media_gl_tex_sub_image_2d, {target, level, xoffset, yoffset, width, height, format, type},
              Value(pixels));
}
void GL::compressedTexImage2D(int target, int level, int internalformat, int width, int height, int border,
                              const Value& data) {
    GL_INIT;
    imageCall(media_gl_compressed_tex_image_2d, {target, level, internalformat, width, height, border}, data);
}
void GL::compressedTexSubImage2D(int target, int level, int xoffset, int yoffset, int width, int height, int format,
                                 const Value& data) {
    GL_INIT;
    imageCall(media_gl_compressed_tex_sub_image_2d, {target, level, xoffset, yoffset, width, height, format}, data);
}
void GL::copyTexImage2D(int target, int level, int internalformat, int x, int y, int width, int height, int border) {
    GL_INIT;
    const Value args[] = {Value(target), Value(level), Value(internalformat), Value(x),
                          Value(y),      Value(width), Value(height),         Value(border)};
    media_gl_copy_tex_image_2d.callArgs(args, 8);
}
void GL::copyTexSubImage2D(int target, int level, int xoffset, int yoffset, int x, int y, int width, int height) {
    GL_INIT;
    const Value args[] = {Value(target), Value(level), Value(xoffset), Value(yoffset),
                          Value(x),      Value(y),     Value(width),   Value(height)};
    media_gl_copy_tex_sub_image_2d.callArgs(args, 8);
}
void GL::texParameterf(int target, int pname, double param) { GL_INIT; media_gl_tex_parameterf(target, pname, param); }
void GL::texParameteri(int target, int pname, int param) { GL_INIT; media_gl_tex_parameteri(target, pname, param); }
Value GL::getTexParameter(int target, int pname) { GL_INIT; return media_gl_get_tex_parameter(target, pname); }
void GL::generateMipmap(int target) { GL_INIT; media_gl_generate_mipmap(target); }

// ---- framebuffers, renderbuffers and pixels ----

Ref<GLFramebuffer> GL::createFramebuffer() { return makeHandle<GLFramebuffer>(media_gl_create_framebuffer); }
void GL::deleteFramebuffer(const Ref<GLFramebuffer>& framebuffer) {
    GL_INIT;
    media_gl_delete_framebuffer(idOf(framebuffer.get()));
    if (framebuffer) framebuffer->invalidate();
}
bool GL::isFramebuffer(const Ref<GLFramebuffer>& framebuffer) {
    if (!framebuffer) return false;
    GL_INIT;
    return boolResult(media_gl_is_framebuffer(framebuffer->id));
}
void GL::bindFramebuffer(int target, const Ref<GLFramebuffer>& framebuffer) {
    GL_INIT;
    media_gl_bind_framebuffer(target, idOf(framebuffer.get()));
}
int GL::checkFramebufferStatus(int target) { GL_INIT; return intResult(media_gl_check_framebuffer_status(target)); }
void GL::framebufferRenderbuffer(int target, int attachment, int renderbuffertarget,
                                 const Ref<GLRenderbuffer>& renderbuffer) {
    GL_INIT;
    media_gl_framebuffer_renderbuffer(target, attachment, renderbuffertarget, idOf(renderbuffer.get()));
}
void GL::framebufferTexture2D(int target, int attachment, int textarget, const Ref<GLTexture>& texture, int level) {
    GL_INIT;
    media_gl_framebuffer_texture2D(target, attachment, textarget, idOf(texture.get()), level);
}
Value GL::getFramebufferAttachmentParameter(int target, int attachment, int pname) {
    GL_INIT;
    return media_gl_get_framebuffer_attachment_parameter(target, attachment, pname);
}
Ref<GLRenderbuffer> GL::createRenderbuffer() { return makeHandle<GLRenderbuffer>(media_gl_create_render_buffer); }
void GL::deleteRenderbuffer(const Ref<GLRenderbuffer>& renderbuffer) {
    GL_INIT;
    media_gl_delete_render_buffer(idOf(renderbuffer.get()));
    if (renderbuffer) renderbuffer->invalidate();
}
bool GL::isRenderbuffer(const Ref<GLRenderbuffer>& renderbuffer) {
    if (!renderbuffer) return false;
    GL_INIT;
    return boolResult(media_gl_is_renderbuffer(renderbuffer->id));
}
void GL::bindRenderbuffer(int target, const Ref<GLRenderbuffer>& renderbuffer) {
    GL_INIT;
    media_gl_bind_renderbuffer(target, idOf(renderbuffer.get()));
}
void GL::renderbufferStorage(int target, int internalformat, int width, int height) {
    GL_INIT;
    media_gl_renderbuffer_storage(target, internalformat, width, height);
}
Value GL::getRenderbufferParameter(int target, int pname) {
    GL_INIT;
    return media_gl_get_render_buffer_parameter(target, pname);
}
void GL::readPixels(int x, int y, int width, int height, int format, int type, const Ref<ByteArray>& pixels) {
    GL_INIT;
    imageCall(media_gl_read_pixels, {x, y, width, height, format, type}, Value(pixels));
}

// ---- shaders and programs ----

Ref<GLShader> GL::createShader(int type) {
    const Value arg(type);
    return makeHandle<GLShader>(media_gl_create_shader, &arg);
}
void GL::deleteShader(const Ref<GLShader>& shader) {
    GL_INIT;
    media_gl_delete_shader(idOf(shader.get()));
    if (shader) shader->invalidate();
}
bool GL::isShader(const Ref<GLShader>& shader) {
    if (!shader) return false;
    GL_INIT;
    return boolResult(media_gl_is_shader(shader->id));
}
void GL::shaderSource(const Ref<GLShader>& shader, const runtime::String& source) {
    GL_INIT;
    media_gl_shader_source(idOf(shader.get()), source);
}
runtime::String GL::getShaderSource(const Ref<GLShader>& shader) {
    GL_INIT;
    return textResult(media_gl_get_shader_source(idOf(shader.get())));
}
void GL::compileShader(const Ref<GLShader>& shader) { GL_INIT; media_gl_compile_shader(idOf(shader.get())); }
int GL::getShaderParameter(const Ref<GLShader>& shader, int pname) {
    GL_INIT;
    return intResult(media_gl_get_shader_parameter(idOf(shader.get()), pname));
}
runtime::String GL::getShaderInfoLog(const Ref<GLShader>& shader) {
    GL_INIT;
    return textResult(media_gl_get_shader_info_log(idOf(shader.get())));
}
Value GL::getShaderPrecisionFormat(int shadertype, int precisiontype) {
    GL_INIT;
    return media_gl_get_shader_precision_format(shadertype, precisiontype);
}
Ref<GLProgram> GL::createProgram() { return makeHandle<GLProgram>(media_gl_create_program); }
void GL::deleteProgram(const Ref<GLProgram>& program) {
    GL_INIT;
    media_gl_delete_program(idOf(program.get()));
    if (program) program->invalidate();
}
bool GL::isProgram(const Ref<GLProgram>& program) {
    if (!program) return false;
    GL_INIT;
    return boolResult(media_gl_is_program(program->id));
}
void GL::attachShader(const Ref<GLProgram>& program, const Ref<GLShader>& shader) {
    GL_INIT;
    if (program) program->attach(shader);
    media_gl_attach_shader(idOf(program.get()), idOf(shader.get()));
}
void GL::detachShader(const Ref<GLProgram>& program, const Ref<GLShader>& shader) {
    GL_INIT;
    media_gl_detach_shader(idOf(program.get()), idOf(shader.get()));
}
Ref<runtime::Array> GL::getAttachedShaders(const Ref<GLProgram>& program) {
    return program ? program->getShaders() : runtime::make<runtime::Array>();
}
void GL::bindAttribLocation(const Ref<GLProgram>& program, int index, const runtime::String& name) {
    GL_INIT;
    media_gl_bind_attrib_location(idOf(program.get()), index, name);
}
void GL::linkProgram(const Ref<GLProgram>& program) { GL_INIT; media_gl_link_program(idOf(program.get())); }
void GL::validateProgram(const Ref<GLProgram>& program) { GL_INIT; media_gl_validate_program(idOf(program.get())); }
void GL::useProgram(const Ref<GLProgram>& program) { GL_INIT; media_gl_use_program(idOf(program.get())); }
int GL::getProgramParameter(const Ref<GLProgram>& program, int pname) {
    GL_INIT;
    return intResult(media_gl_get_program_parameter(idOf(program.get()), pname));
}
runtime::String GL::getProgramInfoLog(const Ref<GLProgram>& program) {
    GL_INIT;
    return textResult(media_gl_get_program_info_log(idOf(program.get())));
}
Value GL::getActiveAttrib(const Ref<GLProgram>& program, int index) {
    GL_INIT;
    return media_gl_get_active_attrib(idOf(program.get()), index);
}
Value GL::getActiveUniform(const Ref<GLProgram>& program, int index) {
    GL_INIT;
    return media_gl_get_active_uniform(idOf(program.get()), index);
}
int GL::getAttribLocation(const Ref<GLProgram>& program, const runtime::String& name) {
    GL_INIT;
    return intResult(media_gl_get_attrib_location(idOf(program.get()), name));
}
Value GL::getUniformLocation(const Ref<GLProgram>& program, const runtime::String& name) {
    GL_INIT;
    return media_gl_get_uniform_location(idOf(program.get()), name);
}
Value GL::getUniform(const Ref<GLProgram>& program, const Value& location) {
    GL_INIT;
    return media_gl_get_uniform(idOf(program.get()), location);
}

// ---- uniforms ----

void GL::uniform1f(const Value& l, double x) { GL_INIT; media_gl_uniform1f(l, x); }
void GL::uniform2f(const Value& l, double x, double y) { GL_INIT; media_gl_uniform2f(l, x, y); }
void GL::uniform3f(const Value& l, double x, double y, double z) { GL_INIT; media_gl_uniform3f(l, x, y, z); }
void GL::uniform4f(const Value& l, double x, double y, double z, double w) { GL_INIT; media_gl_uniform4f(l, x, y, z, w); }
void GL::uniform1i(const Value& l, int x) { GL_INIT; media_gl_uniform1i(l, x); }
void GL::uniform2i(const Value& l, int x, int y) { GL_INIT; media_gl_uniform2i(l, x, y); }
void GL::uniform3i(const Value& l, int x, int y, int z) { GL_INIT; media_gl_uniform3i(l, x, y, z); }
void GL::uniform4i(const Value& l, int x, int y, int z, int w) { GL_INIT; media_gl_uniform4i(l, x, y, z, w); }
void GL::uniform1fv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform1fv(l, v); }
void GL::uniform2fv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform2fv(l, v); }
void GL::uniform3fv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform3fv(l, v); }
void GL::uniform4fv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform4fv(l, v); }
void GL::uniform1iv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform1iv(l, intArray(v)); }
void GL::uniform2iv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform2iv(l, intArray(v)); }
void GL::uniform3iv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform3iv(l, intArray(v)); }
void GL::uniform4iv(const Value& l, const Value& v) { GL_INIT; media_gl_uniform4iv(l, v); }

namespace {
Value wholeBuffer(const Ref<Float32Array>& v) { return v ? Value(v->getByteBuffer()) : Value(); }
}  // namespace

void GL::uniformMatrix2fv(const Value& l, bool transpose, const Ref<Float32Array>& v) {
    GL_INIT;
    media_gl_uniform_matrix(l, transpose, wholeBuffer(v), 2);
}
void GL::uniformMatrix3fv(const Value& l, bool transpose, const Ref<Float32Array>& v) {
    GL_INIT;
    media_gl_uniform_matrix(l, transpose, wholeBuffer(v), 3);
}
void GL::uniformMatrix4fv(const Value& l, bool transpose, const Ref<Float32Array>& v) {
    GL_INIT;
    media_gl_uniform_matrix(l, transpose, wholeBuffer(v), 4);
}
void GL::uniformMatrix3D(const Value& l, bool transpose, const Ref<Matrix3D>& matrix) {
    GL_INIT;
    media_gl_uniform_matrix(l, transpose, wholeBuffer(matrix ? Float32Array::fromMatrix(matrix) : nullptr), 4);
}

// ---- context queries ----

Value GL::getParameter(int pname) { GL_INIT; return media_gl_get_parameter(pname); }
int GL::getError() { GL_INIT; return intResult(media_gl_get_error()); }
bool GL::isEnabled(int cap) { GL_INIT; return boolResult(media_gl_is_enabled(cap)); }
Value GL::getContextAttributes() {
    GL_INIT;
    Value attributes = media_gl_get_context_attributes();
    if (attributes.isObject()) {
        attributes.setField("premultipliedAlpha", Value(false));
        attributes.setField("preserveDrawingBuffer", Value(false));
    }
    return attributes;
}
Ref<runtime::Array> GL::getSupportedExtensions() {
    GL_INIT;
    auto names = runtime::make<runtime::Array>();
    media_gl_get_supported_extensions(Value(names));
    return names;
}
Value GL::getExtension(const runtime::String&) { return Value(); }

#undef GL_INIT

}  // namespace framework

using framework::GL;

// Constants read by name (read-only).
#define GL_CONSTANT(NAME)                                                      \
    {                                                                          \
        runtime::Member m;                                                     \
        m.name = #NAME;                                                        \
        m.get = [](runtime::Object*) -> runtime::Value { return GL::NAME; };   \
        b.info().addStatic(std::move(m));                                      \
    }
#define GL_PROPERTY(NAME)                                                              \
    {                                                                                  \
        runtime::Member m;                                                             \
        m.name = #NAME;                                                                \
        m.kind = runtime::Member::Kind::Property;                                      \
        m.get = [](runtime::Object*) -> runtime::Value { return GL::get_##NAME(); };   \
        b.info().addStatic(std::move(m));                                              \
    }

namespace {
void addConstants(runtime::ClassBuilder<GL>& b) {
    GL_CONSTANT(DEPTH_BUFFER_BIT)
    GL_CONSTANT(STENCIL_BUFFER_BIT)
    GL_CONSTANT(COLOR_BUFFER_BIT)
    GL_CONSTANT(POINTS)
    GL_CONSTANT(LINES)
    GL_CONSTANT(LINE_LOOP)
    GL_CONSTANT(LINE_STRIP)
    GL_CONSTANT(TRIANGLES)
    GL_CONSTANT(TRIANGLE_STRIP)
    GL_CONSTANT(TRIANGLE_FAN)
    GL_CONSTANT(ZERO)
    GL_CONSTANT(ONE)
    GL_CONSTANT(SRC_COLOR)
    GL_CONSTANT(ONE_MINUS_SRC_COLOR)
    GL_CONSTANT(SRC_ALPHA)
    GL_CONSTANT(ONE_MINUS_SRC_ALPHA)
    GL_CONSTANT(DST_ALPHA)
    GL_CONSTANT(ONE_MINUS_DST_ALPHA)
    GL_CONSTANT(DST_COLOR)
    GL_CONSTANT(ONE_MINUS_DST_COLOR)
    GL_CONSTANT(SRC_ALPHA_SATURATE)
    GL_CONSTANT(FUNC_ADD)
    GL_CONSTANT(BLEND_EQUATION)
    GL_CONSTANT(BLEND_EQUATION_RGB)
    GL_CONSTANT(BLEND_EQUATION_ALPHA)
    GL_CONSTANT(FUNC_SUBTRACT)
    GL_CONSTANT(FUNC_REVERSE_SUBTRACT)
    GL_CONSTANT(BLEND_DST_RGB)
    GL_CONSTANT(BLEND_SRC_RGB)
    GL_CONSTANT(BLEND_DST_ALPHA)
    GL_CONSTANT(BLEND_SRC_ALPHA)
    GL_CONSTANT(CONSTANT_COLOR)
    GL_CONSTANT(ONE_MINUS_CONSTANT_COLOR)
    GL_CONSTANT(CONSTANT_ALPHA)
    GL_CONSTANT(ONE_MINUS_CONSTANT_ALPHA)
    GL_CONSTANT(BLEND_COLOR)
    GL_CONSTANT(ARRAY_BUFFER)
    GL_CONSTANT(ELEMENT_ARRAY_BUFFER)
    GL_CONSTANT(ARRAY_BUFFER_BINDING)
    GL_CONSTANT(ELEMENT_ARRAY_BUFFER_BINDING)
    GL_CONSTANT(STREAM_DRAW)
    GL_CONSTANT(STATIC_DRAW)
    GL_CONSTANT(DYNAMIC_DRAW)
    GL_CONSTANT(BUFFER_SIZE)
    GL_CONSTANT(BUFFER_USAGE)
    GL_CONSTANT(CURRENT_VERTEX_ATTRIB)
    GL_CONSTANT(FRONT)
    GL_CONSTANT(BACK)
    GL_CONSTANT(FRONT_AND_BACK)
    GL_CONSTANT(CULL_FACE)
    GL_CONSTANT(BLEND)
    GL_CONSTANT(DITHER)
    GL_CONSTANT(STENCIL_TEST)
    GL_CONSTANT(DEPTH_TEST)
    GL_CONSTANT(SCISSOR_TEST)
    GL_CONSTANT(POLYGON_OFFSET_FILL)
    GL_CONSTANT(SAMPLE_ALPHA_TO_COVERAGE)
    GL_CONSTANT(SAMPLE_COVERAGE)
    GL_CONSTANT(NO_ERROR)
    GL_CONSTANT(INVALID_ENUM)
    GL_CONSTANT(INVALID_VALUE)
    GL_CONSTANT(INVALID_OPERATION)
    GL_CONSTANT(OUT_OF_MEMORY)
    GL_CONSTANT(CW)
    GL_CONSTANT(CCW)
    GL_CONSTANT(LINE_WIDTH)
    GL_CONSTANT(ALIASED_POINT_SIZE_RANGE)
    GL_CONSTANT(ALIASED_LINE_WIDTH_RANGE)
    GL_CONSTANT(CULL_FACE_MODE)
    GL_CONSTANT(FRONT_FACE)
    GL_CONSTANT(DEPTH_RANGE)
    GL_CONSTANT(DEPTH_WRITEMASK)
    GL_CONSTANT(DEPTH_CLEAR_VALUE)
    GL_CONSTANT(DEPTH_FUNC)
    GL_CONSTANT(STENCIL_CLEAR_VALUE)
    GL_CONSTANT(STENCIL_FUNC)
    GL_CONSTANT(STENCIL_FAIL)
    GL_CONSTANT(STENCIL_PASS_DEPTH_FAIL)
    GL_CONSTANT(STENCIL_PASS_DEPTH_PASS)
    GL_CONSTANT(STENCIL_REF)
    GL_CONSTANT(STENCIL_VALUE_MASK)
    GL_CONSTANT(STENCIL_WRITEMASK)
    GL_CONSTANT(STENCIL_BACK_FUNC)
    GL_CONSTANT(STENCIL_BACK_FAIL)
    GL_CONSTANT(STENCIL_BACK_PASS_DEPTH_FAIL)
    GL_CONSTANT(STENCIL_BACK_PASS_DEPTH_PASS)
    GL_CONSTANT(STENCIL_BACK_REF)
    GL_CONSTANT(STENCIL_BACK_VALUE_MASK)
    GL_CONSTANT(STENCIL_BACK_WRITEMASK)
    GL_CONSTANT(VIEWPORT)
    GL_CONSTANT(SCISSOR_BOX)
    GL_CONSTANT(COLOR_CLEAR_VALUE)
    GL_CONSTANT(COLOR_WRITEMASK)
    GL_CONSTANT(UNPACK_ALIGNMENT)
    GL_CONSTANT(PACK_ALIGNMENT)
    GL_CONSTANT(MAX_TEXTURE_SIZE)
    GL_CONSTANT(MAX_VIEWPORT_DIMS)
    GL_CONSTANT(SUBPIXEL_BITS)
    GL_CONSTANT(RED_BITS)
    GL_CONSTANT(GREEN_BITS)
    GL_CONSTANT(BLUE_BITS)
    GL_CONSTANT(ALPHA_BITS)
    GL_CONSTANT(DEPTH_BITS)
    GL_CONSTANT(STENCIL_BITS)
    GL_CONSTANT(POLYGON_OFFSET_UNITS)
    GL_CONSTANT(POLYGON_OFFSET_FACTOR)
    GL_CONSTANT(TEXTURE_BINDING_2D)
    GL_CONSTANT(SAMPLE_BUFFERS)
    GL_CONSTANT(SAMPLES)
    GL_CONSTANT(SAMPLE_COVERAGE_VALUE)
    GL_CONSTANT(SAMPLE_COVERAGE_INVERT)
    GL_CONSTANT(COMPRESSED_TEXTURE_FORMATS)
    GL_CONSTANT(DONT_CARE)
    GL_CONSTANT(FASTEST)
    GL_CONSTANT(NICEST)
    GL_CONSTANT(GENERATE_MIPMAP_HINT)
    GL_CONSTANT(BYTE)
    GL_CONSTANT(UNSIGNED_BYTE)
    GL_CONSTANT(SHORT)
    GL_CONSTANT(UNSIGNED_SHORT)
    GL_CONSTANT(INT)
    GL_CONSTANT(UNSIGNED_INT)
    GL_CONSTANT(FLOAT)
    GL_CONSTANT(DEPTH_COMPONENT)
    GL_CONSTANT(ALPHA)
    GL_CONSTANT(RGB)
    GL_CONSTANT(RGBA)
    GL_CONSTANT(LUMINANCE)
    GL_CONSTANT(LUMINANCE_ALPHA)
    GL_CONSTANT(UNSIGNED_SHORT_4_4_4_4)
    GL_CONSTANT(UNSIGNED_SHORT_5_5_5_1)
    GL_CONSTANT(UNSIGNED_SHORT_5_6_5)
    GL_CONSTANT(FRAGMENT_SHADER)
    GL_CONSTANT(VERTEX_SHADER)
    GL_CONSTANT(MAX_VERTEX_ATTRIBS)
    GL_CONSTANT(MAX_VERTEX_UNIFORM_VECTORS)
    GL_CONSTANT(MAX_VARYING_VECTORS)
    GL_CONSTANT(MAX_COMBINED_TEXTURE_IMAGE_UNITS)
    GL_CONSTANT(MAX_VERTEX_TEXTURE_IMAGE_UNITS)
    GL_CONSTANT(MAX_TEXTURE_IMAGE_UNITS)
    GL_CONSTANT(MAX_FRAGMENT_UNIFORM_VECTORS)
    GL_CONSTANT(SHADER_TYPE)
    GL_CONSTANT(DELETE_STATUS)
    GL_CONSTANT(LINK_STATUS)
    GL_CONSTANT(VALIDATE_STATUS)
    GL_CONSTANT(ATTACHED_SHADERS)
    GL_CONSTANT(ACTIVE_UNIFORMS)
    GL_CONSTANT(ACTIVE_ATTRIBUTES)
    GL_CONSTANT(SHADING_LANGUAGE_VERSION)
    GL_CONSTANT(CURRENT_PROGRAM)
    GL_CONSTANT(NEVER)
    GL_CONSTANT(LESS)
    GL_CONSTANT(EQUAL)
    GL_CONSTANT(LEQUAL)
    GL_CONSTANT(GREATER)
    GL_CONSTANT(NOTEQUAL)
    GL_CONSTANT(GEQUAL)
    GL_CONSTANT(ALWAYS)
    GL_CONSTANT(KEEP)
    GL_CONSTANT(REPLACE)
    GL_CONSTANT(INCR)
    GL_CONSTANT(DECR)
    GL_CONSTANT(INVERT)
    GL_CONSTANT(INCR_WRAP)
    GL_CONSTANT(DECR_WRAP)
    GL_CONSTANT(VENDOR)
    GL_CONSTANT(RENDERER)
    GL_CONSTANT(VERSION)
    GL_CONSTANT(NEAREST)
    GL_CONSTANT(LINEAR)
    GL_CONSTANT(NEAREST_MIPMAP_NEAREST)
    GL_CONSTANT(LINEAR_MIPMAP_NEAREST)
    GL_CONSTANT(NEAREST_MIPMAP_LINEAR)
    GL_CONSTANT(LINEAR_MIPMAP_LINEAR)
    GL_CONSTANT(TEXTURE_MAG_FILTER)
    GL_CONSTANT(TEXTURE_MIN_FILTER)
    GL_CONSTANT(TEXTURE_WRAP_S)
    GL_CONSTANT(TEXTURE_WRAP_T)
    GL_CONSTANT(TEXTURE_2D)
    GL_CONSTANT(TEXTURE)
    GL_CONSTANT(TEXTURE_CUBE_MAP)
    GL_CONSTANT(TEXTURE_BINDING_CUBE_MAP)
    GL_CONSTANT(TEXTURE_CUBE_MAP_POSITIVE_X)
    GL_CONSTANT(TEXTURE_CUBE_MAP_NEGATIVE_X)
    GL_CONSTANT(TEXTURE_CUBE_MAP_POSITIVE_Y)
    GL_CONSTANT(TEXTURE_CUBE_MAP_NEGATIVE_Y)
    GL_CONSTANT(TEXTURE_CUBE_MAP_POSITIVE_Z)
    GL_CONSTANT(TEXTURE_CUBE_MAP_NEGATIVE_Z)
    GL_CONSTANT(MAX_CUBE_MAP_TEXTURE_SIZE)
    GL_CONSTANT(TEXTURE0)
    GL_CONSTANT(TEXTURE1)
    GL_CONSTANT(TEXTURE2)
    GL_CONSTANT(TEXTURE3)
    GL_CONSTANT(TEXTURE4)
    GL_CONSTANT(TEXTURE5)
    GL_CONSTANT(TEXTURE6)
    GL_CONSTANT(TEXTURE7)
    GL_CONSTANT(TEXTURE8)
    GL_CONSTANT(TEXTURE9)
    GL_CONSTANT(TEXTURE10)
    GL_CONSTANT(TEXTURE11)
    GL_CONSTANT(TEXTURE12)
    GL_CONSTANT(TEXTURE13)
    GL_CONSTANT(TEXTURE14)
    GL_CONSTANT(TEXTURE15)
    GL_CONSTANT(TEXTURE16)
    GL_CONSTANT(TEXTURE17)
    GL_CONSTANT(TEXTURE18)
    GL_CONSTANT(TEXTURE19)
    GL_CONSTANT(TEXTURE20)
    GL_CONSTANT(TEXTURE21)
    GL_CONSTANT(TEXTURE22)
    GL_CONSTANT(TEXTURE23)
    GL_CONSTANT(TEXTURE24)
    GL_CONSTANT(TEXTURE25)
    GL_CONSTANT(TEXTURE26)
    GL_CONSTANT(TEXTURE27)
    GL_CONSTANT(TEXTURE28)
    GL_CONSTANT(TEXTURE29)
    GL_CONSTANT(TEXTURE30)
    GL_CONSTANT(TEXTURE31)
    GL_CONSTANT(ACTIVE_TEXTURE)
    GL_CONSTANT(REPEAT)
    GL_CONSTANT(CLAMP_TO_EDGE)
    GL_CONSTANT(MIRRORED_REPEAT)
    GL_CONSTANT(FLOAT_VEC2)
    GL_CONSTANT(FLOAT_VEC3)
    GL_CONSTANT(FLOAT_VEC4)
    GL_CONSTANT(INT_VEC2)
    GL_CONSTANT(INT_VEC3)
    GL_CONSTANT(INT_VEC4)
    GL_CONSTANT(BOOL)
    GL_CONSTANT(BOOL_VEC2)
    GL_CONSTANT(BOOL_VEC3)
    GL_CONSTANT(BOOL_VEC4)
    GL_CONSTANT(FLOAT_MAT2)
    GL_CONSTANT(FLOAT_MAT3)
    GL_CONSTANT(FLOAT_MAT4)
    GL_CONSTANT(SAMPLER_2D)
    GL_CONSTANT(SAMPLER_CUBE)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_ENABLED)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_SIZE)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_STRIDE)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_TYPE)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_NORMALIZED)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_POINTER)
    GL_CONSTANT(VERTEX_ATTRIB_ARRAY_BUFFER_BINDING)
    GL_CONSTANT(VERTEX_PROGRAM_POINT_SIZE)
    GL_CONSTANT(POINT_SPRITE)
    GL_CONSTANT(COMPILE_STATUS)
    GL_CONSTANT(LOW_FLOAT)
    GL_CONSTANT(MEDIUM_FLOAT)
    GL_CONSTANT(HIGH_FLOAT)
    GL_CONSTANT(LOW_INT)
    GL_CONSTANT(MEDIUM_INT)
    GL_CONSTANT(HIGH_INT)
    GL_CONSTANT(FRAMEBUFFER)
    GL_CONSTANT(RENDERBUFFER)
    GL_CONSTANT(RGBA4)
    GL_CONSTANT(RGB5_A1)
    GL_CONSTANT(RGB565)
    GL_CONSTANT(DEPTH_COMPONENT16)
    GL_CONSTANT(STENCIL_INDEX)
    GL_CONSTANT(STENCIL_INDEX8)
    GL_CONSTANT(DEPTH_STENCIL)
    GL_CONSTANT(RENDERBUFFER_WIDTH)
    GL_CONSTANT(RENDERBUFFER_HEIGHT)
    GL_CONSTANT(RENDERBUFFER_INTERNAL_FORMAT)
    GL_CONSTANT(RENDERBUFFER_RED_SIZE)
    GL_CONSTANT(RENDERBUFFER_GREEN_SIZE)
    GL_CONSTANT(RENDERBUFFER_BLUE_SIZE)
    GL_CONSTANT(RENDERBUFFER_ALPHA_SIZE)
    GL_CONSTANT(RENDERBUFFER_DEPTH_SIZE)
    GL_CONSTANT(RENDERBUFFER_STENCIL_SIZE)
    GL_CONSTANT(FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE)
    GL_CONSTANT(FRAMEBUFFER_ATTACHMENT_OBJECT_NAME)
    GL_CONSTANT(FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL)
    GL_CONSTANT(FRAMEBUFFER_ATTACHMENT_TEXTURE_CUBE_MAP_FACE)
    GL_CONSTANT(COLOR_ATTACHMENT0)
    GL_CONSTANT(DEPTH_ATTACHMENT)
    GL_CONSTANT(STENCIL_ATTACHMENT)
    GL_CONSTANT(DEPTH_STENCIL_ATTACHMENT)
    GL_CONSTANT(NONE)
    GL_CONSTANT(FRAMEBUFFER_COMPLETE)
    GL_CONSTANT(FRAMEBUFFER_INCOMPLETE_ATTACHMENT)
    GL_CONSTANT(FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT)
    GL_CONSTANT(FRAMEBUFFER_INCOMPLETE_DIMENSIONS)
    GL_CONSTANT(FRAMEBUFFER_UNSUPPORTED)
    GL_CONSTANT(FRAMEBUFFER_BINDING)
    GL_CONSTANT(RENDERBUFFER_BINDING)
    GL_CONSTANT(MAX_RENDERBUFFER_SIZE)
    GL_CONSTANT(INVALID_FRAMEBUFFER_OPERATION)
    GL_CONSTANT(UNPACK_FLIP_Y_WEBGL)
    GL_CONSTANT(UNPACK_PREMULTIPLY_ALPHA_WEBGL)
    GL_CONSTANT(CONTEXT_LOST_WEBGL)
    GL_CONSTANT(UNPACK_COLORSPACE_CONVERSION_WEBGL)
    GL_CONSTANT(BROWSER_DEFAULT_WEBGL)
}

void addOperations(runtime::ClassBuilder<GL>& b) {
    using G = GL;
    b        .template staticMethod<&G::load>("load")
        .template staticMethod<&G::activeTexture>("activeTexture")
        .template staticMethod<&G::blendColor>("blendColor")
        .template staticMethod<&G::blendEquation>("blendEquation")
        .template staticMethod<&G::blendEquationSeparate>("blendEquationSeparate")
        .template staticMethod<&G::blendFunc>("blendFunc")
        .template staticMethod<&G::blendFuncSeparate>("blendFuncSeparate")
        .template staticMethod<&G::clear>("clear")
        .template staticMethod<&G::clearColor>("clearColor")
        .template staticMethod<&G::clearDepth>("clearDepth")
        .template staticMethod<&G::clearStencil>("clearStencil")
        .template staticMethod<&G::colorMask>("colorMask")
        .template staticMethod<&G::cullFace>("cullFace")
        .template staticMethod<&G::depthFunc>("depthFunc")
        .template staticMethod<&G::depthMask>("depthMask")
        .template staticMethod<&G::depthRange>("depthRange")
        .template staticMethod<&G::disable>("disable")
        .template staticMethod<&G::drawArrays>("drawArrays")
        .template staticMethod<&G::drawElements>("drawElements")
        .template staticMethod<&G::enable>("enable")
        .template staticMethod<&G::finish>("finish")
        .template staticMethod<&G::flush>("flush")
        .template staticMethod<&G::frontFace>("frontFace")
        .template staticMethod<&G::hint>("hint")
        .template staticMethod<&G::lineWidth>("lineWidth")
        .template staticMethod<&G::pixelStorei>("pixelStorei")
        .template staticMethod<&G::polygonOffset>("polygonOffset")
        .template staticMethod<&G::sampleCoverage>("sampleCoverage")
        .template staticMethod<&G::scissor>("scissor")
        .template staticMethod<&G::stencilFunc>("stencilFunc")
        .template staticMethod<&G::stencilFuncSeparate>("stencilFuncSeparate")
        .template staticMethod<&G::stencilMask>("stencilMask")
        .template staticMethod<&G::stencilMaskSeparate>("stencilMaskSeparate")
        .template staticMethod<&G::stencilOp>("stencilOp")
        .template staticMethod<&G::stencilOpSeparate>("stencilOpSeparate")
        .template staticMethod<&G::viewport>("viewport")
        .template staticMethod<&G::disableVertexAttribArray>("disableVertexAttribArray")
        .template staticMethod<&G::enableVertexAttribArray>("enableVertexAttribArray")
        .template staticMethod<&G::vertexAttrib1f>("vertexAttrib1f")
        .template staticMethod<&G::vertexAttrib2f>("vertexAttrib2f")
        .template staticMethod<&G::vertexAttrib3f>("vertexAttrib3f")
        .template staticMethod<&G::vertexAttrib4f>("vertexAttrib4f")
        .template staticMethod<&G::vertexAttrib1fv>("vertexAttrib1fv")
        .template staticMethod<&G::vertexAttrib2fv>("vertexAttrib2fv")
        .template staticMethod<&G::vertexAttrib3fv>("vertexAttrib3fv")
        .template staticMethod<&G::vertexAttrib4fv>("vertexAttrib4fv")
        .template staticMethod<&G::vertexAttribPointer>("vertexAttribPointer")
        .template staticMethod<&G::getVertexAttrib>("getVertexAttrib")
        .template staticMethod<&G::getVertexAttribOffset>("getVertexAttribOffset")
        .template staticMethod<&G::createBuffer>("createBuffer")
        .template staticMethod<&G::deleteBuffer>("deleteBuffer")
        .template staticMethod<&G::isBuffer>("isBuffer")
        .template staticMethod<&G::bindBuffer>("bindBuffer")
        .template staticMethod<&G::bufferData>("bufferData")
        .template staticMethod<&G::bufferSubData>("bufferSubData")
        .template staticMethod<&G::getBufferParameter>("getBufferParameter")
        .template staticMethod<&G::createTexture>("createTexture")
        .template staticMethod<&G::deleteTexture>("deleteTexture")
        .template staticMethod<&G::isTexture>("isTexture")
        .template staticMethod<&G::bindTexture>("bindTexture")
        .template staticMethod<&G::bindBitmapDataTexture>("bindBitmapDataTexture")
        .template staticMethod<&G::texImage2D>("texImage2D")
        .template staticMethod<&G::texSubImage2D>("texSubImage2D")
        .template staticMethod<&G::compressedTexImage2D>("compressedTexImage2D")
        .template staticMethod<&G::compressedTexSubImage2D>("compressedTexSubImage2D")
        .template staticMethod<&G::copyTexImage2D>("copyTexImage2D")
        .template staticMethod<&G::copyTexSubImage2D>("copyTexSubImage2D")
        .template staticMethod<&G::texParameterf>("texParameterf")
        .template staticMethod<&G::texParameteri>("texParameteri")
        .template staticMethod<&G::getTexParameter>("getTexParameter")
        .template staticMethod<&G::generateMipmap>("generateMipmap")
        .template staticMethod<&G::createFramebuffer>("createFramebuffer")
        .template staticMethod<&G::deleteFramebuffer>("deleteFramebuffer")
        .template staticMethod<&G::isFramebuffer>("isFramebuffer")
        .template staticMethod<&G::bindFramebuffer>("bindFramebuffer")
        .template staticMethod<&G::checkFramebufferStatus>("checkFramebufferStatus")
        .template staticMethod<&G::framebufferRenderbuffer>("framebufferRenderbuffer")
        .template staticMethod<&G::framebufferTexture2D>("framebufferTexture2D")
        .template staticMethod<&G::getFramebufferAttachmentParameter>("getFramebufferAttachmentParameter")
        .template staticMethod<&G::createRenderbuffer>("createRenderbuffer")
        .template staticMethod<&G::deleteRenderbuffer>("deleteRenderbuffer")
        .template staticMethod<&G::isRenderbuffer>("isRenderbuffer")
        .template staticMethod<&G::bindRenderbuffer>("bindRenderbuffer")
        .template staticMethod<&G::renderbufferStorage>("renderbufferStorage")
        .template staticMethod<&G::getRenderbufferParameter>("getRenderbufferParameter")
        .template staticMethod<&G::readPixels>("readPixels")
        .template staticMethod<&G::createShader>("createShader")
        .template staticMethod<&G::deleteShader>("deleteShader")
        .template staticMethod<&G::isShader>("isShader")
        .template staticMethod<&G::shaderSource>("shaderSource")
        .template staticMethod<&G::getShaderSource>("getShaderSource")
        .template staticMethod<&G::compileShader>("compileShader")
        .template staticMethod<&G::getShaderParameter>("getShaderParameter")
        .template staticMethod<&G::getShaderInfoLog>("getShaderInfoLog")
        .template staticMethod<&G::getShaderPrecisionFormat>("getShaderPrecisionFormat")
        .template staticMethod<&G::createProgram>("createProgram")
        .template staticMethod<&G::deleteProgram>("deleteProgram")
        .template staticMethod<&G::isProgram>("isProgram")
        .template staticMethod<&G::attachShader>("attachShader")
        .template staticMethod<&G::detachShader>("detachShader")
        .template staticMethod<&G::getAttachedShaders>("getAttachedShaders")
        .template staticMethod<&G::bindAttribLocation>("bindAttribLocation")
        .template staticMethod<&G::linkProgram>("linkProgram")
        .template staticMethod<&G::validateProgram>("validateProgram")
        .template staticMethod<&G::useProgram>("useProgram")
        .template staticMethod<&G::getProgramParameter>("getProgramParameter")
        .template staticMethod<&G::getProgramInfoLog>("getProgramInfoLog")
        .template staticMethod<&G::getActiveAttrib>("getActiveAttrib")
        .template staticMethod<&G::getActiveUniform>("getActiveUniform")
        .template staticMethod<&G::getAttribLocation>("getAttribLocation")
        .template staticMethod<&G::getUniformLocation>("getUniformLocation")
        .template staticMethod<&G::getUniform>("getUniform")
        .template staticMethod<&G::uniform1f>("uniform1f")
        .template staticMethod<&G::uniform2f>("uniform2f")
        .template staticMethod<&G::uniform3f>("uniform3f")
        .template staticMethod<&G::uniform4f>("uniform4f")
        .template staticMethod<&G::uniform1i>("uniform1i")
        .template staticMethod<&G::uniform2i>("uniform2i")
        .template staticMethod<&G::uniform3i>("uniform3i")
        .template staticMethod<&G::uniform4i>("uniform4i")
        .template staticMethod<&G::uniform1fv>("uniform1fv")
        .template staticMethod<&G::uniform2fv>("uniform2fv")
        .template staticMethod<&G::uniform3fv>("uniform3fv")
        .template staticMethod<&G::uniform4fv>("uniform4fv")
        .template staticMethod<&G::uniform1iv>("uniform1iv")
        .template staticMethod<&G::uniform2iv>("uniform2iv")
        .template staticMethod<&G::uniform3iv>("uniform3iv")
        .template staticMethod<&G::uniform4iv>("uniform4iv")
        .template staticMethod<&G::uniformMatrix2fv>("uniformMatrix2fv")
        .template staticMethod<&G::uniformMatrix3fv>("uniformMatrix3fv")
        .template staticMethod<&G::uniformMatrix4fv>("uniformMatrix4fv")
        .template staticMethod<&G::uniformMatrix3D>("uniformMatrix3D")
        .template staticMethod<&G::getParameter>("getParameter")
        .template staticMethod<&G::getError>("getError")
        .template staticMethod<&G::isEnabled>("isEnabled")
        .template staticMethod<&G::getContextAttributes>("getContextAttributes")
        .template staticMethod<&G::getSupportedExtensions>("getSupportedExtensions")
        .template staticMethod<&G::getExtension>("getExtension")
        .template staticMethod<&G::get_version>("get_version")
        .template staticMethod<&G::get_drawingBufferWidth>("get_drawingBufferWidth")
        .template staticMethod<&G::get_drawingBufferHeight>("get_drawingBufferHeight")
        .template staticField<&G::defaultFramebuffer>("defaultFramebuffer");
    GL_PROPERTY(version)
    GL_PROPERTY(drawingBufferWidth)
    GL_PROPERTY(drawingBufferHeight)
}

void addSlots(runtime::ClassBuilder<GL>& b) {
    using G = GL;
    b        .template staticField<&G::media_gl_active_texture>("media_gl_active_texture")
        .template staticField<&G::media_gl_attach_shader>("media_gl_attach_shader")
        .template staticField<&G::media_gl_bind_attrib_location>("media_gl_bind_attrib_location")
        .template staticField<&G::media_gl_bind_bitmap_data_texture>("media_gl_bind_bitmap_data_texture")
        .template staticField<&G::media_gl_bind_buffer>("media_gl_bind_buffer")
        .template staticField<&G::media_gl_bind_framebuffer>("media_gl_bind_framebuffer")
        .template staticField<&G::media_gl_bind_renderbuffer>("media_gl_bind_renderbuffer")
        .template staticField<&G::media_gl_bind_texture>("media_gl_bind_texture")
        .template staticField<&G::media_gl_blend_color>("media_gl_blend_color")
        .template staticField<&G::media_gl_blend_equation>("media_gl_blend_equation")
        .template staticField<&G::media_gl_blend_equation_separate>("media_gl_blend_equation_separate")
        .template staticField<&G::media_gl_blend_func>("media_gl_blend_func")
        .template staticField<&G::media_gl_blend_func_separate>("media_gl_blend_func_separate")
        .template staticField<&G::media_gl_buffer_data>("media_gl_buffer_data")
        .template staticField<&G::media_gl_buffer_sub_data>("media_gl_buffer_sub_data")
        .template staticField<&G::media_gl_check_framebuffer_status>("media_gl_check_framebuffer_status")
        .template staticField<&G::media_gl_clear>("media_gl_clear")
        .template staticField<&G::media_gl_clear_color>("media_gl_clear_color")
        .template staticField<&G::media_gl_clear_depth>("media_gl_clear_depth")
        .template staticField<&G::media_gl_clear_stencil>("media_gl_clear_stencil")
        .template staticField<&G::media_gl_color_mask>("media_gl_color_mask")
        .template staticField<&G::media_gl_compile_shader>("media_gl_compile_shader")
        .template staticField<&G::media_gl_compressed_tex_image_2d>("media_gl_compressed_tex_image_2d")
        .template staticField<&G::media_gl_compressed_tex_sub_image_2d>("media_gl_compressed_tex_sub_image_2d")
        .template staticField<&G::media_gl_copy_tex_image_2d>("media_gl_copy_tex_image_2d")
        .template staticField<&G::media_gl_copy_tex_sub_image_2d>("media_gl_copy_tex_sub_image_2d")
        .template staticField<&G::media_gl_create_buffer>("media_gl_create_buffer")
        .template staticField<&G::media_gl_create_framebuffer>("media_gl_create_framebuffer")
        .template staticField<&G::media_gl_create_program>("media_gl_create_program")
        .template staticField<&G::media_gl_create_render_buffer>("media_gl_create_render_buffer")
        .template staticField<&G::media_gl_create_shader>("media_gl_create_shader")
        .template staticField<&G::media_gl_create_texture>("media_gl_create_texture")
        .template staticField<&G::media_gl_cull_face>("media_gl_cull_face")
        .template staticField<&G::media_gl_delete_buffer>("media_gl_delete_buffer")
        .template staticField<&G::media_gl_delete_framebuffer>("media_gl_delete_framebuffer")
        .template staticField<&G::media_gl_delete_program>("media_gl_delete_program")
        .template staticField<&G::media_gl_delete_render_buffer>("media_gl_delete_render_buffer")
        .template staticField<&G::media_gl_delete_shader>("media_gl_delete_shader")
        .template staticField<&G::media_gl_delete_texture>("media_gl_delete_texture")
        .template staticField<&G::media_gl_depth_func>("media_gl_depth_func")
        .template staticField<&G::media_gl_depth_mask>("media_gl_depth_mask")
        .template staticField<&G::media_gl_depth_range>("media_gl_depth_range")
        .template staticField<&G::media_gl_detach_shader>("media_gl_detach_shader")
        .template staticField<&G::media_gl_disable>("media_gl_disable")
        .template staticField<&G::media_gl_disable_vertex_attrib_array>("media_gl_disable_vertex_attrib_array")
        .template staticField<&G::media_gl_draw_arrays>("media_gl_draw_arrays")
        .template staticField<&G::media_gl_draw_elements>("media_gl_draw_elements")
        .template staticField<&G::media_gl_enable>("media_gl_enable")
        .template staticField<&G::media_gl_enable_vertex_attrib_array>("media_gl_enable_vertex_attrib_array")
        .template staticField<&G::media_gl_finish>("media_gl_finish")
        .template staticField<&G::media_gl_flush>("media_gl_flush")
        .template staticField<&G::media_gl_framebuffer_renderbuffer>("media_gl_framebuffer_renderbuffer")
        .template staticField<&G::media_gl_framebuffer_texture2D>("media_gl_framebuffer_texture2D")
        .template staticField<&G::media_gl_front_face>("media_gl_front_face")
        .template staticField<&G::media_gl_generate_mipmap>("media_gl_generate_mipmap")
        .template staticField<&G::media_gl_get_active_attrib>("media_gl_get_active_attrib")
        .template staticField<&G::media_gl_get_active_uniform>("media_gl_get_active_uniform")
        .template staticField<&G::media_gl_get_attrib_location>("media_gl_get_attrib_location")
        .template staticField<&G::media_gl_get_buffer_paramerter>("media_gl_get_buffer_paramerter")
        .template staticField<&G::media_gl_get_context_attributes>("media_gl_get_context_attributes")
        .template staticField<&G::media_gl_get_error>("media_gl_get_error")
        .template staticField<&G::media_gl_get_framebuffer_attachment_parameter>("media_gl_get_framebuffer_attachment_parameter")
        .template staticField<&G::media_gl_get_parameter>("media_gl_get_parameter")
        .template staticField<&G::media_gl_get_program_info_log>("media_gl_get_program_info_log")
        .template staticField<&G::media_gl_get_program_parameter>("media_gl_get_program_parameter")
        .template staticField<&G::media_gl_get_render_buffer_parameter>("media_gl_get_render_buffer_parameter")
        .template staticField<&G::media_gl_get_shader_info_log>("media_gl_get_shader_info_log")
        .template staticField<&G::media_gl_get_shader_parameter>("media_gl_get_shader_parameter")
        .template staticField<&G::media_gl_get_shader_precision_format>("media_gl_get_shader_precision_format")
        .template staticField<&G::media_gl_get_shader_source>("media_gl_get_shader_source")
        .template staticField<&G::media_gl_get_supported_extensions>("media_gl_get_supported_extensions")
        .template staticField<&G::media_gl_get_tex_parameter>("media_gl_get_tex_parameter")
        .template staticField<&G::media_gl_get_uniform>("media_gl_get_uniform")
        .template staticField<&G::media_gl_get_uniform_location>("media_gl_get_uniform_location")
        .template staticField<&G::media_gl_get_vertex_attrib>("media_gl_get_vertex_attrib")
        .template staticField<&G::media_gl_get_vertex_attrib_offset>("media_gl_get_vertex_attrib_offset")
        .template staticField<&G::media_gl_hint>("media_gl_hint")
        .template staticField<&G::media_gl_is_buffer>("media_gl_is_buffer")
        .template staticField<&G::media_gl_is_enabled>("media_gl_is_enabled")
        .template staticField<&G::media_gl_is_framebuffer>("media_gl_is_framebuffer")
        .template staticField<&G::media_gl_is_program>("media_gl_is_program")
        .template staticField<&G::media_gl_is_renderbuffer>("media_gl_is_renderbuffer")
        .template staticField<&G::media_gl_is_shader>("media_gl_is_shader")
        .template staticField<&G::media_gl_is_texture>("media_gl_is_texture")
        .template staticField<&G::media_gl_line_width>("media_gl_line_width")
        .template staticField<&G::media_gl_link_program>("media_gl_link_program")
        .template staticField<&G::media_gl_pixel_storei>("media_gl_pixel_storei")
        .template staticField<&G::media_gl_polygon_offset>("media_gl_polygon_offset")
        .template staticField<&G::media_gl_read_pixels>("media_gl_read_pixels")
        .template staticField<&G::media_gl_renderbuffer_storage>("media_gl_renderbuffer_storage")
        .template staticField<&G::media_gl_sample_coverage>("media_gl_sample_coverage")
        .template staticField<&G::media_gl_scissor>("media_gl_scissor")
        .template staticField<&G::media_gl_shader_source>("media_gl_shader_source")
        .template staticField<&G::media_gl_stencil_func>("media_gl_stencil_func")
        .template staticField<&G::media_gl_stencil_func_separate>("media_gl_stencil_func_separate")
        .template staticField<&G::media_gl_stencil_mask>("media_gl_stencil_mask")
        .template staticField<&G::media_gl_stencil_mask_separate>("media_gl_stencil_mask_separate")
        .template staticField<&G::media_gl_stencil_op>("media_gl_stencil_op")
        .template staticField<&G::media_gl_stencil_op_separate>("media_gl_stencil_op_separate")
        .template staticField<&G::media_gl_tex_image_2d>("media_gl_tex_image_2d")
        .template staticField<&G::media_gl_tex_parameterf>("media_gl_tex_parameterf")
        .template staticField<&G::media_gl_tex_parameteri>("media_gl_tex_parameteri")
        .template staticField<&G::media_gl_tex_sub_image_2d>("media_gl_tex_sub_image_2d")
        .template staticField<&G::media_gl_uniform1f>("media_gl_uniform1f")
        .template staticField<&G::media_gl_uniform1fv>("media_gl_uniform1fv")
        .template staticField<&G::media_gl_uniform1i>("media_gl_uniform1i")
        .template staticField<&G::media_gl_uniform1iv>("media_gl_uniform1iv")
        .template staticField<&G::media_gl_uniform2f>("media_gl_uniform2f")
        .template staticField<&G::media_gl_uniform2fv>("media_gl_uniform2fv")
        .template staticField<&G::media_gl_uniform2i>("media_gl_uniform2i")
        .template staticField<&G::media_gl_uniform2iv>("media_gl_uniform2iv")
        .template staticField<&G::media_gl_uniform3f>("media_gl_uniform3f")
        .template staticField<&G::media_gl_uniform3fv>("media_gl_uniform3fv")
        .template staticField<&G::media_gl_uniform3i>("media_gl_uniform3i")
        .template staticField<&G::media_gl_uniform3iv>("media_gl_uniform3iv")
        .template staticField<&G::media_gl_uniform4f>("media_gl_uniform4f")
        .template staticField<&G::media_gl_uniform4fv>("media_gl_uniform4fv")
        .template staticField<&G::media_gl_uniform4i>("media_gl_uniform4i")
        .template staticField<&G::media_gl_uniform4iv>("media_gl_uniform4iv")
        .template staticField<&G::media_gl_uniform_matrix>("media_gl_uniform_matrix")
        .template staticField<&G::media_gl_use_program>("media_gl_use_program")
        .template staticField<&G::media_gl_validate_program>("media_gl_validate_program")
        .template staticField<&G::media_gl_version>("media_gl_version")
        .template staticField<&G::media_gl_vertex_attrib1f>("media_gl_vertex_attrib1f")
        .template staticField<&G::media_gl_vertex_attrib1fv>("media_gl_vertex_attrib1fv")
        .template staticField<&G::media_gl_vertex_attrib2f>("media_gl_vertex_attrib2f")
        .template staticField<&G::media_gl_vertex_attrib2fv>("media_gl_vertex_attrib2fv")
        .template staticField<&G::media_gl_vertex_attrib3f>("media_gl_vertex_attrib3f")
        .template staticField<&G::media_gl_vertex_attrib3fv>("media_gl_vertex_attrib3fv")
        .template staticField<&G::media_gl_vertex_attrib4f>("media_gl_vertex_attrib4f")
        .template staticField<&G::media_gl_vertex_attrib4fv>("media_gl_vertex_attrib4fv")
        .template staticField<&G::media_gl_vertex_attrib_pointer>("media_gl_vertex_attrib_pointer")
        .template staticField<&G::media_gl_viewport>("media_gl_viewport");
}
}  // namespace

RUNTIME_DEFINE_CLASS(GL, "framework._native.gl.GL", runtime::Object, (auto& b) {
    addConstants(b);
    addOperations(b);
    addSlots(b);
})
