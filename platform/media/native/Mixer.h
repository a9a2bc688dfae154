#pragma once
// Mixes any number of voices into one stereo float stream. The output device's thread calls
// mix(); everything that changes a voice holds mutex() while it does.
#include <memory>
#include <mutex>
#include <vector>

#include "Voice.h"

namespace media {

class Mixer {
public:
    static constexpr int DEFAULT_RATE = 44100;

    explicit Mixer(int rate = DEFAULT_RATE) : rate_(rate) {}

    int rate() const { return rate_; }
    std::mutex& mutex() const { return mutex_; }

    void add(std::shared_ptr<Voice> voice);
    // Writes `frames` stereo frames of the mix into out (replacing what was there), each sample
    // clipped to -1..1, and drops the voices that have finished.
    void mix(float* out, int frames);
    std::size_t voiceCount() const;

private:
    int rate_;
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<Voice>> voices_;
};

}  // namespace media
