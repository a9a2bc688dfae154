#pragma once
// A node of the display tree: one native display object of the back end, whose visual
// properties it forwards.
#include <span>
#include <vector>

#include "BlendMode.h"
#include "Graphics.h"
#include "IBitmapDrawable.h"
#include "framework/events/EventDispatcher.h"
#include "framework/filters/BitmapFilter.h"
#include "framework/geom/ColorTransform.h"
#include "framework/geom/Matrix.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class DisplayObjectContainer;
class InteractiveObject;
class Stage;
class Transform;

// Slot name (primitive name without "native_"), primitive.
#define FRAMEWORK_DISPLAY_OBJECT_PRIMITIVES(X)                                                        \
    X(media_create_display_object, media_native_create_display_object)                                \
    X(media_display_object_get_id, media_native_display_object_get_id)                                \
    X(media_display_object_get_x, media_native_display_object_get_x)                                  \
    X(media_display_object_set_x, media_native_display_object_set_x)                                  \
    X(media_display_object_get_y, media_native_display_object_get_y)                                  \
    X(media_display_object_set_y, media_native_display_object_set_y)                                  \
    X(media_display_object_get_z, media_native_display_object_get_z)                                  \
    X(media_display_object_set_z, media_native_display_object_set_z)                                  \
    X(media_display_object_get_scale_x, media_native_display_object_get_scale_x)                      \
    X(media_display_object_set_scale_x, media_native_display_object_set_scale_x)                      \
    X(media_display_object_get_scale_y, media_native_display_object_get_scale_y)                      \
    X(media_display_object_set_scale_y, media_native_display_object_set_scale_y)                      \
    X(media_display_object_get_rotation, media_native_display_object_get_rotation)                    \
    X(media_display_object_set_rotation, media_native_display_object_set_rotation)                    \
    X(media_display_object_get_alpha, media_native_display_object_get_alpha)                          \
    X(media_display_object_set_alpha, media_native_display_object_set_alpha)                          \
    X(media_display_object_get_width, media_native_display_object_get_width)                          \
    X(media_display_object_set_width, media_native_display_object_set_width)                          \
    X(media_display_object_get_height, media_native_display_object_get_height)                        \
    X(media_display_object_set_height, media_native_display_object_set_height)                        \
    X(media_display_object_get_visible, media_native_display_object_get_visible)                      \
    X(media_display_object_set_visible, media_native_display_object_set_visible)                      \
    X(media_display_object_get_cache_as_bitmap, media_native_display_object_get_cache_as_bitmap)      \
    X(media_display_object_set_cache_as_bitmap, media_native_display_object_set_cache_as_bitmap)      \
    X(media_display_object_get_pedantic_bitmap_caching, media_native_display_object_get_pedantic_bitmap_caching) \
    X(media_display_object_set_pedantic_bitmap_caching, media_native_display_object_set_pedantic_bitmap_caching) \
    X(media_display_object_get_name, media_native_display_object_get_name)                            \
    X(media_display_object_set_name, media_native_display_object_set_name)                            \
    X(media_display_object_get_mouse_x, media_native_display_object_get_mouse_x)                      \
    X(media_display_object_get_mouse_y, media_native_display_object_get_mouse_y)                      \
    X(media_display_object_get_bg, media_native_display_object_get_bg)                                \
    X(media_display_object_set_bg, media_native_display_object_set_bg)                                \
    X(media_display_object_get_blend_mode, media_native_display_object_get_blend_mode)                \
    X(media_display_object_set_blend_mode, media_native_display_object_set_blend_mode)                \
    X(media_display_object_set_filters, media_native_display_object_set_filters)                      \
    X(media_display_object_set_mask, media_native_display_object_set_mask)                            \
    X(media_display_object_set_scale9_grid, media_native_display_object_set_scale9_grid)              \
    X(media_display_object_set_scroll_rect, media_native_display_object_set_scroll_rect)              \
    X(media_display_object_get_graphics, media_native_display_object_get_graphics)                    \
    X(media_display_object_draw_to_surface, media_native_display_object_draw_to_surface)              \
    X(media_display_object_global_to_local, media_native_display_object_global_to_local)              \
    X(media_display_object_local_to_global, media_native_display_object_local_to_global)              \
    X(media_display_object_set_matrix, media_native_display_object_set_matrix)                        \
    X(media_display_object_get_matrix, media_native_display_object_get_matrix)                        \
    X(media_display_object_get_color_transform, media_native_display_object_get_color_transform)      \
    X(media_display_object_set_color_transform, media_native_display_object_set_color_transform)      \
    X(media_display_object_get_pixel_bounds, media_native_display_object_get_pixel_bounds)            \
    X(media_display_object_get_bounds, media_native_display_object_get_bounds)                        \
    X(media_display_object_hit_test_point, media_native_display_object_hit_test_point)                \
    X(media_display_object_release, media_native_display_object_release)

class DisplayObject : public EventDispatcher, public IBitmapDrawable {
    RUNTIME_CLASS(DisplayObject)
public:
#define FRAMEWORK_DECLARE_SLOT(slot, primitive) static inline runtime::Primitive slot;
    FRAMEWORK_DISPLAY_OBJECT_PRIMITIVES(FRAMEWORK_DECLARE_SLOT)
#undef FRAMEWORK_DECLARE_SLOT
    static void initClass();

    // The handle comes from the subclass; type names the object ("Shape", "Sprite", ...).
    DisplayObject(const runtime::Value& handle, const runtime::String& type);
    explicit DisplayObject(runtime::NoInit n) : EventDispatcher(n) {}
    // Releases the native node.
    ~DisplayObject() override;

