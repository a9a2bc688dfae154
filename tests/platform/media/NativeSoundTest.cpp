// The real sound primitives of media-native under SDL's silent audio driver: loading, playing
// in real time, completion, loops, positions, volume and pan, generated sound.
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <thread>

#include "platform/runtime/ByteStorage.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Primitive.h"
#include "platform/system/ModuleLoader.h"
#include "tools/tone/ToneEncoder.h"

using runtime::Value;
using Clock = std::chrono::steady_clock;

namespace {
struct Sound {
    runtime::Primitive fromFile = prim("media_native_sound_from_file", 2);
    runtime::Primitive fromData = prim("media_native_sound_from_data", 3);
    runtime::Primitive getId3 = prim("media_native_sound_get_id3", 2);
    runtime::Primitive getLength = prim("media_native_sound_get_length", 1);
    runtime::Primitive close = prim("media_native_sound_close", 1);
    runtime::Primitive getStatus = prim("media_native_sound_get_status", 1);
    runtime::Primitive createDynamic = prim("media_native_sound_channel_create_dynamic", 2);
    runtime::Primitive create = prim("media_native_sound_channel_create", 4);
    runtime::Primitive isComplete = prim("media_native_sound_channel_is_complete", 1);
    runtime::Primitive getLeft = prim("media_native_sound_channel_get_left", 1);
    runtime::Primitive getRight = prim("media_native_sound_channel_get_right", 1);
    runtime::Primitive getPosition = prim("media_native_sound_channel_get_position", 1);
    runtime::Primitive setPosition = prim("media_native_sound_channel_set_position", 2);
    runtime::Primitive getDataPosition = prim("media_native_sound_channel_get_data_position", 1);
    runtime::Primitive stop = prim("media_native_sound_channel_stop", 1);
    runtime::Primitive setTransform = prim("media_native_sound_channel_set_transform", 2);
    runtime::Primitive setPitch = prim("media_native_sound_channel_set_pitch", 2);
    runtime::Primitive needsData = prim("media_native_sound_channel_needs_data", 1);
    runtime::Primitive addData = prim("media_native_sound_channel_add_data", 2);
};

// A stand-in for the framework's byte array: its fields "length" and "b".
Value byteArray(std::vector<uint8_t> bytes) {
    int n = static_cast<int>(bytes.size());
    return Value(runtime::make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, Value>>{
        {"length", n}, {"b", Value(runtime::make<runtime::ByteStorage>(std::move(bytes)))}}));
}

Value transform(double volume, double pan) {
    return Value(runtime::make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, Value>>{
        {"leftToLeft", 0.0}, {"leftToRight", 0.0}, {"pan", pan}, {"rightToLeft", 0.0}, {"rightToRight", 0.0}, {"volume", volume}}));
}

std::vector<uint8_t> ogg(double seconds, tools::ToneEncoder::Comments comments = {}) {
    tools::ToneEncoder::Tone t;
    t.seconds = seconds;
    return tools::ToneEncoder::encodeTone(t, comments);
}

void put16(std::vector<uint8_t>& b, int v) { b.push_back(v & 0xFF); b.push_back((v >> 8) & 0xFF); }
void put32(std::vector<uint8_t>& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF); }

// A RIFF/WAVE file with the 44-byte header (format 3: 32-bit float, 1: 16-bit) around a sine.
std::vector<uint8_t> wav(int format, int channels, int rate, double seconds, double amplitude = 0.5, double freq = 441) {
    int bits = format == 3 ? 32 : 16;
    auto frames = static_cast<std::size_t>(std::llround(seconds * rate));
    std::vector<uint8_t> data;
    for (std::size_t i = 0; i < frames; ++i) {
        double s = amplitude * std::sin(2 * M_PI * freq * static_cast<double>(i) / rate);
        for (int c = 0; c < channels; ++c) {
            if (format == 3) {
                float f = static_cast<float>(s);
                uint32_t u;
                std::memcpy(&u, &f, 4);
                put32(data, u);
            } else {
                put16(data, static_cast<int16_t>(std::lround(s * 32767)));
            }
        }
    }
    std::vector<uint8_t> b;
    for (char c : std::string("RIFF")) b.push_back(c);
    put32(b, static_cast<uint32_t>(data.size() + 36));
    for (char c : std::string("WAVEfmt ")) b.push_back(c);
    put32(b, 16);
    put16(b, format);
    put16(b, channels);
    put32(b, rate);
    put32(b, static_cast<uint32_t>(bits * rate * channels / 8));
    put16(b, channels * bits / 8);
    put16(b, bits);
    for (char c : std::string("data")) b.push_back(c);
    put32(b, static_cast<uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }
void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Polls until the channel completes; the seconds it took, or -1 after `limit` seconds.
double waitComplete(const Sound& s, const Value& channel, double limit = 5) {
    auto t0 = Clock::now();
    while (seconds(t0) < limit) {
        if (s.isComplete(channel).toBool()) return seconds(t0);
        sleepMs(2);
    }
    return -1;
}
}  // namespace

