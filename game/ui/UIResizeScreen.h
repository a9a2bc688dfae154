#pragma once
// The notice shown after the window was resized: a black cover saying "Screen Resized"; a click
// anywhere on it re-creates the UI for the new size and closes it.
#include "game/kit/TextSprite.h"

namespace game {

class UIResizeScreen : public BitmapSprite {
    RUNTIME_CLASS(UIResizeScreen)
public:
    UIResizeScreen();
    explicit UIResizeScreen(runtime::NoInit n) : BitmapSprite(n) {}

    // Lays the notice out for the stage's current size.
    virtual void updateDisplay();
    virtual void screenClicked(const runtime::Ref<framework::Event>& event = nullptr);

    runtime::Ref<framework::Bitmap> back;
    runtime::Ref<TextSprite> label;
    runtime::Ref<TextSprite> label2;
};

}  // namespace game
