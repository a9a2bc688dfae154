// Colour and sound transform tweens (Tweener::transform).
#include <optional>

#include "TweenFixture.h"
#include "TweenTarget.h"
#include "framework/geom/Transform.h"
#include "framework/media/SoundChannel.h"
#include "platform/runtime/Numbers.h"
#include "tween/actuators/TransformActuator.h"
#include "tween/easing/Linear.h"

using framework::ColorTransform;
using framework::SoundChannel;
using framework::SoundTransform;
using framework::Sprite;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using tween::Tweener;

namespace {
const char* const CT_FIELDS[] = {"redMultiplier", "greenMultiplier", "blueMultiplier", "alphaMultiplier",
                                 "redOffset",     "greenOffset",     "blueOffset",     "alphaOffset"};
std::string num(double v) { return runtime::Numbers::toText(v); }
}  // namespace

class TransformTween : public TweenFixture {
protected:
    // The fake keeps each node's colour transform; as in the back end, alpha is its alpha
    // multiplier.
    void SetUp() override {
        TweenFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_display_object_get_color_transform", [](const std::vector<Value>& a) {
            Value ct = a[0].field("ct");
            for (const char* f : CT_FIELDS)
                if (!ct.isNull()) a[1].setField(f, ct.field(f));
            a[1].setField("alphaMultiplier", a[0].field("alpha"));
            return Value();
        });
        fake.on("media_native_display_object_set_color_transform", [this](const std::vector<Value>& a) {
            auto copy = make<runtime::DynamicObject>();
            for (const char* f : CT_FIELDS) copy->setField(f, a[1].field(f));
            a[0].setField("ct", Value(copy));
            a[0].setField("alpha", a[1].field("alphaMultiplier"));
            ++colorWrites;
            return Value();
        });
    }

    // "rm gm bm am / ro go bo ao" of the sprite's colour transform as the back end holds it.
    static std::string tint(const Ref<Sprite>& s) {
        Ref<ColorTransform> ct = s->get_transform()->get_colorTransform();
        return num(ct->redMultiplier) + " " + num(ct->greenMultiplier) + " " + num(ct->blueMultiplier) + " " +
               num(ct->alphaMultiplier) + " / " + num(ct->redOffset) + " " + num(ct->greenOffset) + " " +
               num(ct->blueOffset) + " " + num(ct->alphaOffset);
    }

    static std::string sound(const Value& transform) {
        return num(transform.field("volume").toFloat()) + " " + num(transform.field("pan").toFloat());
    }
    // The transforms assigned to the channel since the last call, in order.
    std::vector<std::string> soundWrites() {
        std::vector<std::string> out;
        auto calls = media::FakeMediaModule::get().callsTo("media_native_sound_channel_set_transform");
        for (std::size_t i = soundWritesTaken; i < calls.size(); ++i) out.push_back(sound(calls[i].args[1]));
        soundWritesTaken = calls.size();
        return out;
    }

    std::size_t soundWritesTaken = 0;

    int colorWrites = 0;
};

TEST_F(TransformTween, TintEndValuesFollowTheStrength) {
    struct Case {
        int value;
        std::optional<double> strength;  // none: the default, 1
        std::optional<double> alpha;
        double spriteAlpha;
        const char* end;
    };
    const Case cases[] = {
        {0xFF0000, 1.0, {}, 1, "0 0 0 1 / 255 0 0 0"},           // the colour replaces the object's
        {0xFF0000, 0.5, {}, 1, "1 1 1 1 / 255 0 0 0"},           // added in full
        {0x00FF00, 0.25, {}, 1, "1 1 1 1 / 0 127.5 0 0"},        // added at half strength
        {0x0000FF, 0.75, {}, 1, "0.5 0.5 0.5 1 / 0 0 255 0"},    // own colours half faded
        {0x123456, 0.0, {}, 1, "1 1 1 1 / 0 0 0 0"},             // no tint
        {0x000000, {}, {}, 1, "0 0 0 1 / 0 0 0 0"},              // all defaults: black
        {0xFF0000, 1.0, {}, 0.4, "0 0 0 0.4 / 255 0 0 0"},       // keeps the object's alpha
        {0xFF0000, 1.0, 0.25, 0.4, "0 0 0 0.25 / 255 0 0 0"},    // or sets it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        auto s = make<Sprite>();
        s->set_alpha(c.spriteAlpha);
        auto options = Tweener::transform(s);
        Ref<tween::IGenericActuator> a =
            c.strength ? options->color(c.value, *c.strength, c.alpha) : options->color(c.value);
        EXPECT_EQ(tint(s), c.end);
        // Duration 0: assigned at once, never run.
        EXPECT_TRUE(a);
        EXPECT_TRUE(tween::SimpleActuator::actuators.empty());
        EXPECT_FALSE(Tweener::isActive());
    }
}