TEST(NativeSound, LoadsOggAndWaveFromBytes) {
    Sound s;
    auto tone = ogg(0.5);
    ASSERT_FALSE(tone.empty());
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool music;
        double lengthMs;
    } cases[] = {
        {"ogg effect", tone, false, 500},
        {"ogg music", tone, true, 500},
        {"float stereo wave", wav(3, 2, 44100, 0.25), false, 250},
        {"short mono wave at 22050", wav(1, 1, 22050, 1.0), true, 1000},
    };
    for (auto& c : cases) {
        int n = static_cast<int>(c.bytes.size());
        Value sound = s.fromData(byteArray(c.bytes), n, c.music);
        ASSERT_TRUE(sound.isObject()) << c.what;
        EXPECT_NEAR(s.getLength(sound).toFloat(), c.lengthMs, 0.05) << c.what;
        Value status = s.getStatus(sound);
        EXPECT_EQ(status.field("bytesLoaded").toInt(), n) << c.what;
        EXPECT_EQ(status.field("bytesTotal").toInt(), n) << c.what;
        EXPECT_TRUE(status.field("error").isNull()) << c.what;
    }
    // The byte count limits what is read: half the samples of a wave.
    auto w = wav(1, 2, 44100, 1.0);
    Value half = s.fromData(byteArray(w), 44 + (w.size() - 44) / 2, false);
    EXPECT_NEAR(s.getLength(half).toFloat(), 500, 0.05);
}

TEST(NativeSound, RefusesWhatItCannotDecode) {
    Sound s;
    std::vector<uint8_t> junk(200, 7);
    auto tone = ogg(0.2);
    std::vector<uint8_t> torn(tone.begin(), tone.begin() + 20);
    std::vector<uint8_t> oddWave = wav(1, 2, 44100, 0.1);
    oddWave[34] = 12;  // 12 bits per sample
    for (auto& bytes : {junk, torn, oddWave}) EXPECT_TRUE(s.fromData(byteArray(bytes), static_cast<int>(bytes.size()), false).isNull());
    EXPECT_TRUE(s.fromData(byteArray({}), 0, false).isNull());
    EXPECT_TRUE(s.fromData(Value(), 10, false).isNull());
    EXPECT_TRUE(s.fromData(runtime::make<runtime::DynamicObject>(), 10, false).isNull());
    EXPECT_TRUE(s.fromFile("/nonexistent/none.ogg", false).isNull());
    EXPECT_TRUE(s.fromFile(Value(), true).isNull());
}

TEST(NativeSound, LoadsFilesAsEffectsOrStreamedMusic) {
    Sound s;
    std::string path = ::testing::TempDir() + "tone.ogg";
    auto tone = ogg(0.5);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(tone.data()), static_cast<std::streamsize>(tone.size()));
    std::string junk = ::testing::TempDir() + "junk.ogg";
    std::ofstream(junk) << "not a sound";
    for (bool music : {false, true}) {
        Value sound = s.fromFile(path, music);
        ASSERT_TRUE(sound.isObject()) << music;
        EXPECT_NEAR(s.getLength(sound).toFloat(), 500, 0.05);
        EXPECT_EQ(s.getStatus(sound).field("bytesTotal").toInt(), static_cast<int>(tone.size()));
        EXPECT_TRUE(s.fromFile(junk, music).isNull());
    }
}

