#include "IComponentPath.h"

namespace tween {

RUNTIME_DEFINE_CLASS(IComponentPath, "tween.IComponentPath", runtime::Object, (auto& b) {
    b.template field<&IComponentPath::start>("start")
        .template property<&IComponentPath::get_end>("end")
        .template method<&IComponentPath::calculate>("calculate");
})

}  // namespace tween
