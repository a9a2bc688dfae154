#pragma once
// A replay record of one key: its code and state.
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class CodeValuePair : public runtime::Object {
    RUNTIME_CLASS(CodeValuePair)
public:
    explicit CodeValuePair(int code = 0, int value = 0) : code(code), value(value) {}
    explicit CodeValuePair(runtime::NoInit) {}

    int code = 0;
    int value = 0;
};

}  // namespace engine
