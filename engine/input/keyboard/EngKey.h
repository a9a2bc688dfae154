#pragma once
// The state record of one key, the key states and one code constant per key name.
#include "engine/input/keyboard/EngKeyTable.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngKey : public runtime::Object {
    RUNTIME_CLASS(EngKey)
public:
    static constexpr int JUST_RELEASED = -1;
    static constexpr int RELEASED = 0;
    static constexpr int PRESSED = 1;
    static constexpr int JUST_PRESSED = 2;

#define ENGINE_KEY_CONSTANT(name, code) static constexpr int name = code;
    ENGINE_KEY_TABLE(ENGINE_KEY_CONSTANT)
#undef ENGINE_KEY_CONSTANT

    explicit EngKey(const runtime::String& name) : name(name) {}
    explicit EngKey(runtime::NoInit) {}

    runtime::String name;
    int current = RELEASED;
    // The state the previous update left.
    int last = RELEASED;
};

}  // namespace engine
