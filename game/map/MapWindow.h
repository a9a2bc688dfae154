#pragma once
// The map window: the current floor at 12 pixels a tile under the title "Map", with the hero's
// head as the marker and a "Back" button that closes it through the UI root.
#include "FloorMap.h"
#include "framework/events/Event.h"
#include "game/kit/BasicWindow.h"

namespace game {

class MapWindow : public BasicWindow {
    RUNTIME_CLASS(MapWindow)
public:
    static constexpr int WIDTH = 404;
    static constexpr int HEIGHT = 444;

    MapWindow();
    explicit MapWindow(runtime::NoInit n) : BasicWindow(n) {}

    // Makes the map and its marker; once, after construction.
    virtual void initialize();
    virtual void closeClicked(const runtime::Ref<framework::Event>& event);

    runtime::Ref<FloorMap> floorMap;
};

}  // namespace game
