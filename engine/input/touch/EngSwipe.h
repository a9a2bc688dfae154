#pragma once
// One finished press-drag-release gesture: where and when it started and ended; distance,
// direction and duration are computed on every read.
#include <string>

#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngPoint;

class EngSwipe : public runtime::Object {
    RUNTIME_CLASS(EngSwipe)
public:
    // The end time is the engine game's ticks now.
    EngSwipe(int id, const runtime::Ref<EngPoint>& startPosition, const runtime::Ref<EngPoint>& endPosition,
             double startTimeInTicks);
    explicit EngSwipe(runtime::NoInit) {}

    virtual double get_distance();
    // Degrees clockwise from straight up, in (-180, 180]; a fast approximation of the arc tangent.
    virtual double get_angle();
    // Milliseconds.
    virtual double get_duration() { return _endTimeInTicks - _startTimeInTicks; }
    std::string toString() const override;

    int ID = 0;
    // Held by reference: the mouse's button overwrites it at its next press.
    runtime::Ref<EngPoint> startPosition;
    runtime::Ref<EngPoint> endPosition;
    double _startTimeInTicks = 0;
    double _endTimeInTicks = 0;
};

}  // namespace engine
