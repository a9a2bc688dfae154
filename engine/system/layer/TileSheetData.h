#pragma once
// The per-graphic tile sheet data: owns the tile sheet over the graphic's bitmap, every frame cut
// from it and the frame collections asked for (sprite-sheet grids and atlas frame lists).
#include <map>
#include <string>
#include <vector>

#include "engine/system/layer/Region.h"
#include "engine/system/layer/TileSheetExt.h"
#include "engine/system/layer/frames/EngSpriteFrames.h"

namespace engine {

class TexturePackerData;
class TextureAtlasFrame;

class TileSheetData : public runtime::Object {
public:
    explicit TileSheetData(const runtime::Ref<framework::BitmapData>& bitmap);

    virtual runtime::Ref<EngFrame> getFrame(const runtime::String& name);
    virtual bool containsFrame(const runtime::String& name) { return engFrames.count(name.str()) != 0; }
    // The grid's frames row by row, made on first demand and cached under the grid key.
    virtual runtime::Ref<EngSpriteFrames> getSpriteSheetFrames(const runtime::Ref<Region>& region,
                                                               runtime::Ref<framework::Point> origin = nullptr);
    virtual std::string getSpriteSheetFrameKey(const runtime::Ref<framework::Rectangle>& rect,
                                               const runtime::Ref<framework::Point>& point);
    virtual std::string getKeyForSpriteSheetFrames(int tileWidth, int tileHeight, int startX, int startY, int endX,
                                                   int endY, int spacingX, int spacingY, double pointX, double pointY);
    virtual bool containsSpriteSheetFrames(int tileWidth, int tileHeight, int startX, int startY, int endX, int endY,
                                           int spacingX, int spacingY, double pointX, double pointY);
    // The point must not be null.
    virtual runtime::Ref<EngFrame> addSpriteSheetFrame(const runtime::Ref<framework::Rectangle>& rect,
                                                       const runtime::Ref<framework::Point>& point);
    virtual int addTileRect(const runtime::Ref<framework::Rectangle>& rect,
                            const runtime::Ref<framework::Point>& point = nullptr);
    virtual void destroy();
    // Moves the tiles onto a reloaded bitmap, keeping the ids.
    virtual void onContext(const runtime::Ref<framework::BitmapData>& bitmap);
    virtual runtime::Ref<EngSpriteFrames> getTexturePackerFrames(const runtime::Ref<TexturePackerData>& data);
    virtual runtime::Ref<EngFrame> addTexturePackerFrame(const runtime::Ref<TextureAtlasFrame>& entry);
    virtual void destroyFrameBitmapDatas();

    runtime::Ref<TileSheetExt> tileSheet;
    std::map<std::string, runtime::Ref<EngSpriteFrames>> engSpriteFrames;
    std::map<std::string, runtime::Ref<EngFrame>> engFrames;
    std::vector<std::string> frameNames;
    std::vector<runtime::Ref<EngFrame>> framesArr;
    runtime::Ref<framework::BitmapData> bitmap;
};

}  // namespace engine
