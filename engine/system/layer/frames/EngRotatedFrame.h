#pragma once
// A frame that the atlas stores turned a quarter turn clockwise; painted upright.
#include "engine/system/layer/frames/EngFrame.h"

namespace engine {

class EngRotatedFrame : public EngFrame {
public:
    explicit EngRotatedFrame(TileSheetData* tileSheet) : EngFrame(tileSheet) { type = FrameType::ROTATED; }

    // Always a new bitmap; a passed bitmap of another size than the source size is disposed.
    runtime::Ref<framework::BitmapData> paintOnBitmap(runtime::Ref<framework::BitmapData> bitmap = nullptr) override;
};

}  // namespace engine
