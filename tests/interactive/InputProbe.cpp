// Opens a window with a 40×40 sprite at (100, 100) and reports real input on standard output:
// "click <localX> <localY>" for a click on the sprite and "keyDown <keyCode> <charCode>" for a key.
// Exits 0 once both arrived, 1 after 20 seconds without them. Driven by pointer-and-keys.sh.
#include <cstdio>

#include "framework/Lib.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"
#include "framework/events/KeyboardEvent.h"
#include "framework/events/MouseEvent.h"
#include "framework/utils/Timer.h"

using framework::Lib;
using runtime::Value;

int main() {
    bool clicked = false, keyed = false;
    double started = -1;
    auto done = [&] {
        if (clicked && keyed) Lib::close();
    };
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        auto sprite = runtime::make<framework::Sprite>();
        sprite->set_x(100);
        sprite->set_y(100);
        // Visible content for the back end's hit test: a filled rectangle.
        Value g = MEDIA_LOAD(media_native_display_object_get_graphics)(sprite->handle_);
        MEDIA_LOAD(media_native_gfx_begin_fill)(g, 0x3366CC, 1.0);
        MEDIA_LOAD(media_native_gfx_draw_rect)(g, 0.0, 0.0, 40.0, 40.0);
        MEDIA_LOAD(media_native_gfx_end_fill)(g);
        stage->addChild(sprite);
        sprite->addEventListener("click", runtime::Function::of([&](Value v) {
            auto* m = v.as<framework::MouseEvent>();
            std::printf("click %g %g\n", m->localX, m->localY);
            std::fflush(stdout);
            clicked = true;
            done();
        }));
        stage->addEventListener("keyDown", runtime::Function::of([&](Value v) {
            auto* k = v.as<framework::KeyboardEvent>();
            std::printf("keyDown %d %d\n", k->keyCode, k->charCode);
            std::fflush(stdout);
            keyed = true;
            done();
        }));
        stage->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            double now = framework::Timer::stamp();
            if (started < 0) {
                started = now;
                std::printf("ready\n");
                std::fflush(stdout);
            }
            if (now - started > 20) Lib::close();
        }));
    });
    Lib::create(onLoaded, 320, 240, 60, 0xFFFFFF, 0, "input probe");
    return clicked && keyed ? 0 : 1;
}
