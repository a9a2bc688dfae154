#include "FrameLabel.h"

namespace framework {

RUNTIME_DEFINE_CLASS(FrameLabel, "framework.display.FrameLabel", EventDispatcher, (auto& b) {
    b.template readOnlyProperty<&FrameLabel::get_name>("name")
        .template readOnlyProperty<&FrameLabel::get_frame>("frame")
        .template internalField<&FrameLabel::name_>("__name")
        .template internalField<&FrameLabel::frame_>("__frame")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<FrameLabel>(argc > 0 ? args[0].toStringValue() : runtime::String(),
                                             argc > 1 ? args[1].toInt() : 0);
        });
})

}  // namespace framework
