// Display-object and container primitives over the node store.
#include <cmath>

#include "Backend.h"
#include "NodeHandle.h"
#include "Records.h"
#include "platform/media/MediaExport.h"

using media::NodeStore;
using runtime::Value;

namespace {
NodeStore& store() { return NodeStore::get(); }

// The node of a handle argument, or -1 (null, released or foreign handles).
int nodeOf(const Value& v) {
    auto* h = v.as<media::NodeHandle>();
    return h && store().valid(h->index) ? h->index : -1;
}

}  // namespace

// Getters answer null for a missing node (read by the framework as 0, false or null);
// setters on a missing node do nothing.
#define NODE_OR_NULL(argIndex)       \
    int n = nodeOf(MEDIA_ARG(argIndex)); \
    if (n < 0) return {};

#define NODE_FIELD(NAME, FIELD, TYPE)                                       \
    MEDIA_EXPORT(media_native_display_object_get_##NAME, 1) {               \
        NODE_OR_NULL(0);                                                    \
        return Value(store().at(n).FIELD);                                  \
    }                                                                       \
    MEDIA_EXPORT(media_native_display_object_set_##NAME, 2) {               \
        NODE_OR_NULL(0);                                                    \
        store().at(n).FIELD = MEDIA_ARG(1).TYPE();                          \
        return {};                                                          \
    }

NODE_FIELD(x, x, toFloat)
NODE_FIELD(y, y, toFloat)
NODE_FIELD(z, z, toFloat)
NODE_FIELD(scale_x, scaleX, toFloat)
NODE_FIELD(scale_y, scaleY, toFloat)
NODE_FIELD(alpha, color.alphaMultiplier, toFloat)
NODE_FIELD(visible, visible, toBool)
NODE_FIELD(cache_as_bitmap, cacheAsBitmap, toBool)
NODE_FIELD(pedantic_bitmap_caching, pedanticBitmapCaching, toBool)
NODE_FIELD(needs_soft_keyboard, needsSoftKeyboard, toBool)
NODE_FIELD(moves_for_soft_keyboard, movesForSoftKeyboard, toBool)

MEDIA_EXPORT(media_native_create_display_object, 0) {
    return Value(runtime::make<media::NodeHandle>(NodeStore::Kind::Object));
}

MEDIA_EXPORT(media_native_create_display_object_container, 0) {
    return Value(runtime::make<media::NodeHandle>(NodeStore::Kind::Container));
}

MEDIA_EXPORT(media_native_display_object_release, 1) {
    if (auto* h = MEDIA_ARG(0).as<media::NodeHandle>()) h->release();
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_id, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).id);
}

MEDIA_EXPORT(media_native_display_object_get_rotation, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).rotation);
}

MEDIA_EXPORT(media_native_display_object_set_rotation, 2) {
    NODE_OR_NULL(0);
    double r = std::fmod(MEDIA_ARG(1).toFloat(), 360.0);
    if (r > 180) r -= 360;
    if (r < -180) r += 360;
    store().at(n).rotation = r;
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_width, 1) {
    NODE_OR_NULL(0);
    return Value(store().displayWidth(n));
}

// A text field's width and height are its box's (in the parent's space); other nodes scale.
MEDIA_EXPORT(media_native_display_object_set_width, 2) {
    NODE_OR_NULL(0);
    auto& node = store().at(n);
    if (node.text) {
        if (node.scaleX != 0) node.text->setWidth(MEDIA_ARG(1).toFloat() / std::fabs(node.scaleX));
        node.text->update();
        node.contentBounds = {0, 0, node.text->width(), node.text->height()};
        return {};
    }
    store().setDisplayWidth(n, MEDIA_ARG(1).toFloat());
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_height, 1) {
    NODE_OR_NULL(0);
    return Value(store().displayHeight(n));
}

