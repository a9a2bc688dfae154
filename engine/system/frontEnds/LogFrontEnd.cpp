#include "LogFrontEnd.h"

#include "engine/EngG.h"
#include "engine/system/debug/LogStyle.h"

namespace engine {

LogFrontEnd::LogFrontEnd() : _standardTraceFunction(runtime::Trace::handler()) {}

bool LogFrontEnd::set_redirectTraces(bool value) {
    runtime::Trace::setHandler(value ? runtime::Trace::Handler(&LogFrontEnd::processTraceData) : _standardTraceFunction);
    redirectTraces = value;
    return value;
}

void LogFrontEnd::processTraceData(const runtime::Value& value, const runtime::Trace::Position&) {
    if (!EngG::log) return;
    EngG::log->advanced(runtime::make<runtime::Array>(std::vector<runtime::Value>{value}), LogStyle::NORMAL);
}

}  // namespace engine

using engine::LogFrontEnd;

RUNTIME_DEFINE_CLASS(LogFrontEnd, "engine.system.frontEnds.LogFrontEnd", runtime::Object, (auto& b) {
    b.template field<&LogFrontEnd::redirectTraces>("redirectTraces")
        .template method<&LogFrontEnd::set_redirectTraces>("set_redirectTraces")
        .template method<&LogFrontEnd::clear>("clear")
        .emptyInstance();
})
