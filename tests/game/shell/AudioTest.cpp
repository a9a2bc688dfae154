// Sound and music by name: asset ids, volumes handed to the engine, music changes and the fade.
#include "GameFixture.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "game/shell/Audio.h"

using engine::EngG;
using game::Audio;

class AudioTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        // Every sound decodes to a native sound.
        media::FakeMediaModule::get().on("media_native_sound_from_data", [](const std::vector<runtime::Value>&) {
            return runtime::Value(runtime::make<runtime::DynamicObject>());
        });
        for (const char* name : {"assets/audio/oggs/stab.ogg", "assets/audio/oggs/musicLong/musicShopIntro.ogg",
                                 "assets/audio/oggs/musicLong/musicShopLoop.ogg",
                                 "assets/audio/oggs/musicLong/musicIceLoop.ogg"})
            embed(name, std::string("ogg ") + name);
        Audio::globalMusicVolume = Audio::globalSoundVolume = 1.0;
        Audio::fading = false;
        Audio::introSound = nullptr;
        Audio::musicPlaying = nullptr;
        Audio::fadeFrame = Audio::totalFadeFrames = 0;
    }

    void TearDown() override {
        Audio::introSound = nullptr;
        GameFixture::TearDown();
    }

    // The front end's sounds that are in use.
    std::vector<engine::EngSound*> liveSounds() {
        std::vector<engine::EngSound*> out;
        for (int i = 0; i < EngG::sound->list->length; ++i)
            if (auto* s = EngG::sound->soundAt(i); s && s->exists) out.push_back(s);
        return out;
    }
};

TEST_F(AudioTest, NamesResolveToTheirAssetIds) {
    EXPECT_EQ(Audio::resolvePath("rain", true).str(), "assets/audio/oggs/musicLong/rain.ogg");
    EXPECT_EQ(Audio::resolvePath("door").str(), "assets/audio/oggs/door.ogg");
}

TEST_F(AudioTest, EffectsAndMusicTakeTheirOwnGlobalVolume) {
    Audio::globalSoundVolume = 0.5;
    Audio::globalMusicVolume = 0.25;
    Audio::playSound("stab", 0.6);
    auto sounds = liveSounds();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_DOUBLE_EQ(sounds[0]->get_volume(), 0.3);
    EXPECT_TRUE(sounds[0]->autoDestroy);
    EXPECT_FALSE(Audio::introSound);

    Audio::playMusic("musicIceLoop", "", 0.8);
    ASSERT_TRUE(EngG::sound->music);
    EXPECT_DOUBLE_EQ(EngG::sound->music->get_volume(), 0.2);
    EXPECT_TRUE(EngG::sound->music->get_playing());
    EXPECT_EQ(Audio::musicPlaying.str(), "musicIceLoop");

    // The same name only takes the new volume; the setter reaches the running music.
    Audio::playMusic("musicIceLoop", "", 0.4);
    EXPECT_DOUBLE_EQ(EngG::sound->music->get_volume(), 0.1);
    EXPECT_DOUBLE_EQ(Audio::musicVolume, 0.8);
    EXPECT_EQ(Audio::set_globalMusicVolume(0.7), 0.7);
    EXPECT_DOUBLE_EQ(EngG::sound->music->get_volume(), 0.7);
}

TEST_F(AudioTest, AnIntroPlaysFirstAndTheLoopWaitsForItsEnd) {
    Audio::globalMusicVolume = 0.5;
    Audio::playMusic("musicShopLoop", "musicShopIntro");
    ASSERT_TRUE(Audio::introSound);
    EXPECT_TRUE(Audio::introSound->get_playing());
    EXPECT_DOUBLE_EQ(Audio::introSound->get_volume(), 0.5);
    ASSERT_TRUE(EngG::sound->music);
    EXPECT_FALSE(EngG::sound->music->get_playing());
    EXPECT_EQ(Audio::loopToPlay.str(), "musicShopLoop");

    // The intro ends: the loop starts, and the finished intro is let go before it is reused.
    Audio::introSound->_channel->dispatchEvent(runtime::make<framework::Event>(framework::Event::SOUND_COMPLETE));
    EXPECT_TRUE(EngG::sound->music->get_playing());
    EXPECT_FALSE(Audio::introSound);

    // Silence: the music stops; asking for it again changes nothing.
    Audio::playMusic("");
    EXPECT_EQ(Audio::musicPlaying.str(), "");
    EXPECT_FALSE(EngG::sound->music->get_playing());
    Audio::playMusic("");
    EXPECT_EQ(Audio::musicPlaying.str(), "");
}

TEST_F(AudioTest, AFadeRampsDownOverItsFramesThenStopsAndRestoresTheVolume) {
    Audio::playMusic("musicIceLoop");
    Audio::fadeOutMusic(60);
    ASSERT_TRUE(Audio::fading);
    Audio::updateFade();
    EXPECT_DOUBLE_EQ(Audio::globalMusicVolume, 59.0 / 60);
    EXPECT_DOUBLE_EQ(EngG::sound->music->get_volume(), 59.0 / 60);
    for (int i = 2; i < 60; ++i) Audio::updateFade();
    EXPECT_TRUE(Audio::fading);
    EXPECT_DOUBLE_EQ(Audio::globalMusicVolume, 1.0 / 60);
    Audio::updateFade();
    EXPECT_FALSE(Audio::fading);
    EXPECT_DOUBLE_EQ(Audio::globalMusicVolume, 1.0);
    EXPECT_FALSE(EngG::sound->music->get_playing());

    // After the fade the same track is not restarted; another one is.
    Audio::playMusic("musicIceLoop");
    EXPECT_FALSE(EngG::sound->music->get_playing());
    Audio::playMusic("musicShopLoop");
    EXPECT_TRUE(EngG::sound->music->get_playing());

    // With the music volume at 0 there is no fade.
    Audio::set_globalMusicVolume(0);
    Audio::fadeOutMusic(30);
    EXPECT_FALSE(Audio::fading);
}
