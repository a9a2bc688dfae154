// The monster on the map: the definition chosen by floor or id, its layout (shadow, idle and
// attack sprites, ground point, flying height), the battle pose and mirroring, and the death that
// frees the tile at once and removes the monster when the splat ends.
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"
#include "game/floor/MapStateLink.h"
#include "game/floor/Tile.h"
#include "game/floor/TiledMap.h"
#include "game/shell/BMDCache.h"
#include "tests/game/kit/KitFixture.h"

using game::Anim;
using game::G;
using game::GameData;
using game::MapData;
using game::Monster;
using game::MonsterData;
using runtime::make;
using runtime::Ref;

namespace {

// The exploration state as a monster sees it: the floor, and the calls it makes.
class RecordingLink : public game::MapStateLink {
public:
    void setFoundMovePath(const std::vector<Ref<framework::Point>>&, const Ref<framework::Point>&) override {}
    std::optional<std::pair<int, int>> heroCell() const override { return std::nullopt; }
    MapData* currentMapData() override { return floor; }
    void findFloorObject() override { ++found; }
    void playSound(const runtime::String& name, double) override { sounds.push_back(name.toText()); }

    MapData* floor = nullptr;
    int found = 0;
    std::vector<std::string> sounds;
};

class MonsterTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        MonsterData::createMonsters();
        auto blank = make<game::TiledMap>(32, 32, std::vector<Ref<game::TiledTileset>>{},
                                          std::vector<Ref<game::TiledLayer>>{}, std::vector<Ref<game::RainRect>>{});
        floor = make<MapData>(nullptr, blank);
        link.floor = floor.get();
    }
    void TearDown() override {
        MonsterData::MONSTERS.clear();
        GameData::currentFloor = 0;
        game::FloorRandom::setSource({});
        KitFixture::TearDown();
    }

    // A monster on tile (x, y), placed as the floor places it.
    Ref<Monster> place(int x, int y, int id = -1, bool boss = false) {
        auto m = make<Monster>(floor->tiles[x][y].get(), id, boss);
        floor->tiles[x][y]->wall = false;
        floor->tiles[x][y]->tObj = m;
        floor->tileObjects.push_back(m);
        m->mapState = &link;
        return m;
    }
    // A definition of its own: a 40 x 30 attack cell whose ground point is (12, 26).
    Ref<MonsterData> synthetic(int id, bool flying) {
        auto d = make<MonsterData>("Bat", id);
        d->minFloor = 500;
        d->maxFloor = 501;
        d->frameWidth = 32;
        d->frameHeight = 32;
        d->idleAnim = make<Anim>(0, 0, 32, 32, 4);
        d->attackFrameWidth = 40;
        d->attackFrameHeight = 30;
        d->attackAnim = make<Anim>(40, 0, 40, 30, 3, false);
        d->attackIdleAnim = make<Anim>(0, 0, 40, 30, 1, false);
        d->groundPoint = make<framework::Point>(12, 26);
        d->shadowBMD = game::BMDCache::SHADOW_M;
        d->idleShadOffsetX = 1;
        d->idleShadOffsetY = 2;
        d->attackShadOffsetX = 5;
        d->flying = flying;
        MonsterData::MONSTERS.push_back(d);
        return d;
    }
    static bool showing(Monster& m, const Ref<framework::DisplayObject>& child) {
        return child->get_parent().get() == &m;
    }

    Ref<MapData> floor;
    RecordingLink link;
};

}  // namespace

