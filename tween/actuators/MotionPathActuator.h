#pragma once
// Moves properties along component paths (the record's values, see MotionPath): each path
// starts at the target's value at the first update, and every frame the property is set to the
// path's value at the eased progress. Smart rotation does not apply; snapping does.
#include <vector>

#include "PropertyPathDetails.h"
#include "SimpleActuator.h"

namespace tween {

class MotionPathActuator : public SimpleActuator {
    RUNTIME_CLASS(MotionPathActuator)
public:
    MotionPathActuator(const runtime::Ref<runtime::Object>& target, double duration,
                       const runtime::Ref<runtime::Object>& properties);
    explicit MotionPathActuator(runtime::NoInit n) : SimpleActuator(n) {}

    // The actuator kind.
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    // Writes each path's end now; the paths' starts are left alone.
    void apply() override;
    // Record values that are not component paths, and properties that the target lacks or that
    // hold no number, are left out.
    void initialize() override;

protected:
    void interpolate(double p) override;

private:
    // This kind's details: one path each (propertyDetails stays empty).
    std::vector<PropertyPathDetails> pathDetails_;
};

}  // namespace tween
