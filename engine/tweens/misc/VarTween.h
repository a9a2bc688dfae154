#pragma once
// Tweens numeric fields or properties of any object, found by name; the start values are read
// at the first update after the start delay.
#include <string>
#include <vector>

#include "engine/tweens/EngTween.h"

namespace engine {

class VarTween : public EngTween {
    RUNTIME_CLASS(VarTween)
public:
    explicit VarTween(runtime::Ref<runtime::Object> options = nullptr) : EngTween(std::move(options)) {}
    explicit VarTween(runtime::NoInit n) : EngTween(n) {}

    virtual VarTween* tween(runtime::Ref<runtime::Object> object, runtime::Ref<runtime::Object> properties,
                            double duration);
    // Reads the start value of every named field; raises an error for a missing or non-numeric one.
    virtual void initializeVars();
    void update() override;
    void destroy() override;

    runtime::Ref<runtime::Object> _object;
    runtime::Ref<runtime::Object> _properties;
    std::vector<std::string> _vars;
    std::vector<double> _startValues;
    std::vector<double> _range;
};

}  // namespace engine
