#include "EngAnimation.h"

#include "engine/EngG.h"
#include "engine/util/EngRandom.h"

namespace engine {

EngAnimation::EngAnimation(EngAnimationController* parent_, runtime::String name_, Frames frames, int rate, bool loop)
    : EngBaseAnimation(parent_, std::move(name_)) {
    set_frameRate(rate);
    _frames = std::move(frames);
    looped = loop;
}

void EngAnimation::destroy() {
    _frames = nullptr;
    name = nullptr;
    EngBaseAnimation::destroy();
}

int EngAnimation::set_frameRate(int value) {
    delay = 0;
    frameRate = value;
    if (value > 0) delay = 1.0 / value;
    return value;
}

int EngAnimation::set_curFrame(int frame) {
    int n = get_numFrames();
    if (frame < 0) curFrame = EngRandom::intRanged(0, n - 1);
    else if (!looped && frame >= n) {
        finished = true;
        curFrame = n - 1;
    } else curFrame = frame;
    int index = _frames && curFrame >= 0 && curFrame < n ? (*_frames)[static_cast<std::size_t>(curFrame)] : 0;
    set_curIndex(index);
    return frame;
}

void EngAnimation::update() {
    if (delay <= 0 || (!looped && finished) || paused) return;
    _frameTimer += EngG::elapsed;
    while (_frameTimer > delay) {
        _frameTimer -= delay;
        if (looped && curFrame == get_numFrames() - 1) set_curFrame(0);
        else set_curFrame(curFrame + 1);
    }
}

void EngAnimation::play(bool force, int frame) {
    if (!force && (looped || !finished)) {
        paused = false;
        finished = false;
        set_curFrame(curFrame);
        return;
    }
    paused = false;
    _frameTimer = 0;
    int n = get_numFrames();
    finished = delay <= 0 || frame == n - 1;
    if (frame < 0) set_curFrame(EngRandom::intRanged(0, n - 1));
    else if (frame < n) set_curFrame(frame);
    else set_curFrame(0);
}

runtime::Ref<EngBaseAnimation> EngAnimation::clone(EngAnimationController* p) {
    return runtime::make<EngAnimation>(p, name, _frames, frameRate, looped);
}

}  // namespace engine
