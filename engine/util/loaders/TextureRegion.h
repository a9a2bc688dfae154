#pragma once
// A region of a cached graphic.
#include "engine/util/loaders/CachedGraphics.h"

namespace engine {

class TextureRegion : public runtime::Object {
public:
    explicit TextureRegion(const runtime::Ref<CachedGraphics>& data) : data(data) {}
    runtime::Ref<CachedGraphics> data;
};

}  // namespace engine
