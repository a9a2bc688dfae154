#include "Tilesheet.h"

#include "framework/Lib.h"
#include "platform/runtime/Args.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

const Ref<Point>& Tilesheet::defaultRatio() {
    static const Ref<Point> ratio = runtime::make<Point>(0, 0);
    return ratio;
}

void Tilesheet::initClass() {
    static const bool done = [] {
        defaultRatio();
        media_tilesheet_create = MEDIA_LOAD(media_native_tilesheet_create);
        media_tilesheet_add_rect = MEDIA_LOAD(media_native_tilesheet_add_rect);
        return true;
    }();
    (void)done;
}

Tilesheet::Tilesheet(const Ref<BitmapData>& image) { construct_(image); }

void Tilesheet::construct_(const Ref<BitmapData>& image) {
    initClass();
    bitmap_ = image;
    handle_ = media_tilesheet_create(image ? image->handle_ : Value());
    bitmapWidth_ = image ? image->get_width() : 0;
    bitmapHeight_ = image ? image->get_height() : 0;
    tilePoints_.clear();
    tiles_.clear();
    tileUVs_.clear();
}

int Tilesheet::addTileRect(const Ref<Rectangle>& rectangle, const Ref<Point>& centerPoint) {
    tiles_.push_back(rectangle);
    tilePoints_.push_back(centerPoint ? runtime::make<Point>(centerPoint->x / rectangle->width,
                                                             centerPoint->y / rectangle->height)
                                      : defaultRatio());
    double w = bitmapWidth_, h = bitmapHeight_;
    tileUVs_.push_back(runtime::make<Rectangle>(rectangle->get_left() / w, rectangle->get_top() / h,
                                                rectangle->get_right() / w, rectangle->get_bottom() / h));
    return media_tilesheet_add_rect(handle_, rectangle, centerPoint ? Value(centerPoint) : Value()).toInt();
}

void Tilesheet::drawTiles(const Ref<Graphics>& graphics, const Ref<runtime::Array>& tileData, bool smooth, int flags,
                          int count) {
    graphics->drawTiles(Ref<Tilesheet>(this), tileData, smooth, flags, count);
}

namespace {
template <class T>
Ref<T> entry(const std::vector<Ref<T>>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : Ref<T>();
}

template <class T>
Ref<runtime::Array> arrayOf(const std::vector<Ref<T>>& list) {
    auto a = runtime::make<runtime::Array>();
    for (const Ref<T>& e : list) a->push(Value(e));
    return a;
}

int TILE_SCALE_ = Tilesheet::TILE_SCALE, TILE_ROTATION_ = Tilesheet::TILE_ROTATION, TILE_RGB_ = Tilesheet::TILE_RGB,
    TILE_ALPHA_ = Tilesheet::TILE_ALPHA, TILE_TRANS_2x2_ = Tilesheet::TILE_TRANS_2x2,
    TILE_RECT_ = Tilesheet::TILE_RECT, TILE_ORIGIN_ = Tilesheet::TILE_ORIGIN,
    TILE_BLEND_NORMAL_ = Tilesheet::TILE_BLEND_NORMAL, TILE_BLEND_ADD_ = Tilesheet::TILE_BLEND_ADD,
    TILE_BLEND_MULTIPLY_ = Tilesheet::TILE_BLEND_MULTIPLY, TILE_BLEND_SCREEN_ = Tilesheet::TILE_BLEND_SCREEN,
    TILE_BLEND_SUBTRACT_ = Tilesheet::TILE_BLEND_SUBTRACT;
}  // namespace

Ref<Point> Tilesheet::getTileCenter(int index) { return entry(tilePoints_, index); }
Ref<Rectangle> Tilesheet::getTileRect(int index) { return entry(tiles_, index); }
Ref<Rectangle> Tilesheet::getTileUVs(int index) { return entry(tileUVs_, index); }

RUNTIME_DEFINE_CLASS(Tilesheet, "framework._native.display.Tilesheet", runtime::Object, (auto& b) {
    using T = Tilesheet;
    b.template field<&T::bitmap_>("__bitmap")
        .template field<&T::handle_>("__handle")
        .template field<&T::bitmapHeight_>("_bitmapHeight")
        .template field<&T::bitmapWidth_>("_bitmapWidth");
    // The tile lists read by name as arrays (copies of the lists, holding the stored objects).
    b.info().addMember([] {
        runtime::Member l;
        l.name = "_tilePoints";
        l.kind = runtime::Member::Kind::Field;
        l.get = [](runtime::Object* o) -> Value { return Value(arrayOf(static_cast<T*>(o)->tilePoints_)); };
        return l;
    }());
    b.info().addMember([] {
        runtime::Member l;
        l.name = "_tiles";
        l.kind = runtime::Member::Kind::Field;
        l.get = [](runtime::Object* o) -> Value { return Value(arrayOf(static_cast<T*>(o)->tiles_)); };
        return l;
    }());
    b.info().addMember([] {
        runtime::Member l;
        l.name = "_tileUVs";
        l.kind = runtime::Member::Kind::Field;
        l.get = [](runtime::Object* o) -> Value { return Value(arrayOf(static_cast<T*>(o)->tileUVs_)); };
        return l;
    }());
    b.template method<&T::addTileRect>("addTileRect")
        .template method<&T::drawTiles>("drawTiles")
        .template method<&T::getTileCenter>("getTileCenter")
        .template method<&T::getTileRect>("getTileRect")
        .template method<&T::getTileUVs>("getTileUVs")
        .template staticField<&TILE_SCALE_>("TILE_SCALE")
        .template staticField<&TILE_ROTATION_>("TILE_ROTATION")
        .template staticField<&TILE_RGB_>("TILE_RGB")
        .template staticField<&TILE_ALPHA_>("TILE_ALPHA")
        .template staticField<&TILE_TRANS_2x2_>("TILE_TRANS_2x2")
        .template staticField<&TILE_RECT_>("TILE_RECT")
        .template staticField<&TILE_ORIGIN_>("TILE_ORIGIN")
        .template staticField<&TILE_BLEND_NORMAL_>("TILE_BLEND_NORMAL")
        .template staticField<&TILE_BLEND_ADD_>("TILE_BLEND_ADD")
        .template staticField<&TILE_BLEND_MULTIPLY_>("TILE_BLEND_MULTIPLY")
        .template staticField<&TILE_BLEND_SCREEN_>("TILE_BLEND_SCREEN")
        .template staticField<&TILE_BLEND_SUBTRACT_>("TILE_BLEND_SUBTRACT")
        .template staticField<&T::media_tilesheet_create>("media_tilesheet_create")
        .template staticField<&T::media_tilesheet_add_rect>("media_tilesheet_add_rect")
        .emptyInstance()
        .constructor([](const Value* v, int n) -> Ref<runtime::Object> {
            return runtime::make<T>(runtime::Args(v, n).object<BitmapData>(0));
        });
})

}  // namespace framework
