#pragma once
// A display object showing one BitmapData: its node's graphics hold one rectangle filled with
// the bitmap, so the back end draws the picture wherever the node is drawn.
#include <optional>

#include "BitmapData.h"
#include "DisplayObject.h"
#include "PixelSnapping.h"

namespace framework {

class Bitmap : public DisplayObject {
    RUNTIME_CLASS(Bitmap)
public:
    static inline runtime::Primitive media_display_object_get_pixel_snapping;
    static inline runtime::Primitive media_display_object_set_pixel_snapping;
    static void initClass();

    // An absent pixel snapping is AUTO.
    explicit Bitmap(const runtime::Ref<BitmapData>& bitmapData = nullptr,
                    std::optional<PixelSnapping> pixelSnapping = std::nullopt, bool smoothing = false);
    explicit Bitmap(runtime::NoInit n) : DisplayObject(n) {}

    // Redraws the node's graphics from the current fields (clear, then the filled rectangle).
    virtual void rebuild_();
    runtime::Ref<BitmapData> get_bitmapData() { return bitmapData; }
    bool get_smoothing() { return smoothing; }
    // Both rebuild, even when the value is unchanged.
    virtual runtime::Ref<BitmapData> set_bitmapData(const runtime::Ref<BitmapData>& value);
    virtual std::optional<PixelSnapping> get_pixelSnapping();
    virtual std::optional<PixelSnapping> set_pixelSnapping(std::optional<PixelSnapping> value);
    virtual bool set_smoothing(bool value);

    runtime::Ref<BitmapData> bitmapData;
    bool smoothing = false;
};

}  // namespace framework
