#pragma once
// One tween's configuration: target, duration, properties record, options and handlers, and the
// completion protocol every finishing or stopped tween goes through. It does not animate; see
// SimpleActuator.
//
// Ownership: the target is observed weakly; a running actuator (SimpleActuator::move) also holds
// it strongly in keepTarget_ until it completes, so a running tween keeps its target alive
// without a cycle outliving completion.
#include "IGenericActuator.h"

namespace tween {

class GenericActuator : public IGenericActuator {
    RUNTIME_CLASS(GenericActuator)
public:
    GenericActuator(const runtime::Ref<runtime::Object>& target, double duration,
                    const runtime::Ref<runtime::Object>& properties);
    explicit GenericActuator(runtime::NoInit) {}

    // The actuator kind: a new GenericActuator (attached to a library, never moves).
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    runtime::Ref<IGenericActuator> autoVisible(bool value = true) override;
    runtime::Ref<IGenericActuator> delay(double duration) override;
    runtime::Ref<IGenericActuator> ease(const runtime::Ref<IEasing>& easing) override;
    // With a duration of exactly 0 the completion runs at once.
    runtime::Ref<IGenericActuator> onComplete(const Handler& handler, const Params& parameters = nullptr) override;
    runtime::Ref<IGenericActuator> onRepeat(const Handler& handler, const Params& parameters = nullptr) override;
    runtime::Ref<IGenericActuator> onUpdate(const Handler& handler, const Params& parameters = nullptr) override;
    runtime::Ref<IGenericActuator> reflect(bool value = true) override;
    runtime::Ref<IGenericActuator> repeat(int times = -1) override;
    runtime::Ref<IGenericActuator> reverse(bool value = true) override;
    runtime::Ref<IGenericActuator> smartRotation(bool value = true) override;
    runtime::Ref<IGenericActuator> snapping(bool value = true) override;
    runtime::Ref<IGenericActuator> onPause(const Handler& handler, const Params& parameters = nullptr) override;
    runtime::Ref<IGenericActuator> onResume(const Handler& handler, const Params& parameters = nullptr) override;
    // Writes every key of the record to the target now, whatever the type of its value.
    void apply() override;
    void move() override {}
    void pause() override;
    void resume() override;
    void stop(const runtime::Ref<runtime::Object>& properties, bool complete, bool sendEvents) override {}

    // Calls the handler with the list's elements (none when null); its result.
    virtual runtime::Value callMethod(const Handler& handler, const Params& parameters = nullptr);
    // The onUpdate handler.
    virtual void change();
    // With events: onUpdate, then onComplete. Always: leaves the target's library.
    virtual void complete(bool sendEvents = true);

    runtime::Ref<runtime::Object> get_target() const { return target.lock(); }

    // Access by name. A record-like object (one without a class) that holds the name is read and
    // written as plain data; anything else through its members (getters and setters).
    static bool hasPlainField(runtime::Object* target, std::string_view name);
    static runtime::Value readByName(runtime::Object* target, std::string_view name);
    // A class-based target that declares no such member (and takes no dynamic fields) is left
    // alone rather than failing.
    static void writeByName(runtime::Object* target, std::string_view name, const runtime::Value& value);

    // What every frame reads comes first (the rest of the object stays out of the cache).
    double duration = 0;
    runtime::Ref<IEasing> _ease;
    bool special = false;
    bool _reverse = false;
    bool _snapping = false;
    bool _smartRotation = false;
    int _repeat = 0;

protected:
    // The strong hold on the target while the actuator runs; released by complete.
    runtime::Ref<runtime::Object> keepTarget_;

public:
    runtime::String id;
    runtime::Ref<runtime::Object> properties;
    runtime::Weak<runtime::Object> target;

    bool _autoVisible = true;
    double _delay = 0;
    Handler _onComplete;
    Params _onCompleteParams;
    Handler _onRepeat;
    Params _onRepeatParams;
    Handler _onUpdate;
    Params _onUpdateParams;
    Handler _onResume;
    Params _onResumeParams;
    Handler _onPause;
    Params _onPauseParams;
    bool _reflect = false;

protected:
    runtime::Ref<IGenericActuator> self() { return runtime::Ref<IGenericActuator>(this); }
    // Called after an option, the ease, a handler or the hold on the target changed.
    virtual void configurationChanged() {}
};

}  // namespace tween
