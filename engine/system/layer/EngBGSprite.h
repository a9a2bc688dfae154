#pragma once
// The background of a sub-state: one pixel, given the sub-state's colour, stretched over every
// shown camera through a draw batch.
#include "engine/EngSprite.h"

namespace engine {

class EngBGSprite : public EngSprite {
    RUNTIME_CLASS(EngBGSprite)
public:
    EngBGSprite();
    explicit EngBGSprite(runtime::NoInit n) : EngSprite(n) {}

    // Appends one tile covering each visible, existing camera; drawn even at alpha 0.
    void draw() override;
};

}  // namespace engine
