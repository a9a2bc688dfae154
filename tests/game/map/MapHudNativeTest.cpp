// The exploration state driving the real UI root's HUD: the number keys on the hotkey bar, the
// slots' battle state at a battle's start and end, the found-item window of a chest and the
// low-HP flash.
#include <string>

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/floor/Chest.h"
#include "game/map/MapState.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/battle/Monster.h"
#include "game/ui/EnemyDetailsWindow.h"
#include "game/ui/FoundItemWindow.h"
#include "game/ui/HPMPHud.h"
#include "game/ui/HotkeyWindow.h"
#include "game/ui/UI.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"
#include "tests/game/map/MapStateFixture.h"

using game::GameData;
using game::HotkeyWindow;
using game::Item;
using game::ItemData;
using game::MapState;
using game::Tile;
using runtime::make;
using runtime::Ref;

namespace {

class MapHudTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::useOwnSaveFolder("glv-maphud");
        testing_game::loadGameTablesOnce();
        GameData::initializeGameStuff();
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        engine::EngG::keys = make<engine::EngKeyboard>();
        game::Game::gameStage = make<game::BitmapSprite>();
        game::Game::gameWidth = game::Game::screenWidth = 960;
        game::Game::gameHeight = game::Game::screenHeight = 540;
        game::Game::gameCenter = make<framework::Point>(480, 270);
        MapState::setFrameRate(60);
        game::G::pauseGame = game::G::disableMenu = false;
        GameData::hp = 50;
        GameData::maxHP = 1000;
        GameData::mp = 30;
        GameData::maxMP = 30;
    }

    void TearDown() override {
        state = nullptr;
        ui = nullptr;
        game::G::mapState = nullptr;
        engine::EngG::keys = nullptr;
        game::Game::gameStage = nullptr;
        game::Game::gameCenter = nullptr;
        game::G::pauseGame = game::G::disableMenu = false;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::hotkeySlotItems.clear();
        KitFixture::TearDown();
    }

    // On a real stage: the UI root, the state initialised as at start-up (the town behind the
    // title), then a dungeon floor built to the end with the hero in an open room at (16, 16).
    void enterDungeon() {
        ui = make<game::UI>();
        game::Game::ui = ui;
        framework::Lib::get_stage()->addChild(ui);
        state = make<MapState>();
        state->create();
        state->initialize();
        state->scaledIntialScreen = true;
        bar()->initializeHotkeySlots();
        GameData::currentFloor = 1;
        GameData::inCave = true;
        state->goToMap(nullptr, nullptr);
        for (int frames = 0; state->building && frames < 100; ++frames) state->update();
        ASSERT_FALSE(state->building);
        testing_game::openRoom(*state);
        state->disableMovement = false;
        game::G::pauseGame = game::G::disableMenu = false;
    }

    Ref<HotkeyWindow> bar() { return ui->hotkeys.cast<HotkeyWindow>(); }

    // One update with the key just pressed, then released.
    void tap(int code) {
        engine::EngG::keys->updateKeyStates(code, true);
        step();
        engine::EngG::keys->updateKeyStates(code, false);
        step();
    }
    void step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            state->update();
            engine::EngG::keys->update();
        }
    }

    static Ref<Item> own(int type, int id, const char* name, int slot = -1, bool usableInBattle = true) {
        auto data = make<ItemData>(type, slot, name);
        data->id = id;
        data->value = 10;
        data->usableInBattle = usableInBattle;
        return make<Item>(data, false);
    }
    static Ref<Item> potion(int n, int restore = 1) {
        auto it = own(ItemData::TYPE_CONSUMABLE, 100 + n, "Potion");
        it->data->hpRestore = restore;
        return it;
    }
    static Ref<Item> hold(const Ref<Item>& it, int amount = 1) { return GameData::addItem(it, amount); }

    Ref<game::UI> ui;
    Ref<MapState> state;
};

}  // namespace

