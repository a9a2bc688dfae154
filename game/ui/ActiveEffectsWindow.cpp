#include "ActiveEffectsWindow.h"

#include <cmath>
#include <string>

#include "UI.h"
#include "UIActiveEffectsHUD.h"
#include "game/data/GameData.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;
using runtime::Ref;

ActiveEffectsWindow::ActiveEffectsWindow() {
    winBackLayer = make<BitmapSprite>();
    addChild(winBackLayer);
    winBack = make<BasicWindow>(20, 20);
    winBackLayer->addChild(winBack);
    iconHolder = make<BitmapSprite>();
    iconHolder->set_x(10);
    iconHolder->set_y(40);
    winBackLayer->addChild(iconHolder);
    labelHolder = make<BitmapSprite>();
    labelHolder->set_x(10);
    labelHolder->set_y(40);
    winBackLayer->addChild(labelHolder);
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Active Effects", false, -1, 2, true, 0, false,
                                  false, -5.0, 2, true);
    title->set_x(WIN_WIDTH * 0.5);
    title->set_y(10);
    addChild(title);
    closeButton = make<BasicButton>(
        80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Close", false, -1, 2, true, 0, false, false, -5.0, 2,
                         true));
    closeButton->set_x(WIN_WIDTH * 0.5 - closeButton->buttonWidth * 0.5);
    closeButton->addEventListener("click", runtime::Function::method<&ActiveEffectsWindow::closeClick>(this));
    addChild(closeButton);
}

void ActiveEffectsWindow::update() {
    const int n = static_cast<int>(GameData::activeEffects.size());
    const int h = static_cast<int>(iconHolder->get_y() + n * ICON_SPACING + 50);
    winBackLayer->removeChild(winBack);
    winBack = make<BasicWindow>(WIN_WIDTH, h);
    winBackLayer->addChild(winBack);
    // The icons are the HUD row's and live on; the texts are this window's own.
    while (iconHolder->get_numChildren() > 0) iconHolder->removeChildAt(0);
    while (labelHolder->get_numChildren() > 0) {
        auto label = labelHolder->getChildAt(0);
        labelHolder->removeChildAt(0);
        if (auto text = label.cast<BitmapSprite>()) text->destroy();
    }
    winBackLayer->addChild(iconHolder);
    winBackLayer->addChild(labelHolder);

    auto* hud = Game::ui ? dynamic_cast<UIActiveEffectsHUD*>(Game::ui->activeEffectsHUD.get()) : nullptr;
    for (int i = 0; i < n; ++i) {
        const Ref<ActiveEffect>& effect = GameData::activeEffects[i];
        if (!effect || !effect->enchantment) continue;
        Ref<ActiveEffectIcon> icon = hud ? hud->iconOf(effect) : nullptr;
        if (!icon) icon = make<ActiveEffectIcon>(effect);
        const double y = ICON_SPACING * i;
        icon->set_x(20);
        icon->set_y(y);
        iconHolder->addChild(icon);

        auto name = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, effect->enchantment->label, true, 90, -1,
                                     true, 0, false, false, -5.0, 2, true);
        name->set_x(65);
        name->set_y(y + 12 - name->textHeight * 0.5);
        labelHolder->addChild(name);

        std::string amount = "+" + std::to_string(effect->enchantment->value);
        if (effect->enchantment->isPercent) amount += "%";
        auto value = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, amount, false, -1, 2, true);
        value->set_x(185);
        value->set_y(y + 3);
        labelHolder->addChild(value);
    }
    closeButton->set_y(h - closeButton->buttonHeight - 10);
    set_y(Game::gameCenter ? Game::gameCenter->y - h * 0.5 : 0);
}

void ActiveEffectsWindow::closeClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeActiveEffects();
}

}  // namespace game

using game::ActiveEffectsWindow;

RUNTIME_DEFINE_CLASS(ActiveEffectsWindow, "ActiveEffectsWindow", game::BitmapSprite, (auto& b) {
    b.template field<&ActiveEffectsWindow::winBack>("winBack")
        .template field<&ActiveEffectsWindow::winBackLayer>("winBackLayer")
        .template field<&ActiveEffectsWindow::iconHolder>("iconHolder")
        .template field<&ActiveEffectsWindow::labelHolder>("labelHolder")
        .template field<&ActiveEffectsWindow::closeButton>("closeButton")
        .template method<&ActiveEffectsWindow::update>("update")
        .template method<&ActiveEffectsWindow::closeClick>("closeClick")
        .emptyInstance();
})
