#include "EngTypedSpriteGroup.h"

#include <limits>

#include "engine/util/EngCallbackPoint.h"
#include "engine/util/EngDestroyUtil.h"
#include "platform/runtime/Args.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

EngTypedSpriteGroup::EngTypedSpriteGroup(double x_, double y_, int maxSize) : EngSprite(x_, y_, SkipInitVars{}) {
    EngTypedSpriteGroup::initVars();
    group = runtime::make<EngTypedGroup>(maxSize);
    _sprites = &group->members;
}

void EngTypedSpriteGroup::initVars() {
    collisionType = EngCollisionType::SPRITEGROUP;
    offset = runtime::make<EngCallbackPoint>(runtime::Function::method<&EngTypedSpriteGroup::offsetCallback>(this));
    origin = runtime::make<EngCallbackPoint>(runtime::Function::method<&EngTypedSpriteGroup::originCallback>(this));
    scale = runtime::make<EngCallbackPoint>(runtime::Function::method<&EngTypedSpriteGroup::scaleCallback>(this));
    scrollFactor =
        runtime::make<EngCallbackPoint>(runtime::Function::method<&EngTypedSpriteGroup::scrollFactorCallback>(this));
    scale->set(1, 1);
    scrollFactor->set(1, 1);
    initMotionVars();
}

void EngTypedSpriteGroup::destroy() {
    offset = EngDestroyUtil::destroy(offset);
    origin = EngDestroyUtil::destroy(origin);
    scale = EngDestroyUtil::destroy(scale);
    scrollFactor = EngDestroyUtil::destroy(scrollFactor);
    group = EngDestroyUtil::destroy(group);
    _sprites = nullptr;
    EngSprite::destroy();
}

void EngTypedSpriteGroup::multiTransformChildren(const std::vector<Transform>& functions,
                                                 const std::vector<double>& values) {
    if (!group || functions.size() > values.size()) return;
    for (std::size_t i = 0; _sprites && i < _sprites->size(); ++i) {
        auto* sprite = dynamic_cast<EngSprite*>((*_sprites)[i].get());
        if (!sprite || !sprite->exists) continue;
        for (std::size_t f = 0; f < functions.size(); ++f) functions[f](sprite, values[f]);
    }
}

EngTypedSpriteGroup::Member EngTypedSpriteGroup::add(const Ref<EngSprite>& sprite) {
    if (!sprite) return nullptr;
    sprite->set_x(sprite->x + x);
    sprite->set_y(sprite->y + y);
    sprite->set_alpha(sprite->alpha * alpha);
    sprite->scrollFactor->set_x(scrollFactor->x);
    sprite->scrollFactor->set_y(scrollFactor->y);
    sprite->set_cameras(_cameras);
    return group->add(sprite);
}

EngTypedSpriteGroup::Member EngTypedSpriteGroup::recycle(const runtime::ClassInfo* cls,
                                                         const Ref<runtime::Array>& args, bool force) {
    return group->recycle(cls, args, force);
}

void EngTypedSpriteGroup::setPosition(double X, double Y) {
    double dx = X - x, dy = Y - y;
    multiTransformChildren({&xTransform, &yTransform}, {dx, dy});
    _skipTransformChildren = true;
    set_x(X);
    set_y(Y);
    _skipTransformChildren = false;
}

double EngTypedSpriteGroup::set_x(double v) {
    if (!_skipTransformChildren && exists && v != x) transformChildren<double>(&xTransform, v - x);
    return x = v;
}

double EngTypedSpriteGroup::set_y(double v) {
    if (!_skipTransformChildren && exists && v != y) transformChildren<double>(&yTransform, v - y);
    return y = v;
}

double EngTypedSpriteGroup::set_angle(double v) {
    if (exists && v != angle) transformChildren<double>(&angleTransform, v - angle);
    return angle = v;
}

double EngTypedSpriteGroup::set_alpha(double v) {
    if (v > 1) v = 1;
    if (v < 0) v = 0;
    if (exists && v != alpha) transformChildren<double>(&alphaTransform, alpha > 0 ? v / alpha : 0);
    return alpha = v;
}

int EngTypedSpriteGroup::set_facing(int v) {
    if (exists && v != facing) transformChildren<int>([](EngSprite* s, int f) { s->set_facing(f); }, v);
    return facing = v;
}

bool EngTypedSpriteGroup::set_flipX(bool v) {
    if (exists && v != flipX) transformChildren<bool>([](EngSprite* s, bool f) { s->set_flipX(f); }, v);
    return flipX = v;
}

