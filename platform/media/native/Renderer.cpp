#include "Renderer.h"

#include "DirectLayer.h"

#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"

#include <algorithm>
#include <cmath>

namespace media {

namespace {
void setMatrix(cairo_t* cr, const Matrix2D& m) {
    cairo_matrix_t cm = Rasterizer::toCairo(m);
    cairo_set_matrix(cr, &cm);
}

constexpr int BLEND_SUBTRACT = 8;
constexpr int BLEND_INVERT = 9;

// Whether a blend mode has no cairo operator and is composited from a layer by hand.
bool layerBlend(int mode) { return mode == BLEND_SUBTRACT || mode == BLEND_INVERT; }

// Composites the layer (premultiplied, as popped from a cairo group) onto what cr draws into:
// subtract takes the layer's colour from the backdrop, invert turns the backdrop's colour over
// by the layer's alpha. The backdrop's alpha is kept.
void compositeLayer(cairo_t* cr, cairo_pattern_t* layer, int mode) {
    cairo_surface_t* src = nullptr;
    if (cairo_pattern_get_surface(layer, &src) != CAIRO_STATUS_SUCCESS) return;
    cairo_surface_t* dst = cairo_get_group_target(cr);
    if (cairo_surface_get_type(src) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_surface_get_type(dst) != CAIRO_SURFACE_TYPE_IMAGE)
        return;
    cairo_surface_flush(src);
    cairo_surface_flush(dst);
    double sdx = 0, sdy = 0, ddx = 0, ddy = 0;
    cairo_surface_get_device_offset(src, &sdx, &sdy);
    cairo_surface_get_device_offset(dst, &ddx, &ddy);
    // A source pixel (x, y) lies at device (x - sdx, y - sdy), the target's pixel at that + (ddx, ddy).
    int ox = static_cast<int>(std::lround(ddx - sdx)), oy = static_cast<int>(std::lround(ddy - sdy));
    int sw = cairo_image_surface_get_width(src), sh = cairo_image_surface_get_height(src);
    int dw = cairo_image_surface_get_width(dst), dh = cairo_image_surface_get_height(dst);
    int sstride = cairo_image_surface_get_stride(src), dstride = cairo_image_surface_get_stride(dst);
    unsigned char* sdata = cairo_image_surface_get_data(src);
    unsigned char* ddata = cairo_image_surface_get_data(dst);
    if (!sdata || !ddata) return;
    for (int y = 0; y < sh; ++y) {
        int ty = y + oy;
        if (ty < 0 || ty >= dh) continue;
        const auto* srow = reinterpret_cast<const uint32_t*>(sdata + static_cast<std::ptrdiff_t>(y) * sstride);
        auto* drow = reinterpret_cast<uint32_t*>(ddata + static_cast<std::ptrdiff_t>(ty) * dstride);
        for (int x = 0; x < sw; ++x) {
            int tx = x + ox;
            uint32_t sp = srow[x];
            if (tx < 0 || tx >= dw || sp == 0) continue;
            uint32_t dp = drow[tx];
            uint32_t da = dp >> 24, sa = sp >> 24;
            uint32_t out = da << 24;
            for (int sh8 = 0; sh8 < 24; sh8 += 8) {
                int d = static_cast<int>((dp >> sh8) & 0xFF), c = static_cast<int>((sp >> sh8) & 0xFF);
                int v = mode == BLEND_SUBTRACT ? std::max(0, d - c)
                                               : d + ((static_cast<int>(da) - 2 * d) * static_cast<int>(sa) + 127) / 255;
                out |= static_cast<uint32_t>(std::clamp(v, 0, static_cast<int>(da))) << sh8;
            }
            drow[tx] = out;
        }
    }
    cairo_surface_mark_dirty(dst);
}
}  // namespace

Renderer::~Renderer() {
    if (frameCr_) cairo_destroy(frameCr_);
    if (frameSurface_) cairo_surface_destroy(frameSurface_);
    if (frameImage_) pixman_image_unref(frameImage_);
}

void Renderer::clipTarget(Rasterizer::Target& target, const Matrix2D& m, const Rect2D& r) {
    if (!target.boxClip) return;
    // cairo maps the rectangle's corner as a point and its sides as distances.
    double x0, y0;
    m.apply(r.x, r.y, x0, y0);
    double x1 = x0 + (m.a * r.width + m.c * 0.0), y1 = y0 + (m.b * 0.0 + m.d * r.height);
    auto whole = [](double v) { return v == std::floor(v) && std::fabs(v) <= 4194304.0; };
    if (m.b != 0 || m.c != 0 || !whole(x0) || !whole(y0) || !whole(x1) || !whole(y1) ||
        !whole(m.a * r.width) || !whole(m.d * r.height)) {
        target.boxClip = false;
        return;
    }
    target.x0 = std::max(target.x0, static_cast<int>(std::min(x0, x1)));
    target.y0 = std::max(target.y0, static_cast<int>(std::min(y0, y1)));
    target.x1 = std::min(target.x1, static_cast<int>(std::max(x0, x1)));
    target.y1 = std::min(target.y1, static_cast<int>(std::max(y0, y1)));
}

Rasterizer::Target Renderer::targetOf(pixman_image_t* image, int w, int h, const Rect2D* clip) {
    Rasterizer::Target t;
    t.image = image;
    t.x1 = w;
    t.y1 = h;
    t.boxClip = image != nullptr;
    if (clip) clipTarget(t, Matrix2D{}, *clip);
    return t;
}

int Renderer::blendModeOf(const std::string& text) {
    static const char* const NAMES[] = {"NORMAL", "LAYER",   "MULTIPLY", "SCREEN", "LIGHTEN", "DARKEN",  "DIFFERENCE",
                                        "ADD",    "SUBTRACT", "INVERT",  "ALPHA",  "ERASE",   "OVERLAY", "HARDLIGHT"};
    std::string name = text.substr(text.find_last_of('.') == std::string::npos ? 0 : text.find_last_of('.') + 1);
    for (int i = 0; i < 14; ++i)
        if (name == NAMES[i]) return i;
    return 0;
}

void Renderer::callDirect(int index, const Matrix2D& content) {
    drewDirect_ = true;
    alphaTouched_ = true;
    const NodeStore::Node& n = store_->at(index);
    // A node with a scroll rectangle draws a buffer of that rectangle's size, shown over the
    // rectangle where the node stands (GL's window origin at its lower left corner); one without
    // draws over the whole target, in its pixels.
    cairo_surface_t* surface = cairo_get_target(cr_);
    int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
    Matrix2D place;
    if (n.hasScrollRect) {
        width = std::max(1, static_cast<int>(std::ceil(n.scrollRect.width)));
        height = std::max(1, static_cast<int>(std::ceil(n.scrollRect.height)));
        place = content.after(Matrix2D{1, 0, 0, 1, n.scrollRect.x, n.scrollRect.y});
    }
    auto rect = runtime::make<runtime::DynamicObject>();
    rect->setField("x", runtime::Value(0));
    rect->setField("y", runtime::Value(0));
    rect->setField("width", runtime::Value(width));
    rect->setField("height", runtime::Value(height));
    runtime::Value keep = n.directCallback;
    const runtime::Value arg(rect);
    DirectLayer* layer = DirectLayer::installed();
    // The layer is drawn over the background, which must be in place first.
    if (layer && target_.backdrop) target_.backdrop->settle();
    if (layer) layer->begin(width, height);
    try {
        keep.function()->callArgs(&arg, 1);
    } catch (...) {
        // Drawing code's failures stay out of the renderer.
    }
    if (!layer) return;
    cairo_save(cr_);
    setMatrix(cr_, place);
    layer->end(cr_);
    cairo_restore(cr_);
}

void Renderer::drawText(TextFieldModel& text, const Matrix2D& content, const ColorTransform8& ct, int blend) {
    Surface* image = text.image();
    if (!image) return;
    // The field's picture as one smoothed bitmap rectangle at the node's origin.
    textList_.clear();
    GraphicsList::Command fill;
    fill.op = GraphicsList::Op::BeginBitmapFill;
    fill.flags = 4;
    fill.surface = runtime::Ref<Surface>(image);
    textList_.add(std::move(fill));
    GraphicsList::Command r;
    r.op = GraphicsList::Op::Rect;
    r.v[2] = image->width();
    r.v[3] = image->height();
    textList_.add(std::move(r));
    raster_.draw(cr_, textList_, content, ct, Rasterizer::blendOperator(blend), &target_);
}

void Renderer::renderNode(int index, const Matrix2D& parent, const ColorTransform8& parentCt, int blend, bool own) {
    const NodeStore::Node& n = store_->at(index);
    bool asMask = index == maskRoot_;
    // A mask shows only through the objects it masks, whatever its visibility.
    if (own && !asMask && (!n.visible || store_->isMask(index))) return;
    Matrix2D nodeM = own ? parent.after(store_->localMatrix(index)) : parent;
    ColorTransform8 ct = own ? parentCt.after(n.color) : parentCt;
    // Nothing of a fully transparent subtree shows.
    if (ct.alphaMultiplier <= 0 && ct.alphaOffset <= 0) return;
    if (n.blendMode > 1) blend = n.blendMode;
    Matrix2D content = nodeM.after(store_->contentToNode(index));
    if (!Rasterizer::usable(content)) return;
    int mask = store_->maskOf(index);
    if (mask >= 0 && mask != index && maskDepth_ < MAX_MASK_DEPTH) {
        renderMasked(index, mask, nodeM, content, ct, blend);
        return;
    }
    // Subtract and invert start where they are set (or handed to a tree drawing): the subtree
    // is drawn normally into a layer that is then composited by hand.
    if (layerBlend(blend) && (!own || n.blendMode == blend)) {
        Rasterizer::Target saved = beginLayer();
        renderBody(index, nodeM, content, ct, 0);
        cairo_pattern_t* layer = cairo_pop_group(cr_);
        compositeLayer(cr_, layer, blend);
        cairo_pattern_destroy(layer);
        target_ = saved;
        return;
    }
    renderBody(index, nodeM, content, ct, blend);
}

Rasterizer::Target Renderer::beginLayer() {
    // What lies below must be in the pixels before a layer is composited onto them, and the
    // layer's own drawing goes through cairo, not straight to the target.
    if (target_.backdrop) target_.backdrop->settle();
    Rasterizer::Target saved = target_;
    target_.image = nullptr;
    target_.boxClip = false;
    target_.backdrop = nullptr;
    cairo_push_group(cr_);
    return saved;
}

void Renderer::renderMasked(int index, int mask, const Matrix2D& nodeM, const Matrix2D& content,
                            const ColorTransform8& ct, int blend) {
    // The object is drawn into a layer, and the layer shows through the alpha of the mask as
    // drawn where it stands on the stage.
    Rasterizer::Target saved = beginLayer();
    renderBody(index, nodeM, content, ct, blend);
    cairo_pattern_t* layer = cairo_pop_group(cr_);

    cairo_push_group_with_content(cr_, CAIRO_CONTENT_ALPHA);
    // Stage space to this target: the object's content matrix over its stage matrix.
    Matrix2D stageToTarget = content.after(store_->concatenatedMatrix(index).inverted());
    int maskParent = store_->at(mask).parent;
    Matrix2D maskSpace =
        store_->valid(maskParent) ? stageToTarget.after(store_->concatenatedMatrix(maskParent)) : stageToTarget;
    int outerRoot = maskRoot_;
    maskRoot_ = mask;
    ++maskDepth_;
    if (Rasterizer::usable(maskSpace)) renderNode(mask, maskSpace, ColorTransform8{}, 0, true);
    --maskDepth_;
    maskRoot_ = outerRoot;
    cairo_pattern_t* coverage = cairo_pop_group(cr_);

    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    cairo_set_source(cr_, layer);
    cairo_mask(cr_, coverage);
    cairo_restore(cr_);
    cairo_pattern_destroy(coverage);
    cairo_pattern_destroy(layer);
    target_ = saved;
}

void Renderer::renderBody(int index, const Matrix2D& nodeM, const Matrix2D& content, const ColorTransform8& ct,
                          int blend) {
    const NodeStore::Node& n = store_->at(index);
    bool clipped = n.hasScrollRect;
    Rasterizer::Target outer = target_;
    if (clipped) {
        if (n.scrollRect.empty()) return;
        clipTarget(target_, content, n.scrollRect);
        cairo_save(cr_);
        setMatrix(cr_, content);
        cairo_new_path(cr_);
        cairo_rectangle(cr_, n.scrollRect.x, n.scrollRect.y, n.scrollRect.width, n.scrollRect.height);
        cairo_clip(cr_);
    }
    if (n.background != 0 && n.kind != NodeStore::Kind::Stage) {
        Rect2D b = store_->localBounds(index);
        if (!b.empty()) {
            uint32_t rgb = static_cast<uint32_t>(n.background) & 0xFFFFFF;
            ColorTransform8 c = ct;
            setMatrix(cr_, nodeM);
            double r = std::clamp((((rgb >> 16) & 0xFF) * c.redMultiplier + c.redOffset) / 255.0, 0.0, 1.0);
            double g = std::clamp((((rgb >> 8) & 0xFF) * c.greenMultiplier + c.greenOffset) / 255.0, 0.0, 1.0);
            double bl = std::clamp(((rgb & 0xFF) * c.blueMultiplier + c.blueOffset) / 255.0, 0.0, 1.0);
            double a = std::clamp((255.0 * c.alphaMultiplier + c.alphaOffset) / 255.0, 0.0, 1.0);
            if (target_.backdrop) target_.backdrop->settle();
            cairo_set_source_rgba(cr_, r, g, bl, a);
            cairo_set_operator(cr_, Rasterizer::blendOperator(blend));
            if (!Rasterizer::keepsOpaque(Rasterizer::blendOperator(blend))) alphaTouched_ = true;
            cairo_new_path(cr_);
            cairo_rectangle(cr_, b.x, b.y, b.width, b.height);
            cairo_fill(cr_);
        }
    }
    if (!n.graphics.empty()) raster_.draw(cr_, n.graphics, content, ct, Rasterizer::blendOperator(blend), &target_);
    if (n.text) drawText(*n.text, content, ct, blend);
    if (n.kind == NodeStore::Kind::Direct && n.directCallback.isFunction()) callDirect(index, content);
    for (std::size_t i = 0; i < n.children.size(); ++i) {
        // A child's drawing may not change the list, but read it by index all the same.
        int c = store_->at(index).children[i];
        if (store_->valid(c)) renderNode(c, content, ct, blend, true);
    }
    if (clipped) {
        cairo_restore(cr_);
        target_ = outer;
    }
}

void Renderer::renderFrame(NodeStore& store, int stage, uint32_t* pixels, int w, int h, int stride) {
    drewDirect_ = false;
    if (!pixels || w <= 0 || h <= 0) return;
    if (!frameCr_ || pixels != framePixels_ || w != frameW_ || h != frameH_ || stride != frameStride_ ||
        cairo_status(frameCr_) != CAIRO_STATUS_SUCCESS) {
        if (frameCr_) cairo_destroy(frameCr_);
        if (frameSurface_) cairo_surface_destroy(frameSurface_);
        if (frameImage_) pixman_image_unref(frameImage_);
        frameSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels), CAIRO_FORMAT_ARGB32,
                                                            w, h, stride * 4);
        frameCr_ = cairo_create(frameSurface_);
        frameImage_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h, pixels, stride * 4);
        framePixels_ = pixels;
        frameW_ = w;
        frameH_ = h;
        frameStride_ = stride;
    }
    int background = store.valid(stage) ? store.at(stage).background : 0;
    uint32_t bg = 0xFF000000u | (static_cast<uint32_t>(background) & 0xFFFFFFu);
    cairo_surface_flush(frameSurface_);
    // The background is filled in before the first draw, or not at all when the first draw
    // covers the frame.
    backdrop_ = {pixels, w, h, stride, bg};
    if (!direct_ || !store.valid(stage)) backdrop_.settle();
    cairo_surface_mark_dirty(frameSurface_);
    if (!store.valid(stage)) return;
    store_ = &store;
    cr_ = frameCr_;
    cairo_reset_clip(cr_);
    target_ = targetOf(direct_ ? frameImage_ : nullptr, w, h, nullptr);
    target_.backdrop = &backdrop_;
    renderNode(stage, Matrix2D{}, ColorTransform8{}, 0, true);
    backdrop_.settle();
    cairo_surface_flush(frameSurface_);
    cr_ = nullptr;
    target_ = {};
}

