#pragma once
// The OpenGL binding, after the WebGL 1.0 interface: its constants, one static slot per GL
// primitive of the back end, and operations that convert handles, typed arrays and matrices,
// call the primitive and convert its result. It keeps no GL state: the back end owns the context.
#include "GLBuffer.h"
#include "GLFramebuffer.h"
#include "GLProgram.h"
#include "GLRenderbuffer.h"
#include "GLShader.h"
#include "GLTexture.h"
#include "framework/utils/ArrayBufferView.h"
#include "framework/utils/ByteArray.h"
#include "framework/utils/Float32Array.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class BitmapData;
class Matrix3D;

class GL : public runtime::Object {
    RUNTIME_CLASS(GL)
public:
    static constexpr int DEPTH_BUFFER_BIT = 0x100;
    static constexpr int STENCIL_BUFFER_BIT = 0x400;
    static constexpr int COLOR_BUFFER_BIT = 0x4000;
    static constexpr int POINTS = 0;
    static constexpr int LINES = 1;
    static constexpr int LINE_LOOP = 2;
    static constexpr int LINE_STRIP = 3;
    static constexpr int TRIANGLES = 4;
    static constexpr int TRIANGLE_STRIP = 5;
    static constexpr int TRIANGLE_FAN = 6;
    static constexpr int ZERO = 0;
    static constexpr int ONE = 1;
    static constexpr int SRC_COLOR = 0x300;
    static constexpr int ONE_MINUS_SRC_COLOR = 0x301;
    static constexpr int SRC_ALPHA = 0x302;
    static constexpr int ONE_MINUS_SRC_ALPHA = 0x303;
    static constexpr int DST_ALPHA = 0x304;
    static constexpr int ONE_MINUS_DST_ALPHA = 0x305;
    static constexpr int DST_COLOR = 0x306;
    static constexpr int ONE_MINUS_DST_COLOR = 0x307;
    static constexpr int SRC_ALPHA_SATURATE = 0x308;
    static constexpr int FUNC_ADD = 0x8006;
    static constexpr int BLEND_EQUATION = 0x8009;
    static constexpr int BLEND_EQUATION_RGB = 0x8009;
    static constexpr int BLEND_EQUATION_ALPHA = 0x883D;
    static constexpr int FUNC_SUBTRACT = 0x800A;
    static constexpr int FUNC_REVERSE_SUBTRACT = 0x800B;
    static constexpr int BLEND_DST_RGB = 0x80C8;
    static constexpr int BLEND_SRC_RGB = 0x80C9;
    static constexpr int BLEND_DST_ALPHA = 0x80CA;
    static constexpr int BLEND_SRC_ALPHA = 0x80CB;
    static constexpr int CONSTANT_COLOR = 0x8001;
    static constexpr int ONE_MINUS_CONSTANT_COLOR = 0x8002;
    static constexpr int CONSTANT_ALPHA = 0x8003;
    static constexpr int ONE_MINUS_CONSTANT_ALPHA = 0x8004;
    static constexpr int BLEND_COLOR = 0x8005;
    static constexpr int ARRAY_BUFFER = 0x8892;
    static constexpr int ELEMENT_ARRAY_BUFFER = 0x8893;
    static constexpr int ARRAY_BUFFER_BINDING = 0x8894;
    static constexpr int ELEMENT_ARRAY_BUFFER_BINDING = 0x8895;
    static constexpr int STREAM_DRAW = 0x88E0;
    static constexpr int STATIC_DRAW = 0x88E4;
    static constexpr int DYNAMIC_DRAW = 0x88E8;
    static constexpr int BUFFER_SIZE = 0x8764;
    static constexpr int BUFFER_USAGE = 0x8765;
    static constexpr int CURRENT_VERTEX_ATTRIB = 0x8626;
    static constexpr int FRONT = 0x404;
    static constexpr int BACK = 0x405;
    static constexpr int FRONT_AND_BACK = 0x408;
    static constexpr int CULL_FACE = 0xB44;
    static constexpr int BLEND = 0xBE2;
    static constexpr int DITHER = 0xBD0;
    static constexpr int STENCIL_TEST = 0xB90;
    static constexpr int DEPTH_TEST = 0xB71;
    static constexpr int SCISSOR_TEST = 0xC11;
    static constexpr int POLYGON_OFFSET_FILL = 0x8037;
    static constexpr int SAMPLE_ALPHA_TO_COVERAGE = 0x809E;
    static constexpr int SAMPLE_COVERAGE = 0x80A0;
    static constexpr int NO_ERROR = 0;
    static constexpr int INVALID_ENUM = 0x500;
    static constexpr int INVALID_VALUE = 0x501;
    static constexpr int INVALID_OPERATION = 0x502;
    static constexpr int OUT_OF_MEMORY = 0x505;
    static constexpr int CW = 0x900;
    static constexpr int CCW = 0x901;
    static constexpr int LINE_WIDTH = 0xB21;
    static constexpr int ALIASED_POINT_SIZE_RANGE = 0x846D;
    static constexpr int ALIASED_LINE_WIDTH_RANGE = 0x846E;
    static constexpr int CULL_FACE_MODE = 0xB45;
    static constexpr int FRONT_FACE = 0xB46;
    static constexpr int DEPTH_RANGE = 0xB70;
    static constexpr int DEPTH_WRITEMASK = 0xB72;
    static constexpr int DEPTH_CLEAR_VALUE = 0xB73;
    static constexpr int DEPTH_FUNC = 0xB74;
    static constexpr int STENCIL_CLEAR_VALUE = 0xB91;
    static constexpr int STENCIL_FUNC = 0xB92;
    static constexpr int STENCIL_FAIL = 0xB94;
    static constexpr int STENCIL_PASS_DEPTH_FAIL = 0xB95;
    static constexpr int STENCIL_PASS_DEPTH_PASS = 0xB96;
    static constexpr int STENCIL_REF = 0xB97;
    static constexpr int STENCIL_VALUE_MASK = 0xB93;
    static constexpr int STENCIL_WRITEMASK = 0xB98;
    static constexpr int STENCIL_BACK_FUNC = 0x8800;
    static constexpr int STENCIL_BACK_FAIL = 0x8801;
    static constexpr int STENCIL_BACK_PASS_DEPTH_FAIL = 0x8802;
    static constexpr int STENCIL_BACK_PASS_DEPTH_PASS = 0x8803;
    static constexpr int STENCIL_BACK_REF = 0x8CA3;
    static constexpr int STENCIL_BACK_VALUE_MASK = 0x8CA4;
    static constexpr int STENCIL_BACK_WRITEMASK = 0x8CA5;
    static constexpr int VIEWPORT = 0xBA2;
    static constexpr int SCISSOR_BOX = 0xC10;
    static constexpr int COLOR_CLEAR_VALUE = 0xC22;
    static constexpr int COLOR_WRITEMASK = 0xC23;
    static constexpr int UNPACK_ALIGNMENT = 0xCF5;
    static constexpr int PACK_ALIGNMENT = 0xD05;
    static constexpr int MAX_TEXTURE_SIZE = 0xD33;
    static constexpr int MAX_VIEWPORT_DIMS = 0xD3A;
    static constexpr int SUBPIXEL_BITS = 0xD50;
    static constexpr int RED_BITS = 0xD52;
    static constexpr int GREEN_BITS = 0xD53;
    static constexpr int BLUE_BITS = 0xD54;
    static constexpr int ALPHA_BITS = 0xD55;
    static constexpr int DEPTH_BITS = 0xD56;
    static constexpr int STENCIL_BITS = 0xD57;
    static constexpr int POLYGON_OFFSET_UNITS = 0x2A00;
    static constexpr int POLYGON_OFFSET_FACTOR = 0x8038;
    static constexpr int TEXTURE_BINDING_2D = 0x8069;
    static constexpr int SAMPLE_BUFFERS = 0x80A8;
    static constexpr int SAMPLES = 0x80A9;
    static constexpr int SAMPLE_COVERAGE_VALUE = 0x80AA;
    static constexpr int SAMPLE_COVERAGE_INVERT = 0x80AB;
    static constexpr int COMPRESSED_TEXTURE_FORMATS = 0x86A3;
    static constexpr int DONT_CARE = 0x1100;
    static constexpr int FASTEST = 0x1101;
    static constexpr int NICEST = 0x1102;
    static constexpr int GENERATE_MIPMAP_HINT = 0x8192;
    static constexpr int BYTE = 0x1400;
    static constexpr int UNSIGNED_BYTE = 0x1401;
    static constexpr int SHORT = 0x1402;
    static constexpr int UNSIGNED_SHORT = 0x1403;
    static constexpr int INT = 0x1404;
    static constexpr int UNSIGNED_INT = 0x1405;
    static constexpr int FLOAT = 0x1406;
    static constexpr int DEPTH_COMPONENT = 0x1902;
    static constexpr int ALPHA = 0x1906;
    static constexpr int RGB = 0x1907;
    static constexpr int RGBA = 0x1908;
    static constexpr int LUMINANCE = 0x1909;
    static constexpr int LUMINANCE_ALPHA = 0x190A;
    static constexpr int UNSIGNED_SHORT_4_4_4_4 = 0x8033;
    static constexpr int UNSIGNED_SHORT_5_5_5_1 = 0x8034;
    static constexpr int UNSIGNED_SHORT_5_6_5 = 0x8363;
    static constexpr int FRAGMENT_SHADER = 0x8B30;
    static constexpr int VERTEX_SHADER = 0x8B31;
    static constexpr int MAX_VERTEX_ATTRIBS = 0x8869;
    static constexpr int MAX_VERTEX_UNIFORM_VECTORS = 0x8DFB;
    static constexpr int MAX_VARYING_VECTORS = 0x8DFC;
    static constexpr int MAX_COMBINED_TEXTURE_IMAGE_UNITS = 0x8B4D;
    static constexpr int MAX_VERTEX_TEXTURE_IMAGE_UNITS = 0x8B4C;
    static constexpr int MAX_TEXTURE_IMAGE_UNITS = 0x8872;
    static constexpr int MAX_FRAGMENT_UNIFORM_VECTORS = 0x8DFD;
    static constexpr int SHADER_TYPE = 0x8B4F;
    static constexpr int DELETE_STATUS = 0x8B80;
    static constexpr int LINK_STATUS = 0x8B82;
    static constexpr int VALIDATE_STATUS = 0x8B83;
    static constexpr int ATTACHED_SHADERS = 0x8B85;
    static constexpr int ACTIVE_UNIFORMS = 0x8B86;
    static constexpr int ACTIVE_ATTRIBUTES = 0x8B89;
    static constexpr int SHADING_LANGUAGE_VERSION = 0x8B8C;
    static constexpr int CURRENT_PROGRAM = 0x8B8D;
    static constexpr int NEVER = 0x200;
    static constexpr int LESS = 0x201;
    static constexpr int EQUAL = 0x202;
    static constexpr int LEQUAL = 0x203;
    static constexpr int GREATER = 0x204;
    static constexpr int NOTEQUAL = 0x205;
    static constexpr int GEQUAL = 0x206;
    static constexpr int ALWAYS = 0x207;
    static constexpr int KEEP = 0x1E00;
    static constexpr int REPLACE = 0x1E01;
    static constexpr int INCR = 0x1E02;
    static constexpr int DECR = 0x1E03;
    static constexpr int INVERT = 0x150A;
    static constexpr int INCR_WRAP = 0x8507;
    static constexpr int DECR_WRAP = 0x8508;
    static constexpr int VENDOR = 0x1F00;
    static constexpr int RENDERER = 0x1F01;
    static constexpr int VERSION = 0x1F02;
    static constexpr int NEAREST = 0x2600;
    static constexpr int LINEAR = 0x2601;
    static constexpr int NEAREST_MIPMAP_NEAREST = 0x2700;
    static constexpr int LINEAR_MIPMAP_NEAREST = 0x2701;
    static constexpr int NEAREST_MIPMAP_LINEAR = 0x2702;
    static constexpr int LINEAR_MIPMAP_LINEAR = 0x2703;
    static constexpr int TEXTURE_MAG_FILTER = 0x2800;
    static constexpr int TEXTURE_MIN_FILTER = 0x2801;
    static constexpr int TEXTURE_WRAP_S = 0x2802;
    static constexpr int TEXTURE_WRAP_T = 0x2803;
    static constexpr int TEXTURE_2D = 0xDE1;
    static constexpr int TEXTURE = 0x1702;
    static constexpr int TEXTURE_CUBE_MAP = 0x8513;
    static constexpr int TEXTURE_BINDING_CUBE_MAP = 0x8514;
    static constexpr int TEXTURE_CUBE_MAP_POSITIVE_X = 0x8515;
    static constexpr int TEXTURE_CUBE_MAP_NEGATIVE_X = 0x8516;
    static constexpr int TEXTURE_CUBE_MAP_POSITIVE_Y = 0x8517;
    static constexpr int TEXTURE_CUBE_MAP_NEGATIVE_Y = 0x8518;
    static constexpr int TEXTURE_CUBE_MAP_POSITIVE_Z = 0x8519;
    static constexpr int TEXTURE_CUBE_MAP_NEGATIVE_Z = 0x851A;
    static constexpr int MAX_CUBE_MAP_TEXTURE_SIZE = 0x851C;
    static constexpr int TEXTURE0 = 0x84C0;
    static constexpr int TEXTURE1 = 0x84C1;
    static constexpr int TEXTURE2 = 0x84C2;
    static constexpr int TEXTURE3 = 0x84C3;
    static constexpr int TEXTURE4 = 0x84C4;
    static constexpr int TEXTURE5 = 0x84C5;
    static constexpr int TEXTURE6 = 0x84C6;
    static constexpr int TEXTURE7 = 0x84C7;
    static constexpr int TEXTURE8 = 0x84C8;
    static constexpr int TEXTURE9 = 0x84C9;
    static constexpr int TEXTURE10 = 0x84CA;
    static constexpr int TEXTURE11 = 0x84CB;
    static constexpr int TEXTURE12 = 0x84CC;
    static constexpr int TEXTURE13 = 0x84CD;
    static constexpr int TEXTURE14 = 0x84CE;
    static constexpr int TEXTURE15 = 0x84CF;
    static constexpr int TEXTURE16 = 0x84D0;
    static constexpr int TEXTURE17 = 0x84D1;
    static constexpr int TEXTURE18 = 0x84D2;
    static constexpr int TEXTURE19 = 0x84D3;
    static constexpr int TEXTURE20 = 0x84D4;
    static constexpr int TEXTURE21 = 0x84D5;
    static constexpr int TEXTURE22 = 0x84D6;
    static constexpr int TEXTURE23 = 0x84D7;
    static constexpr int TEXTURE24 = 0x84D8;
    static constexpr int TEXTURE25 = 0x84D9;
    static constexpr int TEXTURE26 = 0x84DA;
    static constexpr int TEXTURE27 = 0x84DB;
    static constexpr int TEXTURE28 = 0x84DC;
    static constexpr int TEXTURE29 = 0x84DD;
    static constexpr int TEXTURE30 = 0x84DE;
    static constexpr int TEXTURE31 = 0x84DF;
    static constexpr int ACTIVE_TEXTURE = 0x84E0;
    static constexpr int REPEAT = 0x2901;
    static constexpr int CLAMP_TO_EDGE = 0x812F;
    static constexpr int MIRRORED_REPEAT = 0x8370;
    static constexpr int FLOAT_VEC2 = 0x8B50;
    static constexpr int FLOAT_VEC3 = 0x8B51;
    static constexpr int FLOAT_VEC4 = 0x8B52;
    static constexpr int INT_VEC2 = 0x8B53;
    static constexpr int INT_VEC3 = 0x8B54;
    static constexpr int INT_VEC4 = 0x8B55;
    static constexpr int BOOL = 0x8B56;
    static constexpr int BOOL_VEC2 = 0x8B57;
    static constexpr int BOOL_VEC3 = 0x8B58;
    static constexpr int BOOL_VEC4 = 0x8B59;
    static constexpr int FLOAT_MAT2 = 0x8B5A;
    static constexpr int FLOAT_MAT3 = 0x8B5B;
    static constexpr int FLOAT_MAT4 = 0x8B5C;
    static constexpr int SAMPLER_2D = 0x8B5E;
    static constexpr int SAMPLER_CUBE = 0x8B60;
    static constexpr int VERTEX_ATTRIB_ARRAY_ENABLED = 0x8622;
    static constexpr int VERTEX_ATTRIB_ARRAY_SIZE = 0x8623;
    static constexpr int VERTEX_ATTRIB_ARRAY_STRIDE = 0x8624;
    static constexpr int VERTEX_ATTRIB_ARRAY_TYPE = 0x8625;
    static constexpr int VERTEX_ATTRIB_ARRAY_NORMALIZED = 0x886A;
    static constexpr int VERTEX_ATTRIB_ARRAY_POINTER = 0x8645;
    static constexpr int VERTEX_ATTRIB_ARRAY_BUFFER_BINDING = 0x889F;
    static constexpr int VERTEX_PROGRAM_POINT_SIZE = 0x8642;
    static constexpr int POINT_SPRITE = 0x8861;
    static constexpr int COMPILE_STATUS = 0x8B81;
    static constexpr int LOW_FLOAT = 0x8DF0;
    static constexpr int MEDIUM_FLOAT = 0x8DF1;
    static constexpr int HIGH_FLOAT = 0x8DF2;
    static constexpr int LOW_INT = 0x8DF3;
    static constexpr int MEDIUM_INT = 0x8DF4;
    static constexpr int HIGH_INT = 0x8DF5;
    static constexpr int FRAMEBUFFER = 0x8D40;
    static constexpr int RENDERBUFFER = 0x8D41;
    static constexpr int RGBA4 = 0x8056;
    static constexpr int RGB5_A1 = 0x8057;
    static constexpr int RGB565 = 0x8D62;
    static constexpr int DEPTH_COMPONENT16 = 0x81A5;
    static constexpr int STENCIL_INDEX = 0x1901;
    static constexpr int STENCIL_INDEX8 = 0x8D48;
    static constexpr int DEPTH_STENCIL = 0x84F9;
    static constexpr int RENDERBUFFER_WIDTH = 0x8D42;
    static constexpr int RENDERBUFFER_HEIGHT = 0x8D43;
    static constexpr int RENDERBUFFER_INTERNAL_FORMAT = 0x8D44;
    static constexpr int RENDERBUFFER_RED_SIZE = 0x8D50;
    static constexpr int RENDERBUFFER_GREEN_SIZE = 0x8D51;
    static constexpr int RENDERBUFFER_BLUE_SIZE = 0x8D52;
    static constexpr int RENDERBUFFER_ALPHA_SIZE = 0x8D53;
    static constexpr int RENDERBUFFER_DEPTH_SIZE = 0x8D54;
    static constexpr int RENDERBUFFER_STENCIL_SIZE = 0x8D55;
    static constexpr int FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE = 0x8CD0;
    static constexpr int FRAMEBUFFER_ATTACHMENT_OBJECT_NAME = 0x8CD1;
    static constexpr int FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL = 0x8CD2;
    static constexpr int FRAMEBUFFER_ATTACHMENT_TEXTURE_CUBE_MAP_FACE = 0x8CD3;
    static constexpr int COLOR_ATTACHMENT0 = 0x8CE0;
    static constexpr int DEPTH_ATTACHMENT = 0x8D00;
    static constexpr int STENCIL_ATTACHMENT = 0x8D20;
    static constexpr int DEPTH_STENCIL_ATTACHMENT = 0x821A;
    static constexpr int NONE = 0;
    static constexpr int FRAMEBUFFER_COMPLETE = 0x8CD5;
    static constexpr int FRAMEBUFFER_INCOMPLETE_ATTACHMENT = 0x8CD6;
    static constexpr int FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT = 0x8CD7;
    static constexpr int FRAMEBUFFER_INCOMPLETE_DIMENSIONS = 0x8CD9;
    static constexpr int FRAMEBUFFER_UNSUPPORTED = 0x8CDD;
    static constexpr int FRAMEBUFFER_BINDING = 0x8CA6;
    static constexpr int RENDERBUFFER_BINDING = 0x8CA7;
    static constexpr int MAX_RENDERBUFFER_SIZE = 0x84E8;
    static constexpr int INVALID_FRAMEBUFFER_OPERATION = 0x506;
    static constexpr int UNPACK_FLIP_Y_WEBGL = 0x9240;
    static constexpr int UNPACK_PREMULTIPLY_ALPHA_WEBGL = 0x9241;
    static constexpr int CONTEXT_LOST_WEBGL = 0x9242;
    static constexpr int UNPACK_COLORSPACE_CONVERSION_WEBGL = 0x9243;
    static constexpr int BROWSER_DEFAULT_WEBGL = 0x9244;

