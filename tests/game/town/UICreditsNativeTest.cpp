// The credits page: its column for a 960 x 540 game area, the slow start and automatic scroll,
// drags, flings and the column's bounds, the hover texts and the 30-frames speeds.
#include <cmath>

#include "framework/display/Bitmap.h"
#include "framework/events/MouseEvent.h"
#include "game/shell/Game.h"
#include "game/town/UICredits.h"
#include "game/ui/UI.h"
#include "tests/game/kit/KitFixture.h"

using game::UICredits;
using runtime::make;
using runtime::Ref;

namespace {

class CreditsTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        gameArea(960, 540);
        game::Game::mobile = false;
    }
    void TearDown() override {
        game::Game::mobile = false;
        game::UI::adjustConstantsFor60FPS();
        KitFixture::TearDown();
    }
    static std::vector<Ref<framework::Bitmap>> pictures(const Ref<UICredits>& page) {
        std::vector<Ref<framework::Bitmap>> found;
        for (int i = 0; i < page->scrollSprite->get_numChildren(); ++i)
            if (auto b = page->scrollSprite->getChildAt(i).cast<framework::Bitmap>()) found.push_back(b);
        return found;
    }
    static void over(const Ref<framework::DisplayObject>& link, const char* type) {
        link->dispatchEvent(make<framework::MouseEvent>(type));
    }
};

}  // namespace

TEST_F(CreditsTest, TheColumnStandsAsLaidOutForTheBaseGameArea) {
    auto page = make<UICredits>();
    auto pics = pictures(page);
    ASSERT_EQ(pics.size(), 4u);  // logo, testers, item backers, other backers
    const std::pair<double, double> expected[] = {{297, 34}, {306, 424}, {229, 637}, {128, 1603}};
    for (std::size_t i = 0; i < pics.size(); ++i) {
        EXPECT_EQ(pics[i]->get_x(), expected[i].first) << i;
        EXPECT_EQ(pics[i]->get_y(), expected[i].second) << i;
    }
    EXPECT_EQ(page->quorvaneSprite->get_y(), 204);
    EXPECT_EQ(page->taloranSprite->get_y(), 284);
    EXPECT_EQ(page->holwenSprite->get_y(), 364);
    EXPECT_EQ(page->maxScrollAmount, 3401);
    EXPECT_TRUE(page->taloranSprite->buttonMode);
    EXPECT_FALSE(page->taloranOverText->get_visible());
}

TEST_F(CreditsTest, TheColumnWaitsAtTheTopThenScrollsAPixelAFrame) {
    auto page = make<UICredits>();
    int frames = 0;
    while (page->scrollSprite->get_y() == 0 && frames < 200) {
        page->update();
        ++frames;
    }
    // The start speed of -50 climbs by 0.5 a frame; the clamp at the top cancels every move till
    // then, and a speed of 0.5 still moves nothing.
    EXPECT_EQ(frames, 103);
    EXPECT_EQ(page->scrollSpeed, 1);
    const double y = page->scrollSprite->get_y();
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), y - 1);
}

TEST_F(CreditsTest, FlingsDecayAndTheColumnStopsAtBothEnds) {
    auto page = make<UICredits>();
    page->scrollSpeed = 80;
    page->scrollSprite->set_y(-1000);
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -1080);
    EXPECT_EQ(page->scrollSpeed, 50);
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -1130);
    EXPECT_EQ(page->scrollSpeed, 49.5);

    // A slow drag's leftover speed of 2 returns to the automatic speed.
    page->scrollSpeed = 2;
    page->update();
    EXPECT_EQ(page->scrollSpeed, 1.5);
    page->update();
    EXPECT_EQ(page->scrollSpeed, 1);

    page->scrollSprite->set_y(-3390);
    page->scrollSpeed = 40;
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -3401);
    page->scrollSprite->set_y(-5);
    page->scrollSpeed = -30;
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), 0);
}

TEST_F(CreditsTest, DragStepsOfTwoPixelsOrLessDoNotMoveTheColumn) {
    auto page = make<UICredits>();
    page->scrollSprite->set_y(-500);
    page->mouseDown(nullptr);
    EXPECT_TRUE(page->mouseIsDown);
    EXPECT_EQ(page->scrollSpeed, UICredits::SCROLL_SPEED_AUTO);
    const int mouseY = static_cast<int>(std::trunc(page->get_mouseY()));
    page->lastY = mouseY + 2;
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -500);
    page->lastY = mouseY + 30;
    page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -530);
    // The release keeps the last step as speed: the pointer did not move since.
    page->mouseUp(nullptr);
    EXPECT_FALSE(page->mouseIsDown);
    EXPECT_EQ(page->scrollSpeed, 0);
}

TEST_F(CreditsTest, LinksShowTheirOrangeTextOnlyWhereThereIsHover) {
    auto page = make<UICredits>();
    over(page->holwenSprite, "mouseOver");
    EXPECT_TRUE(page->holwenOverText->get_visible());
    over(page->holwenSprite, "mouseOut");
    EXPECT_FALSE(page->holwenOverText->get_visible());

    game::Game::mobile = true;
    auto touch = make<UICredits>();
    over(touch->taloranSprite, "mouseOver");
    EXPECT_FALSE(touch->taloranOverText->get_visible());
}

TEST_F(CreditsTest, AtThirtyFramesTheColumnOnlyMovesWhenDragged) {
    game::UI::adjustConstantsFor30FPS();
    EXPECT_EQ(UICredits::SCROLL_SPEED_MAX, 25);
    EXPECT_EQ(UICredits::SCROLL_SPEED_AUTO, 0);
    auto page = make<UICredits>();
    page->scrollSpeed = 0;
    page->scrollSprite->set_y(-200);
    for (int i = 0; i < 10; ++i) page->update();
    EXPECT_EQ(page->scrollSprite->get_y(), -200);
    game::UI::adjustConstantsFor60FPS();
    EXPECT_EQ(UICredits::SCROLL_SPEED_AUTO, 1);
}
