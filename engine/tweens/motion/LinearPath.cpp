#include "LinearPath.h"

#include <cmath>

#include "engine/util/EngDestroyUtil.h"
#include "platform/runtime/Thrown.h"

namespace engine {

namespace {
double entry(const std::vector<double>& list, int i) {
    return i >= 0 && i < static_cast<int>(list.size()) ? list[i] : 0;
}
void setEntry(std::vector<double>& list, std::size_t i, double v) {
    if (list.size() <= i) list.resize(i + 1, 0);
    list[i] = v;
}
}  // namespace

LinearPath* LinearPath::setMotion(double d, bool useDuration) {
    updatePath();
    if (useDuration) {
        duration = d;
        _speed = distance / d;
    } else {
        duration = distance / d;
        _speed = d;
    }
    start();
    return this;
}

LinearPath* LinearPath::addPoint(double px, double py) {
    if (_last) {
        distance += std::sqrt((px - _last->x) * (px - _last->x) + (py - _last->y) * (py - _last->y));
        setEntry(_pointD, points.size(), distance);
    }
    _last = EngPoint::get(px, py);
    points.push_back(_last);
    return this;
}

runtime::Ref<EngPoint> LinearPath::getPoint(int index) {
    if (points.empty()) runtime::Thrown::text("No points have been added to the path yet.");
    int i = index % static_cast<int>(points.size());
    return i < 0 ? nullptr : points[i];
}

void LinearPath::updatePath() {
    if (points.size() < 2) runtime::Thrown::text("A LinearPath must have at least 2 points to operate.");
    if (_pointD.size() == _pointT.size()) return;
    for (std::size_t i = 0; i < points.size(); ++i) setEntry(_pointT, i, entry(_pointD, static_cast<int>(i)) / distance);
}

EngTween* LinearPath::start() {
    _index = backward ? static_cast<int>(points.size()) - 1 : 0;
    return EngTween::start();
}

void LinearPath::update() {
    Motion::update();
    int n = static_cast<int>(points.size());
    if (n == 0) return;
    auto pointAt = [&](int k) { return k >= 0 && k < n ? points[k] : nullptr; };
    int i = _index;
    double t0, t1;
    if (!backward) {
        if (i < n - 1) {
            for (;;) {
                int c = i + 1;
                if (scale > entry(_pointT, c)) {
                    i = c;
                    if (c == n - 1) {
                        i = c - 1;
                        break;
                    }
                } else {
                    break;
                }
            }
        }
        t0 = entry(_pointT, i);
        t1 = entry(_pointT, i + 1);
        _prevPoint = pointAt(i);
        _nextPoint = pointAt(i + 1);
    } else {
        if (i > 0) {
            for (;;) {
                if (entry(_pointT, i - 1) > scale) {
                    --i;
                    if (i == 0) {
                        i = 1;
                        break;
                    }
                } else {
                    break;
                }
            }
        }
        t0 = entry(_pointT, i);
        t1 = entry(_pointT, i - 1);
        _prevPoint = pointAt(i);
        _nextPoint = pointAt(i - 1);
    }
    _index = i;
    if (_prevPoint && _nextPoint) {
        // A segment of length zero has no inside: stand on its end.
        double td = t1 != t0 ? (scale - t0) / (t1 - t0) : 1;
        x = _prevPoint->x + (_nextPoint->x - _prevPoint->x) * td;
        y = _prevPoint->y + (_nextPoint->y - _prevPoint->y) * td;
    }
    postUpdate();
}

void LinearPath::destroy() {
    Motion::destroy();
    for (auto& p : points) EngDestroyUtil::put(p);
    points.clear();
    _last = EngDestroyUtil::put(_last);
    _prevPoint = EngDestroyUtil::put(_prevPoint);
    _nextPoint = EngDestroyUtil::put(_nextPoint);
}

}  // namespace engine

using engine::LinearPath;

RUNTIME_DEFINE_CLASS(LinearPath, "engine.tweens.motion.LinearPath", engine::Motion, (auto& b) {
    b.template field<&LinearPath::distance>("distance").emptyInstance();
})
