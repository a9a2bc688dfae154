#include "GoldBag.h"

#include "FloorRandom.h"
#include "MapStateLink.h"
#include "Tile.h"
#include "framework/geom/Rectangle.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/kit/TextSprite.h"
#include "game/shell/C.h"
#include "game/shell/PixelSmoother.h"
#include "tween/Tweener.h"
#include "tween/easing/Cubic.h"

namespace game {

RUNTIME_DEFINE_CLASS(GoldBag, "GoldBag", TileObject, (auto& b) {})

GoldBag::GoldBag(Tile* tile, int amount, bool activated) : TileObject(tile) {
    nonBlocking = walkable = true;
    objType = TYPE_GOLD;
    chooseLabel = "Bag of Gold";
    bag = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/goldbag.png"));
    bag->set_x(6);
    bag->set_y(6);
    addChild(bag);
    if (bag->bitmap) bag->bitmap->set_scrollRect(runtime::make<framework::Rectangle>(0, 0, 20, 20));
    this->amount = amount;
    this->activated = activated;
    if (activated) {
        bag->setNewAnim(OPENED);
    } else if (amount == -1) {
        this->amount = static_cast<int>((FloorRandom::next() * 0.4 + 0.8) * ((GameData::currentFloor + 10) * 0.5));
    }
}

runtime::String GoldBag::amountText(int amount) { return "+" + std::to_string(amount) + " Gold"; }

void GoldBag::activate() {
    bag->setNewAnim(OPEN_ANIM);
    activated = true;
    GameData::gainGold(amount);
    MapStateLink::sound("goldBag");
    auto* link = MapStateLink::current();
    if (TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW) {
        auto text = runtime::make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, amountText(amount), false,
                                              -1, 2, true, -1);
        text->set_scaleX(0.5);
        text->set_scaleY(0.5);
        text->set_x(get_x() + C::TILE_SIZE * 0.5);
        text->set_y(get_y() - 5);
        if (link) link->addToMapCanvas(text);
        if (auto actuator = ::tween::Tweener::tween(text, 2, GameData::floatUpFadeTarget(text->get_y() - 15))) {
            actuator->ease(::tween::Cubic::get_easeOut());
            text->tween(actuator);
        }
        if (link) link->addMenuEffect(text);
    }
    if (tile) DataUI::get().updateMiniMapTile(tile->lev_x, tile->lev_y);
    if (link) link->findFloorObject();
}

void GoldBag::update() { bag->updateAnim(); }

}  // namespace game
