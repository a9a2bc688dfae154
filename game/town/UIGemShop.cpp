#include "UIGemShop.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "framework/display/Bitmap.h"
#include "framework/assets/Assets.h"
#include "game/battle/Hero.h"
#include "game/data/GameData.h"
#include "game/floor/MapData.h"
#include "game/floor/StatGem.h"
#include "game/map/MapState.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

const char* const WELCOME = "I got the gems if you got the gold!";
const char* const LABELS[5] = {"HP", "MP", "Attack", "Defense", "Magic"};
const Ref<Anim>* const GEM_ANIMS[5] = {&StatGem::HP, &StatGem::MP, &StatGem::ATTACK, &StatGem::DEFENSE,
                                       &StatGem::MAGIC};
// The dearest price an Int holds in whole hundreds.
constexpr double MAX_PRICE = INT_MAX / 100 * 100;

}  // namespace

UIGemShop::UIGemShop() : BasicWindow(WIN_WIDTH, WIN_HEIGHT) {
    for (auto* tag : {&hpCostSprite, &mpCostSprite, &attackCostSprite, &defenseCostSprite, &magicCostSprite})
        *tag = make<BitmapSprite>();

    message = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, WELCOME, false, -1, 2, true, 0, true);
    message->set_x(static_cast<int>(winWidth * 0.5));
    message->set_y(10);
    addChild(message);

    for (int type = StatGem::TYPE_HP; type <= StatGem::TYPE_MAGIC; ++type) {
        Tag tag = tagOf(type);
        *tag.text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "", false, -1, 2, false, -1);
        (*tag.text)->set_x(20);
        (*tag.text)->set_y(1);
        (*tag.sprite)->set_y(56);
    }

    for (int type = StatGem::TYPE_HP; type <= StatGem::TYPE_MAGIC; ++type) {
        auto button = createGemButton(type);
        button->set_x(20 + 100 * type);
        button->set_y(40);
        button->set_name(std::to_string(type));
        button->addEventListener("click", Function::method<&UIGemShop::gemButtonClick>(this));
        addChild(button);
    }

    auto close = make<BasicButton>(80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
                                   make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Close", false, -1, 2, true,
                                                    0, false, false, -5.0, 2, true));
    close->set_x(winWidth * 0.5 - close->buttonWidth * 0.5);
    close->set_y(winHeight - 50);
    close->addEventListener("click", Function::method<&UIGemShop::closeClick>(this));
    addChild(close);
}

int UIGemShop::nextPrice(int price) {
    const double raised = std::trunc(price * 1.5 / 100) * 100;
    return static_cast<int>(std::min(raised, MAX_PRICE));
}

int* UIGemShop::priceOf(int type) {
    switch (type) {
    case StatGem::TYPE_HP: return &GameData::hpGemCost;
    case StatGem::TYPE_MP: return &GameData::mpGemCost;
    case StatGem::TYPE_ATTACK: return &GameData::attGemCost;
    case StatGem::TYPE_DEFENSE: return &GameData::defGemCost;
    case StatGem::TYPE_MAGIC: return &GameData::magGemCost;
    default: return nullptr;
    }
}

UIGemShop::Tag UIGemShop::tagOf(int type) {
    switch (type) {
    case StatGem::TYPE_HP: return {&hpCostSprite, &hpCostText};
    case StatGem::TYPE_MP: return {&mpCostSprite, &mpCostText};
    case StatGem::TYPE_ATTACK: return {&attackCostSprite, &attackCostText};
    case StatGem::TYPE_DEFENSE: return {&defenseCostSprite, &defenseCostText};
    case StatGem::TYPE_MAGIC: return {&magicCostSprite, &magicCostText};
    default: return {nullptr, nullptr};
    }
}

void UIGemShop::welcome() { message->set_text(WELCOME); }

