#include "ConsoleUtil.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/system/debug/LogStyle.h"
#include "engine/system/frontEnds/LogFrontEnd.h"
#include "engine/util/EngStringUtil.h"
#include "framework/errors/ArgumentError.h"
#include "platform/runtime/ClassRef.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/EnumInfo.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Thrown.h"

namespace engine {

namespace {

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(sep, start);
        if (at == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

runtime::Value pathRecord(const runtime::Value& object, const std::string& name) {
    auto record = runtime::make<runtime::DynamicObject>();
    record->setField("object", object);
    record->setField("variableName", runtime::Value(name));
    return runtime::Value(record);
}

// An instance, a class, a string or an array; not null, a number, a boolean, a function or an
// enumeration value.
bool isReflectionObject(const runtime::Value& v) {
    if (v.isString()) return true;
    if (!v.isObject() || !v.object()) return false;
    return dynamic_cast<runtime::EnumValue*>(v.object()) == nullptr;
}

void reportError(const std::string& message) {
    if (EngG::log) EngG::log->error(runtime::Value(message));
}

}  // namespace

bool ConsoleUtil::callFunction(const runtime::Ref<runtime::Function>& function, const std::vector<runtime::Value>& args) {
    try {
        function->callArgs(args.data(), static_cast<int>(args.size()));
        return true;
    } catch (const runtime::Thrown& thrown) {
        auto* error = thrown.value().as<framework::ArgumentError>();
        if (!error) throw;
        if (error->errorID != 1063) return false;
        std::string digits = EngStringUtil::filterDigits(error->message.str());
        int expected = digits.size() > 4 ? runtime::Numbers::parseInt(digits.substr(4, 1)).value_or(0) : 0;
        if (expected >= static_cast<int>(args.size())) return false;
        function->callArgs(args.data(), expected);
        return true;
    }
}

runtime::Value ConsoleUtil::findCommand(const runtime::String& alias, const runtime::Ref<runtime::Array>& commands) {
    if (!commands) return nullptr;
    int length = commands->length();
    for (int i = 0; i < length; ++i) {
        runtime::Value command = commands->at(i);
        auto* aliases = command.field("aliases").as<runtime::Array>();
        if (!aliases) continue;
        for (const runtime::Value& a : aliases->items)
            if (a.isString() && !alias.isNull() && a.str() == alias.str()) return command;
    }
    return nullptr;
}

runtime::String ConsoleUtil::simpleClassName(const runtime::Value& value) {
    const runtime::ClassInfo* cls = nullptr;
    if (auto* ref = value.as<runtime::ClassRef>()) cls = &ref->info;
    else if (value.isObject() && value.object()) cls = value.object()->classInfo();
    if (!cls) return nullptr;
    std::string name = cls->name();
    for (std::size_t at; (at = name.find("::")) != std::string::npos;) name.replace(at, 2, ".");
    std::size_t dot = name.rfind('.');
    return runtime::String(dot == std::string::npos ? name : name.substr(dot + 1));
}

runtime::Value ConsoleUtil::resolveObjectAndVariable(const std::string& path, const runtime::Value& start) {
    std::vector<std::string> parts = split(path, '.');
    if (parts.size() == 1) return pathRecord(start, path);
    if (!isReflectionObject(start)) {
        reportError("'" + simpleClassName(start).str() + "' is not a valid Object");
        return nullptr;
    }
    runtime::Value current = start;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (current.isNull()) continue;
        try {
            current = current.field(parts[i], true);
        } catch (const runtime::Thrown&) {
            reportError("'" + simpleClassName(current).str() + "' does not have a field '" + parts[i] + "'");
            return nullptr;
        }
    }
    return pathRecord(current, parts.back());
}

runtime::Value ConsoleUtil::resolveObjectAndVariableFromMap(const std::string& path,
                                                            const runtime::Ref<runtime::StringMap>& map) {
    std::vector<std::string> parts = split(path, '.');
    runtime::Value object = map ? map->get(parts[0]) : runtime::Value();
    std::string rest;
    for (std::size_t i = 1; i < parts.size(); ++i) rest += (i > 1 ? "." : "") + parts[i];
    return resolveObjectAndVariable(rest, object);
}

std::vector<std::string> ConsoleUtil::getInstanceFieldsAdvanced(const runtime::ClassInfo* cls, int include) {
    if (!cls) return {};
    std::vector<std::string> fields = cls->instanceFieldNames();
    if (include < 0) return fields;
    std::vector<const runtime::ClassInfo*> ancestors;
    for (const runtime::ClassInfo* c = cls->base(); c; c = c->base()) ancestors.push_back(c);
    std::reverse(ancestors.begin(), ancestors.end());
    int count = static_cast<int>(ancestors.size());
    int excluded = count - std::min(count, include);
    for (int i = 0; i < excluded; ++i)
        for (const std::string& name : ancestors[i]->instanceFieldNames()) {
            auto it = std::find(fields.begin(), fields.end(), name);
            if (it != fields.end()) fields.erase(it);
        }
    return fields;
}

std::optional<bool> ConsoleUtil::parseBool(const runtime::String& text) {
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

void ConsoleUtil::log(const runtime::Value& value) {
    if (EngG::log) EngG::log->advanced(runtime::make<runtime::Array>(std::vector<runtime::Value>{value}), LogStyle::CONSOLE);
}

}  // namespace engine
