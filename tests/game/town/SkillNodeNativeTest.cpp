// The skill nodes' shared skins: one frame bitmap per state and colour, cut from the strips.
#include "framework/display/BitmapData.h"
#include "game/shell/PixelSmoother.h"
#include "game/town/SkillNode.h"
#include "tests/game/kit/KitFixture.h"

using game::SkillNode;

class SkillNodeTest : public KitFixture {};

TEST_F(SkillNodeTest, EveryStateHasItsCellInEachColoursStrip) {
    SkillNode::setupButtonRects();
    struct Cell {
        int state;
        double x, y;  // in node sizes
    };
    for (const Cell& c : {Cell{SkillNode::INACTIVE_UNSELECTED, 0, 0}, Cell{SkillNode::INACTIVE_OVER, 1, 0},
                          Cell{SkillNode::INACTIVE_SELECTED, 2, 0}, Cell{SkillNode::ACTIVE_UNSELECTED, 0, 1},
                          Cell{SkillNode::ACTIVE_OVER, 1, 1}, Cell{SkillNode::ACTIVE_SELECTED, 2, 1}}) {
        struct Skin {
            const SkillNode::Bitmaps& bitmaps;
            int size;
        };
        for (const Skin& skin : {Skin{SkillNode::BUTTON_BITMAPS_BLACK, 35}, Skin{SkillNode::BUTTON_BITMAPS_GOLD, 50},
                                 Skin{SkillNode::BUTTON_BITMAPS_GREEN, 50}}) {
            auto bitmap = skin.bitmaps[c.state];
            ASSERT_TRUE(bitmap) << c.state;
            auto cell = bitmap->get_scrollRect();
            ASSERT_TRUE(cell) << c.state;
            EXPECT_EQ(cell->x, c.x * skin.size) << c.state;
            EXPECT_EQ(cell->y, c.y * skin.size) << c.state;
            EXPECT_EQ(cell->width, skin.size);
            EXPECT_EQ(cell->height, skin.size);
        }
        EXPECT_EQ(SkillNode::BUTTON_RECTS_NORMAL[c.state]->x, c.x * 35);
        EXPECT_EQ(SkillNode::BUTTON_RECTS_LARGE[c.state]->y, c.y * 50);
    }
    // A colour's six frames share its strip's one picture, and the strips have their sizes.
    auto black = SkillNode::BUTTON_BITMAPS_BLACK[0]->get_bitmapData();
    ASSERT_TRUE(black);
    EXPECT_EQ(black->get_width(), 105);
    EXPECT_EQ(black->get_height(), 70);
    EXPECT_EQ(SkillNode::BUTTON_BITMAPS_GOLD[0]->get_bitmapData()->get_width(), 150);
    for (int s = 1; s < SkillNode::STATE_COUNT; ++s) {
        EXPECT_EQ(SkillNode::BUTTON_BITMAPS_BLACK[s]->get_bitmapData(), black);
        EXPECT_NE(SkillNode::BUTTON_BITMAPS_BLACK[s], SkillNode::BUTTON_BITMAPS_BLACK[0]);
    }
    EXPECT_NE(SkillNode::BUTTON_BITMAPS_GOLD[0]->get_bitmapData(), SkillNode::BUTTON_BITMAPS_GREEN[0]->get_bitmapData());
}
