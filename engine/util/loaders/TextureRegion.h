#pragma once
// A cached graphic together with a grid region of it.
#include "engine/system/layer/Region.h"
#include "engine/util/loaders/CachedGraphics.h"

namespace engine {

class TextureRegion : public runtime::Object {
public:
    // A width or height of 0 or less takes the bitmap's.
    explicit TextureRegion(const runtime::Ref<CachedGraphics>& data, int startX = 0, int startY = 0, int tileWidth = 0,
                           int tileHeight = 0, int spacingX = 0, int spacingY = 0, int width = 0, int height = 0)
        : data(data) {
        if (width <= 0 && data && data->bitmap) width = data->bitmap->get_width();
        if (height <= 0 && data && data->bitmap) height = data->bitmap->get_height();
        region = runtime::make<Region>(startX, startY, tileWidth, tileHeight, spacingX, spacingY, width, height);
    }

    virtual runtime::Ref<TextureRegion> clone() const {
        const Region& r = *region;
        return runtime::make<TextureRegion>(data, r.startX, r.startY, r.tileWidth, r.tileHeight, r.spacingX, r.spacingY,
                                            r.width, r.height);
    }
    virtual void destroy() {
        data = nullptr;
        region = nullptr;
    }

    runtime::Ref<CachedGraphics> data;
    runtime::Ref<Region> region;
};

}  // namespace engine
