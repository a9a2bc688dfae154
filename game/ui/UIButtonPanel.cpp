#include "UIButtonPanel.h"

#include "UI.h"
#include "framework/geom/Rectangle.h"
#include "framework/assets/Assets.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

Ref<BasicButton> tabButton(int width, int height, int color = BasicButton::COLOR_BLACK) {
    return make<BasicButton>(width, height, 0, -1, color, true);
}

// A picture (or a cut of it) as the button's icon, centred on the button by the cut's size.
Ref<BitmapSprite> iconOn(const Ref<BasicButton>& button, const Ref<framework::BitmapData>& picture,
                         const Ref<framework::Rectangle>& cut = nullptr) {
    auto icon = make<BitmapSprite>(picture);
    if (cut) icon->set_scrollRect(cut);
    const int w = cut ? static_cast<int>(cut->width) : (picture ? picture->get_width() : 0);
    const int h = cut ? static_cast<int>(cut->height) : (picture ? picture->get_height() : 0);
    icon->set_x(static_cast<int>((button->buttonWidth - w) * 0.5));
    icon->set_y(static_cast<int>((button->buttonHeight - h) * 0.5));
    button->addChild(icon);
    button->icon = icon;
    return icon;
}

}  // namespace

UIButtonPanel::UIButtonPanel(int width, int height) {
    const int tabH = height / 6;
    const int half = static_cast<int>(width * 0.5);

    bestiaryButton = tabButton(half, tabH);
    bestiaryButton->set_y(height - bestiaryButton->buttonHeight);
    auto pages = PixelSmoother::smoothAsset("assets/ui/settingsBestiary.png");
    book = iconOn(bestiaryButton, pages, make<framework::Rectangle>(46, 0, 45, 48));
    bestiaryButton->addEventListener("click", Function::method<&UIButtonPanel::bestiaryClick>(this));

    settingsButton = tabButton(half, tabH);
    settingsButton->set_x(bestiaryButton->buttonWidth);
    settingsButton->set_y(height - settingsButton->buttonHeight);
    gear = iconOn(settingsButton, pages, make<framework::Rectangle>(0, 0, 46, 48));
    settingsButton->addEventListener("click", Function::method<&UIButtonPanel::settingsClick>(this));

    statsButton = tabButton(width, tabH);
    statsButton->set_y(height - 2 * tabH);
    statsIcon = iconOn(statsButton, PixelSmoother::smoothAsset("assets/ui/statsButtonIcon.png"));
    statsButton->addEventListener("click", Function::method<&UIButtonPanel::statsClick>(this));

    craftingButton = tabButton(width, static_cast<int>(tabH * 1.5));
    craftingButton->set_y(height - 2 * tabH - craftingButton->buttonHeight);
    craftIcon = iconOn(craftingButton, PixelSmoother::smoothAsset("assets/ui/craftButton.png"));
    craftingButton->addEventListener("click", Function::method<&UIButtonPanel::craftClick>(this));

    const int tabsTop = height - 2 * (craftingButton->buttonHeight + tabH);
    equipmentButton = tabButton(width, static_cast<int>(tabH * 1.5));
    equipmentButton->set_y(tabsTop);
    equipIcon = iconOn(equipmentButton, framework::Assets::getBitmapData("assets/ui/equipButton.png"));
    equipmentButton->addEventListener("click", Function::method<&UIButtonPanel::equipClick>(this));

    closeButton = tabButton(width, tabsTop, BasicButton::COLOR_RED);
    closeText = iconOn(closeButton, framework::Assets::getBitmapData("assets/ui/backButton.png"));
    closeButton->addEventListener("click", Function::method<&UIButtonPanel::closeClick>(this));

    for (const Ref<BasicButton>& button :
         {bestiaryButton, settingsButton, statsButton, craftingButton, equipmentButton, closeButton})
        addChild(button);
    if (!Game::mobile)
        for (const Ref<BitmapSprite>& icon : {book, gear, closeText, equipIcon, craftIcon, statsIcon}) icon->set_alpha(0.5);
}

Ref<BasicButton> UIButtonPanel::buttonOfTab(int tab) const {
    switch (tab) {
        case UI::WIN_EQUIPMENT: return equipmentButton;
        case UI::WIN_CRAFTING: return craftingButton;
        case UI::WIN_LOOT: return statsButton;
        case UI::WIN_SETTINGS: return settingsButton;
        case UI::WIN_BESTIARY: return bestiaryButton;
        default: return nullptr;
    }
}

void UIButtonPanel::selectTab(int tab) {
    if (auto previous = buttonOfTab(selectedTab)) previous->deselect();
    if (auto next = buttonOfTab(tab)) {
        selectedButton = next;
        next->select();
    }
    selectedTab = tab;
}

void UIButtonPanel::openTab(int tab) {
    selectTab(tab);
    if (Game::ui) Game::ui->openWindow(tab);
}

void UIButtonPanel::bestiaryClick(const EventRef&) { openTab(UI::WIN_BESTIARY); }
void UIButtonPanel::settingsClick(const EventRef&) { openTab(UI::WIN_SETTINGS); }
void UIButtonPanel::statsClick(const EventRef&) { openTab(UI::WIN_LOOT); }
void UIButtonPanel::equipClick(const EventRef&) { openTab(UI::WIN_EQUIPMENT); }
void UIButtonPanel::craftClick(const EventRef&) { openTab(UI::WIN_CRAFTING); }

void UIButtonPanel::closeClick(const EventRef&) {
    if (Game::ui) Game::ui->closeMenu();
}

}  // namespace game

using game::UIButtonPanel;

RUNTIME_DEFINE_CLASS(UIButtonPanel, "UIButtonPanel", game::BitmapSprite, (auto& b) {
    b.template field<&UIButtonPanel::closeButton>("closeButton")
        .template field<&UIButtonPanel::equipmentButton>("equipmentButton")
        .template field<&UIButtonPanel::craftingButton>("craftingButton")
        .template field<&UIButtonPanel::statsButton>("statsButton")
        .template field<&UIButtonPanel::bestiaryButton>("bestiaryButton")
        .template field<&UIButtonPanel::settingsButton>("settingsButton")
        .template field<&UIButtonPanel::selectedTab>("selectedTab")
        .template field<&UIButtonPanel::selectedButton>("selectedButton")
        .template method<&UIButtonPanel::bestiaryClick>("bestiaryClick")
        .template method<&UIButtonPanel::settingsClick>("settingsClick")
        .template method<&UIButtonPanel::statsClick>("statsClick")
        .template method<&UIButtonPanel::equipClick>("equipClick")
        .template method<&UIButtonPanel::craftClick>("craftClick")
        .template method<&UIButtonPanel::closeClick>("closeClick")
        .template method<&UIButtonPanel::selectTab>("selectTab")
        .emptyInstance();
})
