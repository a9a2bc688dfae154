#include "DisplayObject.h"

#include "DisplayObjectContainer.h"
#include "InteractiveObject.h"
#include "MovieClip.h"
#include "Stage.h"
#include "framework/Lib.h"
#include "framework/events/EventPhase.h"
#include "framework/geom/Transform.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

void DisplayObject::initClass() {
    static const bool done = [] {
#define FRAMEWORK_LOAD_SLOT(slot, primitive) slot = MEDIA_LOAD(primitive);
        FRAMEWORK_DISPLAY_OBJECT_PRIMITIVES(FRAMEWORK_LOAD_SLOT)
#undef FRAMEWORK_LOAD_SLOT
        return true;
    }();
    (void)done;
}

DisplayObject::DisplayObject(const Value& handle, const runtime::String& type) : EventDispatcher(this) {
    initClass();
    handle_ = handle;
    id_ = media_display_object_get_id(handle_).toInt();
    set_name(runtime::String(type.toText() + " " + std::to_string(id_)));
}

DisplayObject::~DisplayObject() {
    if (!media_display_object_release || handle_.isNull()) return;
    try {
        media_display_object_release(handle_);
    } catch (...) {
    }
}

// ---- geometry ----

Ref<Rectangle> DisplayObject::getBounds(const Ref<DisplayObject>& target) {
    auto r = runtime::make<Rectangle>();
    media_display_object_get_bounds(handle_, target ? target->handle_ : Value(), r, true);
    return r;
}

Ref<Rectangle> DisplayObject::getRect(const Ref<DisplayObject>& target) {
    auto r = runtime::make<Rectangle>();
    media_display_object_get_bounds(handle_, target ? target->handle_ : Value(), r, false);
    return r;
}

Ref<Point> DisplayObject::globalToLocal(const Ref<Point>& point) {
    Ref<Point> p = point->clone();
    media_display_object_global_to_local(handle_, p);
    return p;
}

Ref<Point> DisplayObject::localToGlobal(const Ref<Point>& point) {
    Ref<Point> p = point->clone();
    media_display_object_local_to_global(handle_, p);
    return p;
}

bool DisplayObject::hitTestObject(const Ref<DisplayObject>& other) {
    if (!other || !other->get_parent() || !get_parent()) return false;
    Ref<DisplayObject> self(this);
    return getBounds(self)->intersects(other->getBounds(self));
}

bool DisplayObject::hitTestPoint(double x, double y, bool shapeFlag) {
    return media_display_object_hit_test_point(handle_, x, y, shapeFlag, true).toBool();
}

void DisplayObject::getObjectsUnderPoint_(const Ref<Point>& point, std::vector<Ref<DisplayObject>>& result) {
    if (media_display_object_hit_test_point(handle_, point->x, point->y, true, false).toBool())
        result.push_back(Ref<DisplayObject>(this));
}

void DisplayObject::drawToSurface_(const Value& surface, const Ref<Matrix>& matrix,
                                   const Ref<ColorTransform>& colorTransform, const runtime::String& blendMode,
                                   const Ref<Rectangle>& clipRect, bool) {
    media_display_object_draw_to_surface(handle_, surface, matrix, colorTransform, blendMode, clipRect);
}

Ref<Matrix> DisplayObject::getMatrix_() {
    auto m = runtime::make<Matrix>();
    media_display_object_get_matrix(handle_, m, false);
    return m;
}

Ref<Matrix> DisplayObject::getConcatenatedMatrix_() {
    auto m = runtime::make<Matrix>();
    media_display_object_get_matrix(handle_, m, true);
    return m;
}

void DisplayObject::setMatrix_(const Ref<Matrix>& matrix) { media_display_object_set_matrix(handle_, matrix); }

Ref<ColorTransform> DisplayObject::getColorTransform_() {
    auto ct = runtime::make<ColorTransform>();
    media_display_object_get_color_transform(handle_, ct, false);
    return ct;
}

Ref<ColorTransform> DisplayObject::getConcatenatedColorTransform_() {
    auto ct = runtime::make<ColorTransform>();
    media_display_object_get_color_transform(handle_, ct, true);
    return ct;
}

void DisplayObject::setColorTransform_(const Ref<ColorTransform>& ct) {
    media_display_object_set_color_transform(handle_, ct);
}

Ref<Rectangle> DisplayObject::getPixelBounds_() {
    auto r = runtime::make<Rectangle>();
    media_display_object_get_pixel_bounds(handle_, r);
    return r;
}

// ---- events and the tree ----

DisplayObject* DisplayObject::findByID_(int id) { return id == id_ ? this : nullptr; }

void DisplayObject::getInteractiveObjectStack_(std::vector<Ref<DisplayObject>>& stack) {
    if (InteractiveObject* io = asInteractiveObject_()) stack.push_back(Ref<DisplayObject>(io));
    if (auto p = parent_.lock()) p->getInteractiveObjectStack_(stack);
}

