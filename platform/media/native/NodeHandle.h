#pragma once
// A native display-object handle: owns one node of the store until released.
#include "NodeStore.h"
#include "platform/runtime/Object.h"

namespace media {

class NodeHandle : public runtime::Object {
public:
    explicit NodeHandle(NodeStore::Kind kind) : index(NodeStore::get().create(kind)) {}
    ~NodeHandle() override { release(); }
    void release() {
        if (index >= 0) NodeStore::get().release(index);
        index = -1;
    }
    std::string toString() const override { return "[native display object]"; }

    int index;
};

}  // namespace media
