#include "UIShop.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "framework/events/MouseEvent.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/shell/Audio.h"
#include "game/shell/BMDCache.h"
#include "game/shell/F.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/HeldItemIcon.h"
#include "game/ui/ItemInventory.h"
#include "game/ui/UI.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

int trunc(double x) { return static_cast<int>(std::trunc(x)); }

int clampToInt(long long x) {
    return static_cast<int>(std::clamp(x, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

// A product of gold figures, kept within an Int.
int clampedProduct(long long a, long long b) { return clampToInt(a * b); }

Ref<TextSprite> caption(const char* text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text, false, -1, 2, true, 0, false, false, -5.0, 2,
                            true);
}

}  // namespace

UIShop::UIShop(int width, int height) : BitmapSprite(nullptr) {
    createShopInvWindow(width, SHOP_INV_WIN_HEIGHT);
    const int half = trunc(width * 0.5);
    createItemDetailsWindow(half, height - SHOP_INV_WIN_HEIGHT);
    createMiddleWindow(width - half, height - SHOP_INV_WIN_HEIGHT);
    createJunkWindow(std::min(width, 960), 250);
    middleWin->set_x(half);

    blackTint = make<framework::Bitmap>(BMDCache::blackSquare2x2);
    if (BMDCache::blackSquare2x2) {
        blackTint->set_scaleX(Game::gameWidth / static_cast<double>(BMDCache::blackSquare2x2->get_width()));
        blackTint->set_scaleY(Game::gameHeight / static_cast<double>(BMDCache::blackSquare2x2->get_height()));
    }
}

void UIShop::destroy(bool force) {
    if (junkWindowOpen) closeJunkWindow();
    BitmapSprite::destroy(force);
}

Ref<BasicButton> UIShop::button(int width, int height, const char* text, int color) {
    return make<BasicButton>(width, height, 0, -1, color, true, caption(text));
}

void UIShop::addPriceDisplay(const Ref<BasicButton>& owner, Ref<BitmapSprite>& holder, Ref<TextSprite>& text,
                             int kerning) {
    // The caption moves up into the space above the price.
    for (int i = 0; i < owner->get_numChildren(); ++i)
        if (auto label = owner->getChildAt(i).cast<TextSprite>())
            label->set_y(std::max(0, trunc((34 - label->textHeight) * 0.5)));
    holder = make<BitmapSprite>();
    holder->set_y(34);
    auto icon = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/goldIcon.png"));
    icon->set_y(-1);
    holder->addChild(icon);
    text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "0", false, -1, 2, false, kerning);
    text->set_x(20);
    holder->addChild(text);
    owner->addChild(holder);
}

void UIShop::setPrice(const Ref<BitmapSprite>& holder, const Ref<TextSprite>& text, int amount, int width) {
    text->set_text(std::to_string(amount));
    holder->set_x(trunc(width * 0.5 - (text->textWidth + 20) * 0.5));
}

void UIShop::setShopDialogue(const String& welcome, const String& shopSelect, const String& invSelect,
                             const String& buyOne, const String& buyAll, const String& sellOne, const String& sellAll,
                             const String& sellJunk, const String& noGold, const String& cantBuy) {
    welcomeDialogue = welcome;
    shopSelectDialogue = shopSelect;
    invSelectDialogue = invSelect;
    buyOneDialogue = buyOne;
    buyAllDialogue = buyAll;
    sellOneDialogue = sellOne;
    sellAllDialogue = sellAll;
    sellJunkDialogue = sellJunk;
    noGoldDialogue = noGold;
    cantBuyDialogue = cantBuy;
}

void UIShop::createShopInvWindow(int width, int height) {
    shopInvWin = make<BasicWindow>(width, height, true);
    addChild(shopInvWin);

    message = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, welcomeDialogue, false, -1, 2, true, 0, true);
    message->set_x(trunc(width * 0.5));
    message->set_y(8);
    shopInvWin->addChild(message);

    shopScroller = make<ItemScroller>(width - 110, Function::method<&UIShop::selectShopItem>(this),
                                      Function::method<&UIShop::useShopItem>(this),
                                      Function::method<&UIShop::deselectShopItem>(this), true, false);
    shopScroller->set_x(20);
    shopScroller->set_y(37);
    shopInvWin->addChild(shopScroller);

    backButton = button(80, 40, "Back", BasicButton::COLOR_RED);
    backButton->set_x(width - 80 - 4);
    backButton->set_y(4);
    backButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::closeClick>(this));
    shopInvWin->addChild(backButton);
}