Ref<BasicButton> UIGemShop::createGemButton(int type) {
    auto button = make<BasicButton>(BUTTON_WIDTH, BUTTON_HEIGHT);
    auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "", false, -1, 2, true, 0, false, false, -5.0, 2, true);
    label->set_x(40);
    label->set_y(8);
    button->addChild(label);
    auto gem = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/statgems.png"));
    auto icon = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/ui/goldIcon.png"));
    icon->set_x(0);
    icon->set_y(0);
    if (Tag tag = tagOf(type); tag.sprite) {
        label->set_text(LABELS[type]);
        gem->setNewAnim(*GEM_ANIMS[type]);
        (*tag.sprite)->addChild(icon);
        (*tag.sprite)->addChild(*tag.text);
        button->addChild(*tag.sprite);
    }
    gem->set_scaleX(2);
    gem->set_scaleY(2);
    const int frameWidth = gem->anim ? gem->anim->width : 0;
    gem->set_x(40 - frameWidth * 2 * 0.5);
    gem->set_y(20);
    button->addChild(gem);
    return button;
}

void UIGemShop::update() { message->updateTextAnim(); }

void UIGemShop::updateCosts() {
    for (int type = StatGem::TYPE_HP; type <= StatGem::TYPE_MAGIC; ++type) {
        Tag tag = tagOf(type);
        (*tag.text)->set_text(std::to_string(*priceOf(type)));
        (*tag.sprite)->set_x(30 - (*tag.text)->textWidth * 0.5);
    }
}

void UIGemShop::gemButtonClick(const Ref<framework::Event>& event) {
    auto button = event ? event->get_currentTarget().cast<framework::DisplayObject>() : nullptr;
    if (!button) return;
    int type = -1;
    try {
        type = std::stoi(button->get_name().str());
    } catch (const std::exception&) {
        type = -1;
    }
    int* price = priceOf(type);
    const int cost = price ? *price : 0;
    if (GameData::gold < cost) {
        message->set_text("Sorry, you're gonna need more gold!");
        return;
    }
    GameData::loseGold(cost);
    Audio::playSound("buy");

    if (auto state = G::mapState; state && state->hero && price) {
        Tile* tile = state->mapData ? state->mapData->tileAt(state->hero->lev_x, state->hero->lev_y) : nullptr;
        auto gem = make<StatGem>(tile, type);
        gem->bought = true;
        state->boughtGems.push_back(gem);
        if (auto holder = state->hero->get_parent()) holder->addChild(gem);
        gem->activate();
    }

    message->set_text("Thanks a lot!");
    if (price) *price = nextPrice(*price);
    updateCosts();
}

void UIGemShop::closeClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeGemShop();
}

}  // namespace game

using game::UIGemShop;

RUNTIME_DEFINE_CLASS(UIGemShop, "UIGemShop", game::BasicWindow, (auto& b) {
    b.template field<&UIGemShop::hpCostSprite>("hpCostSprite")
        .template field<&UIGemShop::mpCostSprite>("mpCostSprite")
        .template field<&UIGemShop::attackCostSprite>("attackCostSprite")
        .template field<&UIGemShop::defenseCostSprite>("defenseCostSprite")
        .template field<&UIGemShop::magicCostSprite>("magicCostSprite")
        .template field<&UIGemShop::hpCostText>("hpCostText")
        .template field<&UIGemShop::mpCostText>("mpCostText")
        .template field<&UIGemShop::attackCostText>("attackCostText")
        .template field<&UIGemShop::defenseCostText>("defenseCostText")
        .template field<&UIGemShop::magicCostText>("magicCostText")
        .template field<&UIGemShop::message>("message")
        .template method<&UIGemShop::welcome>("welcome")
        .template method<&UIGemShop::update>("update")
        .template method<&UIGemShop::updateCosts>("updateCosts")
        .template method<&UIGemShop::gemButtonClick>("gemButtonClick")
        .template method<&UIGemShop::closeClick>("closeClick")
        .emptyInstance();
})
