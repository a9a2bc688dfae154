#pragma once
// A point that calls back after its x, its y or both change. Never pooled.
#include "engine/util/EngPoint.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngCallbackPoint : public EngPoint {
    RUNTIME_CLASS(EngCallbackPoint)
public:
    // With only setXCallback given, it serves the y and the both-changed calls as well.
    explicit EngCallbackPoint(runtime::Ref<runtime::Function> setXCallback = nullptr,
                              runtime::Ref<runtime::Function> setYCallback = nullptr,
                              runtime::Ref<runtime::Function> setXYCallback = nullptr);
    explicit EngCallbackPoint(runtime::NoInit n) : EngPoint(n) {}

    void put() override {}
    EngPoint* set(double x = 0, double y = 0) override;
    void destroy() override;
    double set_x(double value) override;
    double set_y(double value) override;

    runtime::Ref<runtime::Function> _setXCallback;
    runtime::Ref<runtime::Function> _setYCallback;
    runtime::Ref<runtime::Function> _setXYCallback;
};

}  // namespace engine
