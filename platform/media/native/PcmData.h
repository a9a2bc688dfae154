#pragma once
// Decoded sound: stereo frames (interleaved floats) at a sample rate. Shared read-only by every
// channel that plays it.
#include <cstdint>
#include <memory>
#include <vector>

namespace media {

class SampleSource;

class PcmData {
public:
    int rate = 44100;
    std::vector<float> samples;

    int64_t frames() const { return static_cast<int64_t>(samples.size() / 2); }
    // Reads the whole source from its current position.
    static std::shared_ptr<PcmData> readAll(SampleSource& source);
};

}  // namespace media
