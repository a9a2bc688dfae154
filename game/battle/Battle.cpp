#include "Battle.h"

#include <algorithm>
#include <cmath>

#include "BattleRandom.h"
#include "DamageText.h"
#include "Effects.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/data/SWITCH.h"
#include "game/data/Achievements.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/map/MapState.h"
#include "game/shell/Audio.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/EnemyDetailsWindow.h"
#include "game/ui/UI.h"
#include "game/ui/UIActiveEffectsHUD.h"
#include "game/kit/TweenProps.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/easing/Cubic.h"
#include "tween/easing/Linear.h"
#include "tween/easing/Quad.h"
#include "tween/easing/Quart.h"

namespace game {

using framework::Point;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

constexpr int TILE = 32;

Ref<Point> point(double x, double y) { return make<Point>(x, y); }

UI* ui() { return dynamic_cast<UI*>(Game::ui.get()); }

// The spell named by a weapon effect: its sound, sheet, animation and sword particle.
struct Spell {
    const runtime::String& name;
    const char* sound;
    const char* sheet;
    const Ref<Anim>& anim;
    int particle;
    int effectX;
    int effectY;
};

const Spell SPELLS[] = {
    {Battle::FIRE_SWORD, "magicFire", "assets/x2/magic/flamestrike.png", Effects::FLAMESTRIKE_ANIM, Particle::FIRE,
     -28, -5},
    {Battle::ICE_SWORD, "iceSlash", "assets/x2/magic/iceslash.png", Effects::ICESLASH_ANIM, Particle::ICE_SWORD, -30,
     -5},
    {Battle::EARTH_SWORD, "earthSpike", "assets/x2/magic/earthspike.png", Effects::EARTHSPIKE_ANIM, Particle::EARTH,
     -30, -5},
    {Battle::WIND_SWORD, "windBlast", "assets/x2/magic/windblast.png", Effects::WINDBLAST_ANIM, Particle::WIND, -30,
     -5},
    {Battle::DARK_BURST, "darkBurst", "assets/x2/magic/darkburst.png", Effects::DARKBURST_ANIM, Particle::DARK, -37,
     -5},
    {Battle::LIGHT_BEAM, "lightBeam", "assets/x2/magic/lightbeam.png", Effects::LIGHTBEAM_ANIM, Particle::LIGHT, -36,
     -55},
};

const Spell* spellNamed(const runtime::String& name) {
    for (const Spell& s : SPELLS)
        if (s.name == name) return &s;
    return nullptr;
}

}  // namespace

int Battle::slowFactor() { return GameData::slowSpeed ? 2 : 1; }

double Battle::rateFactor() { return Game::frameRate == 30 ? 0.5 : 1.0; }

