#pragma once
// The native stage: a display-object node with the event handler and the window's size.
#include "NodeHandle.h"
#include "platform/runtime/Function.h"

namespace media {

class StageHandle : public NodeHandle {
public:
    StageHandle() : NodeHandle(NodeStore::Kind::Stage) { NodeStore::get().at(index).background = 0x01FFFFFF; }
    runtime::Ref<runtime::Function> handler;
    int width = 0;
    int height = 0;
    std::string toString() const override { return "[native stage]"; }
};

}  // namespace media
