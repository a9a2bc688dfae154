#pragma once
// The engine's globals: the running game, its size, timing values and switches, the front ends,
// the inputs, the engine save and the world bounds.
#include <functional>
#include <vector>

#include "platform/runtime/Object.h"
#include "platform/runtime/String.h"

namespace framework {
class Stage;
}

namespace engine {

class BaseScaleMode;
class BitmapFrontEnd;
class BitmapLogFrontEnd;
class CameraFrontEnd;
class ConsoleFrontEnd;
class DebuggerFrontEnd;
class EngBasic;
class EngCamera;
class EngGame;
class EngGamepadManager;
class EngKeyboard;
class EngMouse;
class EngObject;
class EngRect;
class EngSave;
class EngSprite;
class EngState;
class EngVersion;
class InputFrontEnd;
class LogFrontEnd;
class PluginFrontEnd;
class SignalFrontEnd;
class SoundFrontEnd;
class VCRFrontEnd;
class WatchFrontEnd;

class EngG {
public:
    static inline bool autoPause = true;
    static inline bool fixedTimestep = true;
    static inline double timeScale = 1;
    static inline int worldDivisions = 6;
    static runtime::Ref<EngCamera> camera;
    static runtime::Ref<EngVersion> VERSION;
    static runtime::Ref<EngGame> game;
    static inline int drawFramerate = 0;
    // Seconds of game time of the current step.
    static inline double elapsed = 0;
    static inline double maxElapsed = 0.1;
    static inline int width = 0;
    static inline int height = 0;
    static inline bool fullscreen = false;
    static runtime::Ref<EngRect> worldBounds;
    static runtime::Ref<EngSave> save;
    static runtime::Ref<EngMouse> mouse;
    static std::vector<runtime::Ref<runtime::Object>> swipes;
    static runtime::Ref<EngKeyboard> keys;
    static runtime::Ref<EngGamepadManager> gamepads;
    static runtime::Ref<InputFrontEnd> inputs;
    static runtime::Ref<ConsoleFrontEnd> console;
    static runtime::Ref<LogFrontEnd> log;
    static runtime::Ref<BitmapLogFrontEnd> bitmapLog;
    static runtime::Ref<WatchFrontEnd> watch;
    static runtime::Ref<DebuggerFrontEnd> debugger;
    static runtime::Ref<VCRFrontEnd> vcr;
    static runtime::Ref<BitmapFrontEnd> bitmap;
    static runtime::Ref<CameraFrontEnd> cameras;
    static runtime::Ref<PluginFrontEnd> plugins;
    static runtime::Ref<SoundFrontEnd> sound;
    static runtime::Ref<SignalFrontEnd> signals;
    static runtime::Ref<BaseScaleMode> _scaleMode;

    // The static initialiser's work: switches, version, world bounds, save and front ends.
    static void staticInit();
    // One-time set-up by the game constructor.
    static void init(EngGame* game, int width, int height, double zoom);
    // Resets the engine services and switches (start-up and every game reset).
    static void reset();
    static void resizeGame(int width, int height);
    // Requests, carried out by the game at its next step.
    static void resetGame();
    static void switchState(const runtime::Ref<EngState>& state);
    static void resetState();
    // Quad-tree overlap test over the world bounds; the current state stands for a missing first
    // argument, and a second argument equal to the first tests a group against itself.
    static bool overlap(EngBasic* objectOrGroup1 = nullptr, EngBasic* objectOrGroup2 = nullptr,
                        std::function<void(EngObject*, EngObject*)> notifyCallback = nullptr,
                        std::function<bool(EngObject*, EngObject*)> processCallback = nullptr);
    // overlap with the objects' separation as the process callback.
    static bool collide(EngBasic* objectOrGroup1 = nullptr, EngBasic* objectOrGroup2 = nullptr,
                        std::function<void(EngObject*, EngObject*)> notifyCallback = nullptr);
    // True when the two sprites overlap on screen with pixels of at least that alpha in both.
    static bool pixelPerfectOverlap(EngSprite* sprite1, EngSprite* sprite2, int alphaTolerance = 255,
                                    EngCamera* camera = nullptr);
    // Has the back end open the address ("http://" put in front when it has no scheme).
    static void openURL(runtime::String url, runtime::String target = nullptr);

    static int get_updateFramerate();
    static int set_updateFramerate(int framerate);
    static int set_drawFramerate(int framerate);
    static bool set_fullscreen(bool value);
    static runtime::Ref<BaseScaleMode> set_scaleMode(const runtime::Ref<BaseScaleMode>& mode);
    static runtime::Ref<EngMouse> set_mouse(const runtime::Ref<EngMouse>& newMouse);
    static runtime::Ref<framework::Stage> get_stage();
    static runtime::Ref<EngState> get_state();
};

}  // namespace engine
