#pragma once
// Moves an object at an even speed along straight segments through a list of points.
#include <vector>

#include "engine/tweens/motion/Motion.h"
#include "engine/util/EngPoint.h"

namespace engine {

class LinearPath : public Motion {
    RUNTIME_CLASS(LinearPath)
public:
    explicit LinearPath(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit LinearPath(runtime::NoInit n) : Motion(n) {}

    // duration is seconds with useDuration, else a speed in units per second.
    virtual LinearPath* setMotion(double duration, bool useDuration = true);
    virtual LinearPath* addPoint(double x = 0, double y = 0);
    // The point at index modulo the count; null for a negative index.
    virtual runtime::Ref<EngPoint> getPoint(int index = 0);
    // Raises an error for fewer than two points; fills the fraction table.
    virtual void updatePath();
    void destroy() override;
    void update() override;
    EngTween* start() override;

    double distance = 0;
    std::vector<runtime::Ref<EngPoint>> points;
    std::vector<double> _pointD{0};
    std::vector<double> _pointT{0};
    double _speed = 0;
    int _index = 0;
    runtime::Ref<EngPoint> _last;
    runtime::Ref<EngPoint> _prevPoint;
    runtime::Ref<EngPoint> _nextPoint;
};

}  // namespace engine
