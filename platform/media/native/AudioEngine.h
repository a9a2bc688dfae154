#pragma once
// The audio output: one SDL audio device (44100 Hz, stereo, float) whose thread pulls the
// mixer. Opened on first use; closed when the process exits. When no device opens, SDL's silent
// driver takes its place, so channels still play out and complete in time.
#include <SDL.h>

#include "Mixer.h"

namespace media {

class AudioEngine {
public:
    static AudioEngine& get();

    Mixer& mixer() { return mixer_; }
    // Opens the device when it is not open yet; false when not even the silent one opens.
    bool start();

private:
    AudioEngine() = default;
    bool open();
    static void SDLCALL fill(void* self, Uint8* stream, int len);
    static void closeAtExit();

    Mixer mixer_{Mixer::DEFAULT_RATE};
    SDL_AudioDeviceID device_ = 0;
    bool failed_ = false;
};

}  // namespace media
