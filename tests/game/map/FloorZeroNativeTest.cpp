// The real game, headless, from a fresh save folder: through the title to the town, on foot onto
// the dungeon entrance, and the run's first floor, 0, as a shop floor: its keeper (character 0) and
// fixed layout, its stock, the shop music over the cave tileset, no "New Shop!" hint; then the hero
// walks up to the keeper, who greets him with his first-meeting speech.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/data/SWITCH.h"
#include "game/floor/MapData.h"
#include "game/floor/Tile.h"
#include "game/floor/TileObject.h"
#include "game/kit/MessageWindow.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/map/NPCData.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "tests/game/PlayToTown.h"

using game::GameData;

namespace {

game::MapState* scene() { return game::G::mapState.get(); }
int heroX() { return scene()->hero->lev_x; }
int heroY() { return scene()->hero->lev_y; }

game::TileObject* objectAt(int x, int y) {
    const game::Tile* t = scene()->mapData ? scene()->mapData->tileAt(x, y) : nullptr;
    return t ? t->tObj.get() : nullptr;
}

// What the built floor 0 shows, noted on arrival.
struct Arrival {
    int keeperId = -1;
    bool keeperIsShop = false;
    bool stairsAtTop = false;
    int heroX = -1, heroY = -1;
    int npcs = 0;
    std::string music;
    bool hintOpen = true;
    bool hintFlag = true;
    bool shopUnlocked = false;
    std::vector<int> stock;
};

// The stock the general rule gives floor 0: every table row that is not magic, not an artifact,
// not kept from shops, with minFloor - 1 <= 0 < maxFloor + 10.
std::vector<int> generalStockForFloorZero() {
    std::vector<int> ids;
    for (const auto& d : game::ItemData::ALL_ITEMS)
        if (d && d->type != game::ItemData::TYPE_MAGIC && !d->artifact && !d->noShop && d->maxFloor > -10 &&
            d->minFloor - 1 <= 0)
            ids.push_back(d->id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace

TEST(FloorZero, TheRunsFirstFloorIsTheEntranceShopWithItsKeeperAndMusic) {
    auto seen = std::make_shared<Arrival>();
    auto greeting = std::make_shared<std::string>();
    auto options = std::make_shared<std::pair<std::string, std::string>>();
    testing_game::GameDriver d("floor-zero");
    testing_game::playToTown(d);
    testing_game::walkToFloorZero(d, [seen] {
        if (auto* keeper = dynamic_cast<game::NPC*>(objectAt(16, 16))) {
            seen->keeperId = keeper->npcData->id;
            seen->keeperIsShop = keeper->npcData->shop;
        }
        auto* stairs = objectAt(16, 13);
        seen->stairsAtTop = stairs && stairs->objType == game::TileObject::TYPE_STAIRS;
        seen->heroX = heroX();
        seen->heroY = heroY();
        for (const auto& o : scene()->mapData->tileObjects)
            seen->npcs += dynamic_cast<game::NPC*>(o.get()) ? 1 : 0;
        seen->music = game::Audio::musicPlaying.toText();
        seen->hintOpen = game::Game::ui->messageWinOpen &&
                         game::Game::ui->messageWindow == game::MessageWindow::WIN_NEW_SHOP;
        const auto id = static_cast<size_t>(game::MessageWindow::ID_NEW_SHOP);
        seen->hintFlag = id < GameData::messageWins.size() && GameData::messageWins[id];
        seen->shopUnlocked = !GameData::shopsUnlocked.empty() && GameData::shopsUnlocked[0];
        for (const auto& item : GameData::shopItems) seen->stock.push_back(item->data->id);
        std::sort(seen->stock.begin(), seen->stock.end());
    });
    // Up the shop's middle column into the keeper.
    testing_game::walkUntil(d, "until the keeper speaks", SDLK_UP,
                            [] { return scene()->currentSpeech != nullptr; });
    d.until("the keeper's speech is open",
            [] { return scene()->currentSpeech && scene()->currentSpeech->optionsOpen; },
            [greeting, options] {
                auto& speech = *scene()->currentSpeech;
                *greeting = speech.textSprite->get_text().toText();
                options->first = speech.speechData->option1Text.toText();
                options->second = speech.speechData->option2Text.toText();
            },
            300);
    ASSERT_EQ(d.play(), "");

    EXPECT_EQ(game::MapData::floorKind(0), game::MapData::FloorKind::SHOP);
    EXPECT_EQ(seen->keeperId, 0) << "the keeper of shop 0 (floor / 10)";
    EXPECT_TRUE(seen->keeperIsShop);
    EXPECT_EQ(seen->npcs, 1) << "no wings seller or gem salesman this shallow";
    EXPECT_TRUE(seen->stairsAtTop);
    EXPECT_EQ(seen->heroX, 16);
    EXPECT_EQ(seen->heroY, 19);
    EXPECT_EQ(seen->music, "musicShopLoop");
    EXPECT_FALSE(seen->hintOpen) << "floor 0 opens no \"New Shop!\" hint";
    EXPECT_FALSE(seen->hintFlag);
    EXPECT_TRUE(seen->shopUnlocked);
    EXPECT_FALSE(seen->stock.empty());
    EXPECT_EQ(seen->stock, generalStockForFloorZero());

    // The keeper's first meeting, which marks him as met.
    ASSERT_LT(0u, game::NPCData::NPCS.size());
    const auto& keeper = *game::NPCData::NPCS[0];
    runtime::Ref<game::SpeechData> firstMeeting;
    for (const auto& s : keeper.speechDatas)
        if (!firstMeeting && s->activateSwitch == game::SWITCH::SHOPKEEP_0_TALKED) firstMeeting = s;
    ASSERT_TRUE(firstMeeting);
    EXPECT_EQ(*greeting, firstMeeting->texts.at(0).toText());
    EXPECT_EQ(*greeting, "Ah, a new face! I sell supplies to everyone brave enough to go down there.");
    EXPECT_EQ(*options, std::make_pair(std::string("Talk"), std::string("Shop")));
    ASSERT_GT(GameData::gameSwitches.size(), static_cast<size_t>(game::SWITCH::SHOPKEEP_0_TALKED));
    EXPECT_TRUE(GameData::gameSwitches[game::SWITCH::SHOPKEEP_0_TALKED]);
    EXPECT_EQ(heroX(), 16);
    EXPECT_EQ(heroY(), 17);
}