    // The primitive slots, media_gl_<suffix> holding "media_native_gl_<suffix>".
    static inline runtime::Primitive media_gl_active_texture;
    static inline runtime::Primitive media_gl_attach_shader;
    static inline runtime::Primitive media_gl_bind_attrib_location;
    static inline runtime::Primitive media_gl_bind_bitmap_data_texture;
    static inline runtime::Primitive media_gl_bind_buffer;
    static inline runtime::Primitive media_gl_bind_framebuffer;
    static inline runtime::Primitive media_gl_bind_renderbuffer;
    static inline runtime::Primitive media_gl_bind_texture;
    static inline runtime::Primitive media_gl_blend_color;
    static inline runtime::Primitive media_gl_blend_equation;
    static inline runtime::Primitive media_gl_blend_equation_separate;
    static inline runtime::Primitive media_gl_blend_func;
    static inline runtime::Primitive media_gl_blend_func_separate;
    static inline runtime::Primitive media_gl_buffer_data;
    static inline runtime::Primitive media_gl_buffer_sub_data;
    static inline runtime::Primitive media_gl_check_framebuffer_status;
    static inline runtime::Primitive media_gl_clear;
    static inline runtime::Primitive media_gl_clear_color;
    static inline runtime::Primitive media_gl_clear_depth;
    static inline runtime::Primitive media_gl_clear_stencil;
    static inline runtime::Primitive media_gl_color_mask;
    static inline runtime::Primitive media_gl_compile_shader;
    static inline runtime::Primitive media_gl_compressed_tex_image_2d;
    static inline runtime::Primitive media_gl_compressed_tex_sub_image_2d;
    static inline runtime::Primitive media_gl_copy_tex_image_2d;
    static inline runtime::Primitive media_gl_copy_tex_sub_image_2d;
    static inline runtime::Primitive media_gl_create_buffer;
    static inline runtime::Primitive media_gl_create_framebuffer;
    static inline runtime::Primitive media_gl_create_program;
    static inline runtime::Primitive media_gl_create_render_buffer;
    static inline runtime::Primitive media_gl_create_shader;
    static inline runtime::Primitive media_gl_create_texture;
    static inline runtime::Primitive media_gl_cull_face;
    static inline runtime::Primitive media_gl_delete_buffer;
    static inline runtime::Primitive media_gl_delete_framebuffer;
    static inline runtime::Primitive media_gl_delete_program;
    static inline runtime::Primitive media_gl_delete_render_buffer;
    static inline runtime::Primitive media_gl_delete_shader;
    static inline runtime::Primitive media_gl_delete_texture;
    static inline runtime::Primitive media_gl_depth_func;
    static inline runtime::Primitive media_gl_depth_mask;
    static inline runtime::Primitive media_gl_depth_range;
    static inline runtime::Primitive media_gl_detach_shader;
    static inline runtime::Primitive media_gl_disable;
    static inline runtime::Primitive media_gl_disable_vertex_attrib_array;
    static inline runtime::Primitive media_gl_draw_arrays;
    static inline runtime::Primitive media_gl_draw_elements;
    static inline runtime::Primitive media_gl_enable;
    static inline runtime::Primitive media_gl_enable_vertex_attrib_array;
    static inline runtime::Primitive media_gl_finish;
    static inline runtime::Primitive media_gl_flush;
    static inline runtime::Primitive media_gl_framebuffer_renderbuffer;
    static inline runtime::Primitive media_gl_framebuffer_texture2D;
    static inline runtime::Primitive media_gl_front_face;
    static inline runtime::Primitive media_gl_generate_mipmap;
    static inline runtime::Primitive media_gl_get_active_attrib;
    static inline runtime::Primitive media_gl_get_active_uniform;
    static inline runtime::Primitive media_gl_get_attrib_location;
    static inline runtime::Primitive media_gl_get_buffer_paramerter;
    static inline runtime::Primitive media_gl_get_context_attributes;
    static inline runtime::Primitive media_gl_get_error;
    static inline runtime::Primitive media_gl_get_framebuffer_attachment_parameter;
    static inline runtime::Primitive media_gl_get_parameter;
    static inline runtime::Primitive media_gl_get_program_info_log;
    static inline runtime::Primitive media_gl_get_program_parameter;
    static inline runtime::Primitive media_gl_get_render_buffer_parameter;
    static inline runtime::Primitive media_gl_get_shader_info_log;
    static inline runtime::Primitive media_gl_get_shader_parameter;
    static inline runtime::Primitive media_gl_get_shader_precision_format;
    static inline runtime::Primitive media_gl_get_shader_source;
    static inline runtime::Primitive media_gl_get_supported_extensions;
    static inline runtime::Primitive media_gl_get_tex_parameter;
    static inline runtime::Primitive media_gl_get_uniform;
    static inline runtime::Primitive media_gl_get_uniform_location;
    static inline runtime::Primitive media_gl_get_vertex_attrib;
    static inline runtime::Primitive media_gl_get_vertex_attrib_offset;
    static inline runtime::Primitive media_gl_hint;
    static inline runtime::Primitive media_gl_is_buffer;
    static inline runtime::Primitive media_gl_is_enabled;
    static inline runtime::Primitive media_gl_is_framebuffer;
    static inline runtime::Primitive media_gl_is_program;
    static inline runtime::Primitive media_gl_is_renderbuffer;
    static inline runtime::Primitive media_gl_is_shader;
    static inline runtime::Primitive media_gl_is_texture;
    static inline runtime::Primitive media_gl_line_width;
    static inline runtime::Primitive media_gl_link_program;
    static inline runtime::Primitive media_gl_pixel_storei;
    static inline runtime::Primitive media_gl_polygon_offset;
    static inline runtime::Primitive media_gl_read_pixels;
    static inline runtime::Primitive media_gl_renderbuffer_storage;
    static inline runtime::Primitive media_gl_sample_coverage;
    static inline runtime::Primitive media_gl_scissor;
    static inline runtime::Primitive media_gl_shader_source;
    static inline runtime::Primitive media_gl_stencil_func;
    static inline runtime::Primitive media_gl_stencil_func_separate;
    static inline runtime::Primitive media_gl_stencil_mask;
    static inline runtime::Primitive media_gl_stencil_mask_separate;
    static inline runtime::Primitive media_gl_stencil_op;
    static inline runtime::Primitive media_gl_stencil_op_separate;
    static inline runtime::Primitive media_gl_tex_image_2d;
    static inline runtime::Primitive media_gl_tex_parameterf;
    static inline runtime::Primitive media_gl_tex_parameteri;
    static inline runtime::Primitive media_gl_tex_sub_image_2d;
    static inline runtime::Primitive media_gl_uniform1f;
    static inline runtime::Primitive media_gl_uniform1fv;
    static inline runtime::Primitive media_gl_uniform1i;
    static inline runtime::Primitive media_gl_uniform1iv;
    static inline runtime::Primitive media_gl_uniform2f;
    static inline runtime::Primitive media_gl_uniform2fv;
    static inline runtime::Primitive media_gl_uniform2i;
    static inline runtime::Primitive media_gl_uniform2iv;
    static inline runtime::Primitive media_gl_uniform3f;
    static inline runtime::Primitive media_gl_uniform3fv;
    static inline runtime::Primitive media_gl_uniform3i;
    static inline runtime::Primitive media_gl_uniform3iv;
    static inline runtime::Primitive media_gl_uniform4f;
    static inline runtime::Primitive media_gl_uniform4fv;
    static inline runtime::Primitive media_gl_uniform4i;
    static inline runtime::Primitive media_gl_uniform4iv;
    static inline runtime::Primitive media_gl_uniform_matrix;
    static inline runtime::Primitive media_gl_use_program;
    static inline runtime::Primitive media_gl_validate_program;
    static inline runtime::Primitive media_gl_version;
    static inline runtime::Primitive media_gl_vertex_attrib1f;
    static inline runtime::Primitive media_gl_vertex_attrib1fv;
    static inline runtime::Primitive media_gl_vertex_attrib2f;
    static inline runtime::Primitive media_gl_vertex_attrib2fv;
    static inline runtime::Primitive media_gl_vertex_attrib3f;
    static inline runtime::Primitive media_gl_vertex_attrib3fv;
    static inline runtime::Primitive media_gl_vertex_attrib4f;
    static inline runtime::Primitive media_gl_vertex_attrib4fv;
    static inline runtime::Primitive media_gl_vertex_attrib_pointer;
    static inline runtime::Primitive media_gl_viewport;

