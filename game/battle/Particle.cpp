#include "Particle.h"

#include "BattleRandom.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

Particle::Particle(int type, bool burst) : BitmapSprite(PixelSmoother::smoothAsset("assets/misc/particles.png")) {
    this->type = type;
    if (ANIMS.empty()) setupAnims();
    setNewAnim(ANIMS.at(static_cast<size_t>(type)));
    switch (type) {
        case ICE_SLOW:
            xMovement = BattleRandom::next() * 4 - 2;
            yMovement = BattleRandom::next() * 3 - 2;
            break;
        case ICE_FAST:
            xMovement = BattleRandom::next() * 8 - 4;
            yMovement = BattleRandom::next() * 5 - 4;
            break;
        default:
            xMovement = BattleRandom::next() * 4 - 2;
            yMovement = BattleRandom::next() * 2 - 0.5;
    }
    const double factor = (burst ? 2 : 1) * (Game::frameRate == 30 ? 2 : 1);
    xMovement *= factor;
    yMovement *= factor;
}

void Particle::setupAnims() {
    ANIMS = {ANIM_FIRE, ANIM_ICE_SLOW, ANIM_EARTH, ANIM_WIND, ANIM_DARK, ANIM_LIGHT, ANIM_ICE_FAST, ANIM_ICE_SWORD};
}

void Particle::update() {
    updateAnim();
    set_x(get_x() + xMovement);
    set_y(get_y() + yMovement);
    xMovement *= 0.96;
    if (isIce()) yMovement *= 0.96;
    else yMovement -= 0.2;
}

}  // namespace game

using game::Particle;

RUNTIME_DEFINE_CLASS(Particle, "Particle", game::BitmapSprite, (auto& b) {
    b.template field<&Particle::type>("type")
        .template field<&Particle::xMovement>("xMovement")
        .template field<&Particle::yMovement>("yMovement")
        .template method<&Particle::update>("update")
        .emptyInstance();
})
