#include "Scale9BitmapSprite.h"

#include <algorithm>

#include "framework/display/Bitmap.h"
#include "framework/geom/Rectangle.h"
#include "game/shell/C.h"
#include "platform/runtime/Numbers.h"

namespace game {

using framework::Bitmap;
using framework::BitmapData;
using framework::Point;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {

// Which corners and edges a side selector draws, and the area the edges span and the middle
// fills.
struct Frame {
    bool tl, tr, bl, br, top, bottom, left, right;
    int x0, x1, y0, y1;

    Frame(int sides, int width, int height, int c) {
        using S = Scale9BitmapSprite;
        tl = sides == S::ALL_SIDES || sides == S::LEFT_SIDE_CORNERS || sides == S::TOP_SIDE_CORNERS ||
             sides == S::TOP_LEFT_CORNER;
        bl = sides == S::ALL_SIDES || sides == S::LEFT_SIDE_CORNERS || sides == S::BOTTOM_SIDE_CORNERS ||
             sides == S::BOTTOM_LEFT_CORNER;
        tr = sides == S::ALL_SIDES || sides == S::RIGHT_SIDE_CORNERS || sides == S::TOP_SIDE_CORNERS ||
             sides == S::TOP_RIGHT_CORNER;
        br = sides == S::ALL_SIDES || sides == S::RIGHT_SIDE_CORNERS || sides == S::BOTTOM_SIDE_CORNERS ||
             sides == S::BOTTOM_RIGHT_CORNER;
        top = tl || tr || sides == S::TOP_SIDE;
        bottom = bl || br || sides == S::BOTTOM_SIDE;
        left = tl || bl || sides == S::LEFT_SIDE;
        right = tr || br || sides == S::RIGHT_SIDE;
        x0 = tl || bl || sides == S::LEFT_SIDE ? c : 0;
        x1 = tr || br || sides == S::RIGHT_SIDE ? width - c : width;
        y0 = tl || tr || sides == S::TOP_SIDE ? c : 0;
        y1 = bl || br || sides == S::BOTTOM_SIDE ? height - c : height;
    }
};

// Skin regions relative to the skin point, in piece-index order.
struct Region {
    int x, y, w, h;
};
std::vector<Region> regions(int c) {
    return {{0, 0, c, c},     {c + 1, 0, c, c}, {0, c + 1, c, c}, {c + 1, c + 1, c, c}, {c, 0, 1, c},
            {0, c, c, 1},     {c + 1, c, c, 1}, {c, c + 1, 1, c}, {c, c, 1, 1}};
}

std::string number(double v) { return runtime::Numbers::toText(v); }

int skinId(const Ref<BitmapData>& map) {
    auto& ids = Scale9BitmapSprite::MAP_IDS;
    auto it = std::find_if(ids.begin(), ids.end(), [&](const Ref<BitmapData>& b) { return b.get() == map.get(); });
    if (it != ids.end()) return static_cast<int>(it - ids.begin());
    ids.push_back(map);
    return static_cast<int>(ids.size() - 1);
}

Ref<Rectangle> regionRect(const Region& r, const Ref<Point>& p) {
    return make<Rectangle>(p->x + r.x, p->y + r.y, r.w, r.h);
}

int middleColour(const Ref<BitmapData>& map, const Ref<Point>& p, int c) {
    return map->getPixel32(static_cast<int>(p->x + c), static_cast<int>(p->y + c));
}

Ref<BitmapData> compose(const Ref<BitmapData>& map, int width, int height, const Frame& f, int c, const Ref<Point>& p) {
    auto out = make<BitmapData>(width, height, true, 0);
    const auto reg = regions(c);
    auto copy = [&](int piece, double x, double y) {
        out->copyPixels(map, regionRect(reg[static_cast<std::size_t>(piece)], p), make<Point>(x, y), nullptr, nullptr,
                        true);
    };
    using S = Scale9BitmapSprite;
    if (f.tl) copy(S::PIECE_CORNER_TL, 0, 0);
    if (f.bl) copy(S::PIECE_CORNER_BL, 0, height - c);
    if (f.tr) copy(S::PIECE_CORNER_TR, width - c, 0);
    if (f.br) copy(S::PIECE_CORNER_BR, width - c, height - c);
    if (f.top)
        for (int u = f.x0; u < f.x1; ++u) copy(S::PIECE_SIDE_T, u, 0);
    if (f.bottom)
        for (int u = f.x0; u < f.x1; ++u) copy(S::PIECE_SIDE_B, u, height - c);
    if (f.left)
        for (int v = f.y0; v < f.y1; ++v) copy(S::PIECE_SIDE_L, 0, v);
    if (f.right)
        for (int v = f.y0; v < f.y1; ++v) copy(S::PIECE_SIDE_R, width - c, v);
    if (f.x1 > f.x0 && f.y1 > f.y0)
        out->fillRect(make<Rectangle>(f.x0, f.y0, f.x1 - f.x0, f.y1 - f.y0), middleColour(map, p, c));
    return out;
}

const std::vector<Ref<BitmapData>>& pieces(const Ref<BitmapData>& map, int id, int c, const Ref<Point>& p) {
    const std::string key = std::to_string(id) + "," + number(p->x) + "," + number(p->y);
    auto found = Scale9BitmapSprite::mapPiecesCache.find(key);
    if (found != Scale9BitmapSprite::mapPiecesCache.end()) return found->second;
    std::vector<Ref<BitmapData>> cut;
    const auto reg = regions(c);
    for (std::size_t i = 0; i < reg.size(); ++i) {
        const Region& r = reg[i];
        auto piece = make<BitmapData>(r.w, r.h, true, 0);
        if (static_cast<int>(i) == Scale9BitmapSprite::PIECE_MIDDLE)
            piece->fillRect(make<Rectangle>(0, 0, 1, 1), middleColour(map, p, c));
        else
            piece->copyPixels(map, regionRect(r, p), C::POINT_0, nullptr, nullptr, true);
        cut.push_back(piece);
    }
    return Scale9BitmapSprite::mapPiecesCache[key] = std::move(cut);
}

void assemble(const Ref<framework::Sprite>& out, const std::vector<Ref<BitmapData>>& piece, int width, int height,
              const Frame& f, int c) {
    using S = Scale9BitmapSprite;
    auto put = [&](int index, double x, double y, double scaleX = 1, double scaleY = 1) {
        auto b = make<Bitmap>(piece[static_cast<std::size_t>(index)]);
        b->set_smoothing(false);
        b->set_x(x);
        b->set_y(y);
        if (scaleX != 1) b->set_scaleX(scaleX);
        if (scaleY != 1) b->set_scaleY(scaleY);
        out->addChild(b);
    };
    if (f.tl) put(S::PIECE_CORNER_TL, 0, 0);
    if (f.bl) put(S::PIECE_CORNER_BL, 0, height - c);
    if (f.tr) put(S::PIECE_CORNER_TR, width - c, 0);
    if (f.br) put(S::PIECE_CORNER_BR, width - c, height - c);
    // Each edge runs one pixel past its run, over the first column or row of the next corner.
    if (f.top) put(S::PIECE_SIDE_T, f.x0, 0, f.x1 - f.x0 + 1);
    if (f.bottom) put(S::PIECE_SIDE_B, f.x0, height - c, f.x1 - f.x0 + 1);
    if (f.left) put(S::PIECE_SIDE_L, 0, f.y0, 1, f.y1 - f.y0 + 1);
    if (f.right) put(S::PIECE_SIDE_R, width - c, f.y0, 1, f.y1 - f.y0 + 1);
    put(S::PIECE_MIDDLE, f.x0, f.y0, f.x1 - f.x0, f.y1 - f.y0);
}

}  // namespace

Ref<framework::Sprite> Scale9BitmapSprite::createSprite(const Ref<BitmapData>& map, int width, int height, int sides,
                                                        int cornerSize, const Ref<Point>& topLeftPoint,
                                                        bool wholeBitmap) {
    auto out = make<framework::Sprite>();
    if (!map) return out;  // a missing skin draws nothing
    const int id = skinId(map);
    const Ref<Point> p = topLeftPoint ? topLeftPoint : C::POINT_0;
    const Frame f(sides, width, height, cornerSize);
    if (wholeBitmap) {
        const std::string key = std::to_string(id) + "," + std::to_string(width) + "," + std::to_string(height) + "," +
                                std::to_string(sides) + "," + std::to_string(cornerSize) + "," + number(p->x) + "," +
                                number(p->y);
        auto found = BUTTON_BMD_CACHE.find(key);
        Ref<BitmapData> bitmap = found != BUTTON_BMD_CACHE.end()
                                     ? found->second
                                     : (BUTTON_BMD_CACHE[key] = compose(map, width, height, f, cornerSize, p));
        out->addChild(make<Bitmap>(bitmap));
    } else {
        assemble(out, pieces(map, id, cornerSize, p), width, height, f, cornerSize);
    }
    return out;
}

void Scale9BitmapSprite::drawThisSprite(const Ref<BitmapData>& newMap, int width, int height, int newSides,
                                        int newCornerSize, const Ref<Point>& point) {
    map = newMap;
    sides = newSides;
    cornerSize = newCornerSize;
    topLeftPoint = point ? point : C::POINT_0;
    if (sprite && sprite->get_parent().get() == this) removeChild(sprite);
    sprite = createSprite(map, width, height, sides, cornerSize, topLeftPoint, false);
    addChildAt(sprite, 0);
}

}  // namespace game

using game::Scale9BitmapSprite;

RUNTIME_DEFINE_CLASS(Scale9BitmapSprite, "Scale9BitmapSprite", game::BitmapSprite, (auto& b) {
    b.template field<&Scale9BitmapSprite::map>("map")
        .template field<&Scale9BitmapSprite::sides>("sides")
        .template field<&Scale9BitmapSprite::cornerSize>("cornerSize")
        .template field<&Scale9BitmapSprite::topLeftPoint>("topLeftPoint")
        .template field<&Scale9BitmapSprite::sprite>("sprite")
        .template method<&Scale9BitmapSprite::drawThisSprite>("drawThisSprite")
        .emptyInstance();
})
