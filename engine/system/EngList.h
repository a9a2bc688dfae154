#pragma once
// One node of the quad tree's object lists; free nodes are kept in a class-wide free list.
#include "engine/EngObject.h"
#include "engine/interfaces/IEngDestroyable.h"

namespace engine {

class EngList : public runtime::Object, public IEngDestroyable {
public:
    static inline int _NUM_CACHED_FLX_LIST = 0;
    static runtime::Ref<EngList> _cachedListsHead;

    // A free node, or a new one.
    static runtime::Ref<EngList> recycle();
    static void clearCache();

    // Returns this node and the rest of its list to the free list.
    void destroy() override;

    runtime::Ref<EngObject> object;
    runtime::Ref<EngList> next;
    bool exists = true;
};

}  // namespace engine
