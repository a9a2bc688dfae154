#pragma once
// A signal whose listeners take three arguments.
#include "engine/util/EngSignalBase.h"

namespace engine {

class EngSignal3 : public EngSignalBase {
public:
    EngSignal3() { dispatch = runtime::Function::method<&EngSignal3::dispatch3>(this); }
    virtual void dispatch3(const runtime::Value& a1, const runtime::Value& a2, const runtime::Value& a3) {
        const runtime::Value args[] = {a1, a2, a3};
        dispatchArgs(args, 3);
    }
};

}  // namespace engine
