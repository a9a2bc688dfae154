#pragma once
// The look and side effects of one kind of log line, with the five preset styles.
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/String.h"

namespace engine {

class LogStyle : public runtime::Object {
    RUNTIME_CLASS(LogStyle)
public:
    // A null prefix becomes "", a null colour "FFFFFF".
    explicit LogStyle(const runtime::String& prefix = "", const runtime::String& color = "FFFFFF", int size = 12,
                      bool bold = false, bool italic = false, bool underlined = false,
                      const runtime::String& errorSound = nullptr, bool openConsole = false,
                      const runtime::Ref<runtime::Function>& callbackFunction = nullptr);
    explicit LogStyle(runtime::NoInit) {}

    static runtime::Ref<LogStyle> NORMAL;
    static runtime::Ref<LogStyle> WARNING;
    static runtime::Ref<LogStyle> ERROR;
    static runtime::Ref<LogStyle> NOTICE;
    static runtime::Ref<LogStyle> CONSOLE;

    runtime::String prefix;
    runtime::String color;
    int size = 12;
    bool bold = false;
    bool italic = false;
    bool underlined = false;
    runtime::String errorSound;
    bool openConsole = false;
    runtime::Ref<runtime::Function> callbackFunction;
};

}  // namespace engine
