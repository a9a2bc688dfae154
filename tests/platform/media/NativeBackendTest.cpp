// Drives the real media-native module headless (SDL's dummy video driver).
#include "NativeModule.h"
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <algorithm>

#include <SDL.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/media/MediaPrimitives.h"
#include "platform/media/native/KeyMap.h"
#include "platform/media/native/NodeStore.h"
#include "platform/media/native/TouchPoints.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

TEST(NativeBackend, ExportsEveryListedPrimitiveOnlyWithItsCount) {
    for (const auto& e : media::MediaPrimitives::all()) {
        std::string name(e.name);
        ASSERT_TRUE(prim(name, e.argCount)) << "missing from the module: " << name << " (" << e.argCount << ")";
        // Never under another arity.
        for (int n : {0, 1, 2, 3, 4, 5, -1}) {
            if (n == e.argCount) continue;
            EXPECT_FALSE(prim(name, n)) << name << " " << n;
        }
    }
}

TEST(NativeBackend, WeakReferencesReadNullOnceTheObjectIsGone) {
    auto create = prim("media_native_weak_ref_create", 2);
    auto get = prim("media_native_weak_ref_get", 1);
    auto owner = runtime::make<runtime::DynamicObject>();
    auto target = runtime::make<runtime::DynamicObject>();
    int id = create(Value(owner), Value(target)).toInt();
    ASSERT_GT(id, 0);
    EXPECT_EQ(get(id).object(), target.get());
    int number = create(Value(owner), Value(7)).toInt();
    EXPECT_EQ(get(number).toInt(), 7);
    EXPECT_EQ(create(Value(owner), Value()).toInt(), 0);
    target = nullptr;
    EXPECT_TRUE(get(id).isNull());
    EXPECT_TRUE(get(id).isNull());
    EXPECT_TRUE(get(-5).isNull());
}

TEST(NativeBackend, ClockStartsNearZero) {
    double t = prim("media_native_time_stamp", 0)().toFloat();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 600.0);
}

TEST(NativeBackend, DeviceIdentifierIsStableAndDoesNotHandOutTheMachineId) {
    auto id = prim("media_native_get_unique_device_identifier", 0);
    Value first = id();
    std::ifstream in("/etc/machine-id");
    std::string machine;
    if (!(in >> machine)) GTEST_SKIP() << "no machine id on this system";
    ASSERT_TRUE(first.isString());
    EXPECT_EQ(first.str().size(), 32u);
    EXPECT_EQ(id().str(), first.str());
    EXPECT_NE(first.str(), machine);
}

TEST(NativeBackend, MainLoopPollsAtTheRequestedWakeAndPresentsFrames) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto setWake = prim("media_native_stage_set_next_wake", 2);
    auto render = prim("media_native_render_stage", 1);
    auto close = prim("media_native_close", 0);
    auto stamp = prim("media_native_time_stamp", 0);

    std::string png = ::testing::TempDir() + "frame.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);

    int polls = 0;
    double first = 0, last = 0;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        ASSERT_FALSE(stage.isNull());
        setHandler(stage, runtime::Function::of([&, stage](Value ev) {
            if (ev.field("type").toInt() == 9) {
                double now = stamp().toFloat();
                if (polls == 0) first = now;
                last = now;
                if (++polls == 20) close();
                render(stage);
            }
            setWake(stage, 0.01);
        }), 64, 48);
    });
    create(onFrame, 64, 48, 4, "test", nullptr);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");

    EXPECT_EQ(polls, 20);
    // 19 waits of 10 ms: not early, and not wildly late.
    EXPECT_GE(last - first, 0.18);
    EXPECT_LT(last - first, 2.0);
    std::ifstream f(png, std::ios::binary);
    ASSERT_TRUE(f.good());
    char sig[8] = {};
    f.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
}

TEST(NativeBackend, HandlerExceptionsDoNotEscapeTheModule) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto close = prim("media_native_close", 0);
    int calls = 0;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        setHandler(stage, runtime::Function::of([&](Value) {
            if (++calls == 3) close();
            runtime::Thrown::text("boom");
        }), 32, 32);
    });
    ::testing::internal::CaptureStderr();
    create(onFrame, 32, 32, 0, "t", nullptr);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(calls, 3);
    EXPECT_NE(err.find("boom"), std::string::npos);
}

