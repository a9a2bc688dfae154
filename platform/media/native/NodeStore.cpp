#include "NodeStore.h"

#include <algorithm>
#include <cmath>

namespace media {

namespace {
constexpr double DEG = 3.14159265358979323846 / 180.0;
}

NodeStore& NodeStore::get() {
    static NodeStore* store = new NodeStore();
    return *store;
}

int NodeStore::create(Kind kind) {
    int index;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        index = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
    }
    Node& n = at(index);
    n = Node();
    n.live = true;
    n.kind = kind;
    n.id = nextId_++;
    ++live_;
    return index;
}

void NodeStore::release(int index) {
    if (!valid(index)) return;
    setMask(index, -1);
    detach(index);
    for (int c : at(index).children)
        if (valid(c)) at(c).parent = -1;
    Node& n = at(index);
    n.children.clear();
    n.children.shrink_to_fit();
    n.filters = runtime::Value();
    n.directCallback = runtime::Value();
    n.graphics.clear();
    n.text = nullptr;
    n.contentBounds = {};
    n.name.clear();
    n.live = false;
    n.id = 0;
    free_.push_back(index);
    --live_;
}

void NodeStore::detach(int child) {
    if (!valid(child)) return;
    int p = at(child).parent;
    if (valid(p)) {
        auto& list = at(p).children;
        list.erase(std::remove(list.begin(), list.end(), child), list.end());
    }
    at(child).parent = -1;
}

void NodeStore::addChild(int parent, int child) {
    if (!valid(parent) || !valid(child) || parent == child) return;
    detach(child);
    at(parent).children.push_back(child);
    at(child).parent = parent;
}

void NodeStore::removeChildAt(int parent, int index) {
    if (!valid(parent)) return;
    auto& list = at(parent).children;
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    int child = list[static_cast<std::size_t>(index)];
    list.erase(list.begin() + index);
    if (valid(child)) at(child).parent = -1;
}

void NodeStore::setChildIndex(int parent, int child, int index) {
    if (!valid(parent) || !valid(child) || at(child).parent != parent) return;
    auto& list = at(parent).children;
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
    index = std::clamp(index, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + index, child);
}

void NodeStore::swapChildren(int parent, int i1, int i2) {
    if (!valid(parent)) return;
    auto& list = at(parent).children;
    int n = static_cast<int>(list.size());
    if (i1 < 0 || i2 < 0 || i1 >= n || i2 >= n) return;
    std::swap(list[static_cast<std::size_t>(i1)], list[static_cast<std::size_t>(i2)]);
}

Matrix2D NodeStore::localMatrix(int index) const {
    if (!valid(index)) return {};
    const Node& n = at(index);
    double r = n.rotation * DEG;
    double cs = std::cos(r), sn = std::sin(r);
    if (std::fmod(n.rotation, 360.0) == 0) {
        cs = 1;
        sn = 0;
    }
    return {cs * n.scaleX, sn * n.scaleX, -sn * n.scaleY, cs * n.scaleY, n.x, n.y};
}

void NodeStore::setLocalMatrix(int index, const Matrix2D& m) {
    if (!valid(index)) return;
    Node& n = at(index);
    n.x = m.tx;
    n.y = m.ty;
    n.scaleX = std::sqrt(m.a * m.a + m.b * m.b);
    n.scaleY = std::sqrt(m.c * m.c + m.d * m.d);
    if (m.a * m.d - m.b * m.c < 0) n.scaleY = -n.scaleY;
    n.rotation = (m.a == 0 && m.b == 0) ? 0 : std::atan2(m.b, m.a) / DEG;
}

Matrix2D NodeStore::contentToNode(int index) const {
    const Node& n = at(index);
    return n.hasScrollRect ? Matrix2D{1, 0, 0, 1, -n.scrollRect.x, -n.scrollRect.y} : Matrix2D{};
}

Matrix2D NodeStore::concatenatedMatrix(int index) const {
    Matrix2D m;
    for (int i = index; valid(i); i = at(i).parent) m = localMatrix(i).after(contentToNode(i)).after(m);
    return m;
}

ColorTransform8 NodeStore::concatenatedColor(int index) const {
    ColorTransform8 ct;
    for (int i = index; valid(i); i = at(i).parent) ct = at(i).color.after(ct);
    return ct;
}

Rect2D NodeStore::subtreeBounds(int index, const Matrix2D& toTarget) const {
    const Node& n = at(index);
    if (n.hasScrollRect) return n.scrollRect.transformed(toTarget);
    Rect2D r = n.contentBounds.empty() ? Rect2D{} : n.contentBounds.transformed(toTarget);
    for (int c : n.children) {
        if (!valid(c)) continue;
        r = r.united(subtreeBounds(c, toTarget.after(localMatrix(c)).after(contentToNode(c))));
    }
    return r;
}