TEST_F(TransformTween, RunningTintWritesTheWorkingTransformEveryFrameAfterTheHandlers) {
    auto s = make<Sprite>();
    s->set_alpha(0.5);
    std::vector<std::string> seen;
    auto a = Tweener::transform(s, 1)->color(0xFF0000, 1);
    a->ease(tween::Linear::get_easeNone())->onComplete(Function::of([&] { seen.push_back(tint(s)); }));
    frame(0.5);
    // Half way; the object's alpha is kept.
    EXPECT_EQ(tint(s), "0.5 0.5 0.5 0.5 / 127.5 0 0 0");
    // Paused: the same transform is assigned every frame.
    Tweener::pause(s);
    int before = colorWrites;
    frame(0.75);
    frame(1.5);
    EXPECT_EQ(colorWrites, before + 2);
    EXPECT_EQ(tint(s), "0.5 0.5 0.5 0.5 / 127.5 0 0 0");
    Tweener::resume(s);  // 1 s paused: the end moves to 2 s
    frame(1.75);
    EXPECT_EQ(tint(s), "0.25 0.25 0.25 0.5 / 191.25 0 0 0");
    frame(2);
    // The handler saw the previous frame's values; the end values follow it.
    EXPECT_EQ(seen, std::vector<std::string>{"0.25 0.25 0.25 0.5 / 191.25 0 0 0"});
    EXPECT_EQ(tint(s), "0 0 0 0.5 / 255 0 0 0");
    EXPECT_FALSE(Tweener::isActive());

    // With an alpha the multiplier is tweened too, from the current tint back to none.
    clock = 0;
    Tweener::transform(s, 1)->color(0x00FF00, 0, 1.0)->ease(tween::Linear::get_easeNone());
    frame(0.5);
    EXPECT_EQ(tint(s), "0.5 0.5 0.5 0.75 / 127.5 0 0 0");
    frame(1);
    EXPECT_EQ(tint(s), "1 1 1 1 / 0 0 0 0");
}

TEST_F(TransformTween, ColourOfATargetThatIsNoDisplayObjectIsIgnored) {
    auto t = make<TweenTarget>();
    bool done = false;
    Tweener::transform(t, 1)->color(0xFF0000)->onComplete(Function::of([&] { done = true; }));
    frame(0.5);
    frame(1);
    EXPECT_TRUE(done);
    EXPECT_EQ(colorWrites, 0);
}

TEST_F(TransformTween, SoundVolumeAndPanOfAChannel) {
    auto channel = make<SoundChannel>(Value(), 0, 0, make<SoundTransform>(0.8, -0.5));
    auto linear = tween::Linear::get_easeNone;
    Tweener::transform(channel, 1)->sound(0.2)->ease(linear());
    frame(0.5);
    frame(1);
    // A volume-only tween leaves the pan where it was.
    EXPECT_EQ(soundWrites(), (std::vector<std::string>{"0.5 -0.5", "0.2 -0.5"}));
    EXPECT_EQ(sound(Value(channel->get_soundTransform())), "0.2 -0.5");

    clock = 0;
    Tweener::transform(channel, 1)->sound(std::nullopt, 1.0)->ease(linear());
    frame(0.25);
    frame(1);
    EXPECT_EQ(soundWrites(), (std::vector<std::string>{"0.2 -0.125", "0.2 1"}));

    // Both at once, and with duration 0 at once.
    clock = 0;
    Tweener::transform(channel, 2)->sound(0.0, 0.0)->ease(linear());
    frame(1);
    EXPECT_EQ(soundWrites(), (std::vector<std::string>{"0.1 0.5"}));
    Tweener::transform(channel)->sound(0.7, -1.0);
    EXPECT_EQ(sound(Value(channel->get_soundTransform())), "0.7 -1");
    EXPECT_FALSE(Tweener::isActive());  // the running tween was stopped by the one applied
}

TEST_F(TransformTween, SoundOfATargetWithoutASoundTransformRunsWithoutOne) {
    auto t = make<TweenTarget>();
    bool done = false;
    auto a = Tweener::transform(t, 1)->sound(0.5)->onComplete(Function::of([&] { done = true; }));
    frame(1);
    EXPECT_TRUE(done);
    EXPECT_FALSE(a.cast<tween::TransformActuator>()->endSoundTransform);

    // A record that holds a transform of its own: the end values stay out of it until the end.
    auto r = record({{"soundTransform", Value(make<SoundTransform>(1, 0))}});
    clock = 0;
    Tweener::transform(r, 1)->sound(0.0)->ease(tween::Linear::get_easeNone());
    frame(0.5);
    EXPECT_EQ(sound(r->getField("soundTransform")), "0.5 0");
}
