#pragma once
// Finds the pairs of engine objects whose movement hulls overlap: a rectangle that splits lazily
// into quadrants as objects are added, with two object lists per node. Trees and list nodes are
// reused through class-wide free lists; one run at a time.
#include <functional>

#include "engine/system/EngList.h"
#include "engine/util/EngRect.h"

namespace engine {

class EngBasic;

class EngQuadTree : public EngRect {
public:
    using ProcessCallback = std::function<bool(EngObject*, EngObject*)>;
    using NotifyCallback = std::function<void(EngObject*, EngObject*)>;

    static constexpr int A_LIST = 0;
    static constexpr int B_LIST = 1;
    static inline int divisions = 6;
    static inline int _min = 0;
    static inline int _NUM_CACHED_QUAD_TREES = 0;
    static runtime::Ref<EngQuadTree> _cachedTreesHead;

    static runtime::Ref<EngQuadTree> recycle(double x, double y, double width, double height,
                                             EngQuadTree* parent = nullptr);
    static void clearCache();

    EngQuadTree(double x, double y, double width, double height, EngQuadTree* parent = nullptr);

    virtual void reset(double x, double y, double width, double height, EngQuadTree* parent = nullptr);
    virtual void load(EngBasic* first, EngBasic* second = nullptr, NotifyCallback notify = nullptr,
                      ProcessCallback process = nullptr);
    virtual void add(EngBasic* objectOrGroup, int list);
    virtual void addObject();
    virtual void addToList();
    virtual bool execute();
    virtual bool overlapNode();
    void destroy() override;

    bool exists = false;
    bool _canSubdivide = false;
    runtime::Ref<EngList> _headA, _tailA, _headB, _tailB;
    runtime::Ref<EngQuadTree> _northWestTree, _northEastTree, _southEastTree, _southWestTree;
    double _leftEdge = 0, _rightEdge = 0, _topEdge = 0, _bottomEdge = 0;
    double _halfWidth = 0, _halfHeight = 0, _midpointX = 0, _midpointY = 0;
    runtime::Ref<EngQuadTree> next;

private:
    void addToChild(runtime::Ref<EngQuadTree>& child, double x, double y);
    static void copyList(const runtime::Ref<EngList>& from, runtime::Ref<EngList>& head, runtime::Ref<EngList>& tail);
};

}  // namespace engine
