#pragma once
// The vector drawing interface of a display object, over the back end's graphics handle.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Graphics : public runtime::Object {
    RUNTIME_CLASS(Graphics)
public:
    explicit Graphics(const runtime::Value& handle) : handle_(handle) {}
    explicit Graphics(runtime::NoInit) {}

    runtime::Value handle_;
};

}  // namespace framework
