#include "EngKeyList.h"

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"

namespace engine {

bool EngKeyList::check(int keyCode) { return EngG::keys && EngG::keys->checkStatus(keyCode, checkStatus); }

bool EngKeyList::get_ANY() {
    EngKeyboard* keys = EngG::keys.get();
    if (!keys) return false;
    for (int code = EngKeyboard::TOTAL - 1; code >= 0; --code)
        if (keys->hasKey(code) && keys->checkStatus(code, checkStatus)) return true;
    return false;
}

}  // namespace engine

using engine::EngKeyList;

#define ENGINE_KEY_PROPERTY(name, code) b.template property<&EngKeyList::get_##name>(#name);
RUNTIME_DEFINE_CLASS(EngKeyList, "engine.input.keyboard.EngKeyList", runtime::Object, (auto& b) {
    b.template field<&EngKeyList::checkStatus>("checkStatus");
    ENGINE_KEY_TABLE(ENGINE_KEY_PROPERTY)
    b.template property<&EngKeyList::get_ANY>("ANY").template method<&EngKeyList::check>("check").emptyInstance();
})
#undef ENGINE_KEY_PROPERTY
