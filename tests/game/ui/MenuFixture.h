#pragma once
// The real UI root over the real back end, installed as Game::ui, with an empty inventory and
// nothing worn, for the in-game menu, its tab bar and the equipment tab.
#include "framework/events/MouseEvent.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemIcon.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/ui/HudLink.h"
#include "game/ui/ItemInventory.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

class MenuFixture : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        using game::GameData;
        gameArea(960, 540);
        game::Game::scaleFactor = 1;
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::inCave = true;
        GameData::level = 1;
        GameData::newGamePlusNum = 0;
        GameData::skillPoints = 0;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::hotkeySlotItems.clear();
        GameData::equippedItems.assign(10, nullptr);
        GameData::itemsNeedSorted = false;
        GameData::messageWins.assign(game::MessageWindow::NUM_WINS, true);
        game::G::pauseGame = false;
        game::G::disableMenu = false;
        game::G::mapState = runtime::make<game::MapState>();
        game::ItemIcon::createNameCaches();
        game::MessageWindow::createStaticWindows();
        ui = runtime::make<game::UI>();
        game::Game::ui = ui;
    }

    void TearDown() override {
        ui = nullptr;
        game::Game::ui = nullptr;
        game::G::mapState = nullptr;
        game::DataUI::install(nullptr);
        game::HudLink::install(nullptr);
        game::GameData::items.clear();
        game::GameData::itemIcons.clear();
        game::GameData::equippedItems.assign(10, nullptr);
        KitFixture::TearDown();
    }

    runtime::Ref<game::UIEquipment> tab() const { return ui->equipment; }
    runtime::Ref<game::ItemInventory> inventory() const { return ui->inventory.cast<game::ItemInventory>(); }

    // A definition of its own (id = type base + n) and an item of it.
    static runtime::Ref<game::Item> item(int type, int n, const char* name, int slot = -1) {
        auto data = runtime::make<game::ItemData>(type, slot, name);
        data->id = type + n;
        data->value = 10;
        return runtime::make<game::Item>(data, false);
    }
    // Adds to the inventory; the held stack.
    static runtime::Ref<game::Item> hold(const runtime::Ref<game::Item>& it, int amount = 1) {
        return game::GameData::addItem(it, amount, false, false);
    }
    // Worn straight through the model, as a loaded save has it.
    static void wear(int slot, const runtime::Ref<game::Item>& it) {
        game::GameData::equipItem(hold(it), slot, false);
    }
    // Selects the held stack in the inventory strip, as a tap does.
    void choose(const runtime::Ref<game::Item>& held) {
        inventory()->updateItems();
        inventory()->itemScroller->findAndSelectItem(held);
        ASSERT_TRUE(inventory()->isAnItemSelected());
    }
    static void click(const runtime::Ref<framework::DisplayObject>& target) {
        target->dispatchEvent(runtime::make<framework::MouseEvent>("click"));
    }
    static void click(const runtime::Ref<game::EquipmentSlot>& slot) { click(slot->mainHolder); }

    runtime::Ref<game::UI> ui;
};
