#include "EngQuadTree.h"

#include <algorithm>
#include <cmath>

#include "engine/group/EngGroup.h"
#include "platform/runtime/Thrown.h"

namespace engine {

using runtime::Ref;

Ref<EngQuadTree> EngQuadTree::_cachedTreesHead;

namespace {
// The state of the run in progress.
Ref<EngObject> object_;
double objectLeft = 0, objectTop = 0, objectRight = 0, objectBottom = 0;
int list_ = EngQuadTree::A_LIST;
bool useBothLists = false;
EngQuadTree::ProcessCallback processing;
EngQuadTree::NotifyCallback notifying;
Ref<EngList> iterator_;

struct Hull {
    double x, y, width, height;
};
Hull hullOf(EngObject* o) {
    double lx = o->last ? o->last->x : o->x, ly = o->last ? o->last->y : o->y;
    return {std::min(o->x, lx), std::min(o->y, ly), o->get_width() + std::fabs(o->x - lx),
            o->get_height() + std::fabs(o->y - ly)};
}
}  // namespace

Ref<EngQuadTree> EngQuadTree::recycle(double x, double y, double width, double height, EngQuadTree* parent) {
    if (_cachedTreesHead) {
        Ref<EngQuadTree> tree = _cachedTreesHead;
        _cachedTreesHead = tree->next;
        tree->next = nullptr;
        --_NUM_CACHED_QUAD_TREES;
        tree->reset(x, y, width, height, parent);
        return tree;
    }
    return runtime::make<EngQuadTree>(x, y, width, height, parent);
}

void EngQuadTree::clearCache() {
    while (_cachedTreesHead) {
        Ref<EngQuadTree> tree = _cachedTreesHead;
        _cachedTreesHead = tree->next;
        tree->next = nullptr;
    }
    _NUM_CACHED_QUAD_TREES = 0;
}

EngQuadTree::EngQuadTree(double x, double y, double width, double height, EngQuadTree* parent)
    : EngRect(x, y, width, height) {
    reset(x, y, width, height, parent);
}

void EngQuadTree::copyList(const Ref<EngList>& from, Ref<EngList>& head, Ref<EngList>& tail) {
    if (!from || !from->object) return;
    for (Ref<EngList> node = from; node; node = node->next) {
        if (tail->object) {
            Ref<EngList> added = EngList::recycle();
            tail->next = added;
            tail = added;
        }
        tail->object = node->object;
    }
}

void EngQuadTree::reset(double nx, double ny, double w, double h, EngQuadTree* parent) {
    set(nx, ny, w, h);
    exists = true;
    _headA = _tailA = EngList::recycle();
    _headB = _tailB = EngList::recycle();
    if (parent) {
        copyList(parent->_headA, _headA, _tailA);
        copyList(parent->_headB, _headB, _tailB);
    } else {
        _min = static_cast<int>(std::floor((w + h) / (2 * divisions)));
    }
    _canSubdivide = w > _min || h > _min;
    _northWestTree = _northEastTree = _southEastTree = _southWestTree = nullptr;
    _leftEdge = nx;
    _rightEdge = nx + w;
    _halfWidth = w * 0.5;
    _midpointX = _leftEdge + _halfWidth;
    _topEdge = ny;
    _bottomEdge = ny + h;
    _halfHeight = h * 0.5;
    _midpointY = _topEdge + _halfHeight;
}

void EngQuadTree::load(EngBasic* first, EngBasic* second, NotifyCallback notify, ProcessCallback process) {
    add(first, A_LIST);
    if (second) {
        add(second, B_LIST);
        useBothLists = true;
    } else {
        useBothLists = false;
    }
    notifying = std::move(notify);
    processing = std::move(process);
}

void EngQuadTree::add(EngBasic* objectOrGroup, int list) {
    list_ = list;
    if (objectOrGroup && (objectOrGroup->collisionType == EngCollisionType::GROUP ||
                          objectOrGroup->collisionType == EngCollisionType::SPRITEGROUP)) {
        if (objectOrGroup->collisionType == EngCollisionType::SPRITEGROUP &&
            !objectOrGroup->hasField("group"))
            runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
        if (EngTypedGroup* group = EngGroup::resolveGroup(objectOrGroup)) {
            Ref<EngTypedGroup> keep(group);
            int length = group->length;
            for (int i = 0; i < length; ++i) {
                Ref<EngBasic> member(group->memberAt(i));
                if (!member || !member->exists) continue;
                if (member->collisionType == EngCollisionType::GROUP ||
                    member->collisionType == EngCollisionType::SPRITEGROUP) {
                    if (EngGroup::resolveGroup(member.get())) {
                        add(member.get(), list);
                        continue;
                    }
                }
                auto* o = dynamic_cast<EngObject*>(member.get());
                if (!o) runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
                object_ = Ref<EngObject>(o);
                if (o->exists && o->allowCollisions != 0) {
                    objectLeft = o->x;
                    objectTop = o->y;
                    objectRight = o->x + o->get_width();
                    objectBottom = o->y + o->get_height();
                    addObject();
                }
            }
            return;
        }
    }
    auto* o = dynamic_cast<EngObject*>(objectOrGroup);
    if (!o) runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
    object_ = Ref<EngObject>(o);
    if (o->exists && o->allowCollisions != 0) {
        objectLeft = o->x;
        objectTop = o->y;
        objectRight = o->x + o->get_width();
        objectBottom = o->y + o->get_height();
        addObject();
    }
}

void EngQuadTree::addToChild(Ref<EngQuadTree>& child, double cx, double cy) {
    if (!child) child = recycle(cx, cy, _halfWidth, _halfHeight, this);
    child->addObject();
}

void EngQuadTree::addObject() {
    if (!_canSubdivide || (_leftEdge >= objectLeft && _rightEdge <= objectRight && _topEdge >= objectTop &&
                           _bottomEdge <= objectBottom)) {
        addToList();
        return;
    }
    if (objectLeft > _leftEdge && objectRight < _midpointX) {
        if (objectTop > _topEdge && objectBottom < _midpointY) {
            addToChild(_northWestTree, _leftEdge, _topEdge);
            return;
        }
        if (objectTop > _midpointY && objectBottom < _bottomEdge) {
            addToChild(_southWestTree, _leftEdge, _midpointY);
            return;
        }
    }
    if (objectLeft > _midpointX && objectRight < _rightEdge) {
        if (objectTop > _topEdge && objectBottom < _midpointY) {
            addToChild(_northEastTree, _midpointX, _topEdge);
            return;
        }
        if (objectTop > _midpointY && objectBottom < _bottomEdge) {
            addToChild(_southEastTree, _midpointX, _midpointY);
            return;
        }
    }
    if (objectRight > _leftEdge && objectLeft < _midpointX && objectBottom > _topEdge && objectTop < _midpointY)
        addToChild(_northWestTree, _leftEdge, _topEdge);
    if (objectRight > _midpointX && objectLeft < _rightEdge && objectBottom > _topEdge && objectTop < _midpointY)
        addToChild(_northEastTree, _midpointX, _topEdge);
    if (objectRight > _midpointX && objectLeft < _rightEdge && objectBottom > _midpointY && objectTop < _bottomEdge)
        addToChild(_southEastTree, _midpointX, _midpointY);
    if (objectRight > _leftEdge && objectLeft < _midpointX && objectBottom > _midpointY && objectTop < _bottomEdge)
        addToChild(_southWestTree, _leftEdge, _midpointY);
}

void EngQuadTree::addToList() {
    Ref<EngList>& tail = list_ == A_LIST ? _tailA : _tailB;
    if (tail->object) {
        Ref<EngList> node = EngList::recycle();
        tail->next = node;
        tail = node;
    }
    tail->object = object_;
    if (!_canSubdivide) return;
    for (auto* child : {&_northWestTree, &_northEastTree, &_southEastTree, &_southWestTree})
        if (*child) (*child)->addToList();
}

bool EngQuadTree::execute() {
    bool result = false;
    if (_headA->object) {
        for (Ref<EngList> node = _headA; node; node = node->next) {
            object_ = node->object;
            iterator_ = useBothLists ? _headB : node->next;
            if (object_ && object_->exists && object_->allowCollisions > 0 && iterator_ && iterator_->object &&
                overlapNode())
                result = true;
        }
    }
    for (auto* child : {&_northWestTree, &_northEastTree, &_southEastTree, &_southWestTree})
        if (Ref<EngQuadTree> c = *child; c && c->execute()) result = true;
    return result;
}

bool EngQuadTree::overlapNode() {
    bool result = false;
    Ref<EngObject> self = object_;
    Hull a = hullOf(self.get());
    while (iterator_) {
        Ref<EngObject> other = iterator_->object;
        if (other && other != self && other->exists && other->allowCollisions > 0) {
            Hull b = hullOf(other.get());
            if (a.x + a.width > b.x && b.x + b.width > a.x && a.y + a.height > b.y && b.y + b.height > a.y) {
                if (!processing || processing(self.get(), other.get())) {
                    result = true;
                    if (notifying) notifying(self.get(), other.get());
                }
            }
        }
        iterator_ = iterator_ ? iterator_->next : nullptr;
    }
    return result;
}

void EngQuadTree::destroy() {
    for (auto* list : {&_headA, &_headB, &_tailA, &_tailB}) {
        if (*list) (*list)->destroy();
        *list = nullptr;
    }
    for (auto* child : {&_northWestTree, &_northEastTree, &_southWestTree, &_southEastTree}) {
        if (*child) (*child)->destroy();
        *child = nullptr;
    }
    object_ = nullptr;
    iterator_ = nullptr;
    processing = nullptr;
    notifying = nullptr;
    exists = false;
    next = _cachedTreesHead;
    _cachedTreesHead = Ref<EngQuadTree>(this);
    ++_NUM_CACHED_QUAD_TREES;
    EngRect::destroy();
}

}  // namespace engine
