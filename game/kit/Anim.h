#pragma once
// A frame-strip animation: cells of width x height laid left to right from (startX, startY),
// wrapping to x 0 one row down at the sheet's width; frame counts are for 60 frames per second.
#include "platform/runtime/ClassBuilder.h"

namespace game {

class Anim : public runtime::Object {
    RUNTIME_CLASS(Anim)
public:
    Anim(int startX, int startY, int width, int height, int frames, bool loop = true, int frameStep = 3,
         bool backAndForth = false, int pauseFrames = 0)
        : startX(startX), startY(startY), width(width), height(height), frames(frames), loop(loop),
          frameStep(frameStep), backAndForth(backAndForth), pauseFrames(pauseFrames) {}
    explicit Anim(runtime::NoInit) {}

    int startX = 0;
    int startY = 0;
    int width = 0;
    int height = 0;
    int frames = 0;
    bool loop = true;
    // Updates per cell; at least 1.
    int frameStep = 3;
    bool backAndForth = false;
    // Extra animation ticks a turning point's cell is held.
    int pauseFrames = 0;
};

}  // namespace game
