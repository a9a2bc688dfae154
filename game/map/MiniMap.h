#pragma once
// The HUD's corner map: a framed button holding the current floor at 3 pixels a tile with a
// yellow hero dot, a white square for the reveal flash, and a click that opens the map window.
// It keeps the map window's floor and hero position in step (the window repaints on opening).
#include "FloorMap.h"
#include "framework/events/Event.h"
#include "game/kit/BasicButton.h"

namespace game {

class MapWindow;

class MiniMap : public BitmapSprite {
    RUNTIME_CLASS(MiniMap)
public:
    // Set by the UI root before it makes the minimap: C::MAP_SIZE x 3 + 16.
    static inline int MAP_WIDTH = 0;
    static inline int MAP_HEIGHT = 0;
    // Radius in tiles of the fog cleared around the hero.
    static constexpr int FOG_RADIUS = 6;

    MiniMap();
    explicit MiniMap(runtime::NoInit n) : BitmapSprite(n) {}

    // Repaints the minimap; a given floor also becomes the map window's.
    virtual void updateMap(const runtime::Ref<MapData>& mapData = nullptr);
    virtual void updateTile(int x, int y);
    virtual void setHeroPos(int x, int y);
    virtual void mapClick(const runtime::Ref<framework::Event>& event);
    // A white flash over the map, fading out in 0.6 s.
    virtual void reveal();

    runtime::Ref<BasicButton> button;
    runtime::Ref<FloorMap> map;
    runtime::Ref<framework::Bitmap> white;

private:
    // The UI root's map window, or null without a root.
    static runtime::Ref<MapWindow> rootMapWindow();
};

}  // namespace game
