#pragma once
// Tweens the arguments of a function: the target is a function, the record holds "start" and
// "end" argument lists, and every frame the function is called with the interpolated arguments
// (numbers interpolated, anything else passed unchanged).
#include "SimpleActuator.h"
#include "platform/runtime/DynamicObject.h"

namespace tween {

class MethodActuator : public SimpleActuator {
    RUNTIME_CLASS(MethodActuator)
public:
    // A missing or null "start" becomes a new empty list and a missing or null "end" the start
    // list, written into the caller's record.
    MethodActuator(const runtime::Ref<runtime::Object>& target, double duration,
                   const runtime::Ref<runtime::Object>& properties);
    explicit MethodActuator(runtime::NoInit n) : SimpleActuator(n) {}

    // The actuator kind.
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    // Calls the function with the "end" list.
    void apply() override;
    // Calls the function with the current arguments (null for any not yet read), then completes.
    void complete(bool sendEvents = true) override;
    void initialize() override;
    void update(double t) override;

    // The arguments of the next call.
    runtime::Ref<runtime::Array> currentParameters;
    // The interpolated arguments under "param0", "param1", ...
    runtime::Ref<runtime::DynamicObject> tweenProperties;

private:
    runtime::Ref<runtime::Array> list(std::string_view key) const;
    // Copies the interpolated arguments into currentParameters and calls the function with them.
    void callTarget();

    std::vector<std::string> paramNames_;
};

}  // namespace tween
