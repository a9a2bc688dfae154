#pragma once
// A display object drawn by code of its own when the back end renders it.
#include "DisplayObject.h"

namespace framework {

class DirectRenderer : public DisplayObject {
    RUNTIME_CLASS(DirectRenderer)
public:
    static inline runtime::Primitive media_direct_renderer_create;
    static inline runtime::Primitive media_direct_renderer_set;
    static void initClass();

    explicit DirectRenderer(const runtime::String& type = "DirectRenderer");
    explicit DirectRenderer(runtime::NoInit n) : DisplayObject(n) {}

    // Removes the two stage listeners; the back end keeps whatever callback it has.
    virtual void dispose();
    virtual void onRender_(const runtime::Value& rect);
    virtual void stageOnAddedToStage_(const runtime::Value& event);
    virtual void stageOnRemovedFromStage_(const runtime::Value& event);

    // The drawing code, called with a Rectangle; null switches rendering off.
    runtime::Ref<runtime::Function> render = runtime::Function::of([](runtime::Value) {});
};

}  // namespace framework