Battle::Battle(const Ref<MapState>& mapState, const Ref<Monster>& monster, int direction)
    : mapState(mapState), monster(monster) {
    hero = Ref<Hero>(dynamic_cast<Hero*>(mapState->hero.get()));
    const MonsterData& d = *monster->data;
    monsterAttackSound = d.attackSound;
    monsterEffectX = d.effectX;
    monsterEffectY = d.effectY;
    monsterTime = static_cast<int>(d.attackDelay * 0.5);
    heroAttackSprite = hero->attackSprite;
    monsterAttackSprite = monster->attackSprite;
    hero->setToAttackMode();
    heroStartPoint = point(hero->get_x(), hero->get_y());
    monsterStartPoint = point(monster->get_x(), monster->get_y());
    const double cx = monster->tile->lev_x * TILE + 16, cy = monster->tile->lev_y * TILE + 16;
    const bool fromRight = direction == MapState::MOVE_LEFT;
    hero->setAttackSpriteFlip(false);
    monster->setAttackSpriteFlip(false);
    if (fromRight) {
        hero->setAttackSpriteFlip(true);
        monster->setAttackSpriteFlip(true);
    }
    const double ox = d.attackOffsetX, oy = d.attackOffsetY;
    const double rv = REST_VERTICAL_DISTANCE, rvh = REST_VERTICAL_HORIZONTAL_DISTANCE, rh = REST_HORIZONTAL_DISTANCE;
    const double av = ATTACK_VERTICAL_DISTANCE, avh = ATTACK_VERTICAL_HORIZONTAL_DISTANCE,
                 ah = ATTACK_HORIZONTAL_DISTANCE, s = HORIZONTAL_SHIFT;
    switch (direction) {
        case MapState::MOVE_UP:
            heroRestPoint = point(cx - rvh, cy + rv);
            heroAttackPoint = point(cx - avh, cy + av);
            monsterRestPoint = point(cx + rvh + ox, cy - rv - oy);
            monsterAttackPoint = point(cx + avh + ox, cy - av - oy);
            break;
        case MapState::MOVE_RIGHT:
            heroRestPoint = point(cx - rh - s, cy);
            heroAttackPoint = point(cx - ah - s, cy);
            monsterRestPoint = point(cx + rh - s + ox, cy + oy);
            monsterAttackPoint = point(cx + ah - s + ox, cy + oy);
            break;
        case MapState::MOVE_LEFT:
            heroRestPoint = point(cx + rh + s, cy);
            heroAttackPoint = point(cx + ah + s, cy);
            monsterRestPoint = point(cx - rh + s - ox, cy + oy);
            monsterAttackPoint = point(cx - ah + s - ox, cy + oy);
            break;
        default:  // MOVE_DOWN
            heroRestPoint = point(cx - rvh, cy - rv);
            heroAttackPoint = point(cx - avh, cy - av);
            monsterRestPoint = point(cx + rvh + ox, cy + rv + oy);
            monsterAttackPoint = point(cx + avh + ox, cy + av + oy);
    }
    if (d.id == Monster::DEMON_ID) {
        heroRestPoint->y += TILE / 3.0;
        heroAttackPoint->y += TILE / 3.0;
    }
    for (auto* p : {&heroRestPoint, &heroAttackPoint}) {
        (*p)->x -= hero->groundPoint->x;
        (*p)->y -= hero->groundPoint->y;
    }
    for (auto* p : {&monsterRestPoint, &monsterAttackPoint}) {
        (*p)->x -= monster->groundPoint->x;
        (*p)->y -= monster->groundPoint->y;
    }
    monster->setToAttack();
    endPoint = point(hero->lev_x * TILE, hero->lev_y * TILE);
    if (auto canvas = mapState->mapCanvas) {
        const double gx = Game::gameCenter ? Game::gameCenter->x : 0, gy = Game::gameCenter ? Game::gameCenter->y : 0;
        auto actuator = ::tween::Tweener::tween(
            canvas, 0.4,
            TweenProps::of({{"x", (-endPoint->x - 16) * canvas->get_scaleX() + gx},
                   {"y", (-endPoint->y - 16) * canvas->get_scaleY() + gy}}));
        if (actuator) actuator->onComplete(runtime::Function::method<&Battle::cameraDoneSettingUp>(this));
        else cameraSet = true;
    } else {
        cameraSet = true;
    }
    if (UI* root = ui()) {
        if (auto panel = dynamic_cast<EnemyDetailsWindow*>(root->enemyDetailsWindow.get())) {
            panel->setMonster(monster);
            panel->show();
        }
    }
    heroAttackSprite->setNewAnim(Hero::ATTACK);
    if (d.attackIdleAnim) monsterAttackSprite->setNewAnim(d.attackIdleAnim);
}

void Battle::cameraDoneSettingUp() { cameraSet = true; }

