#pragma once
// The native display tree: every display object the framework creates is one node here, kept
// in a flat array and referred to by index. Structure changes allocate; per-frame reads don't.
#include <cstdint>
#include <string>
#include <vector>

#include "ColorTransform8.h"
#include "GraphicsList.h"
#include "Matrix2D.h"
#include "Rect2D.h"
#include "TextFieldModel.h"
#include "platform/runtime/Value.h"

namespace media {

class NodeStore {
public:
    enum class Kind : uint8_t { Object, Container, Stage, Text, Direct };

    struct Node {
        bool live = false;
        Kind kind = Kind::Object;
        int id = 0;
        int parent = -1;
        std::vector<int> children;

        double x = 0, y = 0, z = 0, scaleX = 1, scaleY = 1, rotation = 0;
        ColorTransform8 color;  // alpha lives in color.alphaMultiplier
        bool visible = true;
        bool cacheAsBitmap = false;
        bool pedanticBitmapCaching = false;
        bool mouseEnabled = true;
        bool mouseChildren = true;
        bool needsSoftKeyboard = false;
        bool movesForSoftKeyboard = false;
        bool focusRect = false;
        std::string name;
        int background = 0;  // 0: none; otherwise 0x01000000 | RGB
        int blendMode = 0;
        int pixelSnapping = 0;
        bool hasScrollRect = false;
        Rect2D scrollRect;
        bool hasScale9Grid = false;
        Rect2D scale9Grid;
        int mask = -1;
        int maskId = 0;
        int maskUsers = 0;  // how many live nodes use this one as their mask
        runtime::Value filters;
        // A direct-render node's drawing callback, called with a rectangle record when it renders.
        runtime::Value directCallback;
        // Bounds of the node's own content (vector graphics, bitmaps, text) in local space.
        Rect2D contentBounds;
        // The node's vector drawing; contentBounds follows it.
        GraphicsList graphics;
        // A text field's state, drawn over its vector drawing; its box is part of contentBounds.
        runtime::Ref<TextFieldModel> text;
    };

    static NodeStore& get();

    int create(Kind kind);
    // Detaches the node from its parent, orphans its children and frees its slot.
    void release(int index);
    bool valid(int index) const {
        return index >= 0 && index < static_cast<int>(nodes_.size()) && nodes_[static_cast<std::size_t>(index)].live;
    }
    Node& at(int index) { return nodes_[static_cast<std::size_t>(index)]; }
    const Node& at(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    int liveCount() const { return live_; }

    // Children: the last child is drawn on top.
    void addChild(int parent, int child);
    void removeChildAt(int parent, int index);
    void setChildIndex(int parent, int child, int index);
    void swapChildren(int parent, int i1, int i2);
    void detach(int child);

    // Transforms.
    Matrix2D localMatrix(int index) const;
    void setLocalMatrix(int index, const Matrix2D& m);
    Matrix2D concatenatedMatrix(int index) const;
    ColorTransform8 concatenatedColor(int index) const;

    // Bounds of the node's content and children in the space of `target` (-1: global space).
    Rect2D bounds(int index, int target, bool includeStrokes) const;
    // Unscaled bounds: content and children in the node's own space, before its transform.
    Rect2D localBounds(int index) const;
    // Width and height as shown in the parent's space.
    double displayWidth(int index) const;
    double displayHeight(int index) const;
    void setDisplayWidth(int index, double w);
    void setDisplayHeight(int index, double h);

    void globalToLocal(int index, double& x, double& y) const;
    void localToGlobal(int index, double& x, double& y) const;
    // The shift a scroll rect applies to the node's content (identity without one).
    Matrix2D contentToNode(int index) const;
    // Whether the node's own content covers content-space (x, y): drawn pixels of alpha ≥ 1/255
    // for vector drawing, the content bounds for anything else.
    bool contentHit(int index, double x, double y) const;

    // Whether global (x, y) lies on the node: its bounds, or (shape) its content or a child's.
    bool hitTestPoint(int index, double x, double y, bool shape) const;

    // The id of the innermost pointer target under global (x, y) in the tree of root, honouring
    // visibility, scroll rects, mouseEnabled and mouseChildren; 0 when nothing is hit.
    int pick(int root, double x, double y) const;

    void setMask(int index, int mask);
    int maskOf(int index) const;
    // Whether some node uses this one as its mask (a mask is not drawn as itself).
    bool isMask(int index) const { return valid(index) && at(index).maskUsers > 0; }

private:
    // toTarget maps the node's content coordinates to the target space.
    Rect2D subtreeBounds(int index, const Matrix2D& toTarget) const;
    bool hitShape(int index, double gx, double gy) const;
    struct Pick {
        bool hit;
        int id;
    };
    // contentToGlobal maps the node's content coordinates to global ones.
    Pick pickAt(int index, const Matrix2D& contentToGlobal, double gx, double gy) const;

    std::vector<Node> nodes_;
    std::vector<int> free_;
    int nextId_ = 1;
    int live_ = 0;
};

}  // namespace media
