#include "DirectRenderer.h"

#include "framework/Lib.h"

namespace framework {

using runtime::Value;

void DirectRenderer::initClass() {
    static const bool done = [] {
        media_direct_renderer_create = MEDIA_LOAD(media_native_direct_renderer_create);
        media_direct_renderer_set = MEDIA_LOAD(media_native_direct_renderer_set);
        return true;
    }();
    (void)done;
}

namespace {
Value newHandle() {
    DirectRenderer::initClass();
    return DirectRenderer::media_direct_renderer_create();
}
}  // namespace

DirectRenderer::DirectRenderer(const runtime::String& type)
    : DisplayObject(newHandle(), type.isNull() ? runtime::String("DirectRenderer") : type) {
    addEventListener(Event::ADDED_TO_STAGE, runtime::Function::method<&DirectRenderer::stageOnAddedToStage_>(this));
    addEventListener(Event::REMOVED_FROM_STAGE, runtime::Function::method<&DirectRenderer::stageOnRemovedFromStage_>(this));
}

void DirectRenderer::dispose() {
    removeEventListener(Event::ADDED_TO_STAGE, runtime::Function::method<&DirectRenderer::stageOnAddedToStage_>(this));
    removeEventListener(Event::REMOVED_FROM_STAGE,
                        runtime::Function::method<&DirectRenderer::stageOnRemovedFromStage_>(this));
}

void DirectRenderer::stageOnAddedToStage_(const Value&) {
    media_direct_renderer_set(handle_, runtime::Function::method<&DirectRenderer::onRender_>(this));
}

void DirectRenderer::stageOnRemovedFromStage_(const Value&) { media_direct_renderer_set(handle_, Value()); }

void DirectRenderer::onRender_(const Value& rect) {
    if (!render) return;
    (*render)(Value(runtime::make<Rectangle>(rect.field("x").toFloat(), rect.field("y").toFloat(),
                                             rect.field("width").toFloat(), rect.field("height").toFloat())));
}

RUNTIME_DEFINE_CLASS(DirectRenderer, "framework._native.display.DirectRenderer", DisplayObject, (auto& b) {
    using D = DirectRenderer;
    b.template field<&D::render>("render")
        .template method<&D::dispose>("dispose")
        .template method<&D::onRender_>("__onRender")
        .template staticField<&D::media_direct_renderer_create>("media_direct_renderer_create")
        .template staticField<&D::media_direct_renderer_set>("media_direct_renderer_set")
        .constructor([](const Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<D>(argc > 0 ? args[0].toStringValue() : runtime::String());
        });
})

}  // namespace framework