    // Looks up a primitive of "media-native"; a loader failure is traced and gives an empty slot.
    static runtime::Primitive load(const runtime::String& name, int argCount);
    // Fills the primitive slots once; every operation calls it first.
    static void initClass();

    // The back end's context version (0 when it answers nothing), asked on every read.
    static int get_version();
    // The stage's size, read on every access.
    static int get_drawingBufferWidth();
    static int get_drawingBufferHeight();
    static inline runtime::Ref<GLFramebuffer> defaultFramebuffer;

    // State and drawing.
    static void activeTexture(int texture);
    static void blendColor(double red, double green, double blue, double alpha);
    static void blendEquation(int mode);
    static void blendEquationSeparate(int modeRGB, int modeAlpha);
    static void blendFunc(int sfactor, int dfactor);
    static void blendFuncSeparate(int srcRGB, int dstRGB, int srcAlpha, int dstAlpha);
    static void clear(int mask);
    static void clearColor(double red, double green, double blue, double alpha);
    static void clearDepth(double depth);
    static void clearStencil(int s);
    static void colorMask(bool red, bool green, bool blue, bool alpha);
    static void cullFace(int mode);
    static void depthFunc(int func);
    static void depthMask(bool flag);
    static void depthRange(double zNear, double zFar);
    static void disable(int cap);
    static void drawArrays(int mode, int first, int count);
    static void drawElements(int mode, int count, int type, int offset);
    static void enable(int cap);
    static void finish();
    static void flush();
    static void frontFace(int mode);
    static void hint(int target, int mode);
    static void lineWidth(double width);
    static void pixelStorei(int pname, int param);
    static void polygonOffset(double factor, double units);
    static void sampleCoverage(double value, bool invert);
    static void scissor(int x, int y, int width, int height);
    static void stencilFunc(int func, int ref, int mask);
    static void stencilFuncSeparate(int face, int func, int ref, int mask);
    static void stencilMask(int mask);
    static void stencilMaskSeparate(int face, int mask);
    static void stencilOp(int fail, int zfail, int zpass);
    static void stencilOpSeparate(int face, int fail, int zfail, int zpass);
    static void viewport(int x, int y, int width, int height);

