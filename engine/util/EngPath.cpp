#include "EngPath.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/EngObject.h"
#include "engine/plugin/PathManager.h"
#include "engine/util/EngAngle.h"
#include "engine/util/EngDestroyUtil.h"

namespace engine {

using runtime::Ref;

Ref<PathManager>& EngPath::manager() { return PathManager::manager; }

const Ref<EngPoint>& EngPath::_point() {
    static const Ref<EngPoint> point = EngPoint::get(0, 0);
    return point;
}

EngPath::EngPath(Ref<EngObject> obj, std::shared_ptr<Nodes> list, double s, int mode, bool autoRotate) {
    if (obj) start(std::move(obj), std::move(list), s, mode, autoRotate);
}

EngPath* EngPath::reset() {
    autoCenter = true;
    return this;
}

EngPath* EngPath::start(Ref<EngObject> obj, std::shared_ptr<Nodes> list, double s, int mode, bool autoRotate) {
    object = std::move(obj);
    nodes = list ? std::move(list) : std::make_shared<Nodes>();
    speed = std::fabs(s);
    _mode = mode;
    _autoRotate = autoRotate;
    return restart();
}

EngPath* EngPath::restart() {
    if (manager() && !_inManager) {
        manager()->add(Ref<EngPath>(this));
        _inManager = true;
    }
    finished = false;
    active = !nodes->empty();
    if (_mode & (BACKWARD | LOOP_BACKWARD)) {
        _nodeIndex = static_cast<int>(nodes->size()) - 1;
        _inc = -1;
    } else {
        _nodeIndex = 0;
        _inc = 1;
    }
    if (object) object->immovable = true;
    return this;
}

void EngPath::setNode(int nodeIndex) {
    int last = static_cast<int>(nodes->size()) - 1;
    _nodeIndex = std::max(0, std::min(nodeIndex, last));
    advancePath();
}

void EngPath::referencePoint() {
    const Ref<EngPoint>& p = _point();
    p->x = object->x;
    p->y = object->y;
    if (autoCenter) {
        p->x += object->width * 0.5;
        p->y += object->height * 0.5;
    }
}

void EngPath::update() {
    if (!object || nodes->empty()) return;
    bool h = (_mode & HORIZONTAL_ONLY) != 0, v = (_mode & VERTICAL_ONLY) != 0;
    double e = EngG::elapsed;
    referencePoint();
    Ref<EngPoint> node = _nodeIndex >= 0 && _nodeIndex < static_cast<int>(nodes->size()) ? (*nodes)[_nodeIndex] : nullptr;
    if (!node) return;
    const Ref<EngPoint>& p = _point();
    double dx = node->x - p->x, dy = node->y - p->y, step = speed * e;
    bool arrived = h ? std::fabs(dx) < step : (v ? std::fabs(dy) < step : std::sqrt(dx * dx + dy * dy) < step);
    if (arrived) {
        node = advancePath();
        if (!node) return;
    }
    if (speed == 0) return;
    if (!object) return;  // a completion callback may have destroyed the path
    referencePoint();
    const Ref<EngPoint>& vel = object->velocity;
    if (h || p->y == node->y) {
        vel->set_x(p->x < node->x ? speed : -speed);
        angle = vel->x < 0 ? -90 : 90;
        if (!h) vel->set_y(0);
    } else if (v || p->x == node->x) {
        vel->set_y(p->y < node->y ? speed : -speed);
        angle = vel->y < 0 ? 0 : 180;
        if (!v) vel->set_x(0);
    } else {
        vel->set_x(p->x < node->x ? speed : -speed);
        vel->set_y(p->y < node->y ? speed : -speed);
        auto from = EngPoint::get(p->x, p->y), to = EngPoint::get(node->x, node->y);
        angle = EngAngle::getAngle(from, to);
        from->put();
        to->put();
        EngAngle::rotatePoint(0, speed, 0, 0, angle, vel);
    }
    if (_autoRotate) {
        for (const char* name : {"angularVelocity", "angularAcceleration"})
            if (object->hasField(name)) object->setField(name, runtime::Value(0.0));
        if (object->hasField("angle")) object->setField("angle", runtime::Value(angle));
    }
    if (finished) cancel();
}

Ref<EngPoint> EngPath::advancePath(bool snap) {
    int n = static_cast<int>(nodes->size());
    if (snap && object && _nodeIndex >= 0 && _nodeIndex < n) {
        const Ref<EngPoint>& node = (*nodes)[_nodeIndex];
        if (!(_mode & VERTICAL_ONLY)) object->set_x(node->x - (autoCenter ? object->width * 0.5 : 0));
        if (!(_mode & HORIZONTAL_ONLY)) object->set_y(node->y - (autoCenter ? object->height * 0.5 : 0));
    }
    _nodeIndex += _inc;
    bool completed = false;
    if (_mode & BACKWARD) {
        if (_nodeIndex < 0) {
            _nodeIndex = 0;
            finished = true;
            completed = true;
        }
    } else if (_mode & LOOP_FORWARD) {
        if (_nodeIndex >= n) {
            _nodeIndex = 0;
            completed = true;
        }
    } else if (_mode & LOOP_BACKWARD) {
        if (_nodeIndex < 0) {
            _nodeIndex = n > 0 ? n - 1 : 0;
            completed = true;
        }
    } else if (_mode & YOYO) {
        if (_inc > 0 && _nodeIndex >= n) {
            _nodeIndex = std::max(n - 2, 0);
            _inc = -_inc;
            completed = true;
        } else if (_inc < 0 && _nodeIndex < 0) {
            _nodeIndex = std::max(n < 2 ? n - 1 : 1, 0);
            _inc = -_inc;
            completed = true;
        }
    } else if (_nodeIndex >= n) {
        _nodeIndex = n - 1;
        finished = true;
        completed = true;
    }
    if (completed && onComplete) {
        Ref<EngPath> keep(this);
        Ref<runtime::Function> callback = onComplete;
        (*callback)(runtime::Value(static_cast<runtime::Object*>(this)));
    }
    return _nodeIndex >= 0 && _nodeIndex < static_cast<int>(nodes->size()) ? (*nodes)[_nodeIndex] : nullptr;
}

void EngPath::cancel() {
    finished = true;
    if (object) object->velocity->set(0, 0);
    if (manager() && _inManager) {
        manager()->remove(Ref<EngPath>(this));
        _inManager = false;
    }
}

void EngPath::destroy() {
    for (auto& node : *nodes) EngDestroyUtil::destroy(node);
    nodes->clear();
    object = nullptr;
    onComplete = nullptr;
}

EngPath* EngPath::add(double px, double py) {
    nodes->push_back(EngPoint::get(px, py));
    return this;
}

EngPath* EngPath::addAt(double px, double py, int index) {
    if (index < 0) return this;
    index = std::min(index, static_cast<int>(nodes->size()));
    nodes->insert(nodes->begin() + index, EngPoint::get(px, py));
    return this;
}

EngPath* EngPath::addPoint(const Ref<EngPoint>& node, bool asReference) {
    nodes->push_back(asReference ? node : EngPoint::get(node->x, node->y));
    return this;
}

EngPath* EngPath::addPointAt(const Ref<EngPoint>& node, int index, bool asReference) {
    if (index < 0) return this;
    index = std::min(index, static_cast<int>(nodes->size()));
    nodes->insert(nodes->begin() + index, asReference ? node : EngPoint::get(node->x, node->y));
    return this;
}

Ref<EngPoint> EngPath::remove(const Ref<EngPoint>& node) {
    auto it = std::find(nodes->begin(), nodes->end(), node);
    if (it == nodes->end()) return nullptr;
    Ref<EngPoint> removed = *it;
    nodes->erase(it);
    return removed;
}

Ref<EngPoint> EngPath::removeAt(int index) {
    int n = static_cast<int>(nodes->size());
    if (n == 0) return nullptr;
    if (index >= n) index = n - 1;
    if (index < 0) index = std::max(n + index, 0);
    Ref<EngPoint> removed = (*nodes)[index];
    nodes->erase(nodes->begin() + index);
    return removed;
}

Ref<EngPoint> EngPath::head() { return nodes->empty() ? nullptr : nodes->front(); }

Ref<EngPoint> EngPath::tail() { return nodes->empty() ? nullptr : nodes->back(); }

}  // namespace engine

using engine::EngPath;

RUNTIME_DEFINE_CLASS(EngPath, "engine.util.EngPath", runtime::Object, (auto& b) {
    b.template field<&EngPath::speed>("speed")
        .template field<&EngPath::angle>("angle")
        .template field<&EngPath::active>("active")
        .template field<&EngPath::finished>("finished")
        .emptyInstance();
})
