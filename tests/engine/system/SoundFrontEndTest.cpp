// The sound front end and engine sounds over the fake back end: saved preferences, global
// volume and mute reaching the channels, recycling, music across switches, pause and focus,
// completion and fades.
#include "../EngineFixture.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/util/EngSave.h"
#include "framework/media/Sound.h"
#include "framework/media/SoundChannel.h"
#include "platform/system/FileSystem.h"

using engine::EngG;
using engine::EngSound;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class SoundFrontEndTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        std::system(("rm -rf '" + storageDir() + "'").c_str());
        auto& fake = media::FakeMediaModule::get();
        fake.returns("media_native_sound_from_data", Value(make<runtime::DynamicObject>()));
        fake.on("media_native_sound_channel_create",
                [](const std::vector<Value>&) { return Value(make<runtime::DynamicObject>()); });
        startGame<engine::EngState>();
        sound = EngG::sound.get();
        sound->_soundCache["fx"] = loadedSound();
    }
    void TearDown() override {
        EngineFixture::TearDown();
        std::system(("rm -rf '" + storageDir() + "'").c_str());
    }
    static Ref<framework::Sound> loadedSound() {
        auto s = make<framework::Sound>();
        s->loadCompressedDataFromByteArray(make<framework::ByteArray>(4), 4);
        return s;
    }
    static void complete(const Ref<EngSound>& s) {
        s->_channel->dispatchEvent(make<framework::Event>(framework::Event::SOUND_COMPLETE));
    }
    engine::SoundFrontEnd* sound = nullptr;
};
}  // namespace

TEST_F(SoundFrontEndTest, SavedPreferences) {
    EXPECT_DOUBLE_EQ(make<engine::SoundFrontEnd>()->volume, 1);
    EXPECT_DOUBLE_EQ(sound->volume, 0.5);  // the engine save holds no "volume"
    EXPECT_FALSE(sound->muted);
    EngG::save->data->setField("volume", 2);
    EngG::save->data->setField("mute", true);
    ASSERT_TRUE(EngG::save->flush());
    auto fresh = make<engine::EngSave>();
    fresh->bind("engine");
    EngG::save = fresh;
    sound->loadSavedPrefs();
    EXPECT_DOUBLE_EQ(sound->volume, 1);
    EXPECT_TRUE(sound->muted);
}

TEST_F(SoundFrontEndTest, GlobalVolumeAndMuteReachPlayingChannels) {
    sound->set_volume(0.5);
    Ref<EngSound> s = sound->play("fx", 0.8);
    ASSERT_TRUE(s->get_playing());
    EXPECT_DOUBLE_EQ(s->_transform->volume, 0.4);
    sound->muted = true;
    frame(17);
    EXPECT_DOUBLE_EQ(s->_transform->volume, 0);
    EXPECT_DOUBLE_EQ(s->get_volume(), 0.8);
    EXPECT_DOUBLE_EQ(s->getActualVolume(), 0.8);
    auto setTransform = media::FakeMediaModule::get().callsTo("media_native_sound_channel_set_transform");
    ASSERT_FALSE(setTransform.empty());
    EXPECT_DOUBLE_EQ(setTransform.back().args[1].field("volume").toFloat(), 0);
    s->set_volume(1.5);
    EXPECT_DOUBLE_EQ(s->get_volume(), 1);
    s->set_volume(-2);
    EXPECT_DOUBLE_EQ(s->get_volume(), 0);
    s->set_pan(3);
    EXPECT_DOUBLE_EQ(s->get_pan(), 3);  // pan is not clamped
}

