#include "framework/media/Sound.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "framework/errors/Error.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/events/SampleDataEvent.h"
#include "framework/media/AudioThreadState.h"
#include "framework/media/SoundChannel.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
Value handleObject() { return Value(make<runtime::DynamicObject>()); }

Ref<runtime::Function> recorder(std::vector<std::string>& log, const std::string& what) {
    return runtime::Function::of([&log, what](const Value&) { log.push_back(what); });
}

class SoundTest : public ::testing::Test {
protected:
    media::FakeMediaModule& fake = media::FakeMediaModule::get();

    void SetUp() override {
        fake.reset();
        // Drop whatever earlier tests left watched.
        for (auto& c : SoundChannel::incompleteList_()) c->stop();
        SoundChannel::pollComplete_();
        fake.reset();
        SoundChannel::dynamicSoundCount_ = 0;
    }
    void TearDown() override { runtime::Trace::setHandler(nullptr); }

    // A sound whose data the fake accepted.
    Ref<Sound> loadedSound(bool music = false) {
        auto s = make<Sound>(nullptr, nullptr, music);
        fake.returns("media_native_sound_from_data", handleObject());
        s->loadCompressedDataFromByteArray(make<ByteArray>(4), 4);
        return s;
    }
    // Each channel_create answers a new handle object.
    void newHandlePerChannel() {
        fake.on("media_native_sound_channel_create", [](const std::vector<Value>&) { return handleObject(); });
    }
};
}  // namespace

TEST_F(SoundTest, PcmHeaderBuiltAroundTheData) {
    struct Case {
        const char* format;
        bool stereo;
        double rate;
        int code, channels, intRate, byteRate, blockAlign, bits;
    };
    const Case cases[] = {
        {"float", true, 44100, 3, 2, 44100, 352800, 8, 32},
        {"short", false, 22050.7, 1, 1, 22050, 44100, 2, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        fake.reset();
        Ref<ByteArray> wav;
        fake.on("media_native_sound_from_data", [&](const std::vector<Value>& args) {
            wav = Ref<ByteArray>(args[0].as<ByteArray>());
            EXPECT_EQ(args[1].toInt(), 1044);
            EXPECT_FALSE(args[2].toBool());
            return handleObject();
        });
        auto pcm = make<ByteArray>(1000);
        pcm->set_(0, 0xAB);
        pcm->set_(999, 0xCD);
        pcm->position = 500;  // the whole content is used whatever the position
        auto s = make<Sound>();
        s->loadPCMFromByteArray(pcm, 1, c.format, c.stereo, c.rate);
        ASSERT_TRUE(wav);
        EXPECT_EQ(wav->length(), 1044);
        EXPECT_EQ(wav->position, 0);
        wav->set_endian("littleEndian");
        EXPECT_EQ(wav->readUTFBytes(4), runtime::String("RIFF"));
        EXPECT_EQ(wav->readInt(), 1036);
        EXPECT_EQ(wav->readUTFBytes(8), runtime::String("WAVEfmt "));
        EXPECT_EQ(wav->readInt(), 16);
        EXPECT_EQ(wav->readShort(), c.code);
        EXPECT_EQ(wav->readShort(), c.channels);
        EXPECT_EQ(wav->readInt(), c.intRate);
        EXPECT_EQ(wav->readInt(), c.byteRate);
        EXPECT_EQ(wav->readShort(), c.blockAlign);
        EXPECT_EQ(wav->readShort(), c.bits);
        EXPECT_EQ(wav->readUTFBytes(4), runtime::String("data"));
        EXPECT_EQ(wav->readInt(), 1000);
        EXPECT_EQ(wav->get_(44), 0xAB);
        EXPECT_EQ(wav->get_(1043), 0xCD);
        EXPECT_EQ(s->bytesLoaded, 1044);
    }

    fake.reset();
    auto s = make<Sound>();
    try {
        s->loadPCMFromByteArray(make<ByteArray>(8), 2, "double");
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        auto* e = t.value().as<Error>();
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->message, runtime::String("Unsupported format double"));
    }
    EXPECT_EQ(fake.count("media_native_sound_from_data"), 0);
    EXPECT_TRUE(s->handle_.isNull());
}