    // Vertex attributes. The fv forms take a Float32Data value.
    static void disableVertexAttribArray(int index);
    static void enableVertexAttribArray(int index);
    static void vertexAttrib1f(int indx, double x);
    static void vertexAttrib2f(int indx, double x, double y);
    static void vertexAttrib3f(int indx, double x, double y, double z);
    static void vertexAttrib4f(int indx, double x, double y, double z, double w);
    static void vertexAttrib1fv(int indx, const runtime::Value& values);
    static void vertexAttrib2fv(int indx, const runtime::Value& values);
    static void vertexAttrib3fv(int indx, const runtime::Value& values);
    static void vertexAttrib4fv(int indx, const runtime::Value& values);
    static void vertexAttribPointer(int indx, int size, int type, bool normalized, int stride, int offset);
    static runtime::Value getVertexAttrib(int index, int pname);
    static int getVertexAttribOffset(int index, int pname);

    // Buffers. A memory range is any IMemoryRange (a ByteArray or a typed array).
    static runtime::Ref<GLBuffer> createBuffer();
    static void deleteBuffer(const runtime::Ref<GLBuffer>& buffer);
    static bool isBuffer(const runtime::Ref<GLBuffer>& buffer);
    static void bindBuffer(int target, const runtime::Ref<GLBuffer>& buffer);
    static void bufferData(int target, const runtime::Value& data, int usage);
    static void bufferSubData(int target, int offset, const runtime::Value& data);
    static runtime::Value getBufferParameter(int target, int pname);

