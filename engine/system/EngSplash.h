#pragma once
// The engine's splash state. Its picture and timing are not built yet: it hands over to the next
// state at its first step.
#include "engine/EngState.h"

namespace engine {

class EngSplash : public EngState {
    RUNTIME_CLASS(EngSplash)
public:
    // The state class shown after the splash; null at start and never cleared once set.
    static inline const runtime::ClassInfo* nextState = nullptr;

    EngSplash() = default;
    explicit EngSplash(runtime::NoInit n) : EngState(n) {}

    void update() override;
};

}  // namespace engine
