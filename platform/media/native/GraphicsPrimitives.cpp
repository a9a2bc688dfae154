// Vector-drawing, tile-sheet and draw-to-surface primitives. Each drawing command is appended
// to the node's list at once; the node's content bounds follow the list.
#include <algorithm>
#include <cmath>

#include "Records.h"
#include "GraphicsHandle.h"
#include "NodeHandle.h"
#include "Renderer.h"
#include "TileSheet.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/Array.h"

using media::GraphicsList;
using media::NodeStore;
using runtime::Value;
using Op = media::GraphicsList::Op;

namespace {
NodeStore& store() { return NodeStore::get(); }

void numbers(const Value& v, std::vector<double>& out) {
    out.clear();
    if (auto* a = v.as<runtime::Array>()) {
        out.reserve(a->items.size());
        for (const Value& x : a->items) out.push_back(x.toFloat());
    }
}

void integers(const Value& v, std::vector<int>& out) {
    out.clear();
    if (auto* a = v.as<runtime::Array>()) {
        out.reserve(a->items.size());
        for (const Value& x : a->items) out.push_back(x.toInt());
    }
}

void colors(const Value& v, std::vector<uint32_t>& out) {
    out.clear();
    if (auto* a = v.as<runtime::Array>()) {
        out.reserve(a->items.size());
        for (const Value& x : a->items) out.push_back(static_cast<uint32_t>(x.toInt()));
    }
}

bool matrixInto(const Value& m, double* v) {
    if (m.isNull()) return false;
    media::Matrix2D r = media::Records::matrix(m);
    v[0] = r.a;
    v[1] = r.b;
    v[2] = r.c;
    v[3] = r.d;
    v[4] = r.tx;
    v[5] = r.ty;
    return true;
}

// Appends c to the list of the graphics handle g.
void append(const Value& g, GraphicsList::Command c) {
    auto* h = g.as<media::GraphicsHandle>();
    int n = h ? h->node() : -1;
    if (n < 0) return;
    NodeStore::Node& node = store().at(n);
    node.graphics.add(std::move(c));
    node.contentBounds = node.graphics.bounds();
    if (node.text) node.contentBounds = node.contentBounds.united({0, 0, node.text->width(), node.text->height()});
}

GraphicsList::Command command(Op op) {
    GraphicsList::Command c;
    c.op = op;
    return c;
}

GraphicsList::Command bitmapFill(Op op, const Value* args, int argc) {
    GraphicsList::Command c = command(op);
    c.surface = runtime::Ref<media::Surface>(MEDIA_ARG(1).as<media::Surface>());
    if (matrixInto(MEDIA_ARG(2), c.v)) c.flags |= 1;
    if (MEDIA_ARG(3).toBool()) c.flags |= 2;
    if (MEDIA_ARG(4).toBool()) c.flags |= 4;
    return c;
}

GraphicsList::Command gradientFill(Op op, const Value* args, int argc) {
    GraphicsList::Command c = command(op);
    c.ints = {MEDIA_ARG(1).toInt(), MEDIA_ARG(6).toInt(), MEDIA_ARG(7).toInt()};
    colors(MEDIA_ARG(2), c.colors);
    std::size_t n = c.colors.size();
    std::vector<double> alphas, ratios;
    numbers(MEDIA_ARG(3), alphas);
    numbers(MEDIA_ARG(4), ratios);
    // n alphas (1 where missing), then n ratios (spread evenly where missing).
    c.data.resize(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        c.data[i] = i < alphas.size() ? alphas[i] : 1.0;
        c.data[n + i] = i < ratios.size() ? ratios[i] : (n > 1 ? 255.0 * static_cast<double>(i) / static_cast<double>(n - 1) : 0);
    }
    if (!matrixInto(MEDIA_ARG(5), c.v)) {
        // The 200 × 200 box centred on the origin.
        c.v[0] = c.v[3] = 200 / 1638.4;
        c.v[4] = c.v[5] = 0;
    }
    c.v[6] = MEDIA_ARG(8).toFloat();
    return c;
}
}  // namespace

MEDIA_EXPORT(media_native_display_object_get_graphics, 1) {
    auto* h = MEDIA_ARG(0).as<media::NodeHandle>();
    if (!h || !store().valid(h->index)) return {};
    return Value(runtime::make<media::GraphicsHandle>(h->index, store().at(h->index).id));
}

