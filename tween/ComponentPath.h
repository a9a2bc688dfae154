#pragma once
// A chain of segments for one property: each segment takes the share of the progress that its
// strength is of the chain's total strength.
#include <vector>

#include "BezierPath.h"
#include "IComponentPath.h"

namespace tween {

class ComponentPath : public IComponentPath {
    RUNTIME_CLASS(ComponentPath)
public:
    ComponentPath() = default;
    explicit ComponentPath(runtime::NoInit) {}

    virtual void addPath(const runtime::Ref<BezierPath>& path);
    // A single segment takes k as it is. Otherwise the segment that holds k × totalStrength
    // (a value on a segment's end belongs to it); beyond the last segment that segment
    // extrapolates. 0 without segments.
    double calculate(double k) override;
    // The last segment's end, or start without segments.
    double get_end() override;

    std::vector<runtime::Ref<BezierPath>> paths;
    double totalStrength = 0;
};

}  // namespace tween
