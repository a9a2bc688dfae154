#pragma once
// What the facade, the libraries and callers see of any actuator. The fluent operations return
// the actuator itself so that calls chain.
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "tween/easing/IEasing.h"

namespace tween {

class IGenericActuator : public runtime::Object {
    RUNTIME_CLASS(IGenericActuator)
public:
    using Handler = runtime::Ref<runtime::Function>;
    using Params = runtime::Ref<runtime::Array>;

    virtual runtime::Ref<IGenericActuator> autoVisible(bool value = true) = 0;
    virtual runtime::Ref<IGenericActuator> delay(double duration) = 0;
    virtual runtime::Ref<IGenericActuator> ease(const runtime::Ref<IEasing>& easing) = 0;
    virtual runtime::Ref<IGenericActuator> onComplete(const Handler& handler, const Params& parameters = nullptr) = 0;
    virtual runtime::Ref<IGenericActuator> onRepeat(const Handler& handler, const Params& parameters = nullptr) = 0;
    virtual runtime::Ref<IGenericActuator> onUpdate(const Handler& handler, const Params& parameters = nullptr) = 0;
    virtual runtime::Ref<IGenericActuator> reflect(bool value = true) = 0;
    virtual runtime::Ref<IGenericActuator> repeat(int times = -1) = 0;
    virtual runtime::Ref<IGenericActuator> reverse(bool value = true) = 0;
    virtual runtime::Ref<IGenericActuator> smartRotation(bool value = true) = 0;
    virtual runtime::Ref<IGenericActuator> snapping(bool value = true) = 0;
    virtual runtime::Ref<IGenericActuator> onPause(const Handler& handler, const Params& parameters = nullptr) = 0;
    virtual runtime::Ref<IGenericActuator> onResume(const Handler& handler, const Params& parameters = nullptr) = 0;
    virtual void apply() = 0;
    virtual void move() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // properties: null, or a record whose keys are compared with the actuator's own.
    virtual void stop(const runtime::Ref<runtime::Object>& properties, bool complete, bool sendEvents) = 0;
};

}  // namespace tween
