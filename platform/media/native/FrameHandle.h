#pragma once
// The native main frame: owns the stage handle.
#include "StageHandle.h"

namespace media {

class FrameHandle : public runtime::Object {
public:
    runtime::Ref<StageHandle> stage = runtime::make<StageHandle>();
    std::string toString() const override { return "[native frame]"; }
};

}  // namespace media
