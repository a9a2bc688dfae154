#pragma once
// One screen of the game: a group of engine objects created, updated, drawn and destroyed as a
// whole, which can show a sub-state on top of itself.
#include "engine/group/EngGroup.h"

namespace engine {

class EngSubState;

class EngState : public EngGroup {
    RUNTIME_CLASS(EngState)
public:
    explicit EngState(int maxSize = 0);
    explicit EngState(runtime::NoInit n);
    ~EngState() override;

    // Set-up when the state becomes current; a derived state overrides it.
    virtual void create() {}
    // Requests: carried out right after this state's next update.
    virtual void openSubState(const runtime::Ref<EngSubState>& subState);
    virtual void closeSubState();
    virtual void resetSubState();
    virtual void onFocusLost() {}
    virtual void onFocus() {}
    virtual void onResize(int width, int height) {}
    // One step of the state and its sub-states.
    virtual void tryUpdate();
    // The cameras' background colour.
    virtual int get_bgColor();
    virtual int set_bgColor(int color);
    void draw() override;
    void destroy() override;

    bool persistentUpdate = false;
    bool persistentDraw = true;
    bool destroySubStates = true;
    runtime::Ref<EngSubState> subState;
    runtime::Ref<EngSubState> _requestedSubState;
    bool _requestSubStateReset = false;
};

}  // namespace engine