MEDIA_EXPORT(media_native_gfx_clear, 1) {
    auto* h = MEDIA_ARG(0).as<media::GraphicsHandle>();
    int n = h ? h->node() : -1;
    if (n < 0) return {};
    NodeStore::Node& node = store().at(n);
    node.graphics.clear();
    node.contentBounds = node.text ? media::Rect2D{0, 0, node.text->width(), node.text->height()} : media::Rect2D{};
    return {};
}

MEDIA_EXPORT(media_native_gfx_begin_fill, 3) {
    GraphicsList::Command c = command(Op::BeginFill);
    c.v[0] = static_cast<double>(static_cast<uint32_t>(MEDIA_ARG(1).toInt()) & 0xFFFFFFu);
    c.v[1] = MEDIA_ARG(2).isNull() ? 1.0 : MEDIA_ARG(2).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_begin_bitmap_fill, 5) {
    append(MEDIA_ARG(0), bitmapFill(Op::BeginBitmapFill, args, argc));
    return {};
}

MEDIA_EXPORT(media_native_gfx_line_bitmap_fill, 5) {
    append(MEDIA_ARG(0), bitmapFill(Op::LineBitmapStyle, args, argc));
    return {};
}

MEDIA_EXPORT(media_native_gfx_begin_gradient_fill, MULT) {
    append(MEDIA_ARG(0), gradientFill(Op::BeginGradientFill, args, argc));
    return {};
}

MEDIA_EXPORT(media_native_gfx_line_gradient_fill, MULT) {
    append(MEDIA_ARG(0), gradientFill(Op::LineGradientStyle, args, argc));
    return {};
}

MEDIA_EXPORT(media_native_gfx_end_fill, 1) {
    append(MEDIA_ARG(0), command(Op::EndFill));
    return {};
}

