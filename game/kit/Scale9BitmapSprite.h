#pragma once
// Nine-slice frames from a skin: a square of (2c + 1) pixels at a skin point of a source bitmap,
// whose c x c corners are kept, whose one-pixel edge strips are stretched and whose centre pixel
// (ARGB) fills the middle. createSprite builds a frame either composed into one cached bitmap of
// the exact size or assembled from nine cached pieces that the display list stretches. As a
// BitmapSprite it keeps one such frame as its back-most child (drawThisSprite).
#include <map>
#include <string>
#include <vector>

#include "BitmapSprite.h"
#include "framework/geom/Point.h"

namespace game {

class Scale9BitmapSprite : public BitmapSprite {
    RUNTIME_CLASS(Scale9BitmapSprite)
public:
    static constexpr int ALL_SIDES = 0;
    static constexpr int LEFT_SIDE_CORNERS = 1;
    static constexpr int RIGHT_SIDE_CORNERS = 2;
    static constexpr int TOP_SIDE_CORNERS = 3;
    static constexpr int BOTTOM_SIDE_CORNERS = 4;
    static constexpr int LEFT_SIDE = 5;
    static constexpr int RIGHT_SIDE = 6;
    static constexpr int TOP_SIDE = 7;
    static constexpr int BOTTOM_SIDE = 8;
    static constexpr int TOP_LEFT_CORNER = 9;
    static constexpr int TOP_RIGHT_CORNER = 10;
    static constexpr int BOTTOM_LEFT_CORNER = 11;
    static constexpr int BOTTOM_RIGHT_CORNER = 12;
    static constexpr int NO_SIDES = 13;

    static constexpr int PIECE_CORNER_TL = 0;
    static constexpr int PIECE_CORNER_TR = 1;
    static constexpr int PIECE_CORNER_BL = 2;
    static constexpr int PIECE_CORNER_BR = 3;
    static constexpr int PIECE_SIDE_T = 4;
    static constexpr int PIECE_SIDE_L = 5;
    static constexpr int PIECE_SIDE_R = 6;
    static constexpr int PIECE_SIDE_B = 7;
    static constexpr int PIECE_MIDDLE = 8;

    // Composed frames by "skin id,width,height,sides,cornerSize,x,y".
    static inline std::map<std::string, runtime::Ref<framework::BitmapData>> BUTTON_BMD_CACHE;
    // Every source bitmap passed in; a skin id is a position here.
    static inline std::vector<runtime::Ref<framework::BitmapData>> MAP_IDS;
    // The nine cut pieces by "skin id,x,y", in piece-index order.
    static inline std::map<std::string, std::vector<runtime::Ref<framework::BitmapData>>> mapPiecesCache;

    Scale9BitmapSprite() = default;
    explicit Scale9BitmapSprite(runtime::NoInit n) : BitmapSprite(n) {}

    // A new Sprite holding a width x height frame (top-left at its origin) with the corners and
    // edges that sides selects; composed when wholeBitmap, else assembled.
    static runtime::Ref<framework::Sprite> createSprite(const runtime::Ref<framework::BitmapData>& map, int width,
                                                        int height, int sides, int cornerSize,
                                                        const runtime::Ref<framework::Point>& topLeftPoint,
                                                        bool wholeBitmap = false);
    // Replaces this object's frame by an assembled one of the new size, behind every other
    // child. A null point is (0, 0).
    virtual void drawThisSprite(const runtime::Ref<framework::BitmapData>& map, int width, int height, int sides,
                                int cornerSize, const runtime::Ref<framework::Point>& topLeftPoint);

    runtime::Ref<framework::BitmapData> map;
    int sides = 0;
    int cornerSize = 0;
    runtime::Ref<framework::Point> topLeftPoint;
    runtime::Ref<framework::Sprite> sprite;
};

}  // namespace game
