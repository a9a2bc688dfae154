// What sprites, sprite groups and tile maps append to a camera's draw batches, and the sprite's
// size, facing and colour rules; over sized fake surfaces (no pixels).
#include "tests/engine/EngineFixture.h"

#include "engine/EngSprite.h"
#include "engine/group/EngSpriteGroup.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/system/layer/TileSheetExt.h"
#include "engine/tile/EngTilemap.h"
#include "framework/display/BitmapData.h"

using engine::EngCamera;
using engine::EngG;
using engine::EngSprite;
using runtime::make;
using runtime::Ref;

namespace {
class EngSpriteDrawTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        sizedSurfaces();
        camera = soleCamera(320, 240);
        camera->clearDrawStack();
    }
    static Ref<EngSprite> spriteOf(const Ref<framework::BitmapData>& picture, double x = 0, double y = 0) {
        auto s = make<EngSprite>(x, y);
        s->loadGraphic(runtime::Value(picture));
        return s;
    }
    static std::vector<double> values(const Ref<engine::DrawStackItem>& item) {
        std::vector<double> out;
        for (int i = 0; i < item->position; ++i) out.push_back(item->drawData->at(i).toFloat());
        return out;
    }
    Ref<EngCamera> camera;
};
}  // namespace

TEST_F(EngSpriteDrawTest, BatchesFollowGraphicsInDrawingOrder) {
    auto a = make<framework::BitmapData>(16, 16), b = make<framework::BitmapData>(8, 8);
    auto s1 = spriteOf(a, 10, 10), s2 = spriteOf(b, 20, 20), s3 = spriteOf(a, 30, 30), s4 = spriteOf(a, 40, 40);
    s1->draw();
    s2->draw();
    s3->draw();
    s4->draw();
    std::vector<Ref<engine::DrawStackItem>> chain;
    for (auto item = camera->_headOfDrawStack; item; item = item->next) chain.push_back(item);
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_EQ(chain[0]->graphics, s1->cachedGraphics);
    EXPECT_EQ(chain[1]->graphics, s2->cachedGraphics);
    EXPECT_EQ(chain[2]->position, 16);  // two uncoloured tiles of 8 numbers
    // An unscaled, unturned sprite's tile centre lands on its frame centre.
    EXPECT_EQ(values(chain[0]), (std::vector<double>{18, 18, static_cast<double>(s1->frame->tileID), 1, 0, 0, 1, 1}));
    EXPECT_EQ(s1->cachedGraphics->useCount, 3);
}

TEST_F(EngSpriteDrawTest, AlphaColourAndFlipsInTheTileData) {
    auto picture = make<framework::BitmapData>(16, 16);
    auto hidden = spriteOf(picture);
    hidden->set_alpha(0);
    hidden->draw();
    EXPECT_FALSE(camera->_currentStackItem->initialized);

    camera->set_alpha(0.5);
    auto faded = spriteOf(picture);
    faded->set_alpha(0.5);
    faded->draw();
    EXPECT_EQ(values(camera->_currentStackItem).back(), 0.25);

    camera->clearDrawStack();
    camera->set_alpha(1);
    auto red = spriteOf(picture);
    red->set_color(static_cast<int>(0xFFFF0000));
    EXPECT_EQ(red->color, 0xFF0000);
    red->draw();
    auto item = camera->_currentStackItem;
    EXPECT_TRUE(item->colored);
    EXPECT_EQ(item->position, 11);
    EXPECT_EQ(values(item), (std::vector<double>{8, 8, static_cast<double>(red->frame->tileID), 1, 0, 0, 1, 1, 0, 0, 1}));

    camera->clearDrawStack();
    auto flipped = spriteOf(picture);
    flipped->origin->set(4, 4);
    flipped->set_flipX(true);
    flipped->draw();
    // The origin is mirrored (ox 12), so the mirrored tile stays centred on the frame.
    EXPECT_EQ(values(camera->_currentStackItem),
              (std::vector<double>{8, 8, static_cast<double>(flipped->frame->tileID), -1, 0, 0, 1, 1}));

    auto whiteArgb = spriteOf(picture);
    whiteArgb->set_color(static_cast<int>(0xFFFFFFFF));
    EXPECT_FALSE(whiteArgb->isColored);
    EXPECT_EQ(whiteArgb->set_alpha(1.5), 1);
}

