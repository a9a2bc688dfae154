// The map's figures drawn headless: the four heroes in their poses (run, mirrored run, battle,
// death), monsters idle and in battle, the minimap and the map window of a generated floor with
// objects on it; written to sprites-scene.png in the build folder to be looked at.
#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "game/battle/Hero.h"
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"
#include "game/floor/StatGem.h"
#include "game/floor/Tile.h"
#include "game/floor/ZoneData.h"
#include "game/map/MapState.h"
#include "game/map/MapWindow.h"
#include "game/map/MiniMap.h"
#include "game/shell/C.h"
#include "tests/game/kit/KitFixture.h"

using game::GameData;
using game::Hero;
using game::Monster;
using runtime::make;
using runtime::Ref;

namespace {

constexpr int BACKDROP = 0x203040;

struct Scene {
    Ref<game::MapData> floor;
    std::vector<Ref<Hero>> heroes;
    std::vector<Ref<Monster>> monsters;
    Ref<game::MiniMap> mini;
    Ref<game::MapWindow> window;
};

void add(framework::DisplayObjectContainer& stage, const Ref<framework::DisplayObject>& o, double x, double y, double scale = 2) {
    o->set_x(x);
    o->set_y(y);
    o->set_scaleX(scale);
    o->set_scaleY(scale);
    stage.addChild(o);
}

void build(framework::DisplayObjectContainer& stage, Scene& s) {
    // Heroes: each look idle, running (right, then mirrored left), in battle and dead.
    for (int type = 0; type < 4; ++type) {
        const double y = 40 + type * 110;
        auto idle = make<Hero>(type);
        add(stage, idle, 20, y);
        auto run = make<Hero>(type);
        run->setRunAnim(Hero::RUN_RIGHT);
        add(stage, run, 100, y);
        auto left = make<Hero>(type);
        left->setRunAnim(Hero::RUN_RIGHT);
        left->runSprite->set_flipped(true);
        add(stage, left, 180, y);
        auto fight = make<Hero>(type);
        fight->setToAttackMode();
        fight->attackSprite->setNewAnim(Hero::ATTACK);
        add(stage, fight, 260, y);
        auto dead = make<Hero>(type);
        dead->setToAttackMode();
        dead->setAttackSpriteFlip(true);
        dead->setToDieMode();
        add(stage, dead, 360, y);
        for (auto& h : {idle, run, left, fight, dead}) s.heroes.push_back(h);
    }

    // A floor with objects, for the monsters and the maps.
    GameData::currentFloor = 5;
    game::ZoneData::setZones();
    game::FloorRandom::setSource({});
    s.floor = make<game::MapData>(nullptr);
    std::vector<game::Tile*> open;
    for (int x = 0; x < s.floor->width; ++x)
        for (int y = 0; y < s.floor->height; ++y) {
            if (!s.floor->tiles[x][y]->wall) open.push_back(s.floor->tiles[x][y].get());
            s.floor->fogTilesOpacity[x][y] = x < 16 ? 0.0 : (x < 20 ? 0.5 : 1.0);
        }
    for (size_t i = 0; i < open.size(); i += 9) {
        game::Tile* t = open[i];
        Ref<game::TileObject> object;
        if (i % 4 == 0) object = make<Monster>(t);
        else object = make<game::StatGem>(t, static_cast<int>(i % 6));
        t->tObj = object;
        s.floor->tileObjects.push_back(object);
    }
    // Monsters idle and in battle, several kinds.
    int column = 0;
    for (const auto& data : game::MonsterData::MONSTERS) {
        if (column >= 6) break;
        if (data->minFloor > 30 || data->minFloor == data->maxFloor) continue;
        auto idle = make<Monster>(s.floor->tiles[0][0].get(), data->id);
        add(stage, idle, 460 + column * 80, 40);
        auto fighting = make<Monster>(s.floor->tiles[0][0].get(), data->id);
        fighting->setToAttack();
        fighting->setAttackSpriteFlip(column % 2 == 1);
        add(stage, fighting, 460 + column * 80, 130);
        s.monsters.push_back(idle);
        s.monsters.push_back(fighting);
        ++column;
    }

    game::MiniMap::MAP_WIDTH = game::MiniMap::MAP_HEIGHT = game::C::MAP_SIZE * 3 + 16;
    s.window = make<game::MapWindow>();
    s.window->initialize();
    s.mini = make<game::MiniMap>();
    s.mini->updateMap(s.floor);
    s.window->floorMap->drawMap(s.floor);
    auto hero = s.floor->floorTiles.empty() ? open.front() : s.floor->floorTiles.front().get();
    s.mini->setHeroPos(hero->lev_x, hero->lev_y);
    s.window->floorMap->setHeroPos(hero->lev_x, hero->lev_y);
    add(stage, s.mini, 960 - game::MiniMap::MAP_WIDTH, 0, 1);
    add(stage, s.window, 430, 220, 0.75);
}

}  // namespace

class SpritesSceneTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        game::MonsterData::createMonsters();
        game::G::mapState = make<game::MapState>();
    }
    void TearDown() override {
        game::G::mapState = nullptr;
        game::MonsterData::MONSTERS.clear();
        GameData::currentFloor = 0;
        KitFixture::TearDown();
    }
};

TEST_F(SpritesSceneTest, HeroesMonstersAndMapsAreDrawn) {
    const std::string png = GLV_SPRITES_SCENE_PNG;
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    Scene scene;
    int frames = 0;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = framework::Lib::get_stage();
        build(*stage, scene);
        stage->addEventListener("enterFrame", runtime::Function::of([&](runtime::Value) {
            // A few animation steps so the poses move off their first cells.
            for (int i = 0; i < 4; ++i) {
                ++game::G::frameCount;
                for (auto& h : scene.heroes) h->update();
                for (auto& m : scene.monsters) m->update();
            }
            if (++frames >= 3) framework::Lib::close();
        }));
    });
    framework::Lib::create(onLoaded, 960, 540, 60, BACKDROP, 0, "sprites scene");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    };
    // Something of every hero cell was drawn over the backdrop.
    for (int type = 0; type < 4; ++type)
        for (int pose = 0; pose < 5; ++pose) {
            int inked = 0;
            const int x0 = 20 + pose * 80 + (pose == 4 ? 20 : 0), y0 = 40 + type * 110 - 50;
            for (int y = std::max(0, y0); y < y0 + 110; ++y)
                for (int x = std::max(0, x0 - 20); x < x0 + 80; ++x) inked += at(x, y) != BACKDROP;
            EXPECT_GT(inked, 200) << "look " << type << " pose " << pose;
        }
    // The minimap's frame area holds map colours; its hero dot is yellow.
    auto& hero = *scene.floor->floorTiles.front();
    const int dotX = 960 - game::MiniMap::MAP_WIDTH + 8 + hero.lev_x * 3 + 1;
    const int dotY = 8 + hero.lev_y * 3 + 1;
    EXPECT_EQ(at(dotX, dotY), 0xFFFF00u);
    stbi_image_free(pixels);
}
