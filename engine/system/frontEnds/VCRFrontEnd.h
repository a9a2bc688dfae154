#pragma once
// The replay front end: the pause and single-step flags the frame loop reads.
#include "platform/runtime/Object.h"

namespace engine {

class VCRFrontEnd : public runtime::Object {
public:
    virtual void pause() {
        if (!paused) paused = true;
    }
    virtual void resume() {
        if (paused) paused = false;
    }

    bool paused = false;
    // One frame is to run while paused; the frame loop clears it.
    bool stepRequested = false;
};

}  // namespace engine
