#include "MotionPathActuator.h"

#include <algorithm>

namespace tween {

using runtime::Ref;
using runtime::Value;

namespace {
Ref<IComponentPath> pathOf(runtime::Object* properties, const std::string& key) {
    return Ref<IComponentPath>(GenericActuator::readByName(properties, key).as<IComponentPath>());
}
}  // namespace

MotionPathActuator::MotionPathActuator(const Ref<runtime::Object>& target, double duration,
                                       const Ref<runtime::Object>& properties)
    : SimpleActuator(target, duration, properties) {}

Ref<GenericActuator> MotionPathActuator::create(const Ref<runtime::Object>& target, double duration,
                                                const Ref<runtime::Object>& properties) {
    return runtime::make<MotionPathActuator>(target, duration, properties);
}

void MotionPathActuator::initialize() {
    Ref<runtime::Object> t = target.lock();
    if (t && properties) {
        for (const std::string& key : properties->fieldNames()) {
            Ref<IComponentPath> path = pathOf(properties.get(), key);
            if (!path) continue;
            bool isField = hasPlainField(t.get(), key);
            Value start = t->getField(key, !isField);
            if (!start.isNumber()) continue;
            path->start = start.toFloat();
            pathDetails_.emplace_back(t, key, path, isField);
        }
    }
    detailsLength = static_cast<int>(pathDetails_.size());
    initialized = true;
}

void MotionPathActuator::interpolate(double p) {
    double k = special && _reverse ? 1 - p : p;
    double e = _ease ? _ease->calculate(k) : k;
    std::size_t n = std::min(static_cast<std::size_t>(std::max(detailsLength, 0)), pathDetails_.size());
    for (std::size_t i = 0; i < n; ++i) {
        PropertyPathDetails& d = pathDetails_[i];
        double value = d.path->calculate(e);
        if (special && _snapping) writeSnapped(d, value);
        else write(d, value);
    }
}

void MotionPathActuator::apply() {
    Ref<runtime::Object> t = target.lock();
    if (!t || !properties) return;
    for (const std::string& key : properties->fieldNames())
        if (Ref<IComponentPath> path = pathOf(properties.get(), key)) writeByName(t.get(), key, Value(path->get_end()));
}

RUNTIME_DEFINE_CLASS(MotionPathActuator, "tween.actuators.MotionPathActuator", SimpleActuator, (auto&) {})

}  // namespace tween
