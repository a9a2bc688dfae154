#include "Hero.h"

#include <string>

#include "framework/display/Bitmap.h"
#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/BMDCache.h"
#include "game/shell/G.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::Sprite;
using runtime::make;
using runtime::Ref;

namespace {

Ref<framework::BitmapData> sheet(const char* name, const char* suffix) {
    return PixelSmoother::smoothAsset(runtime::String(std::string("assets/x2/heroes/") + name + suffix + ".png"));
}

}  // namespace

Hero::Hero(int heroType) : BitmapSprite(nullptr, false, true) {
    groundPoint = make<framework::Point>(16, 19);
    underLayer = make<Sprite>();
    middleLayer = make<Sprite>();
    overLayer = make<Sprite>();
    addChild(underLayer);
    addChild(middleLayer);
    addChild(overLayer);

    auto shadow = make<framework::Bitmap>(BMDCache::SHADOW_M);
    shadow->set_y(15);
    middleLayer->addChild(shadow);

    const char* name = sheetName(heroType == -1 ? GameData::heroType : heroType);
    runSprite = make<BitmapSprite>(sheet(name, ""));
    runSprite->set_y(-25);
    runSprite->setNewAnim(IDLE_DOWN);
    middleLayer->addChild(runSprite);

    attackSprite = make<BitmapSprite>(sheet(name, "Attack"));
    attackSprite->set_x(ATT_SPRITE_X);
    attackSprite->set_y(-16);
    attackSprite->setNewAnim(ATTACK_IDLE);

    dieSprite = make<BitmapSprite>(sheet(name, "Die"));

    set_mouseEnabled(false);
    set_mouseChildren(false);
}

const char* Hero::sheetName(int heroType) {
    switch (heroType) {
    case TYPE_GIRL: return "girl";
    case TYPE_MONK: return "monk";
    case TYPE_VELIX: return "velix";
    default: return "guy";
    }
}

bool Hero::isRun(const Ref<Anim>& anim) { return anim == RUN_RIGHT || anim == RUN_DOWN || anim == RUN_UP; }

bool Hero::isIdle(const Ref<Anim>& anim) { return anim == IDLE_RIGHT || anim == IDLE_DOWN || anim == IDLE_UP; }

bool Hero::mapMoving() {
    auto* state = dynamic_cast<MapState*>(G::mapState.get());
    return state && state->moving;
}

void Hero::update() {
    if (attackMode) {
        attackSprite->updateAnim();
        return;
    }
    if (dieMode) {
        dieSprite->updateAnim();
        return;
    }
    runSprite->updateAnim();
    if (goingToIdle && runSprite->frame % 4 == 1 && !mapMoving()) {
        runSprite->setNewAnim(idleGoTo);
        goingToIdle = false;
        idle = true;
    }
}

void Hero::setRunAnim(const Ref<Anim>& anim, bool keepFrame) {
    if (isRun(runSprite->anim) && isIdle(anim)) {
        goingToIdle = true;
        idleGoTo = anim;
        return;
    }
    runSprite->setNewAnim(anim, !keepFrame);
    idle = isIdle(anim);
}

void Hero::setToIdle() {
    const Ref<Anim>& shown = runSprite->anim;
    if (shown == RUN_RIGHT) setRunAnim(IDLE_RIGHT);
    else if (shown == RUN_DOWN) setRunAnim(IDLE_DOWN);
    else if (shown == RUN_UP) setRunAnim(IDLE_UP);
}

void Hero::removeFromMiddle(const Ref<BitmapSprite>& sprite) {
    if (sprite->get_parent().get() == middleLayer.get()) middleLayer->removeChild(sprite);
}

void Hero::setToAttackMode() {
    removeFromMiddle(runSprite);
    removeFromMiddle(dieSprite);
    middleLayer->addChild(attackSprite);
    attackMode = true;
    dieMode = false;
}

void Hero::setToRunMode() {
    removeFromMiddle(attackSprite);
    removeFromMiddle(dieSprite);
    middleLayer->addChild(runSprite);
    attackMode = dieMode = false;
}

void Hero::setToDieMode() {
    removeFromMiddle(attackSprite);
    removeFromMiddle(runSprite);
    dieSprite->set_x(attackSprite->get_x());
    dieSprite->set_y(attackSprite->get_y());
    middleLayer->addChild(dieSprite);
    dieSprite->setNewAnim(DIE);
    if (attackSprite->flipped) {
        dieSprite->set_flipped(true);
        dieSprite->set_x(dieSprite->get_x() - 12);
    }
    attackMode = false;
    dieMode = true;
}

void Hero::setAttackSpriteFlip(bool flip) {
    attackSprite->set_flipped(flip);
    attackSprite->set_x(flip ? ATT_SPRITE_X_FLIPPED : ATT_SPRITE_X);
}

}  // namespace game

using game::Hero;

RUNTIME_DEFINE_CLASS(Hero, "Hero", game::BitmapSprite, (auto& b) {
    b.template field<&Hero::lev_x>("lev_x")
        .template field<&Hero::lev_y>("lev_y")
        .template field<&Hero::runSprite>("runSprite")
        .template field<&Hero::attackSprite>("attackSprite")
        .template field<&Hero::dieSprite>("dieSprite")
        .template field<&Hero::idleGoTo>("idleGoTo")
        .template field<&Hero::idle>("idle")
        .template field<&Hero::attackMode>("attackMode")
        .template field<&Hero::dieMode>("dieMode")
        .template field<&Hero::groundPoint>("groundPoint")
        .template field<&Hero::underLayer>("underLayer")
        .template field<&Hero::middleLayer>("middleLayer")
        .template field<&Hero::overLayer>("overLayer")
        .template field<&Hero::goingToIdle>("goingToIdle")
        .template method<&Hero::update>("update")
        .template method<&Hero::setToIdle>("setToIdle")
        .template method<&Hero::setToAttackMode>("setToAttackMode")
        .template method<&Hero::setToRunMode>("setToRunMode")
        .template method<&Hero::setToDieMode>("setToDieMode")
        .template method<&Hero::setAttackSpriteFlip>("setAttackSpriteFlip")
        .emptyInstance();
})
