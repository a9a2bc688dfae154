#pragma once
// The run's loot summary: this run's artifacts in a scroller, one counter per stat-gem kind, and
// the experience, levels, gold difference and shops gained. All figures are read from GameData's
// this-run counters by updateStats; the panel keeps no totals. The UI root owns one and moves it
// between the loot tab and the escape summary.
#include <vector>

#include "LootGemCounter.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemScroller.h"
#include "game/kit/TextSprite.h"

namespace game {

class LootDetails : public BitmapSprite {
    RUNTIME_CLASS(LootDetails)
public:
    static constexpr int GEM_SPACING = 100;

    // height is not used.
    LootDetails(int width, int height);
    explicit LootDetails(runtime::NoInit n) : BitmapSprite(n) {}

    // Scroller inertia, and the gem animation of every kind taken this run.
    virtual void update();
    // In town the four figures show "-" unless forceValues.
    virtual void updateStats(bool forceValues = false);

    runtime::Ref<ItemScroller> artScroller;
    std::vector<runtime::Ref<LootGemCounter>> statGemCounters;
    runtime::Ref<LootGemCounter> hpGemCounter;
    runtime::Ref<LootGemCounter> mpGemCounter;
    runtime::Ref<LootGemCounter> attackGemCounter;
    runtime::Ref<LootGemCounter> defenseGemCounter;
    runtime::Ref<LootGemCounter> magicGemCounter;
    runtime::Ref<TextSprite> expValue;
    runtime::Ref<TextSprite> levelValue;
    runtime::Ref<TextSprite> goldValue;
    runtime::Ref<TextSprite> shopValue;
};

}  // namespace game
