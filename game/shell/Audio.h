#pragma once
// All sound of the game: effects and music asked for by short names, played through the engine's
// sound front end at the player's global effect and music volumes; music as an optional intro
// followed by its loop, and a music fade-out counted in frames.
#include "engine/system/EngSound.h"

namespace game {

class Audio {
public:
    static inline double globalMusicVolume = 1.0;
    static inline double globalSoundVolume = 1.0;
    static inline bool fading = false;
    // The last intro (or other sound played with the music flag) while it may still play.
    static inline runtime::Ref<engine::EngSound> introSound;
    // The current track's name; "" means silence was asked for.
    static inline runtime::String musicPlaying;
    static inline runtime::String loopToPlay = "";
    static inline double musicVolume = 1.0;
    static inline bool loopMusic = true;
    static inline int fadeFrame = 0;
    static inline int totalFadeFrames = 0;
    static inline double globalMusicVolumeTemp = 0;

    // The asset id of an effect, or of a track with music.
    static runtime::String resolvePath(const runtime::String& name, bool music = false);
    static void playSound(const runtime::String& name, double volume = 1.0, bool looped = false, bool autoDestroy = true,
                          const runtime::Ref<runtime::Function>& onComplete = nullptr, bool music = false);
    // name loops; introName, when given, plays once before it. The name already playing only
    // gets the new volume.
    static void playMusic(const runtime::String& name, const runtime::String& introName = "", double volume = 1.0,
                          bool loop = true);
    static void playMusicLoopAfterIntro();
    static double set_globalMusicVolume(double value);
    static void fadeOutMusic(int frames);
    // One frame of the fade: the volume ramps linearly to 0, then the music stops and the
    // volume comes back.
    static void updateFade();
};

}  // namespace game
