#pragma once
// One playing channel inside the mixer. Reads its source, resampling it to the output rate and
// by its pitch, repeats it for its passes, applies volume, pan and cross gains, and records its
// position and peaks. complete(), stopped() and the peaks may be read from any thread; every
// other call needs the mixer's lock (Mixer::mutex).
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "SampleSource.h"

namespace media {

class Voice {
public:
    struct Gains {
        double volume = 1;
        double pan = 0;  // -1 left .. 1 right
        // All four 0 (a transform's usual state): left stays left, right stays right.
        double leftToLeft = 0;
        double leftToRight = 0;
        double rightToLeft = 0;
        double rightToRight = 0;
    };

    // Plays the source from startFrame, `passes` times in all (at least once); every repeat
    // starts again at startFrame.
    Voice(std::unique_ptr<SampleSource> source, int64_t startFrame, int passes);

    void setGains(const Gains& gains);
    // Playback speed factor; values that are not finite and positive are ignored.
    void setPitch(double pitch);
    double pitch() const { return pitch_; }

    // Adds `frames` stereo frames at outRate to out.
    void mixInto(float* out, int frames, int outRate);

    // The source frame now playing, within the current pass.
    int64_t position() const;
    // Moves within the current pass (clamped to the source); answers the resulting position.
    int64_t seek(int64_t frame);
    // Ends playback without completing.
    void stop() { stopped_.store(true, std::memory_order_release); }

    bool complete() const { return complete_.load(std::memory_order_acquire); }
    bool stopped() const { return stopped_.load(std::memory_order_acquire); }
    bool finished() const { return complete() || stopped(); }
    // Highest absolute output level of each side over the last mixed block.
    float leftPeak() const { return peakLeft_.load(std::memory_order_relaxed); }
    float rightPeak() const { return peakRight_.load(std::memory_order_relaxed); }

    SampleSource& source() { return *source_; }
    int rate() const { return source_->rate(); }

private:
    enum class Fetch { OK, END, STARVED };
    enum class Settle { READY, DONE, STARVED };
    Fetch fetch(float& l, float& r, int64_t& index);
    // Brings the cursor's frame and its successor in; DONE once past the last frame.
    Settle settle();
    void finish();

    static constexpr int CHUNK = 1024;

    std::unique_ptr<SampleSource> source_;
    int64_t startFrame_;
    int passesLeft_;  // repeats after the current pass
    double pitch_ = 1;
    // Output matrix: outL = ll*inL + rl*inR, outR = lr*inL + rr*inR.
    float ll_ = 1, rl_ = 0, lr_ = 0, rr_ = 1;

    std::vector<float> chunk_;
    int chunkLen_ = 0;
    int chunkPos_ = 0;
    int64_t readIndex_;  // source frame the next fetch answers

    bool primed_ = false;
    bool haveNext_ = false;
    bool atEnd_ = false;
    float curL_ = 0, curR_ = 0, nextL_ = 0, nextR_ = 0;
    int64_t curIndex_ = 0, nextIndex_ = 0;
    double frac_ = 0;
    int64_t endPosition_ = 0;

    std::atomic<bool> complete_{false};
    std::atomic<bool> stopped_{false};
    std::atomic<float> peakLeft_{0};
    std::atomic<float> peakRight_{0};
};

}  // namespace media
