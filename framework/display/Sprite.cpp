#include "Sprite.h"

#include "Stage.h"

namespace framework {

namespace {
runtime::Value newContainer() {
    DisplayObjectContainer::initClass();
    return DisplayObjectContainer::media_create_display_object_container();
}
}  // namespace

Sprite::Sprite(const runtime::String& typeName) : DisplayObjectContainer(newContainer(), typeName) {
    buttonMode = false;
    useHandCursor = true;
}

void Sprite::startDrag(bool lockCenter, const runtime::Ref<Rectangle>& bounds) {
    if (auto stage = get_stage()) stage->startDrag_(this, lockCenter, bounds);
}

void Sprite::stopDrag() {
    if (auto stage = get_stage()) stage->stopDrag_(this);
}

runtime::String Sprite::getType_() { return runtime::String(classInfo()->shortName()); }

RUNTIME_DEFINE_CLASS(Sprite, "framework._native.display.Sprite", DisplayObjectContainer, (auto& b) {
    b.template field<&Sprite::buttonMode>("buttonMode")
        .template field<&Sprite::useHandCursor>("useHandCursor")
        .template method<&Sprite::stopDrag>("stopDrag")
        .template method<&Sprite::getType_>("__getType")
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<Sprite>(); });
})

}  // namespace framework
