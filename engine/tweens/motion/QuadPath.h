#pragma once
// Moves an object at an even speed along a chain of quadratic curves: start, control, end,
// control, end, ...
#include <vector>

#include "engine/tweens/motion/Motion.h"
#include "engine/util/EngPoint.h"

namespace engine {

class QuadPath : public Motion {
    RUNTIME_CLASS(QuadPath)
public:
    explicit QuadPath(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit QuadPath(runtime::NoInit n) : Motion(n) {}

    virtual QuadPath* setMotion(double duration, bool useDuration = true);
    virtual QuadPath* addPoint(double x = 0, double y = 0);
    virtual runtime::Ref<EngPoint> getPoint(int index = 0);
    // Raises an error unless the count is odd and at least 3; measures the segments.
    virtual void updatePath();
    virtual double getCurveLength(const runtime::Ref<EngPoint>& start, const runtime::Ref<EngPoint>& control,
                                  const runtime::Ref<EngPoint>& end);
    void destroy() override;
    void update() override;
    EngTween* start() override;

    std::vector<runtime::Ref<EngPoint>> _points;
    double _distance = 0;
    double _speed = 0;
    int _index = 0;
    int _numSegs = 0;
    bool _updateCurve = true;
    std::vector<double> _curveT;
    std::vector<double> _curveD;
    runtime::Ref<EngPoint> _a;
    runtime::Ref<EngPoint> _b;
    runtime::Ref<EngPoint> _c;
};

}  // namespace engine
