#include "ActiveEffectIcon.h"

#include "framework/geom/Rectangle.h"
#include "game/shell/PixelSmoother.h"

namespace game {

ActiveEffectIcon::ActiveEffectIcon(const runtime::Ref<ActiveEffect>& effect) : effect(effect) {
    const auto& enchantment = effect->enchantment;
    const bool elem = enchantment && enchantment->elemIcon;
    icon = runtime::make<BitmapSprite>(
        PixelSmoother::smoothAsset(elem ? "assets/ui/elemIcons.png" : "assets/ui/skillIcons.png"));
    if (enchantment && enchantment->iconScrollRect && icon->bitmap)
        icon->bitmap->set_scrollRect(enchantment->iconScrollRect->clone());
    icon->set_scaleX(ICON_SCALE);
    icon->set_scaleY(ICON_SCALE);
    addChild(icon);
    durationText = runtime::make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true);
    durationText->set_x(6);
    durationText->set_y(14);
    durationText->set_scaleX(0.5);
    durationText->set_scaleY(0.5);
    addChild(durationText);
    updateDuration();
}

void ActiveEffectIcon::updateDuration() {
    durationText->set_text(runtime::String(std::to_string(effect->duration)));
}

}  // namespace game

using game::ActiveEffectIcon;

RUNTIME_DEFINE_CLASS(ActiveEffectIcon, "ActiveEffectIcon", game::BitmapSprite, (auto& b) {
    b.template field<&ActiveEffectIcon::effect>("effect")
        .template field<&ActiveEffectIcon::icon>("icon")
        .template field<&ActiveEffectIcon::durationText>("durationText")
        .template method<&ActiveEffectIcon::updateDuration>("updateDuration")
        .emptyInstance();
})