TEST_F(MapHudTest, NumberKeysUseTheirSlotsOnlyWhileTheMapHasTheKeys) {
    onStage({[&] {
        enterDungeon();
        std::vector<Ref<Item>> stacks;
        for (int i = 0; i < 10; ++i) {
            stacks.push_back(hold(potion(i), 5));
            bar()->slots[i]->setItem(stacks.back());
        }
        // Digit and keypad keys: 1 .. 9 are slots 0 .. 8, 0 is slot 9.
        for (int slot = 0; slot < 10; ++slot) {
            const int digit = slot == 9 ? 0 : slot + 1;
            for (int code : {48 + digit, 96 + digit}) {
                SCOPED_TRACE("slot " + std::to_string(slot) + ", key " + std::to_string(code));
                std::vector<int> before;
                for (auto& s : stacks) before.push_back(s->amount);
                tap(code);
                for (int i = 0; i < 10; ++i) EXPECT_EQ(stacks[i]->amount, before[i] - (i == slot ? 1 : 0));
            }
        }

        // Paused, the menu open or the stairs question up: the keys do nothing.
        const int left = stacks[0]->amount;
        game::G::pauseGame = true;
        tap(49);
        game::G::pauseGame = false;
        ui->openMenu();
        tap(49);
        ui->closeMenu();
        state->stairsWinOpen = true;
        tap(49);
        state->stairsWinOpen = false;
        EXPECT_EQ(stacks[0]->amount, left);

        // The last potion empties its slot on the same press.
        auto last = hold(potion(20));
        bar()->slots[3]->setItem(last);
        engine::EngG::keys->updateKeyStates(52, true);
        step();
        EXPECT_EQ(last->amount, 0);
        EXPECT_EQ(bar()->slots[3]->item().get(), nullptr);
        engine::EngG::keys->updateKeyStates(52, false);
    }});
}

TEST_F(MapHudTest, AWeaponKeyShowsItsNameOverTheHeroAndASecondPressSwapsBack) {
    onStage({[&] {
        enterDungeon();
        auto club = hold(own(ItemData::TYPE_WEAPON, 1001, "Club", 0));
        auto sword = hold(own(ItemData::TYPE_WEAPON, 1002, "Sword", 0));
        GameData::equipItem(club, 0, false);
        bar()->slots[1]->setItem(sword);
        const auto effects = state->menuEffects.size();

        tap(50);
        EXPECT_EQ(GameData::equippedItems[0].get(), sword.get());
        bool shown = false;
        for (int i = 0; i < state->hero->get_numChildren(); ++i)
            if (auto text = state->hero->getChildAt(i).cast<game::TextSprite>())
                shown = shown || text->get_text().toText() == "Sword equipped";
        EXPECT_TRUE(shown) << "the notice rises over the hero";
        EXPECT_EQ(state->menuEffects.size(), effects + 1);
        ASSERT_TRUE(bar()->slots[1]->item());
        EXPECT_EQ(bar()->slots[1]->item()->data.get(), club->data.get());

        tap(50);
        ASSERT_TRUE(GameData::equippedItems[0]);
        EXPECT_EQ(GameData::equippedItems[0]->data.get(), club->data.get());
        ASSERT_TRUE(bar()->slots[1]->item());
        EXPECT_EQ(bar()->slots[1]->item()->data.get(), sword->data.get());
    }});
}

TEST_F(MapHudTest, AnAttackSpellKeyOutsideBattleQueuesWithoutMPAndASecondPressCancels) {
    onStage({[&] {
        enterDungeon();
        auto bolt = own(ItemData::TYPE_MAGIC, 10020, "Bolt");
        bolt->data->spell = bolt->data->attackMagic = true;
        bolt->data->mpUse = bolt->effectiveData->mpUse = 5;
        bar()->slots[4]->setItem(hold(bolt));

        tap(53);
        EXPECT_EQ(GameData::mp, 30) << "queueing spends nothing";
        EXPECT_EQ(bar()->queuedMagicSlot.get(), bar()->slots[4].get());
        EXPECT_EQ(bar()->magicQueueSprite->get_parent().get(), bar()->slots[4].get());
        tap(53);
        EXPECT_EQ(bar()->queuedMagicSlot.get(), nullptr);
        EXPECT_EQ(bar()->magicQueueSprite->get_parent().get(), nullptr);
        EXPECT_EQ(GameData::mp, 30);
    }});
}

