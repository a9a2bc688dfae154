#pragma once
// What the data model asks of the exploration state and its battle: whether a battle runs, the
// spell it has queued, the special-item modes, and the labels and effects shown over the hero
// (each kept in the state's effect list). A silent stand-in answers until the state installs its
// own: no battle, nothing shown.
#include "Installable.h"
#include "Item.h"

namespace game {

class DataMap : public Installable<DataMap> {
public:
    virtual ~DataMap() = default;


    virtual bool inBattle() { return false; }
    // The name of the spell the battle has queued for the hero's next hit ("" for none).
    virtual runtime::String battleMagicEffect() { return ""; }
    virtual void useAttackSpell(const runtime::Ref<Item>& item) {}
    virtual void revealMap() {}
    // Closes the in-game menu when open, then waits for the tile item is applied to.
    virtual void startChooseTileMode(const runtime::Ref<Item>& item) {}
    // The escape animation that ends the run.
    virtual void useWings() {}
    // A stat label at the hero's x + 16, y - 10 on the map canvas, floating 30 up and out over
    // 2 s (Cubic.easeOut).
    virtual void floatStatLabel(const runtime::String& text) {}
    // A green restore label ("HP +n" at y -25, "MP +n" at y -15) on the hero, half a tile in,
    // floating 20 up and out over 2 s (Quad.easeOut).
    virtual void floatRestoreLabel(const runtime::String& text, int y) {}
    // The heal animation behind and in front of the hero.
    virtual void playHealAnimation() {}
    // A shared refusal text ("Not enough MP!", "Can't use that now!") at the hero's x + half a
    // tile, y - 15 over the map, floating 30 up and out over 2 s (Quart.easeOut).
    virtual void floatRefusal(const runtime::String& text) {}
    // Hands a sprite to the state's menu-effect list, which takes it off its parent once its
    // registered tween is over.
    virtual void addMenuEffect(const runtime::Ref<runtime::Object>& sprite) {}
};

}  // namespace game
