#include "UseSpecialWindow.h"

#include <algorithm>

#include "ItemInventory.h"
#include "UI.h"
#include "game/data/GameData.h"
#include "game/kit/TweenProps.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "tween/Tweener.h"
#include "tween/easing/Quart.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

UseSpecialWindow::UseSpecialWindow() {
    const double W = Game::gameWidth;
    double px = 0, py = 0;
    if (Game::ui && Game::ui->inventory) {
        px = Game::ui->inventory->get_x();
        py = Game::ui->inventory->get_y();
    }

    itemDetailsWindow = make<BasicWindow>(DETAILS_WIDTH, DETAILS_HEIGHT);
    itemDetailsWindow->set_x(px);
    itemDetailsWindow->set_y(py - DETAILS_HEIGHT);
    addChild(itemDetailsWindow);
    itemDetailsWindow->set_visible(false);
    itemDetails = make<ItemDetails>(DETAILS_WIDTH, DETAILS_HEIGHT);
    itemDetails->set_x(static_cast<int>((DETAILS_WIDTH - ItemDetails::DETAILS_WIDTH) * 0.5));
    itemDetailsWindow->addChild(itemDetails);

    titleText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "Transmute", false, -1, 2, true, 0, false,
                                 false, -5.0, 2, true);
    titleText->set_x(W * 0.6);
    titleText->set_y(py - 60);
    addChild(titleText);
    promptText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Choose an Item:", false, -1, 2, true, 0,
                                  false, false, -5.0, 2, true);
    promptText->set_x(W * 0.6);
    promptText->set_y(titleText->get_y() + 30);
    addChild(promptText);

    backButton = make<BasicButton>(80, 40, 0, -1, BasicButton::COLOR_RED, true,
                                   make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Back", false, -1, 2, true, 0,
                                                    false, false, -5.0, 2, true));
    backButton->set_x(W - backButton->buttonWidth);
    backButton->set_y(0);
    backButton->addEventListener("click", Function::method<&UseSpecialWindow::closeClick>(this));
    addChild(backButton);

    mpHud = make<MPHud>();
    mpHud->set_x(px + UI::UI_WIN_MAX_WIDTH - 154);
    mpHud->set_y(py - 30);
    addChild(mpHud);
}

void UseSpecialWindow::closeClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeUseSpecialWindow();
}

void UseSpecialWindow::selectItem(const Ref<Item>& item) {
    deselectItem();
    itemDetails->set_item(item);
    itemDetailsWindow->set_visible(true);
}

void UseSpecialWindow::deselectItem() {
    itemDetailsWindow->set_visible(false);
    itemDetails->set_item(nullptr);
}

void UseSpecialWindow::useItem(const Ref<Item>& item) {
    if (!item || !item->data || item->artifact || item->data->spell) return;
    if (!specialItem || !specialItem->data) return;
    const int price = specialItem->data->mpUse;
    if (GameData::mp < price) {
        showRefusal();
        return;
    }
    Audio::playSound("transmute");
    // One unit of the chosen stack becomes an artifact copy (enchantments and values kept).
    Ref<Item> copy = item->clone();
    copy->artifact = true;
    GameData::removeItem(item);
    GameData::addItem(copy);
    if (Game::ui)
        if (auto panel = Game::ui->inventory.cast<ItemInventory>()) panel->updateItems();
    GameData::mp -= price;
    mpHud->update(-price);
    if (Game::ui) Game::ui->updateHPMPExp();
}

void UseSpecialWindow::showRefusal() {
    if (!refusalText || refusalText->destroyed)
        refusalText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, NOT_ENOUGH_MP, false, -1, 2, true, -1,
                                       false, false, -5.0, 2, true);
    const Ref<TextSprite> text = refusalText;
    text->set_x(get_mouseX());
    text->set_y(get_mouseY() - 40);
    text->set_alpha(1);
    text->set_visible(true);
    if (Game::ui && Game::ui->overLayer) Game::ui->overLayer->addChild(text);
    if (auto actuator = ::tween::Tweener::tween(text, 2, TweenProps::of({{"y", text->get_y() - 60}, {"alpha", 0}}))) {
        actuator->ease(::tween::Quart::get_easeOut());
        text->tween(actuator);
    }
    if (auto state = G::mapState) {
        auto& effects = state->menuEffects;
        if (std::find(effects.begin(), effects.end(), Ref<BitmapSprite>(text)) == effects.end())
            effects.push_back(text);
    }
}

}  // namespace game

using game::UseSpecialWindow;

RUNTIME_DEFINE_CLASS(UseSpecialWindow, "UseSpecialWindow", game::BitmapSprite, (auto& b) {
    b.template field<&UseSpecialWindow::itemDetails>("itemDetails")
        .template field<&UseSpecialWindow::itemDetailsWindow>("itemDetailsWindow")
        .template field<&UseSpecialWindow::specialItem>("specialItem")
        .template field<&UseSpecialWindow::mpHud>("mpHud")
        .template method<&UseSpecialWindow::closeClick>("closeClick")
        .template method<&UseSpecialWindow::selectItem>("selectItem")
        .template method<&UseSpecialWindow::deselectItem>("deselectItem")
        .template method<&UseSpecialWindow::useItem>("useItem")
        .emptyInstance();
})
