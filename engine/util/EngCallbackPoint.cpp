#include "EngCallbackPoint.h"

namespace engine {

EngCallbackPoint::EngCallbackPoint(runtime::Ref<runtime::Function> setXCallback,
                                   runtime::Ref<runtime::Function> setYCallback,
                                   runtime::Ref<runtime::Function> setXYCallback)
    : EngPoint(0, 0),
      _setXCallback(std::move(setXCallback)),
      _setYCallback(std::move(setYCallback)),
      _setXYCallback(std::move(setXYCallback)) {
    if (_setXCallback) {
        if (!_setYCallback) _setYCallback = _setXCallback;
        if (!_setXYCallback) _setXYCallback = _setXCallback;
    }
}

EngPoint* EngCallbackPoint::set(double nx, double ny) {
    EngPoint::set(nx, ny);
    if (_setXYCallback) (*_setXYCallback)(runtime::Value(static_cast<runtime::Object*>(this)));
    return this;
}

void EngCallbackPoint::destroy() {
    EngPoint::destroy();
    _setXCallback = nullptr;
    _setYCallback = nullptr;
    _setXYCallback = nullptr;
}

double EngCallbackPoint::set_x(double value) {
    x = value;
    if (_setXCallback) (*_setXCallback)(runtime::Value(static_cast<runtime::Object*>(this)));
    return value;
}

double EngCallbackPoint::set_y(double value) {
    y = value;
    if (_setYCallback) (*_setYCallback)(runtime::Value(static_cast<runtime::Object*>(this)));
    return value;
}

RUNTIME_DEFINE_CLASS(EngCallbackPoint, "engine.util.EngCallbackPoint", EngPoint, (auto& b) { b.emptyInstance(); })

}  // namespace engine