void Battle::update() {
    if (monster->data->id == Monster::DEMON_ID) {
        for (size_t i = orbs.size(); i-- > 0;) {
            Ref<DemonOrb> orb = orbs[i];
            orb->update();
            if (orb->destroyed) orbs.erase(orbs.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    updateParticles();
    if (battleEnding) {
        updateEndingBattle();
        return;
    }
    const MonsterData& d = *monster->data;
    if (dieing) {
        if (d.attackAnim && monsterAttackSprite->frame >= d.attackAnim->frames) resetMonsterToIdle();
        return;
    }
    if (runningAway) {
        --runAwayTime;
        runAwayMeter->setPercent(1 - static_cast<double>(runAwayTime) / (slowFactor() * RUN_AWAY_FRAMES));
        if (runAwayTime < 1) {
            monster->set_x(monster->tile->lev_x * TILE);
            monster->set_y(monster->tile->lev_y * TILE);
            monster->setToIdle();
            map().correctHeroPostion();
            endBattle();
            return;
        }
    }
    updateHeroPhase();
    if (battleEnding) return;
    if (!runningAway) ++heroTime;
    if (!updateMonsterPhase()) return;
    if (magicEffect != NO_EFFECT) emitSwordParticles();
    ++monsterTime;
    if (bleedDrainStarted) {
        updateBleedDrain();
        if (monster->hp < 1) monsterDead();
    }
}

void Battle::placeSprite(const Ref<framework::DisplayObject>& sprite, const PointRef& from, const PointRef& to,
                         double t) {
    sprite->set_x(from->x + (to->x - from->x) * t);
    sprite->set_y(from->y + (to->y - from->y) * t);
}

void Battle::updateHeroPhase() {
    const int n = heroAttackSprite->frame;
    const Ref<Anim>& a = Hero::ATTACK;
    if (!heroAttacking) {
        if (heroTime > slowFactor() * GameData::attackDelay * rateFactor()) {
            heroAttackSprite->setNewAnim(Hero::ATTACK);
            heroAttacking = true;
            heroTime = 0;
            heroMoveFrame = 0;
        }
        return;
    }
    ++heroMoveFrame;
    const PointRef& from = heroFirstAttack ? heroStartPoint : heroRestPoint;
    if (n < Hero::DAMAGE_FRAME) {
        placeSprite(hero, from, heroAttackPoint,
                    heroMoveFrame / static_cast<double>((Hero::DAMAGE_FRAME - 1) * a->frameStep));
    } else if (n == Hero::DAMAGE_FRAME) {
        if (!heroGaveDamage) {
            if (magicEffect != NO_EFFECT) {
                showSpellAtMonster();
                magicEffect = NO_EFFECT;
            }
            Audio::playSound("basicStrike", 0.5);
            giveDamage();
            heroGaveDamage = true;
            if (monster->hp < 1) {
                monsterDead();
                return;
            }
        }
        heroMoveFrame = 0;
        placeSprite(hero, heroAttackPoint, heroAttackPoint, 0);
    } else if (n < a->frames) {
        placeSprite(hero, heroAttackPoint, heroRestPoint,
                    heroMoveFrame / static_cast<double>((a->frames - Hero::DAMAGE_FRAME - 1) * a->frameStep));
    } else {
        placeSprite(hero, heroRestPoint, heroRestPoint, 0);
        heroAttackSprite->setNewAnim(Hero::ATTACK_IDLE);
        heroAttacking = heroFirstAttack = heroGaveDamage = false;
    }
}

bool Battle::updateMonsterPhase() {
    const MonsterData& d = *monster->data;
    const double limit = slowFactor() * d.attackDelay * rateFactor();
    if (!monsterAttacking) {
        if (monsterTime <= limit) {
            if (monsterGettingInPostion)
                placeSprite(monster, monsterStartPoint, monsterRestPoint, limit > 0 ? monsterTime / limit : 1);
        } else {
            // The demon throws an orb; every other monster swings.
            if (d.id == Monster::DEMON_ID) {
                if (!dieing) throwDemonOrb();
            } else {
                monsterAttacking = true;
                if (d.attackAnim) monsterAttackSprite->setNewAnim(d.attackAnim);
            }
            monsterGettingInPostion = false;
            monsterTime = 0;
            monsterMoveFrame = 0;
        }
        return true;
    }
    ++monsterMoveFrame;
    const int n = monsterAttackSprite->frame;
    const int f = d.damageFrame;
    const int frames = d.attackAnim ? d.attackAnim->frames : 1;
    const int step = d.attackAnim ? d.attackAnim->frameStep : 1;
    if (d.effectAnim && !monsterEffectAdded && n == d.effectFrame) {
        monsterEffectAdded = true;
        showMonsterAttackEffect();
    }
    if (n < f) {
        if (!d.stationary)
            placeSprite(monster, monsterRestPoint, monsterAttackPoint,
                        monsterMoveFrame / static_cast<double>(std::max(1, (f - 1) * step)));
    } else if (n == f) {
        if (!monsterGaveDamage) {
            takeDamage(monsterAttackSound);
            monsterGaveDamage = true;
        }
        monsterMoveFrame = 0;
        if (!d.stationary) placeSprite(monster, monsterAttackPoint, monsterAttackPoint, 0);
        if (GameData::hp < 1) {
            heroDead();
            return false;
        }
    } else if (n < frames) {
        if (!d.stationary)
            placeSprite(monster, monsterAttackPoint, monsterRestPoint,
                        monsterMoveFrame / static_cast<double>(std::max(1, (frames - f - 1) * step)));
    } else {
        resetMonsterToIdle();
    }
    return true;
}

void Battle::resetMonsterToIdle() {
    monster->set_x(monsterRestPoint->x);
    monster->set_y(monsterRestPoint->y);
    if (monster->data->attackIdleAnim) monsterAttackSprite->setNewAnim(monster->data->attackIdleAnim);
    monsterAttacking = monsterGaveDamage = monsterEffectAdded = false;
}

int Battle::getMonsterCenterX() { return static_cast<int>(monster->get_x() + monster->groundPoint->x); }

void Battle::updateParticles() {
    for (size_t i = particles.size(); i-- > 0;) {
        Ref<Particle> p = particles[i];
        p->update();
        if (p->animCompleted) {
            if (auto parent = p->get_parent()) parent->removeChild(p);
            particles.erase(particles.begin() + static_cast<std::ptrdiff_t>(i));
            p->destroy();
        }
    }
}

void Battle::addMapEffect(const Ref<BitmapSprite>& sprite) {
    if (map().overSprite) map().overSprite->addChild(sprite);
    map().mapEffects.push_back(sprite);
}

void Battle::addDamageText(int amount, int type, double x, double y, bool leftward, bool crit, int floorOffset) {
    addMapEffect(make<DamageText>(amount, type, x, y, leftward, crit, floorOffset));
}

void Battle::floatText(const Ref<TextSprite>& text, double x, double y, double seconds, double rise,
                       const Ref<::tween::IEasing>& ease, bool menuEffect) {
    text->set_x(x);
    text->set_y(y);
    text->set_alpha(1);
    text->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(text, seconds, TweenProps::of({{"y", y - rise}, {"alpha", 0}}))) {
        actuator->ease(ease);
        text->tween(actuator);
    }
    if (menuEffect) map().menuEffects.push_back(text);
    else addMapEffect(text);
}

void Battle::enemyPanel(const char* operation, std::optional<int> change) {
    UI* root = ui();
    auto panel = root ? dynamic_cast<EnemyDetailsWindow*>(root->enemyDetailsWindow.get()) : nullptr;
    if (!panel) return;
    if (std::string(operation) == "hide") panel->hide();
    else panel->updateHP(change);
}

Damage::Elements Battle::monsterBonus() const {
    return {monsterBonusFire, monsterBonusIce, monsterBonusEarth, monsterBonusWind, monsterBonusDark, monsterBonusLight};
}

void Battle::giveDamage() {
    const MonsterData& d = *monster->data;
    const Damage::HeroHit hit = Damage::heroHit(d, !firstHit && !monster->isBoss, itemBonus ? itemBonus.get() : nullptr);
    const double mx = monster->get_x() + monsterAttackSprite->get_x() + monster->groundPoint->x;
    if (hit.instantKill) {
        auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED, "INSTA-KILL!", false, -1, 2, true, -1,
                                     false, false, -5.0, 2, true);
        text->set_scaleX(0.5);
        text->set_scaleY(0.5);
        floatText(text, mx, monster->get_y() + monsterAttackSprite->get_y(), 1.5, 15, ::tween::Quart::get_easeOut(),
                  false);
        monster->hp = 0;
        enemyPanel("updateHP", 0);
        return;
    }
    firstHit = true;
    itemBonus = nullptr;
    if (hit.critical) {
        auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "CRITICAL!", false, -1, 2, true, 0,
                                     false, false, -5.0, 2, true);
        text->set_scaleX(0.5);
        text->set_scaleY(0.5);
        floatText(text, mx, monster->get_y() + monsterAttackSprite->get_y() + monster->groundPoint->y - 15, 2.0, 30,
                  ::tween::Quart::get_easeOut(), false);
    }
    monster->hp -= hit.amount;
    enemyPanel("updateHP", -hit.amount);
    const int floorOffset = d.flying ? Monster::FLY_HEIGHT : 0;
    addDamageText(hit.amount, DamageText::TYPE_NORMAL, getMonsterCenterX(),
                  monster->get_y() + monsterAttackSprite->get_y() + monster->groundPoint->y - 10,
                  heroAttackSprite->flipped, hit.critical, floorOffset);
    if (!bleedDrainStarted) {
        const long long bleedSum = static_cast<long long>(GameData::bleed) + UIActiveEffectsHUD::bleed;
        const long long drainSum = static_cast<long long>(GameData::lifeDrain) + UIActiveEffectsHUD::lifeDrain;
        if (bleedSum != 0 && d.bleed) {
            bleed = static_cast<int>(bleedSum);
            bleedDrainStarted = true;
            bleedDrainTime = slowFactor() * BLEED_DRAIN_FRAMES;
        }
        if (drainSum != 0) {
            lifeDrain = static_cast<int>(drainSum);
            bleedDrainStarted = true;
            bleedDrainTime = slowFactor() * BLEED_DRAIN_FRAMES;
        }
    }
}