TEST(NativeBackend, StagePropertiesAndWindowOperations) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto close = prim("media_native_close", 0);
    auto width = prim("media_native_stage_get_stage_width", 1);
    auto height = prim("media_native_stage_get_stage_height", 1);
    auto setAlign = prim("media_native_stage_set_align", 2);
    auto getAlign = prim("media_native_stage_get_align", 1);
    auto setState = prim("media_native_stage_set_display_state", 2);
    auto getState = prim("media_native_stage_get_display_state", 1);
    auto resize = prim("media_native_stage_resize_window", 3);
    auto getBg = prim("media_native_display_object_get_bg", 1);
    auto getId = prim("media_native_display_object_get_id", 1);

    std::vector<std::string> seen;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        seen.push_back(std::to_string(width(stage).toInt()) + "x" + std::to_string(height(stage).toInt()));
        EXPECT_GT(getId(stage).toInt(), 0);             // the stage is a display object too
        EXPECT_EQ(getBg(stage).toInt(), 0x01FFFFFF);     // white until told otherwise
        setAlign(stage, 1);
        EXPECT_EQ(getAlign(stage).toInt(), 1);
        setAlign(stage, 42);
        EXPECT_EQ(getAlign(stage).toInt(), 0);          // only valid indices come back
        setState(stage, 2);
        EXPECT_EQ(getState(stage).toInt(), 2);
        setState(stage, 0);
        EXPECT_EQ(getState(stage).toInt(), 0);
        resize(stage, 1000, 600);
        seen.push_back(std::to_string(width(stage).toInt()) + "x" + std::to_string(height(stage).toInt()));
        close();
    });
    create(onFrame, 960, 540, 4, "stage", nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"960x540", "1000x600"}));
}

TEST(NativeBackend, ManagedStageDeliversPumpedRecordsToItsHandler) {
    Value stage = prim("media_native_managed_stage_create", 3)(320, 200, 0);
    int resized = 0;
    prim("media_native_set_stage_handler", 4)(stage, runtime::Function::of([&](Value ev) {
        if (ev.field("type").toInt() == 8) ++resized;
    }), 320, 200);
    auto rec = runtime::make<runtime::DynamicObject>();
    rec->setField("type", Value(8));
    rec->setField("x", Value(640));
    rec->setField("y", Value(400));
    prim("media_native_managed_stage_pump_event", 2)(stage, rec);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(prim("media_native_stage_get_stage_width", 1)(stage).toInt(), 640);
    prim("media_native_set_stage_handler", 4)(stage, Value(), 0, 0);
}

TEST(NativeBackend, KeysAndPointerBecomeRecordsAimedAtTheStageByDefault) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto close = prim("media_native_close", 0);
    auto getId = prim("media_native_display_object_get_id", 1);
    std::vector<std::string> records;
    int stageId = 0;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        stageId = getId(stage).toInt();
        setHandler(stage, runtime::Function::of([&](Value ev) {
            int type = ev.field("type").toInt();
            if (type == 1 || type == 3 || type == 5 || type == 7) {
                records.push_back(std::to_string(type) + ":" + std::to_string(ev.field("value").toInt()) + ":" +
                                  std::to_string(ev.field("code").toInt()) + ":" +
                                  (ev.field("id").toInt() == stageId ? "stage" : "other"));
            }
            if (records.size() == 4) close();
        }), 100, 100);
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_w;
        SDL_PushEvent(&e);
        e.type = SDL_KEYUP;
        e.key.keysym.sym = SDLK_F2;
        SDL_PushEvent(&e);
        SDL_Event m{};
        m.type = SDL_MOUSEBUTTONDOWN;
        m.button.button = SDL_BUTTON_RIGHT;
        m.button.x = 10;
        m.button.y = 12;
        SDL_PushEvent(&m);
        SDL_Event w{};
        w.type = SDL_MOUSEWHEEL;
        w.wheel.y = -1;
        SDL_PushEvent(&w);
    });
    create(onFrame, 100, 100, 0, "input", nullptr);
    EXPECT_EQ(records, (std::vector<std::string>{"1:87:119:stage", "3:113:0:stage", "5:2:0:stage", "7:4:0:stage"}));
}

namespace {
// Runs the real loop with a handler that records every record of the given types as text, and a
// script that is called with each recorded text; the loop closes once `done` says so or after
// five seconds.
std::vector<std::string> runInputScript(const std::vector<int>& types,
                                        const std::function<void(const std::string&)>& onFrame,
                                        const std::function<bool(const std::string&)>& onRecord,
                                        const std::function<std::string(Value)>& describe) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto setWake = prim("media_native_stage_set_next_wake", 2);
    auto close = prim("media_native_close", 0);
    std::vector<std::string> seen;
    Uint32 start = 0;
    auto frame = runtime::Function::of([&](Value f) {
        Value stage = getStage(f);
        start = SDL_GetTicks();
        setHandler(stage, runtime::Function::of([&, stage](Value ev) {
            int type = ev.field("type").toInt();
            if (std::find(types.begin(), types.end(), type) != types.end()) {
                seen.push_back(describe(ev));
                if (onRecord(seen.back())) close();
            }
            if (SDL_GetTicks() - start > 5000) close();
            setWake(stage, 0.01);
        }), 200, 100);
        onFrame("");
    });
    create(frame, 200, 100, 0, "input", nullptr);
    return seen;
}
}  // namespace

