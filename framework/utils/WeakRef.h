#pragma once
// Holds a value either strongly or as a weak reference kept by the back end.
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class WeakRef : public runtime::Object {
    RUNTIME_CLASS(WeakRef)
public:
    static inline runtime::Primitive media_weak_ref_create;
    static inline runtime::Primitive media_weak_ref_get;
    // Looks the class's primitives up once.
    static void initClass();

    // weak: the back end keeps the reference (weakRef is its handle, 0 when it gave none);
    // otherwise hardRef holds value and weakRef is -1.
    explicit WeakRef(const runtime::Value& value, bool weak = true);
    explicit WeakRef(runtime::NoInit) {}

    // The value, or null once the back end has released it.
    virtual runtime::Value get();
    // "WeakRef(-1)" while a strong reference is held, otherwise "null".
    std::string toString() const override;

    runtime::Value hardRef;
    int weakRef = -1;
};

}  // namespace framework
