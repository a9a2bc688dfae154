// SDL events in, the exact native records out, without a window.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/media/native/EventTranslator.h"
#include "platform/media/native/NodeStore.h"

using media::EventTranslator;

namespace {

SDL_Event key(Uint32 type, SDL_Keycode sym, Uint16 mod) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}
SDL_Event motion(int x, int y, Uint32 which = 0) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.which = which;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}
SDL_Event button(Uint32 type, Uint8 b, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = b;
    e.button.x = x;
    e.button.y = y;
    return e;
}
SDL_Event wheel(int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = y;
    return e;
}
SDL_Event finger(Uint32 type, SDL_FingerID id, float x, float y) {
    SDL_Event e{};
    e.type = type;
    e.tfinger.fingerId = id;
    e.tfinger.x = x;
    e.tfinger.y = y;
    return e;
}
SDL_Event window(Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    return e;
}
SDL_Event plain(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}

std::string text(const runtime::Ref<runtime::DynamicObject>& r) { return r ? r->toString() : "none"; }

}  // namespace

TEST(EventTranslator, EachSdlEventBecomesItsExactRecord) {
    int stageIndex = media::NodeStore::get().create(media::NodeStore::Kind::Stage);
    const std::string s = std::to_string(media::NodeStore::get().at(stageIndex).id);

    EventTranslator::View base;
    base.stageIndex = stageIndex;
    base.windowWidth = 200;
    base.windowHeight = 100;
    base.outputWidth = 300;
    base.outputHeight = 200;
    auto with = [&](auto change) {
        EventTranslator::View v = base;
        change(v);
        return v;
    };

    struct Case {
        const char* what;
        SDL_Event event;
        EventTranslator::View view;
        std::string record;
    };
    const std::string stageId = "id : " + s;
    const std::vector<Case> cases = {
        // Keys: type, target, key code, character, flags (Shift 2, Ctrl 4, Alt 8, Command 16,
        // right-hand 0x4000).
        {"key down", key(SDL_KEYDOWN, SDLK_a, 0), base, "{ type : 1, " + stageId + ", value : 65, code : 97, flags : 0, result : 0 }"},
        {"shifted key up", key(SDL_KEYUP, SDLK_a, KMOD_LSHIFT), base, "{ type : 3, " + stageId + ", value : 65, code : 65, flags : 2, result : 0 }"},
        {"right control", key(SDL_KEYDOWN, SDLK_RCTRL, KMOD_RCTRL), base, "{ type : 1, " + stageId + ", value : 17, code : 0, flags : 16388, result : 0 }"},
        {"alt and command", key(SDL_KEYDOWN, SDLK_x, KMOD_LALT | KMOD_LGUI), base, "{ type : 1, " + stageId + ", value : 88, code : 120, flags : 24, result : 0 }"},
        {"key to the focus", key(SDL_KEYDOWN, SDLK_F2, 0), with([](auto& v) { v.focusId = 4242; }), "{ type : 1, id : 4242, value : 113, code : 0, flags : 0, result : 0 }"},
        {"keypad with control", key(SDL_KEYUP, SDLK_KP_7, KMOD_LCTRL), base, "{ type : 3, " + stageId + ", value : 103, code : 55, flags : 4, result : 0 }"},
        // Text input is not translated.
        {"text", plain(SDL_TEXTINPUT), base, "none"},
        // Pointer: stage pixels (window units times the dpi scale), button, flags with buttons held.
        {"move", motion(10, 12), with([](auto& v) { v.buttons = SDL_BUTTON_LMASK; }), "{ type : 4, " + stageId + ", x : 10, y : 12, value : 0, flags : 1 }"},
        {"move on a dense screen", motion(10, 12), with([](auto& v) { v.dpiScale = 2; }), "{ type : 4, " + stageId + ", x : 20, y : 24, value : 0, flags : 0 }"},
        {"right down, shifted", button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 3, 4), with([](auto& v) { v.buttons = SDL_BUTTON_RMASK; v.modifiers = KMOD_RSHIFT; }), "{ type : 5, " + stageId + ", x : 3, y : 4, value : 2, flags : 66 }"},
        {"middle up", button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 5, 6), base, "{ type : 7, " + stageId + ", x : 5, y : 6, value : 1, flags : 0 }"},
        {"middle held", motion(1, 1), with([](auto& v) { v.buttons = SDL_BUTTON_MMASK; v.modifiers = KMOD_RALT; }), "{ type : 4, " + stageId + ", x : 1, y : 1, value : 0, flags : 40 }"},
        {"extra button", button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 5, 6), base, "none"},
        {"pointer made from a touch", motion(1, 1, SDL_TOUCH_MOUSEID), base, "none"},
        {"wheel away", wheel(1), with([](auto& v) { v.mouseX = 7; v.mouseY = 8; }), "{ type : 7, " + stageId + ", x : 7, y : 8, value : 3, flags : 0 }"},
        {"wheel towards", wheel(-2), base, "{ type : 7, " + stageId + ", x : 0, y : 0, value : 4, flags : 0 }"},
        {"sideways wheel", wheel(0), base, "none"},
        // Fingers: fractions of the window; the first finger down is the primary point (0x8000).
        {"finger down", finger(SDL_FINGERDOWN, 900, 0.5f, 0.5f), base, "{ type : 15, " + stageId + ", x : 100, y : 50, value : 1, flags : 32768, scaleX : 1, scaleY : 1 }"},
        {"second finger", finger(SDL_FINGERDOWN, 901, 0.25f, 0.75f), base, "{ type : 15, " + stageId + ", x : 50, y : 75, value : 2, flags : 0, scaleX : 1, scaleY : 1 }"},
        {"finger moves", finger(SDL_FINGERMOTION, 900, 0.75f, 0.5f), with([](auto& v) { v.modifiers = KMOD_LSHIFT; }), "{ type : 16, " + stageId + ", x : 150, y : 50, value : 1, flags : 32770, scaleX : 1, scaleY : 1 }"},
        {"unknown finger", finger(SDL_FINGERMOTION, 777, 0.1f, 0.1f), base, "none"},
        {"finger up", finger(SDL_FINGERUP, 900, 0.75f, 0.5f), base, "{ type : 17, " + stageId + ", x : 150, y : 50, value : 1, flags : 32768, scaleX : 1, scaleY : 1 }"},
        // Window events.
        {"resized", window(SDL_WINDOWEVENT_SIZE_CHANGED), base, "{ type : 8, x : 300, y : 200 }"},
        {"exposed", window(SDL_WINDOWEVENT_EXPOSED), base, "{ type : 14 }"},
        {"focus gained", window(SDL_WINDOWEVENT_FOCUS_GAINED), base, "{ type : 22 }"},
        {"focus lost", window(SDL_WINDOWEVENT_FOCUS_LOST), base, "{ type : 23 }"},
        {"minimised", window(SDL_WINDOWEVENT_MINIMIZED), base, "{ type : 21 }"},
        {"restored", window(SDL_WINDOWEVENT_RESTORED), base, "{ type : 20 }"},
        {"moved", window(SDL_WINDOWEVENT_MOVED), base, "none"},
        {"quit", plain(SDL_QUIT), base, "{ type : 10 }"},
        // Without a stage, keys are aimed at nothing.
        {"no stage", key(SDL_KEYDOWN, SDLK_SPACE, 0), with([](auto& v) { v.stageIndex = -1; }), "{ type : 1, id : 0, value : 32, code : 32, flags : 0, result : 0 }"},
    };
    EventTranslator translator;
    for (const Case& c : cases) EXPECT_EQ(text(translator.translate(c.event, c.view)), c.record) << c.what;
    media::NodeStore::get().release(stageIndex);
}

