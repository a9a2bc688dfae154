#pragma once
// The text of what a call throws, for tests that compare failure messages.
#include <functional>
#include <string>

#include "platform/runtime/Thrown.h"

inline std::string thrownText(const std::function<void()>& f, const std::string& none = "(nothing thrown)") {
    try {
        f();
    } catch (const runtime::Thrown& t) {
        return t.value().toText();
    }
    return none;
}
