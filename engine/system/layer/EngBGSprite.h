#pragma once
// The background of a sub-state: one pixel of its colour. Drawing it over the cameras waits for
// the cameras; so far it only keeps the colour.
#include "engine/EngBasic.h"

namespace engine {

class EngBGSprite : public EngBasic {
    RUNTIME_CLASS(EngBGSprite)
public:
    EngBGSprite() = default;
    explicit EngBGSprite(runtime::NoInit n) : EngBasic(n) {}

    // The ARGB colour of the one pixel.
    virtual void setColor(int argb) { color = argb; }
    int color = 0;
};

}  // namespace engine