TEST_F(SoundTest, CompressedDataThatCannotBeDecoded) {
    auto s = make<Sound>();
    try {
        s->loadCompressedDataFromByteArray(make<ByteArray>(4), 1234);
        FAIL() << "no error";
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Could not load buffer with length: 1234");
    }
    EXPECT_EQ(s->bytesLoaded, 1234);
    EXPECT_EQ(s->bytesTotal, 1234);
    EXPECT_EQ(s->get_length(), 0);
}

TEST_F(SoundTest, MissingFileTracesAndSendsIoError) {
    std::vector<std::string> traces;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position&) { traces.push_back(v.toText()); });
    std::vector<std::string> log;
    auto s = make<Sound>();
    s->addEventListener(IOErrorEvent::IO_ERROR, recorder(log, "ioError"));
    s->addEventListener(Event::COMPLETE, recorder(log, "complete"));
    s->load(make<URLRequest>("sounds/missing.ogg"));
    EXPECT_EQ(log, std::vector<std::string>{"ioError"});
    EXPECT_EQ(traces, std::vector<std::string>{"Error: Could not load \"sounds/missing.ogg\""});
    EXPECT_TRUE(s->url.isNull());
    EXPECT_TRUE(s->play()->handle().isNull());
}

TEST_F(SoundTest, CompleteBeforeLoadReturns) {
    fake.returns("media_native_sound_from_file", handleObject());
    fake.returns("media_native_sound_get_status",
                 Value(make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, Value>>{
                     {"bytesLoaded", 5}, {"bytesTotal", 10}, {"error", Value()}})));
    bool inside = false;
    bool completeSeenInside = false;
    auto s = make<Sound>();
    s->addEventListener(Event::COMPLETE, runtime::Function::of([&](const Value&) { completeSeenInside = inside; }));
    inside = true;
    s->load(make<URLRequest>("music.ogg"), nullptr, true);
    inside = false;
    EXPECT_TRUE(completeSeenInside);
    EXPECT_EQ(s->url, runtime::String("music.ogg"));
    EXPECT_EQ(s->bytesLoaded, 5);
    EXPECT_EQ(s->bytesTotal, 10);
    EXPECT_FALSE(s->get_isBuffering());
    EXPECT_EQ(s->audioType_, InternalAudioType::SOUND);  // the flag of load does not change the type
    auto calls = fake.callsTo("media_native_sound_from_file");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[0].str(), "music.ogg");
    EXPECT_TRUE(calls[0].args[1].toBool());

    fake.returns("media_native_sound_get_length", 1500.0);
    EXPECT_EQ(s->get_length(), 1500.0);
    s->close();
    EXPECT_EQ(fake.count("media_native_sound_close"), 1);
    EXPECT_EQ(s->get_length(), 0);
    auto id3 = s->get_id3();
    EXPECT_TRUE(id3->album.isNull());
    EXPECT_TRUE(id3->year.isNull());
}

TEST_F(SoundTest, ChannelsFinishingInOnePollLaterCreatedFirst) {
    auto s = loadedSound();
    newHandlePerChannel();
    std::vector<std::string> log;
    auto first = s->play(250, 2);
    auto second = s->play();
    first->addEventListener(Event::SOUND_COMPLETE, recorder(log, "first"));
    second->addEventListener(Event::SOUND_COMPLETE, recorder(log, "second"));
    auto create = fake.callsTo("media_native_sound_channel_create");
    ASSERT_EQ(create.size(), 2u);
    EXPECT_EQ(create[0].args[1].toFloat(), 250);
    EXPECT_EQ(create[0].args[2].toInt(), 2);
    EXPECT_TRUE(SoundChannel::completePending_());

    fake.returns("media_native_sound_channel_is_complete", false);
    SoundChannel::pollComplete_();
    EXPECT_TRUE(log.empty());

    fake.returns("media_native_sound_channel_is_complete", true);
    SoundChannel::pollComplete_();
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    EXPECT_FALSE(SoundChannel::completePending_());
    EXPECT_TRUE(first->handle().isNull());
    EXPECT_FALSE(first->soundInstance_);
    SoundChannel::pollComplete_();
    EXPECT_EQ(log.size(), 2u);  // once only
}

