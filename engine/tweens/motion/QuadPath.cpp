#include "QuadPath.h"

#include <cmath>

#include "engine/util/EngDestroyUtil.h"
#include "platform/runtime/Thrown.h"

namespace engine {

namespace {
double entry(const std::vector<double>& list, int i) {
    return i >= 0 && i < static_cast<int>(list.size()) ? list[i] : 0;
}
}  // namespace

QuadPath* QuadPath::setMotion(double d, bool useDuration) {
    updatePath();
    if (useDuration) {
        duration = d;
        _speed = _distance / d;
    } else {
        duration = _distance / d;
        _speed = d;
    }
    start();
    return this;
}

QuadPath* QuadPath::addPoint(double px, double py) {
    _updateCurve = true;
    _points.push_back(EngPoint::get(px, py));
    return this;
}

runtime::Ref<EngPoint> QuadPath::getPoint(int index) {
    if (_points.empty()) runtime::Thrown::text("No points have been added to the path yet.");
    int i = index % static_cast<int>(_points.size());
    return i < 0 ? nullptr : _points[i];
}

void QuadPath::updatePath() {
    int n = static_cast<int>(_points.size());
    if ((n - 1) % 2 != 0 || n < 3)
        runtime::Thrown::text(
            "A QuadPath must have at least 3 points to operate and number of points must be a odd.");
    if (!_updateCurve) return;
    _distance = 0;
    _updateCurve = false;
    _numSegs = static_cast<int>((n - 1) * 0.5);
    _curveD.assign(_numSegs, 0);
    _curveT.assign(_numSegs, 0);
    for (int j = 0; j < _numSegs; ++j) {
        _curveD[j] = getCurveLength(_points[2 * j], _points[2 * j + 1], _points[2 * j + 2]);
        _distance += _curveD[j];
    }
    double d = 0;
    for (int j = 0; j < _numSegs; ++j) {
        d += _curveD[j];
        _curveT[j] = d / _distance;
    }
    _curveT[_numSegs - 1] = 1;
    _curveT.insert(_curveT.begin(), 0);
}

double QuadPath::getCurveLength(const runtime::Ref<EngPoint>& start, const runtime::Ref<EngPoint>& control,
                                const runtime::Ref<EngPoint>& end) {
    return quadCurveLength(start->x, start->y, control->x, control->y, end->x, end->y);
}

EngTween* QuadPath::start() {
    _index = backward ? _numSegs - 1 : 0;
    return EngTween::start();
}

void QuadPath::update() {
    Motion::update();
    int n = static_cast<int>(_points.size());
    if (n == 0 || _numSegs == 0) {
        postUpdate();
        return;
    }
    int i = _index;
    double t;
    if (!backward) {
        while (i < _numSegs - 1 && scale > entry(_curveT, i + 1)) ++i;
        double t0 = entry(_curveT, i), t1 = entry(_curveT, i + 1);
        t = t1 != t0 ? (scale - t0) / (t1 - t0) : 1;
        _a = _points[2 * i];
        _b = _points[2 * i + 1];
        _c = _points[2 * i + 2];
    } else {
        while (i > 0 && entry(_curveT, i) > scale) --i;
        double t0 = entry(_curveT, i + 1), t1 = entry(_curveT, i);
        t = t1 != t0 ? (scale - t0) / (t1 - t0) : 1;
        _a = _points[2 * i + 2];
        _b = _points[2 * i + 1];
        _c = _points[2 * i];
    }
    _index = i;
    double u = 1 - t;
    x = _a->x * u * u + 2 * _b->x * u * t + _c->x * t * t;
    y = _a->y * u * u + 2 * _b->y * u * t + _c->y * t * t;
    postUpdate();
}

void QuadPath::destroy() {
    Motion::destroy();
    for (auto& p : _points) EngDestroyUtil::put(p);
    _points.clear();
    _a = EngDestroyUtil::put(_a);
    _b = EngDestroyUtil::put(_b);
    _c = EngDestroyUtil::put(_c);
}

}  // namespace engine

using engine::QuadPath;

RUNTIME_DEFINE_CLASS(QuadPath, "engine.tweens.motion.QuadPath", engine::Motion, (auto& b) { b.emptyInstance(); })
