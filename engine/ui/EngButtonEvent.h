#pragma once
// One event of a push button: an optional callback and an optional sound, both run on fire.
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/system/EngSound.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngButtonEvent : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngButtonEvent)
public:
    explicit EngButtonEvent(const runtime::Ref<runtime::Function>& callback = nullptr,
                            const runtime::Ref<EngSound>& sound = nullptr)
        : callback(callback), sound(sound) {}
    explicit EngButtonEvent(runtime::NoInit) {}

    void destroy() override;
    // The callback, then the sound restarted from its beginning.
    virtual void fire();

    runtime::Ref<runtime::Function> callback;
    runtime::Ref<EngSound> sound;
};

}  // namespace engine
