#include "EngBGSprite.h"

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

using runtime::Ref;

EngBGSprite::EngBGSprite() {
    auto pixel = runtime::make<framework::BitmapData>(1, 1, true, 0);
    if (EngG::bitmap)
        cachedGraphics = EngG::bitmap->add(runtime::Value(pixel), true, EngG::bitmap->getUniqueKey("bg_graphic_"));
    if (!cachedGraphics) cachedGraphics = runtime::make<CachedGraphics>("bg_graphic_", pixel);
    // The tile's centre is the middle of the pixel, so scaling it by a camera's size covers the camera.
    tileId = cachedGraphics->get_tilesheet()->tileSheet->addTileRectID(runtime::make<framework::Rectangle>(0, 0, 1, 1),
                                                                      runtime::make<framework::Point>(0.5, 0.5));
}

void EngBGSprite::draw() {
    if (!CameraFrontEnd::defaultCameras) return;
    auto cameras = *CameraFrontEnd::defaultCameras;
    for (const auto& camera : cameras) {
        if (!camera || !camera->visible || !camera->exists) continue;
        Ref<DrawStackItem> item = camera->getDrawStackItem(cachedGraphics, false, 0, false);
        auto& data = item->drawData->items;
        int pos = item->position;
        const double values[] = {camera->width * 0.5, camera->height * 0.5, static_cast<double>(tileId),
                                 static_cast<double>(camera->width), 0, 0, static_cast<double>(camera->height), alpha};
        for (double v : values) {
            if (pos < static_cast<int>(data.size())) data[pos] = runtime::Value(v);
            else data.push_back(runtime::Value(v));
            ++pos;
        }
        item->position = pos;
    }
}

}  // namespace engine

using engine::EngBGSprite;

RUNTIME_DEFINE_CLASS(EngBGSprite, "engine.system.layer.EngBGSprite", engine::EngBasic, (auto& b) {
    b.template property<&EngBGSprite::get_pixels>("pixels").emptyInstance();
})
