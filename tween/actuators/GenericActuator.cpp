#include "GenericActuator.h"

#include <algorithm>
#include <array>

#include "tween/Tweener.h"

namespace tween {

using runtime::Ref;
using runtime::Value;

namespace {
Ref<runtime::Array> listOrEmpty(const IGenericActuator::Params& p) {
    return p ? p : runtime::make<runtime::Array>();
}
}  // namespace

GenericActuator::GenericActuator(const Ref<runtime::Object>& target, double duration,
                                 const Ref<runtime::Object>& properties)
    : duration(duration), _ease(Tweener::defaultEase), properties(properties), target(target.get()) {}

Ref<GenericActuator> GenericActuator::create(const Ref<runtime::Object>& target, double duration,
                                             const Ref<runtime::Object>& properties) {
    return runtime::make<GenericActuator>(target, duration, properties);
}

Ref<IGenericActuator> GenericActuator::autoVisible(bool value) {
    _autoVisible = value;
    return self();
}

Ref<IGenericActuator> GenericActuator::delay(double seconds) {
    _delay = seconds;
    return self();
}

Ref<IGenericActuator> GenericActuator::ease(const Ref<IEasing>& easing) {
    _ease = easing;
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::onComplete(const Handler& handler, const Params& parameters) {
    _onComplete = handler;
    _onCompleteParams = listOrEmpty(parameters);
    Ref<IGenericActuator> keep = self();
    if (duration == 0) complete();
    return keep;
}

Ref<IGenericActuator> GenericActuator::onRepeat(const Handler& handler, const Params& parameters) {
    _onRepeat = handler;
    _onRepeatParams = listOrEmpty(parameters);
    return self();
}

Ref<IGenericActuator> GenericActuator::onUpdate(const Handler& handler, const Params& parameters) {
    _onUpdate = handler;
    _onUpdateParams = listOrEmpty(parameters);
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::reflect(bool value) {
    _reflect = value;
    special = true;
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::repeat(int times) {
    _repeat = times;
    return self();
}

Ref<IGenericActuator> GenericActuator::reverse(bool value) {
    _reverse = value;
    special = true;
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::smartRotation(bool value) {
    _smartRotation = value;
    special = true;
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::snapping(bool value) {
    _snapping = value;
    special = true;
    configurationChanged();
    return self();
}

Ref<IGenericActuator> GenericActuator::onPause(const Handler& handler, const Params& parameters) {
    _onPause = handler;
    _onPauseParams = listOrEmpty(parameters);
    return self();
}

Ref<IGenericActuator> GenericActuator::onResume(const Handler& handler, const Params& parameters) {
    _onResume = handler;
    _onResumeParams = listOrEmpty(parameters);
    return self();
}

void GenericActuator::apply() {
    Ref<runtime::Object> t = target.lock();
    if (!t || !properties) return;
    for (const std::string& key : properties->fieldNames())
        writeByName(t.get(), key, readByName(properties.get(), key));
}

void GenericActuator::pause() { callMethod(_onPause, _onPauseParams); }

void GenericActuator::resume() { callMethod(_onResume, _onResumeParams); }

Value GenericActuator::callMethod(const Handler& handler, const Params& parameters) {
    if (!handler) return Value();
    Ref<runtime::Function> keepHandler = handler;
    if (!parameters || parameters->items.empty()) return keepHandler->callArgs(nullptr, 0);
    // The handler gets the elements as they are now, even if it changes the list.
    const std::vector<Value>& items = parameters->items;
    constexpr std::size_t SMALL = 8;
    if (items.size() <= SMALL) {
        std::array<Value, SMALL> args;
        std::copy(items.begin(), items.end(), args.begin());
        return keepHandler->callArgs(args.data(), static_cast<int>(items.size()));
    }
    std::vector<Value> args = items;
    return keepHandler->callArgs(args.data(), static_cast<int>(args.size()));
}

void GenericActuator::change() { callMethod(_onUpdate, _onUpdateParams); }

void GenericActuator::complete(bool sendEvents) {
    Ref<GenericActuator> keep(this);
    if (sendEvents) {
        change();
        callMethod(_onComplete, _onCompleteParams);
    }
    Tweener::unload(this);
    keepTarget_ = nullptr;
    configurationChanged();
}

bool GenericActuator::hasPlainField(runtime::Object* t, std::string_view name) {
    return t && !t->classInfo() && t->hasField(name);
}

Value GenericActuator::readByName(runtime::Object* t, std::string_view name) {
    if (!t) return Value();
    return t->getField(name, !hasPlainField(t, name));
}

void GenericActuator::writeByName(runtime::Object* t, std::string_view name, const Value& value) {
    if (!t) return;
    if (hasPlainField(t, name)) {
        t->setField(name, value, false);
        return;
    }
    const runtime::ClassInfo* ci = t->classInfo();
    if (ci && !ci->isDynamic() && !ci->findMember(name)) return;
    t->setField(name, value, true);
}

RUNTIME_DEFINE_CLASS(GenericActuator, "tween.actuators.GenericActuator", IGenericActuator, (auto& b) {
    b.template field<&GenericActuator::duration>("duration")
        .template field<&GenericActuator::id>("id")
        .template field<&GenericActuator::properties>("properties")
        .template property<&GenericActuator::get_target>("target")
        .template field<&GenericActuator::_autoVisible>("_autoVisible")
        .template field<&GenericActuator::_delay>("_delay")
        .template field<&GenericActuator::_ease>("_ease")
        .template field<&GenericActuator::_onComplete>("_onComplete")
        .template field<&GenericActuator::_onCompleteParams>("_onCompleteParams")
        .template field<&GenericActuator::_onRepeat>("_onRepeat")
        .template field<&GenericActuator::_onRepeatParams>("_onRepeatParams")
        .template field<&GenericActuator::_onUpdate>("_onUpdate")
        .template field<&GenericActuator::_onUpdateParams>("_onUpdateParams")
        .template field<&GenericActuator::_onResume>("_onResume")
        .template field<&GenericActuator::_onResumeParams>("_onResumeParams")
        .template field<&GenericActuator::_onPause>("_onPause")
        .template field<&GenericActuator::_onPauseParams>("_onPauseParams")
        .template field<&GenericActuator::_reflect>("_reflect")
        .template field<&GenericActuator::_repeat>("_repeat")
        .template field<&GenericActuator::_reverse>("_reverse")
        .template field<&GenericActuator::_smartRotation>("_smartRotation")
        .template field<&GenericActuator::_snapping>("_snapping")
        .template field<&GenericActuator::special>("special")
        .template method<&GenericActuator::change>("change")
        .template method<&GenericActuator::complete>("complete");
})

}  // namespace tween
