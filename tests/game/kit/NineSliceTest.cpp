// Nine-slice frames composed and assembled from the generated skins, the shared caches, the
// framed window and the palette.
#include "KitFixture.h"
#include "framework/assets/Assets.h"
#include "framework/display/Bitmap.h"
#include "framework/events/MouseEvent.h"
#include "game/kit/BasicWindow.h"
#include "game/shell/C.h"

using framework::Bitmap;
using framework::BitmapData;
using framework::Point;
using game::BasicWindow;
using game::Scale9BitmapSprite;
using game::UIColor;
using runtime::make;
using runtime::Ref;

namespace {
Ref<BitmapData> border() { return framework::Assets::getBitmapData("assets/ui/windowBorder.png"); }
uint32_t px(const Ref<BitmapData>& b, int x, int y) { return static_cast<uint32_t>(b->getPixel32(x, y)); }
Ref<BitmapData> composed(const Ref<framework::Sprite>& s) {
    return s->getChildAt(0).cast<Bitmap>()->get_bitmapData();
}
// Each child bitmap of an assembled frame as "x,y,width,height" of what it covers.
std::vector<std::string> pieces(const Ref<framework::Sprite>& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s->get_numChildren(); ++i) {
        auto b = s->getChildAt(i).cast<Bitmap>();
        auto data = b->get_bitmapData();
        out.push_back(std::to_string(static_cast<int>(b->get_x())) + "," + std::to_string(static_cast<int>(b->get_y())) +
                      "," + std::to_string(static_cast<int>(data->get_width() * b->get_scaleX())) + "," +
                      std::to_string(static_cast<int>(data->get_height() * b->get_scaleY())));
    }
    return out;
}
}  // namespace

using NineSliceTest = KitFixture;

TEST_F(NineSliceTest, TheWindowSkinsCarryOutlineRimOrnamentsAndTheirMiddles) {
    auto skin = border();
    ASSERT_EQ(skin->get_width(), 26);
    ASSERT_EQ(skin->get_height(), 13);
    for (int x : {0, 13}) {
        EXPECT_EQ(px(skin, x + 6, 0), 0xFF000000u) << "outline";
        EXPECT_EQ(px(skin, x + 6, 1), 0xFFA7A7A7u) << "rim";
        EXPECT_EQ(px(skin, x + 6, 2), 0xFFA7A7A7u) << "rim";
        EXPECT_EQ(px(skin, x + 1, 6), 0xFFA7A7A7u) << "rim";
        EXPECT_EQ(px(skin, x + 4, 4), 0xFF525252u) << "ornament";
        EXPECT_EQ(px(skin, x + 8, 8), 0xFF525252u) << "ornament";
        EXPECT_EQ(px(skin, x, 0) >> 24, 0u) << "rounded corner";
    }
    EXPECT_EQ(px(skin, 6, 6), 0xFF000000u);
    EXPECT_EQ(px(skin, 19, 6), 0xCD000000u);
}

TEST_F(NineSliceTest, ComposedFramesFillTheMiddleWithTheSkinsCentreAndAreShared) {
    auto skin = border();
    auto translucent = Scale9BitmapSprite::createSprite(skin, 10, 10, Scale9BitmapSprite::NO_SIDES, 6,
                                                        make<Point>(13, 0), true);
    auto opaque = Scale9BitmapSprite::createSprite(skin, 10, 10, Scale9BitmapSprite::NO_SIDES, 6, game::C::POINT_0, true);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(px(composed(translucent), x, y), 0xCD000000u) << x << "," << y;
            ASSERT_EQ(px(composed(opaque), x, y), 0xFF000000u) << x << "," << y;
        }

    // All sides at 24 x 24: corners and rims where the skin has them, a 12 x 12 middle.
    auto frame = composed(Scale9BitmapSprite::createSprite(skin, 24, 24, 0, 6, make<Point>(13, 0), true));
    EXPECT_EQ(px(frame, 12, 0), 0xFF000000u);
    EXPECT_EQ(px(frame, 12, 1), 0xFFA7A7A7u);
    EXPECT_EQ(px(frame, 22, 12), 0xFFA7A7A7u);
    EXPECT_EQ(px(frame, 19, 19), 0xFF525252u);
    EXPECT_EQ(px(frame, 12, 12), 0xCD000000u);
    EXPECT_EQ(px(frame, 6, 17), 0xCD000000u);

    auto again = Scale9BitmapSprite::createSprite(skin, 10, 10, Scale9BitmapSprite::NO_SIDES, 6, make<Point>(13, 0), true);
    EXPECT_EQ(composed(again).get(), composed(translucent).get());
    EXPECT_EQ(Scale9BitmapSprite::BUTTON_BMD_CACHE.size(), 3u);
    EXPECT_EQ(Scale9BitmapSprite::BUTTON_BMD_CACHE.count("0,10,10,13,6,13,0"), 1u);
    EXPECT_EQ(Scale9BitmapSprite::MAP_IDS.size(), 1u);

    // Exactly twice the corner: no middle and no top or bottom edge pixels.
    auto tight = composed(Scale9BitmapSprite::createSprite(skin, 12, 12, 0, 6, make<Point>(13, 0), true));
    EXPECT_EQ(px(tight, 5, 0), px(skin, 18, 0));
    EXPECT_EQ(px(tight, 6, 0), px(skin, 20, 0));
}

