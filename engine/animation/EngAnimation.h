#pragma once
// A named list of sprite frame indices played at a frame rate, looping or once.
#include <memory>
#include <vector>

#include "engine/animation/EngBaseAnimation.h"

namespace engine {

class EngAnimation : public EngBaseAnimation {
public:
    using Frames = std::shared_ptr<std::vector<int>>;

    // The frame list is shared, not copied.
    EngAnimation(EngAnimationController* parent, runtime::String name, Frames frames, int frameRate = 0,
                 bool looped = true);

    void destroy() override;
    // Advances by every whole delay strictly exceeded; the rest carries over.
    void update() override;
    runtime::Ref<EngBaseAnimation> clone(EngAnimationController* parent) override;
    virtual void play(bool force = false, int frame = 0);
    virtual void restart() { play(true); }
    virtual void stop() {
        finished = true;
        paused = true;
    }
    virtual int set_frameRate(int value);
    // Negative: a random position; past the end of a one-shot animation: its last, finished.
    virtual int set_curFrame(int frame);
    virtual int get_numFrames() const { return _frames ? static_cast<int>(_frames->size()) : 0; }

    int frameRate = 0;
    int curFrame = 0;
    double delay = 0;
    bool finished = true;
    bool paused = true;
    bool looped = true;
    Frames _frames;
    double _frameTimer = 0;
};

}  // namespace engine
