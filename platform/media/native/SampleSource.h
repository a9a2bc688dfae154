#pragma once
// A stream of stereo sample frames (interleaved 32-bit floats, -1..1) at the source's own rate.
#include <cstdint>

namespace media {

class SampleSource {
public:
    virtual ~SampleSource() = default;
    virtual int rate() const = 0;
    // Reads up to maxFrames frames from the current position; 0 when nothing is there.
    virtual int read(float* stereo, int maxFrames) = 0;
    // Moves to a frame; false when the source cannot seek.
    virtual bool seek(int64_t frame) = 0;
    // Total frames, or -1 when not known.
    virtual int64_t frames() const = 0;
    // After a read gave 0: true when the source has ended, false when more may still arrive.
    virtual bool ended() const { return true; }
};

}  // namespace media