// An absent thickness ends lines; 0 is a hairline of one pixel.
MEDIA_EXPORT(media_native_gfx_line_style, MULT) {
    GraphicsList::Command c = command(Op::LineStyle);
    if (!MEDIA_ARG(1).isNull()) {
        c.flags = 1;
        c.v[0] = std::max(MEDIA_ARG(1).toFloat(), 0.0);
    }
    c.v[1] = static_cast<double>(static_cast<uint32_t>(MEDIA_ARG(2).toInt()) & 0xFFFFFFu);
    c.v[2] = MEDIA_ARG(3).isNull() ? 1.0 : MEDIA_ARG(3).toFloat();
    c.v[3] = MEDIA_ARG(8).isNull() ? 3.0 : MEDIA_ARG(8).toFloat();
    c.ints = {MEDIA_ARG(4).toBool() ? 1 : 0, MEDIA_ARG(5).toInt(), MEDIA_ARG(6).toInt(), MEDIA_ARG(7).toInt()};
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_move_to, 3) {
    GraphicsList::Command c = command(Op::MoveTo);
    c.v[0] = MEDIA_ARG(1).toFloat();
    c.v[1] = MEDIA_ARG(2).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_line_to, 3) {
    GraphicsList::Command c = command(Op::LineTo);
    c.v[0] = MEDIA_ARG(1).toFloat();
    c.v[1] = MEDIA_ARG(2).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_curve_to, 5) {
    GraphicsList::Command c = command(Op::CurveTo);
    for (int i = 0; i < 4; ++i) c.v[i] = MEDIA_ARG(i + 1).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

// A curve through the control point, as curve_to.
MEDIA_EXPORT(media_native_gfx_arc_to, 5) {
    GraphicsList::Command c = command(Op::CurveTo);
    for (int i = 0; i < 4; ++i) c.v[i] = MEDIA_ARG(i + 1).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_ellipse, 5) {
    GraphicsList::Command c = command(Op::Ellipse);
    for (int i = 0; i < 4; ++i) c.v[i] = MEDIA_ARG(i + 1).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_rect, 5) {
    GraphicsList::Command c = command(Op::Rect);
    for (int i = 0; i < 4; ++i) c.v[i] = MEDIA_ARG(i + 1).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

// Corner sizes are the width and height of the corner ellipses.
MEDIA_EXPORT(media_native_gfx_draw_round_rect, MULT) {
    GraphicsList::Command c = command(Op::RoundRect);
    for (int i = 0; i < 5; ++i) c.v[i] = MEDIA_ARG(i + 1).toFloat();
    c.v[5] = MEDIA_ARG(6).isNull() ? c.v[4] : MEDIA_ARG(6).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_path, 4) {
    GraphicsList::Command c = command(Op::Path);
    integers(MEDIA_ARG(1), c.ints);
    numbers(MEDIA_ARG(2), c.data);
    c.flags = MEDIA_ARG(3).toBool() ? 1 : 0;
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_tiles, 5) {
    auto* sheet = MEDIA_ARG(1).as<media::TileSheet>();
    if (!sheet) return {};
    GraphicsList::Command c = command(Op::Tiles);
    c.sheet = runtime::Ref<media::TileSheet>(sheet);
    numbers(MEDIA_ARG(2), c.data);
    c.flags = MEDIA_ARG(3).toInt();
    int count = MEDIA_ARG(4).isNull() ? -1 : MEDIA_ARG(4).toInt();
    if (count >= 0 && static_cast<std::size_t>(count) < c.data.size()) c.data.resize(static_cast<std::size_t>(count));
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_points, MULT) {
    GraphicsList::Command c = command(Op::Points);
    numbers(MEDIA_ARG(1), c.data);
    if (!MEDIA_ARG(2).isNull()) {
        colors(MEDIA_ARG(2), c.colors);
        c.flags = 1;
    }
    c.v[0] = static_cast<double>(static_cast<uint32_t>(MEDIA_ARG(3).toInt()));
    c.v[1] = MEDIA_ARG(5).isNull() ? -1.0 : MEDIA_ARG(5).toFloat();
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

MEDIA_EXPORT(media_native_gfx_draw_triangles, MULT) {
    GraphicsList::Command c = command(Op::Triangles);
    numbers(MEDIA_ARG(1), c.data);
    c.flags = static_cast<int>(c.data.size());
    integers(MEDIA_ARG(2), c.ints);
    std::vector<double> uvt;
    numbers(MEDIA_ARG(3), uvt);
    c.v[1] = static_cast<double>(uvt.size());
    c.data.insert(c.data.end(), uvt.begin(), uvt.end());
    c.v[0] = MEDIA_ARG(4).toInt();
    colors(MEDIA_ARG(5), c.colors);
    append(MEDIA_ARG(0), std::move(c));
    return {};
}

// Prepared drawing records are never made: nothing to draw.
MEDIA_EXPORT(media_native_gfx_draw_data, 2) { return {}; }
MEDIA_EXPORT(media_native_gfx_draw_datum, 2) { return {}; }

MEDIA_EXPORT(media_native_tilesheet_create, 1) {
    return Value(runtime::make<media::TileSheet>(runtime::Ref<media::Surface>(MEDIA_ARG(0).as<media::Surface>())));
}

MEDIA_EXPORT(media_native_tilesheet_add_rect, 3) {
    auto* sheet = MEDIA_ARG(0).as<media::TileSheet>();
    if (!sheet || MEDIA_ARG(1).isNull()) return {};
    const Value& p = MEDIA_ARG(2);
    return Value(sheet->addTile(media::Records::rect(MEDIA_ARG(1)), p.isNull() ? 0.0 : p.field("x").toFloat(),
                                p.isNull() ? 0.0 : p.field("y").toFloat()));
}

MEDIA_EXPORT(media_native_display_object_draw_to_surface, MULT) {
    auto* h = MEDIA_ARG(0).as<media::NodeHandle>();
    auto* target = MEDIA_ARG(1).as<media::Surface>();
    if (!h || !store().valid(h->index) || !target || target->empty()) return {};
    media::Matrix2D m = media::Records::matrix(MEDIA_ARG(2));
    media::ColorTransform8 ct = media::Records::colorTransform(MEDIA_ARG(3));
    std::string blend = MEDIA_ARG(4).isNull() ? std::string() : MEDIA_ARG(4).toText();
    media::Rect2D clip;
    bool hasClip = !MEDIA_ARG(5).isNull();
    if (hasClip) clip = media::Records::rect(MEDIA_ARG(5));
    static media::Renderer* renderer = new media::Renderer();
    renderer->drawTree(store(), h->index, *target, m, ct,
                       media::Renderer::blendModeOf(blend), hasClip ? &clip : nullptr);
    return {};
}
