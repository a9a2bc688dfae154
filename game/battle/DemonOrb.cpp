#include "DemonOrb.h"

#include "Battle.h"
#include "BattleRandom.h"
#include "Effects.h"
#include "framework/assets/Assets.h"
#include "game/kit/TweenProps.h"
#include "game/map/MapState.h"
#include "game/shell/Audio.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "platform/runtime/Function.h"
#include "tween/Tweener.h"
#include "tween/easing/Back.h"
#include "tween/easing/Quad.h"

namespace game {

using runtime::make;
using runtime::Ref;

namespace {

Battle* runningBattle() { return G::mapState ? G::mapState->battle.cast<Battle>().get() : nullptr; }

const char* picture(bool darkFire, bool small) {
    if (small) return darkFire ? "assets/x2/monsters/darkFireOrbSmall.png" : "assets/x2/monsters/darkOrbSmall.png";
    return darkFire ? "assets/x2/monsters/darkFireOrb.png" : "assets/x2/monsters/darkOrb.png";
}

void showHand(const MapState::SpriteRef& shown, const MapState::SpriteRef& hidden) {
    if (shown) shown->set_visible(true);
    if (hidden) hidden->set_visible(false);
}

}  // namespace

DemonOrb::DemonOrb(bool darkFire, bool small)
    : BitmapSprite(framework::Assets::getBitmapData(picture(darkFire, small))), small(small), darkFire(darkFire) {
    setNewAnim(small ? Effects::MONSTER_DEMON_ORB_SMALL : Effects::MONSTER_DEMON_ORB);
    if (!small) time = BIG_TIME;
}

void DemonOrb::update() {
    if (exploding) {
        if (explosion->animCompleted) {
            if (auto parent = get_parent()) parent->removeChild(Ref<DemonOrb>(this));
            destroy();
        } else {
            explosion->updateAnim();
        }
        return;
    }
    updateAnim();
    if (small) return;
    if (--time <= 0) burst();
}

void DemonOrb::burst() {
    Ref<DemonOrb> self(this);
    auto parent = get_parent();
    Battle* battle = runningBattle();
    for (int i = 0; i < SMALL_ORBS; ++i) {
        auto orb = make<DemonOrb>(darkFire, true);
        orb->set_x(get_x() + 8);
        orb->set_y(get_y() + 8);
        orb->id = nextID;
        const double x = orb->get_x() - 50 + BattleRandom::next() * 100;
        const double y = orb->get_y() - 50 + BattleRandom::next() * 100;
        if (auto actuator = ::tween::Tweener::tween(orb, 0.5, TweenProps::of({{"x", x}, {"y", y}}))) {
            actuator->ease(::tween::Back::get_easeOut());
            runtime::Weak<DemonOrb> weak(orb.get());
            actuator->onComplete(runtime::Function::of([weak] {
                if (auto o = weak.lock()) o->tweenToHero();
            }));
        }
        if (battle) battle->orbs.push_back(orb);
        if (parent) parent->addChild(orb);
    }
    if (damageIDs.size() <= static_cast<size_t>(nextID)) damageIDs.resize(static_cast<size_t>(nextID) + 1, false);
    damageIDs[static_cast<size_t>(nextID)] = false;
    if (++nextID > MAX_ID) nextID = 0;
    if (parent) parent->removeChild(self);
    destroy();
    if (MapState* state = G::mapState.get()) {
        if (darkFire) showHand(state->demonRightHandClosed, state->demonRightHandOpen);
        else showHand(state->demonLeftHandClosed, state->demonLeftHandOpen);
    }
}

void DemonOrb::tweenToHero() {
    // An orb destroyed in flight (the demon died) stays where it is.
    if (destroyed || !G::mapState || !G::mapState->hero) return;
    const auto& hero = *G::mapState->hero;
    const double w = anim ? anim->width : 0, h = anim ? anim->height : 0;
    const double x = hero.lev_x * C::TILE_SIZE + w * 0.5;
    const double y = hero.lev_y * C::TILE_SIZE - C::TILE_SIZE * 0.5 + h * 0.5 - 8;
    if (auto actuator = ::tween::Tweener::tween(Ref<DemonOrb>(this), 0.3, TweenProps::of({{"x", x}, {"y", y}}))) {
        actuator->ease(::tween::Quad::get_easeIn());
        runtime::Weak<DemonOrb> weak(this);
        actuator->onComplete(runtime::Function::of([weak] {
            if (auto o = weak.lock()) o->explode();
        }));
    }
}

void DemonOrb::explode() {
    if (destroyed || exploding) return;
    destroyAndRemoveChildren();
    explosion = make<BitmapSprite>(framework::Assets::getBitmapData(
        darkFire ? "assets/x2/monsters/DarkFireBreath.png" : "assets/x2/monsters/darkPixieBlast.png"));
    explosion->set_x(-24);
    explosion->set_y(-24);
    explosion->setNewAnim(darkFire ? Effects::MONSTER_DARK_FIRE_BREATH : Effects::MONSTER_DARK_PIXIE_BLAST);
    addChild(explosion);
    exploding = true;
    const auto k = static_cast<size_t>(id);
    if (k < damageIDs.size() && damageIDs[k]) return;
    if (damageIDs.size() <= k) damageIDs.resize(k + 1, false);
    damageIDs[k] = true;
    if (Battle* battle = runningBattle()) battle->orbExplode(darkFire);
    Audio::playSound(darkFire ? "magicFire" : "plasmaBlast");
}

}  // namespace game

using game::DemonOrb;

RUNTIME_DEFINE_CLASS(DemonOrb, "DemonOrb", game::BitmapSprite, (auto& b) {
    b.template field<&DemonOrb::time>("time")
        .template field<&DemonOrb::small>("small")
        .template field<&DemonOrb::darkFire>("darkFire")
        .template field<&DemonOrb::exploding>("exploding")
        .template field<&DemonOrb::explosion>("explosion")
        .template field<&DemonOrb::id>("id")
        .template staticField<&DemonOrb::BIG_TIME>("BIG_TIME")
        .template staticField<&DemonOrb::nextID>("nextID")
        .template method<&DemonOrb::update>("update")
        .template method<&DemonOrb::tweenToHero>("tweenToHero")
        .template method<&DemonOrb::explode>("explode")
        .emptyInstance();
});