    // Textures.
    static runtime::Ref<GLTexture> createTexture();
    static void deleteTexture(const runtime::Ref<GLTexture>& texture);
    static bool isTexture(const runtime::Ref<GLTexture>& texture);
    static void bindTexture(int target, const runtime::Ref<GLTexture>& texture);
    // Binds the bitmap's own surface as the current texture.
    static void bindBitmapDataTexture(const runtime::Ref<BitmapData>& texture);
    static void texImage2D(int target, int level, int internalformat, int width, int height, int border, int format,
                           int type, const runtime::Ref<ArrayBufferView>& pixels);
    static void texSubImage2D(int target, int level, int xoffset, int yoffset, int width, int height, int format,
                              int type, const runtime::Ref<ArrayBufferView>& pixels);
    static void compressedTexImage2D(int target, int level, int internalformat, int width, int height, int border,
                                     const runtime::Value& data);
    static void compressedTexSubImage2D(int target, int level, int xoffset, int yoffset, int width, int height,
                                        int format, const runtime::Value& data);
    static void copyTexImage2D(int target, int level, int internalformat, int x, int y, int width, int height,
                               int border);
    static void copyTexSubImage2D(int target, int level, int xoffset, int yoffset, int x, int y, int width,
                                  int height);
    static void texParameterf(int target, int pname, double param);
    static void texParameteri(int target, int pname, int param);
    static runtime::Value getTexParameter(int target, int pname);
    static void generateMipmap(int target);

