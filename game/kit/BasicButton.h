#pragma once
// The standard button: the button base with its three looks composed by the nine-slice builder
// from one of four shared skin families (large black or red, small black or yellow), an
// optional caption centred on it, an optional icon whose opacity follows the state, a click
// sound, and select, deselect, enable and disable looks.
#include "ButtonTemplate.h"
#include "TextSprite.h"

namespace game {

class BasicButton : public ButtonTemplate {
    RUNTIME_CLASS(BasicButton)
public:
    static constexpr int CORNER_SIZE_LARGE = 12;
    static constexpr int CORNER_SIZE_SMALL = 9;
    static constexpr int COLOR_BLACK = 0;
    static constexpr int COLOR_RED = 1;
    static constexpr int COLOR_YELLOW = 2;

    // cornerSize -1 is CORNER_SIZE_LARGE.
    BasicButton(int width, int height, int sides = 0, int cornerSize = -1, int color = COLOR_BLACK,
                bool clickSound = true, const runtime::Ref<TextSprite>& caption = nullptr);
    explicit BasicButton(runtime::NoInit n) : ButtonTemplate(n) {}

    void mouseOver(const runtime::Ref<framework::Event>& event) override;
    void mouseOut(const runtime::Ref<framework::Event>& event) override;
    virtual void select();
    virtual void deselect();
    virtual void disable();
    virtual void enable();
    // Plays "simpleClick"; heard also on a disabled button.
    virtual void onClick(const runtime::Ref<framework::Event>& event);

    // Set (and added as a child) by the user; alpha 1 while hovered or selected, else 0.5.
    runtime::Ref<framework::DisplayObject> icon;
};

}  // namespace game
