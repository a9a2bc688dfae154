#pragma once
// A state shown over another: a coloured background and a close callback.
#include "engine/EngState.h"
#include "engine/system/layer/EngBGSprite.h"

namespace engine {

class EngSubState : public EngState {
    RUNTIME_CLASS(EngSubState)
public:
    explicit EngSubState(int bgColor = 0);
    explicit EngSubState(runtime::NoInit n) : EngState(n) {}

    // Asks the parent to close this sub-state when it is the parent's open one.
    virtual void close();
    void draw() override;
    void destroy() override;
    int get_bgColor() override { return _bgColor; }
    int set_bgColor(int color) override;

    runtime::Ref<runtime::Function> closeCallback;
    runtime::Ref<EngBGSprite> _bgSprite;
    runtime::Weak<EngState> _parentState;
    int _bgColor = 0;
    bool _created = false;
};

}  // namespace engine
