// The item comparison screen and its opening and closing by the UI root: the worn-item windows
// for accessories and for other items, choosing a window, Equip Here and Buy + Equip, the
// refresh of the equipment tab and the clicks that arrive while the screen fades out.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/UIColor.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/EquipmentSlot.h"
#include "game/town/UIShop.h"
#include "game/ui/UI.h"
#include "game/ui/UICompareEquipped.h"
#include "game/floor/TiledMap.h"
#include "tests/game/kit/KitFixture.h"
#include "tests/game/map/MapStateFixture.h"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

using game::EquipmentSlot;
using game::G;
using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemDetails;
using game::TextSprite;
using game::UI;
using game::UICompareEquipped;
using runtime::make;
using runtime::Ref;

namespace {

// The shop as the comparison sees it: whether a stock item is selected, and a purchase that
// succeeds or fails.
class FakeShop : public game::UIShop {
    RUNTIME_CLASS(FakeShop)
public:
    FakeShop() : UIShop(960, 360) {}
    explicit FakeShop(runtime::NoInit n) : UIShop(n) {}
    bool buyOne(std::optional<int> slot) override {
        slots.push_back(slot.value_or(-1));
        return succeeds;
    }
    bool succeeds = true;
    std::vector<int> slots;
};

}  // namespace

RUNTIME_DEFINE_CLASS(FakeShop, "tests.game.FakeShop", game::UIShop, (auto& b) { b.emptyInstance(); })

namespace {

class CompareEquippedTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        gameArea(960, 540);
        G::pauseGame = G::disableMenu = false;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::inCave = true;
        GameData::currentFloor = 3;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::hotkeySlotItems.clear();
        GameData::equippedItems.assign(10, nullptr);
        GameData::attack = GameData::defense = GameData::magic = 0;
        GameData::defFire = 0;
        GameData::itemsNeedSorted = false;
        Item::ZERO = make<Item>(make<ItemData>(ItemData::TYPE_CONSUMABLE, -1, ""));
        game::ItemIcon::createNameCaches();
        state = make<game::MapState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::hotkeySlotItems.clear();
        GameData::equippedItems.assign(10, nullptr);
        GameData::attack = GameData::defense = GameData::magic = GameData::defFire = 0;
        game::DataUI::install(nullptr);
        KitFixture::TearDown();
    }

    void makeRoot() {
        ui = make<UI>();
        game::Game::ui = ui;
        screen = ui->compareScreen;
    }

    // A fresh definition (id = type + n) and one item of it with these numbers.
    static Ref<Item> item(int type, int n, int slot, int attack = 0, int defense = 0, int defFire = 0) {
        auto data = make<ItemData>(type, slot, "Thing");
        data->id = type + n;
        data->value = 10;
        data->attack = attack;
        data->defense = defense;
        data->defFire = defFire;
        return make<Item>(data, false);
    }
    static Ref<Item> accessory(int n, int attack = 0) {
        return item(ItemData::TYPE_ACCESSORY, n, EquipmentSlot::SLOT_ACCESSORY1, attack);
    }
    // Held in the inventory; the held stack.
    static Ref<Item> hold(const Ref<Item>& it) { return GameData::addItem(it, 1, false, false); }
    // Worn in slot, its numbers added to the hero's; the worn item.
    static Ref<Item> wear(const Ref<Item>& it, int slot) {
        GameData::equipItem(hold(it), slot, false);
        return GameData::equippedItems[slot];
    }

    static void click(const Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(make<framework::MouseEvent>("click", true));
    }
    static bool chosen(const Ref<game::BasicWindow>& w) { return w->selectedLayer->get_visible(); }
    bool onOverLayer(const Ref<framework::DisplayObject>& o) { return o && o->get_parent() == ui->overLayer.get(); }

    Ref<game::MapState> state;
    Ref<UI> ui;
    Ref<UICompareEquipped> screen;
};

}  // namespace