TEST_F(SoundTest, StopSendsNoEvent) {
    auto s = loadedSound();
    newHandlePerChannel();
    std::vector<std::string> log;
    auto channel = s->play();
    channel->addEventListener(Event::SOUND_COMPLETE, recorder(log, "complete"));
    Value h = channel->handle();
    channel->stop();
    channel->stop();
    auto stops = fake.callsTo("media_native_sound_channel_stop");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].args[0].object(), h.object());
    EXPECT_TRUE(stops[1].args[0].isNull());
    EXPECT_TRUE(SoundChannel::completePending_());  // until the next poll
    fake.returns("media_native_sound_channel_is_complete", true);
    SoundChannel::pollComplete_();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(SoundChannel::completePending_());
    EXPECT_EQ(fake.count("media_native_sound_channel_is_complete"), 0);
}

TEST_F(SoundTest, EmptySoundGivesSilentChannel) {
    auto s = make<Sound>();
    auto channel = s->play();
    ASSERT_TRUE(channel);
    EXPECT_EQ(fake.count("media_native_sound_channel_create"), 0);
    EXPECT_FALSE(SoundChannel::completePending_());
    channel->get_position();
    EXPECT_TRUE(fake.callsTo("media_native_sound_channel_get_position")[0].args[0].isNull());
    EXPECT_EQ(channel->soundInstance_.get(), s.get());
}

TEST_F(SoundTest, ListenerPlayingAgainIsTestedNextTick) {
    auto s = loadedSound();
    newHandlePerChannel();
    Ref<SoundChannel> again;
    auto channel = s->play();
    channel->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) { again = s->play(); }));
    fake.returns("media_native_sound_channel_is_complete", true);
    SoundChannel::pollComplete_();
    ASSERT_TRUE(again);
    EXPECT_EQ(fake.count("media_native_sound_channel_is_complete"), 1);
    auto watched = SoundChannel::incompleteList_();
    ASSERT_EQ(watched.size(), 1u);
    EXPECT_EQ(watched[0].get(), again.get());
}

TEST_F(SoundTest, TransformsAndPitch) {
    auto s = loadedSound();
    newHandlePerChannel();
    auto given = make<SoundTransform>(0.5, -1);
    given->leftToRight = 0.7;
    auto channel = s->play(0, 0, given);
    auto* passed = fake.callsTo("media_native_sound_channel_create")[0].args[3].as<SoundTransform>();
    ASSERT_NE(passed, nullptr);
    EXPECT_NE(passed, given.get());
    EXPECT_EQ(passed->volume, 0.5);
    EXPECT_EQ(passed->pan, -1);
    EXPECT_EQ(passed->leftToRight, 0);

    auto t = channel->get_soundTransform();
    t->volume = 0.1;
    EXPECT_EQ(channel->get_soundTransform()->volume, 0.5);
    EXPECT_EQ(fake.count("media_native_sound_channel_set_transform"), 0);
    EXPECT_EQ(channel->set_soundTransform(t).get(), t.get());
    EXPECT_EQ(fake.callsTo("media_native_sound_channel_set_transform")[0].args[1].as<SoundTransform>()->volume, 0.1);

    EXPECT_EQ(channel->get_pitch(), 1);
    channel->set_pitch(1.5);
    EXPECT_EQ(channel->get_pitch(), 1.5);
    EXPECT_EQ(fake.count("media_native_sound_channel_set_pitch"), 1);
    channel->stop();
}

