#pragma once
// The log front end of the debugger; empty in this build.
#include "platform/runtime/Object.h"
#include "platform/runtime/Trace.h"

namespace engine {

class LogFrontEnd : public runtime::Object {
public:
    // The trace handler of a redirected build: discards every line.
    static void processTraceData(const runtime::Value&, const runtime::Trace::Position&) {}
    bool redirectTraces = false;
};

}  // namespace engine
