#include "MethodActuator.h"

#include <algorithm>
#include <string>

namespace tween {

using runtime::Ref;
using runtime::Value;

MethodActuator::MethodActuator(const Ref<runtime::Object>& target, double duration, const Ref<runtime::Object>& properties)
    : SimpleActuator(target, duration, properties),
      currentParameters(runtime::make<runtime::Array>()),
      tweenProperties(runtime::make<runtime::DynamicObject>()) {
    if (properties) {
        if (readByName(properties.get(), "start").isNull())
            writeByName(properties.get(), "start", Value(runtime::make<runtime::Array>()));
        if (readByName(properties.get(), "end").isNull())
            writeByName(properties.get(), "end", readByName(properties.get(), "start"));
    }
    if (Ref<runtime::Array> start = list("start")) {
        for (const Value& v : start->items) currentParameters->push(v);
        for (int i = 0; i < start->length(); ++i) paramNames_.push_back("param" + std::to_string(i));
    }
}

Ref<GenericActuator> MethodActuator::create(const Ref<runtime::Object>& target, double duration,
                                            const Ref<runtime::Object>& properties) {
    return runtime::make<MethodActuator>(target, duration, properties);
}

Ref<runtime::Array> MethodActuator::list(std::string_view key) const {
    if (!properties) return nullptr;
    return Ref<runtime::Array>(readByName(properties.get(), key).as<runtime::Array>());
}

void MethodActuator::apply() {
    Ref<runtime::Array> end = list("end");
    callMethod(Handler(dynamic_cast<runtime::Function*>(target.get())), end ? end : runtime::make<runtime::Array>());
}

void MethodActuator::callTarget() {
    std::size_t n = std::min(paramNames_.size(), currentParameters->items.size());
    for (std::size_t i = 0; i < n; ++i)
        currentParameters->items[i] = tweenProperties->getField(paramNames_[i], false);
    callMethod(Handler(dynamic_cast<runtime::Function*>(target.get())), currentParameters);
}

void MethodActuator::complete(bool sendEvents) {
    Ref<MethodActuator> keep(this);
    callTarget();
    GenericActuator::complete(sendEvents);
}

void MethodActuator::initialize() {
    Ref<runtime::Array> start = list("start");
    Ref<runtime::Array> end = list("end");
    std::size_t n = start ? std::min(paramNames_.size(), start->items.size()) : 0;
    for (std::size_t i = 0; i < n; ++i) {
        Value v = start->items[i];
        tweenProperties->setField(paramNames_[i], v, false);
        if (!v.isNumber()) continue;
        // An end list that is shorter, or holds no number there, leaves the argument unchanged.
        Value e = end ? end->at(static_cast<int>(i)) : Value();
        double change = e.isNumber() ? e.toFloat() - v.toFloat() : 0;
        propertyDetails.emplace_back(Ref<runtime::Object>(tweenProperties), paramNames_[i], v.toFloat(), change, true);
    }
    detailsLength = static_cast<int>(propertyDetails.size());
    initialized = true;
}

void MethodActuator::update(double t) {
    Ref<MethodActuator> keep(this);
    SimpleActuator::update(t);
    if (active && !paused) callTarget();
}

RUNTIME_DEFINE_CLASS(MethodActuator, "tween.actuators.MethodActuator", SimpleActuator, (auto& b) {
    b.template field<&MethodActuator::currentParameters>("currentParameters")
        .template field<&MethodActuator::tweenProperties>("tweenProperties");
})

}  // namespace tween
