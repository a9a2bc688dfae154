#pragma once
// One bonus of an item: a type key naming the stat it raises and an integer value, with what the
// interface shows for it (label, icon, gem, percentage flag) and, for crafted enchantments, the
// potion picture it gives. The statics are the 27 type keys and the stat and element icon cells.
#include "framework/geom/Rectangle.h"

namespace game {

class Enchantment : public runtime::Object {
    RUNTIME_CLASS(Enchantment)
public:
    using Rect = runtime::Ref<framework::Rectangle>;

    // What a type key stands for: its presentation, its potion factor and the potion picture an
    // ingredient with that property gives.
    struct TypeInfo {
        const char* key;
        const runtime::String* label;
        const Rect* icon;
        const Rect* gem;
        bool elemIcon;
        bool isPercent;
        double potionFactor;
        int potionPicID;
    };

    static inline const runtime::String ATTACK = "att";
    static inline const runtime::String DEFENSE = "def";
    static inline const runtime::String MAGIC = "mag";
    static inline const runtime::String FIRE_DEFENSE = "defFire";
    static inline const runtime::String ICE_DEFENSE = "defIce";
    static inline const runtime::String EARTH_DEFENSE = "defEarth";
    static inline const runtime::String WIND_DEFENSE = "defWind";
    static inline const runtime::String DARK_DEFENSE = "defDark";
    static inline const runtime::String LIGHT_DEFENSE = "defLight";
    static inline const runtime::String FIRE_ATTACK = "attFire";
    static inline const runtime::String ICE_ATTACK = "attIce";
    static inline const runtime::String EARTH_ATTACK = "attEarth";
    static inline const runtime::String WIND_ATTACK = "attWind";
    static inline const runtime::String DARK_ATTACK = "attDark";
    static inline const runtime::String LIGHT_ATTACK = "attLight";
    static inline const runtime::String HP = "hp";
    static inline const runtime::String MP = "mp";
    static inline const runtime::String HP_REGEN = "hpregen";
    static inline const runtime::String MP_REGEN = "mpregen";
    static inline const runtime::String CRIT_CHANCE = "crit";
    static inline const runtime::String DROP_CHANCE = "drop";
    static inline const runtime::String GOLD = "gold";
    static inline const runtime::String EXP = "exp";
    static inline const runtime::String DODGE = "dodge";
    static inline const runtime::String BLEED = "bleed";
    static inline const runtime::String LIFE_DRAIN = "lifedrain";
    static inline const runtime::String INSTA_KILL = "kill";

    // 27x27 cells of "assets/ui/skillIcons.png", five to a row.
    static const Rect ICON_HP, ICON_MP, ICON_ATTACK, ICON_DEFENSE, ICON_MAGIC, ICON_HPREGEN, ICON_MPREGEN, ICON_CRIT,
        ICON_EXP, ICON_GOLD, ICON_DROP, ICON_POTION_EFFICIENCY, ICON_POTION_DURATION, ICON_DODGE, ICON_BLEED,
        ICON_LIFEDRAIN, ICON_KILL, ICON_EMPTY1, ICON_EMPTY2, ICON_EMPTY3, ICON_FIRE, ICON_ICE, ICON_EARTH, ICON_WIND,
        ICON_DARK, ICON_LIGHT, ICON_TELEKINESIS, ICON_REVEALER, ICON_EMPTY4, ICON_EMPTY5;
    // Rows of "assets/ui/elemIcons.png": defence icons at x 0, attack icons at x 19.
    static const Rect ELEM_ICON_ATT_FIRE, ELEM_ICON_ATT_ICE, ELEM_ICON_ATT_EARTH, ELEM_ICON_ATT_WIND,
        ELEM_ICON_ATT_DARK, ELEM_ICON_ATT_LIGHT, ELEM_ICON_DEF_FIRE, ELEM_ICON_DEF_ICE, ELEM_ICON_DEF_EARTH,
        ELEM_ICON_DEF_WIND, ELEM_ICON_DEF_DARK, ELEM_ICON_DEF_LIGHT;

    runtime::String type;
    int value = 0;
    Rect gemRect;
    runtime::String label;
    bool elemIcon = false;
    bool isPercent = false;
    Rect iconScrollRect;
    int picID = 0;

    // With potion, value becomes ceil(k * ceil(value * factor * potionEfficiency)), k 0.5 when
    // halve (an enchantment for equipment) and 1 otherwise. picID -1 means none.
    Enchantment(const runtime::String& type, int value, bool potion = false, int picID = -1, bool halve = false);
    explicit Enchantment(runtime::NoInit) {}

    // Same type text and same value.
    virtual bool equals(const runtime::Ref<Enchantment>& other);
    // Type and value only: presentation follows from the type, picID is not carried over.
    virtual runtime::Ref<Enchantment> clone();

    // The entry of a type key, or null for a text that is none of the 27.
    static const TypeInfo* typeInfo(const runtime::String& key);
};

}  // namespace game