void Battle::takeDamage(const runtime::String& attackSound) {
    const Damage::MonsterHit hit = Damage::monsterHit(*monster->data, monsterBonus());
    const double hx = hero->get_x() + hero->groundPoint->x, hy = hero->get_y() + hero->groundPoint->y;
    if (hit.dodged) {
        auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Dodged!", false, -1, 2, true, 0, false,
                                     false, -5.0, 2, true);
        text->set_scaleX(0.5);
        text->set_scaleY(0.5);
        floatText(text, hx, hy - 35, 3.0, 30, ::tween::Quad::get_easeOut(), false);
        return;
    }
    GameData::loseHP(hit.amount);
    addDamageText(hit.amount, DamageText::TYPE_NORMAL, hx, hy - 10, !monsterAttackSprite->flipped, false, 0);
    if (!attackSound.isNull() && !attackSound.toText().empty()) Audio::playSound(attackSound, 0.5);
}

void Battle::updateBleedDrain() {
    if (--bleedDrainTime >= 1) return;
    bleedDrainTime = slowFactor() * BLEED_DRAIN_FRAMES;
    const double top = monster->get_y() + monsterAttackSprite->get_y() + monster->groundPoint->y;
    const int floorOffset = monster->data->flying ? Monster::FLY_HEIGHT : 0;
    if (bleed != 0) {
        monster->hp -= bleed;
        enemyPanel("updateHP", -bleed);
        const double x = getMonsterCenterX() - 2 + BattleRandom::next() * 4;
        const double y = top - 9 + BattleRandom::next() * 3;
        addDamageText(bleed, DamageText::TYPE_BLEED, x, y, heroAttackSprite->flipped, false, floorOffset);
    }
    if (lifeDrain != 0) {
        monster->hp -= lifeDrain;
        enemyPanel("updateHP", -lifeDrain);
        addDamageText(lifeDrain, DamageText::TYPE_LIFEDRAIN, getMonsterCenterX(), top - 8, heroAttackSprite->flipped,
                      false, floorOffset);
    }
}

