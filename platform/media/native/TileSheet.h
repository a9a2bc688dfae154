#pragma once
// A tile sheet: one surface and its tiles, numbered 0, 1, 2… in the order they were added.
#include <cmath>
#include <vector>

#include "Rect2D.h"
#include "Surface.h"
#include "platform/runtime/Object.h"

namespace media {

class TileSheet : public runtime::Object {
public:
    struct Tile {
        Rect2D rect;      // in pixels of the surface
        double centerX;   // the point of the tile placed at a tile's x, y (pixels in the tile)
        double centerY;
    };

    explicit TileSheet(runtime::Ref<Surface> surface) : surface(std::move(surface)) {}
    std::string toString() const override { return "[native tile sheet]"; }

    int addTile(const Rect2D& rect, double centerX, double centerY) {
        tiles.push_back({rect, centerX, centerY});
        return static_cast<int>(tiles.size()) - 1;
    }

    // Flag bits of a tile batch.
    static constexpr int TILE_SCALE = 1;
    static constexpr int TILE_ROTATION = 2;
    static constexpr int TILE_RGB = 4;
    static constexpr int TILE_ALPHA = 8;
    static constexpr int TILE_TRANS_2x2 = 16;
    static constexpr int TILE_RECT = 32;
    static constexpr int TILE_ORIGIN = 64;
    static constexpr int TILE_SMOOTH = 0x1000;
    static constexpr int TILE_BLEND_ADD = 0x10000;
    static constexpr int TILE_BLEND_MULTIPLY = 0x20000;
    static constexpr int TILE_BLEND_SCREEN = 0x40000;
    static constexpr int TILE_BLEND_SUBTRACT = 0x80000;

    // One tile of a batch, ready to draw: its area in the surface, the transform from tile
    // pixels to the node's space, and its colour multipliers.
    struct Placed {
        Rect2D source;
        Matrix2D matrix;
        double red = 1, green = 1, blue = 1, alpha = 1;
    };
    // Reads the tile at data[pos] and moves pos past it; false when the values run out before
    // `end` or the tile id names no tile (pos still moves on). The values of one tile:
    //   x, y, then the tile id, or with TILE_RECT the rectangle x, y, width, height followed
    //   with TILE_ORIGIN by its origin x, y (else the origin is 0, 0);
    //   with TILE_TRANS_2x2 a, b, c, d; otherwise a scale with TILE_SCALE and a rotation in
    //   radians with TILE_ROTATION;
    //   red, green, blue with TILE_RGB; alpha with TILE_ALPHA.
    // A tile's origin (its registered centre point) lands on x, y.
    bool place(const std::vector<double>& data, int flags, std::size_t& pos, std::size_t end, Placed& out) const {
        std::size_t need = 2 + ((flags & TILE_RECT) ? 4 + ((flags & TILE_ORIGIN) ? 2 : 0) : 1);
        if (flags & TILE_TRANS_2x2) need += 4;
        else need += ((flags & TILE_SCALE) ? 1 : 0) + ((flags & TILE_ROTATION) ? 1 : 0);
        need += ((flags & TILE_RGB) ? 3 : 0) + ((flags & TILE_ALPHA) ? 1 : 0);
        if (pos + need > end) {
            pos = end;
            return false;
        }
        const double* d = data.data() + pos;
        pos += need;
        double x = *d++, y = *d++, cx = 0, cy = 0;
        bool ok = true;
        if (flags & TILE_RECT) {
            out.source = {d[0], d[1], d[2], d[3]};
            d += 4;
            if (flags & TILE_ORIGIN) {
                cx = d[0];
                cy = d[1];
                d += 2;
            }
        } else {
            double id = *d++;
            if (!(id >= 0 && id < static_cast<double>(tiles.size()))) ok = false;
            else {
                const Tile& t = tiles[static_cast<std::size_t>(id)];
                out.source = t.rect;
                cx = t.centerX;
                cy = t.centerY;
            }
        }
        double a = 1, b = 0, c = 0, dd = 1;
        if (flags & TILE_TRANS_2x2) {
            a = d[0];
            b = d[1];
            c = d[2];
            dd = d[3];
            d += 4;
        } else {
            double s = 1, r = 0;
            if (flags & TILE_SCALE) s = *d++;
            if (flags & TILE_ROTATION) r = *d++;
            double cs = r == 0 ? 1 : std::cos(r), sn = r == 0 ? 0 : std::sin(r);
            a = s * cs;
            b = s * sn;
            c = -s * sn;
            dd = s * cs;
        }
        out.matrix = Matrix2D{a, b, c, dd, x, y}.after(Matrix2D{1, 0, 0, 1, -cx, -cy});
        out.red = out.green = out.blue = out.alpha = 1;
        if (flags & TILE_RGB) {
            out.red = d[0];
            out.green = d[1];
            out.blue = d[2];
            d += 3;
        }
        if (flags & TILE_ALPHA) out.alpha = *d;
        return ok;
    }

    runtime::Ref<Surface> surface;
    std::vector<Tile> tiles;
};

}  // namespace media
