#include "MiniMap.h"

#include "MapWindow.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Linear.h"

namespace game {

using framework::BitmapData;
using runtime::make;
using runtime::Ref;

MiniMap::MiniMap() {
    button = make<BasicButton>(MAP_WIDTH, MAP_HEIGHT, 0, -1, BasicButton::COLOR_BLACK);
    addChild(button);

    auto dot = make<BitmapData>(5, 5, false, static_cast<int>(0xFF000000));
    dot->fillRect(make<framework::Rectangle>(1, 1, 3, 3), static_cast<int>(0xFFFFFF00));
    auto marker = make<BitmapSprite>(dot);

    map = make<FloorMap>(3, PixelSmoother::smoothAsset("assets/ui/minimapSymbols.png"), marker);
    map->set_x(8);
    map->set_y(8);
    button->addChild(map);

    white = make<framework::Bitmap>(BMDCache::whiteSquare2x2);
    white->set_width(MAP_WIDTH - 16);
    white->set_height(MAP_HEIGHT - 16);
    white->set_x(8);
    white->set_y(8);
    white->set_visible(false);
    button->addChild(white);

    addEventListener("click", runtime::Function::method<&MiniMap::mapClick>(this));
}

Ref<MapWindow> MiniMap::rootMapWindow() { return Game::ui ? Game::ui->mapWindow : nullptr; }

void MiniMap::updateMap(const Ref<MapData>& mapData) {
    map->drawMap(mapData);
    if (!mapData) return;
    if (auto window = rootMapWindow(); window && window->floorMap) window->floorMap->mapData = mapData;
}

void MiniMap::updateTile(int x, int y) { map->drawTile(x, y); }

void MiniMap::setHeroPos(int x, int y) {
    map->setHeroPos(x, y);
    if (auto window = rootMapWindow(); window && window->floorMap) window->floorMap->setHeroPos(x, y);
}

void MiniMap::mapClick(const Ref<framework::Event>&) {
    if (!button->disabled && Game::ui) Game::ui->openMap();
}

void MiniMap::reveal() {
    white->set_visible(true);
    white->set_alpha(1);
    auto props = make<runtime::DynamicObject>();
    props->setField("alpha", runtime::Value(0));
    // The square stays shown, at alpha 0, once the flash is over.
    if (auto actuator = ::tween::Tweener::tween(white, 0.6, props)) {
        actuator->ease(::tween::Linear::get_easeNone());
        actuator->autoVisible(false);
    }
}

}  // namespace game

using game::MiniMap;

RUNTIME_DEFINE_CLASS(MiniMap, "MiniMap", game::BitmapSprite, (auto& b) {
    b.template field<&MiniMap::button>("button")
        .template field<&MiniMap::map>("map")
        .template field<&MiniMap::white>("white")
        .template staticField<&MiniMap::MAP_WIDTH>("MAP_WIDTH")
        .template staticField<&MiniMap::MAP_HEIGHT>("MAP_HEIGHT")
        .template method<&MiniMap::updateTile>("updateTile")
        .template method<&MiniMap::setHeroPos>("setHeroPos")
        .template method<&MiniMap::mapClick>("mapClick")
        .template method<&MiniMap::reveal>("reveal")
        .emptyInstance();
})