TEST_F(MonsterTest, RandomMonstersComeFromTheFloorsRangeAndNeverAreItsBoss) {
    GameData::currentFloor = 25;
    std::set<int> kinds;
    for (int i = 0; i < 40; ++i) {
        const double r = i / 40.0;
        game::FloorRandom::setSource([r] { return r; });
        auto m = make<Monster>(floor->tiles[1][1].get());
        ASSERT_TRUE(m->data);
        EXPECT_NE(m->data->id, Monster::GIANT_SPIDER_ID);
        EXPECT_LE(m->data->minFloor, 25);
        EXPECT_GE(m->data->maxFloor, 25);
        EXPECT_FALSE(m->isBoss);
        EXPECT_EQ(m->hp, m->data->maxHP);
        kinds.insert(m->data->id);
    }
    EXPECT_GT(kinds.size(), 1u);
    // The draw picks by index in table order: the first and the last candidate.
    std::vector<int> candidates;
    for (const auto& d : MonsterData::MONSTERS)
        if (d->minFloor <= 25 && 25 <= d->maxFloor && d->minFloor != d->maxFloor) candidates.push_back(d->id);
    game::FloorRandom::setSource([] { return 0.0; });
    EXPECT_EQ(make<Monster>(floor->tiles[1][1].get())->data->id, candidates.front());
    game::FloorRandom::setSource([] { return 0.999999; });
    EXPECT_EQ(make<Monster>(floor->tiles[1][1].get())->data->id, candidates.back());

    // The boss placement makes the floor's boss.
    auto boss = make<Monster>(floor->tiles[2][2].get(), -1, true);
    EXPECT_EQ(boss->data->id, Monster::GIANT_SPIDER_ID);
    EXPECT_TRUE(boss->isBoss);
}

TEST_F(MonsterTest, ByIdTheDefinitionDecidesWhetherItIsABoss) {
    GameData::currentFloor = 3;
    struct Case {
        int id;
        bool bossFlag;
        bool isBoss;
    };
    const Case cases[] = {{Monster::YETI_ID, false, true},
                          {Monster::DEMON_ID, true, true},
                          {MonsterData::MONSTERS.front()->id, true, false}};
    for (const Case& c : cases) {
        auto m = make<Monster>(floor->tiles[1][1].get(), c.id, c.bossFlag);
        EXPECT_EQ(m->data->id, c.id);
        EXPECT_EQ(m->isBoss, c.isBoss) << c.id;
        EXPECT_EQ(m->hp, m->data->maxHP);
        EXPECT_EQ(m->objType, game::TileObject::TYPE_MONSTER);
        EXPECT_TRUE(m->walkable);
    }
}

TEST_F(MonsterTest, LayoutStandsOnTheTilesReferencePointAndFlyersHover) {
    synthetic(90001, false);
    synthetic(90002, true);
    auto walker = place(4, 6, 90001);
    auto flyer = place(5, 6, 90002);
    EXPECT_EQ(walker->get_x(), 4 * 32);
    EXPECT_EQ(walker->get_y(), 6 * 32);
    // Shadow (32 x 9) centred on (16, 21) plus its offsets, under the idle sprite.
    EXPECT_EQ(walker->shadow->get_x(), 16 - 16 + 1);
    EXPECT_EQ(walker->shadow->get_y(), 21 - 4.5 + 2);
    EXPECT_LT(walker->getChildIndex(walker->shadow), walker->getChildIndex(walker->animSprite));
    EXPECT_EQ(walker->animSprite->get_x(), 0);
    EXPECT_DOUBLE_EQ(walker->animSprite->get_y(), 21 - 32 + 32 * 0.06);
    EXPECT_EQ(walker->attackSpriteX, 16 - 12);
    EXPECT_EQ(walker->attackSpriteXFlipped, 16 - (40 - 12));
    EXPECT_EQ(walker->attackSprite->get_x(), 4);
    EXPECT_DOUBLE_EQ(walker->attackSprite->get_y(), 21 - 30 + 30 * 0.06);
    EXPECT_FALSE(showing(*walker, walker->attackSprite));
    EXPECT_DOUBLE_EQ(walker->groundPoint->x, 4 + 12);
    EXPECT_DOUBLE_EQ(walker->groundPoint->y, walker->attackSprite->get_y() + 26);
    EXPECT_DOUBLE_EQ(walker->idleOriginY, walker->animSprite->get_y());
    EXPECT_FALSE(walker->get_mouseEnabled());

    ASSERT_EQ(Monster::FLY_HEIGHT, 8);
    EXPECT_DOUBLE_EQ(flyer->animSprite->get_y(), walker->animSprite->get_y() - 8);
    EXPECT_DOUBLE_EQ(flyer->attackSprite->get_y(), walker->attackSprite->get_y() - 8);
    EXPECT_DOUBLE_EQ(flyer->attackOriginY, walker->attackOriginY - 8);
    walker->explode();
    flyer->explode();
    EXPECT_DOUBLE_EQ(flyer->explosion->get_y(), walker->explosion->get_y() - 8);
    EXPECT_DOUBLE_EQ(walker->explosion->get_x(), 12 - 16);
    EXPECT_DOUBLE_EQ(walker->explosion->get_y(), 30 * 0.2 - 16);
}

