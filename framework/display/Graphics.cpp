#include "Graphics.h"

#include "BitmapData.h"
#include "IGraphicsData.h"
#include "Tilesheet.h"
#include "framework/Lib.h"
#include "platform/runtime/Args.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

namespace {
template <class E>
int indexOr0(const std::optional<E>& e) {
    return e ? static_cast<int>(*e) : 0;
}

Value handleOf(const Ref<BitmapData>& bitmap) { return bitmap ? bitmap->handle_ : Value(); }

Ref<Matrix> gradientBox(const Ref<Matrix>& matrix) {
    if (matrix) return matrix;
    auto box = runtime::make<Matrix>();
    box->createGradientBox(200, 200, 0, -100, -100);
    return box;
}
}  // namespace

void Graphics::initClass() {
    static const bool done = [] {
#define FRAMEWORK_LOAD_SLOT(slot, primitive) slot = MEDIA_LOAD(primitive);
        FRAMEWORK_GRAPHICS_PRIMITIVES(FRAMEWORK_LOAD_SLOT)
#undef FRAMEWORK_LOAD_SLOT
        return true;
    }();
    (void)done;
}

Graphics::Graphics(const Value& handle) : handle_(handle) { initClass(); }

int Graphics::RGBA(int rgb, int a) {
    return static_cast<int>(static_cast<uint32_t>(rgb) | (static_cast<uint32_t>(a) << 24));
}

void Graphics::arcTo(double controlX, double controlY, double x, double y) {
    media_gfx_arc_to(handle_, controlX, controlY, x, y);
}

void Graphics::beginBitmapFill(const Ref<BitmapData>& bitmap, const Ref<Matrix>& matrix, bool repeat, bool smooth) {
    media_gfx_begin_bitmap_fill(handle_, handleOf(bitmap), matrix ? Value(matrix) : Value(), repeat, smooth);
}

void Graphics::beginFill(int color, double alpha) { media_gfx_begin_fill(handle_, color, alpha); }

void Graphics::beginGradientFill(GradientType type, const ArrayRef& colors, const ArrayRef& alphas,
                                 const ArrayRef& ratios, const Ref<Matrix>& matrix,
                                 std::optional<SpreadMethod> spreadMethod,
                                 std::optional<InterpolationMethod> interpolationMethod, double focalPointRatio) {
    media_gfx_begin_gradient_fill(handle_, static_cast<int>(type), colors, alphas, ratios, gradientBox(matrix),
                                  indexOr0(spreadMethod), indexOr0(interpolationMethod), focalPointRatio);
}

void Graphics::clear() { media_gfx_clear(handle_); }

void Graphics::copyFrom(const Ref<Graphics>&) { Lib::notImplemented("Graphics.copyFrom"); }

void Graphics::cubicCurveTo(double, double, double, double, double, double) {
    Lib::notImplemented("Graphics.cubicCurveTo");
}

void Graphics::curveTo(double controlX, double controlY, double anchorX, double anchorY) {
    media_gfx_curve_to(handle_, controlX, controlY, anchorX, anchorY);
}

void Graphics::drawCircle(double x, double y, double radius) {
    media_gfx_draw_ellipse(handle_, x - radius, y - radius, 2 * radius, 2 * radius);
}

void Graphics::drawEllipse(double x, double y, double width, double height) {
    media_gfx_draw_ellipse(handle_, x, y, width, height);
}

void Graphics::drawGraphicsData(const ArrayRef& graphicsData) {
    auto handles = runtime::make<runtime::Array>();
    if (graphicsData) {
        handles->items.reserve(graphicsData->items.size());
        for (const Value& datum : graphicsData->items) handles->push(datum.field("__handle"));
    }
    media_gfx_draw_data(handle_, handles);
}

void Graphics::drawGraphicsDatum(const Ref<IGraphicsData>& datum) {
    media_gfx_draw_datum(handle_, datum ? datum->handle_ : Value());
}

void Graphics::drawPoints(const ArrayRef& xy, const ArrayRef& pointRGBA, int defaultRGBA, double size) {
    media_gfx_draw_points(handle_, xy, pointRGBA ? Value(pointRGBA) : Value(), defaultRGBA, false, size);
}

void Graphics::drawRect(double x, double y, double width, double height) {
    media_gfx_draw_rect(handle_, x, y, width, height);
}

void Graphics::drawRoundRect(double x, double y, double width, double height, double rx, std::optional<double> ry) {
    media_gfx_draw_round_rect(handle_, x, y, width, height, rx, ry.value_or(rx));
}

void Graphics::drawRoundRectComplex(double, double, double, double, double, double, double, double) {
    Lib::notImplemented("Graphics.drawRoundRectComplex");
}

void Graphics::drawPath(const ArrayRef& commands, const ArrayRef& data, std::optional<GraphicsPathWinding> winding) {
    media_gfx_draw_path(handle_, commands, data, winding == GraphicsPathWinding::EVEN_ODD);
}

void Graphics::drawTiles(const Ref<Tilesheet>& sheet, const ArrayRef& tileData, bool smooth, int flags, int count) {
    beginBitmapFill(sheet ? sheet->bitmap_ : Ref<BitmapData>(), nullptr, false, smooth);
    if (smooth) flags |= TILE_SMOOTH;
    media_gfx_draw_tiles(handle_, sheet ? sheet->handle_ : Value(), tileData, flags, count);
}

void Graphics::drawTriangles(const ArrayRef& vertices, const ArrayRef& indices, const ArrayRef& uvtData,
                             std::optional<TriangleCulling> culling, const ArrayRef& colors, int blendMode) {
    int cullingCode = culling ? static_cast<int>(*culling) - 1 : 0;
    media_gfx_draw_triangles(handle_, vertices, indices ? Value(indices) : Value(),
                             uvtData ? Value(uvtData) : Value(), cullingCode, colors ? Value(colors) : Value(),
                             blendMode);
}

