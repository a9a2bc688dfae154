// The mixer core, compiled into the test program: mixes without a device, sample by sample.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/media/native/GeneratedSource.h"
#include "platform/media/native/Mixer.h"
#include "platform/media/native/PcmSource.h"

using namespace media;

namespace {
// n frames: left i/1000, right -i/1000.
std::shared_ptr<PcmData> ramp(int n, int rate = 44100) {
    auto p = std::make_shared<PcmData>();
    p->rate = rate;
    for (int i = 0; i < n; ++i) {
        p->samples.push_back(i / 1000.0f);
        p->samples.push_back(-i / 1000.0f);
    }
    return p;
}

std::shared_ptr<PcmData> constant(int n, float l, float r) {
    auto p = std::make_shared<PcmData>();
    for (int i = 0; i < n; ++i) {
        p->samples.push_back(l);
        p->samples.push_back(r);
    }
    return p;
}

std::shared_ptr<Voice> voice(std::shared_ptr<PcmData> p, int64_t start = 0, int passes = 1) {
    return std::make_shared<Voice>(std::make_unique<PcmSource>(std::move(p)), start, passes);
}

std::vector<float> mix(Mixer& m, int frames) {
    std::vector<float> out(static_cast<std::size_t>(frames) * 2, 99.0f);
    m.mix(out.data(), frames);
    return out;
}

std::vector<uint8_t> floatBytes(const std::vector<float>& v) {
    std::vector<uint8_t> b(v.size() * 4);
    std::memcpy(b.data(), v.data(), b.size());  // little-endian host
    return b;
}
}  // namespace

TEST(Mixer, PlaysEveryFrameOnceAndCompletesRightAfterTheLast) {
    Mixer m;
    auto v = voice(ramp(100));
    m.add(v);
    auto a = mix(m, 60);
    for (int i = 0; i < 60; ++i) {
        ASSERT_FLOAT_EQ(a[2 * i], i / 1000.0f) << i;
        ASSERT_FLOAT_EQ(a[2 * i + 1], -i / 1000.0f) << i;
    }
    EXPECT_FALSE(v->complete());
    EXPECT_EQ(v->position(), 60);  // the next frame to play
    auto b = mix(m, 60);
    for (int i = 0; i < 40; ++i) ASSERT_FLOAT_EQ(b[2 * i], (60 + i) / 1000.0f) << i;
    for (int i = 40; i < 60; ++i) ASSERT_EQ(b[2 * i], 0.0f) << i;
    EXPECT_TRUE(v->complete());
    EXPECT_EQ(v->position(), 100);
    EXPECT_EQ(m.voiceCount(), 0u);

    // Exactly the length: complete with the block that holds the last frame.
    auto w = voice(ramp(64));
    m.add(w);
    mix(m, 64);
    EXPECT_TRUE(w->complete());
}

TEST(Mixer, VolumePanAndCrossGainsShapeTheOutput) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        Voice::Gains g;
        float left, right;
    } cases[] = {
        {{1, 0}, 0.4f, 0.2f},
        {{0.5, 0}, 0.2f, 0.1f},
        {{1, 1}, 0.0f, 0.2f},
        {{1, -1}, 0.4f, 0.0f},
        {{1, 0.5}, 0.2f, 0.2f},
        {{0.5, -0.5}, 0.2f, 0.05f},
        {{1, 0, 0, 1, 1, 0}, 0.2f, 0.4f},  // swapped sides
        {{-2, 0}, 0.0f, 0.0f},
        {{nan, 7}, 0.0f, 0.2f},  // bad volume reads as 1; pan is clamped to 1
    };
    for (const auto& c : cases) {
        Mixer m;
        auto v = voice(constant(32, 0.4f, 0.2f));
        v->setGains(c.g);
        m.add(v);
        auto out = mix(m, 16);
        EXPECT_NEAR(out[10], c.left, 1e-6) << c.g.volume << " " << c.g.pan;
        EXPECT_NEAR(out[11], c.right, 1e-6) << c.g.volume << " " << c.g.pan;
        EXPECT_NEAR(v->leftPeak(), c.left, 1e-6);
        EXPECT_NEAR(v->rightPeak(), c.right, 1e-6);
    }
}

TEST(Mixer, LoopsRepeatFromTheStartPosition) {
    Mixer m;
    auto v = voice(ramp(10), 4, 3);
    m.add(v);
    auto out = mix(m, 17);
    for (int i = 0; i < 17; ++i) ASSERT_FLOAT_EQ(out[2 * i], (4 + i % 6) / 1000.0f) << i;
    EXPECT_FALSE(v->complete());
    EXPECT_EQ(v->position(), 9);  // third pass
    out = mix(m, 3);
    EXPECT_FLOAT_EQ(out[0], 9 / 1000.0f);
    EXPECT_EQ(out[2], 0.0f);
    EXPECT_TRUE(v->complete());

    for (int passes : {0, 1, -5}) {
        auto once = voice(ramp(10), 0, passes);
        m.add(once);
        mix(m, 10);
        EXPECT_TRUE(once->complete()) << passes;
    }
}

