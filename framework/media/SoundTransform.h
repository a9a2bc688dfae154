#pragma once
// Volume and pan of a channel; the back end reads its six fields by name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class SoundTransform : public runtime::Object {
    RUNTIME_CLASS(SoundTransform)
public:
    explicit SoundTransform(double volume = 1, double pan = 0) : pan(pan), volume(volume) {}
    explicit SoundTransform(runtime::NoInit) {}

    // A new transform of (volume, pan): the cross gains of a clone are always 0.
    virtual runtime::Ref<SoundTransform> clone();

    double leftToLeft = 0;
    double leftToRight = 0;
    double pan = 0;
    double rightToLeft = 0;
    double rightToRight = 0;
    double volume = 0;
};

}  // namespace framework
