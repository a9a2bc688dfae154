// The HUD panels inside the real UI root at 960 x 540: where the root puts them, the data
// model reaching them through the root's hooks, the hotkey editor, and a headless frame in a
// dungeon with the inventory open, written to hud-inventory.png in the build folder.
#include <cstdio>
#include <cstdlib>

#include "HudFixture.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "framework/geom/Rectangle.h"
#include "game/battle/Monster.h"
#include "game/data/MonsterData.h"
#include "game/floor/Tile.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/EnemyDetailsWindow.h"
#include "game/ui/HPMPHud.h"
#include "game/ui/UI.h"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

using game::GameData;
using game::HotkeyWindow;
using game::Item;
using game::ItemData;
using game::ItemInventory;
using game::UI;
using runtime::make;
using runtime::Ref;

class HudRootTest : public HudFixture {
protected:
    Ref<UI> ui;
    void SetUp() override {
        HudFixture::SetUp();
        // The root installs its own hooks.
        game::DataUI::install(nullptr);
        game::HudLink::install(nullptr);
        game::Game::screenWidth = 960;
        game::Game::screenHeight = 540;
        game::Game::gameCenter = make<framework::Point>(480, 270);
        game::G::mapState = make<game::MapState>();
        game::G::pauseGame = false;
        GameData::currentFloor = 7;
        GameData::gold = 1234;
        setStats(80, 100);
    }
    void TearDown() override {
        game::G::mapState = nullptr;
        game::G::pauseGame = false;
        ui = nullptr;
        HudFixture::TearDown();
    }
    static void setStats(int hp, int maxHP) {
        GameData::hp = hp;
        GameData::maxHP = maxHP;
        GameData::mp = 25;
        GameData::maxMP = 40;
        GameData::exp = 12;
        GameData::nextLevelAt = 30;
    }
    void makeRoot() {
        ui = make<UI>();
        game::Game::ui = ui;
        ui->hotkeys.cast<HotkeyWindow>()->initializeHotkeySlots();
    }
    Ref<ItemInventory> panel() { return ui->inventory.cast<ItemInventory>(); }
    Ref<HotkeyWindow> bar() { return ui->hotkeys.cast<HotkeyWindow>(); }
    static Ref<Item> potion(int n, const char* name) {
        auto data = make<ItemData>(ItemData::TYPE_CONSUMABLE, -1, name);
        data->id = 100 + n;
        data->picID = n;
        data->hpRestore = 20;
        data->usableInBattle = true;
        return make<Item>(data, true);
    }
};

TEST_F(HudRootTest, TheRootPlacesThePanelsAndTheModelReachesThem) {
    onStage({[&] {
        makeRoot();
        framework::Lib::get_stage()->addChild(ui);
        // The panels where the root puts them.
        ASSERT_TRUE(panel());
        EXPECT_EQ(panel()->winWidth, 960);
        EXPECT_EQ(panel()->winHeight, 180);
        EXPECT_EQ(panel()->get_y(), 360);
        ASSERT_TRUE(bar());
        EXPECT_EQ(bar()->get_y(), 480);
        EXPECT_EQ(bar()->winWidth, 675);
        EXPECT_EQ(ui->mainLayer->getChildIndex(bar()), 0);
        EXPECT_EQ(bar()->slots.size(), 10u);
        EXPECT_EQ(ui->itemsButton->get_x(), bar()->get_x() + 675);
        auto hud = ui->hpmpHud.cast<game::HPMPHud>();
        ASSERT_TRUE(hud);
        EXPECT_EQ(hud->get_parent().get(), ui->caveLayer.get());
        EXPECT_EQ(hud->get_x(), 5);
        EXPECT_EQ(hud->hpText->get_text().toText(), "80/100");
        auto details = ui->enemyDetailsWindow.cast<game::EnemyDetailsWindow>();
        ASSERT_TRUE(details);
        EXPECT_EQ(details->get_x(), -200);
        EXPECT_EQ(details->get_y(), 70);

        // The model reaches them through the root: new stacks get panel icons, chest finds go to
        // the first free slot, counts and bars follow.
        Ref<Item> red = potion(1, "Red Potion");
        Ref<Item> held = GameData::addItem(red, 2, true);
        ASSERT_TRUE(game::HeldItemIcon::widgetOf(GameData::itemIcons.back()));
        EXPECT_EQ(bar()->slots[0]->item().get(), held.get());
        auto items = game::DataUI::get().hotkeyBarItems();
        ASSERT_TRUE(items);
        EXPECT_EQ(items->size(), 10u);
        EXPECT_EQ((*items)[0].get(), held.get());
        GameData::addItem(red, 1);
        EXPECT_EQ(bar()->slots[0]->itemIcon->amountText->get_text().toText(), "3");
        GameData::loseHP(65);
        EXPECT_EQ(hud->hpText->get_text().toText(), "15/100");
        EXPECT_TRUE(runtime::Value(game::G::mapState).field("healthIsLow").toBool());
        GameData::gainHP(5);
        EXPECT_FALSE(runtime::Value(game::G::mapState).field("healthIsLow").toBool()) << "exactly a fifth is not low";

        // The menu shows the panel in the window holder at y 360.
        ui->openMenu();
        EXPECT_TRUE(ui->inventoryOpen);
        EXPECT_EQ(panel()->get_parent().get(), ui->UIWinHolder.get());
        EXPECT_EQ(panel()->itemScroller->currentItems.size(), 1u);
        ui->closeMenu();
        EXPECT_FALSE(ui->inventoryOpen);
    }});
}