TEST_F(MapHudTest, ABattleGreysTheSlotsItCannotUseAndItsEndFreesThemAll) {
    onStage({[&] {
        enterDungeon();
        auto drink = hold(potion(1, 20), 3);
        auto club = hold(own(ItemData::TYPE_WEAPON, 1001, "Club", 0, false));
        auto scroll = hold(own(ItemData::TYPE_CONSUMABLE, 150, "Map Scroll", -1, false));
        bar()->slots[0]->setItem(drink);
        bar()->slots[1]->setItem(club);
        bar()->slots[2]->setItem(scroll);

        state->inBattle = true;
        state->startBattle();
        EXPECT_FALSE(bar()->slots[0]->disabled);
        EXPECT_TRUE(bar()->slots[1]->disabled);
        EXPECT_TRUE(bar()->slots[2]->disabled);
        EXPECT_FALSE(bar()->slots[3]->disabled) << "an empty slot stays as it is";
        EXPECT_EQ(bar()->slots[1]->get_alpha(), 0.5);
        bar()->useSlotByNumber(1);
        EXPECT_EQ(GameData::equippedItems[0].get(), nullptr) << "a greyed slot ignores its key";
        bar()->useSlotByNumber(0);
        EXPECT_EQ(drink->amount, 2) << "a potion is drunk in battle";

        state->endBattle(false);
        for (int i = 0; i < 10; ++i) {
            EXPECT_FALSE(bar()->slots[i]->disabled) << i;
            EXPECT_EQ(bar()->slots[i]->get_alpha(), 1) << i;
        }
    }});
}

TEST_F(MapHudTest, AChestShowsTheFoundItemAboveTheBarUntilTheNextKey) {
    onStage({[&] {
        enterDungeon();
        auto found = Ref<game::FoundItemWindow>(state->foundItemWin.cast<game::FoundItemWindow>());
        ASSERT_TRUE(found) << "made when the state initialises";
        Tile* tile = state->mapData->tiles[18][16].get();
        auto chest = make<game::Chest>(tile, game::Chest::TYPE_NORMAL);
        auto sword = own(ItemData::TYPE_WEAPON, 1003, "Broad Sword", 0);
        sword->data->attack = 12;
        chest->item = sword;
        tile->tObj = chest;
        state->mapData->tileObjects.push_back(chest);
        chest->activate();

        EXPECT_TRUE(state->foundItemWinShowing);
        EXPECT_EQ(found->get_parent().get(), ui.get());
        EXPECT_EQ(ui->getChildIndex(found), ui->get_numChildren() - 1) << "on top of the root";
        EXPECT_EQ(found->get_x(), 0);
        EXPECT_EQ(found->get_y(), 540 - 60 - 70);
        EXPECT_EQ(found->nameText->get_text().toText(), "Broad Sword");
        EXPECT_EQ(found->attackText->get_text().toText(), "12");

        tap(66);
        EXPECT_FALSE(state->foundItemWinShowing) << "a key lets it fade";
    }});
}

TEST_F(MapHudTest, TheHPBarFlashesEvery25FramesOnlyBelowAFifth) {
    onStage({[&] {
        enterDungeon();
        auto hud = ui->hpmpHud.cast<game::HPMPHud>();
        ASSERT_TRUE(hud);
        auto& bar = *hud->largeHealth;
        auto flashing = [&] { return bar.whiteBitmap->get_parent().get() == &bar; };
        struct Case {
            int hp;
            bool low;
        };
        for (Case c : {Case{19, true}, Case{20, false}}) {
            SCOPED_TRACE(c.hp);
            GameData::maxHP = 100;
            GameData::hp = c.hp + 6;
            GameData::loseHP(6);
            EXPECT_EQ(state->healthIsLow, c.low);
            std::vector<int> flashedOn, expected;
            for (int i = 0; i < 60; ++i) {
                if (flashing()) bar.removeChild(bar.whiteBitmap);
                step();
                if (flashing()) flashedOn.push_back(game::G::frameCount);
                if (c.low && game::G::frameCount % 25 == 0) expected.push_back(game::G::frameCount);
            }
            EXPECT_EQ(flashedOn, expected);
            if (c.low) {
                EXPECT_GE(expected.size(), 2u);
            }
        }
    }});
}

TEST_F(MapHudTest, HoldingOnAMonsterFillsAndShowsTheEnemyDetails) {
    onStage({[&] {
        enterDungeon();
        auto monster = testing_game::holdOnMonsterAt18x16(*state);
        step(MapState::INFO_HOLD_TIME);
        auto details = ui->enemyDetailsWindow.cast<game::EnemyDetailsWindow>();
        ASSERT_TRUE(details);
        EXPECT_EQ(details->monster.get(), monster.get());
        EXPECT_TRUE(details->showing);
        EXPECT_EQ(details->nameText->get_text().toText(), monster->data->name.toText());
    }});
}
