#pragma once
// One crafting-property row (a label, a framed gem and a power bar), and the labels and gem
// pictures of the crafting properties: one per enchantment type. Gem rectangles are 8x8 cells of
// "assets/ui/enchantmentGems.png"; shared, never modified.
#include "framework/geom/Rectangle.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class CraftingProperty : public BitmapSprite {
    RUNTIME_CLASS(CraftingProperty)
public:
    using Rect = runtime::Ref<framework::Rectangle>;

    static inline const runtime::String LABEL_ATTACK = "Attack";
    static inline const runtime::String LABEL_DEFENSE = "Defense";
    static inline const runtime::String LABEL_MAGIC = "Magic";
    static inline const runtime::String LABEL_FIRE_ATTACK = "Fire Attack";
    static inline const runtime::String LABEL_ICE_ATTACK = "Ice Attack";
    static inline const runtime::String LABEL_EARTH_ATTACK = "Earth Attack";
    static inline const runtime::String LABEL_WIND_ATTACK = "Wind Attack";
    static inline const runtime::String LABEL_DARK_ATTACK = "Dark Attack";
    static inline const runtime::String LABEL_LIGHT_ATTACK = "Light Attack";
    static inline const runtime::String LABEL_FIRE_DEFENSE = "Fire Defense";
    static inline const runtime::String LABEL_ICE_DEFENSE = "Ice Defense";
    static inline const runtime::String LABEL_EARTH_DEFENSE = "Earth Defense";
    static inline const runtime::String LABEL_WIND_DEFENSE = "Wind Defense";
    static inline const runtime::String LABEL_DARK_DEFENSE = "Dark Defense";
    static inline const runtime::String LABEL_LIGHT_DEFENSE = "Light Defense";
    static inline const runtime::String LABEL_HP = "HP Restore";
    static inline const runtime::String LABEL_MP = "MP Restore";
    static inline const runtime::String LABEL_HP_REGEN = "HP Regen";
    static inline const runtime::String LABEL_MP_REGEN = "MP Regen";
    static inline const runtime::String LABEL_CRIT_CHANCE = "Critical Hit Chance";
    static inline const runtime::String LABEL_DROP_CHANCE = "Item Drop Chance";
    static inline const runtime::String LABEL_GOLD = "Gold Bonus";
    static inline const runtime::String LABEL_EXP = "Exp Bonus";
    static inline const runtime::String LABEL_DODGE = "Dodge Chance";
    static inline const runtime::String LABEL_BLEED = "Bleed";
    static inline const runtime::String LABEL_LIFE_DRAIN = "Decimate";
    static inline const runtime::String LABEL_KILL = "Insta-kill";

    static const Rect GEMRECT_HP, GEMRECT_MP, GEMRECT_ATTACK, GEMRECT_DEFENSE, GEMRECT_MAGIC;
    static const Rect GEMRECT_GOLD, GEMRECT_HP_REGEN, GEMRECT_MP_REGEN, GEMRECT_EXP, GEMRECT_DROP_CHANCE;
    static const Rect GEMRECT_LIFE_DRAIN, GEMRECT_BLEED, GEMRECT_CRIT_CHANCE, GEMRECT_DODGE, GEMRECT_FIRE_DEFENSE;
    static const Rect GEMRECT_ICE_DEFENSE, GEMRECT_EARTH_DEFENSE, GEMRECT_WIND_DEFENSE, GEMRECT_DARK_DEFENSE,
        GEMRECT_LIGHT_DEFENSE;
    static const Rect GEMRECT_FIRE_ATTACK, GEMRECT_ICE_ATTACK, GEMRECT_EARTH_ATTACK, GEMRECT_WIND_ATTACK,
        GEMRECT_DARK_ATTACK;
    static const Rect GEMRECT_LIGHT_ATTACK, GEMRECT_KILL;

    // An empty row.
    CraftingProperty();
    explicit CraftingProperty(runtime::NoInit n) : BitmapSprite(n) {}

    // Hides label, frame, gem and bar; the row keeps its own visibility.
    virtual void clearItem();
    // Shows the label, the gem cut by gemRect and a bar power x 4 + 1 wide and 8 high.
    virtual void setItem(const runtime::String& label, const Rect& gemRect, int power);

    runtime::Ref<TextSprite> labelText;
    runtime::Ref<framework::Bitmap> frame;
    runtime::Ref<framework::Bitmap> gem;
    runtime::Ref<framework::Bitmap> bar;
};

}  // namespace game