    // Framebuffers, renderbuffers and pixels.
    static runtime::Ref<GLFramebuffer> createFramebuffer();
    static void deleteFramebuffer(const runtime::Ref<GLFramebuffer>& framebuffer);
    static bool isFramebuffer(const runtime::Ref<GLFramebuffer>& framebuffer);
    static void bindFramebuffer(int target, const runtime::Ref<GLFramebuffer>& framebuffer);
    static int checkFramebufferStatus(int target);
    static void framebufferRenderbuffer(int target, int attachment, int renderbuffertarget,
                                        const runtime::Ref<GLRenderbuffer>& renderbuffer);
    static void framebufferTexture2D(int target, int attachment, int textarget, const runtime::Ref<GLTexture>& texture,
                                     int level);
    static runtime::Value getFramebufferAttachmentParameter(int target, int attachment, int pname);
    static runtime::Ref<GLRenderbuffer> createRenderbuffer();
    static void deleteRenderbuffer(const runtime::Ref<GLRenderbuffer>& renderbuffer);
    static bool isRenderbuffer(const runtime::Ref<GLRenderbuffer>& renderbuffer);
    static void bindRenderbuffer(int target, const runtime::Ref<GLRenderbuffer>& renderbuffer);
    static void renderbufferStorage(int target, int internalformat, int width, int height);
    static runtime::Value getRenderbufferParameter(int target, int pname);
    // Fills pixels (from its start) with the rectangle's pixels.
    static void readPixels(int x, int y, int width, int height, int format, int type,
                           const runtime::Ref<ByteArray>& pixels);

