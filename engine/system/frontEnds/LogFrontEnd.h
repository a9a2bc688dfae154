#pragma once
// The log front end of the debugger. There is no log window behind it: its operations are empty,
// but it can take over the program's trace function, whose lines then vanish in advanced.
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Trace.h"

namespace engine {

class LogStyle;

class LogFrontEnd : public runtime::Object {
    RUNTIME_CLASS(LogFrontEnd)
public:
    // Keeps the trace function installed at this moment for set_redirectTraces(false).
    LogFrontEnd();
    explicit LogFrontEnd(runtime::NoInit) {}

    virtual void add(const runtime::Value&) {}
    virtual void warn(const runtime::Value&) {}
    virtual void error(const runtime::Value&) {}
    virtual void notice(const runtime::Value&) {}
    virtual void advanced(const runtime::Ref<runtime::Array>&, const runtime::Ref<LogStyle>&, bool = false) {}
    virtual void clear() {}
    // True installs processTraceData as the trace function, false the one kept at construction.
    virtual bool set_redirectTraces(bool value);
    // The trace function of a redirected program: the line goes to the engine log's advanced with
    // the normal style.
    static void processTraceData(const runtime::Value& value, const runtime::Trace::Position& position);

    bool redirectTraces = false;
    runtime::Trace::Handler _standardTraceFunction;
};

}  // namespace engine
