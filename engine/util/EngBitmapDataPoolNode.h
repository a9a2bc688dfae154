#pragma once
// A node of the bitmap pool's doubly linked list.
#include "framework/display/BitmapData.h"

namespace engine {

class EngBitmapDataPoolNode : public runtime::Object {
public:
    EngBitmapDataPoolNode(runtime::Ref<framework::BitmapData> bmd, EngBitmapDataPoolNode* prev,
                          runtime::Ref<EngBitmapDataPoolNode> next)
        : bmd(std::move(bmd)), prev(prev), next(std::move(next)) {}

    runtime::Ref<framework::BitmapData> bmd;
    // The newer neighbour (a back-link) and the older one.
    runtime::Weak<EngBitmapDataPoolNode> prev;
    runtime::Ref<EngBitmapDataPoolNode> next;
};

}  // namespace engine
