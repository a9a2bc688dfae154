#pragma once
// One status view of the engine keyboard: a property per key name (and ANY) that asks the
// engine's keyboard, EngG::keys, whether the key is in this view's status.
#include "engine/input/keyboard/EngKeyTable.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngKeyList : public runtime::Object {
    RUNTIME_CLASS(EngKeyList)
public:
    explicit EngKeyList(int status) : checkStatus(status) {}
    explicit EngKeyList(runtime::NoInit) {}

#define ENGINE_KEY_GETTER(name, code) \
    virtual bool get_##name() { return check(code); }
    ENGINE_KEY_TABLE(ENGINE_KEY_GETTER)
#undef ENGINE_KEY_GETTER

    // Any key of code 255 down to 0 in this status.
    virtual bool get_ANY();
    virtual bool check(int keyCode);

    // The key state this view asks for.
    int checkStatus = 0;
};

}  // namespace engine
