#pragma once
// The native stage: a display-object node with the event handler and the window's size.
#include "NodeHandle.h"
#include "platform/runtime/Function.h"

namespace media {

class StageHandle : public NodeHandle {
public:
    StageHandle() : NodeHandle(NodeStore::Kind::Stage) { NodeStore::get().at(index).background = 0x01FFFFFF; }
    runtime::Ref<runtime::Function> handler;
    // The size given at creation; the window's own size wins once there is a window.
    int width = 0;
    int height = 0;
    int align = 0;
    int scaleMode = 0;
    int quality = 2;
    int focusId = 0;
    bool focusRect = true;
    bool autos3d = false;
    // A stage pumped by its host rather than by the window's loop.
    bool managed = false;
    std::string toString() const override { return "[native stage]"; }
};

}  // namespace media
