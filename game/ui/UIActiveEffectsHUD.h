#pragma once
// The row of running potion effects on the dungeon HUD and the one place their bonuses are added
// up: after every update the 25 statics hold, per kind of bonus, the sum over the live effects
// of GameData::activeEffects. A second effect of a kind already running merges into it. Icons
// stand five to a row, 22 pixels apart, rows 27 apart; a click opens the active-effects window.
#include <map>

#include "ActiveEffectIcon.h"
#include "framework/events/Event.h"

namespace game {

class UIActiveEffectsHUD : public BitmapSprite {
    RUNTIME_CLASS(UIActiveEffectsHUD)
public:
    static constexpr int ICONS_PER_ROW = 5;
    static constexpr int ICON_SPACING = 22;
    static constexpr int ROW_SPACING = 27;

    static inline int attack = 0, defense = 0, magic = 0;
    static inline int defFire = 0, defIce = 0, defEarth = 0, defWind = 0, defDark = 0, defLight = 0;
    static inline int attFire = 0, attIce = 0, attEarth = 0, attWind = 0, attDark = 0, attLight = 0;
    static inline int hpRegen = 0, mpRegen = 0, critChance = 0, dropBonus = 0, goldMultiplier = 0,
                      expMultiplier = 0, dodgeChance = 0, bleed = 0, lifeDrain = 0, killChance = 0;

    UIActiveEffectsHUD();
    explicit UIActiveEffectsHUD(runtime::NoInit n) : BitmapSprite(n) {}

    // Recomputes the 25 sums from GameData::activeEffects (no HUD needed).
    static void recomputeSums();
    // The sum fed by an effect code, or null for a code that feeds none.
    static int* sumFor(const runtime::String& code);

    // Adds a timed effect, merging it into the first running one of the same code: durations
    // add up and the value becomes their duration-weighted average (truncated).
    virtual void addNewEffect(const runtime::Ref<ActiveEffect>& effect);
    // Lays the icons out, drops expired effects and recomputes the sums.
    virtual void update();
    // One won battle off every effect.
    virtual void decrementDurations();
    virtual void onClick(const runtime::Ref<framework::Event>& event);

    // The icon shown for an effect, or null.
    runtime::Ref<ActiveEffectIcon> iconOf(const runtime::Ref<ActiveEffect>& effect) const;

private:
    std::map<const ActiveEffect*, runtime::Ref<ActiveEffectIcon>> icons;
};

}  // namespace game
