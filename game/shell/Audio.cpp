#include "Audio.h"

#include <memory>

#include "Game.h"
#include "engine/EngG.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/assets/Assets.h"

namespace game {

using engine::EngG;
using engine::EngSound;
using runtime::Ref;
using runtime::String;

namespace {

Ref<EngSound> engineMusic() { return EngG::sound ? EngG::sound->music : nullptr; }

// Stops the intro with the engine's stop. An auto-destroying sound is reset by it and may be
// reused by the front end for another sound, so it is forgotten here.
void stopIntro() {
    if (!Audio::introSound) return;
    Ref<EngSound> intro = Audio::introSound;
    bool reused = intro->autoDestroy;
    intro->stop();
    if (reused) Audio::introSound = nullptr;
}

// Loads the track as the engine's music and plays it.
void startTrack(const String& name, double volume, bool loop) {
    Ref<framework::Sound> sound = framework::Assets::getSound(Audio::resolvePath(name, true), false);
    EngG::sound->playMusic(runtime::Value(sound), Audio::globalMusicVolume * volume, loop);
}

}  // namespace

String Audio::resolvePath(const String& name, bool music) {
    if (!music) return String("assets/audio/oggs/" + name.toText() + ".ogg");
    return String((Game::mobile ? "assets/audio/oggs/musicShort/" : "assets/audio/oggs/musicLong/") + name.toText() +
                  ".ogg");
}

void Audio::playSound(const String& name, double volume, bool looped, bool autoDestroy,
                      const Ref<runtime::Function>& onComplete, bool music) {
    if (!EngG::sound) return;
    if (!music) {
        EngG::sound->play(resolvePath(name), volume * globalSoundVolume, looped, autoDestroy, onComplete);
        return;
    }
    // When a sound that resets itself at its end completes, introSound lets go of it before the
    // front end can reuse it.
    auto played = std::make_shared<EngSound*>(nullptr);
    Ref<runtime::Function> done = onComplete;
    if (autoDestroy && !looped) {
        done = runtime::Function::of([onComplete, played] {
            if (onComplete) (*onComplete)();
            if (introSound && introSound.get() == *played) introSound = nullptr;
        });
    }
    introSound = EngG::sound->play(resolvePath(name, true), volume * globalMusicVolume, looped, autoDestroy, done);
    *played = introSound.get();
}

void Audio::playMusic(const String& name, const String& introName, double volume, bool loop) {
    if (!EngG::sound) return;
    if (name == musicPlaying) {
        if (Ref<EngSound> music = engineMusic()) music->set_volume(globalMusicVolume * volume);
        return;
    }
    if (Ref<EngSound> music = engineMusic()) {
        music->stop();
        music->destroy();
    }
    if (introSound) {
        Ref<EngSound> intro = introSound;
        introSound = nullptr;
        intro->destroy();
    }
    musicPlaying = name;
    if (name == "") return;
    musicVolume = volume;
    loopMusic = loop;
    if (!introName.isNull() && !(introName == "")) {
        loopToPlay = name;
        playSound(introName, volume, false, true, runtime::Function::of<&Audio::playMusicLoopAfterIntro>(), true);
        startTrack(name, volume, loop);
        if (Ref<EngSound> music = engineMusic()) music->stop();
    } else {
        startTrack(name, volume, loop);
    }
}

void Audio::playMusicLoopAfterIntro() {
    if (Ref<EngSound> music = engineMusic()) music->play();
}

double Audio::set_globalMusicVolume(double value) {
    globalMusicVolume = value;
    if (Ref<EngSound> music = engineMusic()) music->set_volume(value);
    if (introSound) Ref<EngSound>(introSound)->set_volume(value);
    return globalMusicVolume;
}

void Audio::fadeOutMusic(int frames) {
    if (globalMusicVolume == 0) return;
    globalMusicVolumeTemp = globalMusicVolume;
    fadeFrame = frames;
    totalFadeFrames = frames;
    fading = true;
}

void Audio::updateFade() {
    --fadeFrame;
    set_globalMusicVolume(static_cast<double>(fadeFrame) / totalFadeFrames * globalMusicVolumeTemp);
    if (fadeFrame <= 0) {
        if (Ref<EngSound> music = engineMusic()) music->stop();
        stopIntro();
        set_globalMusicVolume(globalMusicVolumeTemp);
        fading = false;
    }
}

}  // namespace game
