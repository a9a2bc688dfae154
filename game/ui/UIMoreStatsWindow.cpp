#include "UIMoreStatsWindow.h"

#include <cmath>
#include <string>

#include "UI.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/kit/BasicButton.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;
using runtime::Ref;

UIMoreStatsWindow::UIMoreStatsWindow() : BasicWindow(370, 480, true, 0) {
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "More Stats", false, -1, 2, true, 0, false,
                                  false, -5.0, 2, true);
    title->set_x(static_cast<int>(winWidth * 0.5));
    title->set_y(15);
    addChild(title);

    struct Row {
        const char* label;
        const Enchantment::Rect& icon;
        Ref<TextSprite>& value;
    };
    const Row rows[] = {{"Dodge Chance:", Enchantment::ICON_DODGE, dodgeText},
                        {"Critical Hit Chance:", Enchantment::ICON_CRIT, critText},
                        {"Item Drop Chance:", Enchantment::ICON_DROP, dropText},
                        {"Gold Bonus:", Enchantment::ICON_GOLD, goldText},
                        {"Exp Bonus:", Enchantment::ICON_EXP, expText},
                        {"Insta-Kill Chance:", Enchantment::ICON_KILL, killText},
                        {"HP Regen:", Enchantment::ICON_HPREGEN, hpRegenText},
                        {"MP Regen:", Enchantment::ICON_MPREGEN, mpRegenText},
                        {"Bleed:", Enchantment::ICON_BLEED, bleedText},
                        {"Decimate:", Enchantment::ICON_LIFEDRAIN, lifedrainText},
                        {"Crafted Potion Duration:", Enchantment::ICON_POTION_DURATION, potionDurationText},
                        {"Potion Efficiency:", Enchantment::ICON_POTION_EFFICIENCY, potionEfficiencyText}};
    auto sheet = PixelSmoother::smoothAsset("assets/ui/skillIcons.png");
    int y = 50;
    for (const Row& row : rows) {
        auto icon = make<framework::Bitmap>(sheet);
        if (row.icon) icon->set_scrollRect(row.icon->clone());
        icon->set_x(35);
        icon->set_y(y);
        addChild(icon);
        auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, row.label, false, -1, 2, false, 0, false,
                                      false, -5.0, 2, true);
        label->set_x(35 + 30);
        label->set_y(y + 7);
        addChild(label);
        row.value = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "");
        row.value->set_x(260);
        row.value->set_y(label->get_y());
        addChild(row.value);
        y += 30;
    }

    auto close = make<BasicButton>(
        80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Close", false, -1, 2, true, 0, false, false, -5.0, 2,
                         true));
    close->set_x(winWidth * 0.5 - close->buttonWidth * 0.5);
    close->set_y(winHeight - close->buttonHeight - 15);
    close->addEventListener("click", runtime::Function::method<&UIMoreStatsWindow::closeClick>(this));
    addChild(close);
}

void UIMoreStatsWindow::update() {
    auto percent = [](int value) { return std::to_string(value) + "%"; };
    dodgeText->set_text(percent(GameData::dodgeChance));
    critText->set_text(percent(GameData::critChance));
    dropText->set_text(percent(GameData::dropBonus));
    goldText->set_text(percent(GameData::goldMultiplier - 100));
    expText->set_text(percent(GameData::expMultiplier - 100));
    killText->set_text(percent(GameData::killChance));
    hpRegenText->set_text("+" + std::to_string(GameData::hpRegen));
    mpRegenText->set_text("+" + std::to_string(GameData::mpRegen));
    bleedText->set_text(std::to_string(GameData::bleed));
    lifedrainText->set_text(std::to_string(GameData::lifeDrain));
    potionDurationText->set_text(std::to_string(GameData::potionDuration) + " battle" +
                                 (GameData::potionDuration > 1 ? "s" : ""));
    potionEfficiencyText->set_text(
        percent(static_cast<int>(std::floor(GameData::potionEfficiency * 100 + 0.5))));
}

void UIMoreStatsWindow::closeClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeMoreStatsWin();
}

}  // namespace game

using game::UIMoreStatsWindow;

RUNTIME_DEFINE_CLASS(UIMoreStatsWindow, "UIMoreStatsWindow", game::BasicWindow, (auto& b) {
    b.template field<&UIMoreStatsWindow::dodgeText>("dodgeText")
        .template field<&UIMoreStatsWindow::critText>("critText")
        .template field<&UIMoreStatsWindow::dropText>("dropText")
        .template field<&UIMoreStatsWindow::goldText>("goldText")
        .template field<&UIMoreStatsWindow::expText>("expText")
        .template field<&UIMoreStatsWindow::killText>("killText")
        .template field<&UIMoreStatsWindow::hpRegenText>("hpRegenText")
        .template field<&UIMoreStatsWindow::mpRegenText>("mpRegenText")
        .template field<&UIMoreStatsWindow::bleedText>("bleedText")
        .template field<&UIMoreStatsWindow::lifedrainText>("lifedrainText")
        .template field<&UIMoreStatsWindow::potionDurationText>("potionDurationText")
        .template field<&UIMoreStatsWindow::potionEfficiencyText>("potionEfficiencyText")
        .template method<&UIMoreStatsWindow::update>("update")
        .template method<&UIMoreStatsWindow::closeClick>("closeClick")
        .emptyInstance();
})
