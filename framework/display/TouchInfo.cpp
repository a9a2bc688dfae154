#include "TouchInfo.h"

namespace framework {

runtime::Ref<runtime::Array> TouchInfo::get_touchOverObjects() {
    auto a = runtime::make<runtime::Array>();
    for (const auto& w : touchOverObjects)
        if (auto o = w.lock()) a->push(runtime::Value(o));
    return a;
}

}  // namespace framework

using framework::TouchInfo;

RUNTIME_DEFINE_CLASS(TouchInfo, "framework._native.display.TouchInfo", runtime::Object, (auto& b) {
    b.template readOnlyProperty<&TouchInfo::get_touchOverObjects>("touchOverObjects")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<TouchInfo>();
        });
})
