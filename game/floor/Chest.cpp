#include "Chest.h"

#include "FloorRandom.h"
#include "MapStateLink.h"
#include "Tile.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/TextSprite.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(Chest, "Chest", TileObject, (auto& b) {})

namespace {

struct Kind {
    const runtime::Ref<Anim>* closed;
    const runtime::Ref<Anim>* opening;
    const runtime::Ref<Anim>* open;
    const char* label;
};

// By type: normal, artifact, ingredient, consumable.
const Kind& kindOf(int type) {
    static const Kind kinds[4] = {
        {&Chest::CLOSED_NORMAL, &Chest::NORMAL_OPEN, &Chest::NORMAL_ACTIVATED, "Normal Chest"},
        {&Chest::CLOSED_ARTIFACT, &Chest::ART_OPEN, &Chest::ART_ACTIVATED, "Artifact Chest"},
        {&Chest::CLOSED_CRAFT, &Chest::CRAFT_OPEN, &Chest::CRAFT_ACTIVATED, "Ingredient Chest"},
        {&Chest::CLOSED_CONSUMABLE, &Chest::CONSUMABLE_OPEN, &Chest::CONSUMABLE_ACTIVATED, "Consumable Chest"}};
    return kinds[type >= 0 && type < 4 ? type : 0];
}

bool wingsOnFloor() {
    auto* link = MapStateLink::current();
    return link && link->wingsExistOnFloor;
}

}  // namespace

Chest::Chest(Tile* tile, int type, int itemID, bool activated) : TileObject(tile) {
    nonBlocking = false;
    objType = TYPE_CHEST;
    chest = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/chests.png"));
    chest->set_x(6);
    chest->set_y(-1);
    const double r = FloorRandom::next();
    if (type == -1) {
        if (r < 0.05) type = TYPE_ARTIFACT;
        else if (r < 0.15) type = TYPE_CONSUMABLE;
        else if (r < 0.6) type = TYPE_NORMAL;
        else type = TYPE_CRAFT;
    }
    this->type = type >= 0 && type < 4 ? type : TYPE_NORMAL;
    showClosed();
    addChild(chest);
    this->activated = activated;
    if (activated) {
        chest->setNewAnim(*kindOf(this->type).open);
        return;
    }
    if (itemID == -1) {
        item = determineItem();
    } else if (auto data = ItemData::findDataWithID(itemID)) {
        item = runtime::make<Item>(data);
    }
    if (item && item->data->wings) {
        if (auto* link = MapStateLink::current()) link->wingsExistOnFloor = true;
    }
}

void Chest::showClosed() {
    chest->setNewAnim(*kindOf(type).closed);
    chooseLabel = kindOf(type).label;
}

runtime::Ref<Item> Chest::determineItem() {
    const int floor = GameData::currentFloor;
    std::vector<runtime::Ref<ItemData>> candidates;
    for (const auto& d : ItemData::ALL_ITEMS) {
        if (d->wings && !GameData::wingsFound && !wingsOnFloor() && !(tile && tile->hidden) &&
            (floor - GameData::wingsSoldFloor >= 3 || (GameData::firstPlay && floor > 1))) {
            type = TYPE_CONSUMABLE;
            showClosed();
            return runtime::make<Item>(d);
        }
        if (d->type == ItemData::TYPE_MAGIC) continue;
        if (!((d->minFloor <= floor && floor <= d->maxFloor) || d->wings)) continue;
        if (d->artifact != (type == TYPE_ARTIFACT)) continue;
        if ((type == TYPE_CRAFT) != (d->type == ItemData::TYPE_CRAFTING)) continue;
        if ((type == TYPE_CONSUMABLE) != (d->type == ItemData::TYPE_CONSUMABLE)) continue;
        if (d->wings && (GameData::wingsFound || wingsOnFloor())) continue;
        candidates.push_back(d);
    }
    // No qualifying definition (not with the game's tables): the chest is empty.
    if (candidates.empty()) return nullptr;
    const auto index = static_cast<size_t>(FloorRandom::next() * static_cast<double>(candidates.size()));
    return runtime::make<Item>(candidates[index]);
}

void Chest::activate() {
    chest->setNewAnim(*kindOf(type).opening);
    switch (type) {
    case TYPE_ARTIFACT:
        MapStateLink::sound("chestArtifactOpen", 0.6);
        MapStateLink::sound("findArtifact");
        break;
    case TYPE_CRAFT: MapStateLink::sound("chestCraftOpen"); break;
    default: MapStateLink::sound("chestNormalOpen"); break;
    }
    auto* link = MapStateLink::current();
    // The icon needs the game's fonts; without them (no UI) the item is given without the flight.
    if (item && TextSprite::MEDIEVAL_SANS_14_OUTLINE) {
        itemIconAnimated = runtime::make<ItemIconAnimated>(item);
        itemIconAnimated->origin = runtime::make<framework::Point>(get_x() + 5, get_y() - 12);
        itemIconAnimated->set_x(itemIconAnimated->origin->x);
        itemIconAnimated->set_y(itemIconAnimated->origin->y);
        if (link) {
            link->addToObjectRow(tile ? tile->lev_y : 0, itemIconAnimated);
            link->addAnimatedItemIcon(itemIconAnimated);
        }
    }
    activated = true;
    if (item) {
        if (link) link->showFoundItemWindow(item);
        GameData::addItem(item, 1, item->data->type == ItemData::TYPE_CONSUMABLE);
        if (item->data->wings) GameData::wingsFound = true;
    }
    if (tile) DataUI::get().updateMiniMapTile(tile->lev_x, tile->lev_y);
    if (link) link->findFloorObject();
}

void Chest::update() {
    if (activated && !chest->animCompleted) chest->updateAnim();
}

}  // namespace game
