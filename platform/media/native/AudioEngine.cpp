#include "AudioEngine.h"

#include <cstdio>
#include <cstdlib>

namespace media {

namespace {
constexpr int BUFFER_FRAMES = 1024;
}

AudioEngine& AudioEngine::get() {
    // Never destroyed: the device's thread may still run while statics are torn down.
    static AudioEngine* engine = new AudioEngine();
    return *engine;
}

bool AudioEngine::start() {
    if (device_ != 0) return true;
    if (failed_) return false;
    if (open()) return true;
    // No usable output: play silently in real time instead.
    std::fprintf(stderr, "media-native: no audio output (%s); playing silently\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (open()) return true;
    std::fprintf(stderr, "media-native: cannot start audio: %s\n", SDL_GetError());
    failed_ = true;
    return false;
}

bool AudioEngine::open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = mixer_.rate();
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = BUFFER_FRAMES;
    want.callback = &AudioEngine::fill;
    want.userdata = this;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);  // SDL converts to the device's format
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit(&AudioEngine::closeAtExit);
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SDLCALL AudioEngine::fill(void* self, Uint8* stream, int len) {
    auto* engine = static_cast<AudioEngine*>(self);
    engine->mixer_.mix(reinterpret_cast<float*>(stream), len / static_cast<int>(2 * sizeof(float)));
}

void AudioEngine::closeAtExit() {
    AudioEngine& e = get();
    if (e.device_ == 0) return;
    SDL_CloseAudioDevice(e.device_);
    e.device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace media
