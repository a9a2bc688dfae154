#pragma once
// Plays the real game in-process over the real back end, started as the executable starts it,
// with a save folder of its own. A script of steps runs one check a frame: each step waits until
// its condition holds, then acts; a step that waits past its frame budget ends the game and the
// play reports what it was waiting for. Input is injected as native events into SDL's queue.
//
//   GameDriver d("walk");
//   d.until("the town is up", [] { return game::G::mapState != nullptr; })
//    .hold(SDLK_LEFT, 48)
//    .wait(30);
//   EXPECT_EQ(d.play(), "");
#include <SDL.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "game/shell/ApplicationMain.h"
#include "platform/runtime/Thrown.h"
#include "tests/game/GameTables.h"
#include "tests/game/NativeInput.h"

namespace testing_game {

class GameDriver {
public:
    // Frames a step may wait by default: start-up alone takes a few seconds on a loaded machine.
    static constexpr int DEFAULT_BUDGET = 1200;

    // Saves and settings of this play go to a fresh folder named after `name`.
    explicit GameDriver(const std::string& name) { useOwnSaveFolder(name); }

    // Waits until `done` holds, then runs `then` (if any) in the same frame.
    GameDriver& until(std::string what, std::function<bool()> done, std::function<void()> then = {},
                      int budget = DEFAULT_BUDGET) {
        steps_.push_back({std::move(what), std::move(done), std::move(then), budget});
        return *this;
    }

    // Runs `action` on the next frame.
    GameDriver& then(std::string what, std::function<void()> action) {
        return until(std::move(what), [] { return true; }, std::move(action), 1);
    }

    // Lets `frames` frames pass.
    GameDriver& wait(int frames) {
        auto left = std::make_shared<int>(frames);
        return until("wait " + std::to_string(frames) + " frames", [left] { return --*left <= 0; }, {},
                     frames + 1);
    }

    // Holds `key` down for `frames` frames, then lets it go.
    GameDriver& hold(SDL_Keycode key, int frames) {
        then("press " + std::string(SDL_GetKeyName(key)), [key] { sendKey(key, true); });
        wait(frames);
        return then("release " + std::string(SDL_GetKeyName(key)), [key] { sendKey(key, false); });
    }

    // Presses and releases `key` two frames apart.
    GameDriver& tap(SDL_Keycode key) { return hold(key, 2); }

    // Moves the pointer to (x, y) in stage pixels and clicks there: down, then up a frame later.
    GameDriver& click(int x, int y) {
        const std::string at = std::to_string(x) + "," + std::to_string(y);
        then("pointer down at " + at, [x, y] {
            sendPointer(SDL_MOUSEMOTION, x, y);
            sendPointer(SDL_MOUSEBUTTONDOWN, x, y);
        });
        return then("pointer up at " + at, [x, y] { sendPointer(SDL_MOUSEBUTTONUP, x, y); });
    }

    // The last frame the game draws before the script ends is written to `path` as PNG.
    GameDriver& snapshotTo(const std::string& path) {
        snapshot_ = path;
        return *this;
    }

    // Starts the game, plays the script and closes the game when it ends. Returns "" when every
    // step was met, else what the failing step waited for (or the error that escaped the game).
    std::string play() {
        if (!snapshot_.empty()) setenv("MEDIA_NATIVE_SNAPSHOT", snapshot_.c_str(), 1);
        std::string failure;
        std::size_t next = 0;
        int waited = 0;
        auto onLoaded = runtime::Function::of([&] {
            game::ApplicationMain::onLoaded();
            framework::Lib::get_stage()->addEventListener(
                "enterFrame", runtime::Function::of([&](runtime::Value) {
                    ++frames_;
                    if (next >= steps_.size() || !failure.empty()) return;
                    Step& s = steps_[next];
                    if (s.done()) {
                        if (s.then) s.then();
                        ++next;
                        waited = 0;
                        if (next == steps_.size()) framework::Lib::close();
                    } else if (++waited > s.budget) {
                        failure = "timed out after " + std::to_string(s.budget) + " frames waiting for: " + s.what;
                        framework::Lib::close();
                    }
                }));
        });
        try {
            game::ApplicationMain::open(onLoaded);
        } catch (const runtime::Thrown& e) {
            failure = "the game threw: " + e.value().toText();
        } catch (const std::exception& e) {
            failure = std::string("the game threw: ") + e.what();
        }
        if (!snapshot_.empty()) unsetenv("MEDIA_NATIVE_SNAPSHOT");
        if (failure.empty() && next < steps_.size()) failure = "the game ended while waiting for: " + steps_[next].what;
        return failure;
    }

    // Frames drawn since the play began.
    int frames() const { return frames_; }

    static void sendKey(SDL_Keycode key, bool down) { pushKey(key, down); }
    static void sendPointer(Uint32 type, int x, int y) { pushPointer(type, x, y); }

private:
    struct Step {
        std::string what;
        std::function<bool()> done;
        std::function<void()> then;
        int budget;
    };
    std::vector<Step> steps_;
    std::string snapshot_;
    int frames_ = 0;
};

}  // namespace testing_game