void Battle::orbExplode(bool darkFire) {
    if (dieing) return;
    monsterBonusDark = 0;
    monsterBonusFire = 0;
    if (darkFire) monsterBonusFire = monsterBonusDark = 60;
    else monsterBonusDark = 100;
    takeDamage(nullptr);
    if (GameData::hp < 1) heroDead();
}

void Battle::useAttackSpell(const Ref<Item>& item) {
    if (!item || !item->data) return;
    magicEffect = item->data->name;
    magicEffectJustStarted = true;
    itemBonus = item;
}

void Battle::showSpellAtMonster() {
    const Spell* spell = spellNamed(magicEffect);
    if (!spell) return;
    const MonsterData& d = *monster->data;
    const double fly = d.flying ? Monster::FLY_HEIGHT : 0;
    const double gx = monster->get_x() + monster->groundPoint->x, gy = monster->get_y() + monster->groundPoint->y;
    const double canvasScale = map().mapCanvas ? map().mapCanvas->get_scaleX() : 1;
    if (spell->name == ICE_SWORD) {
        for (int i = 0; i < 50; ++i) {
            const bool slow = i < 30;
            auto p = make<Particle>(slow ? Particle::ICE_SLOW : Particle::ICE_FAST);
            const double x = slow ? gx + BattleRandom::next() * 20 - 10 : gx + BattleRandom::next() * 10 - 5;
            const double y = slow ? gy + BattleRandom::next() * 10 - 2 + fly : gy + BattleRandom::next() * 4 - 1 + fly;
            p->set_x(x);
            p->set_y(y);
            p->set_scaleX(p->get_scaleX() / canvasScale);
            p->set_scaleY(p->get_scaleY() / canvasScale);
            particles.push_back(p);
            if (map().overSprite) map().overSprite->addChild(p);
        }
    }
    Audio::playSound(spell->sound);
    auto effect = make<BitmapSprite>(PixelSmoother::smoothAsset(spell->sheet));
    effect->setNewAnim(spell->anim);
    effect->set_x(gx - spell->anim->width * 0.5);
    effect->set_y(gy - spell->anim->height + 4 + fly);
    addMapEffect(effect);
}

void Battle::showMonsterAttackEffect() {
    const MonsterData& d = *monster->data;
    Ref<framework::BitmapData> sheet = d.effectBMD;
    Ref<Anim> anim = d.effectAnim;
    if (d.randomAtack) {
        monsterBonusFire = monsterBonusIce = monsterBonusEarth = monsterBonusWind = monsterBonusDark =
            monsterBonusLight = 0;
        const int k = std::min(5, static_cast<int>(BattleRandom::next() * 6));
        const Spell& row = SPELLS[k];
        sheet = PixelSmoother::smoothAsset(row.sheet);
        anim = row.anim;
        // The row's sound and offsets belong to this strike only: the shared definition keeps its own.
        monsterAttackSound = row.sound;
        monsterEffectX = row.effectX;
        monsterEffectY = row.effectY;
        int* bonuses[] = {&monsterBonusFire, &monsterBonusIce, &monsterBonusEarth,
                          &monsterBonusWind, &monsterBonusDark, &monsterBonusLight};
        *bonuses[k] = 50;
    }
    if (!anim) return;
    auto effect = make<BitmapSprite>(sheet);
    effect->setNewAnim(anim);
    const auto& s = monsterAttackSprite;
    if (!s->flipped) {
        effect->set_x(monster->get_x() + s->get_x() + monsterEffectX);
    } else {
        const double cell = s->anim ? s->anim->width : 0;
        effect->set_x(monster->get_x() + s->get_x() + cell - monsterEffectX - anim->width);
        effect->set_flipped(true);
    }
    effect->set_y(monster->get_y() + s->get_y() + monsterEffectY);
    const size_t row = static_cast<size_t>(std::max(0, hero->lev_y));
    if (row < map().objectRows.size() && map().objectRows[row]) map().objectRows[row]->addChild(effect);
    else if (map().overSprite) map().overSprite->addChild(effect);
    map().mapEffects.push_back(effect);
}

