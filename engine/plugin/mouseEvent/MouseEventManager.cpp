#include "MouseEventManager.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/EngState.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/frontEnds/PluginFrontEnd.h"
#include "engine/util/EngAngle.h"
#include "framework/errors/Error.h"
#include "platform/runtime/Thrown.h"

namespace engine {

using runtime::Ref;
using Registry = std::vector<Ref<ObjectMouseData>>;

MouseEventManager::MouseEventManager() {
    _point = EngPoint::get(0, 0);
    if (_registryExists) clearRegistry();
    _registeredObjects.clear();
    _mouseOverObjects.clear();
    _registryExists = true;
}

void MouseEventManager::init() {
    if (!EngG::plugins->get(&MouseEventManager::staticClass())) EngG::plugins->add(runtime::make<MouseEventManager>());
}

EngObject* MouseEventManager::add(const Ref<EngObject>& object, Callback onMouseDown, Callback onMouseUp,
                                  Callback onMouseOver, Callback onMouseOut, bool mouseChildren, bool mouseEnabled,
                                  bool pixelPerfect) {
    init();
    if (!_registryExists) return object.get();
    auto registration = runtime::make<ObjectMouseData>(object, std::move(onMouseDown), std::move(onMouseUp),
                                                       std::move(onMouseOver), std::move(onMouseOut), mouseChildren,
                                                       mouseEnabled, pixelPerfect);
    if (auto* sprite = dynamic_cast<EngSprite*>(object.get())) registration->sprite = Ref<EngSprite>(sprite);
    _registeredObjects.insert(_registeredObjects.begin(), registration);
    return object.get();
}

EngObject* MouseEventManager::remove(EngObject* object) {
    Registry kept;
    for (const Ref<ObjectMouseData>& r : _registeredObjects) {
        if (r->object.get() == object) r->clear();
        else kept.push_back(r);
    }
    _registeredObjects.swap(kept);
    return object;
}

void MouseEventManager::reorder() {
    Registry ordered;
    if (EngG::game)
        if (Ref<EngState> state = EngG::get_state()) traverseEngGroup(state.get(), ordered);
    std::reverse(ordered.begin(), ordered.end());
    _registeredObjects = std::move(ordered);
}

void MouseEventManager::traverseEngGroup(EngTypedGroup* group, Registry& ordered) {
    std::vector<EngTypedGroup::Member> members = group->members;
    for (const EngTypedGroup::Member& member : members) {
        if (!member) continue;
        if (auto* inner = dynamic_cast<EngTypedGroup*>(member.get())) traverseEngGroup(inner, ordered);
        if (auto* sprite = dynamic_cast<EngSprite*>(member.get()))
            if (ObjectMouseData* r = getRegister(sprite)) ordered.push_back(Ref<ObjectMouseData>(r));
    }
}

ObjectMouseData* MouseEventManager::getRegister(EngObject* object, const Registry* list) {
    for (const Ref<ObjectMouseData>& r : list ? *list : _registeredObjects)
        if (r->object.get() == object) return r.get();
    return nullptr;
}

void MouseEventManager::setMouseDownCallback(EngObject* object, Callback callback) {
    if (ObjectMouseData* r = getRegister(object)) r->onMouseDown = std::move(callback);
}
void MouseEventManager::setMouseUpCallback(EngObject* object, Callback callback) {
    if (ObjectMouseData* r = getRegister(object)) r->onMouseUp = std::move(callback);
}
void MouseEventManager::setMouseOverCallback(EngObject* object, Callback callback) {
    if (ObjectMouseData* r = getRegister(object)) r->onMouseOver = std::move(callback);
}
void MouseEventManager::setMouseOutCallback(EngObject* object, Callback callback) {
    if (ObjectMouseData* r = getRegister(object)) r->onMouseOut = std::move(callback);
}
void MouseEventManager::setObjectMouseEnabled(EngObject* object, bool enabled) {
    if (ObjectMouseData* r = getRegister(object)) r->mouseEnabled = enabled;
}
bool MouseEventManager::isObjectMouseEnabled(EngObject* object) {
    ObjectMouseData* r = getRegister(object);
    return r && r->mouseEnabled;
}
void MouseEventManager::setObjectMouseChildren(EngObject* object, bool children) {
    if (ObjectMouseData* r = getRegister(object)) r->mouseChildren = children;
}
bool MouseEventManager::isObjectMouseChildren(EngObject* object) {
    if (ObjectMouseData* r = getRegister(object)) return r->mouseChildren;
    throw runtime::Thrown(runtime::Value(
        runtime::make<framework::Error>("MouseEventManager , isObjectMouseChildren() : object not found")));
}

void MouseEventManager::update() {
    if (!_registryExists) return;
    Ref<MouseEventManager> keep(this);
    Registry current;
    Registry pass = _registeredObjects;
    for (const Ref<ObjectMouseData>& r : pass) {
        EngObject* object = r->object.get();
        if (!object) continue;
        if (!object->acceleration) {
            remove(object);
            continue;
        }
        if (object->alive && object->exists && object->visible && r->mouseEnabled && checkOverlap(r.get())) {
            current.push_back(r);
            if (!r->mouseChildren) break;
        }
    }
    auto shown = [](const Ref<ObjectMouseData>& r) { return r->object && r->object->exists && r->object->visible; };
    for (const Ref<ObjectMouseData>& r : current)
        if (r->onMouseOver && shown(r) && !getRegister(r->object.get(), &_mouseOverObjects)) r->onMouseOver(r->object.get());
    Registry before = _mouseOverObjects;
    for (const Ref<ObjectMouseData>& r : before)
        if (r->onMouseOut && (!shown(r) || !getRegister(r->object.get(), &current))) r->onMouseOut(r->object.get());
    int left = EngG::mouse ? EngG::mouse->_leftButton->current : EngMouseButton::RELEASED;
    if (left == EngMouseButton::JUST_PRESSED || left == EngMouseButton::FAST_PRESS_RELEASE)
        for (const Ref<ObjectMouseData>& r : current)
            if (r->onMouseDown && shown(r)) r->onMouseDown(r->object.get());
    if (left == EngMouseButton::JUST_RELEASED || left == EngMouseButton::FAST_PRESS_RELEASE)
        for (const Ref<ObjectMouseData>& r : current)
            if (r->onMouseUp && shown(r)) r->onMouseUp(r->object.get());
    if (_registryExists) _mouseOverObjects = std::move(current);
}

bool MouseEventManager::checkOverlap(ObjectMouseData* registration) {
    if (!EngG::mouse || !_point) return false;
    for (const Ref<EngCamera>& camera : registration->object->get_cameras()) {
        if (!camera) continue;
        EngG::mouse->getWorldPosition(camera, _point);
        if (checkOverlapWithPoint(registration, _point, camera.get())) return true;
    }
    return false;
}

bool MouseEventManager::checkOverlapWithPoint(ObjectMouseData* registration, const Ref<EngPoint>& point,
                                              EngCamera* camera) {
    if (registration->pixelPerfect && registration->sprite)
        return checkPixelPerfectOverlap(point, registration->sprite.get(), camera);
    return registration->object->overlapsPoint(point, true, camera);
}

bool MouseEventManager::checkPixelPerfectOverlap(const Ref<EngPoint>& point, EngSprite* sprite, EngCamera* camera) {
    if (sprite->angle != 0)
        EngAngle::rotatePoint(point->x, point->y, sprite->x + sprite->origin->x, sprite->y + sprite->origin->y,
                              sprite->angle - 180, point);
    return sprite->pixelsOverlapPoint(point, 1, camera);
}

void MouseEventManager::clearRegistry() {
    _mouseOverObjects.clear();
    for (const Ref<ObjectMouseData>& r : _registeredObjects) r->clear();
    _registeredObjects.clear();
    _registryExists = false;
}

void MouseEventManager::destroy() {
    clearRegistry();
    if (_point) _point->put();
    _point = nullptr;
    EngPlugin::destroy();
}

}  // namespace engine

using engine::MouseEventManager;

RUNTIME_DEFINE_CLASS(MouseEventManager, "engine.plugin.MouseEventManager", engine::EngPlugin,
                     (auto& b) { b.emptyInstance(); })
