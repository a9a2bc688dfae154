#pragma once
// A prepared drawing command of the back end, drawn by Graphics.drawGraphicsData.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class IGraphicsData : public runtime::Object {
    RUNTIME_CLASS(IGraphicsData)
public:
    explicit IGraphicsData(const runtime::Value& handle) : handle_(handle) {}
    explicit IGraphicsData(runtime::NoInit) {}

    runtime::Value handle_;
};

}  // namespace framework
