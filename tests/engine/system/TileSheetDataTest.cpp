// Regions, tile keys and ids, sprite-sheet grids and their frames, and the move onto a reloaded
// bitmap; over sized fake surfaces.
#include "tests/engine/EngineFixture.h"

#include "engine/system/layer/TileSheetData.h"
#include "engine/util/loaders/TextureAtlasFrame.h"
#include "engine/util/loaders/TexturePackerData.h"
#include "framework/assets/AssetLibrary.h"
#include "framework/assets/Assets.h"
#include "platform/runtime/Thrown.h"

using engine::Region;
using engine::TileSheetData;
using framework::Point;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {
class TileSheetDataTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        sizedSurfaces();
    }
};
}  // namespace

TEST_F(TileSheetDataTest, RegionCounts) {
    EXPECT_EQ(Region(0, 0, 0, 0, 0, 0, 64, 32).get_numTiles(), 1);
    EXPECT_EQ(Region(0, 0, 16, 16, 2, 0, 64, 32).get_numCols(), 3);
    EXPECT_EQ(Region(0, 0, 16, 16, 0, 0, 64, 32).get_numCols(), 4);
    EXPECT_EQ(Region(0, 0, 16, 16, 0, 0, 64, 32).get_numTiles(), 8);
}

TEST_F(TileSheetDataTest, GridFramesKeysAndSharedTiles) {
    auto data = make<TileSheetData>(make<framework::BitmapData>(64, 32));
    auto grid = data->getSpriteSheetFrames(make<Region>(0, 0, 16, 16, 0, 0, 64, 32));
    ASSERT_EQ(grid->frames.size(), 8u);
    EXPECT_EQ(grid->name, runtime::String("16_16_0_0_64_32_0_0_8_8"));
    const auto& f4 = grid->frames[4];
    EXPECT_EQ(std::vector<double>({f4->frame->x, f4->frame->y, f4->frame->width, f4->frame->height}),
              std::vector<double>({0, 16, 16, 16}));
    EXPECT_EQ(f4->center->x, 8);
    EXPECT_EQ(f4->tileID, 4);
    EXPECT_EQ(data->getSpriteSheetFrames(make<Region>(0, 0, 16, 16, 0, 0, 64, 32)), grid);

    // Another origin: new frames, new tile ids.
    auto shifted = data->getSpriteSheetFrames(make<Region>(0, 0, 16, 16, 0, 0, 64, 32), make<Point>(0, 0));
    EXPECT_NE(shifted->frames[0], grid->frames[0]);
    EXPECT_EQ(shifted->frames[0]->tileID, 8);
    // A grid sharing a rectangle and centre shares the frame.
    auto half = data->getSpriteSheetFrames(make<Region>(0, 0, 16, 16, 0, 0, 32, 16));
    EXPECT_EQ(half->frames[1], grid->frames[1]);

    auto sheet = data->tileSheet;
    EXPECT_EQ(sheet->getKey(make<Rectangle>(0, 0, 16, 16), nullptr), "0_0_16_16_");
    EXPECT_EQ(sheet->getKey(make<Rectangle>(0, 0, 16, 16), make<Point>(8, 8)), "0_0_16_16_8_8");
    EXPECT_EQ(sheet->addTileRectID(make<Rectangle>(16, 0, 16, 16), make<Point>(8, 8)), 1);

    // Moved onto a reloaded bitmap: a new sheet with the same ids.
    int tiles = sheet->numTiles;
    data->onContext(make<framework::BitmapData>(64, 32));
    EXPECT_NE(data->tileSheet, sheet);
    EXPECT_EQ(data->tileSheet->numTiles, tiles);
    EXPECT_EQ(sheet->tileIDs, nullptr);
    EXPECT_EQ(data->tileSheet->addTileRectID(make<Rectangle>(16, 0, 16, 16), make<Point>(8, 8)), 1);
}