    // Shaders and programs.
    static runtime::Ref<GLShader> createShader(int type);
    static void deleteShader(const runtime::Ref<GLShader>& shader);
    static bool isShader(const runtime::Ref<GLShader>& shader);
    static void shaderSource(const runtime::Ref<GLShader>& shader, const runtime::String& source);
    static runtime::String getShaderSource(const runtime::Ref<GLShader>& shader);
    static void compileShader(const runtime::Ref<GLShader>& shader);
    static int getShaderParameter(const runtime::Ref<GLShader>& shader, int pname);
    static runtime::String getShaderInfoLog(const runtime::Ref<GLShader>& shader);
    static runtime::Value getShaderPrecisionFormat(int shadertype, int precisiontype);
    static runtime::Ref<GLProgram> createProgram();
    static void deleteProgram(const runtime::Ref<GLProgram>& program);
    static bool isProgram(const runtime::Ref<GLProgram>& program);
    // Records the shader in the program's list, then asks the back end.
    static void attachShader(const runtime::Ref<GLProgram>& program, const runtime::Ref<GLShader>& shader);
    // Leaves the program's list as it is.
    static void detachShader(const runtime::Ref<GLProgram>& program, const runtime::Ref<GLShader>& shader);
    // The shaders recorded by attachShader, in attach order; asks the back end nothing.
    static runtime::Ref<runtime::Array> getAttachedShaders(const runtime::Ref<GLProgram>& program);
    static void bindAttribLocation(const runtime::Ref<GLProgram>& program, int index, const runtime::String& name);
    static void linkProgram(const runtime::Ref<GLProgram>& program);
    static void validateProgram(const runtime::Ref<GLProgram>& program);
    static void useProgram(const runtime::Ref<GLProgram>& program);
    static int getProgramParameter(const runtime::Ref<GLProgram>& program, int pname);
    static runtime::String getProgramInfoLog(const runtime::Ref<GLProgram>& program);
    static runtime::Value getActiveAttrib(const runtime::Ref<GLProgram>& program, int index);
    static runtime::Value getActiveUniform(const runtime::Ref<GLProgram>& program, int index);
    static int getAttribLocation(const runtime::Ref<GLProgram>& program, const runtime::String& name);
    // The location, opaque: the uniform operations take it back unchanged.
    static runtime::Value getUniformLocation(const runtime::Ref<GLProgram>& program, const runtime::String& name);
    static runtime::Value getUniform(const runtime::Ref<GLProgram>& program, const runtime::Value& location);

