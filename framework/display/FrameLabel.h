#pragma once
// A named frame of a movie clip's timeline.
#include "framework/events/EventDispatcher.h"

namespace framework {

class FrameLabel : public EventDispatcher {
    RUNTIME_CLASS(FrameLabel)
public:
    FrameLabel(const runtime::String& name, int frame) : EventDispatcher(nullptr), name_(name), frame_(frame) {}
    explicit FrameLabel(runtime::NoInit n) : EventDispatcher(n) {}

    virtual int get_frame() { return frame_; }
    virtual runtime::String get_name() { return name_; }

    runtime::String name_;
    int frame_ = 0;
};

}  // namespace framework
