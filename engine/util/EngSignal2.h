#pragma once
// A signal whose listeners take two arguments.
#include "engine/util/EngSignalBase.h"

namespace engine {

class EngSignal2 : public EngSignalBase {
public:
    EngSignal2() { dispatch = runtime::Function::method<&EngSignal2::dispatch2>(this); }
    virtual void dispatch2(const runtime::Value& a1, const runtime::Value& a2) {
        const runtime::Value args[] = {a1, a2};
        dispatchArgs(args, 2);
    }
};

}  // namespace engine
