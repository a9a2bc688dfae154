#pragma once
// The vector drawing of a display object: every command goes at once to the back end with the
// object's graphics handle; the back end keeps the commands and draws them with the object.
#include <optional>

#include "CapsStyle.h"
#include "GradientType.h"
#include "GraphicsPathWinding.h"
#include "InterpolationMethod.h"
#include "JointStyle.h"
#include "LineScaleMode.h"
#include "SpreadMethod.h"
#include "TriangleCulling.h"
#include "framework/geom/Matrix.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class BitmapData;
class IGraphicsData;
class Tilesheet;

// Slot name (primitive name without "native_"), primitive.
#define FRAMEWORK_GRAPHICS_PRIMITIVES(X)                                  \
    X(media_gfx_clear, media_native_gfx_clear)                            \
    X(media_gfx_begin_fill, media_native_gfx_begin_fill)                  \
    X(media_gfx_begin_bitmap_fill, media_native_gfx_begin_bitmap_fill)    \
    X(media_gfx_line_bitmap_fill, media_native_gfx_line_bitmap_fill)      \
    X(media_gfx_begin_gradient_fill, media_native_gfx_begin_gradient_fill) \
    X(media_gfx_line_gradient_fill, media_native_gfx_line_gradient_fill)  \
    X(media_gfx_end_fill, media_native_gfx_end_fill)                      \
    X(media_gfx_line_style, media_native_gfx_line_style)                  \
    X(media_gfx_move_to, media_native_gfx_move_to)                        \
    X(media_gfx_line_to, media_native_gfx_line_to)                        \
    X(media_gfx_curve_to, media_native_gfx_curve_to)                      \
    X(media_gfx_arc_to, media_native_gfx_arc_to)                          \
    X(media_gfx_draw_ellipse, media_native_gfx_draw_ellipse)              \
    X(media_gfx_draw_data, media_native_gfx_draw_data)                    \
    X(media_gfx_draw_datum, media_native_gfx_draw_datum)                  \
    X(media_gfx_draw_rect, media_native_gfx_draw_rect)                    \
    X(media_gfx_draw_path, media_native_gfx_draw_path)                    \
    X(media_gfx_draw_tiles, media_native_gfx_draw_tiles)                  \
    X(media_gfx_draw_points, media_native_gfx_draw_points)                \
    X(media_gfx_draw_round_rect, media_native_gfx_draw_round_rect)        \
    X(media_gfx_draw_triangles, media_native_gfx_draw_triangles)

class Graphics : public runtime::Object {
    RUNTIME_CLASS(Graphics)
public:
    // Bits of drawTiles' flags.
    static constexpr int TILE_SCALE = 1;
    static constexpr int TILE_ROTATION = 2;
    static constexpr int TILE_RGB = 4;
    static constexpr int TILE_ALPHA = 8;
    static constexpr int TILE_TRANS_2x2 = 16;
    static constexpr int TILE_RECT = 32;
    static constexpr int TILE_ORIGIN = 64;
    static constexpr int TILE_SMOOTH = 0x1000;
    static constexpr int TILE_BLEND_NORMAL = 0;
    static constexpr int TILE_BLEND_ADD = 0x10000;

#define FRAMEWORK_DECLARE_SLOT(slot, primitive) static inline runtime::Primitive slot;
    FRAMEWORK_GRAPHICS_PRIMITIVES(FRAMEWORK_DECLARE_SLOT)
#undef FRAMEWORK_DECLARE_SLOT
    static void initClass();

    explicit Graphics(const runtime::Value& handle);
    explicit Graphics(runtime::NoInit) {}

    // rgb | (a << 24) in 32-bit arithmetic; neither is masked.
    static int RGBA(int rgb, int a = 0xFF);

    using ArrayRef = runtime::Ref<runtime::Array>;
    using MatrixRef = runtime::Ref<Matrix>;

    virtual void arcTo(double controlX, double controlY, double x, double y);
    virtual void beginBitmapFill(const runtime::Ref<BitmapData>& bitmap, const MatrixRef& matrix = nullptr,
                                 bool repeat = true, bool smooth = false);
    virtual void beginFill(int color, double alpha = 1.0);
    // Without a matrix the fill uses a 200 x 200 box centred on the origin.
    virtual void beginGradientFill(GradientType type, const ArrayRef& colors, const ArrayRef& alphas,
                                   const ArrayRef& ratios, const MatrixRef& matrix = nullptr,
                                   std::optional<SpreadMethod> spreadMethod = std::nullopt,
                                   std::optional<InterpolationMethod> interpolationMethod = std::nullopt,
                                   double focalPointRatio = 0.0);
    virtual void clear();
    virtual void copyFrom(const runtime::Ref<Graphics>& source);
    virtual void cubicCurveTo(double controlX1, double controlY1, double controlX2, double controlY2, double anchorX,
                              double anchorY);
    virtual void curveTo(double controlX, double controlY, double anchorX, double anchorY);
    virtual void drawCircle(double x, double y, double radius);
    virtual void drawEllipse(double x, double y, double width, double height);
    // graphicsData: a list of IGraphicsData records.
    virtual void drawGraphicsData(const ArrayRef& graphicsData);
    virtual void drawGraphicsDatum(const runtime::Ref<IGraphicsData>& datum);
    virtual void drawPoints(const ArrayRef& xy, const ArrayRef& pointRGBA = nullptr, int defaultRGBA = -1,
                            double size = -1.0);
    virtual void drawRect(double x, double y, double width, double height);
    virtual void drawRoundRect(double x, double y, double width, double height, double rx,
                               std::optional<double> ry = std::nullopt);
    virtual void drawRoundRectComplex(double x, double y, double width, double height, double topLeftRadius,
                                      double topRightRadius, double bottomLeftRadius, double bottomRightRadius);
    virtual void drawPath(const ArrayRef& commands, const ArrayRef& data,
                          std::optional<GraphicsPathWinding> winding = std::nullopt);
    // Begins a non-repeating bitmap fill of the sheet's image (left begun), then draws the batch.
    virtual void drawTiles(const runtime::Ref<Tilesheet>& sheet, const ArrayRef& tileData, bool smooth = false,
                           int flags = 0, int count = -1);
    virtual void drawTriangles(const ArrayRef& vertices, const ArrayRef& indices = nullptr,
                               const ArrayRef& uvtData = nullptr,
                               std::optional<TriangleCulling> culling = std::nullopt,
                               const ArrayRef& colors = nullptr, int blendMode = 0);
    virtual void endFill();
    virtual void lineBitmapStyle(const runtime::Ref<BitmapData>& bitmap, const MatrixRef& matrix = nullptr,
                                 bool repeat = true, bool smooth = false);
    virtual void lineGradientStyle(GradientType type, const ArrayRef& colors, const ArrayRef& alphas,
                                   const ArrayRef& ratios, const MatrixRef& matrix = nullptr,
                                   std::optional<SpreadMethod> spreadMethod = std::nullopt,
                                   std::optional<InterpolationMethod> interpolationMethod = std::nullopt,
                                   double focalPointRatio = 0.0);
    // An absent thickness travels as null.
    virtual void lineStyle(std::optional<double> thickness = std::nullopt, int color = 0, double alpha = 1.0,
                           bool pixelHinting = false, std::optional<LineScaleMode> scaleMode = std::nullopt,
                           std::optional<CapsStyle> caps = std::nullopt,
                           std::optional<JointStyle> joints = std::nullopt, double miterLimit = 3.0);
    virtual void lineTo(double x, double y);
    virtual void moveTo(double x, double y);

    runtime::Value handle_;
};

}  // namespace framework
