#pragma once
// Tweens the numeric fields of one filter in a display object's filter list. The record's
// "filter" entry chooses it: a runtime::ClassRef (the last filter of that class in the list; an
// empty list first gets one new filter of the class) or a position in the list. Every other key
// names a field of the filter and its end value. The target hands out and takes copies of its
// filters, so the actuator animates its own copy and writes the list back after every update.
#include "SimpleActuator.h"
#include "framework/filters/BitmapFilter.h"
#include "platform/runtime/ClassRef.h"

namespace tween {

class FilterActuator : public SimpleActuator {
    RUNTIME_CLASS(FilterActuator)
public:
    // Chooses the filter, once.
    FilterActuator(const runtime::Ref<runtime::Object>& target, double duration,
                   const runtime::Ref<runtime::Object>& properties);
    explicit FilterActuator(runtime::NoInit n) : SimpleActuator(n) {}

    // The actuator kind.
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    // Writes the record's values into the filter and the filter into the target's list.
    void apply() override;
    // Keys that name no numeric field of the filter are not animated.
    void initialize() override;
    // Also writes the filter list back in every call: while paused and after completing too.
    void update(double t) override;

    runtime::Ref<framework::BitmapFilter> filter;
    runtime::Ref<runtime::ClassRef> filterClass;
    int filterIndex = -1;

private:
    runtime::Ref<runtime::Array> readFilters(runtime::Object* target);
    // Puts the filter into a copy of the target's list and assigns the list.
    void storeFilter(runtime::Object* target);
};

}  // namespace tween