bool EngTypedSpriteGroup::set_flipY(bool v) {
    if (exists && v != flipY) transformChildren<bool>([](EngSprite* s, bool f) { s->set_flipY(f); }, v);
    return flipY = v;
}

bool EngTypedSpriteGroup::set_moves(bool v) {
    if (exists && v != moves) transformChildren<bool>([](EngSprite* s, bool f) { s->set_moves(f); }, v);
    return moves = v;
}

bool EngTypedSpriteGroup::set_immovable(bool v) {
    if (exists && v != immovable) transformChildren<bool>([](EngSprite* s, bool f) { s->set_immovable(f); }, v);
    return immovable = v;
}

int EngTypedSpriteGroup::set_color(int v) {
    if (exists && v != color) transformChildren<int>([](EngSprite* s, int c) { s->set_color(c); }, v);
    return color = v;
}

std::optional<framework::BlendMode> EngTypedSpriteGroup::set_blend(std::optional<framework::BlendMode> v) {
    if (exists && v != blend)
        transformChildren<std::optional<framework::BlendMode>>(
            [](EngSprite* s, std::optional<framework::BlendMode> b) { s->set_blend(b); }, v);
    return blend = v;
}

bool EngTypedSpriteGroup::set_pixelPerfectRender(bool v) {
    if (exists && v != pixelPerfectRender)
        transformChildren<bool>([](EngSprite* s, bool f) { s->set_pixelPerfectRender(f); }, v);
    return EngObject::set_pixelPerfectRender(v);
}

bool EngTypedSpriteGroup::set_solid(bool v) {
    if (exists && v != get_solid()) transformChildren<bool>([](EngSprite* s, bool f) { s->set_solid(f); }, v);
    return EngObject::set_solid(v);
}

bool EngTypedSpriteGroup::set_visible(bool v) {
    if (exists && v != visible) transformChildren<bool>([](EngSprite* s, bool f) { s->set_visible(f); }, v);
    return EngBasic::set_visible(v);
}

bool EngTypedSpriteGroup::set_active(bool v) {
    if (exists && v != active) transformChildren<bool>([](EngSprite* s, bool f) { s->set_active(f); }, v);
    return EngBasic::set_active(v);
}

bool EngTypedSpriteGroup::set_alive(bool v) {
    if (exists && v != alive) transformChildren<bool>([](EngSprite* s, bool f) { s->set_alive(f); }, v);
    return EngBasic::set_alive(v);
}

bool EngTypedSpriteGroup::set_exists(bool v) {
    if (v != exists) transformChildren<bool>([](EngSprite* s, bool f) { s->set_exists(f); }, v);
    return EngBasic::set_exists(v);
}

std::shared_ptr<EngObject::CameraList> EngTypedSpriteGroup::set_cameras(std::shared_ptr<CameraList> v) {
    if (&get_cameras() != v.get())
        transformChildren<std::shared_ptr<CameraList>>(
            [](EngSprite* s, std::shared_ptr<CameraList> c) { s->set_cameras(c); }, v);
    return EngObject::set_cameras(v);
}

void EngTypedSpriteGroup::offsetTransform(EngSprite* s, EngPoint* p) {
    s->offset->set_x(p->x);
    s->offset->set_y(p->y);
}
void EngTypedSpriteGroup::originTransform(EngSprite* s, EngPoint* p) {
    s->origin->set_x(p->x);
    s->origin->set_y(p->y);
}
void EngTypedSpriteGroup::scaleTransform(EngSprite* s, EngPoint* p) {
    s->scale->set_x(p->x);
    s->scale->set_y(p->y);
}
void EngTypedSpriteGroup::scrollFactorTransform(EngSprite* s, EngPoint* p) {
    s->scrollFactor->set_x(p->x);
    s->scrollFactor->set_y(p->y);
}

void EngTypedSpriteGroup::offsetCallback(const Value& p) { transformChildren<EngPoint*>(&offsetTransform, p.as<EngPoint>()); }
void EngTypedSpriteGroup::originCallback(const Value& p) { transformChildren<EngPoint*>(&originTransform, p.as<EngPoint>()); }
void EngTypedSpriteGroup::scaleCallback(const Value& p) { transformChildren<EngPoint*>(&scaleTransform, p.as<EngPoint>()); }
void EngTypedSpriteGroup::scrollFactorCallback(const Value& p) {
    transformChildren<EngPoint*>(&scrollFactorTransform, p.as<EngPoint>());
}

