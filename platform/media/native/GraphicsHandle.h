#pragma once
// The vector-drawing handle of a display-object node. It names its node by slot and id, so it
// finds nothing once the node is released, even when the slot is reused.
#include "NodeStore.h"
#include "platform/runtime/Object.h"

namespace media {

class GraphicsHandle : public runtime::Object {
public:
    GraphicsHandle(int index, int id) : index_(index), id_(id) {}
    std::string toString() const override { return "[native graphics]"; }

    // The node, or -1 when it is gone.
    int node() const {
        NodeStore& s = NodeStore::get();
        return s.valid(index_) && s.at(index_).id == id_ ? index_ : -1;
    }

private:
    int index_;
    int id_;
};

}  // namespace media