void Battle::throwDemonOrb() {
    MapState& state = map();
    const bool darkFire = BattleRandom::next() >= 0.5;
    auto orb = make<DemonOrb>(darkFire);
    const auto& open = darkFire ? state.demonRightHandOpen : state.demonLeftHandOpen;
    const auto& closed = darkFire ? state.demonRightHandClosed : state.demonLeftHandClosed;
    if (closed) closed->set_visible(false);
    if (open) {
        open->set_visible(true);
        const double w = orb->anim ? orb->anim->width : 0;
        orb->set_x(darkFire ? open->get_x() + 30 : open->get_x() - 30 - w);
        orb->set_y(open->get_y() + 10);
    }
    orbs.push_back(orb);
    if (state.overSprite) state.overSprite->addChild(orb);
}

void Battle::destroyOrbs() {
    for (const auto& orb : orbs) {
        if (auto parent = orb->get_parent()) parent->removeChild(orb);
        orb->destroy();
    }
}

void Battle::emitSwordParticles() {
    const Spell* spell = spellNamed(magicEffect);
    if (!spell || Effects::GUY_SWORD_POINTS.empty()) return;
    const bool idle = heroAttackSprite->anim == Hero::ATTACK_IDLE;
    const size_t index = idle ? 0 : static_cast<size_t>(std::max(0, heroAttackSprite->frame));
    if (index >= Effects::GUY_SWORD_POINTS.size()) return;
    const Effects::Points& points = Effects::GUY_SWORD_POINTS[index];
    if (points.size() < 2) return;
    int count = magicEffectJustStarted ? 30 : 6;
    if (Game::mobile) count /= 2;
    const double cell = heroAttackSprite->anim ? heroAttackSprite->anim->width : 0;
    const double canvasScale = map().mapCanvas ? map().mapCanvas->get_scaleX() : 1;
    for (int c = 0; c < count; ++c) {
        auto p = make<Particle>(spell->particle, magicEffectJustStarted);
        const size_t i = static_cast<size_t>(std::floor((points.size() - 1) * BattleRandom::next()));
        double ax = points[i]->x, ay = points[i]->y, bx = points[i + 1]->x, by = points[i + 1]->y;
        if (heroAttackSprite->flipped) {
            ax = cell - ax;
            bx = cell - bx;
        }
        const double r1 = BattleRandom::next(), r2 = BattleRandom::next();
        p->set_x(ax + (bx - ax) * r1);
        p->set_y(ay + (by - ay) * r2);
        p->set_scaleX(p->get_scaleX() / canvasScale);
        p->set_scaleY(p->get_scaleY() / canvasScale);
        particles.push_back(p);
        heroAttackSprite->addChild(p);
    }
    magicEffectJustStarted = false;
}

void Battle::clearParticles() {
    for (const Ref<Particle>& p : particles) {
        if (auto parent = p->get_parent()) parent->removeChild(p);
        p->destroy();
    }
    particles.clear();
}

void Battle::showRegenText(int amount, const Ref<SpriteFont>& font, double y, double rise) {
    auto text = make<TextSprite>(font, runtime::String("+" + std::to_string(amount)), false, -1, 2, true);
    text->set_x(16);
    text->set_y(y);
    hero->addChild(text);
    if (auto actuator = ::tween::Tweener::tween(text, 2.0, TweenProps::of({{"y", y - rise}, {"alpha", 0}}))) {
        actuator->ease(::tween::Quad::get_easeOut());
        text->tween(actuator);
    }
    map().menuEffects.push_back(text);
}

