#pragma once
// The modal question: a framed window with a wrapped, centred question, "Yes" and "No" buttons
// and, on keyboard platforms, key hints under them. Showing and hiding belong to the UI root;
// an answer first closes the window there, then runs the creator's function.
#include "BasicButton.h"
#include "BasicWindow.h"

namespace game {

class YesNoWindow : public BasicWindow {
    RUNTIME_CLASS(YesNoWindow)
public:
    static constexpr int WIN_WIDTH = 300;
    static constexpr int BUTTON_WIDTH = 80;
    static constexpr int BUTTON_HEIGHT = 40;
    static inline runtime::Ref<YesNoWindow> ESCAPE_WINGS_CONFIRMATION;
    static inline runtime::Ref<YesNoWindow> STAIRS_CONFIRMATION;

    // Both functions are required.
    YesNoWindow(const runtime::String& text, const runtime::Ref<runtime::Function>& yesFunction,
                const runtime::Ref<runtime::Function>& noFunction);
    explicit YesNoWindow(runtime::NoInit n) : BasicWindow(n) {}

    // The escape-wings question.
    static void createCachedWindows();

    virtual void yesClick(const runtime::Ref<framework::Event>& event);
    virtual void yes();
    virtual void noClick(const runtime::Ref<framework::Event>& event);
    virtual void no();

    runtime::Ref<runtime::Function> yesFunction;
    runtime::Ref<runtime::Function> noFunction;

private:
    YesNoWindow(const runtime::Ref<TextSprite>& question, const runtime::Ref<runtime::Function>& yesFunction,
                const runtime::Ref<runtime::Function>& noFunction);
    // The answer button at x, its key hint box (keyboard platforms) behind it.
    runtime::Ref<BasicButton> addAnswer(const char* label, const char* key, int x, int y);
};

}  // namespace game
