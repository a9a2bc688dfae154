#pragma once
// Keyboard translation: SDL keys to the key codes and characters the framework's records carry.
#include <SDL.h>

namespace media {

class KeyMap {
public:
    // The key code for `value` (letters 65-90, digits 48-57, numpad 96-105, F1-F12 112-123,
    // arrows 37-40 ...), 0 for keys without one.
    static int keyCode(SDL_Keycode key);
    // The character the key stands for (non-zero for printable keys, as shifted), else 0.
    static int charCode(SDL_Keycode key, Uint16 mod);
    // Modifier bits of the record's flags.
    static int modifierFlags(Uint16 mod);
    static bool isRightHand(SDL_Keycode key);
};

}  // namespace media
