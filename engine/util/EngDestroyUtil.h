#pragma once
// One-line clean-up: destroys, pools or disposes an object when it is not null and gives null
// back, so that the caller clears its field with the result.
#include <vector>

#include "engine/interfaces/IEngDestroyable.h"
#include "engine/interfaces/IEngPooled.h"
#include "framework/display/BitmapData.h"
#include "platform/runtime/Ref.h"

namespace engine {

class EngDestroyUtil {
public:
    template <class T>
    static runtime::Ref<T> destroy(const runtime::Ref<T>& object) {
        if (object) object->destroy();
        return nullptr;
    }
    template <class T>
    static runtime::Ref<T> put(const runtime::Ref<T>& object) {
        if (object) object->put();
        return nullptr;
    }
    // Empties the list from the end, destroying each element that can be destroyed.
    template <class T>
    static std::vector<runtime::Ref<T>>* destroyArray(std::vector<runtime::Ref<T>>* list) {
        if (!list) return nullptr;
        while (!list->empty()) {
            runtime::Ref<T> item = std::move(list->back());
            list->pop_back();
            if (auto* d = dynamic_cast<IEngDestroyable*>(item.get())) d->destroy();
        }
        return nullptr;
    }
    // Empties the list from the end, giving each pooled element back.
    template <class T>
    static std::vector<runtime::Ref<T>>* putArray(std::vector<runtime::Ref<T>>* list) {
        if (!list) return nullptr;
        while (!list->empty()) {
            runtime::Ref<T> item = std::move(list->back());
            list->pop_back();
            if (auto* p = dynamic_cast<IEngPooled*>(item.get())) p->put();
        }
        return nullptr;
    }
    static runtime::Ref<framework::BitmapData> dispose(const runtime::Ref<framework::BitmapData>& bitmap) {
        if (bitmap) bitmap->dispose();
        return nullptr;
    }
};

}  // namespace engine
