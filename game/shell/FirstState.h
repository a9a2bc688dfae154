#pragma once
// The engine game's first state until the exploration state exists: it runs the shell's part of
// the start-up frames (the loading screen, then the UI geometry and the screen's fade) and then
// counts frames and drives the music fade.
#include "engine/EngState.h"

namespace game {

class FirstState : public engine::EngState {
    RUNTIME_CLASS(FirstState)
public:
    FirstState() = default;
    explicit FirstState(runtime::NoInit n) : engine::EngState(n) {}

    void create() override;
    void update() override;

    // Start-up frames seen so far.
    int startupFrame = 0;
};

}  // namespace game