void UIShop::createItemDetailsWindow(int width, int height) {
    itemDetailsWin = make<BasicWindow>(width, height + 180);
    itemDetailsWin->set_y(SHOP_INV_WIN_HEIGHT);
    addChild(itemDetailsWin);
    itemDetails = make<ItemDetails>(width, height);
    itemDetailsWin->addChild(itemDetails);
}

void UIShop::createMiddleWindow(int width, int height) {
    buttonWidth = trunc((width - 45) * 0.5);
    buttonHeight = trunc((height - 60) * 0.36);
    middleWin = make<BasicWindow>(width, height + 180);
    middleWin->set_y(SHOP_INV_WIN_HEIGHT);
    addChild(middleWin);

    struct Place {
        Ref<BasicButton>& button;
        const char* caption;
        double x, y;
    };
    const int lowerY = height - buttonHeight - 15;
    const Place places[] = {
        {buyOneButton, "Buy One", 15, 15},
        {buyAllButton, "Buy All", 15.0 + buttonWidth + 15, 15},
        {sellOneButton, "Sell One", 15, static_cast<double>(lowerY)},
        {sellAllButton, "Sell All", 15.0 + buttonWidth + 15, static_cast<double>(lowerY)},
    };
    for (const Place& p : places) {
        p.button = button(buttonWidth, buttonHeight, p.caption);
        p.button->set_x(p.x);
        p.button->set_y(p.y);
        middleWin->addChild(p.button);
    }
    buyOneButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::buyOneClick>(this));
    buyAllButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::buyAllClick>(this));
    sellOneButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::sellOneClick>(this));
    sellAllButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::sellAllClick>(this));

    sellJunkButton = button(width - 30, trunc((height - 60) * 0.28), "Quick Sell Junk");
    sellJunkButton->set_x(15);
    sellJunkButton->set_y(15 + buttonHeight + 15);
    sellJunkButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::sellJunkClick>(this));
    middleWin->addChild(sellJunkButton);

    addPriceDisplay(buyOneButton, buyOneGoldSprite, buyOneGoldText);
    addPriceDisplay(buyAllButton, buyAllGoldSprite, buyAllGoldText);
    addPriceDisplay(sellOneButton, sellOneGoldSprite, sellOneGoldText);
    addPriceDisplay(sellAllButton, sellAllGoldSprite, sellAllGoldText);

    disableBuyButtons();
    disableSellButtons();
}

void UIShop::createJunkWindow(int width, int height) {
    junkWindow = make<BasicWindow>(width, height);
    junkWindow->set_x((Game::gameWidth - 960) * 0.5);
    junkWindow->set_y(trunc(Game::gameHeight * 0.5 - height * 0.5));

    auto title = caption("Junk to sell:");
    title->set_x(trunc(width * 0.5));
    title->set_y(4);
    junkWindow->addChild(title);

    auto note = make<TextSprite>(
        TextSprite::MEDIEVAL_SANS_14,
        F::setStringForMobile(
            "All unequipped, non-artifact equipment is classified as \"junk.\" Double-click an item to remove it."),
        false, -1, 2, true, 0, false, false, -5.0, 2, true);
    note->set_x(title->get_x());
    note->set_y(30);
    junkWindow->addChild(note);

    junkScroller = make<ItemScroller>(width - 40, Function::method<&UIShop::selectJunkItem>(this),
                                      Function::method<&UIShop::useJunkItem>(this),
                                      Function::of<&UI::nullItemDeselect>(), true, true);
    junkScroller->set_x(20);
    junkScroller->set_y(55);
    junkWindow->addChild(junkScroller);

    junkSellButton = button(buttonWidth, buttonHeight, "Sell Junk");
    junkSellButton->set_x(trunc(title->get_x() - buttonWidth * 0.5));
    junkSellButton->set_y(180);
    junkSellButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::junkSellClick>(this));
    junkWindow->addChild(junkSellButton);
    addPriceDisplay(junkSellButton, junkSellGoldSprite, junkSellGoldText, -1);

    junkCancelButton = button(buttonWidth, 40, "Cancel");
    junkCancelButton->set_x(width - buttonWidth - 20);
    junkCancelButton->set_y(180);
    junkCancelButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UIShop::cancelJunkSell>(this));
    junkWindow->addChild(junkCancelButton);
}

