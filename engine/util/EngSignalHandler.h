#pragma once
// One registration of a listener with a signal.
#include "engine/interfaces/IEngDestroyable.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngSignalHandler : public runtime::Object, public IEngDestroyable {
public:
    EngSignalHandler(runtime::Ref<runtime::Function> listener, bool dispatchOnce)
        : listener(std::move(listener)), dispatchOnce(dispatchOnce) {}

    void destroy() override { listener = nullptr; }

    runtime::Ref<runtime::Function> listener;
    // Removed right after its first call.
    bool dispatchOnce;
};

}  // namespace engine
