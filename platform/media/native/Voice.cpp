#include "Voice.h"

#include <algorithm>
#include <cmath>

namespace media {

Voice::Voice(std::unique_ptr<SampleSource> source, int64_t startFrame, int passes)
    : source_(std::move(source)),
      startFrame_(std::max<int64_t>(startFrame, 0)),
      passesLeft_(std::max(passes, 1) - 1),
      chunk_(CHUNK * 2),
      readIndex_(startFrame_) {
    int64_t total = source_->frames();
    if (total >= 0 && startFrame_ >= total) {
        // Nothing to play from there, in any pass.
        startFrame_ = total;
        readIndex_ = total;
        endPosition_ = total;
        complete_.store(true, std::memory_order_release);
    } else if (startFrame_ > 0 && !source_->seek(startFrame_)) {
        startFrame_ = 0;
        readIndex_ = 0;
    }
}

void Voice::setGains(const Gains& g) {
    auto finite = [](double v, double fallback) { return std::isfinite(v) ? v : fallback; };
    double volume = std::max(finite(g.volume, 1), 0.0);
    double pan = std::clamp(finite(g.pan, 0), -1.0, 1.0);
    double left = volume * (pan > 0 ? 1 - pan : 1);
    double right = volume * (pan < 0 ? 1 + pan : 1);
    double ll = finite(g.leftToLeft, 0), lr = finite(g.leftToRight, 0);
    double rl = finite(g.rightToLeft, 0), rr = finite(g.rightToRight, 0);
    if (ll == 0 && lr == 0 && rl == 0 && rr == 0) ll = rr = 1;
    ll_ = static_cast<float>(left * ll);
    rl_ = static_cast<float>(left * rl);
    lr_ = static_cast<float>(right * lr);
    rr_ = static_cast<float>(right * rr);
}

void Voice::setPitch(double pitch) {
    if (std::isfinite(pitch) && pitch > 0) pitch_ = pitch;
}

Voice::Fetch Voice::fetch(float& l, float& r, int64_t& index) {
    if (chunkPos_ >= chunkLen_) {
        int n = source_->read(chunk_.data(), CHUNK);
        if (n == 0) {
            if (!source_->ended()) return Fetch::STARVED;
            if (passesLeft_ <= 0 || !source_->seek(startFrame_)) return Fetch::END;
            --passesLeft_;
            readIndex_ = startFrame_;
            n = source_->read(chunk_.data(), CHUNK);
            if (n == 0) return Fetch::END;
        }
        chunkLen_ = n;
        chunkPos_ = 0;
    }
    l = chunk_[2 * chunkPos_];
    r = chunk_[2 * chunkPos_ + 1];
    ++chunkPos_;
    index = readIndex_++;
    return Fetch::OK;
}

void Voice::finish() {
    endPosition_ = curIndex_ + 1;
    complete_.store(true, std::memory_order_release);
}

Voice::Settle Voice::settle() {
    if (!primed_) {
        Fetch f = fetch(curL_, curR_, curIndex_);
        if (f == Fetch::STARVED) return Settle::STARVED;
        if (f == Fetch::END) {
            endPosition_ = readIndex_;
            complete_.store(true, std::memory_order_release);
            return Settle::DONE;
        }
        primed_ = true;
    }
    for (;;) {
        if (!haveNext_ && !atEnd_) {
            Fetch f = fetch(nextL_, nextR_, nextIndex_);
            if (f == Fetch::OK) haveNext_ = true;
            else if (f == Fetch::END) atEnd_ = true;
        }
        if (frac_ < 1.0) return Settle::READY;
        if (!haveNext_) {
            if (!atEnd_) return Settle::STARVED;
            finish();
            return Settle::DONE;
        }
        frac_ -= 1.0;
        curL_ = nextL_;
        curR_ = nextR_;
        curIndex_ = nextIndex_;
        haveNext_ = false;
    }
}

void Voice::mixInto(float* out, int frames, int outRate) {
    float peakL = 0, peakR = 0;
    if (!finished() && outRate > 0) {
        const double step = static_cast<double>(source_->rate()) / outRate * pitch_;
        int i = 0;
        for (; i < frames; ++i) {
            if (settle() != Settle::READY) break;
            // Without a successor (end of data, or waiting for more) the current frame holds.
            float t = static_cast<float>(frac_);
            float l = haveNext_ ? curL_ + (nextL_ - curL_) * t : curL_;
            float r = haveNext_ ? curR_ + (nextR_ - curR_) * t : curR_;
            float ol = ll_ * l + rl_ * r;
            float orr = lr_ * l + rr_ * r;
            out[2 * i] += ol;
            out[2 * i + 1] += orr;
            peakL = std::max(peakL, std::fabs(ol));
            peakR = std::max(peakR, std::fabs(orr));
            frac_ += step;
        }
        // Move on to the next frame now, so that the end is seen as soon as the last frame went out.
        if (i == frames) settle();
    }
    peakLeft_.store(peakL, std::memory_order_relaxed);
    peakRight_.store(peakR, std::memory_order_relaxed);
}

int64_t Voice::position() const {
    if (complete()) return endPosition_;
    return primed_ ? curIndex_ : readIndex_;
}

int64_t Voice::seek(int64_t frame) {
    if (finished()) return position();
    frame = std::max<int64_t>(frame, 0);
    if (int64_t total = source_->frames(); total >= 0) frame = std::min(frame, total);
    if (!source_->seek(frame)) return position();
    readIndex_ = frame;
    chunkLen_ = chunkPos_ = 0;
    primed_ = haveNext_ = atEnd_ = false;
    frac_ = 0;
    return frame;
}

}  // namespace media