MEDIA_EXPORT(media_native_display_object_set_height, 2) {
    NODE_OR_NULL(0);
    auto& node = store().at(n);
    if (node.text) {
        if (node.scaleY != 0) node.text->setHeight(MEDIA_ARG(1).toFloat() / std::fabs(node.scaleY));
        node.text->update();
        node.contentBounds = {0, 0, node.text->width(), node.text->height()};
        return {};
    }
    store().setDisplayHeight(n, MEDIA_ARG(1).toFloat());
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_name, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).name);
}

MEDIA_EXPORT(media_native_display_object_set_name, 2) {
    NODE_OR_NULL(0);
    store().at(n).name = MEDIA_ARG(1).isNull() ? std::string() : MEDIA_ARG(1).toText();
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_bg, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).background);
}

MEDIA_EXPORT(media_native_display_object_set_bg, 2) {
    NODE_OR_NULL(0);
    int v = MEDIA_ARG(1).toInt();
    store().at(n).background = v == 0 ? 0 : (0x01000000 | (v & 0xFFFFFF));
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_blend_mode, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).blendMode);
}

MEDIA_EXPORT(media_native_display_object_set_blend_mode, 2) {
    NODE_OR_NULL(0);
    int mode = MEDIA_ARG(1).toInt();
    store().at(n).blendMode = mode >= 0 && mode <= 13 ? mode : 0;
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_pixel_snapping, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).pixelSnapping);
}

MEDIA_EXPORT(media_native_display_object_set_pixel_snapping, 2) {
    NODE_OR_NULL(0);
    int mode = MEDIA_ARG(1).toInt();
    store().at(n).pixelSnapping = mode >= 0 && mode <= 2 ? mode : 0;
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_filters, 2) {
    NODE_OR_NULL(0);
    store().at(n).filters = MEDIA_ARG(1);
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_mask, 2) {
    NODE_OR_NULL(0);
    store().setMask(n, nodeOf(MEDIA_ARG(1)));
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_scale9_grid, 2) {
    NODE_OR_NULL(0);
    auto& node = store().at(n);
    node.hasScale9Grid = !MEDIA_ARG(1).isNull();
    if (node.hasScale9Grid) node.scale9Grid = media::Records::rect(MEDIA_ARG(1));
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_scroll_rect, 2) {
    NODE_OR_NULL(0);
    auto& node = store().at(n);
    node.hasScrollRect = !MEDIA_ARG(1).isNull();
    if (node.hasScrollRect) node.scrollRect = media::Records::rect(MEDIA_ARG(1));
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_mouse_enabled, 2) {
    NODE_OR_NULL(0);
    store().at(n).mouseEnabled = MEDIA_ARG(1).toBool();
    return {};
}

MEDIA_EXPORT(media_native_display_object_dismiss_soft_keyboard, 1) { return Value(false); }
MEDIA_EXPORT(media_native_display_object_request_soft_keyboard, 1) { return Value(false); }

MEDIA_EXPORT(media_native_display_object_global_to_local, 2) {
    NODE_OR_NULL(0);
    double x = MEDIA_ARG(1).field("x").toFloat(), y = MEDIA_ARG(1).field("y").toFloat();
    store().globalToLocal(n, x, y);
    MEDIA_ARG(1).setField("x", Value(x));
    MEDIA_ARG(1).setField("y", Value(y));
    return {};
}

MEDIA_EXPORT(media_native_display_object_local_to_global, 2) {
    NODE_OR_NULL(0);
    double x = MEDIA_ARG(1).field("x").toFloat(), y = MEDIA_ARG(1).field("y").toFloat();
    store().localToGlobal(n, x, y);
    MEDIA_ARG(1).setField("x", Value(x));
    MEDIA_ARG(1).setField("y", Value(y));
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_matrix, 2) {
    NODE_OR_NULL(0);
    if (!MEDIA_ARG(1).isNull()) store().setLocalMatrix(n, media::Records::matrix(MEDIA_ARG(1)));
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_matrix, 3) {
    NODE_OR_NULL(0);
    media::Matrix2D m = MEDIA_ARG(2).toBool() ? store().concatenatedMatrix(n) : store().localMatrix(n);
    media::Records::writeMatrix(MEDIA_ARG(1), m);
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_color_transform, 3) {
    NODE_OR_NULL(0);
    media::ColorTransform8 ct = MEDIA_ARG(2).toBool() ? store().concatenatedColor(n) : store().at(n).color;
    media::Records::writeColorTransform(MEDIA_ARG(1), ct);
    return {};
}

