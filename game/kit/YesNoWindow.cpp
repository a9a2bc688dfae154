#include "YesNoWindow.h"

#include "game/data/GameData.h"
#include "game/shell/Game.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

Ref<TextSprite> question(const runtime::String& text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, text, true, YesNoWindow::WIN_WIDTH - 40, 2, true);
}

}  // namespace

YesNoWindow::YesNoWindow(const runtime::String& text, const Ref<Function>& yesFunction, const Ref<Function>& noFunction)
    : YesNoWindow(question(text), yesFunction, noFunction) {}

YesNoWindow::YesNoWindow(const Ref<TextSprite>& text, const Ref<Function>& yesFunction, const Ref<Function>& noFunction)
    : BasicWindow(WIN_WIDTH, text->textHeight + 120), yesFunction(yesFunction), noFunction(noFunction) {
    text->set_x(20);
    text->set_y(20);
    addChild(text);
    const int y = winHeight - BUTTON_HEIGHT - 40;
    auto yesButton = addAnswer("Yes", GameData::azerty ? "A" : "Q", static_cast<int>(WIN_WIDTH * 0.333 - BUTTON_WIDTH * 0.5), y);
    yesButton->addEventListener("click", Function::method<&YesNoWindow::yesClick>(this));
    auto noButton = addAnswer("No", "E", static_cast<int>(WIN_WIDTH * 0.666 - BUTTON_WIDTH * 0.5), y);
    noButton->addEventListener("click", Function::method<&YesNoWindow::noClick>(this));
}

Ref<BasicButton> YesNoWindow::addAnswer(const char* label, const char* key, int x, int y) {
    auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, label, false, -1, 2, true, 0, false, false,
                                    -5.0, 2, true);
    auto button = make<BasicButton>(BUTTON_WIDTH, BUTTON_HEIGHT, 0, -1, BasicButton::COLOR_BLACK, true, caption);
    button->set_x(x);
    button->set_y(y);
    if (!Game::mobile) {
        auto box = make<BasicWindow>(24, 24);
        auto letter =
            make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, key, false, -1, 2, true, 0, false, false, -5.0, 2, true);
        letter->set_x(box->winWidth * 0.5);
        letter->set_y(6);
        box->addChild(letter);
        box->set_x(x + static_cast<int>(button->buttonWidth * 0.5) - box->winWidth * 0.5);
        box->set_y(y + button->buttonHeight - 3);
        addChild(box);
    }
    addChild(button);
    return button;
}

void YesNoWindow::createCachedWindows() {
    // The UI root's do-nothing answer.
    ESCAPE_WINGS_CONFIRMATION = make<YesNoWindow>("Use the wings to escape the cave?",
                                                  Function::of<&GameData::confirmUseWings>(), Function::of([] {}));
}

void YesNoWindow::yesClick(const Ref<framework::Event>&) { yes(); }

void YesNoWindow::yes() {
    askUIRoot("closeYesNoWin");
    runtime::call(yesFunction);
}

void YesNoWindow::noClick(const Ref<framework::Event>&) { no(); }

void YesNoWindow::no() {
    askUIRoot("closeYesNoWin");
    runtime::call(noFunction);
}

}  // namespace game

using game::YesNoWindow;

RUNTIME_DEFINE_CLASS(YesNoWindow, "YesNoWindow", game::BasicWindow, (auto& b) {
    b.template field<&YesNoWindow::yesFunction>("yesFunction")
        .template field<&YesNoWindow::noFunction>("noFunction")
        .template method<&YesNoWindow::yes>("yes")
        .template method<&YesNoWindow::no>("no")
        .template staticField<&YesNoWindow::ESCAPE_WINGS_CONFIRMATION>("ESCAPE_WINGS_CONFIRMATION")
        .template staticField<&YesNoWindow::STAIRS_CONFIRMATION>("STAIRS_CONFIRMATION")
        .emptyInstance();
})
