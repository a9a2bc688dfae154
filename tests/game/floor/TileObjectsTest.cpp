// The objects on floor cells: chests, stat gems, gold bags, stairs, forge, plain objects, teleports,
// doors and secret entrances, with their activation against a recording exploration state.
#include <map>
#include <set>

#include "ObjectFixture.h"
#include "game/data/ItemData.h"
#include "game/floor/Chest.h"
#include "game/floor/Door.h"
#include "game/floor/Forge.h"
#include "game/floor/GoldBag.h"
#include "game/floor/SecretEntrance.h"
#include "game/floor/SecretTile.h"
#include "game/floor/Stairs.h"
#include "game/floor/TeleportTile.h"
#include "game/floor/TileObjectMisc.h"
#include "game/floor/Tile.h"
#include "game/battle/Monster.h"
#include "game/map/NPC.h"

using game::Chest;
using game::StatGem;
using game::TileObject;
using runtime::make;

TEST_F(ObjectFixture, ABaseObjectSitsOnItsCellAndActivatesByItsFlags) {
    auto tile = cell(3, 5);
    auto o = make<TileObject>(tile.get());
    EXPECT_EQ(o->get_x(), 96);
    EXPECT_EQ(o->get_y(), 160);
    EXPECT_TRUE(o->nonBlocking);
    EXPECT_FALSE(o->walkable);
    EXPECT_EQ(o->objType, -1);
    EXPECT_FALSE(o->activated);
    EXPECT_TRUE(o->chooseLabel.empty());
    EXPECT_FALSE(tile->tObj) << "the creator stores the object";

    int calls = 0;
    o->activationFunction = [&](TileObject& self) {
        EXPECT_EQ(&self, o.get());
        ++calls;
    };
    o->activate();
    o->activate();
    EXPECT_TRUE(o->activated);
    EXPECT_EQ(calls, 2) << "the base does not guard against a second activation";

    auto repeating = make<TileObject>(tile.get());
    repeating->oneTimeActivation = false;
    repeating->activate();
    EXPECT_FALSE(repeating->activated);
}

TEST_F(ObjectFixture, ChestKindRollsByTheDrawnNumber) {
    struct Case { double r; int type; const char* label; };
    for (const Case& c : {Case{0.04, Chest::TYPE_ARTIFACT, "Artifact Chest"},
                          Case{0.05, Chest::TYPE_CONSUMABLE, "Consumable Chest"},
                          Case{0.149, Chest::TYPE_CONSUMABLE, "Consumable Chest"},
                          Case{0.15, Chest::TYPE_NORMAL, "Normal Chest"}, Case{0.599, Chest::TYPE_NORMAL, "Normal Chest"},
                          Case{0.6, Chest::TYPE_CRAFT, "Ingredient Chest"}}) {
        script({c.r});
        auto tile = cell(2, 2);
        auto chest = make<Chest>(tile.get());
        EXPECT_EQ(chest->type, c.type) << c.r;
        EXPECT_EQ(chest->chooseLabel, c.label) << c.r;
        EXPECT_FALSE(chest->nonBlocking);
        EXPECT_FALSE(chest->walkable);
        ASSERT_TRUE(chest->item) << c.r;
    }
    // A given kind still draws the roll: the item choice takes the second number.
    script({0.0, 0.0});
    auto tile = cell(2, 2);
    auto artifact = make<Chest>(tile.get(), Chest::TYPE_ARTIFACT);
    EXPECT_EQ(artifact->chooseLabel, "Artifact Chest");
}

TEST_F(ObjectFixture, EachChestKindDrawsFromItsOwnPoolOnEveryFloor) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(11));
    auto tile = cell(4, 4);
    for (int floor = 1; floor <= 100; floor += 3) {
        GameData::currentFloor = floor;
        for (int type = 0; type < 4; ++type)
            for (int n = 0; n < 6; ++n) {
                auto chest = make<Chest>(tile.get(), type);
                ASSERT_TRUE(chest->item) << "floor " << floor << " kind " << type;
                const auto& d = *chest->item->data;
                EXPECT_NE(d.type, game::ItemData::TYPE_MAGIC);
                EXPECT_EQ(d.artifact, type == Chest::TYPE_ARTIFACT) << d.name.str();
                EXPECT_EQ(d.type == game::ItemData::TYPE_CONSUMABLE, type == Chest::TYPE_CONSUMABLE) << d.name.str();
                EXPECT_EQ(d.type == game::ItemData::TYPE_CRAFTING, type == Chest::TYPE_CRAFT) << d.name.str();
                EXPECT_TRUE(d.minFloor <= floor && floor <= d.maxFloor) << d.name.str();
            }
    }
}

