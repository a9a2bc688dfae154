#include "UIActiveEffectsHUD.h"

#include <algorithm>
#include <vector>

#include "game/data/GameData.h"
#include "game/kit/BasicWindow.h"
#include "platform/runtime/Function.h"

namespace game {

using runtime::Ref;

UIActiveEffectsHUD::UIActiveEffectsHUD() {
    addEventListener("click", runtime::Function::method<&UIActiveEffectsHUD::onClick>(this));
    update();
}

int* UIActiveEffectsHUD::sumFor(const runtime::String& code) {
    struct Entry {
        const runtime::String& code;
        int* sum;
    };
    static const Entry TABLE[] = {
        {Enchantment::ATTACK, &attack},         {Enchantment::DEFENSE, &defense},
        {Enchantment::MAGIC, &magic},           {Enchantment::FIRE_DEFENSE, &defFire},
        {Enchantment::ICE_DEFENSE, &defIce},    {Enchantment::EARTH_DEFENSE, &defEarth},
        {Enchantment::WIND_DEFENSE, &defWind},  {Enchantment::DARK_DEFENSE, &defDark},
        {Enchantment::LIGHT_DEFENSE, &defLight}, {Enchantment::FIRE_ATTACK, &attFire},
        {Enchantment::ICE_ATTACK, &attIce},     {Enchantment::EARTH_ATTACK, &attEarth},
        {Enchantment::WIND_ATTACK, &attWind},   {Enchantment::DARK_ATTACK, &attDark},
        {Enchantment::LIGHT_ATTACK, &attLight}, {Enchantment::HP_REGEN, &hpRegen},
        {Enchantment::MP_REGEN, &mpRegen},      {Enchantment::CRIT_CHANCE, &critChance},
        {Enchantment::DROP_CHANCE, &dropBonus}, {Enchantment::GOLD, &goldMultiplier},
        {Enchantment::EXP, &expMultiplier},     {Enchantment::DODGE, &dodgeChance},
        {Enchantment::BLEED, &bleed},           {Enchantment::LIFE_DRAIN, &lifeDrain},
        {Enchantment::INSTA_KILL, &killChance},
    };
    if (code.isNull()) return nullptr;
    for (const Entry& e : TABLE)
        if (e.code == code) return e.sum;
    return nullptr;
}

void UIActiveEffectsHUD::recomputeSums() {
    for (int* sum : {&attack, &defense, &magic, &defFire, &defIce, &defEarth, &defWind, &defDark, &defLight,
                     &attFire, &attIce, &attEarth, &attWind, &attDark, &attLight, &hpRegen, &mpRegen, &critChance,
                     &dropBonus, &goldMultiplier, &expMultiplier, &dodgeChance, &bleed, &lifeDrain, &killChance})
        *sum = 0;
    for (const Ref<ActiveEffect>& effect : GameData::activeEffects) {
        if (!effect || !effect->enchantment) continue;
        if (int* sum = sumFor(effect->enchantment->type)) *sum += effect->enchantment->value;
    }
}

void UIActiveEffectsHUD::addNewEffect(const Ref<ActiveEffect>& effect) {
    if (!effect || !effect->enchantment) return;
    for (const Ref<ActiveEffect>& old : GameData::activeEffects) {
        if (!old || !old->enchantment || !(old->enchantment->type == effect->enchantment->type)) continue;
        const int total = old->duration + effect->duration;
        // Two effects of no duration between them keep the old strength.
        if (total != 0)
            old->enchantment->value = static_cast<int>(
                (static_cast<double>(effect->enchantment->value) * effect->duration +
                 static_cast<double>(old->enchantment->value) * old->duration) /
                total);
        old->duration = total;
        update();
        return;
    }
    GameData::activeEffects.push_back(effect);
    update();
}

void UIActiveEffectsHUD::update() {
    while (get_numChildren() > 0) removeChildAt(0);
    std::vector<Ref<ActiveEffect>> expired;
    std::map<const ActiveEffect*, Ref<ActiveEffectIcon>> shown;
    int n = 0;
    for (const Ref<ActiveEffect>& effect : GameData::activeEffects) {
        if (!effect) continue;
        if (effect->duration < 1) {
            expired.push_back(effect);
            continue;
        }
        Ref<ActiveEffectIcon> icon = iconOf(effect);
        if (!icon) icon = runtime::make<ActiveEffectIcon>(effect);
        icon->set_x((n % ICONS_PER_ROW) * ICON_SPACING);
        icon->set_y((n / ICONS_PER_ROW) * ROW_SPACING);
        addChild(icon);
        icon->updateDuration();
        shown[effect.get()] = icon;
        ++n;
    }
    for (auto& [key, icon] : icons)
        if (!shown.count(key)) icon->destroy();
    icons = std::move(shown);
    for (const Ref<ActiveEffect>& effect : expired) {
        auto& list = GameData::activeEffects;
        auto it = std::find(list.begin(), list.end(), effect);
        if (it != list.end()) list.erase(it);
    }
    recomputeSums();
}

void UIActiveEffectsHUD::decrementDurations() {
    for (const Ref<ActiveEffect>& effect : GameData::activeEffects)
        if (effect) --effect->duration;
    update();
}

void UIActiveEffectsHUD::onClick(const Ref<framework::Event>&) { BasicWindow::askUIRoot("openActiveEffects"); }

Ref<ActiveEffectIcon> UIActiveEffectsHUD::iconOf(const Ref<ActiveEffect>& effect) const {
    auto it = icons.find(effect.get());
    return it == icons.end() ? nullptr : it->second;
}

}  // namespace game

using game::UIActiveEffectsHUD;

RUNTIME_DEFINE_CLASS(UIActiveEffectsHUD, "UIActiveEffectsHUD", game::BitmapSprite, (auto& b) {
    b.template staticField<&UIActiveEffectsHUD::attack>("attack")
        .template staticField<&UIActiveEffectsHUD::defense>("defense")
        .template staticField<&UIActiveEffectsHUD::magic>("magic")
        .template staticField<&UIActiveEffectsHUD::critChance>("critChance")
        .template staticField<&UIActiveEffectsHUD::dropBonus>("dropBonus")
        .template staticField<&UIActiveEffectsHUD::goldMultiplier>("goldMultiplier")
        .template staticField<&UIActiveEffectsHUD::expMultiplier>("expMultiplier")
        .template staticField<&UIActiveEffectsHUD::dodgeChance>("dodgeChance")
        .template method<&UIActiveEffectsHUD::addNewEffect>("addNewEffect")
        .template method<&UIActiveEffectsHUD::update>("update")
        .template method<&UIActiveEffectsHUD::decrementDurations>("decrementDurations")
        .template method<&UIActiveEffectsHUD::onClick>("onClick")
        .emptyInstance();
})