TEST(NativeBackend, ControllersBecomeDeviceRecords) {
    // Virtual devices stand in for real ones; they report through SDL's own joystick layer.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_Joystick* pad = nullptr;
    SDL_Joystick* stick = nullptr;
    auto attach = [](SDL_JoystickType type, int axes, int buttons, int hats) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = static_cast<Uint16>(type);
        desc.naxes = static_cast<Uint16>(axes);
        desc.nbuttons = static_cast<Uint16>(buttons);
        desc.nhats = static_cast<Uint16>(hats);
        return SDL_JoystickAttachVirtualEx(&desc);
    };
    int padIndex = -1, stickIndex = -1;
    auto describe = [](Value ev) {
        std::string t = std::to_string(ev.field("type").toInt()) + ":" + std::to_string(ev.field("id").toInt()) +
                        ":" + std::to_string(ev.field("code").toInt());
        int type = ev.field("type").toInt();
        if (type == 24 || type == 26) t += ":" + std::to_string(ev.field("value").toInt());
        if (type == 25) t += ":" + std::to_string(ev.field("x").toInt()) + "," + std::to_string(ev.field("y").toInt());
        return t;
    };
    auto seen = runInputScript(
        {24, 25, 26, 27, 28, 29, 30},
        [&](const std::string&) { padIndex = attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0); },
        [&](const std::string& r) {
            if (r == "29:0:0") {
                pad = SDL_JoystickOpen(padIndex);
                SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 16000);
                SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
            } else if (r == "27:0:0") {
                SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
            } else if (r == "28:0:0") {
                // A second device gets the next index; a plain joystick reports hats and balls.
                stickIndex = attach(SDL_JOYSTICK_TYPE_ARCADE_STICK, 2, 2, 1);
            } else if (r == "29:1:0") {
                stick = SDL_JoystickOpen(stickIndex);
                SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_RIGHT | SDL_HAT_DOWN);
                SDL_Event ball{};
                ball.type = SDL_JOYBALLMOTION;
                ball.jball.which = SDL_JoystickInstanceID(stick);
                ball.jball.ball = 0;
                ball.jball.xrel = 3;
                ball.jball.yrel = -2;
                SDL_PushEvent(&ball);
            } else if (r.rfind("25:1", 0) == 0) {
                SDL_JoystickClose(pad);
                pad = nullptr;
                SDL_JoystickDetachVirtual(padIndex);
            }
            return r == "30:0:0";
        },
        describe);
    if (stick) SDL_JoystickClose(stick);
    if (pad) SDL_JoystickClose(pad);
    // SDL settles a removed controller's axes at 0 first; hat and ball order is SDL's own.
    seen.erase(std::remove(seen.begin() + std::min<std::size_t>(seen.size(), 5), seen.end(), "24:0:0:0"), seen.end());
    if (seen.size() > 6) std::sort(seen.begin() + 5, seen.begin() + 7);
    EXPECT_EQ(seen, (std::vector<std::string>{"29:0:0", "24:0:0:16000", "27:0:0", "28:0:0", "29:1:0", "25:1:0:3,-2",
                                              "26:1:0:6", "30:0:0"}));
}

TEST(NativeBackend, FingersBecomeTouchRecordsWithOnePrimaryPoint) {
    auto finger = [](Uint32 type, SDL_FingerID id, float x, float y) {
        SDL_Event e{};
        e.type = type;
        e.tfinger.touchId = 1;
        e.tfinger.fingerId = id;
        e.tfinger.x = x;
        e.tfinger.y = y;
        SDL_PushEvent(&e);
    };
    auto describe = [](Value ev) {
        return std::to_string(ev.field("type").toInt()) + ":" + std::to_string(ev.field("value").toInt()) + ":" +
               std::to_string(ev.field("x").toInt()) + "," + std::to_string(ev.field("y").toInt()) + ":" +
               ((ev.field("flags").toInt() & 0x8000) ? "primary" : "other") + ":" +
               std::to_string(ev.field("scaleX").toFloat());
    };
    auto seen = runInputScript(
        {5, 7, 15, 16, 17},
        [&](const std::string&) {
            finger(SDL_FINGERDOWN, 900, 0.5f, 0.5f);
            finger(SDL_FINGERDOWN, 901, 0.25f, 0.75f);
            finger(SDL_FINGERMOTION, 900, 0.75f, 0.5f);
            finger(SDL_FINGERUP, 900, 0.75f, 0.5f);
            finger(SDL_FINGERMOTION, 777, 0.1f, 0.1f);  // never went down: dropped
            finger(SDL_FINGERUP, 901, 0.25f, 0.75f);
            // SDL's pointer events made up from touches are not passed on.
            SDL_Event m{};
            m.type = SDL_MOUSEBUTTONDOWN;
            m.button.which = SDL_TOUCH_MOUSEID;
            m.button.button = SDL_BUTTON_LEFT;
            SDL_PushEvent(&m);
            finger(SDL_FINGERDOWN, 902, 0.0f, 0.0f);
        },
        [&](const std::string& r) { return r.rfind("15:3", 0) == 0; }, describe);
    EXPECT_EQ(seen, (std::vector<std::string>{"15:1:100,50:primary:1.000000", "15:2:50,75:other:1.000000",
                                              "16:1:150,50:primary:1.000000", "17:1:150,50:primary:1.000000",
                                              "17:2:50,75:other:1.000000", "15:3:0,0:primary:1.000000"}));
}