TEST_F(SoundFrontEndTest, EffectsAreRecycledOnceFinished) {
    Ref<EngSound> a = sound->play("fx");
    Ref<EngSound> b = sound->play("fx");
    EXPECT_NE(a, b);
    int done = 0;
    Ref<EngSound> c = sound->play("fx", 1, false, true, runtime::Function::of([&] { ++done; }));
    complete(c);
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(c->exists);  // auto-destroyed, free for the next play
    EXPECT_EQ(sound->play("fx"), c);
    EXPECT_EQ(sound->list->length, 3);

    // Without auto-destroy a finished sound stays, inactive, at position 0.
    Ref<EngSound> kept = sound->load(Value(loadedSound()), 1, false, false, true);
    complete(kept);
    EXPECT_TRUE(kept->exists);
    EXPECT_FALSE(kept->active);
    EXPECT_EQ(sound->load(), nullptr);

    // A looped sound restarts from 0 with 9999 native loops.
    Ref<EngSound> loop = sound->load(Value(loadedSound()), 1, true, false, true);
    auto creates = media::FakeMediaModule::get().callsTo("media_native_sound_channel_create");
    EXPECT_EQ(creates.back().args[2].toInt(), 9999);
    complete(loop);
    EXPECT_TRUE(loop->get_playing());

    // An id that names no sound leaves nothing playing and its sound free again.
    Ref<EngSound> none = sound->play("no-such-sound");
    EXPECT_FALSE(none->get_playing());
    EXPECT_FALSE(none->exists);
    EXPECT_TRUE(sound->_soundCache.count("no-such-sound"));
}

TEST_F(SoundFrontEndTest, MusicPersistsAcrossSwitchesButNotResets) {
    sound->playMusic(Value(loadedSound()), 0.7);
    Ref<EngSound> music = sound->music;
    Ref<EngSound> fx = sound->play("fx");
    EngG::switchState(make<engine::EngState>());
    frame(17);
    EXPECT_EQ(sound->music, music);
    EXPECT_TRUE(music->get_playing());
    EXPECT_FALSE(fx->exists);
    // playMusic again stops and restarts the same object.
    sound->playMusic(Value(loadedSound()));
    EXPECT_EQ(sound->music, music);
    EXPECT_TRUE(music->get_playing());
    EngG::resetGame();
    frame(17);
    EXPECT_EQ(sound->music, nullptr);
}

TEST_F(SoundFrontEndTest, PauseResumeAndFocus) {
    Ref<EngSound> a = sound->play("fx");
    Ref<EngSound> b = sound->play("fx");
    b->pause();
    EXPECT_TRUE(b->_paused);
    EXPECT_FALSE(b->get_playing());
    sound->pause();
    sound->resume();
    EXPECT_TRUE(a->get_playing());
    EXPECT_TRUE(b->get_playing());  // resume also resumes one paused on its own

    b->pause();
    sound->onFocusLost();
    sound->onFocus();
    EXPECT_TRUE(a->get_playing());
    EXPECT_FALSE(b->get_playing());  // paused before the focus left: stays paused
    b->play();
    EXPECT_TRUE(b->get_playing());

    // stop with auto-destroy ends the sound; play with force restarts.
    a->play(true);
    EXPECT_TRUE(a->get_playing());
    a->stop();
    EXPECT_FALSE(a->exists);
    a->play();
    EXPECT_FALSE(a->get_playing());
}

TEST_F(SoundFrontEndTest, FadesRunOnTheTweenManagerAndEndWithTheState) {
    Ref<EngSound> s = sound->play("fx");
    s->fadeOut(0.032);
    frame(17);
    EXPECT_DOUBLE_EQ(s->get_volume(), 0.5);
    frame(17);
    EXPECT_DOUBLE_EQ(s->get_volume(), 0);
    EXPECT_TRUE(s->get_playing());  // a fade does not stop the sound
    s->fadeIn(1, 0, 1);
    frame(17);
    EXPECT_NEAR(s->get_volume(), 0.016, 1e-12);
    EngG::switchState(make<engine::EngState>());  // drops every tween (and the sound)
    frame(17);
    frame(17);
    EXPECT_FALSE(s->exists);
}