void UIShop::update() {
    shopScroller->update();
    message->updateTextAnim();
    if (junkWindowOpen) junkScroller->update();
}

void UIShop::updateShopItems() {
    if (GameData::shopItemsNeedSorted) GameData::sortShopItems();
    HeldItemIcon::adoptAll(GameData::shopIcons, true);
    std::vector<Ref<ItemIcon>> icons;
    for (const Ref<InventoryIcon>& icon : GameData::shopIcons)
        if (Ref<ItemIcon> widget = HeldItemIcon::widgetOf(icon)) icons.push_back(widget);
    shopScroller->setItemIcons(icons, true);
}

void UIShop::enableSellButtons() {
    sellOneButton->enable();
    sellAllButton->enable();
}

void UIShop::enableBuyButtons() {
    buyOneButton->enable();
    buyAllButton->enable();
}

void UIShop::disableSellButtons() {
    sellOneButton->disable();
    sellAllButton->disable();
    setSellOneGoldText(0);
    setSellAllGoldText(0);
}

void UIShop::disableBuyButtons() {
    buyOneButton->disable();
    buyAllButton->disable();
    setBuyOneGoldText(0);
    setBuyAllGoldText(0);
}

void UIShop::setBuyOneGoldText(int amount) { setPrice(buyOneGoldSprite, buyOneGoldText, amount, buttonWidth); }
void UIShop::setBuyAllGoldText(int amount) { setPrice(buyAllGoldSprite, buyAllGoldText, amount, buttonWidth); }
void UIShop::setSellOneGoldText(int amount) { setPrice(sellOneGoldSprite, sellOneGoldText, amount, buttonWidth); }
void UIShop::setSellAllGoldText(int amount) { setPrice(sellAllGoldSprite, sellAllGoldText, amount, buttonWidth); }
void UIShop::setJunkGoldText(int amount) {
    setPrice(junkSellGoldSprite, junkSellGoldText, amount, junkSellButton->buttonWidth);
}

int UIShop::sellPrice(const ItemRef& item) { return trunc(item->data->value * GameData::sellPercent); }

