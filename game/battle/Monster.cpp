#include "Monster.h"

#include <cmath>
#include <cstdlib>

#include "game/data/GameData.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"
#include "game/floor/Tile.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/shell/Audio.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/PixelSmoother.h"

namespace game {


runtime::Ref<MonsterData> Monster::chooseData(int monsterID, bool bossOfFloor) {
    const int floor = GameData::currentFloor;
    if (monsterID != -1) return MonsterData::findDataWithID(monsterID);
    if (bossOfFloor) {
        for (const auto& m : MonsterData::MONSTERS)
            if (m->minFloor == floor && m->maxFloor == floor) return m;
        return nullptr;
    }
    std::vector<runtime::Ref<MonsterData>> candidates;
    for (const auto& m : MonsterData::MONSTERS)
        if (m->minFloor <= floor && floor <= m->maxFloor && m->minFloor != m->maxFloor) candidates.push_back(m);
    if (candidates.empty()) {
        // Past the table's floors: the kinds whose range lies nearest.
        int best = -1;
        for (const auto& m : MonsterData::MONSTERS) {
            if (m->minFloor == m->maxFloor) continue;
            const int d = floor < m->minFloor ? m->minFloor - floor : floor - m->maxFloor;
            if (best < 0 || d < best) {
                best = d;
                candidates.clear();
            }
            if (d == best) candidates.push_back(m);
        }
    }
    if (candidates.empty()) return nullptr;
    return candidates[static_cast<size_t>(FloorRandom::next() * static_cast<double>(candidates.size()))];
}

Monster::Monster(Tile* tile, int monsterID, bool bossOfFloor) : TileObject(tile) {
    walkable = true;
    objType = TYPE_MONSTER;
    data = chooseData(monsterID, bossOfFloor);
    if (!data) data = runtime::make<MonsterData>("", monsterID);
    hp = data->maxHP;
    const double cx = C::TILE_SIZE * 0.5, cy = C::TILE_SIZE * 0.5 + 5;
    if (data->shadowBMD) {
        shadow = runtime::make<framework::Bitmap>(data->shadowBMD);
        shadow->set_x(cx - data->shadowBMD->get_width() * 0.5 + data->idleShadOffsetX);
        shadow->set_y(cy - data->shadowBMD->get_height() * 0.5 + data->idleShadOffsetY);
        addChild(shadow);
    }
    animSprite = runtime::make<BitmapSprite>(data->bmd);
    if (data->idleAnim) animSprite->setNewAnim(data->idleAnim);
    animSprite->set_x((C::TILE_SIZE - data->frameWidth) * 0.5);
    animSprite->set_y(cy - data->frameHeight + data->frameHeight * 0.06);
    addChild(animSprite);
    attackSprite = runtime::make<BitmapSprite>(data->attackBMD);
    if (data->attackIdleAnim) attackSprite->setNewAnim(data->attackIdleAnim);
    const double gx = data->groundPoint ? data->groundPoint->x : 0, gy = data->groundPoint ? data->groundPoint->y : 0;
    const double attackWidth = data->attackAnim ? data->attackAnim->width : 0;
    attackSpriteX = static_cast<int>(cx - gx);
    attackSpriteXFlipped = static_cast<int>(cx - (attackWidth - gx));
    attackSprite->set_x(attackSpriteX);
    attackSprite->set_y(cy - data->attackFrameHeight + data->attackFrameHeight * 0.06);
    if (data->flying) {
        animSprite->set_y(animSprite->get_y() - FLY_HEIGHT);
        attackSprite->set_y(attackSprite->get_y() - FLY_HEIGHT);
    }
    idleOriginY = animSprite->get_y();
    attackOriginY = attackSprite->get_y();
    groundPoint = runtime::make<framework::Point>(attackSprite->get_x() + gx, attackSprite->get_y() + gy);
    isBoss = data->minFloor == data->maxFloor;
    set_mouseEnabled(false);
    set_mouseChildren(false);
}

void Monster::update() {
    if (exploding) {
        updateExplosion();
        return;
    }
    (inBattle ? attackSprite : animSprite)->updateAnim();
    if (data->id == SORCEROR_ID) {
        const int offset = static_cast<int>(std::sin(static_cast<double>(G::frameCount) / NPC::SORCEROR_HOVER_PERIOD) * 3);
        animSprite->set_y(idleOriginY + offset);
        attackSprite->set_y(attackOriginY + offset);
    }
}

namespace {

// The exploration state the monster belongs to, or null.
MapStateLink* linkOf(MapStateLink* own) { return own ? own : MapStateLink::current(); }

}  // namespace

void Monster::setToAttack() {
    if (animSprite->get_parent().get() == this) removeChild(animSprite);
    addChild(attackSprite);
    if (shadow) shadow->set_x(shadow->get_x() + (attackSprite->flipped ? -1 : 1) * data->attackShadOffsetX);
    inBattle = true;
}

void Monster::setToIdle() {
    if (attackSprite->get_parent().get() == this) removeChild(attackSprite);
    addChild(animSprite);
    if (shadow) shadow->set_x(shadow->get_x() - (attackSprite->flipped ? -1 : 1) * data->attackShadOffsetX);
    inBattle = false;
}

void Monster::setAttackSpriteFlip(bool flip) {
    attackSprite->set_flipped(flip);
    attackSprite->set_x(flip ? attackSpriteXFlipped : attackSpriteX);
    const double gx = data->groundPoint ? data->groundPoint->x : 0, gy = data->groundPoint ? data->groundPoint->y : 0;
    double cellWidth = 0;
    if (attackSprite->anim) cellWidth = attackSprite->anim->width;
    else if (data->attackAnim) cellWidth = data->attackAnim->width;
    const double d = flip ? cellWidth - gx : gx;
    groundPoint = runtime::make<framework::Point>(attackSprite->get_x() + d, attackSprite->get_y() + gy);
}

void Monster::explode() {
    MapStateLink* link = linkOf(mapState);
    if (link) link->playSound("splat");
    else Audio::playSound("splat");
    explosion = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/monsters/bloodSplat.png"));
    explosion->setNewAnim(BLOOD_SPLAT_ANIM);
    const double gx = data->groundPoint ? data->groundPoint->x : 0;
    const double attackHeight = data->attackAnim ? data->attackAnim->height : 0;
    explosion->set_x(gx - 32 * 0.5);
    explosion->set_y(attackHeight * 0.2 - 32 * 0.5 - (data->flying ? FLY_HEIGHT : 0));
    if (attackSprite->get_parent().get() == this) removeChild(attackSprite);
    if (tile && tile->tObj.get() == this) tile->tObj = nullptr;
    addChild(explosion);
    exploding = true;
    if (link) link->findFloorObject();
}

void Monster::updateExplosion() {
    explosion->updateAnim();
    if (!explosion->animCompleted) return;
    exploding = false;
    // The floor's list may hold the last reference.
    runtime::Ref<Monster> self(this);
    if (auto parent = get_parent()) parent->removeChild(self);
    destroy(true);
    MapData* floor = nullptr;
    if (MapStateLink* link = linkOf(mapState)) floor = link->currentMapData();
    if (!floor)
        if (auto* state = dynamic_cast<MapState*>(G::mapState.get())) floor = state->mapData.get();
    if (floor) std::erase(floor->tileObjects, runtime::Ref<TileObject>(self));
}

}  // namespace game

