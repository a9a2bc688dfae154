// Every key of the engine's key list from an SDL key event through the back end's key record
// and the stage into the engine's keyboard, checked by key name.
#include <SDL.h>

#include <string>
#include <vector>

#include "../EngineFixture.h"
#include "engine/input/keyboard/EngKey.h"
#include "engine/input/keyboard/EngKeyTable.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "platform/media/native/KeyMap.h"

using engine::EngG;
using engine::EngKey;

namespace {

struct KeyCase {
    const char* name;
    SDL_Keycode sym;
};

// The SDL key behind each engine key; the right-hand variants are in the list too.
const std::vector<KeyCase>& keyCases() {
    static const std::vector<KeyCase> cases = [] {
        std::vector<KeyCase> v;
        const char* letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                 "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
        for (int i = 0; i < 26; ++i) v.push_back({letters[i], SDLK_a + i});
        const char* digits[] = {"ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"};
        const char* pad[] = {"NUMPADZERO", "NUMPADONE", "NUMPADTWO",   "NUMPADTHREE", "NUMPADFOUR",
                             "NUMPADFIVE", "NUMPADSIX", "NUMPADSEVEN", "NUMPADEIGHT", "NUMPADNINE"};
        for (int i = 0; i < 10; ++i) {
            v.push_back({digits[i], SDLK_0 + i});
            v.push_back({pad[i], i == 0 ? SDLK_KP_0 : SDLK_KP_1 + i - 1});
        }
        const char* functions[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
        for (int i = 0; i < 12; ++i) v.push_back({functions[i], SDLK_F1 + i});
        const std::vector<KeyCase> rest = {
            {"PAGEUP", SDLK_PAGEUP},       {"PAGEDOWN", SDLK_PAGEDOWN},   {"HOME", SDLK_HOME},
            {"END", SDLK_END},             {"INSERT", SDLK_INSERT},       {"ESCAPE", SDLK_ESCAPE},
            {"MINUS", SDLK_MINUS},         {"PLUS", SDLK_EQUALS},         {"DELETE", SDLK_DELETE},
            {"BACKSPACE", SDLK_BACKSPACE}, {"LBRACKET", SDLK_LEFTBRACKET}, {"RBRACKET", SDLK_RIGHTBRACKET},
            {"BACKSLASH", SDLK_BACKSLASH}, {"CAPSLOCK", SDLK_CAPSLOCK},   {"SEMICOLON", SDLK_SEMICOLON},
            {"QUOTE", SDLK_QUOTE},         {"ENTER", SDLK_RETURN},        {"ENTER", SDLK_KP_ENTER},
            {"SHIFT", SDLK_LSHIFT},        {"SHIFT", SDLK_RSHIFT},        {"COMMA", SDLK_COMMA},
            {"PERIOD", SDLK_PERIOD},       {"SLASH", SDLK_SLASH},         {"NUMPADSLASH", SDLK_KP_DIVIDE},
            {"GRAVEACCENT", SDLK_BACKQUOTE}, {"CONTROL", SDLK_LCTRL},     {"CONTROL", SDLK_RCTRL},
            {"ALT", SDLK_LALT},            {"ALT", SDLK_RALT},            {"SPACE", SDLK_SPACE},
            {"UP", SDLK_UP},               {"DOWN", SDLK_DOWN},           {"LEFT", SDLK_LEFT},
            {"RIGHT", SDLK_RIGHT},         {"TAB", SDLK_TAB},             {"PRINTSCREEN", SDLK_PRINTSCREEN},
            {"NUMPADMULTIPLY", SDLK_KP_MULTIPLY}, {"NUMPADMINUS", SDLK_KP_MINUS}, {"NUMPADPLUS", SDLK_KP_PLUS},
            {"NUMPADPERIOD", SDLK_KP_PERIOD}};
        v.insert(v.end(), rest.begin(), rest.end());
        return v;
    }();
    return cases;
}

class KeyPathTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        startGame<engine::EngState>();
        keys = EngG::keys.get();
    }
    void send(Uint32 type, SDL_Keycode sym, Uint16 mod) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        stage()->processStageEvent_(runtime::Value(media::KeyMap::record(e.key, stage()->id_)));
    }
    bool status(const char* name, int state) {
        std::vector<runtime::String> names{name};
        return keys->checkKeyStatus(&names, state);
    }
    // Names of the keys not released.
    std::vector<std::string> down() {
        std::vector<std::string> out;
        for (const auto& k : keys->getIsDown()) out.push_back(k->name.str());
        return out;
    }
    void step() { frame(17); }
    engine::EngKeyboard* keys = nullptr;
};

}  // namespace

TEST_F(KeyPathTest, EveryKeyOfTheListPressesAndReleasesItsKeyByName) {
    // Every name of the engine's list has a key here.
    std::vector<std::string> names;
#define KEY_NAME(name, code) names.push_back(#name);
    ENGINE_KEY_TABLE(KEY_NAME)
#undef KEY_NAME
    for (const std::string& n : names) {
        bool found = false;
        for (const KeyCase& c : keyCases()) found = found || n == c.name;
        EXPECT_TRUE(found) << n;
    }

    const Uint16 modifiers[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_RCTRL, KMOD_LALT | KMOD_RSHIFT, KMOD_CAPS, KMOD_LGUI};
    for (const KeyCase& c : keyCases()) {
        for (Uint16 mod : modifiers) {
            SCOPED_TRACE(std::string(c.name) + " mod " + std::to_string(mod));
            send(SDL_KEYDOWN, c.sym, mod);
            EXPECT_TRUE(status(c.name, EngKey::JUST_PRESSED));
            // One record only (SLASH and NUMPADSLASH share theirs).
            EXPECT_EQ(down().size(), 1u);
            step();
            EXPECT_TRUE(status(c.name, EngKey::PRESSED));
            send(SDL_KEYDOWN, c.sym, mod);  // a repeat keeps it held
            EXPECT_TRUE(status(c.name, EngKey::PRESSED));
            send(SDL_KEYUP, c.sym, mod);
            EXPECT_TRUE(status(c.name, EngKey::JUST_RELEASED));
            step();
            EXPECT_TRUE(status(c.name, EngKey::RELEASED));
            EXPECT_TRUE(down().empty());
        }
    }
}

TEST_F(KeyPathTest, TheFunctionKeysTheStageFoldsOntoLettersStayFunctionKeys) {
    // F1 to F11 arrive as 112 to 122, which the stage folds onto 80 to 90 (P to Z); the engine
    // takes them back. The letters themselves are untouched.
    for (int i = 0; i < 11; ++i) {
        std::string f = "F" + std::to_string(i + 1);
        std::string letter(1, static_cast<char>('P' + i));
        SCOPED_TRACE(f);
        send(SDL_KEYDOWN, SDLK_F1 + i, KMOD_NONE);
        EXPECT_EQ(down(), std::vector<std::string>{f});
        send(SDL_KEYUP, SDLK_F1 + i, KMOD_NONE);
        send(SDL_KEYDOWN, SDLK_p + i, KMOD_LSHIFT);
        EXPECT_EQ(down(), std::vector<std::string>{letter});
        send(SDL_KEYUP, SDLK_p + i, KMOD_LSHIFT);
        step();
        step();
        EXPECT_TRUE(down().empty());
    }
}
