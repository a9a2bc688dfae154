#pragma once
// The window kind of the debugger's track; no behaviour of its own.
#include "engine/system/debug/Watch.h"

namespace engine {

class Tracker : public Watch {
    RUNTIME_CLASS(Tracker)
public:
    using Watch::Watch;
};

}  // namespace engine