TEST(TouchPoints, FirstFingerOfAGestureIsPrimaryUntilItLifts) {
    media::TouchPoints t;
    auto a = t.begin(10);
    auto b = t.begin(11);
    EXPECT_TRUE(a.primary);
    EXPECT_FALSE(b.primary);
    EXPECT_NE(a.id, b.id);
    EXPECT_EQ(t.begin(10).id, a.id);  // a repeated down keeps its point
    EXPECT_EQ(t.end(10)->id, a.id);
    EXPECT_FALSE(t.find(10));
    EXPECT_FALSE(t.begin(12).primary);  // the second finger is still down
    t.end(11);
    t.end(12);
    EXPECT_FALSE(t.end(12));
    EXPECT_TRUE(t.begin(13).primary);
}

TEST(KeyMap, CodesAndCharactersForTheKeyTable) {
    struct Case {
        SDL_Keycode key;
        Uint16 mod;
        int code;
        int ch;
    } cases[] = {
        {SDLK_a, 0, 65, 'a'},           {SDLK_a, KMOD_LSHIFT, 65, 'A'}, {SDLK_5, KMOD_SHIFT, 53, '%'},
        {SDLK_KP_0, 0, 96, '0'},        {SDLK_KP_9, 0, 105, '9'},       {SDLK_F12, 0, 123, 0},
        {SDLK_LEFT, 0, 37, 0},          {SDLK_ESCAPE, 0, 27, 27},       {SDLK_RETURN, 0, 13, 13},
        {SDLK_SLASH, KMOD_SHIFT, 191, '?'}, {SDLK_q, KMOD_CAPS, 81, 'Q'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(media::KeyMap::keyCode(c.key), c.code) << c.key;
        EXPECT_EQ(media::KeyMap::charCode(c.key, c.mod), c.ch) << c.key;
    }
}

TEST(NodeStore, PointerTargetsHonourMouseEnabledAndMouseChildren) {
    auto& s = media::NodeStore::get();
    int root = s.create(media::NodeStore::Kind::Stage);
    int button = s.create(media::NodeStore::Kind::Container);
    int icon = s.create(media::NodeStore::Kind::Object);
    s.addChild(root, button);
    s.addChild(button, icon);
    s.at(icon).contentBounds = {0, 0, 10, 10};
    s.at(button).x = 100;
    EXPECT_EQ(s.pick(root, 105, 5), s.at(icon).id);
    EXPECT_EQ(s.pick(root, 95, 5), 0);
    s.at(button).mouseChildren = false;
    EXPECT_EQ(s.pick(root, 105, 5), s.at(button).id);  // hits on children fold into the button
    s.at(button).mouseChildren = true;
    s.at(icon).mouseEnabled = false;
    EXPECT_EQ(s.pick(root, 105, 5), s.at(button).id);
    s.at(button).visible = false;
    EXPECT_EQ(s.pick(root, 105, 5), 0);
    for (int n : {icon, button, root}) s.release(n);
}

TEST(NativeBackend, WithoutADisplayTheProgramSaysSoAndEndsWithStatusOne) {
    if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY")) GTEST_SKIP() << "a display is available";
    std::string err = ::testing::TempDir() + "no-display-" + std::to_string(getpid()) + ".txt";
    std::fflush(stdout);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (!std::freopen(err.c_str(), "w", stderr)) _exit(3);
        alarm(30);  // a driver that does open a window must not hold the test
        unsetenv("SDL_VIDEODRIVER");  // no driver chosen: only the stand-in drivers are left
        prim("media_native_create_main_frame", -1)(Value(), 320, 200, 0, "no display");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream in(err);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("no display available; set SDL_VIDEODRIVER=dummy to run without one\n"), std::string::npos) << text;
    std::remove(err.c_str());
}
