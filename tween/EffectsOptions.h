#pragma once
// What Tweener::effects returns: filter starts a FilterActuator tween of one filter of the
// target's filter list.
#include "framework/display/DisplayObject.h"
#include "tween/actuators/IGenericActuator.h"

namespace tween {

class EffectsOptions : public runtime::Object {
    RUNTIME_CLASS(EffectsOptions)
public:
    // A target that is not a display object is kept as null (its tweens then never start).
    EffectsOptions(const runtime::Ref<runtime::Object>& target, double duration, bool overwrite);
    explicit EffectsOptions(runtime::NoInit) {}

    // reference: a runtime::ClassRef of a filter class, or a position in the filter list. It is
    // written into properties under "filter" (the caller's record changes); the other keys are
    // the filter's fields and their end values.
    virtual runtime::Ref<IGenericActuator> filter(const runtime::Value& reference,
                                                  const runtime::Ref<runtime::Object>& properties);

    double duration = 0;
    bool overwrite = true;
    runtime::Ref<framework::DisplayObject> target;
};

}  // namespace tween
