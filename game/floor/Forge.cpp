#include "Forge.h"

#include "MapStateLink.h"
#include "game/data/DataUI.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(Forge, "Forge", TileObject, (auto& b) {})

Forge::Forge(Tile* tile) : TileObject(tile) {
    nonBlocking = false;
    objType = TYPE_FORGE;
    sprite = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/forge.png"));
    sprite->set_y(3);
    sprite->setNewAnim(FORGE_ANIM);
    addChild(sprite);
}

void Forge::activate() {
    DataUI::get().openForgeCrafting();
    MapStateLink::sound("forge");
}

void Forge::update() { sprite->updateAnim(); }

}  // namespace game
