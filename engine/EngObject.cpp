#include "EngObject.h"

namespace engine {

EngObject::EngObject(double x_, double y_, double w, double h) : x(x_), y(y_), width(w), height(h) {
    last = runtime::make<EngPoint>(x, y);
    collisionType = EngCollisionType::OBJECT;
}

runtime::Ref<EngPoint> EngObject::getMidpoint(runtime::Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    return runtime::Ref<EngPoint>(point->set(x + get_width() * 0.5, y + get_height() * 0.5));
}

}  // namespace engine

using engine::EngObject;

RUNTIME_DEFINE_CLASS(EngObject, "engine.EngObject", engine::EngBasic, (auto& b) {
    b.template field<&EngObject::x>("x")
        .template field<&EngObject::y>("y")
        .template property<&EngObject::get_width, &EngObject::set_width>("width")
        .template property<&EngObject::get_height, &EngObject::set_height>("height")
        .template field<&EngObject::allowCollisions>("allowCollisions")
        .emptyInstance();
})
