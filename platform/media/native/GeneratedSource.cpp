#include "GeneratedSource.h"

#include <algorithm>
#include <cstring>

namespace media {

int64_t GeneratedSource::append(const uint8_t* bytes, std::size_t count) {
    std::size_t frames = count / BYTES_PER_FRAME;
    if (head_ > 0 && head_ * 2 >= queue_.size()) {
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }
    std::size_t at = queue_.size();
    queue_.resize(at + frames * 2);
    for (std::size_t i = 0; i < frames * 2; ++i) {
        const uint8_t* p = bytes + i * 4;
        uint32_t bits = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        float f;
        std::memcpy(&f, &bits, 4);
        queue_[at + i] = (f == f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
    }
    if (frames > 0) requested_ = false;
    return static_cast<int64_t>(frames);
}

bool GeneratedSource::wantsData() {
    if (queued() < LOW_WATER) requested_ = true;
    return requested_;
}

int GeneratedSource::read(float* stereo, int maxFrames) {
    int n = static_cast<int>(std::min<int64_t>(queued(), std::max(maxFrames, 0)));
    if (n > 0) std::memcpy(stereo, queue_.data() + head_, static_cast<std::size_t>(n) * 2 * sizeof(float));
    head_ += static_cast<std::size_t>(n) * 2;
    consumed_ += n;
    return n;
}

}  // namespace media