TEST(Mixer, StartAtOrPastTheEndCompletesAtOnce) {
    for (int64_t start : {10, 11, 1000}) {
        auto v = voice(ramp(10), start, 9999);
        EXPECT_TRUE(v->complete());
        EXPECT_EQ(v->position(), 10);
    }
    auto empty = voice(ramp(0), 0, 9999);
    EXPECT_TRUE(empty->complete());
}

TEST(Mixer, SourceRateAndPitchResample) {
    Mixer m;
    // 22050 Hz into 44100: every other output frame lies half-way.
    auto slow = voice(ramp(10, 22050));
    m.add(slow);
    auto out = mix(m, 20);
    for (int i = 0; i < 19; ++i) ASSERT_NEAR(out[2 * i], i / 2000.0f, 1e-6) << i;
    EXPECT_TRUE(slow->complete());

    // Pitch 2: every other source frame, done in half the time.
    auto fast = voice(ramp(10));
    fast->setPitch(2);
    fast->setPitch(-1);  // ignored
    EXPECT_EQ(fast->pitch(), 2);
    m.add(fast);
    out = mix(m, 5);
    for (int i = 0; i < 5; ++i) ASSERT_FLOAT_EQ(out[2 * i], (2 * i) / 1000.0f) << i;
    EXPECT_TRUE(fast->complete());
}

TEST(Mixer, SeekMovesWithinThePass) {
    Mixer m;
    auto v = voice(ramp(100), 0, 2);
    m.add(v);
    mix(m, 10);
    std::lock_guard lock(m.mutex());
    EXPECT_EQ(v->seek(50), 50);
    EXPECT_EQ(v->position(), 50);
    EXPECT_EQ(v->seek(500), 100);
    EXPECT_EQ(v->seek(-3), 0);
}

TEST(Mixer, SeekThenMixContinuesThere) {
    Mixer m;
    auto v = voice(ramp(100));
    m.add(v);
    mix(m, 10);
    {
        std::lock_guard lock(m.mutex());
        v->seek(50);
    }
    auto out = mix(m, 2);
    EXPECT_FLOAT_EQ(out[0], 0.05f);
    EXPECT_FLOAT_EQ(out[2], 0.051f);
}

TEST(Mixer, VoicesSumAndTheMixIsClipped) {
    Mixer m;
    m.add(voice(constant(8, 0.25f, -0.5f)));
    m.add(voice(constant(8, 0.5f, -0.75f)));
    auto out = mix(m, 4);
    EXPECT_FLOAT_EQ(out[0], 0.75f);
    EXPECT_FLOAT_EQ(out[1], -1.0f);
}

TEST(Mixer, StoppedVoiceFallsSilentWithoutCompleting) {
    Mixer m;
    auto v = voice(ramp(100));
    m.add(v);
    mix(m, 10);
    v->stop();
    auto out = mix(m, 10);
    EXPECT_EQ(out[4], 0.0f);
    EXPECT_FALSE(v->complete());
    EXPECT_EQ(m.voiceCount(), 0u);
    EXPECT_EQ(v->leftPeak(), 0.0f);
}

TEST(Mixer, GeneratedSoundWaitsWhenStarvedAndEndsWhenAskedInVain) {
    Mixer m;
    auto source = std::make_unique<GeneratedSource>();
    GeneratedSource* gen = source.get();
    // 4 whole frames and a torn one.
    auto first = floatBytes({0.1f, 0.2f, 0.1f, 0.2f, 0.1f, 0.2f, 0.1f, 0.2f, 0.9f});
    EXPECT_EQ(gen->append(first.data(), first.size()), 4);
    auto v = std::make_shared<Voice>(std::move(source), 0, 1);
    m.add(v);

    auto out = mix(m, 8);
    EXPECT_FLOAT_EQ(out[6], 0.1f);
    EXPECT_EQ(out[8], 0.0f);  // starved: silence, still playing
    EXPECT_FALSE(v->complete());
    EXPECT_EQ(gen->consumed(), 4);

    {
        std::lock_guard lock(m.mutex());
        EXPECT_TRUE(gen->wantsData());
        auto more = floatBytes({0.3f, 0.4f, 0.3f, 0.4f});
        gen->append(more.data(), more.size());
    }
    out = mix(m, 2);
    EXPECT_FLOAT_EQ(out[1], 0.4f);
    EXPECT_FALSE(v->complete());

    {
        std::lock_guard lock(m.mutex());
        EXPECT_TRUE(gen->wantsData());  // and nothing comes
    }
    mix(m, 8);
    EXPECT_TRUE(v->complete());
}
