#pragma once
// The menu's loot tab ("LOOT THIS RUN"): a frame of the menu's full size, min(game size, 960 x
// 540), whose right and bottom edges lie under the menu panel and the inventory; its texts are
// centred on the tab area's width. The UI root puts its loot panel in it at (DETAILS_X, DETAILS_Y).
#include "game/kit/BasicWindow.h"

namespace game {

class UILoot : public BasicWindow {
    RUNTIME_CLASS(UILoot)
public:
    static constexpr int DETAILS_X = 10;
    static constexpr int DETAILS_Y = 70;

    // width centres the texts; height is not used.
    UILoot(int width, int height);
    explicit UILoot(runtime::NoInit n) : BasicWindow(n) {}
};

}  // namespace game
