#include "EngSplash.h"

#include "engine/EngG.h"
#include "engine/EngGame.h"

namespace engine {

void EngSplash::update() {
    EngState::update();
    if (!nextState || !EngG::game) return;
    EngG::game->_requestedState = runtime::Ref<EngState>(dynamic_cast<EngState*>(nextState->create(nullptr, 0).get()));
    EngG::game->_gameJustStarted = true;
}

}  // namespace engine

using engine::EngSplash;

RUNTIME_DEFINE_CLASS(EngSplash, "engine.system.EngSplash", engine::EngState, (auto& b) { b.emptyInstance(); })
