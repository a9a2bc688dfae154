#include "EngBGSprite.h"

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"

namespace engine {

using runtime::Ref;

EngBGSprite::EngBGSprite() : EngSprite(0, 0) {
    makeGraphic(1, 1, 0, true, EngG::bitmap->getUniqueKey("bg_graphic_"));
    scrollFactor->set(0, 0);
}

void EngBGSprite::draw() {
    for (const Ref<EngCamera>& camera : get_cameras()) {
        if (!camera || !camera->visible || !camera->exists) continue;
        Ref<DrawStackItem> item = camera->getDrawStackItem(cachedGraphics, isColored, _blendInt, false);
        _point->set(camera->width * 0.5, camera->height * 0.5);
        int n = item->position;
        for (double v : {_point->x, _point->y, static_cast<double>(frame->tileID), static_cast<double>(camera->width), 0.0,
                         0.0, static_cast<double>(camera->height)})
            item->write(n++, v);
        if (isColored) {
            item->write(n++, _red);
            item->write(n++, _green);
            item->write(n++, _blue);
        }
        item->write(n++, alpha);
        item->position = n;
    }
}

}  // namespace engine

using engine::EngBGSprite;

RUNTIME_DEFINE_CLASS(EngBGSprite, "engine.system.layer.EngBGSprite", engine::EngSprite, (auto& b) {
    b.emptyInstance();
})
