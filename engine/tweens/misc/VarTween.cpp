#include "VarTween.h"

#include <cmath>

#include "platform/runtime/Function.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Thrown.h"

namespace engine {

namespace {
// A field's value as a number: numbers and Booleans as they are, a text by its numeric reading,
// anything else not a number.
double asNumber(const runtime::Value& v) {
    if (v.isNumber() || v.isBool()) return v.toFloat();
    if (v.isString()) return runtime::Numbers::parseFloat(v.toText()).value_or(std::nan(""));
    return std::nan("");
}
}  // namespace

VarTween* VarTween::tween(runtime::Ref<runtime::Object> object, runtime::Ref<runtime::Object> properties,
                          double d) {
    _object = std::move(object);
    _properties = std::move(properties);
    duration = d;
    start();
    return this;
}

void VarTween::initializeVars() {
    if (!_properties || dynamic_cast<runtime::Function*>(_properties.get()))
        runtime::Thrown::text("Unsupported properties container - use an object containing key/value pairs.");
    for (const std::string& p : _properties->fieldNames()) {
        runtime::Value current = _object ? _object->getField(p) : runtime::Value();
        if (current.isNull())
            runtime::Thrown::text("The Object does not have the property \"" + p + "\", or it is not accessible.");
        double a = asNumber(current);
        if (std::isnan(a)) runtime::Thrown::text("The property \"" + p + "\" is not numeric.");
        _vars.push_back(p);
        _startValues.push_back(a);
        runtime::Value target = _properties->getField(p);
        _range.push_back((target.isNull() ? 0.0 : target.toFloat()) - a);
    }
}

void VarTween::update() {
    double delay = executions > 0 ? loopDelay : startDelay;
    if (delay > _secondsSinceStart) {
        EngTween::update();
        return;
    }
    if (_vars.empty()) initializeVars();
    EngTween::update();
    for (std::size_t i = _vars.size(); i-- > 0;)
        if (_object) _object->setField(_vars[i], runtime::Value(_startValues[i] + _range[i] * scale));
}

void VarTween::destroy() {
    EngTween::destroy();
    _object = nullptr;
    _properties = nullptr;
}

}  // namespace engine

using engine::VarTween;

RUNTIME_DEFINE_CLASS(VarTween, "engine.tweens.misc.VarTween", engine::EngTween, (auto& b) { b.emptyInstance(); })
