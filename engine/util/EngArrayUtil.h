#pragma once
// List helpers shared by the engine's classes.
#include <vector>

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
