#pragma once
// A signal whose listeners take one argument.
#include "engine/util/EngSignalBase.h"

namespace engine {

class EngSignal1 : public EngSignalBase {
public:
    EngSignal1() { dispatch = runtime::Function::method<&EngSignal1::dispatch1>(this); }
    virtual void dispatch1(const runtime::Value& a1) {
        const runtime::Value args[] = {a1};
        dispatchArgs(args, 1);
    }
};

}  // namespace engine
