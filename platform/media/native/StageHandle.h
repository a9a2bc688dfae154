#pragma once
// The native stage: its event handler, requested wake time and background colour.
#include "platform/runtime/Function.h"

namespace media {

class StageHandle : public runtime::Object {
public:
    runtime::Ref<runtime::Function> handler;
    int width = 0;
    int height = 0;
    // 0: no background; otherwise 0x01RRGGBB-style with bit 24 set (see the display-object store).
    int background = 0x01FFFFFF;
    std::string toString() const override { return "[native stage]"; }
};

}  // namespace media
