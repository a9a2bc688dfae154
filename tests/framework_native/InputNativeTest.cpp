// Touch and controller input from SDL through the real back end into the stage's events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/Graphics.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"
#include "framework/events/JoystickEvent.h"
#include "framework/events/MouseEvent.h"
#include "framework/events/TouchEvent.h"

using framework::Lib;
using runtime::Value;

TEST(InputNative, APrimaryTouchOnASpriteGivesTouchThenPointerEvents) {
    std::vector<std::string> seen;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        auto box = runtime::make<framework::Sprite>();
        box->get_graphics()->beginFill(0x00FF00);
        box->get_graphics()->drawRect(0, 0, 40, 40);
        box->set_x(100);
        box->set_y(20);
        stage->addChild(box);
        for (const char* type : {"touchBegin", "touchEnd", "mouseDown", "mouseUp", "click"}) {
            box->addEventListener(type, runtime::Function::of([&](Value e) {
                std::string t = e.field("type").toText();
                if (auto touch = e.as<framework::TouchEvent>())
                    t += touch->isPrimaryTouchPoint ? "/primary" : "/other";
                else if (auto mouse = e.as<framework::MouseEvent>())
                    t += "@" + std::to_string(static_cast<int>(mouse->localX)) + "," +
                         std::to_string(static_cast<int>(mouse->localY));
                seen.push_back(t);
                if (seen.size() == 5) Lib::close();
            }));
        }
        // The stage is 200 by 100: (0.6, 0.4) is (120, 40), inside the box at (20, 20).
        for (Uint32 type : {SDL_FINGERDOWN, SDL_FINGERUP}) {
            SDL_Event e{};
            e.type = type;
            e.tfinger.touchId = 1;
            e.tfinger.fingerId = 5;
            e.tfinger.x = 0.6f;
            e.tfinger.y = 0.4f;
            SDL_PushEvent(&e);
        }
    });
    Lib::create(onLoaded, 200, 100, 60, 0, 0, "touch");
    EXPECT_EQ(seen, (std::vector<std::string>{"touchBegin/primary", "mouseDown@20,20", "touchEnd/primary",
                                              "mouseUp@20,20", "click@20,20"}));
}

TEST(InputNative, AControllerAxisReachesTheStageOnceAChange) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    std::vector<std::string> seen;
    int deviceIndex = -1;
    SDL_Joystick* pad = nullptr;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        for (const char* type : {"deviceAdded", "axisMove", "deviceRemoved"}) {
            stage->addEventListener(type, runtime::Function::of([&](Value e) {
                auto j = e.as<framework::JoystickEvent>();
                std::string t = j->get_type().str() + ":" + std::to_string(j->device);
                if (t == "deviceAdded:0") {
                    pad = SDL_JoystickOpen(deviceIndex);
                    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);
                } else if (j->get_type().str() == "axisMove") {
                    t += "=" + std::to_string(j->x) + "," + std::to_string(j->y);
                    // Setting the same value again raises nothing; removal follows.
                    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);
                    SDL_JoystickClose(pad);
                    pad = nullptr;
                    SDL_JoystickDetachVirtual(deviceIndex);
                } else {
                    Lib::close();
                }
                seen.push_back(t);
            }));
        }
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = 6;
        desc.nbuttons = 15;
        deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
    });
    Lib::create(onLoaded, 200, 100, 60, 0, 0, "pad");
    if (pad) SDL_JoystickClose(pad);
    // Removal settles the moved axis at 0 first: one more change.
    EXPECT_EQ(seen, (std::vector<std::string>{"deviceAdded:0", "axisMove:0=0.000000,1.000000",
                                              "axisMove:0=0.000000,0.000000", "deviceRemoved:0"}));
}