bool DisplayObject::dispatchEvent_(const Ref<Event>& event) {
    Ref<runtime::Object> self(this);
    if (!event->get_target()) event->set_target(self);
    event->set_currentTarget(self);
    return EventDispatcher::dispatchEvent(event);
}

bool DisplayObject::dispatchEvent(const Ref<Event>& event) {
    Ref<DisplayObject> keep(this);
    bool result = dispatchEvent_(event);
    if (event->getIsCancelled_()) return true;
    if (event->get_bubbles()) {
        Ref<DisplayObjectContainer> p = get_parent();
        if (p && static_cast<DisplayObject*>(p.get()) != this) p->dispatchEvent(event);
    }
    return result;
}

namespace {
// Capture from the outermost of n ancestors (at(0) is the innermost), the target, then bubble.
template <class At>
void firePhases(DisplayObject* self, const Ref<Event>& event, std::size_t n, At at) {
    Ref<DisplayObject> keep(self);
    if (n > 0) {
        event->setPhase_(EventPhase::CAPTURING_PHASE);
        event->set_target(Ref<runtime::Object>(self));
        for (std::size_t i = n; i-- > 0;) {
            at(i)->dispatchEvent_(event);
            if (event->getIsCancelled_()) return;
        }
    }
    event->setPhase_(EventPhase::AT_TARGET);
    self->dispatchEvent_(event);
    if (event->getIsCancelled_() || !event->get_bubbles()) return;
    event->setPhase_(EventPhase::BUBBLING_PHASE);
    for (std::size_t i = 0; i < n; ++i) {
        at(i)->dispatchEvent_(event);
        if (event->getIsCancelled_()) return;
    }
}
}  // namespace

void DisplayObject::fireEvent_(const Ref<Event>& event) {
    std::vector<Ref<DisplayObject>> stack;
    if (auto p = parent_.lock()) p->getInteractiveObjectStack_(stack);
    firePhases(this, event, stack.size(), [&stack](std::size_t i) { return stack[i].get(); });
}

void DisplayObject::fireEventAlong_(const Ref<Event>& event, std::span<const Ref<InteractiveObject>> ancestors,
                                    bool innermostFirst) {
    const std::size_t n = ancestors.size();
    firePhases(this, event, n, [&](std::size_t i) -> DisplayObject* {
        return ancestors[innermostFirst ? i : n - 1 - i].get();
    });
}

void DisplayObject::broadcast_(const Ref<Event>& event) { dispatchEvent_(event); }

DisplayObjectContainer* DisplayObject::setParent_(DisplayObjectContainer* parent) {
    Ref<DisplayObject> keep(this);
    Ref<DisplayObjectContainer> old = parent_.lock();
    if (old.get() == parent) return parent;
    if (old) {
        old->removeChildFromArray_(this);
        bool wasOnStage = static_cast<bool>(get_stage());
        onRemoved_(this, wasOnStage);
    }
    parent_ = parent;
    if (parent) {
        bool onStage = static_cast<bool>(get_stage());
        onAdded_(this, onStage);
    }
    return parent;
}

void DisplayObject::onAdded_(DisplayObject* object, bool onStage) {
    if (object == this) {
        auto e = runtime::make<Event>(Event::ADDED, true, false);
        e->set_target(Ref<runtime::Object>(this));
        dispatchEvent(e);
    }
    if (onStage) {
        auto e = runtime::make<Event>(Event::ADDED_TO_STAGE, false, false);
        e->set_target(Ref<runtime::Object>(this));
        dispatchEvent(e);
    }
}

void DisplayObject::onRemoved_(DisplayObject* object, bool wasOnStage) {
    if (object == this) {
        auto e = runtime::make<Event>(Event::REMOVED, true, false);
        e->set_target(Ref<runtime::Object>(this));
        dispatchEvent(e);
    }
    if (wasOnStage) {
        auto e = runtime::make<Event>(Event::REMOVED_FROM_STAGE, false, false);
        e->set_target(Ref<runtime::Object>(this));
        dispatchEvent(e);
    }
}

// ---- properties ----

#define FORWARD_NUMBER(NAME, PRIM)                                         \
    double DisplayObject::get_##NAME() { return media_display_object_get_##PRIM(handle_).toFloat(); } \
    double DisplayObject::set_##NAME(double v) {                            \
        media_display_object_set_##PRIM(handle_, v);                        \
        return v;                                                           \
    }
#define FORWARD_BOOL(NAME, PRIM)                                           \
    bool DisplayObject::get_##NAME() { return media_display_object_get_##PRIM(handle_).toBool(); } \
    bool DisplayObject::set_##NAME(bool v) {                                \
        media_display_object_set_##PRIM(handle_, v);                        \
        return v;                                                           \
    }

