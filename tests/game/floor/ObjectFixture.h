#pragma once
// Floors with their objects over the fake back end: the real item, monster, zone and dialogue
// tables, a recording exploration state installed as the game's (it answers the objects' calls and
// writes down each one), a recording UI root, and a floor random source a test seeds or scripts.
#include <deque>
#include <tuple>
#include <functional>
#include <string>
#include <vector>

#include "engine/EngState.h"
#include "game/data/SWITCH.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"
#include "game/floor/MapStateLink.h"
#include "game/floor/StatGem.h"
#include "game/floor/ZoneData.h"
#include "game/map/NPCData.h"
#include "game/shell/G.h"
#include "tests/game/data/DataFixture.h"

class RecordingMapState : public engine::EngState, public game::MapStateLink {
public:
    using DisplayRef = runtime::Ref<framework::DisplayObject>;

    explicit RecordingMapState(DataRecorder& r) : engine::EngState(0), r(r) {}

    void setFoundMovePath(const std::vector<runtime::Ref<framework::Point>>&,
                          const runtime::Ref<framework::Point>&) override {}
    std::optional<std::pair<int, int>> heroCell() const override { return std::nullopt; }
    std::optional<std::pair<double, double>> heroPosition() const override { return hero; }
    game::MapData* currentMapData() override { return floor; }
    void setShopInventory() override { r.record("setShopInventory"); }
    void startMapTransition() override { r.record("startMapTransition"); }
    void sorcerorFirstTrigger(game::TileObject&) override { r.record("sorceror1"); }
    void sorcerorSecondTrigger(game::TileObject&) override { r.record("sorceror2"); }
    void sorcerorThirdTrigger(game::TileObject&) override { r.record("sorceror3"); }
    void sorcerorFourthTrigger(game::TileObject&) override { r.record("sorceror4"); }
    void activateDemonTrigger(game::TileObject&) override { r.record("demonTrigger"); }
    void findFloorObject() override { r.record("findFloorObject"); }
    void openStatChooseMenuThisTile(const runtime::Ref<game::StatGem>& gem) override {
        r.record("chooseMenuThisTile");
        chooseGem = gem;
    }
    void showFoundItemWindow(const runtime::Ref<game::Item>& item) override {
        r.record("foundItem:" + item->data->name.str());
    }
    void addToObjectRow(int row, const DisplayRef& sprite) override { r.record("objectRow:" + std::to_string(row)); }
    void addToMapCanvas(const DisplayRef&) override { r.record("mapCanvas"); }
    void addMenuEffect(const DisplayRef&) override { r.record("menuEffect"); }
    void addMapEffect(const DisplayRef&) override { r.record("mapEffect"); }
    void addAnimatedItemIcon(const DisplayRef&) override { r.record("animatedIcon"); }
    void playSound(const runtime::String& name, double volume) override {
        char v[16];
        std::snprintf(v, sizeof v, "%g", volume);
        r.record("sound:" + name.str() + "@" + v);
    }

    DataRecorder& r;
    std::optional<std::pair<double, double>> hero;
    game::MapData* floor = nullptr;
    runtime::Ref<game::StatGem> chooseGem;
};

class FloorUI : public RecordingUI {
public:
    using RecordingUI::RecordingUI;
    using RecordingUI::showStatChooseMenu;
    void showStatChooseMenu(const runtime::Ref<game::StatGem>&) override { r.record("statChooseGem"); }
    void openMessageWin(int id) override { r.record("messageWin:" + std::to_string(id)); }
    void openForgeCrafting() override { r.record("forgeCrafting"); }
    void openChooseFloorWin() override { r.record("chooseFloorWin"); }
    void updateMiniMapTile(int x, int y) override {
        r.record("miniMapTile:" + std::to_string(x) + "," + std::to_string(y));
    }
    void drawMiniMap() override { r.record("drawMiniMap"); }
};

class ObjectFixture : public DataFixture {
protected:
    using GameData = game::GameData;
    using MapData = game::MapData;

    void SetUp() override {
        DataFixture::SetUp();
        game::ZoneData::setZones();
        game::MonsterData::createMonsters();
        game::NPCData::createNPCs();
        // The objects' sheets at their sizes (distinct byte counts tell them apart).
        int size = 5000;
        for (auto [name, w, h] : {std::tuple{"assets/x2/misc/woodDoor.png", 115, 37},
                                  std::tuple{"assets/x2/treasure/statGemDots.png", 64, 48},
                                  std::tuple{"assets/x2/treasure/statgems.png", 84, 102},
                                  std::tuple{"assets/x2/treasure/chests.png", 80, 88},
                                  std::tuple{"assets/x2/treasure/goldbag.png", 60, 40},
                                  std::tuple{"assets/x2/misc/secretFlash.png", 18, 18}})
            embed(name, std::string(static_cast<size_t>(++size), 'p'), w, h);
        game::G::frameCount = 0;
        floorUI = std::make_shared<FloorUI>(recorder);
        game::DataUI::install(floorUI);
        state = runtime::make<RecordingMapState>(recorder);
        game::G::mapState = state;
        GameData::currentFloor = 1;
        GameData::deepestFloor = 1;
        GameData::gameSwitches.assign(game::SWITCH::NUM_SWITCHES, false);
        GameData::shopsUnlocked.clear();
        GameData::messageWins.clear();
        GameData::secretTheseFiveFloors = false;
        // Chests follow their kind's own pool unless a test asks for the forced wings.
        GameData::wingsFound = true;
        GameData::firstPlay = false;
        savedTimer = MapData::timer;
        MapData::timer = [] { return 0; };
    }

    void TearDown() override {
        game::G::mapState = nullptr;
        state = nullptr;
        MapData::timer = savedTimer;
        game::FloorRandom::setSource({});
        GameData::gameSwitches.clear();
        GameData::shopsUnlocked.clear();
        GameData::messageWins.clear();
        GameData::currentFloor = 0;
        GameData::deepestFloor = 0;
        DataFixture::TearDown();
    }

    // Draws the given numbers first, then those of a generator seeded with 1.
    static void script(std::vector<double> values) {
        auto queue = std::make_shared<std::deque<double>>(values.begin(), values.end());
        auto rest = game::FloorRandom::seeded(1);
        game::FloorRandom::setSource([queue, rest] {
            if (queue->empty()) return rest();
            const double v = queue->front();
            queue->pop_front();
            return v;
        });
    }

    // A lone open cell, not part of any floor.
    runtime::Ref<game::Tile> cell(int x, int y) {
        auto t = runtime::make<game::Tile>(x, y);
        t->wall = false;
        return t;
    }

    // A generated dungeon floor owned by the recording state.
    runtime::Ref<MapData> generate(int floorNumber) {
        GameData::currentFloor = floorNumber;
        state->wingsExistOnFloor = false;
        auto floor = runtime::make<MapData>(state.get());
        state->floor = floor.get();
        return floor;
    }

    std::shared_ptr<FloorUI> floorUI;
    runtime::Ref<RecordingMapState> state;
    std::function<int()> savedTimer;
};