TEST(NativeSound, FillsId3FromTheComments) {
    Sound s;
    auto tone = ogg(0.1, {{"TITLE", "Cave Theme"}, {"artist", "Us"}, {"ALBUM", "Sounds"}, {"DATE", "2024"},
                          {"TRACKNUMBER", "3"}, {"GENRE", "Game"}, {"COMMENT", "made here"}, {"TITLE", "second"}});
    Value sound = s.fromData(byteArray(tone), static_cast<int>(tone.size()), false);
    auto info = runtime::make<runtime::DynamicObject>();
    for (const char* f : {"album", "artist", "comment", "genre", "songName", "track", "year"}) info->setField(f, Value());
    s.getId3(sound, Value(info));
    EXPECT_EQ(info->getField("songName").str(), "Cave Theme");
    EXPECT_EQ(info->getField("artist").str(), "Us");
    EXPECT_EQ(info->getField("album").str(), "Sounds");
    EXPECT_EQ(info->getField("year").str(), "2024");
    EXPECT_EQ(info->getField("track").str(), "3");
    EXPECT_EQ(info->getField("genre").str(), "Game");
    EXPECT_EQ(info->getField("comment").str(), "made here");

    auto plain = ogg(0.1);
    auto empty = runtime::make<runtime::DynamicObject>();
    empty->setField("songName", Value());
    s.getId3(s.fromData(byteArray(plain), static_cast<int>(plain.size()), false), Value(empty));
    EXPECT_TRUE(empty->getField("songName").isNull());
}

TEST(NativeSound, NullHandlesAreHarmless) {
    Sound s;
    Value none;
    EXPECT_TRUE(s.getLength(none).isNull());
    EXPECT_TRUE(s.getStatus(none).isNull());
    s.getId3(none, runtime::make<runtime::DynamicObject>());
    s.close(none);
    EXPECT_TRUE(s.create(none, 0.0, 0, none).isNull());
    EXPECT_TRUE(s.createDynamic(none, none).isNull());
    EXPECT_FALSE(s.isComplete(none).toBool());
    EXPECT_EQ(s.getLeft(none).toFloat(), 0);
    EXPECT_EQ(s.getRight(none).toFloat(), 0);
    EXPECT_EQ(s.getPosition(none).toFloat(), 0);
    EXPECT_EQ(s.setPosition(none, 10.0).toFloat(), 0);
    EXPECT_EQ(s.getDataPosition(none).toFloat(), 0);
    EXPECT_FALSE(s.needsData(none).toBool());
    s.stop(none);
    s.setTransform(none, transform(1, 0));
    s.setPitch(none, 2.0);
    s.addData(none, byteArray({1, 2, 3}));
}

TEST(NativeSound, OggPlaysForItsLengthAndThenReportsCompletion) {
    Sound s;
    auto tone = ogg(0.5);
    for (bool music : {false, true}) {
        Value sound = s.fromData(byteArray(tone), static_cast<int>(tone.size()), music);
        Value channel = s.create(sound, 0.0, 0, Value());
        ASSERT_TRUE(channel.isObject());
        double took = waitComplete(s, channel);
        EXPECT_GT(took, 0.4) << music;
        EXPECT_LT(took, 1.5) << music;
        EXPECT_NEAR(s.getPosition(channel).toFloat(), 500, 0.05);
    }
}

TEST(NativeSound, CompletionCanBePolledFromAnotherThread) {
    Sound s;
    auto w = wav(3, 2, 44100, 0.2);
    Value sound = s.fromData(byteArray(w), static_cast<int>(w.size()), true);
    auto t0 = Clock::now();
    Value channel = s.create(sound, 0.0, 0, transform(0.5, 0));
    double took = -1;
    // Timed from the channel's start, not from when the thread got going.
    std::thread poller([&] { took = waitComplete(s, channel) < 0 ? -1 : seconds(t0); });
    for (int i = 0; i < 20; ++i) {
        s.setTransform(channel, transform(0.1 * i, 0));
        s.getPosition(channel);
        sleepMs(5);
    }
    poller.join();
    EXPECT_GT(took, 0.15);
}

TEST(NativeSound, LoopedChannelRepeatsBeforeItCompletes) {
    Sound s;
    auto w = wav(3, 2, 44100, 0.2);
    Value sound = s.fromData(byteArray(w), static_cast<int>(w.size()), false);
    Value channel = s.create(sound, 0.0, 3, Value());
    auto t0 = Clock::now();
    double last = 0;
    int wraps = 0;
    while (!s.isComplete(channel).toBool() && seconds(t0) < 5) {
        double p = s.getPosition(channel).toFloat();
        if (p < last) ++wraps;
        last = p;
        sleepMs(5);
    }
    EXPECT_TRUE(s.isComplete(channel).toBool());
    EXPECT_EQ(wraps, 2);
    EXPECT_GT(seconds(t0), 0.5);
}