FORWARD_NUMBER(x, x)
FORWARD_NUMBER(y, y)
FORWARD_NUMBER(z, z)
FORWARD_NUMBER(scaleX, scale_x)
FORWARD_NUMBER(scaleY, scale_y)
FORWARD_NUMBER(rotation, rotation)
FORWARD_NUMBER(alpha, alpha)
FORWARD_NUMBER(width, width)
FORWARD_NUMBER(height, height)
FORWARD_BOOL(visible, visible)
FORWARD_BOOL(cacheAsBitmap, cache_as_bitmap)
FORWARD_BOOL(pedanticBitmapCaching, pedantic_bitmap_caching)
#undef FORWARD_NUMBER
#undef FORWARD_BOOL

double DisplayObject::get_mouseX() { return media_display_object_get_mouse_x(handle_).toFloat(); }
double DisplayObject::get_mouseY() { return media_display_object_get_mouse_y(handle_).toFloat(); }

runtime::String DisplayObject::get_name() { return media_display_object_get_name(handle_).toStringValue(); }

runtime::String DisplayObject::set_name(const runtime::String& v) {
    media_display_object_set_name(handle_, v);
    return v;
}

Value DisplayObject::get_opaqueBackground() {
    int i = media_display_object_get_bg(handle_).toInt();
    return (i & 0x01000000) ? Value(i & 0xFFFFFF) : Value();
}

Value DisplayObject::set_opaqueBackground(const Value& v) {
    media_display_object_set_bg(handle_, v.isNull() ? Value(0) : v);
    return v;
}

BlendMode DisplayObject::get_blendMode() {
    return runtime::enumFromIndex<BlendMode>(media_display_object_get_blend_mode(handle_).toInt());
}

BlendMode DisplayObject::set_blendMode(BlendMode v) {
    media_display_object_set_blend_mode(handle_, static_cast<int>(v));
    return v;
}

Ref<runtime::Array> DisplayObject::get_filters() {
    auto out = runtime::make<runtime::Array>();
    if (filters_)
        for (const Value& f : filters_->items)
            if (auto* filter = f.as<BitmapFilter>()) out->push(Value(filter->clone()));
    return out;
}

Ref<runtime::Array> DisplayObject::set_filters(const Ref<runtime::Array>& v) {
    if (!v) {
        filters_ = nullptr;
    } else {
        filters_ = runtime::make<runtime::Array>();
        for (int i = 0; i < v->length(); ++i) {
            Value entry = v->at(i);
            if (auto* filter = entry.as<BitmapFilter>()) filters_->push(Value(filter->clone()));
        }
    }
    media_display_object_set_filters(handle_, filters_ ? Value(filters_) : Value());
    return get_filters();
}

Ref<Graphics> DisplayObject::get_graphics() {
    if (!graphicsCache_) graphicsCache_ = runtime::make<Graphics>(media_display_object_get_graphics(handle_));
    return graphicsCache_;
}

Ref<DisplayObject> DisplayObject::set_mask(const Ref<DisplayObject>& v) {
    mask = v;
    media_display_object_set_mask(handle_, v ? v->handle_ : Value());
    return v;
}

Ref<DisplayObjectContainer> DisplayObject::get_parent() { return parent_.lock(); }

Ref<Stage> DisplayObject::get_stage() {
    Ref<DisplayObjectContainer> p = parent_.lock();
    return p ? p->get_stage() : Ref<Stage>();
}

Ref<DisplayObject> DisplayObject::get_root() {
    if (!get_stage()) return nullptr;
    return Lib::get_current();
}

Ref<Rectangle> DisplayObject::get_scale9Grid() { return scale9Grid_ ? scale9Grid_->clone() : Ref<Rectangle>(); }

Ref<Rectangle> DisplayObject::set_scale9Grid(const Ref<Rectangle>& v) {
    scale9Grid_ = v ? v->clone() : Ref<Rectangle>();
    media_display_object_set_scale9_grid(handle_, scale9Grid_ ? Value(scale9Grid_) : Value());
    return v;
}

Ref<Rectangle> DisplayObject::get_scrollRect() { return scrollRect_ ? scrollRect_->clone() : Ref<Rectangle>(); }

Ref<Rectangle> DisplayObject::set_scrollRect(const Ref<Rectangle>& v) {
    scrollRect_ = v ? v->clone() : Ref<Rectangle>();
    media_display_object_set_scroll_rect(handle_, scrollRect_ ? Value(scrollRect_) : Value());
    return v;
}

Ref<Transform> DisplayObject::get_transform() { return runtime::make<Transform>(Ref<DisplayObject>(this)); }

