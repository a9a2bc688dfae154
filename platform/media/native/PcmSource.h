#pragma once
// Plays decoded sound shared with other channels.
#include <memory>

#include "PcmData.h"
#include "SampleSource.h"

namespace media {

class PcmSource : public SampleSource {
public:
    explicit PcmSource(std::shared_ptr<const PcmData> pcm) : pcm_(std::move(pcm)) {}

    int rate() const override { return pcm_->rate; }
    int read(float* stereo, int maxFrames) override;
    bool seek(int64_t frame) override;
    int64_t frames() const override { return pcm_->frames(); }

private:
    std::shared_ptr<const PcmData> pcm_;
    int64_t at_ = 0;
};

}  // namespace media
