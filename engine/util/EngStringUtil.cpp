#include "EngStringUtil.h"

#include <optional>

#include "EngMath.h"
#include "LabelValuePair.h"
#include "engine/EngG.h"
#include "engine/debug/DebuggerFrontEnd.h"
#include "platform/runtime/ClassInfo.h"

namespace engine {

std::string EngStringUtil::getDebugString(const std::vector<runtime::Ref<LabelValuePair>>& pairs) {
    std::string text = "(";
    int precision = EngG::debugger ? EngG::debugger->precision : 3;
    for (const auto& pair : pairs) {
        runtime::Value value = pair->value;
        if (value.isNumber()) value = runtime::Value(EngMath::roundDecimal(value.toFloat(), precision));
        text += pair->label.toText() + ": " + value.toText() + " | ";
        pair->put();
    }
    if (!pairs.empty()) {
        text.resize(text.size() - 2);
        std::size_t start = text.find_first_not_of(" \t\r\n");
        std::size_t end = text.find_last_not_of(" \t\r\n");
        text = start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
    }
    return text + ")";
}

namespace {

std::optional<std::string> className(const runtime::ClassInfo* ci, bool simple) {
    if (!ci) return std::nullopt;
    std::string name = ci->name();
    for (std::size_t p; (p = name.find("::")) != std::string::npos;) name.replace(p, 2, ".");
    if (simple) {
        std::size_t dot = name.rfind('.');
        if (dot != std::string::npos) name = name.substr(dot + 1);
    }
    return name;
}

}  // namespace

bool EngStringUtil::sameClassName(const runtime::ClassInfo* a, const runtime::ClassInfo* b, bool simple) {
    return className(a, simple) == className(b, simple);
}

bool EngStringUtil::sameClassName(const runtime::Object* a, const runtime::Object* b, bool simple) {
    return sameClassName(a ? a->classInfo() : nullptr, b ? b->classInfo() : nullptr, simple);
}

}  // namespace engine