TEST_F(SoundTest, GeneratedSoundFeedsOneBlockAhead) {
    auto s = make<Sound>();
    int asked = 0;
    s->addEventListener(SampleDataEvent::SAMPLE_DATA, runtime::Function::of([&](const Value& e) {
        auto* ev = e.as<SampleDataEvent>();
        EXPECT_FALSE(ev->data->bigEndian);
        ev->data->writeByte(++asked);
    }));
    EXPECT_TRUE(s->dynamicSound_);
    fake.returns("media_native_sound_channel_create_dynamic", handleObject());
    auto channel = s->play();
    EXPECT_EQ(asked, 2);  // one block from play, the next at once
    EXPECT_EQ(SoundChannel::dynamicSoundCount_, 1);
    EXPECT_TRUE(s->handle_.isNull());
    EXPECT_EQ(fake.callsTo("media_native_sound_channel_create_dynamic")[0].args[0].as<ByteArray>()->get_(0), 1);

    fake.returns("media_native_sound_channel_needs_data", true);
    SoundChannel::pollComplete_();
    EXPECT_EQ(asked, 3);
    auto added = fake.callsTo("media_native_sound_channel_add_data");
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].args[1].as<ByteArray>()->get_(0), 2);

    fake.returns("media_native_sound_channel_needs_data", false);
    fake.returns("media_native_sound_channel_is_complete", true);
    SoundChannel::pollComplete_();
    EXPECT_EQ(SoundChannel::dynamicSoundCount_, 0);

    // A sound with data refuses generation, though the listener stays registered.
    auto loaded = loadedSound();
    auto listener = runtime::Function::of([](const Value&) {});
    EXPECT_THROW(loaded->addEventListener(SampleDataEvent::SAMPLE_DATA, listener), runtime::Thrown);
    EXPECT_TRUE(loaded->hasEventListener(SampleDataEvent::SAMPLE_DATA));

    // A listener that writes nothing gives a silent channel.
    auto quiet = make<Sound>();
    quiet->addEventListener(SampleDataEvent::SAMPLE_DATA, runtime::Function::of([](const Value&) {}));
    EXPECT_TRUE(quiet->play()->handle().isNull());
}

TEST_F(SoundTest, MusicChannelCompletesOnTheAudioThread) {
    auto s = loadedSound(true);
    EXPECT_EQ(s->audioType_, InternalAudioType::MUSIC);
    newHandlePerChannel();
    std::atomic<bool> done{false};
    std::thread::id deliveredOn;
    auto channel = s->play();
    channel->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) {
        deliveredOn = std::this_thread::get_id();
        done = true;
    }));
    fake.returns("media_native_sound_channel_is_complete", true);
    SoundChannel::pollComplete_();  // starts the thread and registers the channel
    ASSERT_NE(SoundChannel::audioState_, nullptr);
    auto start = std::chrono::steady_clock::now();
    while (!done && std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(done);
    EXPECT_NE(deliveredOn, std::this_thread::get_id());
    EXPECT_TRUE(SoundChannel::completePending_());  // until the main thread's next poll
    while (!channel->thread_completed_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    SoundChannel::pollComplete_();
    EXPECT_FALSE(SoundChannel::completePending_());
    auto* state = SoundChannel::audioState_;

    // A second music channel reuses the thread. (The fake is only touched by one thread at a time:
    // the main thread waits until the audio thread has marked the channel completed.)
    done = false;
    auto next = s->play();
    next->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) { done = true; }));
    SoundChannel::pollComplete_();
    while (!next->thread_completed_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(done);
    EXPECT_EQ(SoundChannel::audioState_, state);
    SoundChannel::pollComplete_();
    EXPECT_TRUE(SoundChannel::audioThreadIsIdle_);

    // Stopped before it was ever polled: the thread's list stays empty and nothing is sent.
    done = false;
    auto stopped = s->play();
    stopped->addEventListener(Event::SOUND_COMPLETE, runtime::Function::of([&](const Value&) { done = true; }));
    stopped->stop();
    SoundChannel::pollComplete_();
    EXPECT_FALSE(SoundChannel::completePending_());
    EXPECT_TRUE(state->channelList.empty());
    EXPECT_TRUE(SoundChannel::audioThreadIsIdle_);
    EXPECT_FALSE(done);
}
