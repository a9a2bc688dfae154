#pragma once
// Samples written by the framework's listeners for a generated sound: 32-bit float
// little-endian stereo frames at 44100 Hz, queued as they arrive. Once more samples were asked
// for (wantsData) and none came before the queue ran dry, the sound has ended; an empty queue
// that nobody asked to refill only waits.
#include <cstdint>
#include <vector>

#include "SampleSource.h"

namespace media {

class GeneratedSource : public SampleSource {
public:
    static constexpr int RATE = 44100;
    static constexpr int BYTES_PER_FRAME = 8;
    // Fewer frames than this waiting: more are wanted.
    static constexpr int64_t LOW_WATER = 8192;

    // Queues the whole frames among the bytes; answers the frames queued.
    int64_t append(const uint8_t* bytes, std::size_t count);
    // True when the queue runs low; the request stays open until the next append.
    bool wantsData();
    // Frames taken from the queue so far.
    int64_t consumed() const { return consumed_; }
    int64_t queued() const { return static_cast<int64_t>((queue_.size() - head_) / 2); }

    int rate() const override { return RATE; }
    int read(float* stereo, int maxFrames) override;
    bool seek(int64_t) override { return false; }
    int64_t frames() const override { return -1; }
    bool ended() const override { return requested_; }

private:
    std::vector<float> queue_;
    std::size_t head_ = 0;
    int64_t consumed_ = 0;
    bool requested_ = false;
};

}  // namespace media