void Renderer::drawTree(NodeStore& store, int root, Surface& target, const Matrix2D& matrix, const ColorTransform8& ct,
                        int blendMode, const Rect2D* clip) {
    if (!store.valid(root) || !Rasterizer::usable(matrix)) return;
    cairo_t* cr = target.beginDrawing();
    if (!cr) return;
    if (clip) {
        cairo_rectangle(cr, clip->x, clip->y, clip->width, clip->height);
        cairo_clip(cr);
    }
    store_ = &store;
    cr_ = cr;
    target_ = targetOf(direct_ ? target.pixmanImage() : nullptr, target.width(), target.height(), clip);
    raster_.resetAlphaTouched();
    alphaTouched_ = false;
    renderNode(root, matrix, ct, blendMode, false);
    cr_ = nullptr;
    target_ = {};
    target.endDrawing(cr, !alphaTouched_ && !raster_.alphaTouched());
}

void Renderer::drawSurface(Surface& source, Surface& target, const Matrix2D& matrix, const ColorTransform8& ct,
                           int blendMode, const Rect2D* clip, bool smoothing) {
    if (source.empty() || !Rasterizer::usable(matrix)) return;
    GraphicsList list;
    GraphicsList::Command fill;
    fill.op = GraphicsList::Op::BeginBitmapFill;
    fill.flags = smoothing ? 4 : 0;
    // Drawing a surface into itself reads from a copy.
    if (&source == &target) {
        auto copy = runtime::make<Surface>(source.width(), source.height(), source.transparent(), 0);
        copy->copyFrom(source, {0, 0, static_cast<double>(source.width()), static_cast<double>(source.height())}, 0, 0,
                       false);
        fill.surface = copy;
    } else {
        fill.surface = runtime::Ref<Surface>(&source);
    }
    list.add(std::move(fill));
    GraphicsList::Command r;
    r.op = GraphicsList::Op::Rect;
    r.v[2] = source.width();
    r.v[3] = source.height();
    list.add(std::move(r));
    cairo_t* cr = target.beginDrawing();
    if (!cr) return;
    if (clip) {
        cairo_rectangle(cr, clip->x, clip->y, clip->width, clip->height);
        cairo_clip(cr);
    }
    Rasterizer raster;
    if (layerBlend(blendMode)) {
        cairo_push_group(cr);
        raster.draw(cr, list, matrix, ct, CAIRO_OPERATOR_OVER, nullptr);
        cairo_pattern_t* layer = cairo_pop_group(cr);
        compositeLayer(cr, layer, blendMode);
        cairo_pattern_destroy(layer);
    } else {
        Rasterizer::Target fast = targetOf(target.pixmanImage(), target.width(), target.height(), clip);
        raster.draw(cr, list, matrix, ct, Rasterizer::blendOperator(blendMode), &fast);
    }
    target.endDrawing(cr, !raster.alphaTouched());
}

}  // namespace media
