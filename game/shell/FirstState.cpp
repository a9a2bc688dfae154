#include "FirstState.h"

#include "Audio.h"
#include "G.h"
#include "Game.h"

namespace game {

void FirstState::create() { G::mapState = runtime::Ref<engine::EngState>(this); }

void FirstState::update() {
    if (startupFrame < 3) {
        ++startupFrame;
        if (startupFrame == 1) Game::showAppLoadingScreen();
        else if (startupFrame == 3) Game::createUI(true);
        return;
    }
    ++G::frameCount;
    if (Audio::fading) Audio::updateFade();
    engine::EngState::update();
}

}  // namespace game

using game::FirstState;

RUNTIME_DEFINE_CLASS(FirstState, "FirstState", engine::EngState, (auto& b) {
    b.emptyInstance().constructor(
        [](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<FirstState>(); });
})