TEST_F(NineSliceTest, AssembledFramesStretchTheirCachedPieces) {
    auto skin = border();
    auto p = make<Point>(13, 0);
    struct Case {
        int sides, width, height;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {Scale9BitmapSprite::NO_SIDES, 10, 10, {"0,0,10,10"}},
        {Scale9BitmapSprite::LEFT_SIDE, 20, 10, {"0,0,6,11", "6,0,14,10"}},
        {Scale9BitmapSprite::TOP_LEFT_CORNER, 20, 10, {"0,0,6,6", "6,0,15,6", "0,6,6,5", "6,6,14,4"}},
        {Scale9BitmapSprite::ALL_SIDES, 20, 20,
         {"0,0,6,6", "0,14,6,6", "14,0,6,6", "14,14,6,6", "6,0,9,6", "6,14,9,6", "0,6,6,9", "14,6,6,9", "6,6,8,8"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pieces(Scale9BitmapSprite::createSprite(skin, c.width, c.height, c.sides, 6, p)), c.pieces) << c.sides;
    EXPECT_EQ(Scale9BitmapSprite::mapPiecesCache.size(), 1u);
    Scale9BitmapSprite::createSprite(skin, 20, 20, 0, 6, game::C::POINT_0);
    EXPECT_EQ(Scale9BitmapSprite::mapPiecesCache.size(), 2u);
    EXPECT_EQ(Scale9BitmapSprite::MAP_IDS.size(), 1u);
    auto middle = Scale9BitmapSprite::mapPiecesCache.at("0,13,0")[Scale9BitmapSprite::PIECE_MIDDLE];
    EXPECT_EQ(px(middle, 0, 0), 0xCD000000u);
}

TEST_F(NineSliceTest, AWindowDrawsItsFrameBehindItsLayersAndContent) {
    auto plain = make<BasicWindow>(100, 50);
    ASSERT_EQ(plain->get_numChildren(), 1);
    EXPECT_EQ(plain->getChildAt(0).get(), plain->sprite.get());
    EXPECT_EQ(plain->topLeftPoint->x, 13);
    EXPECT_EQ(plain->sides, 0);
    EXPECT_EQ(plain->cornerSize, 6);

    auto small = make<BasicWindow>(24, 24);
    EXPECT_EQ(pieces(small->sprite).back(), "6,6,12,12");

    auto selectable = make<BasicWindow>(40, 30, true, 0, true, true);
    ASSERT_EQ(selectable->get_numChildren(), 4);  // frame, tint, hover, selection
    EXPECT_EQ(selectable->topLeftPoint->x, 0);
    EXPECT_NEAR(selectable->getChildAt(1)->get_alpha(), 0.3, 1e-9);
    auto content = make<framework::Sprite>();
    selectable->addChild(content);
    selectable->drawWindow(80, 60);
    EXPECT_EQ(selectable->getChildAt(0).get(), selectable->sprite.get());
    EXPECT_EQ(selectable->getChildAt(4).get(), content.get());
    EXPECT_EQ(selectable->hoverLayer->get_scaleX(), 20) << "the layers keep their size";
    EXPECT_EQ(selectable->winWidth, 80);

    selectable->disable();
    EXPECT_NEAR(selectable->get_alpha(), 0.5, 1e-9);
    selectable->dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    EXPECT_TRUE(selectable->hoverLayer->get_visible()) << "also while disabled";
    selectable->dispatchEvent(make<framework::MouseEvent>("mouseOut"));
    EXPECT_FALSE(selectable->hoverLayer->get_visible());
    selectable->selectWindow();
    EXPECT_TRUE(selectable->selectedLayer->get_visible());
    selectable->deselectWindow();
    EXPECT_FALSE(selectable->selectedLayer->get_visible());
    selectable->enable();
    EXPECT_EQ(selectable->get_alpha(), 1);

    game::Game::mobile = true;
    auto touch = make<BasicWindow>(40, 30, false, 0, true);
    EXPECT_TRUE(touch->hoverLayer);
    EXPECT_FALSE(touch->hasEventListener("mouseOver"));
}

TEST_F(NineSliceTest, ThePaletteBuildsItsBacksAndFadesTheStrips) {
    auto& palette = *UIColor::DARK_PURPLE_GRAY;
    EXPECT_EQ(static_cast<uint32_t>(palette.tab), 0xDD060509u);
    EXPECT_EQ(px(palette.itemBackNormal, 10, 10), 0xDD060509u);
    EXPECT_EQ(palette.itemBackNormal->get_width(), 46);
    EXPECT_EQ(px(palette.itemBackNormalSelected, 0, 45), 0xDD666569u);
    EXPECT_EQ(px(palette.itemBackArtifactSelected, 3, 3), 0xDDA6790Eu);
    auto strip = palette.itemBackValueArtifact;
    EXPECT_EQ(strip->get_width(), 56);
    const uint32_t alphas[] = {238, 238, 238, 238, 238, 238, 238, 238, 238, 238, 190, 166, 142, 119, 95, 71, 47, 23};
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(px(strip, 0, y) >> 24, alphas[y]) << y;
        EXPECT_EQ(px(strip, 55, y) >> 24, alphas[y]) << y;
        EXPECT_EQ(px(strip, 30, y) & 0xFFFFFF, 0x5C552Du);
    }
}
