#include "UILoot.h"

#include <algorithm>

#include "game/kit/TextSprite.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;

namespace {

int menuSide(int gameSide, int most) {
    return static_cast<int>(std::min(static_cast<double>(gameSide), static_cast<double>(most)));
}

}  // namespace

UILoot::UILoot(int width, int) : BasicWindow(menuSide(Game::gameWidth, 960), menuSide(Game::gameHeight, 540)) {
    const int centreX = static_cast<int>(width * 0.5);
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "LOOT THIS RUN", false, -1, 2, true, 0, false,
                                  false, -5.0, 2, true);
    title->set_x(centreX);
    title->set_y(10);
    addChild(title);
    auto subtitle = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14,
                                     "- displaying all items kept when using the escape wings -", false, -1, 2, true, 0,
                                     false, false, -5.0, 2, true);
    subtitle->set_x(centreX);
    subtitle->set_y(36);
    addChild(subtitle);
}

}  // namespace game

using game::UILoot;

RUNTIME_DEFINE_CLASS(UILoot, "UILoot", game::BasicWindow, (auto& b) { b.emptyInstance(); })