void Battle::monsterDead() {
    const MonsterData& d = *monster->data;
    if (d.id == Monster::SORCEROR_ID) {
        map().sorcererDied = true;
        Achievements::submitSorcererKilled();
        Audio::playMusic("");
    } else if (d.id == Monster::GIANT_SPIDER_ID) {
        GameData::setSwitch(SWITCH::SPIDER_DEAD, true);
        Achievements::submitGiantSpiderKilled();
    } else if (d.id == Monster::YETI_ID) {
        GameData::setSwitch(SWITCH::YETI_DEAD, true);
        Achievements::submitYetiKilled();
    } else if (d.id == Monster::DEMON_ID) {
        destroyOrbs();
        map().demonDie();
        if (GameData::successfulRuns + 1 < GameData::runsToBeatTheGame)
            GameData::runsToBeatTheGame = GameData::successfulRuns + 1;
        Achievements::submitDemonKilled();
    }
    victory = true;
    enemyPanel("hide");
    if (d.id != Monster::SORCEROR_ID && d.id != Monster::DEMON_ID) {
        monster->explode();
    }
    GameData::gainGold(static_cast<int>(
        (static_cast<double>(UIActiveEffectsHUD::goldMultiplier) + GameData::goldMultiplier) / 100.0 * d.gold));
    GameData::gainExp(static_cast<int>(
        (static_cast<double>(UIActiveEffectsHUD::expMultiplier) + GameData::expMultiplier) / 100.0 * d.exp));
    const int h = UIActiveEffectsHUD::hpRegen + GameData::hpRegen;
    if (GameData::hp < GameData::maxHP && h > 0) {
        GameData::gainHP(h);
        showRegenText(h, TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN, -25, 20);
    }
    const int m = GameData::mpRegen + UIActiveEffectsHUD::mpRegen;
    if (GameData::mp < GameData::maxMP && m > 0) {
        GameData::gainMP(m);
        showRegenText(m, TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN, -20, 15);
    }
    battleEnding = true;
    clearParticles();
    if (!d.drops.empty()) rollDrop();
    if (UI* root = ui()) {
        if (auto hud = dynamic_cast<UIActiveEffectsHUD*>(root->activeEffectsHUD.get())) {
            hud->decrementDurations();
            return;
        }
    }
    // Without the HUD the effects still count one won battle off.
    for (const auto& effect : GameData::activeEffects)
        if (effect) --effect->duration;
    std::erase_if(GameData::activeEffects, [](const Ref<ActiveEffect>& e) { return !e || e->duration < 1; });
    UIActiveEffectsHUD::recomputeSums();
}

int Battle::chooseDrop(const MonsterData& d) {
    if (d.drops.empty()) return -1;
    long long sum = 0;
    for (int c : d.dropChances) sum += c;
    const double r = BattleRandom::next();
    if (static_cast<double>(sum + UIActiveEffectsHUD::dropBonus + GameData::dropBonus) < r * 100) return -1;
    const double pick = BattleRandom::next() * static_cast<double>(sum);
    long long running = 0;
    for (size_t i = 0; i < d.drops.size(); ++i) {
        running += i < d.dropChances.size() ? d.dropChances[i] : 0;
        if (static_cast<double>(running) >= pick) return d.drops[i];
    }
    return -1;
}

void Battle::rollDrop() {
    const MonsterData& d = *monster->data;
    const int chosen = chooseDrop(d);
    if (chosen < 0) return;
    auto data = ItemData::findDataWithID(chosen);
    if (!data) return;
    auto item = make<Item>(data);
    auto icon = make<ItemIconAnimated>(item);
    icon->origin = point(monster->get_x() + 5, monster->get_y() - 12);
    icon->set_x(icon->origin->x);
    icon->set_y(icon->origin->y);
    const size_t row = static_cast<size_t>(std::max(0, monster->tile->lev_y));
    if (row < map().objectRows.size() && map().objectRows[row]) map().objectRows[row]->addChild(icon);
    map().animatedItemIcons.push_back(icon);
    map().showFoundItemWindow(item);
    GameData::addItem(item, 1, data->type == ItemData::TYPE_CONSUMABLE);
}

void Battle::updateEndingBattle() {
    for (auto [get, set, target] :
         {std::tuple{&framework::DisplayObject::get_x, &framework::DisplayObject::set_x, endPoint->x},
          std::tuple{&framework::DisplayObject::get_y, &framework::DisplayObject::set_y, endPoint->y}}) {
        const double v = ((*hero).*get)();
        if (std::abs(v - target) <= END_WALK_SPEED) ((*hero).*set)(target);
        else ((*hero).*set)(v + (target > v ? END_WALK_SPEED : -END_WALK_SPEED));
    }
    if (hero->get_x() == endPoint->x && hero->get_y() == endPoint->y && cameraSet) endBattle();
}