TEST_F(EngSpriteDrawTest, SizesFacingAndStrips) {
    auto strip = spriteOf(make<framework::BitmapData>(64, 16));
    EXPECT_EQ(strip->frames, 1);
    strip->loadGraphic(runtime::Value(make<framework::BitmapData>(64, 16)), true);
    EXPECT_EQ(strip->frames, 4);
    EXPECT_EQ(strip->frameWidth, 16);
    EXPECT_EQ(strip->width, 16);
    auto wide = make<EngSprite>();
    wide->loadGraphic(runtime::Value(make<framework::BitmapData>(64, 16)), false, 100);
    EXPECT_EQ(wide->frameWidth, 100);

    auto flat = spriteOf(make<framework::BitmapData>(16, 8));
    flat->setGraphicSize(32, 0);
    EXPECT_EQ(flat->scale->x, 2);
    EXPECT_EQ(flat->scale->y, 2);
    flat->setFacingFlip(engine::EngObject::LEFT, true, false);
    flat->set_facing(engine::EngObject::UP);
    EXPECT_FALSE(flat->flipX);
    flat->set_facing(engine::EngObject::LEFT);
    EXPECT_TRUE(flat->flipX);

    // The same picture made twice shares one entry; unique gets the next free key.
    auto m1 = make<EngSprite>(), m2 = make<EngSprite>(), m3 = make<EngSprite>();
    m1->makeGraphic(16, 16);
    m2->makeGraphic(16, 16);
    m3->makeGraphic(16, 16, static_cast<int>(0xFFFFFFFF), true);
    EXPECT_EQ(m1->cachedGraphics, m2->cachedGraphics);
    EXPECT_EQ(m3->cachedGraphics->key, runtime::String("16x16:-10"));
    // Letting go of the last use takes the entry out of the cache.
    runtime::String key = m3->cachedGraphics->key;
    m3->destroy();
    EXPECT_FALSE(EngG::bitmap->checkCache(key));
}

TEST_F(EngSpriteDrawTest, RotatedGraphicBakesAGrid) {
    auto picture = make<framework::BitmapData>(20, 10);
    EngG::bitmap->add(runtime::Value(picture), false, "arrow");
    auto s = make<EngSprite>();
    EXPECT_EQ(s->loadRotatedGraphic(runtime::Value(make<framework::BitmapData>(4, 4))), nullptr);  // no key
    ASSERT_TRUE(s->loadRotatedGraphic(runtime::Value(picture), 16, -1, false, false, "arrow"));
    EXPECT_EQ(s->cachedGraphics->bitmap->get_width(), 83);
    EXPECT_EQ(s->frames, 16);
    EXPECT_EQ(s->bakedRotationAngle, 22.5);
    EXPECT_EQ(s->frameWidth, 20);
    EXPECT_EQ(s->width, 20);
    auto big = make<EngSprite>();
    big->loadRotatedGraphic(runtime::Value(picture), 16, -1, false, true, "arrow");
    EXPECT_EQ(big->frameWidth, 30);
    EXPECT_EQ(big->width, 20);
    EXPECT_EQ(big->height, 10);
    EXPECT_EQ(big->offset->x, 5);
    EXPECT_EQ(big->offset->y, 10);
    // The angle picks the frame.
    s->set_angle(90);
    s->update();
    EXPECT_EQ(s->animation->frameIndex, 4);
}

