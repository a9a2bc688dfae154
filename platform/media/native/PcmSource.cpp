#include "PcmSource.h"

#include <algorithm>
#include <cstring>

namespace media {

int PcmSource::read(float* stereo, int maxFrames) {
    int64_t n = std::clamp<int64_t>(pcm_->frames() - at_, 0, std::max(maxFrames, 0));
    if (n > 0) std::memcpy(stereo, pcm_->samples.data() + at_ * 2, static_cast<std::size_t>(n) * 2 * sizeof(float));
    at_ += n;
    return static_cast<int>(n);
}

bool PcmSource::seek(int64_t frame) {
    at_ = std::clamp<int64_t>(frame, 0, pcm_->frames());
    return true;
}

}  // namespace media
