#include "TileSheetData.h"

#include "engine/system/layer/frames/EngRotatedFrame.h"
#include "engine/util/loaders/TexturePackerData.h"

namespace engine {

using framework::Point;
using framework::Rectangle;
using runtime::Ref;

TileSheetData::TileSheetData(const Ref<framework::BitmapData>& bitmap_)
    : tileSheet(runtime::make<TileSheetExt>(bitmap_)), bitmap(bitmap_) {}

Ref<EngFrame> TileSheetData::getFrame(const runtime::String& name) {
    auto it = engFrames.find(name.str());
    return it == engFrames.end() ? nullptr : it->second;
}

std::string TileSheetData::getSpriteSheetFrameKey(const Ref<Rectangle>& r, const Ref<Point>& p) {
    auto f = &TileSheetExt::floatText;
    return f(r->x) + "_" + f(r->y) + "_" + f(r->width) + "_" + f(r->height) + "_" + f(p->x) + "_" + f(p->y);
}

std::string TileSheetData::getKeyForSpriteSheetFrames(int tw, int th, int sx, int sy, int ex, int ey, int spx, int spy,
                                                      double px, double py) {
    std::string key;
    for (int v : {tw, th, sx, sy, ex, ey, spx, spy}) key += std::to_string(v) + "_";
    return key + TileSheetExt::floatText(px) + "_" + TileSheetExt::floatText(py);
}

bool TileSheetData::containsSpriteSheetFrames(int tw, int th, int sx, int sy, int ex, int ey, int spx, int spy,
                                              double px, double py) {
    return engSpriteFrames.count(getKeyForSpriteSheetFrames(tw, th, sx, sy, ex, ey, spx, spy, px, py)) != 0;
}

Ref<EngSpriteFrames> TileSheetData::getSpriteSheetFrames(const Ref<Region>& region, Ref<Point> origin) {
    int tw = region->tileWidth == 0 ? region->width : region->tileWidth;
    int th = region->tileHeight == 0 ? region->height : region->tileHeight;
    int endX = region->startX + region->width, endY = region->startY + region->height;
    double px = origin ? origin->x : tw * 0.5, py = origin ? origin->y : th * 0.5;
    std::string key = getKeyForSpriteSheetFrames(tw, th, region->startX, region->startY, endX, endY, region->spacingX,
                                                 region->spacingY, px, py);
    if (auto it = engSpriteFrames.find(key); it != engSpriteFrames.end()) return it->second;
    int rows = region->get_numRows(), cols = region->get_numCols();
    Ref<Point> centre = origin ? origin : runtime::make<Point>(px, py);
    auto frames = runtime::make<EngSpriteFrames>(runtime::String(key));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            auto rect = runtime::make<Rectangle>(region->startX + c * (tw + region->spacingX),
                                                 region->startY + r * (th + region->spacingY), tw, th);
            frames->addFrame(addSpriteSheetFrame(rect, centre));
        }
    engSpriteFrames[key] = frames;
    return frames;
}

Ref<EngFrame> TileSheetData::addSpriteSheetFrame(const Ref<Rectangle>& rect, const Ref<Point>& point) {
    std::string key = getSpriteSheetFrameKey(rect, point);
    if (auto it = engFrames.find(key); it != engFrames.end()) return it->second;
    auto frame = runtime::make<EngFrame>(this);
    frame->tileID = tileSheet->addTileRectID(rect, point);
    frame->name = runtime::String(key);
    frame->frame = rect;
    frame->trimmed = false;
    frame->sourceSize->set(rect->width, rect->height);
    frame->offset->set(0, 0);
    frame->center->set(0.5 * rect->width, 0.5 * rect->height);
    engFrames[key] = frame;
    frameNames.push_back(key);
    framesArr.push_back(frame);
    return frame;
}

int TileSheetData::addTileRect(const Ref<Rectangle>& rect, const Ref<Point>& point) {
    return tileSheet->addTileRectID(rect, point);
}

Ref<EngSpriteFrames> TileSheetData::getTexturePackerFrames(const Ref<TexturePackerData>& data) {
    std::string key = data->assetName.str();
    if (auto it = engSpriteFrames.find(key); it != engSpriteFrames.end()) return it->second;
    data->parseData();
    auto frames = runtime::make<EngSpriteFrames>(data->assetName);
    std::size_t count = data->frames.size();
    for (std::size_t i = 0; i < count; ++i) frames->addFrame(addTexturePackerFrame(data->frames[i]));
    engSpriteFrames[key] = frames;
    return frames;
}

Ref<EngFrame> TileSheetData::addTexturePackerFrame(const Ref<TextureAtlasFrame>& e) {
    std::string key = e->name.str();
    if (auto it = engFrames.find(key); it != engFrames.end()) return it->second;
    Ref<EngFrame> frame = e->rotated ? Ref<EngFrame>(runtime::make<EngRotatedFrame>(this)) : runtime::make<EngFrame>(this);
    frame->trimmed = e->trimmed;
    frame->name = e->name;
    frame->sourceSize->set(e->sourceSize->x, e->sourceSize->y);
    frame->offset->set(e->offset->x, e->offset->y);
    frame->frame = e->frame->clone();
    const Ref<Rectangle>& r = frame->frame;
    if (e->rotated) frame->center->set(frame->offset->x + 0.5 * r->height, frame->offset->y + 0.5 * r->width);
    else frame->center->set(frame->offset->x + 0.5 * r->width, frame->offset->y + 0.5 * r->height);
    frame->additionalAngle = e->additionalAngle;
    frame->tileID = tileSheet->addTileRectID(r, runtime::make<Point>(0.5 * r->width, 0.5 * r->height));
    engFrames[key] = frame;
    frameNames.push_back(key);
    framesArr.push_back(frame);
    return frame;
}

void TileSheetData::destroyFrameBitmapDatas() {
    for (const auto& frame : framesArr) frame->destroyBitmapDatas();
}

void TileSheetData::onContext(const Ref<framework::BitmapData>& newBitmap) {
    bitmap = newBitmap;
    auto sheet = runtime::make<TileSheetExt>(newBitmap);
    sheet->rebuildFromOld(tileSheet);
    tileSheet = sheet;
}

void TileSheetData::destroy() {
    bitmap = nullptr;
    if (tileSheet) tileSheet->destroy();
    tileSheet = nullptr;
    for (auto& [key, frames] : engSpriteFrames) frames->destroy();
    engSpriteFrames.clear();
    for (const auto& frame : framesArr) frame->destroy();
    engFrames.clear();
    frameNames.clear();
    framesArr.clear();
}

}  // namespace engine
