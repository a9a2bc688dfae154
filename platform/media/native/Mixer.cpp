#include "Mixer.h"

#include <algorithm>

namespace media {

void Mixer::add(std::shared_ptr<Voice> voice) {
    if (!voice) return;
    std::lock_guard lock(mutex_);
    voices_.push_back(std::move(voice));
}

void Mixer::mix(float* out, int frames) {
    std::fill(out, out + static_cast<std::ptrdiff_t>(frames) * 2, 0.0f);
    std::lock_guard lock(mutex_);
    for (auto& v : voices_) v->mixInto(out, frames, rate_);
    std::erase_if(voices_, [](const std::shared_ptr<Voice>& v) { return v->finished(); });
    for (int i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

std::size_t Mixer::voiceCount() const {
    std::lock_guard lock(mutex_);
    return voices_.size();
}

}  // namespace media
