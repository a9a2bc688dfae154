#pragma once
// Runs the engine's tweens: updates every active one each step and finishes those whose run
// ended, after the whole list was updated.
#include <vector>

#include "engine/plugin/EngPlugin.h"

namespace engine {

class EngTween;

class TweenManager : public EngPlugin {
    RUNTIME_CLASS(TweenManager)
public:
    TweenManager() { visible = false; }
    explicit TweenManager(runtime::NoInit n) : EngPlugin(n) {}

    // Appends the tween (no duplicate check) and starts it when asked; null gives null.
    template <class T>
    runtime::Ref<T> add(const runtime::Ref<T>& tween, bool start = false) {
        addTween(tween, start);
        return tween;
    }
    // Deactivates and destroys the tween, then takes it out (the last tween moves into its place).
    virtual runtime::Ref<EngTween> remove(const runtime::Ref<EngTween>& tween);
    virtual void clear();
    void update() override;
    void onStateSwitch() override { clear(); }

    std::vector<runtime::Ref<EngTween>> _tweens;

private:
    void addTween(const runtime::Ref<EngTween>& tween, bool start);
};

}  // namespace engine
