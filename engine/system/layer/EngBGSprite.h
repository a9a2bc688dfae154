#pragma once
// The background of a sub-state: one pixel, given the sub-state's colour, stretched over every
// shown camera through a draw batch.
#include "engine/EngBasic.h"
#include "engine/util/loaders/CachedGraphics.h"

namespace engine {

class EngBGSprite : public EngBasic {
    RUNTIME_CLASS(EngBGSprite)
public:
    EngBGSprite();
    explicit EngBGSprite(runtime::NoInit n) : EngBasic(n) {}

    // The one-pixel bitmap; its owner writes the colour into it.
    runtime::Ref<framework::BitmapData> get_pixels() const { return cachedGraphics ? cachedGraphics->bitmap : nullptr; }
    // Appends one tile covering each visible camera.
    void draw() override;

    runtime::Ref<CachedGraphics> cachedGraphics;
    int tileId = 0;
    double alpha = 1;
};

}  // namespace engine
