#pragma once
// Drives an engine object along a list of nodes by setting its velocity each step: toward the
// current node at a fixed speed, once or looping or back and forth, optionally on one axis.
#include <memory>
#include <vector>

#include "engine/EngObject.h"
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/util/EngPoint.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Function.h"

namespace engine {

class PathManager;

class EngPath : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngPath)
public:
    static constexpr int FORWARD = 0;
    static constexpr int BACKWARD = 1;
    static constexpr int LOOP_FORWARD = 0x10;
    static constexpr int LOOP_BACKWARD = 0x100;
    static constexpr int YOYO = 0x1000;
    static constexpr int HORIZONTAL_ONLY = 0x10000;
    static constexpr int VERTICAL_ONLY = 0x100000;

    // The manager that steps paths; null means paths are stepped by hand.
    static runtime::Ref<PathManager>& manager();
    static const runtime::Ref<EngPoint>& _point();

    using Nodes = std::vector<runtime::Ref<EngPoint>>;

    // The path walks the given list itself: changes the caller makes to it later are seen.
    explicit EngPath(runtime::Ref<EngObject> object = nullptr, std::shared_ptr<Nodes> nodes = nullptr,
                     double speed = 100, int mode = FORWARD, bool autoRotate = false);
    explicit EngPath(runtime::NoInit) {}

    virtual EngPath* reset();
    virtual EngPath* start(runtime::Ref<EngObject> object, std::shared_ptr<Nodes> nodes,
                           double speed = 100, int mode = FORWARD, bool autoRotate = false);
    virtual EngPath* restart();
    // Puts the object onto the node and heads for the one after it.
    virtual void setNode(int nodeIndex);
    virtual void update();
    // Moves on to the next node; the node now headed for, or null.
    virtual runtime::Ref<EngPoint> advancePath(bool snap = true);
    virtual void cancel();
    void destroy() override;
    virtual EngPath* add(double x, double y);
    virtual EngPath* addAt(double x, double y, int index);
    virtual EngPath* addPoint(const runtime::Ref<EngPoint>& node, bool asReference = false);
    virtual EngPath* addPointAt(const runtime::Ref<EngPoint>& node, int index, bool asReference = false);
    virtual runtime::Ref<EngPoint> remove(const runtime::Ref<EngPoint>& node);
    virtual runtime::Ref<EngPoint> removeAt(int index);
    virtual runtime::Ref<EngPoint> head();
    virtual runtime::Ref<EngPoint> tail();

    // The nodes; the points are shared with whoever gave them.
    std::shared_ptr<Nodes> nodes = std::make_shared<Nodes>();
    runtime::Ref<EngObject> object;
    double speed = 0;
    double angle = 0;
    bool autoCenter = true;
    bool active = true;
    runtime::Ref<runtime::Function> onComplete;
    bool finished = false;
    int _nodeIndex = 0;
    int _mode = FORWARD;
    int _inc = 1;
    bool _autoRotate = false;
    bool _inManager = false;

private:
    void referencePoint();
};

}  // namespace engine
