#pragma once
// The heading along an x and a y chain, in degrees: the direction from a look-ahead point
// (progress + step) back to the current point, plus offset. Moving towards +x gives 180, towards
// +y gives -90.
#include "ComponentPath.h"

namespace tween {

class RotationPath : public IComponentPath {
    RUNTIME_CLASS(RotationPath)
public:
    // start is the heading at progress 0 now; calculate does not use it.
    RotationPath(const runtime::Ref<ComponentPath>& x, const runtime::Ref<ComponentPath>& y);
    explicit RotationPath(runtime::NoInit) {}

    // Between -360 and 360, with the sign of the heading plus offset.
    double calculate(double k) override;
    // The heading at progress 1.
    double get_end() override;

    double offset = 0;
    double step = 0.01;
    runtime::Ref<ComponentPath> _x;
    runtime::Ref<ComponentPath> _y;
};

}  // namespace tween