void Graphics::endFill() { media_gfx_end_fill(handle_); }

void Graphics::lineBitmapStyle(const Ref<BitmapData>& bitmap, const Ref<Matrix>& matrix, bool repeat, bool smooth) {
    media_gfx_line_bitmap_fill(handle_, handleOf(bitmap), matrix ? Value(matrix) : Value(), repeat, smooth);
}

void Graphics::lineGradientStyle(GradientType type, const ArrayRef& colors, const ArrayRef& alphas,
                                 const ArrayRef& ratios, const Ref<Matrix>& matrix,
                                 std::optional<SpreadMethod> spreadMethod,
                                 std::optional<InterpolationMethod> interpolationMethod, double focalPointRatio) {
    media_gfx_line_gradient_fill(handle_, static_cast<int>(type), colors, alphas, ratios, gradientBox(matrix),
                                 indexOr0(spreadMethod), indexOr0(interpolationMethod), focalPointRatio);
}

void Graphics::lineStyle(std::optional<double> thickness, int color, double alpha, bool pixelHinting,
                         std::optional<LineScaleMode> scaleMode, std::optional<CapsStyle> caps,
                         std::optional<JointStyle> joints, double miterLimit) {
    media_gfx_line_style(handle_, thickness ? Value(*thickness) : Value(), color, alpha, pixelHinting,
                         indexOr0(scaleMode), indexOr0(caps), indexOr0(joints), miterLimit);
}

void Graphics::lineTo(double x, double y) { media_gfx_line_to(handle_, x, y); }

void Graphics::moveTo(double x, double y) { media_gfx_move_to(handle_, x, y); }

namespace {
int TILE_SCALE_ = Graphics::TILE_SCALE, TILE_ROTATION_ = Graphics::TILE_ROTATION, TILE_RGB_ = Graphics::TILE_RGB,
    TILE_ALPHA_ = Graphics::TILE_ALPHA, TILE_TRANS_2x2_ = Graphics::TILE_TRANS_2x2, TILE_RECT_ = Graphics::TILE_RECT,
    TILE_ORIGIN_ = Graphics::TILE_ORIGIN, TILE_SMOOTH_ = Graphics::TILE_SMOOTH,
    TILE_BLEND_NORMAL_ = Graphics::TILE_BLEND_NORMAL, TILE_BLEND_ADD_ = Graphics::TILE_BLEND_ADD;

void addStaticsByName(runtime::ClassBuilder<Graphics>& b) {
    b.staticField<&TILE_SCALE_>("TILE_SCALE")
        .staticField<&TILE_ROTATION_>("TILE_ROTATION")
        .staticField<&TILE_RGB_>("TILE_RGB")
        .staticField<&TILE_ALPHA_>("TILE_ALPHA")
        .staticField<&TILE_TRANS_2x2_>("TILE_TRANS_2x2")
        .staticField<&TILE_RECT_>("TILE_RECT")
        .staticField<&TILE_ORIGIN_>("TILE_ORIGIN")
        .staticField<&TILE_SMOOTH_>("TILE_SMOOTH")
        .staticField<&TILE_BLEND_NORMAL_>("TILE_BLEND_NORMAL")
        .staticField<&TILE_BLEND_ADD_>("TILE_BLEND_ADD")
        .staticMethod<&Graphics::RGBA>("RGBA");
#define FRAMEWORK_SLOT_BY_NAME(slot, primitive) b.staticField<&Graphics::slot>(#slot);
    FRAMEWORK_GRAPHICS_PRIMITIVES(FRAMEWORK_SLOT_BY_NAME)
#undef FRAMEWORK_SLOT_BY_NAME
}
}  // namespace

RUNTIME_DEFINE_CLASS(Graphics, "framework._native.display.Graphics", runtime::Object, (auto& b) {
    using G = Graphics;
    b.template field<&G::handle_>("__handle")
        .template method<&G::arcTo>("arcTo")
        .template method<&G::beginBitmapFill>("beginBitmapFill")
        .template method<&G::beginFill>("beginFill")
        .template method<&G::beginGradientFill>("beginGradientFill")
        .template method<&G::clear>("clear")
        .template method<&G::copyFrom>("copyFrom")
        .template method<&G::cubicCurveTo>("cubicCurveTo")
        .template method<&G::curveTo>("curveTo")
        .template method<&G::drawCircle>("drawCircle")
        .template method<&G::drawEllipse>("drawEllipse")
        .template method<&G::drawGraphicsData>("drawGraphicsData")
        .template method<&G::drawGraphicsDatum>("drawGraphicsDatum")
        .template method<&G::drawPoints>("drawPoints")
        .template method<&G::drawRect>("drawRect")
        .template method<&G::drawRoundRect>("drawRoundRect")
        .template method<&G::drawRoundRectComplex>("drawRoundRectComplex")
        .template method<&G::drawPath>("drawPath")
        .template method<&G::drawTiles>("drawTiles")
        .template method<&G::drawTriangles>("drawTriangles")
        .template method<&G::endFill>("endFill")
        .template method<&G::lineBitmapStyle>("lineBitmapStyle")
        .template method<&G::lineGradientStyle>("lineGradientStyle")
        .template method<&G::lineStyle>("lineStyle")
        .template method<&G::lineTo>("lineTo")
        .template method<&G::moveTo>("moveTo")
        .emptyInstance()
        .constructor([](const Value* v, int n) -> Ref<runtime::Object> {
            return runtime::make<G>(runtime::Args(v, n)[0]);
        });
    addStaticsByName(b);
})

}  // namespace framework