    // Geometry.
    virtual runtime::Ref<Rectangle> getBounds(const runtime::Ref<DisplayObject>& targetCoordinateSpace);
    virtual runtime::Ref<Rectangle> getRect(const runtime::Ref<DisplayObject>& targetCoordinateSpace);
    virtual runtime::Ref<Point> globalToLocal(const runtime::Ref<Point>& point);
    virtual bool hitTestObject(const runtime::Ref<DisplayObject>& other);
    virtual bool hitTestPoint(double x, double y, bool shapeFlag = false);
    virtual runtime::Ref<Point> localToGlobal(const runtime::Ref<Point>& point);

    // Events and the tree.
    bool dispatchEvent(const runtime::Ref<Event>& event) override;
    virtual InteractiveObject* asInteractiveObject_() { return nullptr; }
    virtual void broadcast_(const runtime::Ref<Event>& event);
    virtual bool contains_(const DisplayObject* child) { return false; }
    // The dispatcher's own dispatch at this object, with target and current target set.
    virtual bool dispatchEvent_(const runtime::Ref<Event>& event);
    void drawToSurface_(const runtime::Value& surface, const runtime::Ref<Matrix>& matrix,
                        const runtime::Ref<ColorTransform>& colorTransform, const runtime::String& blendMode,
                        const runtime::Ref<Rectangle>& clipRect, bool smoothing) override;
    virtual DisplayObject* findByID_(int id);
    // Capture, target and bubble phases through the interactive ancestors.
    virtual void fireEvent_(const runtime::Ref<Event>& event);
    // The same along interactive ancestors already known (the stage builds an event's chain once),
    // listed innermost first or outermost first.
    void fireEventAlong_(const runtime::Ref<Event>& event, std::span<const runtime::Ref<InteractiveObject>> ancestors,
                         bool innermostFirst);
    virtual runtime::Ref<ColorTransform> getColorTransform_();
    virtual runtime::Ref<ColorTransform> getConcatenatedColorTransform_();
    virtual runtime::Ref<Matrix> getConcatenatedMatrix_();
    virtual void getInteractiveObjectStack_(std::vector<runtime::Ref<DisplayObject>>& stack);
    virtual runtime::Ref<Matrix> getMatrix_();
    virtual void getObjectsUnderPoint_(const runtime::Ref<Point>& point, std::vector<runtime::Ref<DisplayObject>>& result);
    virtual runtime::Ref<Rectangle> getPixelBounds_();
    virtual void onAdded_(DisplayObject* object, bool onStage);
    virtual void onRemoved_(DisplayObject* object, bool wasOnStage);
    virtual void setColorTransform_(const runtime::Ref<ColorTransform>& colorTransform);
    virtual void setMatrix_(const runtime::Ref<Matrix>& matrix);
    virtual DisplayObjectContainer* setParent_(DisplayObjectContainer* parent);

    // Properties.
    virtual double get_alpha();
    virtual double set_alpha(double v);
    virtual runtime::Value get_opaqueBackground();
    virtual runtime::Value set_opaqueBackground(const runtime::Value& v);
    virtual BlendMode get_blendMode();
    virtual BlendMode set_blendMode(BlendMode v);
    virtual bool get_cacheAsBitmap();
    virtual bool set_cacheAsBitmap(bool v);
    virtual bool get_pedanticBitmapCaching();
    virtual bool set_pedanticBitmapCaching(bool v);
    virtual runtime::Ref<runtime::Array> get_filters();
    virtual runtime::Ref<runtime::Array> set_filters(const runtime::Ref<runtime::Array>& v);
    virtual runtime::Ref<Graphics> get_graphics();
    virtual double get_height();
    virtual double set_height(double v);
    runtime::Ref<DisplayObject> get_mask_() { return mask; }
    virtual runtime::Ref<DisplayObject> set_mask(const runtime::Ref<DisplayObject>& v);
    virtual double get_mouseX();
    virtual double get_mouseY();
    virtual runtime::String get_name();
    virtual runtime::String set_name(const runtime::String& v);
    virtual runtime::Ref<DisplayObjectContainer> get_parent();
    virtual runtime::Ref<DisplayObject> get_root();
    virtual double get_rotation();
    virtual double set_rotation(double v);
    virtual runtime::Ref<Rectangle> get_scale9Grid();
    virtual runtime::Ref<Rectangle> set_scale9Grid(const runtime::Ref<Rectangle>& v);
    virtual double get_scaleX();
    virtual double set_scaleX(double v);
    virtual double get_scaleY();
    virtual double set_scaleY(double v);
    virtual runtime::Ref<Rectangle> get_scrollRect();
    virtual runtime::Ref<Rectangle> set_scrollRect(const runtime::Ref<Rectangle>& v);
    virtual runtime::Ref<Stage> get_stage();
    virtual runtime::Ref<Transform> get_transform();
    virtual runtime::Ref<Transform> set_transform(const runtime::Ref<Transform>& v);
    virtual bool get_visible();
    virtual bool set_visible(bool v);
    virtual double get_width();
    virtual double set_width(double v);
    virtual double get_x();
    virtual double set_x(double v);
    virtual double get_y();
    virtual double set_y(double v);
    virtual double get_z();
    virtual double set_z(double v);

    // The object's name, as the back end has it.
    std::string toString() const override;

    runtime::Ref<DisplayObject> mask;
    runtime::Ref<runtime::Object> loaderInfo;
    runtime::Value handle_;
    runtime::Ref<runtime::Array> filters_;
    runtime::Ref<Graphics> graphicsCache_;
    int id_ = 0;
    runtime::Weak<DisplayObjectContainer> parent_;
    runtime::Ref<Rectangle> scale9Grid_;
    runtime::Ref<Rectangle> scrollRect_;
};

}  // namespace framework