TEST(EventTranslator, ControllerEventsBecomeDeviceRecords) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 6;
    desc.nbuttons = 15;
    int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();

    EventTranslator translator;
    EventTranslator::View view;
    SDL_Event e{};
    e.type = SDL_JOYDEVICEADDED;
    e.jdevice.which = index;
    // The added device gets index 0; x is its axis count.
    EXPECT_EQ(text(translator.translate(e, view)), "{ type : 29, id : 0, code : 0, x : 6 }");
    SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(index);

    SDL_Event axis{};
    axis.type = SDL_CONTROLLERAXISMOTION;
    axis.caxis.which = instance;
    axis.caxis.axis = SDL_CONTROLLER_AXIS_LEFTY;
    axis.caxis.value = -1200;
    EXPECT_EQ(text(translator.translate(axis, view)), "{ type : 24, id : 0, code : 1, value : -1200 }");
    SDL_Event press{};
    press.type = SDL_CONTROLLERBUTTONDOWN;
    press.cbutton.which = instance;
    press.cbutton.button = SDL_CONTROLLER_BUTTON_B;
    EXPECT_EQ(text(translator.translate(press, view)), "{ type : 27, id : 0, code : 1 }");
    press.type = SDL_CONTROLLERBUTTONUP;
    EXPECT_EQ(text(translator.translate(press, view)), "{ type : 28, id : 0, code : 1 }");
    // A mapped controller's raw joystick events are not passed on twice.
    SDL_Event raw{};
    raw.type = SDL_JOYBUTTONDOWN;
    raw.jbutton.which = instance;
    EXPECT_EQ(text(translator.translate(raw, view)), "none");

    SDL_Event removed{};
    removed.type = SDL_JOYDEVICEREMOVED;
    removed.jdevice.which = instance;
    EXPECT_EQ(text(translator.translate(removed, view)), "{ type : 30, id : 0, code : 0 }");
    EXPECT_EQ(text(translator.translate(removed, view)), "none");
    translator.controllers().stop();
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}
