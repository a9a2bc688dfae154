#include "EngList.h"

namespace engine {

using runtime::Ref;

Ref<EngList> EngList::_cachedListsHead;

Ref<EngList> EngList::recycle() {
    if (_cachedListsHead) {
        Ref<EngList> node = _cachedListsHead;
        _cachedListsHead = node->next;
        --_NUM_CACHED_FLX_LIST;
        node->exists = true;
        node->next = nullptr;
        return node;
    }
    return runtime::make<EngList>();
}

void EngList::clearCache() {
    while (_cachedListsHead) {
        Ref<EngList> node = _cachedListsHead;
        _cachedListsHead = node->next;
        node->object = nullptr;
        node->next = nullptr;
    }
    _NUM_CACHED_FLX_LIST = 0;
}

void EngList::destroy() {
    // Iterative over the rest of the list, so long lists do not deepen the stack.
    Ref<EngList> node(this);
    while (node && node->exists) {
        Ref<EngList> rest = node->next;
        node->object = nullptr;
        node->exists = false;
        node->next = _cachedListsHead;
        _cachedListsHead = node;
        ++_NUM_CACHED_FLX_LIST;
        node = rest;
    }
}

}  // namespace engine
