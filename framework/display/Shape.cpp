#include "Shape.h"

namespace framework {

namespace {
runtime::Value newNode() {
    DisplayObject::initClass();
    return DisplayObject::media_create_display_object();
}
}  // namespace

Shape::Shape() : DisplayObject(newNode(), "Shape") {}

RUNTIME_DEFINE_CLASS(Shape, "framework._native.display.Shape", DisplayObject, (auto& b) {
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<Shape>(); });
})

}  // namespace framework
