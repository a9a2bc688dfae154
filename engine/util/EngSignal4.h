#pragma once
// A signal whose listeners take four arguments.
#include "engine/util/EngSignalBase.h"

namespace engine {

class EngSignal4 : public EngSignalBase {
public:
    EngSignal4() { dispatch = runtime::Function::method<&EngSignal4::dispatch4>(this); }
    virtual void dispatch4(const runtime::Value& a1, const runtime::Value& a2, const runtime::Value& a3, const runtime::Value& a4) {
        const runtime::Value args[] = {a1, a2, a3, a4};
        dispatchArgs(args, 4);
    }
};

}  // namespace engine
