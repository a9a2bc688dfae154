#pragma once
// Draws the vector commands of one node through cairo: fills (solid, gradient, bitmap), lines,
// paths, ellipses, rounded rectangles, tile batches, points and triangles. Keeps its scratch
// buffers between calls, so steady drawing allocates nothing of its own.
#include <cairo.h>

#include <cstdint>
#include <vector>

#include "ColorTransform8.h"
#include "GraphicsList.h"
#include "Matrix2D.h"

namespace media {

class Rasterizer {
public:
    Rasterizer() = default;
    ~Rasterizer();
    Rasterizer(const Rasterizer&) = delete;
    Rasterizer& operator=(const Rasterizer&) = delete;

    // Draws list with toDevice mapping the node's space to cr's device space. The clip and
    // the rest of cr's state are left as they were.
    void draw(cairo_t* cr, const GraphicsList& list, const Matrix2D& toDevice, const ColorTransform8& ct,
              cairo_operator_t op);

    // Whether what list draws covers local (x, y) with alpha of at least 1/255. Fills and
    // lines count whatever their alpha; bitmaps count by their pixels' alpha.
    static bool hitTest(const GraphicsList& list, double x, double y);

    // The compositing operator of a blend-mode index (0 normal … 13 hard light).
    static cairo_operator_t blendOperator(int blendMode);
    // Whether m can be handed to cairo (finite and invertible).
    static bool usable(const Matrix2D& m);
    static cairo_matrix_t toCairo(const Matrix2D& m) {
        cairo_matrix_t c;
        cairo_matrix_init(&c, m.a, m.b, m.c, m.d, m.tx, m.ty);
        return c;
    }

private:
    using Command = GraphicsList::Command;
    using Op = GraphicsList::Op;
    struct PathOp {
        enum Kind : uint8_t { Move, Line, Curve, Close } kind;
        double p[6];
        const Command* style;  // the line style in force
        const Command* paint;  // a bitmap or gradient paint of the line, or null
    };

    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void curveTo(double x1, double y1, double x2, double y2, double x, double y);
    void quadTo(double cx, double cy, double x, double y);
    void closePath();
    void rect(double x, double y, double w, double h);
    void ellipse(double x, double y, double w, double h);
    void roundRect(double x, double y, double w, double h, double ew, double eh);
    void path(const Command& c);
    void flush();
    void strokeAll();
    // Sets the source for a fill or line paint; returns the alpha still to apply (for bitmap
    // fills), or a negative number when nothing is to be drawn. *made receives a pattern the
    // caller destroys.
    double setPaint(const Command& paint, cairo_pattern_t** made);
    void fillPath(const Command& paint);
    void tiles(const Command& c);
    void points(const Command& c);
    void triangles(const Command& c);
    cairo_pattern_t* scratchPattern(int w, int h);

    // State of one draw call.
    cairo_t* cr_ = nullptr;
    Matrix2D toDevice_;
    ColorTransform8 ct_;
    cairo_operator_t op_ = CAIRO_OPERATOR_OVER;
    bool hitMode_ = false;
    const Command* fill_ = nullptr;
    const Command* lineStyle_ = nullptr;
    const Command* linePaint_ = nullptr;
    bool evenOdd_ = true;
    bool hasPath_ = false;
    double penX_ = 0, penY_ = 0, startX_ = 0, startY_ = 0;
    std::vector<PathOp> stroke_;

    // Tinted tiles are drawn from here.
    std::vector<uint32_t> scratch_;
    cairo_surface_t* scratchSurface_ = nullptr;
    cairo_pattern_t* scratchPattern_ = nullptr;
    int scratchW_ = 0, scratchH_ = 0;
};

}  // namespace media
