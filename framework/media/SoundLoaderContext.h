#pragma once
// Loading options of a sound; accepted and ignored.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class SoundLoaderContext : public runtime::Object {
    RUNTIME_CLASS(SoundLoaderContext)
public:
    explicit SoundLoaderContext(double bufferTime = 0, bool checkPolicyFile = false)
        : bufferTime(bufferTime), checkPolicyFile(checkPolicyFile) {}
    explicit SoundLoaderContext(runtime::NoInit) {}

    double bufferTime = 0;
    bool checkPolicyFile = false;
};

}  // namespace framework