void Battle::heroDead() {
    Audio::playSound("gameOver");
    enemyPanel("hide");
    dieing = true;
    hero->setToDieMode();
    clearParticles();
    if (UI* root = ui()) {
        if (auto black = root->overBlack) {
            black->set_visible(true);
            black->set_alpha(0);
            if (root->overLayer) root->overLayer->addChild(black);
            auto actuator = ::tween::Tweener::tween(black, 4.0, TweenProps::of({{"alpha", 1}}));
            if (actuator) {
                actuator->ease(::tween::Cubic::get_easeIn());
                actuator->onComplete(runtime::Function::methodStrong<&Battle::showDeathText>(Ref<Battle>(this)));
            }
        }
        if (root->mainLayer) root->mainLayer->set_alpha(0);
    }
    Audio::fadeOutMusic(Game::frameRate * 4);
    GameData::youDied();
}

void Battle::showDeathText() {
    if (UI* root = ui()) root->showDeathText();
}

void Battle::startRunAway() {
    if (battleEnding) return;
    if (monster->isBoss) {
        auto& text = GameData::cantRunText;
        auto sprite = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, text, false, -1, 2, true, 0, false, false,
                                       -5.0, 2, true);
        sprite->set_scaleX(0.5);
        sprite->set_scaleY(0.5);
        if (map().overSprite) map().overSprite->addChild(sprite);
        floatText(sprite, map().hero->get_x() + 16, map().hero->get_y() - 15, 2.0, 30,
                  ::tween::Quart::get_easeOut(), true);
        return;
    }
    runAwayText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "Running away...", false, -1, 2, true,
                                   0, false, false, -5.0, 2, true);
    runAwayText->set_scaleX(0.5);
    runAwayText->set_scaleY(0.5);
    runAwayText->set_x(hero->lev_x * TILE + 16);
    runAwayText->set_y((hero->lev_y + 1) * TILE);
    runAwayMeter = make<BasicMeter>(RUN_AWAY_METER_WIDTH, RUN_AWAY_METER_HEIGHT, static_cast<int>(0xFF86FCFD));
    runAwayMeter->set_x(runAwayText->get_x() - 15);
    runAwayMeter->set_y(runAwayText->get_y() + 10);
    runAwayMeter->setPercent(0);
    if (map().overSprite) {
        map().overSprite->addChild(runAwayText);
        map().overSprite->addChild(runAwayMeter);
    }
    runningAway = true;
    runAwayTime = slowFactor() * RUN_AWAY_FRAMES;
}

void Battle::stopRunAway() {
    for (Ref<framework::DisplayObject> s : {Ref<framework::DisplayObject>(runAwayText),
                                             Ref<framework::DisplayObject>(runAwayMeter)})
        if (s && s->get_parent()) s->get_parent()->removeChild(s);
    runningAway = false;
}

void Battle::endBattle() {
    const bool wasRunning = runningAway;
    if (wasRunning) stopRunAway();
    if (monster->data->id == Monster::SORCEROR_ID) {
        if (auto parent = monster->get_parent()) parent->removeChild(monster);
        monster->tile->tObj = nullptr;
    }
    map().endBattle(wasRunning && !victory);
}

}  // namespace game

using game::Battle;

RUNTIME_DEFINE_CLASS(Battle, "Battle", runtime::Object, (auto& b) {
    b.template field<&Battle::runningAway>("runningAway")
        .template field<&Battle::magicEffect>("magicEffect")
        .template field<&Battle::heroTime>("heroTime")
        .template field<&Battle::monsterTime>("monsterTime")
        .template field<&Battle::battleEnding>("battleEnding")
        .template field<&Battle::dieing>("dieing")
        .template field<&Battle::victory>("victory")
        .template staticField<&Battle::BLEED_DRAIN_FRAMES>("BLEED_DRAIN_FRAMES")
        .template staticField<&Battle::RUN_AWAY_FRAMES>("RUN_AWAY_FRAMES")
        .template method<&Battle::cameraDoneSettingUp>("cameraDoneSettingUp")
        .template method<&Battle::update>("update")
        .template method<&Battle::orbExplode>("orbExplode")
        .template method<&Battle::destroyOrbs>("destroyOrbs")
        .template method<&Battle::useAttackSpell>("useAttackSpell")
        .template method<&Battle::startRunAway>("startRunAway")
        .template method<&Battle::stopRunAway>("stopRunAway")
        .template method<&Battle::endBattle>("endBattle")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            if (argc < 3) return nullptr;
            auto state = Ref<game::MapState>(args[0].as<game::MapState>());
            auto monster = Ref<game::Monster>(args[1].as<game::Monster>());
            if (!state || !monster || !monster->data) return nullptr;
            return runtime::make<Battle>(state, monster, args[2].toInt());
        });
})
