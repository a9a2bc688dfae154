#pragma once
// The engine-wide signals that the engine game dispatches at fixed points of its frame, state
// and window life.
#include "engine/util/EngSignal0.h"
#include "engine/util/EngSignal2.h"

namespace engine {

class SignalFrontEnd : public runtime::Object {
public:
    runtime::Ref<EngSignal0> stateSwitched = runtime::make<EngSignal0>();
    // (stage width, stage height)
    runtime::Ref<EngSignal2> gameResized = runtime::make<EngSignal2>();
    runtime::Ref<EngSignal0> gameReset = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> gameStarted = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> preUpdate = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> postUpdate = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> preDraw = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> postDraw = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> focusGained = runtime::make<EngSignal0>();
    runtime::Ref<EngSignal0> focusLost = runtime::make<EngSignal0>();
};

}  // namespace engine