    // Uniforms. The fv forms take a Float32Data value; 1iv to 3iv an array of integers (other
    // numbers are converted into a new array), 4iv any value unconverted.
    static void uniform1f(const runtime::Value& location, double x);
    static void uniform2f(const runtime::Value& location, double x, double y);
    static void uniform3f(const runtime::Value& location, double x, double y, double z);
    static void uniform4f(const runtime::Value& location, double x, double y, double z, double w);
    static void uniform1i(const runtime::Value& location, int x);
    static void uniform2i(const runtime::Value& location, int x, int y);
    static void uniform3i(const runtime::Value& location, int x, int y, int z);
    static void uniform4i(const runtime::Value& location, int x, int y, int z, int w);
    static void uniform1fv(const runtime::Value& location, const runtime::Value& values);
    static void uniform2fv(const runtime::Value& location, const runtime::Value& values);
    static void uniform3fv(const runtime::Value& location, const runtime::Value& values);
    static void uniform4fv(const runtime::Value& location, const runtime::Value& values);
    static void uniform1iv(const runtime::Value& location, const runtime::Value& values);
    static void uniform2iv(const runtime::Value& location, const runtime::Value& values);
    static void uniform3iv(const runtime::Value& location, const runtime::Value& values);
    static void uniform4iv(const runtime::Value& location, const runtime::Value& values);
    // The matrix forms pass the array's whole byte buffer and the dimension.
    static void uniformMatrix2fv(const runtime::Value& location, bool transpose, const runtime::Ref<Float32Array>& v);
    static void uniformMatrix3fv(const runtime::Value& location, bool transpose, const runtime::Ref<Float32Array>& v);
    static void uniformMatrix4fv(const runtime::Value& location, bool transpose, const runtime::Ref<Float32Array>& v);
    static void uniformMatrix3D(const runtime::Value& location, bool transpose, const runtime::Ref<Matrix3D>& matrix);

    // Context queries.
    static runtime::Value getParameter(int pname);
    static int getError();
    static bool isEnabled(int cap);
    // The back end's record with premultipliedAlpha and preserveDrawingBuffer forced to false.
    static runtime::Value getContextAttributes();
    static runtime::Ref<runtime::Array> getSupportedExtensions();
    // No extension is offered: always null.
    static runtime::Value getExtension(const runtime::String& name);
};

}  // namespace framework