int UIShop::junkPrice(const ItemRef& item) {
    const double price = item->data->value * GameData::sellPercent * item->amount;
    return static_cast<int>(std::clamp(std::trunc(price), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void UIShop::say(const String& line, bool onlyIfNew) {
    if (onlyIfNew && message->text == line) return;
    message->set_text(line);
}

Ref<ItemInventory> UIShop::inventoryPanel() {
    return Game::ui && Game::ui->inventory ? Game::ui->inventory.cast<ItemInventory>() : nullptr;
}

void UIShop::refreshInventory() {
    if (auto inventory = inventoryPanel()) inventory->updateItems();
}

void UIShop::dropInventorySelection() {
    // The panel would otherwise keep its selection on the icon of a stack that is gone.
    if (auto inventory = inventoryPanel(); inventory && inventory->isAnItemSelected()) inventory->deselectItem();
    deselectInvItem();
}

void UIShop::selectShopItem(const ItemRef& item) {
    if (auto inventory = inventoryPanel()) inventory->deselectItem();
    itemDetails->set_item(item);
    disableSellButtons();
    enableBuyButtons();
    setBuyOneGoldText(item->data->value);
    setBuyAllGoldText(clampedProduct(item->data->value, item->amount));
    say(shopSelectDialogue, true);
    shopItemSelected = true;
}

void UIShop::selectInventoryItem(const ItemRef& item) {
    shopScroller->deselectItem();
    shopItemSelected = false;
    itemDetails->set_item(item);
    disableBuyButtons();
    enableSellButtons();
    const int price = sellPrice(item);
    setSellOneGoldText(price);
    setSellAllGoldText(clampedProduct(price, item->amount));
    say(invSelectDialogue, true);
}

void UIShop::deselectShopItem() {
    itemDetails->set_item(nullptr);
    disableBuyButtons();
    shopItemSelected = false;
}

void UIShop::deselectInvItem() {
    itemDetails->set_item(nullptr);
    disableSellButtons();
}

void UIShop::useItem(const ItemRef&) { sellOne(); }

void UIShop::useShopItem(const ItemRef&) { buyOne(); }

bool UIShop::buyOne(std::optional<int> slot) {
    Ref<Item> item = itemDetails->item;
    if (!item) return false;
    const int price = item->data->value;
    if (GameData::gold < price) {
        if (!cheatShop) {
            say(noGoldDialogue);
            return false;
        }
    } else if (!cheatShop) {
        GameData::loseGold(price);
    }
    Audio::playSound("buy");
    GameData::removeShopItem(item, 1);
    Ref<Item> held = GameData::addItem(item);
    if (slot.value_or(-1) != -1) GameData::equipItem(held, *slot);
    updateShopItems();
    refreshInventory();
    if (item->amount <= 0) {
        shopScroller->deselectItem();
        itemDetails->set_item(nullptr);
    } else {
        shopScroller->findAndSelectItem(item);
    }
    say(buyOneDialogue);
    return true;
}

void UIShop::sellOne() {
    Ref<Item> item = itemDetails->item;
    if (!item) return;
    if (item->data->wings || item->data->type == ItemData::TYPE_MAGIC) {
        say(cantBuyDialogue);
        return;
    }
    Audio::playSound("gainGold");
    GameData::gainGold(sellPrice(item));
    GameData::addShopItem(item, 1);
    GameData::removeItem(item, 1);
    updateShopItems();
    refreshInventory();
    if (item->amount <= 0) {
        dropInventorySelection();
    } else if (auto inventory = inventoryPanel()) {
        inventory->selectSpecificItem(item);
    }
    say(sellOneDialogue);
}

void UIShop::closeClick(const EventRef&) {
    if (Game::ui) Game::ui->closeShop();
}

void UIShop::open() { say(welcomeDialogue); }

void UIShop::buyOneClick(const EventRef&) {
    if (!buyOneButton->disabled) buyOne();
}

void UIShop::buyAllClick(const EventRef&) {
    Ref<Item> item = itemDetails->item;
    if (buyAllButton->disabled || !item) return;
    const int n = item->amount;
    const long long total = static_cast<long long>(item->data->value) * n;
    if (GameData::gold < total) {
        if (!cheatShop) {
            say(noGoldDialogue);
            return;
        }
    } else if (!cheatShop) {
        GameData::loseGold(clampedProduct(item->data->value, n));
    }
    Audio::playSound("buy");
    GameData::removeShopItem(item, n);
    GameData::addItem(item, n);
    updateShopItems();
    refreshInventory();
    shopScroller->deselectItem();
    say(buyAllDialogue);
}

void UIShop::sellOneClick(const EventRef&) {
    if (!sellOneButton->disabled) sellOne();
}

void UIShop::sellAllClick(const EventRef&) {
    Ref<Item> item = itemDetails->item;
    if (sellAllButton->disabled || !item) return;
    if (item->data->wings || item->data->type == ItemData::TYPE_MAGIC) {
        say(cantBuyDialogue);
        return;
    }
    const int n = item->amount;
    Audio::playSound("gainGold");
    GameData::gainGold(clampedProduct(sellPrice(item), n));
    GameData::addShopItem(item, n);
    GameData::removeItem(item, n);
    updateShopItems();
    refreshInventory();
    dropInventorySelection();
    say(sellAllDialogue);
}

void UIShop::sellJunkClick(const EventRef&) {
    if (Game::ui && Game::ui->mainLayer) {
        Game::ui->mainLayer->addChild(blackTint);
        Game::ui->mainLayer->addChild(junkWindow);
    }
    junkItems.emplace();
    totalGold = 0;
    for (const Ref<Item>& item : GameData::items) {
        const int type = item->data->type;
        if (type == ItemData::TYPE_CONSUMABLE || type == ItemData::TYPE_MAGIC || type == ItemData::TYPE_CRAFTING ||
            item->artifact)
            continue;
        junkItems->push_back(item);
        totalGold = clampToInt(static_cast<long long>(totalGold) + junkPrice(item));
    }
    junkScroller->resetScrollAmount();
    junkScroller->setItems(*junkItems);
    if (junkItems->empty()) junkSellButton->disable();
    else junkSellButton->enable();
    setJunkGoldText(totalGold);
    junkWindowOpen = true;
}

void UIShop::selectJunkItem(const ItemRef&) {}

void UIShop::useJunkItem(const ItemRef& item) {
    if (!junkItems) return;
    auto it = std::find_if(junkItems->begin(), junkItems->end(), [&](const Ref<Item>& j) { return j.get() == item.get(); });
    if (it == junkItems->end()) return;
    junkItems->erase(it);
    junkScroller->setItems(*junkItems);
    totalGold -= junkPrice(item);
    if (junkItems->empty()) junkSellButton->disable();
    setJunkGoldText(totalGold);
}

void UIShop::junkSellClick(const EventRef&) {
    if (junkSellButton->disabled || !junkItems) return;
    GameData::gainGold(totalGold);
    for (const Ref<Item>& item : *junkItems) {
        const int n = item->amount;
        GameData::addShopItem(item, n);
        GameData::removeItem(item, n);
    }
    Audio::playSound("gainGold");
    updateShopItems();
    if (auto inventory = inventoryPanel()) {
        inventory->itemScroller->resetScrollAmount();
        inventory->updateItems();
    }
    dropInventorySelection();
    say(sellJunkDialogue);
    closeJunkWindow();
}

void UIShop::cancelJunkSell(const EventRef&) { closeJunkWindow(); }

void UIShop::closeJunkWindow() {
    for (const Ref<framework::DisplayObject>& shown : {Ref<framework::DisplayObject>(junkWindow),
                                                       Ref<framework::DisplayObject>(blackTint)})
        if (shown)
            if (auto parent = shown->get_parent()) parent->removeChild(shown);
    junkWindowOpen = false;
}

}  // namespace game

using game::UIShop;

RUNTIME_DEFINE_CLASS(UIShop, "UIShop", game::BitmapSprite, (auto& b) {
    b.template field<&UIShop::buttonWidth>("buttonWidth")
        .template field<&UIShop::buttonHeight>("buttonHeight")
        .template field<&UIShop::itemDetails>("itemDetails")
        .template field<&UIShop::cheatShop>("cheatShop")
        .template field<&UIShop::shopItemSelected>("shopItemSelected")
        .template field<&UIShop::shopScroller>("shopScroller")
        .template field<&UIShop::message>("message")
        .template field<&UIShop::junkWindowOpen>("junkWindowOpen")
        .template field<&UIShop::totalGold>("totalGold")
        .template method<&UIShop::setShopDialogue>("setShopDialogue")
        .template method<&UIShop::update>("update")
        .template method<&UIShop::updateShopItems>("updateShopItems")
        .template method<&UIShop::selectInventoryItem>("selectInventoryItem")
        .template method<&UIShop::useItem>("useItem")
        .template method<&UIShop::useShopItem>("useShopItem")
        .template method<&UIShop::selectShopItem>("selectShopItem")
        .template method<&UIShop::deselectShopItem>("deselectShopItem")
        .template method<&UIShop::deselectInvItem>("deselectInvItem")
        .template method<&UIShop::buyOne>("buyOne")
        .template method<&UIShop::sellOne>("sellOne")
        .template method<&UIShop::closeClick>("closeClick")
        .template method<&UIShop::open>("open")
        .template method<&UIShop::closeJunkWindow>("closeJunkWindow")
        .emptyInstance();
})
