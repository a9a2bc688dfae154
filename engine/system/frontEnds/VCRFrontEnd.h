#pragma once
// The replay front end: the pause and single-step flags the frame loop reads. Pausing shows the
// system pointer and resuming hides it again, unless the engine mouse uses the system pointer.
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class VCRFrontEnd : public runtime::Object {
    RUNTIME_CLASS(VCRFrontEnd)
public:
    VCRFrontEnd() = default;
    explicit VCRFrontEnd(runtime::NoInit) {}

    virtual void pause();
    virtual void resume();

    bool paused = false;
    // One frame is to run while paused; the frame loop clears it.
    bool stepRequested = false;
};

}  // namespace engine
