#pragma once
// One-line clean-up: destroys an object when it is not null and gives null back, so that the
// caller clears its field with the result.
#include "platform/runtime/Ref.h"

namespace engine {

class EngDestroyUtil {
public:
    template <class T>
    static runtime::Ref<T> destroy(const runtime::Ref<T>& object) {
        if (object) object->destroy();
        return nullptr;
    }
};

}  // namespace engine
