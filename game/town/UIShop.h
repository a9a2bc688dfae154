#pragma once
// The trading screen of every shopkeeper: the stock list across the top under the keeper's line,
// the selected item's details (lower left), the buy, sell and junk buttons (lower right) and the
// confirmation window of the junk sale. The stock is GameData's; the inventory panel is the UI
// root's, which installs this screen's select, use and deselect callbacks on it while it is open.
#include <optional>
#include <vector>

#include "framework/display/Bitmap.h"
#include "framework/events/Event.h"
#include "game/data/Item.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/ItemScroller.h"
#include "game/kit/TextSprite.h"

namespace game {

class ItemInventory;

class UIShop : public BitmapSprite {
    RUNTIME_CLASS(UIShop)
public:
    using EventRef = runtime::Ref<framework::Event>;
    using ItemRef = runtime::Ref<Item>;

    static constexpr int SHOP_INV_WIN_HEIGHT = 150;

    UIShop(int width, int height);
    explicit UIShop(runtime::NoInit n) : BitmapSprite(n) {}

    // Also takes the junk window off the root's layer, so a rebuilt UI leaves no cover behind.
    void destroy(bool force = false) override;

    // Stores the keeper's ten lines; nothing else.
    virtual void setShopDialogue(const runtime::String& welcome, const runtime::String& shopSelect,
                                 const runtime::String& invSelect, const runtime::String& buyOne,
                                 const runtime::String& buyAll, const runtime::String& sellOne,
                                 const runtime::String& sellAll, const runtime::String& sellJunk,
                                 const runtime::String& noGold, const runtime::String& cantBuy);
    virtual void createShopInvWindow(int width, int height);
    virtual void createItemDetailsWindow(int width, int height);
    virtual void createMiddleWindow(int width, int height);
    virtual void createJunkWindow(int width, int height);
    virtual void update();
    // Sorts the stock when it asks for it and shows every stock icon, all enabled.
    virtual void updateShopItems();
    virtual void enableSellButtons();
    virtual void enableBuyButtons();
    // Disable the pair and set both prices to 0.
    virtual void disableSellButtons();
    virtual void disableBuyButtons();
    virtual void setBuyOneGoldText(int amount);
    virtual void setBuyAllGoldText(int amount);
    virtual void setSellOneGoldText(int amount);
    virtual void setSellAllGoldText(int amount);
    virtual void setJunkGoldText(int amount);
    // The inventory panel's callbacks while the shop is open.
    virtual void selectInventoryItem(const ItemRef& item);
    virtual void useItem(const ItemRef& item);
    // The stock list's callbacks.
    virtual void useShopItem(const ItemRef& item);
    virtual void selectShopItem(const ItemRef& item);
    virtual void deselectShopItem();
    virtual void deselectInvItem();
    // Buys one piece of the shown stock item, equipping it in slot when one is given; true when
    // it was bought.
    virtual bool buyOne(std::optional<int> slot = std::nullopt);
    virtual void sellOne();
    virtual void closeClick(const EventRef& event = nullptr);
    // Shows the keeper's welcome.
    virtual void open();
    virtual void buyOneClick(const EventRef& event = nullptr);
    virtual void buyAllClick(const EventRef& event = nullptr);
    virtual void sellOneClick(const EventRef& event = nullptr);
    virtual void sellAllClick(const EventRef& event = nullptr);
    virtual void sellJunkClick(const EventRef& event = nullptr);
    virtual void selectJunkItem(const ItemRef& item);
    virtual void useJunkItem(const ItemRef& item);
    virtual void junkSellClick(const EventRef& event = nullptr);
    virtual void cancelJunkSell(const EventRef& event = nullptr);
    virtual void closeJunkWindow();

    // What one piece of the item sells for.
    static int sellPrice(const ItemRef& item);
    // What a junk stack brings: truncated once for the whole stack.
    static int junkPrice(const ItemRef& item);

    int buttonWidth = 0;
    int buttonHeight = 0;
    runtime::Ref<ItemDetails> itemDetails;
    bool cheatShop = false;
    bool shopItemSelected = false;
    runtime::Ref<ItemScroller> shopScroller;
    runtime::Ref<BasicButton> buyOneButton, buyAllButton, sellOneButton, sellAllButton, sellJunkButton;
    runtime::Ref<BitmapSprite> buyOneGoldSprite;
    runtime::Ref<TextSprite> buyOneGoldText;
    runtime::Ref<BitmapSprite> buyAllGoldSprite;
    runtime::Ref<TextSprite> buyAllGoldText;
    runtime::Ref<BitmapSprite> sellOneGoldSprite;
    runtime::Ref<TextSprite> sellOneGoldText;
    runtime::Ref<BitmapSprite> sellAllGoldSprite;
    runtime::Ref<TextSprite> sellAllGoldText;
    runtime::String welcomeDialogue = "WELCOME NOT SET";
    runtime::String shopSelectDialogue = "SHOP SELECT NOT SET";
    runtime::String invSelectDialogue = "INV SELECT NOT SET";
    runtime::String buyOneDialogue = "BUY ONE NOT SET";
    runtime::String buyAllDialogue = "BUY ALL NOT SET";
    runtime::String sellOneDialogue = "SELL ONE NOT SET";
    runtime::String sellAllDialogue = "SELL ALL NOT SET";
    runtime::String sellJunkDialogue = "SELL JUNK NOT SET";
    runtime::String noGoldDialogue = "NO GOLD NOT SET";
    runtime::String cantBuyDialogue = "CANT BUY NOT SET";
    runtime::Ref<BasicWindow> shopInvWin;
    runtime::Ref<BasicWindow> middleWin;
    runtime::Ref<BasicWindow> itemDetailsWin;
    runtime::Ref<TextSprite> message;
    runtime::Ref<BasicWindow> junkWindow;
    runtime::Ref<ItemScroller> junkScroller;
    runtime::Ref<BasicButton> junkSellButton;
    runtime::Ref<BitmapSprite> junkSellGoldSprite;
    runtime::Ref<TextSprite> junkSellGoldText;
    runtime::Ref<framework::Bitmap> blackTint;
    bool junkWindowOpen = false;
    std::optional<std::vector<ItemRef>> junkItems;
    int totalGold = 0;
    // The "Back" and "Cancel" buttons.
    runtime::Ref<BasicButton> backButton;
    runtime::Ref<BasicButton> junkCancelButton;

private:
    // A button of the screen: black unless red, with its caption.
    static runtime::Ref<BasicButton> button(int width, int height, const char* caption,
                                            int color = BasicButton::COLOR_BLACK);
    // The gold icon and amount text under a button's caption, which moves up to make room.
    static void addPriceDisplay(const runtime::Ref<BasicButton>& owner, runtime::Ref<BitmapSprite>& holder,
                                runtime::Ref<TextSprite>& text, int kerning = 0);
    static void setPrice(const runtime::Ref<BitmapSprite>& holder, const runtime::Ref<TextSprite>& text, int amount,
                         int width);
    // Shows line, restarting its typing unless onlyIfNew and it is already shown.
    void say(const runtime::String& line, bool onlyIfNew = false);
    // The UI root's inventory panel; null without a root.
    static runtime::Ref<ItemInventory> inventoryPanel();
    void refreshInventory();
    // Clears the sold stack's selection in the panel and on this screen.
    void dropInventorySelection();
};

}  // namespace game
