#pragma once
// A texture atlas: the asset id of its image and of its JSON description, and the entries read
// from the description.
#include <vector>

#include "engine/util/loaders/TextureAtlasFrame.h"
#include "framework/display/BitmapData.h"

namespace engine {

class TexturePackerData : public runtime::Object {
public:
    // Parses the description at once.
    TexturePackerData(runtime::String description, runtime::String assetName);

    // Reads the entries when there are none yet and both ids are set. A text that is not JSON, or
    // lacks the "frames" array or an entry's "frame", "sourceSize" or "spriteSourceSize" object,
    // throws a text naming the description; the entries read before stay.
    virtual void parseData();
    virtual void destroy();

    std::vector<runtime::Ref<TextureAtlasFrame>> frames;
    runtime::String assetName;
    runtime::String description;
    // Owned by the bitmap cache.
    runtime::Ref<framework::BitmapData> asset;
};

}  // namespace engine
