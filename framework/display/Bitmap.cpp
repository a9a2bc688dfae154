#include "Bitmap.h"

#include "framework/Lib.h"
#include "platform/runtime/Args.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

namespace {
Value newNode() {
    DisplayObject::initClass();
    return DisplayObject::media_create_display_object();
}
}  // namespace

void Bitmap::initClass() {
    static const bool done = [] {
        media_display_object_get_pixel_snapping = MEDIA_LOAD(media_native_display_object_get_pixel_snapping);
        media_display_object_set_pixel_snapping = MEDIA_LOAD(media_native_display_object_set_pixel_snapping);
        return true;
    }();
    (void)done;
}

Bitmap::Bitmap(const Ref<BitmapData>& bitmapData, std::optional<PixelSnapping> pixelSnapping, bool smoothing)
    : DisplayObject(newNode(), "Bitmap") {
    initClass();
    set_pixelSnapping(pixelSnapping.value_or(PixelSnapping::AUTO));
    set_smoothing(smoothing);
    if (bitmapData) set_bitmapData(bitmapData);
}

void Bitmap::rebuild_() {
    if (handle_.isNull()) return;
    Ref<Graphics> g = get_graphics();
    g->clear();
    if (!bitmapData) return;
    g->beginBitmapFill(bitmapData, nullptr, false, smoothing);
    g->drawRect(0, 0, bitmapData->get_width(), bitmapData->get_height());
    g->endFill();
}

Ref<BitmapData> Bitmap::set_bitmapData(const Ref<BitmapData>& value) {
    bitmapData = value;
    rebuild_();
    return value;
}

bool Bitmap::set_smoothing(bool value) {
    smoothing = value;
    rebuild_();
    return value;
}

std::optional<PixelSnapping> Bitmap::get_pixelSnapping() {
    return runtime::enumFromIndex<PixelSnapping>(media_display_object_get_pixel_snapping(handle_).toInt());
}

std::optional<PixelSnapping> Bitmap::set_pixelSnapping(std::optional<PixelSnapping> value) {
    media_display_object_set_pixel_snapping(handle_, value ? static_cast<int>(*value) : 0);
    return value;
}

RUNTIME_DEFINE_CLASS(Bitmap, "framework._native.display.Bitmap", DisplayObject, (auto& b) {
    using B = Bitmap;
    b.template property<&B::get_bitmapData, &B::set_bitmapData>("bitmapData")
        .template property<&B::get_pixelSnapping, &B::set_pixelSnapping>("pixelSnapping")
        .template property<&B::get_smoothing, &B::set_smoothing>("smoothing")
        .template method<&B::rebuild_>("__rebuild")
        .template method<&B::set_bitmapData>("set_bitmapData")
        .template method<&B::get_pixelSnapping>("get_pixelSnapping")
        .template method<&B::set_pixelSnapping>("set_pixelSnapping")
        .template method<&B::set_smoothing>("set_smoothing")
        .emptyInstance()
        .constructor([](const Value* v, int n) -> Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<B>(a.object<BitmapData>(0),
                                    runtime::ValueTraits<std::optional<PixelSnapping>>::from(a[1]), a.flag(2));
        });
    // Without property access a write by name only stores the field.
    runtime::Member bitmapDataMember = *b.info().findMember("bitmapData");
    bitmapDataMember.rawSet = [](runtime::Object* o, const Value& v) {
        static_cast<B*>(o)->bitmapData = runtime::ValueTraits<Ref<BitmapData>>::from(v);
    };
    b.info().addMember(std::move(bitmapDataMember));
    runtime::Member smoothingMember = *b.info().findMember("smoothing");
    smoothingMember.rawSet = [](runtime::Object* o, const Value& v) { static_cast<B*>(o)->smoothing = v.toBool(); };
    b.info().addMember(std::move(smoothingMember));
})

}  // namespace framework
