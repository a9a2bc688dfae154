#include "WeakRef.h"

#include "framework/Lib.h"
#include "platform/runtime/Args.h"

namespace framework {

void WeakRef::initClass() {
    static const bool done = [] {
        media_weak_ref_create = MEDIA_LOAD(media_native_weak_ref_create);
        media_weak_ref_get = MEDIA_LOAD(media_native_weak_ref_get);
        return true;
    }();
    (void)done;
}

WeakRef::WeakRef(const runtime::Value& value, bool weak) {
    initClass();
    if (weak) {
        weakRef = media_weak_ref_create(runtime::Value(this), value).toInt();
    } else {
        weakRef = -1;
        hardRef = value;
    }
}

runtime::Value WeakRef::get() {
    if (!hardRef.isNull()) return hardRef;
    if (weakRef < 0) return runtime::Value();
    initClass();
    runtime::Value v = media_weak_ref_get(weakRef);
    if (v.isNull()) weakRef = -1;
    return v;
}

std::string WeakRef::toString() const {
    return hardRef.isNull() ? "null" : "WeakRef(" + std::to_string(weakRef) + ")";
}

}  // namespace framework

using framework::WeakRef;

RUNTIME_DEFINE_CLASS(WeakRef, "framework._native.utils.WeakRef", runtime::Object, (auto& b) {
    b.template field<&WeakRef::hardRef>("hardRef")
        .template field<&WeakRef::weakRef>("weakRef")
        .template method<&WeakRef::get>("get")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<WeakRef>(a[0], a.flag(1, true));
        });
})