TEST_F(HudRootTest, TheHotkeyEditorShowsThePanelAboveTheBarAndHandsItsPicksToTheBar) {
    onStage({[&] {
        makeRoot();
        framework::Lib::get_stage()->addChild(ui);
        Ref<Item> held = GameData::addItem(potion(2, "Blue Potion"), 1);
        bar()->editButton->dispatchEvent(make<framework::MouseEvent>("click"));
        EXPECT_TRUE(ui->hotkeysOpen);
        EXPECT_TRUE(ui->inventoryOpen);
        EXPECT_TRUE(game::G::pauseGame);
        EXPECT_TRUE(ui->itemsButton->disabled);
        EXPECT_EQ(panel()->get_parent().get(), ui->mainLayer.get());
        EXPECT_EQ(panel()->get_y(), 540 - 60 - 180);
        EXPECT_EQ(panel()->get_x(), 0);
        EXPECT_EQ(ui->getChildIndex(ui->overBlack) + 1, ui->getChildIndex(ui->mainLayer))
            << "the cover lies just below the main layer";
        EXPECT_EQ(bar()->instructionsText->get_parent().get(), bar().get());

        // A pick in the panel goes to the bar: details shown, first free slot chosen; a click on
        // that slot assigns it.
        panel()->itemScroller->findAndSelectItem(held);
        EXPECT_TRUE(bar()->itemDetailsWindow->get_visible());
        EXPECT_EQ(bar()->selectedSlot.get(), bar()->slots[0].get());
        bar()->slots[0]->dispatchEvent(make<framework::MouseEvent>("click"));
        EXPECT_EQ(bar()->slots[0]->item().get(), held.get());
        EXPECT_EQ(held->amount, 1) << "assigning never uses";

        // The number keys do nothing while the editor pauses the game; a click on the cover closes.
        ui->overBlack->dispatchEvent(make<framework::MouseEvent>("click"));
        EXPECT_FALSE(ui->hotkeysOpen);
        EXPECT_FALSE(ui->inventoryOpen);
        EXPECT_FALSE(game::G::pauseGame);
        EXPECT_FALSE(ui->itemsButton->disabled);
        EXPECT_EQ(panel()->get_parent().get(), nullptr);
        EXPECT_EQ(panel()->get_y(), 360);
        EXPECT_FALSE(bar()->itemDetailsWindow->get_visible());
        EXPECT_FALSE(bar()->editButton->selectedLayer->get_visible());
        EXPECT_EQ(bar()->instructionsText->get_parent().get(), nullptr);
    }});
}

TEST_F(HudRootTest, AFrameInADungeonWithTheInventoryOpenIsDrawn) {
    const std::string png = GLV_HUD_SCENE_PNG;
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    game::Tile tile(4, 4);
    onStage({[&] {
                 auto stage = framework::Lib::get_stage();
                 // A stand-in for the drawn floor: dark stone with lighter tiles.
                 auto floor = make<framework::BitmapData>(960, 540, false, static_cast<int>(0xFF1E1A24));
                 for (int y = 0; y < 540; y += 32)
                     for (int x = (y / 32) % 2 * 32; x < 960; x += 64)
                         floor->fillRect(make<framework::Rectangle>(x, y, 32, 32), static_cast<int>(0xFF2C2733));
                 stage->addChild(make<framework::Bitmap>(floor));
                 GameData::inCave = true;
                 makeRoot();
                 stage->addChild(ui);
                 const char* names[] = {"Red Potion", "Blue Potion", "Green Potion", "Elixir"};
                 for (int i = 0; i < 4; ++i) GameData::addItem(potion(i, names[i]), i + 1, i < 3);
                 auto sword = item(ItemData::TYPE_WEAPON, 5, "Old Sword", 0, true);
                 sword->data->attack = 12;
                 GameData::addItem(sword);
                 ui->updateFloor();
                 ui->updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
                 auto data = make<game::MonsterData>("Rat", 1000);
                 data->idleAnim = make<game::Anim>(0, 0, 32, 32, 4);
                 data->maxHP = 40;
                 data->attack = 6;
                 data->defense = 2;
                 data->attFire = 3;
                 data->weak = 2;
                 game::MonsterData::MONSTERS.push_back(data);
                 auto rat = make<game::Monster>(&tile, 1000);
                 rat->isBoss = false;
                 auto details = ui->enemyDetailsWindow.cast<game::EnemyDetailsWindow>();
                 details->setMonster(rat);
                 details->set_x(5);
                 ui->openMenu();
             },
             [] {}, [] {}});
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    game::MonsterData::MONSTERS.clear();

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    EXPECT_EQ(w, 960);
    EXPECT_EQ(h, 540);
    // The inventory strip covers the bottom third; the map shows above it.
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    };
    int differentBelow = 0;
    for (int x = 40; x < 920; x += 10) differentBelow += at(x, 460) != at(x, 100) ? 1 : 0;
    EXPECT_GT(differentBelow, 20);
    stbi_image_free(pixels);
}