TEST_F(CompareEquippedTest, TheScreenIsLaidOutAroundTheCentreAndAgainOnResize) {
    makeRoot();
    ASSERT_TRUE(screen);
    struct Case {
        int w, h;
    };
    for (const Case c : {Case{960, 540}, Case{1280, 720}}) {
        game::Game::screenWidth = game::Game::gameWidth = c.w;
        game::Game::screenHeight = game::Game::gameHeight = c.h;
        game::Game::gameCenter = make<framework::Point>(c.w / 2, c.h / 2);
        ui->reCreateUI();
        ASSERT_EQ(ui->compareScreen, screen) << "kept across the re-layout";
        const int cx = c.w / 2, cy = c.h / 2, top = (c.h - 540) / 2;
        EXPECT_EQ(screen->statsWindow->get_x(), cx - 340 - 15) << c.w;
        EXPECT_EQ(screen->statsWindow->get_y(), cy - 162 - 5) << c.w;
        EXPECT_EQ(screen->selItemWindow->get_x(), cx - 355) << c.w;
        EXPECT_EQ(screen->selItemWindow->get_y(), cy + 5) << c.w;
        EXPECT_EQ(screen->selItemWindow->winHeight, 200);
        int n = 0;
        for (const auto& w : {screen->equippedWindow1, screen->equippedWindow2, screen->equippedWindow3}) {
            EXPECT_EQ(w->get_x(), cx) << n;
            EXPECT_EQ(w->get_y(), top + 180 * n) << n;
            EXPECT_EQ(w->winWidth, 300);
            EXPECT_EQ(w->winHeight, 180);
            ++n;
        }
        EXPECT_EQ(screen->equippedDetails2->get_y(), 5);
        EXPECT_EQ(screen->closeButton->get_x(), c.w - 80) << c.w;
        EXPECT_EQ(screen->closeButton->get_y(), 0);
    }
    const std::vector<framework::DisplayObject*> order = {
        screen->statsWindow.get(),     screen->selItemWindow.get(),   screen->equippedWindow1.get(),
        screen->equippedWindow2.get(), screen->equippedWindow3.get(), screen->equippedLabel.get(),
        screen->closeButton.get()};
    ASSERT_EQ(screen->get_numChildren(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(screen->getChildAt(i).get(), order[i]) << i;
    EXPECT_EQ(screen->equippedLabel->get_text().str(), "Equipped:");
}

TEST_F(CompareEquippedTest, TheCompareButtonOpensTheScreenAndBackOrTheKeyboardCloseIt) {
    makeRoot();
    auto helmet = hold(item(ItemData::TYPE_HELMET, 1, EquipmentSlot::SLOT_HELMET, 0, 2));
    auto details = make<ItemDetails>(280, 176);
    details->set_item(helmet);
    ASSERT_TRUE(details->compareButton->get_visible());
    G::pauseGame = false;
    click(details->compareButton);
    EXPECT_TRUE(ui->compareOpen);
    EXPECT_FALSE(screen->closingWindow);
    EXPECT_EQ(screen->selItemDetails->get_item(), helmet);
    EXPECT_TRUE(onOverLayer(screen));
    EXPECT_TRUE(onOverLayer(ui->overBlack));
    EXPECT_FALSE(G::pauseGame) << "the map is not paused";
    EXPECT_TRUE(runTweensUntil([&] { return screen->get_alpha() > 0.99; }));
    EXPECT_NEAR(ui->overBlack->get_alpha(), 0.9, 0.01);

    click(screen->closeButton);
    EXPECT_FALSE(ui->compareOpen);
    EXPECT_TRUE(runTweensUntil([&] { return !screen->get_parent(); }));
    EXPECT_NEAR(ui->overBlack->get_alpha(), 0, 0.01);

    // The keyboard's close reaches the root by name, as the exploration state calls it.
    ui->openCompareScreen(helmet);
    ASSERT_TRUE(runtime::Value(ui).field("compareOpen").toBool());
    const runtime::Value close = runtime::Value(ui).field("closeCompareScreen");
    ASSERT_TRUE(close.function());
    (*close.function())();
    EXPECT_FALSE(ui->compareOpen);
    EXPECT_TRUE(runTweensUntil([&] { return !screen->get_parent(); }));
}

TEST_F(CompareEquippedTest, AnAccessoryIsComparedWithAllThreeSlotsAndTheFirstStartsChosen) {
    makeRoot();
    GameData::attack = 4;
    // All three accessory slots empty.
    auto ring = hold(accessory(1, 3));
    ui->openCompareScreen(ring);
    for (const auto& w : {screen->equippedWindow1, screen->equippedWindow2, screen->equippedWindow3})
        EXPECT_TRUE(w->get_visible());
    for (const auto& d : {screen->equippedDetails1, screen->equippedDetails2, screen->equippedDetails3}) {
        EXPECT_FALSE(d->get_item());
        EXPECT_TRUE(d->nothingText->get_visible());
        EXPECT_EQ(d->replaceText->get_text().str(), "Equip Here");
    }
    EXPECT_TRUE(chosen(screen->equippedWindow1));
    EXPECT_FALSE(chosen(screen->equippedWindow2));
    EXPECT_EQ(screen->statsDetails->attackText->get_text().str(), "7");
    EXPECT_EQ(screen->statsDetails->attackText->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN);
    // The label sits left of window 1.
    EXPECT_EQ(screen->equippedLabel->get_x(), 480 - 10 - screen->equippedLabel->textWidth);
    EXPECT_EQ(screen->equippedLabel->get_y(), 0 + 10);

    // With slots worn, each window shows its slot and choosing one compares against it.
    ui->closeCompareScreen();
    auto worn1 = wear(accessory(2, 1), EquipmentSlot::SLOT_ACCESSORY1);
    auto worn3 = wear(accessory(3, 6), EquipmentSlot::SLOT_ACCESSORY3);
    ASSERT_EQ(GameData::attack, 11);
    ui->openCompareScreen(ring);
    EXPECT_EQ(screen->equippedDetails1->get_item(), worn1);
    EXPECT_FALSE(screen->equippedDetails2->get_item());
    EXPECT_EQ(screen->equippedDetails3->get_item(), worn3);
    EXPECT_EQ(screen->statsDetails->attackText->get_text().str(), "13");
    click(screen->equippedWindow3);
    EXPECT_FALSE(chosen(screen->equippedWindow1));
    EXPECT_TRUE(chosen(screen->equippedWindow3));
    EXPECT_EQ(screen->statsDetails->attackText->get_text().str(), "8");
    EXPECT_EQ(screen->statsDetails->attackText->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED);
    click(screen->equippedWindow2);
    EXPECT_FALSE(chosen(screen->equippedWindow3));
    EXPECT_EQ(screen->statsDetails->attackText->get_text().str(), "14");
}

TEST_F(CompareEquippedTest, ABodyArmourWithNothingWornShowsOnlyTheMiddleWindow) {
    makeRoot();
    GameData::defense = 5;
    auto armour = hold(item(ItemData::TYPE_BODY, 1, EquipmentSlot::SLOT_BODY, 0, 4, 2));
    // An accessory first, so the switch to one window is seen.
    ui->openCompareScreen(hold(accessory(1)));
    ui->openCompareScreen(armour);
    EXPECT_FALSE(screen->equippedWindow1->get_visible());
    EXPECT_TRUE(screen->equippedWindow2->get_visible());
    EXPECT_FALSE(screen->equippedWindow3->get_visible());
    EXPECT_FALSE(chosen(screen->equippedWindow1)) << "the accessory's choice is cleared";
    EXPECT_TRUE(chosen(screen->equippedWindow2));
    EXPECT_FALSE(screen->equippedDetails2->get_item());
    EXPECT_TRUE(screen->equippedDetails2->nothingText->get_visible());
    EXPECT_EQ(screen->equippedLabel->get_x(), 480 + 5);
    EXPECT_EQ(screen->equippedLabel->get_y(), 180 - 25);
    EXPECT_EQ(screen->statsDetails->defenseText->get_text().str(), "9");
    EXPECT_EQ(screen->statsDetails->fireDefenseText->get_text().str(), "2");
    EXPECT_EQ(screen->statsDetails->fireDefenseText->font, TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN);
}

TEST_F(CompareEquippedTest, EquipHereEquipsIntoTheChosenSlotAndRefreshesTheMenu) {
    makeRoot();
    auto tab = ui->equipment;
    tab->itemDetails->set_item(hold(accessory(9)));
    tab->selectSlot(tab->accessorySlot1);

    // Window 3 chosen after window 1, then its Equip Here: accessory slot 3.
    auto ring = hold(accessory(1, 3));
    ui->openCompareScreen(ring);
    click(screen->equippedWindow3);
    click(screen->equippedDetails3->replaceButton);
    EXPECT_EQ(GameData::equippedItems[EquipmentSlot::SLOT_ACCESSORY3], ring);
    EXPECT_FALSE(GameData::equippedItems[EquipmentSlot::SLOT_ACCESSORY1]);
    EXPECT_FALSE(GameData::findHeldItem(ring)) << "taken out of the inventory";
    EXPECT_EQ(GameData::attack, 3);
    // The menu's tab shows the ring in its slot and has nothing marked.
    ASSERT_TRUE(tab->accessorySlot3->item());
    EXPECT_EQ(tab->accessorySlot3->item()->data, ring->data);
    EXPECT_FALSE(tab->selectedSlot);
    EXPECT_FALSE(tab->itemDetails->get_item());
    EXPECT_EQ(tab->statsDetails->attackText->get_text().str(), "3");
    EXPECT_FALSE(ui->compareOpen);
    EXPECT_TRUE(screen->closingWindow);

    // During the fade-out clicks on the windows and a second Equip Here change nothing.
    const std::string figures = screen->statsDetails->attackText->get_text().str();
    tab->selectSlot(tab->weaponSlot);
    click(screen->equippedWindow1);
    EXPECT_EQ(screen->statsDetails->attackText->get_text().str(), figures);
    EXPECT_FALSE(chosen(screen->equippedWindow1));
    click(screen->equippedDetails1->replaceButton);
    EXPECT_FALSE(GameData::equippedItems[EquipmentSlot::SLOT_ACCESSORY1]) << "not worn twice";
    EXPECT_EQ(GameData::attack, 3);
    EXPECT_EQ(tab->selectedSlot, tab->weaponSlot) << "the tab is not refreshed again";

    // Reopened, the screen answers again. A helmet's Equip Here on window 2 goes to the helmet slot.
    auto helmet = hold(item(ItemData::TYPE_HELMET, 1, EquipmentSlot::SLOT_HELMET, 0, 2));
    ui->openCompareScreen(helmet);
    EXPECT_FALSE(screen->closingWindow);
    click(screen->equippedDetails2->replaceButton);
    EXPECT_EQ(GameData::equippedItems[EquipmentSlot::SLOT_HELMET], helmet);
    EXPECT_FALSE(GameData::equippedItems[EquipmentSlot::SLOT_ACCESSORY2]);
    EXPECT_EQ(GameData::defense, 2);

    // An accessory's Equip Here on window 2 goes to accessory slot 2, the worn one back to the bag.
    auto worn = accessory(5, 1);
    wear(worn, EquipmentSlot::SLOT_ACCESSORY2);
    auto other = hold(accessory(6, 2));
    ui->openCompareScreen(other);
    click(screen->equippedDetails2->replaceButton);
    EXPECT_EQ(GameData::equippedItems[EquipmentSlot::SLOT_ACCESSORY2], other);
    EXPECT_TRUE(GameData::findHeldItem(worn));
    EXPECT_EQ(GameData::attack, 3 + 2);
}

TEST_F(CompareEquippedTest, InTheShopTheButtonsBuyAndEquipAndAFailedPurchaseStillCloses) {
    makeRoot();
    auto tab = ui->equipment;
    auto shop = make<FakeShop>();
    ui->shop = shop;
    ui->shopOpen = true;
    auto boots = item(ItemData::TYPE_BOOTS, 1, EquipmentSlot::SLOT_BOOTS, 0, 1);

    struct Case {
        bool stockSelected, succeeds;
        const char* label;
        std::vector<int> bought;
        std::size_t refreshes;
    };
    for (const Case& c : {Case{true, false, "Buy + Equip", {EquipmentSlot::SLOT_BOOTS}, 0},
                          Case{true, true, "Buy + Equip", {EquipmentSlot::SLOT_BOOTS}, 2}}) {
        shop->shopItemSelected = c.stockSelected;
        shop->succeeds = c.succeeds;
        shop->slots.clear();
        tab->selectSlot(tab->bootsSlot);
        ui->openCompareScreen(boots);
        for (const auto& d : {screen->equippedDetails1, screen->equippedDetails2, screen->equippedDetails3})
            EXPECT_EQ(d->replaceText->get_text().str(), c.label);
        click(screen->equippedDetails2->replaceButton);
        EXPECT_EQ(shop->slots, c.bought);
        EXPECT_EQ(tab->selectedSlot == nullptr, c.refreshes > 0) << "the menu is refreshed only after a purchase";
        EXPECT_FALSE(ui->compareOpen);
        EXPECT_TRUE(screen->closingWindow);
        EXPECT_FALSE(GameData::equippedItems[EquipmentSlot::SLOT_BOOTS]) << "the shop equips what it sells";
    }

    // An item of the hero's own inventory compared in the shop: plain Equip Here.
    shop->shopItemSelected = false;
    shop->slots.clear();
    auto held = hold(boots);
    ui->openCompareScreen(held);
    EXPECT_EQ(screen->equippedDetails2->replaceText->get_text().str(), "Equip Here");
    click(screen->equippedDetails2->replaceButton);
    EXPECT_TRUE(shop->slots.empty());
    EXPECT_EQ(GameData::equippedItems[EquipmentSlot::SLOT_BOOTS], held);
    ui->shopOpen = false;
}

TEST_F(CompareEquippedTest, TheScreenIsDrawn) {
    const std::string png = (std::filesystem::temp_directory_path() / "glv-compare.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    onStage({[&] {
                 makeRoot();
                 framework::Lib::get_stage()->addChild(ui);
                 GameData::attack = 6;
                 GameData::defense = 4;
                 wear(accessory(2, 1), EquipmentSlot::SLOT_ACCESSORY2);
                 ui->openCompareScreen(hold(accessory(1, 3)));
                 ui->overBlack->set_alpha(0.9);
                 screen->set_alpha(1);
             },
             [] {}, [] {}});
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_TRUE(pixels) << png;
    auto count = [&](int x0, int y0, int x1, int y1, auto test) {
        int found = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = pixels + 4 * (y * w + x);
                if (test(p)) ++found;
            }
        return found;
    };
    auto green = [](const unsigned char* p) { return p[1] > 200 && p[0] < 80 && p[2] < 80; };
    auto bright = [](const unsigned char* p) { return p[0] + p[1] + p[2] > 500; };
    // The attack figure of the stats window rises: green text left of the centre, above it.
    EXPECT_GT(count(125, 103, 465, 265, green), 20);
    // Each worn-item window shows text; the empty first and third ones their notice.
    for (int i = 0; i < 3; ++i) EXPECT_GT(count(480, 180 * i, 780, 180 * i + 180, bright), 50) << i;
    // The chosen first window is lit above the others' dark ground.
    auto mean = [&](int x0, int y0) {
        long sum = 0;
        for (int y = y0; y < y0 + 10; ++y)
            for (int x = x0; x < x0 + 10; ++x) sum += pixels[4 * (y * w + x)] + pixels[4 * (y * w + x) + 1];
        return sum / 100;
    };
    EXPECT_GT(mean(490, 150), mean(490, 510) + 20);
    stbi_image_free(pixels);
}

namespace {

class CompareKeysTest : public MapStateFixture {
protected:
    void SetUp() override {
        MapStateFixture::SetUp();
        GameData::inCave = false;
        GameData::items.clear();
        state->goToMap(game::TiledMap::TOWN, nullptr);
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
    }
    void TearDown() override {
        ui = nullptr;
        game::DataUI::install(nullptr);
        GameData::items.clear();
        MapStateFixture::TearDown();
    }
    void tap(int code) {
        press(code);
        step();
        release(code);
        step();
    }
    Ref<UI> ui;
};

}  // namespace

TEST_F(CompareKeysTest, EscapeAndTheInventoryKeyCloseTheScreen) {
    auto data = make<ItemData>(ItemData::TYPE_HELMET, EquipmentSlot::SLOT_HELMET, "Cap");
    data->id = ItemData::TYPE_HELMET + 1;
    auto helmet = make<Item>(data, false);
    for (int key : {27, 73}) {
        ui->openCompareScreen(helmet);
        ASSERT_TRUE(ui->compareOpen) << key;
        tap(key);
        EXPECT_FALSE(ui->compareOpen) << key;
        EXPECT_TRUE(runTweensUntil([&] { return !ui->compareScreen->get_parent(); })) << key;
    }
}
