// Animation timing and playing, the pre-rotated angle-to-frame rule, and the controller's frame
// list checks and name-ordered frames; sprites of sized fake surfaces.
#include "tests/engine/EngineFixture.h"

#include "engine/EngSprite.h"
#include "engine/animation/EngAnimationController.h"
#include "framework/display/BitmapData.h"

using engine::EngAnimation;
using engine::EngG;
using engine::EngSprite;
using runtime::make;
using runtime::Ref;

namespace {
class EngAnimationTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        sizedSurfaces();
        sprite = make<EngSprite>();
        // A strip of five 16 x 16 frames.
        sprite->loadGraphic(runtime::Value(make<framework::BitmapData>(80, 16)), true);
    }
    static std::shared_ptr<std::vector<int>> list(std::vector<int> v) {
        return std::make_shared<std::vector<int>>(std::move(v));
    }
    Ref<EngAnimation> playing(std::vector<int> frames, int rate, bool looped = true) {
        sprite->animation->add("a", list(std::move(frames)), rate, looped);
        sprite->animation->play("a", true);
        return sprite->animation->get("a");
    }
    void step(double e) {
        EngG::elapsed = e;
        sprite->update();
    }
    Ref<EngSprite> sprite;
};
}  // namespace

TEST_F(EngAnimationTest, FrameTimingCarriesTheRemainder) {
    ASSERT_EQ(sprite->frames, 5);
    auto anim = playing({0, 1, 2, 3, 4}, 10);
    step(0.1);
    EXPECT_EQ(anim->curFrame, 0);  // 0.1 is not more than the delay
    step(0.1);
    EXPECT_EQ(anim->curFrame, 1);
    EXPECT_NEAR(anim->_frameTimer, 0.1, 1e-12);
    EXPECT_EQ(sprite->animation->frameIndex, 1);
    EXPECT_EQ(sprite->frame, sprite->framesData->frames[1]);

    auto fast = playing({0, 1, 2, 3, 4}, 10);
    step(0.35);
    EXPECT_EQ(fast->curFrame, 3);
    EXPECT_NEAR(fast->_frameTimer, 0.05, 1e-9);
}

TEST_F(EngAnimationTest, LoopingOneShotAndFrameRateZero) {
    auto loop = playing({4, 2, 3}, 10);
    std::vector<int> shown;
    for (int i = 0; i < 4; ++i) {
        step(0.11);
        shown.push_back(sprite->animation->frameIndex);
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 2}));

    auto once = playing({4, 2, 3}, 10, false);
    for (int i = 0; i < 5; ++i) step(0.11);
    EXPECT_TRUE(once->finished);
    EXPECT_EQ(sprite->animation->frameIndex, 3);
    EXPECT_EQ(sprite->animation->get_curAnim(), nullptr);
    EXPECT_EQ(sprite->animation->get_name(), runtime::String("a"));

    auto frozen = playing({1, 2}, 0);
    EXPECT_TRUE(frozen->finished);
    step(1);
    EXPECT_EQ(frozen->curFrame, 0);

    // A looping animation accepts a position past its end and shows the first entry.
    loop->set_curFrame(7);
    EXPECT_EQ(loop->curFrame, 7);
}

TEST_F(EngAnimationTest, ControllerListsCallbackAndFinishing) {
    auto frames = list({0, 1, 9, 2});
    sprite->animation->add("walk", frames, 30);
    EXPECT_EQ(*frames, (std::vector<int>{0, 1, 2}));
    sprite->animation->add("none", list({7, 8}), 30);
    EXPECT_EQ(sprite->animation->get("none"), nullptr);

    std::vector<std::tuple<std::string, int, int>> calls;
    sprite->animation->callback = [&](const runtime::String& n, int position, int index) {
        calls.emplace_back(n.isNull() ? "" : n.str(), position, index);
    };
    sprite->animation->set_frameIndex(7);  // 7 mod 5
    EXPECT_EQ(sprite->animation->frameIndex, 2);
    sprite->animation->set_frameIndex(2);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_tuple(std::string(), 0, 0));  // the index shown until now
    sprite->animation->add("run", list({0, 1, 2}), 10);
    sprite->animation->play("run", true, 1);
    calls.clear();
    sprite->animation->get("run")->set_curFrame(2);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_tuple(std::string("run"), 2, 1));

    sprite->animation->play("walk");
    sprite->animation->get("walk")->stop();
    sprite->animation->set_finished(true);
    EXPECT_EQ(sprite->animation->frameIndex, 2);  // the animation's length - 1 as a frame index
    sprite->animation->play(nullptr);
    EXPECT_EQ(sprite->animation->get_name(), runtime::String());
}

TEST(EngPrerotatedAnimation, AngleToBakedFrame) {
    engine::EngPrerotatedAnimation a(nullptr, 10);
    ASSERT_EQ(a.rotations, 36);
    const std::pair<double, int> cases[] = {{4.9, 0}, {5, 1}, {355, 0}, {-5, 0}, {725, 1}, {180, 18}};
    for (auto [angle, index] : cases) {
        a.set_angle(angle);
        EXPECT_EQ(a.curIndex, index) << angle;
    }
}
