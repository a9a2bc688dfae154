// Engine sprites over the real back end: frame pictures (rotated atlas frames, mirrored copies),
// the default picture, pixel collision and the bitmap pool, tile blocks, stamping and colour
// replacement, and the rendered scene of 2,000 animated sprites over a tile map, written as a PNG
// ("engine-renders/sprite-scene.png" beside the program).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "engine/EngSprite.h"
#include "engine/group/EngGroup.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/system/layer/TileSheetExt.h"
#include "engine/tile/EngTileblock.h"
#include "engine/util/EngBitmapDataPool.h"
#include "engine/util/EngCollision.h"
#include "engine/util/EngSpriteUtil.h"
#include "engine/util/loaders/TextureAtlasFrame.h"
#include "tests/support/SpriteScene.h"

using engine::EngG;
using engine::EngSprite;
using framework::BitmapData;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class EngSpritePixelsNative : public ::testing::Test {
protected:
    void SetUp() override {
        EngG::staticInit();
        EngG::width = 320;
        EngG::height = 240;
        camera = make<engine::EngCamera>(0, 0, 320, 240, 1);
        EngG::cameras->list = {camera};
        EngG::camera = camera;
    }
    void TearDown() override {
        EngG::cameras->list.clear();
        EngG::camera = nullptr;
        engine::EngBitmapDataPool::clear();
    }
    static Ref<EngSprite> opaqueSquare(double x, double y, int size = 16) {
        auto s = make<EngSprite>(x, y);
        s->makeGraphic(size, size, static_cast<int>(0xFFFFFFFF), true);
        return s;
    }
    Ref<engine::EngCamera> camera;
};

uint32_t pixel(const Ref<BitmapData>& b, int x, int y) { return static_cast<uint32_t>(b->getPixel32(x, y)); }
}  // namespace