TEST_F(ObjectFixture, TheWingsAreForcedIntoOneVisibleChest) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(3));
    GameData::wingsFound = false;
    GameData::wingsSoldFloor = 1;
    struct Case { int floor; bool firstPlay; bool hidden; bool forced; };
    for (const Case& c : {Case{4, false, false, true}, Case{3, false, false, false}, Case{3, true, false, true},
                          Case{1, true, false, false}, Case{4, false, true, false}}) {
        GameData::currentFloor = c.floor;
        GameData::firstPlay = c.firstPlay;
        state->wingsExistOnFloor = false;
        auto tile = cell(5, 5);
        tile->hidden = c.hidden;
        auto first = make<Chest>(tile.get(), Chest::TYPE_NORMAL);
        EXPECT_EQ(first->item->data->wings, c.forced) << c.floor << c.firstPlay << c.hidden;
        EXPECT_EQ(first->type == Chest::TYPE_CONSUMABLE, c.forced);
        EXPECT_EQ(state->wingsExistOnFloor, c.forced);
        // Once a chest of the floor holds them, the others follow their own pools.
        for (int n = 0; n < 20; ++n) {
            auto later = make<Chest>(tile.get(), Chest::TYPE_CONSUMABLE);
            EXPECT_FALSE(later->item->data->wings && c.forced);
        }
    }
}

TEST_F(ObjectFixture, OpeningAChestGivesItsItemOnce) {
    script({0.04, 0.0});
    auto tile = cell(6, 3);
    auto chest = make<Chest>(tile.get());
    const auto data = chest->item->data;
    chest->activate();
    EXPECT_TRUE(chest->activated);
    EXPECT_TRUE(GameData::findHeldItem(chest->item));
    EXPECT_EQ(recorder.count("sound:chestArtifactOpen@0.6"), 1);
    EXPECT_EQ(recorder.count("sound:findArtifact@1"), 1);
    EXPECT_EQ(recorder.count("foundItem:" + data->name.str()), 1);
    EXPECT_EQ(recorder.count("miniMapTile:6,3"), 1);
    EXPECT_EQ(recorder.count("findFloorObject"), 1);

    // Ingredient chests play their one sound; an opened chest is rebuilt with no item.
    recorder.calls.clear();
    make<Chest>(tile.get(), Chest::TYPE_CRAFT)->activate();
    EXPECT_EQ(recorder.count("sound:chestCraftOpen@1"), 1);
    EXPECT_EQ(recorder.count("sound:findArtifact@1"), 0);
    auto opened = make<Chest>(tile.get(), Chest::TYPE_NORMAL, -1, true);
    EXPECT_TRUE(opened->activated);
    EXPECT_FALSE(opened->item);
    auto given = make<Chest>(tile.get(), Chest::TYPE_NORMAL, data->id);
    EXPECT_EQ(given->item->data, data);
}

TEST_F(ObjectFixture, StatGemKindsByRoll) {
    const std::map<int, int> table = {{17, StatGem::TYPE_HP},     {18, StatGem::TYPE_MP},     {53, StatGem::TYPE_ATTACK},
                                      {54, StatGem::TYPE_DEFENSE}, {71, StatGem::TYPE_DEFENSE}, {72, StatGem::TYPE_MAGIC},
                                      {89, StatGem::TYPE_MAGIC},   {90, StatGem::TYPE_CHOOSE}, {99, StatGem::TYPE_CHOOSE}};
    for (auto [n, type] : table) {
        EXPECT_EQ(StatGem::typeForRoll(n), type) << n;
        script({(n + 0.5) / 100.0});
        auto tile = cell(1, 1);
        EXPECT_EQ(make<StatGem>(tile.get())->type, type) << n;
    }
}

TEST_F(ObjectFixture, AnHPGemSitsAboveItsCellAndRaisesHP) {
    auto tile = cell(4, 6);
    auto gem = make<StatGem>(tile.get(), StatGem::TYPE_HP);
    tile->tObj = gem;
    EXPECT_EQ(gem->get_x(), 135);
    EXPECT_EQ(gem->get_y(), 182);
    EXPECT_TRUE(gem->walkable);
    EXPECT_EQ(gem->chooseLabel, "HP Gem");
    const int maxHP = GameData::maxHP, hp = GameData::hp, gems = GameData::hpGems, run = GameData::hpGemsThisRun;
    gem->activate();
    EXPECT_EQ(GameData::maxHP, maxHP + 10);
    EXPECT_EQ(GameData::hp, hp + 10);
    EXPECT_EQ(GameData::hpGems, gems + 1);
    EXPECT_EQ(GameData::hpGemsThisRun, run + 1);
    EXPECT_FALSE(tile->tObj);
    EXPECT_TRUE(gem->exploding);
    EXPECT_EQ(gem->dots.size(), 10u);
    EXPECT_EQ(recorder.count("sound:gem@0.5"), 1);
    // The dots vanish together once the first one's animation is over (8 cells of 6 updates).
    int updates = 0;
    while (gem->exploding && updates < 200) {
        ++game::G::frameCount;
        gem->update();
        ++updates;
    }
    EXPECT_FALSE(gem->exploding);
    EXPECT_TRUE(gem->dots.empty());
    EXPECT_GE(updates, 40);
}

