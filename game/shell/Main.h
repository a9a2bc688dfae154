#pragma once
// The root sprite of the game: once on the stage it sets the stage's alignment and scale mode
// and adds the Game.
#include "framework/display/Sprite.h"
#include "framework/events/Event.h"

namespace game {

class Main : public framework::Sprite {
    RUNTIME_CLASS(Main)
public:
    Main();
    explicit Main(runtime::NoInit n) : framework::Sprite(n) {}

    // Adds a new Main to the root clip.
    static void main();

    virtual void init(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void go();
    virtual void initialize();
};

}  // namespace game
