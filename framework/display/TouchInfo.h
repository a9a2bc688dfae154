#pragma once
// What one touch point was last over: its hover chain, outermost first. Entries are weak: the
// stage's hover state does not keep objects alive that have left the tree.
#include <vector>

#include "InteractiveObject.h"
#include "platform/runtime/Array.h"

namespace framework {

class TouchInfo : public runtime::Object {
    RUNTIME_CLASS(TouchInfo)
public:
    TouchInfo() = default;
    explicit TouchInfo(runtime::NoInit) {}

    // The chain's live objects, for access by name.
    runtime::Ref<runtime::Array> get_touchOverObjects();

    std::vector<runtime::Weak<InteractiveObject>> touchOverObjects;
};

}  // namespace framework
