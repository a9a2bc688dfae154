#include "Tweener.h"

#include <vector>

#include "platform/runtime/DynamicObject.h"
#include "tween/TweenTimer.h"
#include "tween/actuators/MethodActuator.h"
#include "tween/actuators/MotionPathActuator.h"
#include "tween/actuators/SimpleActuator.h"

namespace tween {

using runtime::Ref;
using runtime::Value;

Tweener::ActuatorKind Tweener::kindOr(ActuatorKind kind) {
    if (kind) return kind;
    return defaultActuator ? defaultActuator : &SimpleActuator::create;
}

IGenericActuator* Tweener::entry(const Ref<runtime::Array>& library, int i) {
    if (i >= library->length()) return nullptr;
    return library->items[static_cast<std::size_t>(i)].as<IGenericActuator>();
}

Ref<GenericActuator> Tweener::tween(const Ref<runtime::Object>& target, double duration,
                                    const Ref<runtime::Object>& properties, bool overwrite, ActuatorKind kind) {
    if (!target) return nullptr;
    if (!(duration > 0)) return apply(target, properties, kind);
    Ref<GenericActuator> actuator = kindOr(kind)(target, duration, properties);
    Ref<runtime::Object> key = actuator->get_target();
    Ref<runtime::Array> library = getLibrary(key);
    if (overwrite && library) {
        for (int i = library->length() - 1; i >= 0; --i) {
            Ref<IGenericActuator> old(entry(library, i));
            if (old) old->stop(properties, false, false);
        }
        library = getLibrary(key);
    }
    if (library) library->push(Value(actuator));
    actuator->move();
    return actuator;
}

Ref<GenericActuator> Tweener::apply(const Ref<runtime::Object>& target, const Ref<runtime::Object>& properties,
                                    ActuatorKind kind) {
    stop(target, Value(properties));
    Ref<GenericActuator> actuator = kindOr(kind)(target, 0, properties);
    actuator->apply();
    return actuator;
}

Ref<GenericActuator> Tweener::update(const Ref<runtime::Function>& target, double duration, const Value& start,
                                     const Value& end, bool overwrite) {
    auto record = runtime::make<runtime::DynamicObject>();
    record->setField("start", start);
    record->setField("end", end);
    return tween(target, duration, record, overwrite, &MethodActuator::create);
}

Ref<TransformOptions> Tweener::transform(const Ref<runtime::Object>& target, double duration, bool overwrite) {
    return runtime::make<TransformOptions>(target, duration, overwrite);
}

Ref<EffectsOptions> Tweener::effects(const Ref<runtime::Object>& target, double duration, bool overwrite) {
    return runtime::make<EffectsOptions>(target, duration, overwrite);
}

Ref<GenericActuator> Tweener::motionPath(const Ref<runtime::Object>& target, double duration,
                                         const Ref<runtime::Object>& properties, bool overwrite) {
    return tween(target, duration, properties, overwrite, &MotionPathActuator::create);
}

Ref<GenericActuator> Tweener::timer(double duration, ActuatorKind kind) {
    return tween(runtime::make<TweenTimer>(0), duration, runtime::make<TweenTimer>(1), false, kind);
}

void Tweener::stop(const Ref<runtime::Object>& target, const Value& properties, bool complete, bool sendEvents) {
    if (!target) return;
    if (auto* actuator = dynamic_cast<IGenericActuator*>(target.get())) {
        actuator->stop(nullptr, complete, sendEvents);
        return;
    }
    Ref<runtime::Array> library = getLibrary(target, false);
    if (!library) return;
    Ref<runtime::Object> record;
    if (properties.isString()) {
        auto r = runtime::make<runtime::DynamicObject>();
        r->setField(properties.str(), Value());
        record = r;
    } else if (auto* names = properties.as<runtime::Array>()) {
        auto r = runtime::make<runtime::DynamicObject>();
        for (const Value& name : names->items) r->setField(name.toText(), Value());
        record = r;
    } else {
        record = properties.ref();
    }
    for (int i = library->length() - 1; i >= 0; --i) {
        Ref<IGenericActuator> a(entry(library, i));
        if (a) a->stop(record, complete, sendEvents);
    }
}

void Tweener::pause(const Ref<runtime::Object>& target) {
    if (!target) return;
    if (auto* actuator = dynamic_cast<IGenericActuator*>(target.get())) {
        actuator->pause();
        return;
    }
    if (Ref<runtime::Array> library = getLibrary(target, false))
        for (int i = 0; i < library->length(); ++i)
            if (Ref<IGenericActuator> a{entry(library, i)}) a->pause();
}

void Tweener::resume(const Ref<runtime::Object>& target) {
    if (!target) return;
    if (auto* actuator = dynamic_cast<IGenericActuator*>(target.get())) {
        actuator->resume();
        return;
    }
    if (Ref<runtime::Array> library = getLibrary(target, false))
        for (int i = 0; i < library->length(); ++i)
            if (Ref<IGenericActuator> a{entry(library, i)}) a->resume();
}

namespace {
std::vector<Ref<runtime::Array>> allLibraries() {
    std::vector<Ref<runtime::Array>> out;
    out.reserve(Tweener::targetLibraries.size());
    for (const auto& [key, lib] : Tweener::targetLibraries) out.push_back(lib.actuators);
    return out;
}
}  // namespace

void Tweener::pauseAll() {
    for (const Ref<runtime::Array>& library : allLibraries())
        for (int i = 0; i < library->length(); ++i)
            if (Ref<IGenericActuator> a{entry(library, i)}) a->pause();
}

void Tweener::resumeAll() {
    for (const Ref<runtime::Array>& library : allLibraries())
        for (int i = 0; i < library->length(); ++i)
            if (Ref<IGenericActuator> a{entry(library, i)}) a->resume();
}

void Tweener::reset() {
    for (const Ref<runtime::Array>& library : allLibraries())
        for (int i = library->length() - 1; i >= 0; --i)
            if (Ref<IGenericActuator> a{entry(library, i)}) a->stop(nullptr, false, false);
    targetLibraries = {};
}

Ref<runtime::Array> Tweener::getLibrary(const Ref<runtime::Object>& target, bool allowCreation) {
    if (!target) return nullptr;
    auto it = targetLibraries.find(target.get());
    if (it != targetLibraries.end()) return it->second.actuators;
    if (!allowCreation) return nullptr;
    auto library = runtime::make<runtime::Array>();
    targetLibraries.emplace(target.get(), Library{target, library});
    return library;
}

void Tweener::unload(GenericActuator* actuator) {
    if (!actuator) return;
    auto it = targetLibraries.find(actuator->target.get());
    if (it == targetLibraries.end()) return;
    // The entry may be the target's last owner: keep both alive until the map is done with them.
    Library keep = it->second;
    std::vector<Value>& items = keep.actuators->items;
    for (auto i = items.begin(); i != items.end(); ++i) {
        if (i->object() == actuator) {
            items.erase(i);
            break;
        }
    }
    if (items.empty()) targetLibraries.erase(it);
}

bool Tweener::isActive() { return !targetLibraries.empty(); }

}  // namespace tween
