#pragma once
// What a console needs of reflection: find a command by alias, parse a boolean, call a function
// with too many arguments, resolve a dotted variable path, list a class's own fields.
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/Array.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/StringMap.h"

namespace engine {

class ConsoleUtil {
public:
    // Whether the function was called. An argument-count error (1063) whose message names fewer
    // parameters than given retries with the first ones; other argument errors give false; any
    // other error propagates.
    static bool callFunction(const runtime::Ref<runtime::Function>& function, const std::vector<runtime::Value>& args);
    // The first command whose "aliases" array holds the alias; records without such an array are
    // skipped.
    static runtime::Value findCommand(const runtime::String& alias, const runtime::Ref<runtime::Array>& commands);
    // A record {object, variableName}, or null when the path cannot be walked.
    static runtime::Value resolveObjectAndVariable(const std::string& path, const runtime::Value& start);
    static runtime::Value resolveObjectAndVariableFromMap(const std::string& path, const runtime::Ref<runtime::StringMap>& map);
    // The instance fields of the class less those of every ancestor above the include nearest
    // ones; a negative include keeps them all.
    static std::vector<std::string> getInstanceFieldsAdvanced(const runtime::ClassInfo* cls, int include = 0);
    // Exactly "true" or "false"; anything else is empty.
    static std::optional<bool> parseBool(const runtime::String& text);
    static void log(const runtime::Value& value);
    // The last dotted part of the class name of the value (or of the class it stands for).
    static runtime::String simpleClassName(const runtime::Value& value);
};

}  // namespace engine
