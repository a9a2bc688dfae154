#pragma once
// Draws display-object trees: every node's concatenated transform, alpha, colour transform,
// visibility, scroll rect, mask and blend mode applied, its vector commands rasterised, children on
// top in list order. Renders the stage into the frame buffer and trees or surfaces into
// surfaces, always in software, so the same pixels come out with or without a display.
#include <cairo.h>

#include <cstdint>
#include <string>

#include "ColorTransform8.h"
#include "Matrix2D.h"
#include "NodeStore.h"
#include "Rasterizer.h"
#include "Surface.h"

namespace media {

class Renderer {
public:
    Renderer() = default;
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Renders the tree of stage into w × h ARGB pixels (rows of stride pixels): the stage's
    // background colour (black when it has none), then the tree at one stage pixel per pixel.
    void renderFrame(NodeStore& store, int stage, uint32_t* pixels, int w, int h, int stride);

    // Renders root and its subtree into target: root's own transform, colour transform and
    // visibility are left out; matrix and ct stand in for them. clip (may be null) is in the
    // target's pixels.
    void drawTree(NodeStore& store, int root, Surface& target, const Matrix2D& matrix, const ColorTransform8& ct,
                  int blendMode, const Rect2D* clip);
    // Draws source into target through matrix and ct.
    static void drawSurface(Surface& source, Surface& target, const Matrix2D& matrix, const ColorTransform8& ct,
                            int blendMode, const Rect2D* clip, bool smoothing);

    // Whether the last frame called a direct-render callback (which may draw anew each time).
    bool drewDirect() const { return drewDirect_; }

    // Whether draws that allow it composite straight onto the target (the default) instead of
    // through cairo; both give the same pixels.
    void setDirect(bool on) { direct_ = on; }

    // A blend mode's index from its name ("ADD" or "BlendMode.ADD"); 0 for anything else.
    static int blendModeOf(const std::string& name);

private:
    // Runs a direct-render node's callback and composites what it drew through the layer.
    void callDirect(int index, const Matrix2D& content);
    void drawText(TextFieldModel& text, const Matrix2D& content, const ColorTransform8& ct, int blend);
    void renderNode(int index, const Matrix2D& parent, const ColorTransform8& parentCt, int blend, bool own);
    // The node's own drawing and its children; content maps its content space to the target.
    void renderBody(int index, const Matrix2D& nodeM, const Matrix2D& content, const ColorTransform8& ct, int blend);
    // Pushes a cairo group for a layer; returns the target to restore once it is popped.
    Rasterizer::Target beginLayer();
    void renderMasked(int index, int mask, const Matrix2D& nodeM, const Matrix2D& content, const ColorTransform8& ct,
                      int blend);
    // Narrows target to the rectangle r (a clip cairo is given through m) when that is a
    // pixel-aligned box in device space; otherwise marks the clip as not a box.
    static void clipTarget(Rasterizer::Target& target, const Matrix2D& m, const Rect2D& r);
    // A target over the whole of image (w × h), clipped to clip when given.
    static Rasterizer::Target targetOf(pixman_image_t* image, int w, int h, const Rect2D* clip);

    NodeStore* store_ = nullptr;
    cairo_t* cr_ = nullptr;
    Rasterizer::Target target_;
    Rasterizer::Backdrop backdrop_;
    bool direct_ = true;
    bool drewDirect_ = false;
    bool alphaTouched_ = false;  // the renderer itself drew with an operator that may change alpha
    // Masks nest a few levels deep at most (a mask cycle stops there).
    static constexpr int MAX_MASK_DEPTH = 4;
    int maskDepth_ = 0;
    int maskRoot_ = -1;  // the mask being drawn as coverage
    Rasterizer raster_;
    GraphicsList textList_;
    cairo_surface_t* frameSurface_ = nullptr;
    cairo_t* frameCr_ = nullptr;
    pixman_image_t* frameImage_ = nullptr;
    uint32_t* framePixels_ = nullptr;
    int frameW_ = 0, frameH_ = 0, frameStride_ = 0;
};

}  // namespace media
