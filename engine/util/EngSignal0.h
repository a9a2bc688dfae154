#pragma once
// A signal whose listeners take no argument.
#include "engine/util/EngSignalBase.h"

namespace engine {

class EngSignal0 : public EngSignalBase {
public:
    EngSignal0() { dispatch = runtime::Function::method<&EngSignal0::dispatch0>(this); }
    virtual void dispatch0() { dispatchArgs(nullptr, 0); }
};

}  // namespace engine
