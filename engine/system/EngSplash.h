#pragma once
// The engine's start-up splash: draws the five-coloured logo piece by piece (0.041 to 0.636 s of
// engine time), the engine's name under it in the newest piece's colour, fades both out over 3 s
// and hands over to nextState. While it runs the cameras' background is black, the fixed time
// step and auto-pause are off and the keyboard is disabled; the hand-over restores all four.
#include <functional>
#include <vector>

#include "engine/EngState.h"
#include "framework/display/Graphics.h"
#include "framework/display/Sprite.h"
#include "framework/text/TextField.h"

namespace engine {

class EngTimer;
class VarTween;

class EngSplash : public EngState {
    RUNTIME_CLASS(EngSplash)
public:
    // The state class shown after the splash; null at start and never cleared once set.
    static inline const runtime::ClassInfo* nextState = nullptr;
    // The text under the logo.
    static inline const char* ENGINE_NAME = "Glintvault Engine";

    explicit EngSplash(int maxSize = 0) : EngState(maxSize) {}
    explicit EngSplash(runtime::NoInit n) : EngState(n) {}

    void destroy() override;
    void create() override;
    void onResize(int width, int height) override;

    virtual void timerCallback(const runtime::Ref<EngTimer>& timer);
    virtual void drawGreen();
    virtual void drawYellow();
    virtual void drawRed();
    virtual void drawBlue();
    virtual void drawLightBlue();
    virtual void onComplete(const runtime::Ref<VarTween>& tween);

    runtime::Ref<framework::Sprite> _sprite;
    runtime::Ref<framework::Graphics> _gfx;
    runtime::Ref<framework::TextField> _text;
    std::vector<double> _times;
    std::vector<int> _colors;
    std::vector<std::function<void()>> _functions;
    int _curPart = 0;
    int _cachedBgColor = 0;
    bool _cachedTimestep = false;
    bool _cachedAutoPause = false;

private:
    // One filled polygon in the colour.
    void piece(int color, std::initializer_list<std::pair<double, double>> points);
};

}  // namespace engine
