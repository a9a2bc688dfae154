#pragma once
// A stage whose events an embedding host pumps in, instead of the back end's own loop.
#include "Stage.h"

namespace framework {

class ManagedStage : public Stage {
    RUNTIME_CLASS(ManagedStage)
public:
    static inline runtime::Primitive media_managed_stage_create;
    static inline runtime::Primitive media_managed_stage_pump_event;
    static void initClass();

    ManagedStage(int width, int height, int flags = 0);
    explicit ManagedStage(runtime::NoInit n) : Stage(n) {}

    virtual void pumpEvent(const runtime::Value& event);
    virtual void sendQuit();
    void resize(int width, int height) override;
    double doProcessStageEvent_(const runtime::Value& event) override;
    void render_(bool sendEnterFrame) override;

    // Host hooks, each a do-nothing default.
    runtime::Ref<runtime::Function> beginRender;
    runtime::Ref<runtime::Function> endRender;
    runtime::Ref<runtime::Function> setNextWake;

private:
    static runtime::Value createHandle(int width, int height, int flags);
};

}  // namespace framework