TEST_F(ObjectFixture, AChooseGemWaitsForThePlayersPick) {
    auto tile = cell(2, 2);
    auto gem = make<StatGem>(tile.get(), StatGem::TYPE_CHOOSE);
    const int defense = GameData::defense, gems = GameData::defGems;
    gem->activate();
    EXPECT_EQ(recorder.count("chooseMenuThisTile"), 1);
    EXPECT_EQ(GameData::defense, defense);
    gem->showChooseMenu();
    EXPECT_EQ(recorder.count("statChooseGem"), 1);
    EXPECT_TRUE(game::G::pauseGame);
    game::G::pauseGame = false;
    gem->statChosen(StatGem::TYPE_DEFENSE);
    EXPECT_EQ(GameData::defense, defense + 1);
    EXPECT_EQ(GameData::defGems, gems + 1);
}

TEST_F(ObjectFixture, GoldGrowsWithTheFloor) {
    game::FloorRandom::setSource(game::FloorRandom::seeded(5));
    auto tile = cell(3, 3);
    struct Case { int floor, low, high; };
    for (const Case& c : {Case{1, 4, 6}, Case{10, 8, 11}, Case{100, 44, 65}}) {
        GameData::currentFloor = c.floor;
        std::set<int> seen;
        for (int n = 0; n < 300; ++n) seen.insert(make<game::GoldBag>(tile.get())->amount);
        EXPECT_EQ(*seen.begin(), c.low) << c.floor;
        EXPECT_EQ(*seen.rbegin(), c.high) << c.floor;
    }
    EXPECT_EQ(make<game::GoldBag>(tile.get(), 123)->amount, 123);
    EXPECT_EQ(game::GoldBag::amountText(7), "+7 Gold");

    auto bag = make<game::GoldBag>(tile.get(), 7);
    const int gold = GameData::gold;
    bag->activate();
    EXPECT_EQ(GameData::gold, gold + 7);
    EXPECT_TRUE(bag->activated);
    EXPECT_TRUE(bag->walkable);
    EXPECT_EQ(recorder.count("sound:goldBag@1"), 1);
    EXPECT_EQ(recorder.count("findFloorObject"), 1);
}

TEST_F(ObjectFixture, StairsForgeAndPlainObjects) {
    auto tile = cell(10, 4);
    auto stairs = make<game::Stairs>(tile.get());
    tile->tObj = stairs;
    EXPECT_EQ(stairs->get_x(), 320);
    EXPECT_EQ(stairs->get_y(), 128);
    EXPECT_FALSE(tile->isPassable());
    EXPECT_TRUE(tile->isWalkable());
    EXPECT_FALSE(tile->isAGoodPath());
    stairs->activate();
    EXPECT_FALSE(stairs->activated);

    auto forge = make<game::Forge>(tile.get());
    forge->activate();
    forge->activate();
    EXPECT_EQ(recorder.count("forgeCrafting"), 2);
    EXPECT_EQ(recorder.count("sound:forge@1"), 2);
    EXPECT_FALSE(forge->activated);
    EXPECT_FALSE(forge->walkable);

    tile->tObj = make<game::TileObjectMisc>(tile.get(), false);
    EXPECT_FALSE(tile->isPassable());
    tile->tObj = make<game::TileObjectMisc>(tile.get(), true);
    EXPECT_TRUE(tile->isPassable());
    EXPECT_TRUE(tile->isWalkable());
}

TEST_F(ObjectFixture, TeleportsHandTheirDestinationToTheMapState) {
    auto tile = cell(3, 3);
    auto to = make<framework::Point>(14, 11);
    auto walk = make<framework::Point>(14, 12);
    auto face = make<game::Anim>(0, 0, 1, 1, 1);
    auto map = make<game::TiledMap>(4, 4, std::vector<runtime::Ref<game::TiledTileset>>{},
                                    std::vector<runtime::Ref<game::TiledLayer>>{},
                                    std::vector<runtime::Ref<game::RainRect>>{});
    auto teleport = make<game::TeleportTile>(tile.get(), map, to, walk, face);
    EXPECT_TRUE(teleport->nonBlocking && teleport->walkable);
    teleport->activate();
    teleport->activate();
    EXPECT_EQ(recorder.count("startMapTransition"), 2);
    EXPECT_FALSE(teleport->activated);
    EXPECT_TRUE(state->transitionToPremade);
    EXPECT_EQ(state->transitionToMap, map);
    EXPECT_EQ(state->transitionWalkToPoint, walk);

    state->transitionToPremade = false;
    auto entrance = make<game::TeleportTile>(tile.get(), nullptr, nullptr, nullptr, nullptr, true);
    entrance->activate();
    EXPECT_EQ(recorder.count("chooseFloorWin"), 1);
    EXPECT_FALSE(state->transitionToPremade);

    state->ignoreTeleportTiles = true;
    teleport->activate();
    EXPECT_EQ(recorder.count("startMapTransition"), 2);
}