using game::Monster;

RUNTIME_DEFINE_CLASS(Monster, "Monster", game::TileObject, (auto& b) {
    b.template field<&Monster::hp>("hp")
        .template field<&Monster::data>("data")
        .template field<&Monster::animSprite>("animSprite")
        .template field<&Monster::attackSprite>("attackSprite")
        .template field<&Monster::groundPoint>("groundPoint")
        .template field<&Monster::inBattle>("inBattle")
        .template field<&Monster::isBoss>("isBoss")
        .template field<&Monster::attackSpriteX>("attackSpriteX")
        .template field<&Monster::attackSpriteXFlipped>("attackSpriteXFlipped")
        .template field<&Monster::explosion>("explosion")
        .template field<&Monster::exploding>("exploding")
        .template field<&Monster::shadow>("shadow")
        .template field<&Monster::idleOriginY>("idleOriginY")
        .template field<&Monster::attackOriginY>("attackOriginY")
        .template staticField<&Monster::FLY_HEIGHT>("FLY_HEIGHT")
        .template method<&Monster::setToAttack>("setToAttack")
        .template method<&Monster::setToIdle>("setToIdle")
        .template method<&Monster::setAttackSpriteFlip>("setAttackSpriteFlip")
        .template method<&Monster::explode>("explode")
        .template method<&Monster::updateExplosion>("updateExplosion");
})