MEDIA_EXPORT(media_native_display_object_set_color_transform, 2) {
    NODE_OR_NULL(0);
    store().at(n).color = media::Records::colorTransform(MEDIA_ARG(1));
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_pixel_bounds, 2) {
    NODE_OR_NULL(0);
    media::Rect2D r = store().bounds(n, -1, true);
    double l = std::floor(r.x), t = std::floor(r.y);
    media::Records::writeRect(MEDIA_ARG(1), {l, t, std::ceil(r.x + r.width) - l, std::ceil(r.y + r.height) - t});
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_bounds, 4) {
    NODE_OR_NULL(0);
    media::Records::writeRect(MEDIA_ARG(2), store().bounds(n, nodeOf(MEDIA_ARG(1)), MEDIA_ARG(3).toBool()));
    return {};
}

MEDIA_EXPORT(media_native_display_object_hit_test_point, 5) {
    NODE_OR_NULL(0);
    return Value(store().hitTestPoint(n, MEDIA_ARG(1).toFloat(), MEDIA_ARG(2).toFloat(), MEDIA_ARG(3).toBool()));
}

MEDIA_EXPORT(media_native_doc_add_child, 2) {
    store().addChild(nodeOf(MEDIA_ARG(0)), nodeOf(MEDIA_ARG(1)));
    return {};
}

MEDIA_EXPORT(media_native_doc_remove_child, 2) {
    store().removeChildAt(nodeOf(MEDIA_ARG(0)), MEDIA_ARG(1).toInt());
    return {};
}

MEDIA_EXPORT(media_native_doc_set_child_index, 3) {
    store().setChildIndex(nodeOf(MEDIA_ARG(0)), nodeOf(MEDIA_ARG(1)), MEDIA_ARG(2).toInt());
    return {};
}

MEDIA_EXPORT(media_native_doc_swap_children, 3) {
    store().swapChildren(nodeOf(MEDIA_ARG(0)), MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt());
    return {};
}

MEDIA_EXPORT(media_native_doc_get_mouse_children, 1) {
    NODE_OR_NULL(0);
    return Value(store().at(n).mouseChildren);
}

MEDIA_EXPORT(media_native_doc_set_mouse_children, 2) {
    NODE_OR_NULL(0);
    store().at(n).mouseChildren = MEDIA_ARG(1).toBool();
    return {};
}

MEDIA_EXPORT(media_native_display_object_get_mouse_x, 1) {
    NODE_OR_NULL(0);
    double x = media::Backend::get().pointerX(), y = media::Backend::get().pointerY();
    store().globalToLocal(n, x, y);
    return Value(x);
}

MEDIA_EXPORT(media_native_display_object_get_mouse_y, 1) {
    NODE_OR_NULL(0);
    double x = media::Backend::get().pointerX(), y = media::Backend::get().pointerY();
    store().globalToLocal(n, x, y);
    return Value(y);
}

MEDIA_EXPORT(media_native_direct_renderer_create, 0) {
    return Value(runtime::make<media::NodeHandle>(NodeStore::Kind::Direct));
}

MEDIA_EXPORT(media_native_direct_renderer_set, 2) {
    NODE_OR_NULL(0);
    store().at(n).directCallback = MEDIA_ARG(1).isFunction() ? MEDIA_ARG(1) : Value();
    return {};
}
