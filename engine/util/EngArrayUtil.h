#pragma once
// List helpers shared by the engine's classes.
#include <vector>

#include "engine/util/EngRandom.h"
#include "platform/runtime/Array.h"

namespace engine {

class EngArrayUtil {
public:
    // Removes elements from the end until the list has newLength; never lengthens it.
    template <class T>
    static void setLength(std::vector<T>& list, int newLength) {
        if (newLength < 0) return;
        while (static_cast<int>(list.size()) > newLength) list.pop_back();
    }
    // Removes every element, from the end.
    template <class T>
    static void clearArray(std::vector<T>& list) {
        while (!list.empty()) list.pop_back();
    }
    // Null is ignored; with recursive, removed elements that are lists are emptied too.
    static void clearArray(runtime::Array* list, bool recursive = false) {
        if (!list) return;
        while (list->length() > 0) {
            runtime::Value item = list->items.back();
            list->items.pop_back();
            if (recursive) clearArray(dynamic_cast<runtime::Array*>(item.object()), true);
        }
    }
    // A random element between the two indices (see EngRandom::getObject).
    template <class T>
    static runtime::Ref<T> getRandom(const std::vector<runtime::Ref<T>>& list, int startIndex = 0, int endIndex = 0) {
        return EngRandom::getObject(list, startIndex, endIndex);
    }
    // Moves the last element into the index and drops the last; order is not kept.
    template <class T>
    static std::vector<T>& swapAndPop(std::vector<T>& list, int index) {
        list[index] = list.back();
        list.pop_back();
        return list;
    }
    // swapAndPop of the first element equal to element; nothing when it is not listed.
    template <class T, class E>
    static std::vector<T>& fastSplice(std::vector<T>& list, const E& element) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == element) return swapAndPop(list, static_cast<int>(i));
        return list;
    }
};

}  // namespace engine
