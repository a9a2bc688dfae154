#pragma once
// Keyboard translation: SDL keys to the key records the stage reads (codes, characters, flags).
#include <SDL.h>

#include "platform/runtime/DynamicObject.h"

namespace media {

class KeyMap {
public:
    // The key code for `value` (letters 65-90, digits 48-57, numpad 96-105, F1-F12 112-123,
    // arrows 37-40 ...), 0 for keys without one.
    static int keyCode(SDL_Keycode key);
    // The character the key stands for (non-zero for printable keys, as shifted), else 0.
    static int charCode(SDL_Keycode key, Uint16 mod);
    static bool isRightHand(SDL_Keycode key);
    // The bits of a record's `flags` for the modifier state.
    static int modifierFlags(Uint16 mod);
    // The key-down or key-up record of a key event, aimed at the object with the native id.
    static runtime::Ref<runtime::DynamicObject> record(const SDL_KeyboardEvent& k, int targetId);
};

}  // namespace media