Rect2D NodeStore::localBounds(int index) const {
    if (!valid(index)) return {};
    return subtreeBounds(index, contentToNode(index));
}

double NodeStore::displayWidth(int index) const {
    if (!valid(index)) return 0;
    return subtreeBounds(index, localMatrix(index).after(contentToNode(index))).width;
}

double NodeStore::displayHeight(int index) const {
    if (!valid(index)) return 0;
    return subtreeBounds(index, localMatrix(index).after(contentToNode(index))).height;
}

Rect2D NodeStore::bounds(int index, int target, bool) const {
    if (!valid(index)) return {};
    Matrix2D toGlobal = concatenatedMatrix(index);
    Matrix2D toTarget = valid(target) ? concatenatedMatrix(target).inverted().after(toGlobal) : toGlobal;
    Rect2D r = subtreeBounds(index, toTarget);
    if (r.empty()) {
        double px, py;
        toTarget.apply(0, 0, px, py);
        return {px, py, 0, 0};
    }
    return r;
}

void NodeStore::setDisplayWidth(int index, double w) {
    Rect2D b = localBounds(index);
    if (b.width > 0) at(index).scaleX = w / b.width;
}

void NodeStore::setDisplayHeight(int index, double h) {
    Rect2D b = localBounds(index);
    if (b.height > 0) at(index).scaleY = h / b.height;
}

void NodeStore::globalToLocal(int index, double& x, double& y) const {
    Matrix2D inv = concatenatedMatrix(index).inverted();
    double ox, oy;
    inv.apply(x, y, ox, oy);
    x = ox;
    y = oy;
}

void NodeStore::localToGlobal(int index, double& x, double& y) const {
    double ox, oy;
    concatenatedMatrix(index).apply(x, y, ox, oy);
    x = ox;
    y = oy;
}

bool NodeStore::contentHit(int index, double x, double y) const {
    const Node& n = at(index);
    if (!n.graphics.empty()) return n.graphics.hits(x, y);
    return !n.contentBounds.empty() && n.contentBounds.contains(x, y);
}

bool NodeStore::hitShape(int index, double gx, double gy) const {
    const Node& n = at(index);
    if (!n.visible) return false;
    double lx = gx, ly = gy;
    globalToLocal(index, lx, ly);
    if (n.hasScrollRect && !n.scrollRect.contains(lx, ly)) return false;
    if (contentHit(index, lx, ly)) return true;
    for (int c : n.children)
        if (valid(c) && hitShape(c, gx, gy)) return true;
    return false;
}

bool NodeStore::hitTestPoint(int index, double x, double y, bool shape) const {
    if (!valid(index)) return false;
    if (shape) return hitShape(index, x, y);
    return bounds(index, -1, true).contains(x, y);
}

NodeStore::Pick NodeStore::pickAt(int index, const Matrix2D& contentToGlobal, double gx, double gy) const {
    const Node& n = at(index);
    if (!n.visible) return {false, 0};
    double lx, ly;
    contentToGlobal.inverted().apply(gx, gy, lx, ly);
    if (n.hasScrollRect && !n.scrollRect.contains(lx, ly)) return {false, 0};
    int self = n.mouseEnabled ? n.id : 0;
    for (auto it = n.children.rbegin(); it != n.children.rend(); ++it) {
        if (!valid(*it)) continue;
        Pick p = pickAt(*it, contentToGlobal.after(localMatrix(*it)).after(contentToNode(*it)), gx, gy);
        if (!p.hit) continue;
        if (!n.mouseChildren || p.id == 0) return {true, self};
        return p;
    }
    if (contentHit(index, lx, ly)) return {true, self};
    return {false, 0};
}

int NodeStore::pick(int root, double x, double y) const {
    if (!valid(root)) return 0;
    Matrix2D toGlobal = localMatrix(root).after(contentToNode(root));
    return pickAt(root, toGlobal, x, y).id;
}

void NodeStore::setMask(int index, int mask) {
    if (!valid(index)) return;
    if (int old = maskOf(index); old >= 0) --at(old).maskUsers;
    if (valid(mask)) ++at(mask).maskUsers;
    at(index).mask = valid(mask) ? mask : -1;
    at(index).maskId = valid(mask) ? at(mask).id : 0;
}

int NodeStore::maskOf(int index) const {
    if (!valid(index)) return -1;
    int m = at(index).mask;
    return valid(m) && at(m).id == at(index).maskId ? m : -1;
}

}  // namespace media
