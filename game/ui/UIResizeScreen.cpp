#include "UIResizeScreen.h"

#include <algorithm>
#include <cmath>

#include "UI.h"

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/data/GameData.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;

UIResizeScreen::UIResizeScreen() {
    back = make<framework::Bitmap>(BMDCache::blackSquare2x2);
    back->set_width(std::trunc(std::min(Game::gameWidth, 960)));
    back->set_height(std::trunc(std::min(Game::gameHeight, 540)));
    addChild(back);
    const double cx = Game::gameCenter ? Game::gameCenter->x : 0;
    const double cy = Game::gameCenter ? Game::gameCenter->y : 0;
    label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Screen Resized", false, -1, 2, true, 0, false,
                             false, -5.0, 2, true);
    label->set_x(cx);
    label->set_y(cy - 20);
    addChild(label);
    label2 = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Click anywhere to continue playing at this size",
                              false, -1, 2, true, 0, false, false, -5.0, 2, true);
    label2->set_x(cx);
    label2->set_y(cy + 5);
    addChild(label2);
    addEventListener(framework::MouseEvent::CLICK, runtime::Function::method<&UIResizeScreen::screenClicked>(this));
    updateDisplay();
}

void UIResizeScreen::updateDisplay() {
    auto stage = framework::Lib::get_current()->get_stage();
    const double w = stage ? stage->get_stageWidth() : Game::screenWidth;
    const double h = stage ? stage->get_stageHeight() : Game::screenHeight;
    const double s = Game::scaleFactor;
    back->set_width(w);
    back->set_height(h);
    label->set_x(w * 0.5);
    label->set_y(h * 0.5 - 20 * s);
    label2->set_x(w * 0.5);
    label2->set_y(h * 0.5 + 5 * s);
    if (GameData::guiSizeLarge && s != 0) {
        for (auto* text : {&label, &label2}) {
            (*text)->set_x((*text)->get_x() / s);
            (*text)->set_y((*text)->get_y() / s);
        }
    }
}

void UIResizeScreen::screenClicked(const runtime::Ref<framework::Event>&) {
    Game::createUI();
    if (Game::ui) Game::ui->closeResizeScreen();
}

}  // namespace game

using game::UIResizeScreen;

RUNTIME_DEFINE_CLASS(UIResizeScreen, "UIResizeScreen", game::BitmapSprite, (auto& b) {
    b.template field<&UIResizeScreen::back>("back")
        .template field<&UIResizeScreen::label>("label")
        .template field<&UIResizeScreen::label2>("label2")
        .template method<&UIResizeScreen::updateDisplay>("updateDisplay")
        .template method<&UIResizeScreen::screenClicked>("screenClicked")
        .emptyInstance();
})
