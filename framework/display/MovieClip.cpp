#include "MovieClip.h"

namespace framework {

MovieClip::MovieClip(const runtime::String& typeName) : Sprite(typeName) {
    currentFrame_ = 0;
    currentFrameLabel_ = nullptr;
    currentLabel_ = nullptr;
    currentLabels_ = runtime::make<runtime::Array>();
    totalFrames_ = 0;
    enabled = true;
}

RUNTIME_DEFINE_CLASS(MovieClip, "framework._native.display.MovieClip", Sprite, (auto& b) {
    using M = MovieClip;
    b.template readOnlyProperty<&M::get_currentFrame>("currentFrame")
        .template readOnlyProperty<&M::get_currentFrameLabel>("currentFrameLabel")
        .template readOnlyProperty<&M::get_currentLabel>("currentLabel")
        .template readOnlyProperty<&M::get_currentLabels>("currentLabels")
        .template field<&M::enabled>("enabled")
        .template readOnlyProperty<&M::get_framesLoaded>("framesLoaded")
        .template readOnlyProperty<&M::get_totalFrames>("totalFrames")
        .template internalField<&M::currentFrame_>("__currentFrame")
        .template internalField<&M::currentFrameLabel_>("__currentFrameLabel")
        .template internalField<&M::currentLabel_>("__currentLabel")
        .template internalField<&M::currentLabels_>("__currentLabels")
        .template internalField<&M::totalFrames_>("__totalFrames")
        .template method<&M::nextFrame>("nextFrame")
        .template method<&M::play>("play")
        .template method<&M::prevFrame>("prevFrame")
        .template method<&M::stop>("stop")
        .dynamic()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<M>(); });
})

}  // namespace framework
