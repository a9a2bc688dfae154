#include "MapWindow.h"

#include "game/kit/BasicButton.h"
#include "game/kit/TextSprite.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"

namespace game {

using runtime::make;
using runtime::Ref;

MapWindow::MapWindow() : BasicWindow(WIDTH, HEIGHT, true) {
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "Map", false, -1, 2, true, 0, false, false, -5.0, 2,
                                  true);
    title->set_x(WIDTH * 0.5);
    title->set_y(10);
    addChild(title);
    auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Back", false, -1, 2, true);
    auto back = make<BasicButton>(60, 32, 0, -1, BasicButton::COLOR_RED, true, caption);
    back->set_x(WIDTH - 60 - 9);
    back->set_y(9);
    back->addEventListener("click", runtime::Function::method<&MapWindow::closeClicked>(this));
    addChild(back);
}

void MapWindow::initialize() {
    auto marker = make<framework::Sprite>();
    auto head = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/guyHead.png"));
    head->set_x(-1);
    head->set_y(-1);
    marker->addChild(head);
    floorMap = make<FloorMap>(12, PixelSmoother::smoothAsset("assets/ui/largeMapSymbols.png"), marker);
    floorMap->set_x(10);
    floorMap->set_y(HEIGHT - 394);
    addChild(floorMap);
}

void MapWindow::closeClicked(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeMap();
}

}  // namespace game

using game::MapWindow;

RUNTIME_DEFINE_CLASS(MapWindow, "MapWindow", game::BasicWindow, (auto& b) {
    b.template field<&MapWindow::floorMap>("floorMap")
        .template method<&MapWindow::initialize>("initialize")
        .template method<&MapWindow::closeClicked>("closeClicked")
        .emptyInstance();
})