TEST_F(ObjectFixture, ADoorSwingsOpenAndShutEvenWhileTeleportsAreIgnored) {
    auto tile = cell(7, 8);
    auto door = make<game::Door>(tile.get(), 14, nullptr, nullptr, nullptr, nullptr);
    state->ignoreTeleportTiles = true;
    for (int round = 0; round < 2; ++round) {
        recorder.calls.clear();
        door->activate();
        EXPECT_EQ(recorder.count("sound:door@1"), 1);
        EXPECT_EQ(recorder.count("mapEffect"), 1);
        EXPECT_EQ(recorder.count("startMapTransition"), 0);
        // The cell shown, by the picture's scroll rectangle over the 23-pixel strip.
        auto shown = [&] { return static_cast<int>(door->animSprite->bitmap->get_scrollRect()->x) / 23; };
        std::vector<int> cells{shown()};
        for (int n = 0; n < 200 && !door->animSprite->animCompleted; ++n) {
            ++game::G::frameCount;
            door->animSprite->updateAnim();
            if (shown() != cells.back()) cells.push_back(shown());
        }
        EXPECT_TRUE(door->animSprite->animCompleted);
        EXPECT_EQ(cells, (std::vector<int>{0, 1, 2, 3, 4, 3, 2, 1, 0})) << "round " << round;
    }
}

TEST_F(ObjectFixture, ASecretEntranceRevealsItsRoomOnce) {
    auto tile = cell(9, 9);
    auto entrance = make<game::SecretEntrance>(tile.get());
    EXPECT_FALSE(entrance->nonBlocking);
    EXPECT_EQ(entrance->flashy->get_x(), 13);
    EXPECT_EQ(entrance->flashy->get_y(), 13);
    const int found = GameData::secretRoomsFound;
    entrance->activate();
    entrance->activate();
    EXPECT_EQ(recorder.count("sound:secret@1"), 1);
    EXPECT_EQ(GameData::secretRoomsFound, found + 1);
    EXPECT_TRUE(state->revealSecret);
    EXPECT_TRUE(GameData::secretTheseFiveFloors);
    EXPECT_TRUE(entrance->nonBlocking);
    EXPECT_FALSE(entrance->flashy->get_parent());

    // A fake wall picture fades over the reveal and goes after it.
    auto wall = make<game::SecretTile>(2, 3);
    EXPECT_EQ(wall->get_x(), 64);
    wall->update(0);
    EXPECT_GE(wall->get_alpha(), 0.8);
    wall->update(30);
    EXPECT_LE(wall->get_alpha(), 0.5);
    EXPECT_GE(wall->get_alpha(), 0.4);
    wall->update(60);
    EXPECT_EQ(wall->get_alpha(), 0);
    wall->update(61);
    EXPECT_TRUE(wall->destroyed);
}

TEST_F(ObjectFixture, MonstersAndCharactersOnTheMap) {
    GameData::currentFloor = 25;
    game::FloorRandom::setSource(game::FloorRandom::seeded(2));
    auto tile = cell(4, 4);
    for (int n = 0; n < 100; ++n) {
        auto m = make<game::Monster>(tile.get());
        ASSERT_TRUE(m->data);
        EXPECT_NE(m->data->id, game::Monster::GIANT_SPIDER_ID);
        EXPECT_EQ(m->hp, m->data->maxHP);
        EXPECT_TRUE(m->walkable);
    }
    auto boss = make<game::Monster>(tile.get(), -1, true);
    EXPECT_EQ(boss->data->id, game::Monster::GIANT_SPIDER_ID);
    EXPECT_TRUE(boss->isBoss);
    auto sorcerer = make<game::Monster>(tile.get(), game::Monster::SORCEROR_ID);
    EXPECT_TRUE(sorcerer->isBoss);

    auto kid = make<game::NPC>(tile.get(), game::NPC::LOST_KID);
    EXPECT_EQ(kid->objType, TileObject::TYPE_NPC);
    EXPECT_EQ(kid->npcData->id, game::NPC::LOST_KID);
    EXPECT_EQ(kid->get_x(), 128);
}