TEST_F(EngSpritePixelsNative, FramePicturesRotatedAndMirrored) {
    // A 20 x 30 atlas rectangle holding a picture stored turned; its top-right pixel is red and
    // its top-left one blue.
    auto atlas = make<BitmapData>(64, 64, true, 0);
    atlas->fillRect(make<Rectangle>(10, 20, 20, 30), static_cast<int>(0xFF808080));
    atlas->setPixel32(29, 20, static_cast<int>(0xFFFF0000));
    atlas->setPixel32(10, 20, static_cast<int>(0xFF0000FF));
    auto data = make<engine::TileSheetData>(atlas);
    auto entry = make<engine::TextureAtlasFrame>();
    entry->name = "turned";
    entry->rotated = true;
    entry->frame = make<Rectangle>(10, 20, 20, 30);
    entry->sourceSize = engine::EngPoint::get(30, 20);
    entry->offset = engine::EngPoint::get(0, 0);
    auto frame = data->addTexturePackerFrame(entry);
    Ref<BitmapData> upright = frame->getBitmap();
    ASSERT_EQ(upright->get_width(), 30);
    ASSERT_EQ(upright->get_height(), 20);
    EXPECT_EQ(pixel(upright, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(upright, 0, 19), 0xFF0000FFu);
    EXPECT_EQ(frame->getBitmap(), upright);

    auto small = make<BitmapData>(4, 2, true, 0);
    small->setPixel32(0, 0, static_cast<int>(0xFF00FF00));
    auto owner = make<engine::TileSheetData>(small);  // frames read their owner's bitmap
    auto grid = owner->getSpriteSheetFrames(make<engine::Region>(0, 0, 4, 2, 0, 0, 4, 2));
    auto f = grid->frames[0];
    EXPECT_EQ(pixel(f->getHReversedBitmap(), 3, 0), 0xFF00FF00u);
    EXPECT_EQ(pixel(f->getHVReversedBitmap(), 3, 1), 0xFF00FF00u);
    Ref<BitmapData> before = f->getHReversedBitmap();
    f->destroyBitmapDatas();
    EXPECT_NE(f->getHReversedBitmap(), before);
}

TEST_F(EngSpritePixelsNative, SpriteWithoutGraphicShowsTheDefaultPicture) {
    auto s = make<EngSprite>(10, 10);
    s->draw();
    ASSERT_TRUE(s->cachedGraphics);
    EXPECT_EQ(s->cachedGraphics->bitmap->get_width(), 16);
    EXPECT_EQ(s->cachedGraphics->key, runtime::String("engine.GraphicDefault"));
    EXPECT_EQ(camera->_currentStackItem->position, 8);
    Ref<BitmapData> pixels = s->getEngFrameBitmapData();
    EXPECT_EQ(pixels->get_width(), 16);
}

TEST_F(EngSpritePixelsNative, PixelPerfectOverlap) {
    auto a = opaqueSquare(0, 0), b = opaqueSquare(16, 0);
    EXPECT_FALSE(EngG::pixelPerfectOverlap(a.get(), b.get()));  // edge to edge
    b->set_x(15);
    EXPECT_TRUE(EngG::pixelPerfectOverlap(a.get(), b.get()));  // one column of opaque pixels
    b->set_alpha(0.5);
    EXPECT_FALSE(EngG::pixelPerfectOverlap(a.get(), b.get()));  // its frame's alpha is halved
    EXPECT_TRUE(engine::EngCollision::pixelPerfectCheck(a.get(), b.get(), 100));

    // Turned: both frames go through pooled scratch bitmaps, which come back.
    b->set_alpha(1);
    b->set_angle(45);
    int pooled = engine::EngBitmapDataPool::length;
    EXPECT_TRUE(EngG::pixelPerfectOverlap(a.get(), b.get()));
    EXPECT_EQ(engine::EngBitmapDataPool::length, std::min(pooled + 2, engine::EngBitmapDataPool::maxLength));

    // A transparent pixel of a sprite does not count.
    auto hole = opaqueSquare(40, 40);
    hole->get_pixels()->setPixel32(3, 3, 0);
    hole->resetFrameBitmapDatas();
    hole->dirty = true;
    EXPECT_FALSE(engine::EngCollision::pixelPerfectPointCheck(43, 43, hole.get()));
    EXPECT_TRUE(engine::EngCollision::pixelPerfectPointCheck(44, 43, hole.get()));
    EXPECT_FALSE(engine::EngCollision::pixelPerfectPointCheck(80, 80, hole.get()));
    EXPECT_TRUE(hole->pixelsOverlapPoint(engine::EngPoint::get(44, 43)));
}

TEST_F(EngSpritePixelsNative, CameraWallsAndTileBlocks) {
    auto walls = engine::EngCollision::createCameraWall(make<engine::EngCamera>(0, 0, 640, 480, 1).get(),
                                                        engine::EngCollision::CAMERA_WALL_OUTSIDE, 10);
    ASSERT_EQ(walls->length, 4);
    auto left = static_cast<engine::EngTileblock*>(walls->members[0].get());
    auto bottom = static_cast<engine::EngTileblock*>(walls->members[3].get());
    EXPECT_EQ(std::vector<double>({left->x, left->y, left->width, left->height}), std::vector<double>({-10, 10, 10, 460}));
    EXPECT_EQ(std::vector<double>({bottom->x, bottom->y, bottom->width}), std::vector<double>({-10, 480, 660}));
    EXPECT_EQ(engine::EngCollision::createCameraWall(camera.get(), 2, 10)->length, 0);

    auto tiles = make<BitmapData>(32, 16, true, static_cast<int>(0xFFFF0000));
    auto block = make<engine::EngTileblock>(0, 0, 100, 50);
    block->loadTiles(Value(tiles), 16, 16);
    EXPECT_EQ(block->get_pixels()->get_width(), 112);
    EXPECT_EQ(block->get_pixels()->get_height(), 64);
    EXPECT_EQ(pixel(block->get_pixels(), 100, 60), 0xFFFF0000u);  // no empties: every position filled
    EXPECT_EQ(block->loadTiles(Value()), block.get());
}

TEST_F(EngSpritePixelsNative, StampReplaceColourAndFill) {
    auto canvas = make<EngSprite>();
    canvas->makeGraphic(32, 32, 0, true);
    auto brush = opaqueSquare(0, 0, 4);
    brush->set_color(0x00FF00);
    canvas->stamp(brush, 10, 10);
    EXPECT_EQ(pixel(canvas->get_pixels(), 11, 11), 0xFF00FF00u);
    EXPECT_EQ(pixel(canvas->get_pixels(), 9, 9), 0u);
    auto found = canvas->replaceColor(static_cast<int>(0xFF00FF00), static_cast<int>(0xFF0000FF), true);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), 16u);
    EXPECT_EQ(pixel(canvas->get_pixels(), 13, 13), 0xFF0000FFu);
    engine::EngSpriteUtil::drawRect(canvas.get(), 0, 0, 4, 4, static_cast<int>(0xFFFFFF00));
    EXPECT_EQ(pixel(canvas->get_pixels(), 1, 1), 0xFFFFFF00u);
    engine::EngSpriteUtil::fill(canvas.get(), static_cast<int>(0xFF102030));
    EXPECT_EQ(pixel(canvas->getEngFrameBitmapData(), 31, 31), 0xFF102030u);
}