TEST(NativeSound, PositionReadAtAPauseRestartsThere) {
    Sound s;
    auto tone = ogg(2.0);
    for (bool music : {false, true}) {
        Value sound = s.fromData(byteArray(tone), static_cast<int>(tone.size()), music);
        Value channel = s.create(sound, 0.0, 0, Value());
        sleepMs(300);
        double paused = s.getPosition(channel).toFloat();
        s.stop(channel);
        EXPECT_GT(paused, 150) << music;
        EXPECT_LT(paused, 1500) << music;
        EXPECT_FALSE(s.isComplete(channel).toBool());

        Value resumed = s.create(sound, paused, 0, Value());
        double at = s.getPosition(resumed).toFloat();
        EXPECT_GE(at, paused - 0.05) << music;
        EXPECT_LT(at, paused + 100) << music;
        sleepMs(100);
        EXPECT_GT(s.getPosition(resumed).toFloat(), paused + 20) << music;

        EXPECT_NEAR(s.setPosition(resumed, 1900.0).toFloat(), 1900, 0.05) << music;
        EXPECT_NEAR(s.setPosition(resumed, 99999.0).toFloat(), 2000, 0.05) << music;
        EXPECT_GT(waitComplete(s, resumed), 0) << music;

        // Past the end: nothing to play, complete at once.
        Value late = s.create(sound, 2500.0, 0, Value());
        EXPECT_TRUE(s.isComplete(late).toBool());
    }
}

TEST(NativeSound, VolumeAndPanReachTheMixedSamples) {
    Sound s;
    auto w = wav(3, 2, 44100, 3.0, 0.5);
    Value sound = s.fromData(byteArray(w), static_cast<int>(w.size()), false);
    Value channel = s.create(sound, 0.0, 0, transform(0.5, 1));
    sleepMs(120);
    EXPECT_NEAR(s.getLeft(channel).toFloat(), 0.0, 0.01);
    EXPECT_NEAR(s.getRight(channel).toFloat(), 0.25, 0.01);

    s.setTransform(channel, transform(1, -1));
    sleepMs(120);
    EXPECT_NEAR(s.getLeft(channel).toFloat(), 0.5, 0.01);
    EXPECT_NEAR(s.getRight(channel).toFloat(), 0.0, 0.01);

    s.setTransform(channel, transform(0.8, 0.5));
    sleepMs(120);
    EXPECT_NEAR(s.getLeft(channel).toFloat(), 0.2, 0.01);
    EXPECT_NEAR(s.getRight(channel).toFloat(), 0.4, 0.01);
    s.stop(channel);
}

TEST(NativeSound, ClosingASoundKeepsItsChannelsPlaying) {
    Sound s;
    auto w = wav(3, 2, 44100, 0.2);
    Value sound = s.fromData(byteArray(w), static_cast<int>(w.size()), false);
    Value channel = s.create(sound, 0.0, 0, Value());
    s.close(sound);
    EXPECT_TRUE(s.create(sound, 0.0, 0, Value()).isNull());
    EXPECT_GT(waitComplete(s, channel), 0.1);
}

TEST(NativeSound, GeneratedSoundAsksForDataAndEndsWhenNoneComes) {
    Sound s;
    auto block = [](int frames, float v) {
        std::vector<float> f(static_cast<std::size_t>(frames) * 2, v);
        std::vector<uint8_t> b(f.size() * 4);
        if (!b.empty()) std::memcpy(b.data(), f.data(), b.size());
        return byteArray(b);
    };
    EXPECT_TRUE(s.createDynamic(block(0, 0), Value()).isNull());

    Value channel = s.createDynamic(block(2048, 0.25f), transform(1, 0));
    ASSERT_TRUE(channel.isObject());
    EXPECT_TRUE(s.needsData(channel).toBool());
    // Feed 0.3 s in blocks, the way the stage's poll does.
    int fed = 0;
    auto t0 = Clock::now();
    while (fed < 6 && seconds(t0) < 5) {
        if (s.needsData(channel).toBool()) {
            s.addData(channel, block(2048, 0.25f));
            ++fed;
        }
        sleepMs(1);
    }
    sleepMs(60);
    EXPECT_NEAR(s.getLeft(channel).toFloat(), 0.25, 1e-6);
    double consumed = s.getDataPosition(channel).toFloat();
    EXPECT_GT(consumed, 1000);
    EXPECT_LE(consumed, 7 * 2048);
    EXPECT_FALSE(s.isComplete(channel).toBool());
    // Asked, and nothing comes: the queued samples play out and the channel ends.
    for (auto t1 = Clock::now(); !s.needsData(channel).toBool() && seconds(t1) < 5;) sleepMs(1);
    EXPECT_GT(waitComplete(s, channel), 0);
    EXPECT_EQ(s.getDataPosition(channel).toFloat(), 7 * 2048);
}
