#pragma once
// Draws the vector commands of one node through cairo: fills (solid, gradient, bitmap), lines,
// paths, ellipses, rounded rectangles, tile batches, points and triangles. Keeps its scratch
// buffers between calls, so steady drawing allocates nothing of its own.
//
// Where it gives the same pixels, a bitmap rectangle or a tile whose pixels land one to one on
// whole device pixels (no rotation or scale, integer offset) is composited with pixman directly
// on the target image: no cairo state, path, clip or pattern per draw; so is a solid rectangle
// whose corners land on whole device pixels, and a bitmap enlarged by powers of two (or a single
// bitmap column or row stretched by any factor) over whole pixels. A nearest-sampled tile
// scaled along the axes is composited directly too, with hard edges (a device pixel belongs to
// the tile when its centre does) where cairo would blend the edge pixels. Everything else (and
// anything under a clip that is not a pixel-aligned box) goes through cairo.
#include <cairo.h>
#include <pixman.h>

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

    // The image cr draws into, for compositing on it directly, and cr's clip when that is a
    // pixel-aligned box (x0, y0)–(x1, y1) in device pixels; boxClip false: some other clip.
    // A frame's background fill, still owed: made before anything else is drawn, unless an
    // opaque copy covers the whole frame first.
    struct Backdrop {
        uint32_t* pixels = nullptr;  // null: nothing owed
        int width = 0, height = 0, stride = 0;
        uint32_t color = 0;
        void settle();
    };
    struct Target {
        pixman_image_t* image = nullptr;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        bool boxClip = false;
        Backdrop* backdrop = nullptr;  // shared by the targets of nested clips
    };

    // Draws list with toDevice mapping the node's space to cr's device space. The clip and
    // the rest of cr's state are left as they were, but for the matrix, operator and source,
    // which may change. With a target, draws that allow it skip cairo.
    void draw(cairo_t* cr, const GraphicsList& list, const Matrix2D& toDevice, const ColorTransform8& ct,
              cairo_operator_t op, const Target* target = nullptr);

    // Whether what list draws covers local (x, y) with alpha of at least 1/255. Fills and
    // lines count whatever their alpha; bitmaps count by their pixels' alpha.
    static bool hitTest(const GraphicsList& list, double x, double y);

    // The compositing operator of a blend-mode index (0 normal … 13 hard light).
    static cairo_operator_t blendOperator(int blendMode);
    // Whether op leaves an opaque destination opaque wherever it draws.
    static bool keepsOpaque(cairo_operator_t op) { return op == CAIRO_OPERATOR_OVER || op == CAIRO_OPERATOR_ADD; }
    // Whether a draw since the last reset went through cairo with an operator that may change
    // the destination's alpha (the direct paths never do on an opaque target).
    bool alphaTouched() const { return alphaTouched_; }
    void resetAlphaTouched() { alphaTouched_ = false; }

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
    // Sets cr's matrix and operator for this draw and clears its path, once per draw.
    void useCairo();
    // Replays the recorded fill path into cr.
    void replayPath();
    // Fills the recorded path with a bitmap paint through pixman; false when that would not
    // give the very pixels cairo gives (nothing is drawn then).
    bool fastBitmapRect(const Command& paint);
    // The same for a solid colour over a rectangle with whole-pixel corners in device space.
    bool fastSolidRect(const Command& paint);
    // The same for a bitmap enlarged along the axes by powers of two, sampled nearest, at full
    // alpha over whole device pixels (xa, ya)–(xb, yb): the rectangle's corners in the node's
    // space, m the paint's matrix, op the compositing operator.
    bool scaledBitmapRect(const Command& paint, pixman_op_t op, const Matrix2D& m, double xa, double ya, double xb,
                          double yb);
    // Composites src on the target over device box (x0, y0)–(x1, y1), clipped to the target's
    // clip; device pixel (x, y) shows src pixel (x − ox, y − oy). alpha is the multiplier as
    // cairo applies it (a solid mask). plain: the surface whose own premultiplied image src is
    // (null for a colour-transformed copy). False, drawing nothing, when alpha is not a number.
    bool composite(pixman_image_t* src, Surface* plain, bool repeat, pixman_op_t op, double alpha, int x0, int y0, int x1, int y1,
                   int ox, int oy);
    // Composites a sheet region (sx, sy, w, h) of the untinted surface s over the target at full
    // alpha through m, an axis-aligned scale and offset, sampled nearest: a device pixel whose
    // centre lies inside the placed region shows the sheet pixel under that centre. False when
    // m is not such a matrix (nothing drawn).
    bool compositeScaled(Surface* s, const Matrix2D& m, int sx, int sy, int w, int h);
    pixman_image_t* solidMask(unsigned alpha8);
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
    bool current_ = false;      // the fill path has a current point
    bool cairoReady_ = false;   // cr's matrix and operator are this draw's
    const Target* target_ = nullptr;
    Backdrop* backdrop_ = nullptr;
    bool alphaTouched_ = false;
    std::vector<PathOp> path_;  // the fill path, sent to cairo only when cairo fills it
    double penX_ = 0, penY_ = 0, startX_ = 0, startY_ = 0;
    std::vector<PathOp> stroke_;

    // Tinted tiles are drawn from here.
    std::vector<uint32_t> scratch_;
    // The scaled tile path: the sheet column of each device column, the runs of consecutive
    // columns among them, and one gathered row.
    struct Run {
        int at, from, length;
    };
    // The source pixel of each device pixel along one axis (device lo to hi, source u0 to u1,
    // placed at t with scale), and its runs of consecutive source pixels.
    struct AxisMap {
        bool valid = false;
        double t = 0, scale = 0;
        int u0 = 0, u1 = 0, lo = 0, hi = 0;
        std::vector<int> map;
        std::vector<Run> runs;
    };
    static constexpr int AXIS_CACHE = 251;
    static const AxisMap& axisMap(AxisMap* cache, double t, double scale, int u0, int u1, int lo, int hi);
    std::vector<AxisMap> columnMaps_, rowMaps_;  // AXIS_CACHE each, made on first use
    std::vector<uint32_t> row_;
    // Stretches of a gathered row by what compositing them takes.
    struct Span {
        enum Kind : uint8_t { Copy, Blend };
        int at, length;
        Kind kind;
    };
    static void gatherDoubled(uint32_t* out, const uint32_t* line, int n, int start);
    static void chunkSpans(const uint32_t* row, int n, std::vector<Span>& spans);
    std::vector<Span> spans_;
    cairo_surface_t* scratchSurface_ = nullptr;
    cairo_pattern_t* scratchPattern_ = nullptr;
    int scratchW_ = 0, scratchH_ = 0;

    // Solid masks by alpha byte, made on first use.
    pixman_image_t* masks_[256] = {};
};

}  // namespace media