TEST_F(TileSheetDataTest, RotatedAtlasEntryFrame) {
    auto data = make<TileSheetData>(make<framework::BitmapData>(128, 128));
    auto entry = make<engine::TextureAtlasFrame>();
    entry->name = "turned";
    entry->rotated = true;
    entry->frame = make<Rectangle>(10, 20, 20, 30);
    entry->sourceSize = engine::EngPoint::get(30, 20);
    entry->offset = engine::EngPoint::get(2, 3);
    entry->additionalAngle = -90;
    auto frame = data->addTexturePackerFrame(entry);
    EXPECT_EQ(frame->type, engine::FrameType::ROTATED);
    EXPECT_EQ(frame->center->x, 17);
    EXPECT_EQ(frame->center->y, 13);
    const auto& sheet = *data->tileSheet;
    Ref<Point> tileCentre = sheet.tileIDs->at(sheet.tileOrder->at(static_cast<std::size_t>(frame->tileID)))->point;
    EXPECT_EQ(tileCentre->x, 10);
    EXPECT_EQ(tileCentre->y, 15);
    EXPECT_EQ(data->addTexturePackerFrame(entry), frame);
}

namespace {
// A library under "atlas" holding one description text and one 128 x 128 picture.
class AtlasLibrary : public framework::AssetLibrary {
public:
    std::string text;
    bool exists(const runtime::String& id, std::optional<framework::AssetType>) override {
        return id.str() == "atlas.json" || id.str() == "atlas.png";
    }
    runtime::String getText(const runtime::String&) override { return runtime::String(text); }
    Ref<framework::BitmapData> getBitmapData(const runtime::String&) override {
        return make<framework::BitmapData>(128, 128);
    }
};
}  // namespace

TEST_F(TileSheetDataTest, AtlasDescriptionEntries) {
    auto library = make<AtlasLibrary>();
    library->text = R"({"frames": [
        {"filename": "walk10.png", "rotated": true, "trimmed": true, "frame": {"x": 10, "y": 20, "w": 30, "h": 40},
         "sourceSize": {"w": 30, "h": 40}, "spriteSourceSize": {"y": 2}},
        {"frame": {"x": 0, "y": 0, "w": 8, "h": 8}, "sourceSize": {"w": 8, "h": 8}, "spriteSourceSize": {"x": 0, "y": 0}}
      ], "meta": {"app": "x"}})";
    framework::Assets::registerLibrary("atlas", library);
    auto atlas = make<engine::TexturePackerData>("atlas:atlas.json", "atlas:atlas.png");
    ASSERT_EQ(atlas->frames.size(), 2u);
    const auto& turned = atlas->frames[0];
    EXPECT_EQ(turned->name, runtime::String("walk10.png"));
    EXPECT_TRUE(turned->rotated);
    EXPECT_TRUE(turned->trimmed);
    EXPECT_EQ(std::vector<double>({turned->frame->x, turned->frame->y, turned->frame->width, turned->frame->height}),
              std::vector<double>({10, 20, 40, 30}));
    EXPECT_EQ(turned->additionalAngle, -90);
    EXPECT_EQ(turned->offset->x, 0);
    EXPECT_EQ(turned->offset->y, 2);
    EXPECT_TRUE(atlas->frames[1]->name.isNull());
    EXPECT_FALSE(atlas->frames[1]->trimmed);
    ASSERT_TRUE(atlas->asset);

    // A description that is not JSON, or lacks an entry's objects, fails naming the description.
    library->text = "{not json";
    EXPECT_THROW(make<engine::TexturePackerData>("atlas:atlas.json", "atlas:atlas.png"), runtime::Thrown);
    library->text = R"({"frames": [{"frame": {"x": 0}}]})";
    try {
        make<engine::TexturePackerData>("atlas:atlas.json", "atlas:atlas.png");
        ADD_FAILURE() << "no error";
    } catch (const runtime::Thrown& e) {
        EXPECT_NE(e.value().toText().find("atlas:atlas.json"), std::string::npos);
    }
}