void EngTypedSpriteGroup::update() {
    group->update();
    // The object's motion step writes through this group's setters, so the members move and turn
    // with it; last and the touching flags are left alone.
    if (moves) updateMotion();
}

void EngTypedSpriteGroup::draw() { group->draw(); }

void EngTypedSpriteGroup::kill() {
    EngBasic::kill();
    group->kill();
}

void EngTypedSpriteGroup::revive() {
    EngBasic::revive();
    group->revive();
}

void EngTypedSpriteGroup::reset(double X, double Y) {
    revive();
    setPosition(X, Y);
    for (std::size_t i = 0; _sprites && i < _sprites->size(); ++i)
        if (auto* sprite = dynamic_cast<EngObject*>((*_sprites)[i].get())) sprite->reset(X, Y);
}

namespace {
template <class Ask>
bool anyVisibleMember(std::vector<EngTypedSpriteGroup::Member>* sprites, Ask ask) {
    for (std::size_t i = 0; sprites && i < sprites->size(); ++i) {
        auto* sprite = dynamic_cast<EngSprite*>((*sprites)[i].get());
        if (sprite && sprite->exists && sprite->visible && ask(sprite)) return true;
    }
    return false;
}
}  // namespace

bool EngTypedSpriteGroup::isOnScreen(EngCamera* camera) {
    return anyVisibleMember(_sprites, [&](EngSprite* s) { return s->isOnScreen(camera); });
}

bool EngTypedSpriteGroup::overlapsPoint(const Ref<EngPoint>& point, bool inScreenSpace, EngCamera* camera) {
    return anyVisibleMember(_sprites, [&](EngSprite* s) { return s->overlapsPoint(point, inScreenSpace, camera); });
}

bool EngTypedSpriteGroup::pixelsOverlapPoint(const Ref<EngPoint>& point, int alphaThreshold, EngCamera* camera) {
    return anyVisibleMember(_sprites, [&](EngSprite* s) { return s->pixelsOverlapPoint(point, alphaThreshold, camera); });
}

std::optional<std::vector<Ref<EngPoint>>> EngTypedSpriteGroup::replaceColor(int oldColor, int newColor,
                                                                            bool fetchPositions) {
    std::optional<std::vector<Ref<EngPoint>>> positions;
    if (fetchPositions) positions.emplace();
    for (std::size_t i = 0; _sprites && i < _sprites->size(); ++i) {
        auto* sprite = dynamic_cast<EngSprite*>((*_sprites)[i].get());
        if (!sprite) continue;
        auto found = sprite->replaceColor(oldColor, newColor, fetchPositions);
        if (positions && found) positions->insert(positions->end(), found->begin(), found->end());
    }
    return positions;
}

double EngTypedSpriteGroup::span(bool horizontal) const {
    if (!group || group->length == 0) return 0;
    double min = std::numeric_limits<double>::infinity(), max = -min;
    for (std::size_t i = 0; _sprites && i < _sprites->size(); ++i) {
        auto* o = dynamic_cast<EngObject*>((*_sprites)[i].get());
        if (!o) continue;
        double left = horizontal ? o->x : o->y;
        double right = left + (horizontal ? o->get_width() : o->get_height());
        if (right > max) max = right;
        if (left < min) min = left;
    }
    return max >= min ? max - min : 0;
}

double EngTypedSpriteGroup::get_width() const { return span(true); }
double EngTypedSpriteGroup::get_height() const { return span(false); }

Ref<EngSprite> EngTypedSpriteGroup::clone(Ref<EngSprite> target) {
    Ref<EngTypedSpriteGroup> copy(dynamic_cast<EngTypedSpriteGroup*>(target.get()));
    if (!copy) copy = runtime::make<EngTypedSpriteGroup>(0, 0, group->maxSize);
    copy->group->set_maxSize(group->maxSize);
    for (std::size_t i = 0; i < _sprites->size(); ++i)
        if (auto* sprite = dynamic_cast<EngSprite*>((*_sprites)[i].get())) copy->add(sprite->clone());
    return copy;
}

}  // namespace engine

using engine::EngTypedSpriteGroup;

RUNTIME_DEFINE_CLASS(EngTypedSpriteGroup, "engine.group.EngTypedSpriteGroup", engine::EngSprite, (auto& b) {
    using T = EngTypedSpriteGroup;
    b.template field<&T::group>("group")
        .template readOnlyProperty<&T::get_length>("length")
        .template property<&T::get_maxSize, &T::set_maxSize>("maxSize")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.number(0), a.number(1), a.integer(2));
        });
})