Ref<Transform> DisplayObject::set_transform(const Ref<Transform>& v) {
    setMatrix_(v->get_matrix());
    setColorTransform_(v->get_colorTransform());
    return v;
}

std::string DisplayObject::toString() const {
    return const_cast<DisplayObject*>(this)->get_name().toText();
}

namespace {
// Each primitive slot is readable and replaceable by name.
void addSlotsByName(runtime::ClassBuilder<DisplayObject>& b) {
#define FRAMEWORK_SLOT_BY_NAME(slot, primitive) b.staticField<&DisplayObject::slot>(#slot);
    FRAMEWORK_DISPLAY_OBJECT_PRIMITIVES(FRAMEWORK_SLOT_BY_NAME)
#undef FRAMEWORK_SLOT_BY_NAME
}
}  // namespace

RUNTIME_DEFINE_CLASS(DisplayObject, "framework._native.display.DisplayObject", EventDispatcher, (auto& b) {
    using D = DisplayObject;
    b.template property<&D::get_alpha, &D::set_alpha>("alpha")
        .template property<&D::get_blendMode, &D::set_blendMode>("blendMode")
        .template property<&D::get_cacheAsBitmap, &D::set_cacheAsBitmap>("cacheAsBitmap")
        .template property<&D::get_filters, &D::set_filters>("filters")
        .template readOnlyProperty<&D::get_graphics>("graphics")
        .template property<&D::get_height, &D::set_height>("height")
        .template field<&D::loaderInfo>("loaderInfo")
        .template property<&D::get_mask_, &D::set_mask>("mask")
        .template readOnlyProperty<&D::get_mouseX>("mouseX")
        .template readOnlyProperty<&D::get_mouseY>("mouseY")
        .template property<&D::get_name, &D::set_name>("name")
        .template property<&D::get_opaqueBackground, &D::set_opaqueBackground>("opaqueBackground")
        .template readOnlyProperty<&D::get_parent>("parent")
        .template property<&D::get_pedanticBitmapCaching, &D::set_pedanticBitmapCaching>("pedanticBitmapCaching")
        .template readOnlyProperty<&D::get_root>("root")
        .template property<&D::get_rotation, &D::set_rotation>("rotation")
        .template property<&D::get_scale9Grid, &D::set_scale9Grid>("scale9Grid")
        .template property<&D::get_scaleX, &D::set_scaleX>("scaleX")
        .template property<&D::get_scaleY, &D::set_scaleY>("scaleY")
        .template property<&D::get_scrollRect, &D::set_scrollRect>("scrollRect")
        .template readOnlyProperty<&D::get_stage>("stage")
        .template property<&D::get_transform, &D::set_transform>("transform")
        .template property<&D::get_visible, &D::set_visible>("visible")
        .template property<&D::get_width, &D::set_width>("width")
        .template property<&D::get_x, &D::set_x>("x")
        .template property<&D::get_y, &D::set_y>("y")
        .template property<&D::get_z, &D::set_z>("z")
        .template internalField<&D::handle_>("__handle")
        .template internalField<&D::filters_>("__filters")
        .template internalField<&D::graphicsCache_>("__graphicsCache")
        .template internalField<&D::id_>("__id")
        .template readOnlyProperty<&D::get_parent>("__parent")
        .template internalField<&D::scale9Grid_>("__scale9Grid")
        .template internalField<&D::scrollRect_>("__scrollRect")
        .template method<&D::getBounds>("getBounds")
        .template method<&D::getRect>("getRect")
        .template method<&D::globalToLocal>("globalToLocal")
        .template method<&D::hitTestObject>("hitTestObject")
        .template method<&D::hitTestPoint>("hitTestPoint")
        .template method<&D::localToGlobal>("localToGlobal")
        .template method<&D::dispatchEvent>("dispatchEvent")
        .template method<&D::broadcast_>("__broadcast")
        .template method<&D::dispatchEvent_>("__dispatchEvent")
        .template method<&D::fireEvent_>("__fireEvent")
        .template method<&D::getMatrix_>("__getMatrix")
        .template method<&D::getConcatenatedMatrix_>("__getConcatenatedMatrix")
        .template method<&D::setMatrix_>("__setMatrix")
        .template method<&D::getColorTransform_>("__getColorTransform")
        .template method<&D::getConcatenatedColorTransform_>("__getConcatenatedColorTransform")
        .template method<&D::setColorTransform_>("__setColorTransform")
        .template method<&D::getPixelBounds_>("__getPixelBounds");
    addSlotsByName(b);
    // A mask written by name without property access changes only the field.
    runtime::Member m = *b.info().findMember("mask");
    m.rawSet = [](runtime::Object* o, const Value& v) {
        static_cast<D*>(o)->mask = runtime::ValueTraits<Ref<D>>::from(v);
    };
    b.info().addMember(std::move(m));
})

}  // namespace framework
