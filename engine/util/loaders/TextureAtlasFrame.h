#pragma once
// One entry of a texture atlas description.
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/util/EngPoint.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class TextureAtlasFrame : public runtime::Object, public IEngDestroyable {
public:
    // The points are dropped, not given back to the pool.
    void destroy() override {
        name = nullptr;
        frame = nullptr;
        sourceSize = nullptr;
        offset = nullptr;
    }

    runtime::String name;
    // As stored in the atlas image (width and height exchanged when rotated).
    runtime::Ref<framework::Rectangle> frame;
    bool rotated = false;
    bool trimmed = false;
    runtime::Ref<EngPoint> sourceSize;
    runtime::Ref<EngPoint> offset;
    int additionalAngle = 0;
};

}  // namespace engine
