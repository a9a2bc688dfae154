// Sounds and byte arrays against the real back end under SDL's silent audio driver.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "framework/media/Sound.h"
#include "framework/media/SoundChannel.h"
#include "framework/utils/ByteArray.h"
#include "tools/tone/ToneEncoder.h"

using namespace framework;
using Clock = std::chrono::steady_clock;
using runtime::make;
using runtime::Value;

namespace {
std::vector<uint8_t> tone(double seconds) {
    tools::ToneEncoder::Tone t;
    t.seconds = seconds;
    return tools::ToneEncoder::encodeTone(t);
}

// Polls as the stage does until the channel reports its end; the seconds it took, or -1.
// Timed from `start`, taken before the channel began playing.
double secondsUntilComplete(const runtime::Ref<SoundChannel>& channel, std::atomic<bool>& done,
                            Clock::time_point start) {
    while (!done && Clock::now() - start < std::chrono::seconds(5)) {
        SoundChannel::pollComplete_();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!done) return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}
}  // namespace

TEST(SoundNative, ShortOggReportsCompleteAfterItsLength) {
    auto bytes = ByteArray::fromBytes(make<runtime::Bytes>(tone(0.4)));
    auto sound = make<Sound>();
    sound->loadCompressedDataFromByteArray(bytes, bytes->length());
    EXPECT_NEAR(sound->get_length(), 400, 5);

    std::atomic<bool> done{false};
    auto t0 = Clock::now();
    auto channel = sound->play();
    ASSERT_FALSE(channel->handle().isNull());
    channel->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) { done = true; }));
    double took = secondsUntilComplete(channel, done, t0);
    EXPECT_GT(took, 0.3);
    EXPECT_LT(took, 2.0);
    EXPECT_FALSE(SoundChannel::completePending_());
}

TEST(SoundNative, MusicFromAFileCompletesOnTheAudioThread) {
    std::string path = ::testing::TempDir() + "glv_music.ogg";
    auto data = make<ByteArray>();
    data->writeBytes(make<runtime::Bytes>(tone(0.3)));
    data->writeFile(path);
    auto read = ByteArray::readFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->data(), data->data());

    auto sound = make<Sound>(make<URLRequest>(path), nullptr, true);
    ASSERT_FALSE(sound->handle_.isNull());
    std::atomic<bool> done{false};
    std::atomic<bool> onMain{true};
    auto main = std::this_thread::get_id();
    auto t0 = Clock::now();
    auto channel = sound->play();
    channel->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) {
        onMain = std::this_thread::get_id() == main;
        done = true;
    }));
    double took = secondsUntilComplete(channel, done, t0);
    EXPECT_GT(took, 0.2);
    EXPECT_LT(took, 2.0);
    EXPECT_FALSE(onMain);
    for (int i = 0; i < 5000 && SoundChannel::completePending_() && !channel->thread_completed_; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    SoundChannel::pollComplete_();
    EXPECT_FALSE(SoundChannel::completePending_());
    std::remove(path.c_str());
}