TEST(EngSpriteSceneNative, TwoThousandAnimatedSpritesOverATileMap) {
    scene::Scene s(2000);
    for (int i = 0; i < 30; ++i) s.update(1.0 / 60);
    engine::TileSheetExt::_DRAWCALLS = 0;
    s.draw();
    // One batch for the map, one for the sprites: 61 x 35 cells and 2,000 tiles.
    EXPECT_EQ(engine::TileSheetExt::_DRAWCALLS, 2);
    EXPECT_EQ(s.camera->_headOfDrawStack->position, 61 * 35 * 8);
    EXPECT_EQ(s.camera->_headOfDrawStack->next->position, 2000 * 8);

    std::filesystem::create_directories("engine-renders");
    Ref<runtime::Bytes> png = s.frame->encode(Value(BitmapData::PNG));
    ASSERT_TRUE(png);
    std::vector<uint8_t> bytes = png->data();
    std::ofstream("engine-renders/sprite-scene.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

    // The picture holds the ground, the pond and sprites of every frame colour.
    std::map<uint32_t, int> counts;
    for (int y = 0; y < scene::HEIGHT; y += 2)
        for (int x = 0; x < scene::WIDTH; x += 2) ++counts[pixel(s.frame, x, y)];
    for (uint32_t colour : {0xFF2E6B2Eu, 0xFF285A9Au, 0xFFE04040u, 0xFF40C040u, 0xFF4070E0u, 0xFFE0C030u})
        EXPECT_GT(counts[colour], 100) << std::hex << colour;
}

// A camera at zoom 2 shows a made graphic and its flash at twice their size. The zoom is the
// flash sprite's (the camera's display object's) own scale, which a draw into a bitmap leaves
// out for the object drawn, so the bitmap draws what holds it, as the stage does.
TEST_F(EngSpritePixelsNative, ZoomedCameraDrawsMadeGraphicsAndFlashAtFullSize) {
    auto zoomed = make<engine::EngCamera>(0, 0, 100, 60, 2);
    auto holder = make<framework::Sprite>();
    holder->addChild(zoomed->flashSprite);
    EngG::cameras->list = {zoomed};
    EngG::camera = zoomed;
    auto square = make<EngSprite>(5, 5);
    square->makeGraphic(10, 10, static_cast<int>(0xFFFF0000), true);
    auto shot = [&](bool flash) {
        if (flash) zoomed->flash(static_cast<int>(0xFF0000FF), 1, nullptr, true);
        EngG::cameras->lock();
        square->draw();
        EngG::cameras->render();
        EngG::cameras->unlock();
        auto frame = make<BitmapData>(200, 120, false, static_cast<int>(0xFF000000));
        frame->draw(holder);
        return frame;
    };
    auto frame = shot(false);
    EXPECT_EQ(pixel(frame, 10, 10), 0xFFFF0000u);
    EXPECT_EQ(pixel(frame, 29, 29), 0xFFFF0000u);
    EXPECT_EQ(pixel(frame, 30, 30), 0xFF000000u);
    EXPECT_EQ(pixel(frame, 9, 9), 0xFF000000u);
    frame = shot(true);
    for (auto [x, y] : {std::pair{0, 0}, {199, 119}, {150, 100}, {60, 20}})
        EXPECT_EQ(pixel(frame, x, y) & 0xFF, 0xFFu) << x << "," << y;
}