TEST_F(MonsterTest, BattlePoseSwapsSpritesMovesTheShadowAndMirrorsTheGroundPoint) {
    synthetic(90003, false);
    auto m = place(3, 3, 90003);
    const double shadowX = m->shadow->get_x();
    m->setToAttack();
    EXPECT_TRUE(m->inBattle);
    EXPECT_TRUE(showing(*m, m->attackSprite));
    EXPECT_FALSE(showing(*m, m->animSprite));
    EXPECT_EQ(m->shadow->get_x(), shadowX + 5);
    // In battle only the attack sprite animates.
    m->attackSprite->setNewAnim(m->data->attackAnim);
    const int idleFrame = m->animSprite->frame;
    for (int i = 0; i < 6; ++i) {
        ++G::frameCount;
        m->update();
    }
    EXPECT_GT(m->attackSprite->frame, 1);
    EXPECT_EQ(m->animSprite->frame, idleFrame);
    m->setToIdle();
    EXPECT_FALSE(m->inBattle);
    EXPECT_TRUE(showing(*m, m->animSprite));
    EXPECT_FALSE(showing(*m, m->attackSprite));
    EXPECT_EQ(m->shadow->get_x(), shadowX);

    // Facing a hero on the right: mirrored, the ground point moves to the other side of the cell.
    m->setAttackSpriteFlip(true);
    EXPECT_TRUE(m->attackSprite->flipped);
    EXPECT_EQ(m->attackSprite->get_x(), m->attackSpriteXFlipped);
    EXPECT_DOUBLE_EQ(m->groundPoint->x - m->attackSprite->get_x(), 28);
    EXPECT_DOUBLE_EQ(m->groundPoint->x, 16);
    m->setToAttack();
    EXPECT_EQ(m->shadow->get_x(), shadowX - 5);
    m->setToIdle();
    EXPECT_EQ(m->shadow->get_x(), shadowX);
    m->setAttackSpriteFlip(false);
    EXPECT_EQ(m->attackSprite->get_x(), m->attackSpriteX);
    EXPECT_DOUBLE_EQ(m->groundPoint->x - m->attackSprite->get_x(), 12);
}

TEST_F(MonsterTest, TheDeathFreesTheTileAtOnceAndRemovesTheMonsterAfterTheSplat) {
    GameData::currentFloor = 4;
    auto m = place(6, 7);
    auto keep = place(8, 7);
    auto holder = make<framework::Sprite>();
    holder->addChild(m);
    m->setToAttack();
    m->hp = 3;
    m->explode();
    EXPECT_TRUE(m->exploding);
    EXPECT_EQ(floor->tiles[6][7]->tObj, nullptr);
    EXPECT_TRUE(floor->tiles[6][7]->isPassable());
    EXPECT_FALSE(showing(*m, m->attackSprite));
    EXPECT_TRUE(showing(*m, m->explosion));
    EXPECT_EQ(m->explosion->anim, Monster::BLOOD_SPLAT_ANIM);
    EXPECT_EQ(link.sounds, std::vector<std::string>{"splat"});
    EXPECT_EQ(link.found, 1);

    // Nine cells of four frames: still on the floor until the last one has shown; then the floor's
    // list let go of the last reference.
    runtime::Weak<Monster> watch(m);
    m = nullptr;
    int frames = 0;
    while (watch && frames < 100) {
        ASSERT_EQ(floor->tileObjects.size(), 2u);
        ASSERT_EQ(holder->get_numChildren(), 1);
        ++G::frameCount;
        watch.get()->update();
        ++frames;
    }
    EXPECT_GE(frames, 36);
    EXPECT_LE(frames, 40);
    EXPECT_EQ(holder->get_numChildren(), 0);
    ASSERT_EQ(floor->tileObjects.size(), 1u);
    EXPECT_EQ(floor->tileObjects[0], keep);
}