TEST_F(EngSpriteDrawTest, GroupsPassChangesOn) {
    auto group = make<engine::EngSpriteGroup>(10, 20);
    auto member = spriteOf(make<framework::BitmapData>(10, 10), 1, 2);
    group->add(member);
    EXPECT_EQ(member->x, 11);
    EXPECT_EQ(member->y, 22);
    group->set_x(15);
    EXPECT_EQ(member->x, 16);
    group->setPosition(0, 0);
    EXPECT_EQ(member->x, 1);
    EXPECT_EQ(member->y, 2);
    group->set_alpha(0.5);
    EXPECT_EQ(member->alpha, 0.5);
    group->set_alpha(0);
    group->set_alpha(1);
    EXPECT_EQ(member->alpha, 0);
    group->scale->set_x(3);
    EXPECT_EQ(member->scale->x, 3);
    EXPECT_EQ(member->scale->y, 1);
    auto second = spriteOf(make<framework::BitmapData>(5, 5), 30, 0);
    group->add(second);
    EXPECT_EQ(group->get_width(), 34);  // from the member at 1 to the end of the one at 30
    group->kill();
    group->revive();
    EXPECT_FALSE(member->alive);
    EXPECT_FALSE(member->exists);
    group->reset(5, 5);
    EXPECT_EQ(member->x, 5);
    EXPECT_EQ(second->y, 5);

    // The iterator walks the group's own list.
    auto plain = make<engine::EngGroup>();
    plain->add(member);
    auto it = plain->iterator();
    plain->members[0] = nullptr;
    EXPECT_FALSE(it->hasNext());
}

TEST_F(EngSpriteDrawTest, TileMapDrawsTheCoveredBlock) {
    auto tiles = make<framework::BitmapData>(32, 16);
    std::string wideRow, narrowRow;
    for (int c = 0; c < 40; ++c) wideRow += (c ? ",1" : "1");
    for (int c = 0; c < 10; ++c) narrowRow += (c ? ",1" : "0");
    auto wide = make<engine::EngTilemap>();
    wide->loadMap(runtime::Value(runtime::String(wideRow)), runtime::Value(tiles), 16, 16);
    wide->draw();
    ASSERT_EQ(wide->_buffers.size(), 1u);
    EXPECT_EQ(wide->_buffers[0]->columns, 21);
    EXPECT_EQ(camera->_currentStackItem->position, 21 * 8);

    camera->clearDrawStack();
    auto narrow = make<engine::EngTilemap>();
    narrow->loadMap(runtime::Value(runtime::String(narrowRow)), runtime::Value(tiles), 16, 16);
    narrow->set_x(0.6);
    narrow->draw();
    EXPECT_EQ(narrow->_buffers[0]->columns, 10);
    auto data = values(camera->_currentStackItem);
    ASSERT_EQ(data.size(), 9u * 8);  // cell 0 holds index 0, below the draw index
    EXPECT_EQ(data[0], 16);          // column 1 at 16.6, floored
    EXPECT_EQ(data[3], 1.01);

    // Scrolled right by 100: the block starts at column 6.
    camera->clearDrawStack();
    camera->scroll->set(100, 0);
    wide->draw();
    EXPECT_EQ(wide->_buffers[0]->x, 96);
    EXPECT_EQ(values(camera->_currentStackItem)[0], -4);
}

// The loaders answer the sprite itself, also when called by name.
TEST_F(EngSpriteDrawTest, LoadersAreCallableByName) {
    auto s = make<EngSprite>();
    runtime::Value made = runtime::call(runtime::Ref<runtime::Function>(s->getField("makeGraphic").function()), 8, 4,
                                        static_cast<int>(0xFF00FF00));
    EXPECT_EQ(made.object(), s.get());
    EXPECT_EQ(s->frameWidth, 8);
    EXPECT_EQ(s->frameHeight, 4);
    runtime::Value loaded = runtime::call(runtime::Ref<runtime::Function>(s->getField("loadGraphic").function()),
                                          runtime::Value(make<framework::BitmapData>(64, 16)), true);
    EXPECT_EQ(loaded.object(), s.get());
    EXPECT_EQ(s->frames, 4);
}
