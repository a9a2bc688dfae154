#pragma once
// The engine's root object: a sprite put on the stage once. It turns the stage's frames into
// fixed steps and one draw, owns the current state, carries out state switches and game resets,
// and reacts to focus changes and window resizes.
#include "engine/EngState.h"
#include "framework/display/Sprite.h"

namespace framework {
class Event;
}

namespace engine {

class EngGame : public framework::Sprite {
    RUNTIME_CLASS(EngGame)
public:
    // initialState: a registered state class made with no arguments (EngState when null).
    explicit EngGame(int gameSizeX = 640, int gameSizeY = 480, const runtime::ClassInfo* initialState = nullptr,
                     double zoom = 1.0, int updateFramerate = 60, int drawFramerate = 60, bool skipSplash = false,
                     bool startFullscreen = false);
    explicit EngGame(runtime::NoInit n) : framework::Sprite(n) {}

    virtual void create(const runtime::Ref<framework::Event>& event);
    virtual void onFocus(const runtime::Ref<framework::Event>& event);
    virtual void onFocusLost(const runtime::Ref<framework::Event>& event);
    virtual void onResize(const runtime::Ref<framework::Event>& event);
    virtual void resizeGame(int width, int height);
    virtual void onEnterFrame(const runtime::Ref<framework::Event>& event);
    virtual void resetGame();
    virtual void switchState();
    virtual void gameStart();
    virtual void step();
    virtual void update();
    virtual void updateInput();
    virtual void draw();

    int focusLostFramerate = 10;
    int ticks = 0;
    bool _gameJustStarted = false;
    const runtime::ClassInfo* _initialState = nullptr;
    runtime::Ref<EngState> _state;
    int _total = 0;
    int _accumulator = 0;
    int _elapsedMS = 0;
    int _stepMS = 0;
    double _stepSeconds = 0;
    int _maxAccumulation = 0;
    bool _lostFocus = false;
    bool _onFocusFiredOnce = false;
    runtime::Ref<framework::Sprite> _inputContainer;
    bool _skipSplash = false;
    bool _startFullscreen = false;
    runtime::Ref<EngState> _requestedState;
    bool _resetGame = false;

private:
    // The body of resetGame, shared by create and step.
    void doResetGame();
};

}  // namespace engine
