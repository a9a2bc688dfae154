#pragma once
// The vector drawing of one display-object node: its commands in call order, and the bounds of
// what they cover in the node's own space.
#include <cstdint>
#include <vector>

#include "Rect2D.h"
#include "Surface.h"
#include "TileSheet.h"

namespace media {

class GraphicsList {
public:
    enum class Op : uint8_t {
        BeginFill,         // v: rgb, alpha
        BeginBitmapFill,   // surface; v: a b c d tx ty (bitmap → shape); flags: 1 matrix, 2 repeat, 4 smooth
        BeginGradientFill, // v: a b c d tx ty, focal; ints: type, spread, interpolation; colors, data: alphas, ratios
        LineStyle,         // v: thickness, rgb, alpha, miter; ints: hinting, scale, caps, joints; flags: 1 has thickness
        LineBitmapStyle,   // as BeginBitmapFill
        LineGradientStyle, // as BeginGradientFill
        EndFill,
        MoveTo,            // v: x y
        LineTo,            // v: x y
        CurveTo,           // v: cx cy x y (quadratic)
        Rect,              // v: x y w h
        RoundRect,         // v: x y w h rx ry (ellipse diameters of the corners)
        Ellipse,           // v: x y w h
        Path,              // ints: commands; data: coordinates; flags: 1 even-odd
        Tiles,             // sheet; data: tile values; flags: tile flags
        Points,            // data: xy; colors; v: default rgba, size; flags: 1 has colors
        Triangles,         // data: vertices, uvt (after nv); ints: indices; colors; v: culling; flags: sizes
    };

    struct Command {
        Op op;
        int flags = 0;
        double v[7] = {};
        runtime::Ref<Surface> surface;
        runtime::Ref<TileSheet> sheet;
        std::vector<double> data;
        std::vector<int> ints;
        std::vector<uint32_t> colors;
    };

    bool empty() const { return commands_.empty(); }
    const std::vector<Command>& commands() const { return commands_; }
    void clear();
    // Appends a command and grows the bounds by what it covers.
    void add(Command c);
    const Rect2D& bounds() const { return bounds_; }

    // Whether the content at local (x, y) has alpha of at least 1/255.
    bool hits(double x, double y) const;

private:
    void cover(double x, double y);
    void coverRect(double x, double y, double w, double h);

    std::vector<Command> commands_;
    Rect2D bounds_;
    bool hasBounds_ = false;
    double penX_ = 0, penY_ = 0;
    double halfLine_ = 0;
};

}  // namespace media
