#include "KeyMap.h"

#include <cctype>

#include "platform/media/MediaRecords.h"

namespace media {

namespace {
struct Pair {
    SDL_Keycode key;
    int code;
};
constexpr Pair FIXED[] = {
    {SDLK_BACKSPACE, 8},    {SDLK_TAB, 9},          {SDLK_RETURN, 13},     {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},      {SDLK_RSHIFT, 16},      {SDLK_LCTRL, 17},      {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},        {SDLK_RALT, 18},        {SDLK_PAUSE, 19},      {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},      {SDLK_SPACE, 32},       {SDLK_PAGEUP, 33},     {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},         {SDLK_HOME, 36},        {SDLK_LEFT, 37},       {SDLK_UP, 38},
    {SDLK_RIGHT, 39},       {SDLK_DOWN, 40},        {SDLK_INSERT, 45},     {SDLK_DELETE, 46},
    {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},   {SDLK_KP_MINUS, 109},  {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DIVIDE, 111},  {SDLK_SEMICOLON, 186},  {SDLK_EQUALS, 187},    {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},      {SDLK_PERIOD, 190},     {SDLK_SLASH, 191},     {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
    {SDLK_LGUI, 15},        {SDLK_RGUI, 15},        {SDLK_PRINTSCREEN, 301},
};

// US layout: the character a shifted key types.
char shifted(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
    const char* from = "1234567890-=[]\\;',./`";
    const char* to = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; from[i]; ++i)
        if (from[i] == c) return to[i];
    return c;
}
}  // namespace

int KeyMap::keyCode(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<int>(key - SDLK_a) + 65;
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<int>(key - SDLK_0) + 48;
    if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<int>(key - SDLK_F1) + 112;
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<int>(key - SDLK_KP_1) + 97;
    if (key == SDLK_KP_0) return 96;
    for (const Pair& p : FIXED)
        if (p.key == key) return p.code;
    return 0;
}

int KeyMap::charCode(SDL_Keycode key, Uint16 mod) {
    bool shift = (mod & KMOD_SHIFT) != 0;
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return '1' + static_cast<int>(key - SDLK_KP_1);
    switch (key) {
        case SDLK_KP_0: return '0';
        case SDLK_KP_MULTIPLY: return '*';
        case SDLK_KP_PLUS: return '+';
        case SDLK_KP_MINUS: return '-';
        case SDLK_KP_PERIOD: return '.';
        case SDLK_KP_DIVIDE: return '/';
        case SDLK_KP_ENTER: return 13;
        case SDLK_RETURN: return 13;
        case SDLK_TAB: return 9;
        case SDLK_BACKSPACE: return 8;
        case SDLK_ESCAPE: return 27;
        default: break;
    }
    if (key >= 32 && key < 127) {
        char c = static_cast<char>(key);
        bool caps = (mod & KMOD_CAPS) != 0 && c >= 'a' && c <= 'z';
        return static_cast<unsigned char>((shift != caps) ? shifted(c) : c);
    }
    return 0;
}

int KeyMap::modifierFlags(Uint16 mod) {
    int f = 0;
    if (mod & KMOD_SHIFT) f |= MediaRecords::efShiftDown;
    if (mod & KMOD_CTRL) f |= MediaRecords::efCtrlDown;
    if (mod & KMOD_ALT) f |= MediaRecords::efAltDown;
    if (mod & KMOD_GUI) f |= MediaRecords::efCommandDown;
    return f;
}

runtime::Ref<runtime::DynamicObject> KeyMap::record(const SDL_KeyboardEvent& k, int targetId) {
    using F = RecordField;
    auto r = MediaRecords::make(k.type == SDL_KEYDOWN ? RecordType::etKeyDown : RecordType::etKeyUp);
    int flags = modifierFlags(k.keysym.mod);
    if (isRightHand(k.keysym.sym)) flags |= MediaRecords::efLocationRight;
    MediaRecords::set(*r, F::id, runtime::Value(targetId));
    MediaRecords::set(*r, F::value, runtime::Value(keyCode(k.keysym.sym)));
    MediaRecords::set(*r, F::code, runtime::Value(charCode(k.keysym.sym, k.keysym.mod)));
    MediaRecords::set(*r, F::flags, runtime::Value(flags));
    MediaRecords::set(*r, F::result, runtime::Value(0));
    return r;
}

bool KeyMap::isRightHand(SDL_Keycode key) {
    return key == SDLK_RSHIFT || key == SDLK_RCTRL || key == SDLK_RALT || key == SDLK_RGUI;
}

}  // namespace media
