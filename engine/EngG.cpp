#include "EngG.h"

#include "engine/util/EngCollision.h"

#include <cmath>
#include <random>
#include <regex>

#include "engine/EngCamera.h"
#include "engine/system/EngAssets.h"
#include "engine/EngGame.h"
#include "engine/EngState.h"
#include "engine/EngVersion.h"
#include "engine/debug/DebuggerFrontEnd.h"
#include "engine/input/gamepad/EngGamepadManager.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/EngQuadTree.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/text/PxBitmapFont.h"
#include "engine/system/frontEnds/BitmapLogFrontEnd.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/frontEnds/ConsoleFrontEnd.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "engine/system/frontEnds/LogFrontEnd.h"
#include "engine/system/frontEnds/PluginFrontEnd.h"
#include "engine/system/frontEnds/SignalFrontEnd.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/system/frontEnds/VCRFrontEnd.h"
#include "engine/system/frontEnds/WatchFrontEnd.h"
#include "engine/system/scaleModes/RatioScaleMode.h"
#include "engine/util/EngRandom.h"
#include "engine/util/EngRect.h"
#include "engine/util/EngSave.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/net/URLRequest.h"

namespace engine {

using runtime::Ref;

runtime::Ref<EngCamera> EngG::camera;
runtime::Ref<EngVersion> EngG::VERSION;
runtime::Ref<EngGame> EngG::game;
runtime::Ref<EngRect> EngG::worldBounds;
runtime::Ref<EngSave> EngG::save;
runtime::Ref<EngMouse> EngG::mouse;
std::vector<runtime::Ref<runtime::Object>> EngG::swipes;
runtime::Ref<EngKeyboard> EngG::keys;
runtime::Ref<EngGamepadManager> EngG::gamepads;
runtime::Ref<InputFrontEnd> EngG::inputs;
runtime::Ref<ConsoleFrontEnd> EngG::console;
runtime::Ref<LogFrontEnd> EngG::log;
runtime::Ref<BitmapLogFrontEnd> EngG::bitmapLog;
runtime::Ref<WatchFrontEnd> EngG::watch;
runtime::Ref<DebuggerFrontEnd> EngG::debugger;
runtime::Ref<VCRFrontEnd> EngG::vcr;
runtime::Ref<BitmapFrontEnd> EngG::bitmap;
runtime::Ref<CameraFrontEnd> EngG::cameras;
runtime::Ref<PluginFrontEnd> EngG::plugins;
runtime::Ref<SoundFrontEnd> EngG::sound;
runtime::Ref<SignalFrontEnd> EngG::signals;
runtime::Ref<BaseScaleMode> EngG::_scaleMode;

void EngG::staticInit() {
    timeScale = 1;
    autoPause = true;
    fixedTimestep = true;
    worldDivisions = 6;
    VERSION = runtime::make<EngVersion>(3, 3, 8);
    elapsed = 0;
    maxElapsed = 0.1;
    fullscreen = false;
    worldBounds = EngRect::get(0, 0, 0, 0);
    save = runtime::make<EngSave>();
    swipes.clear();
    inputs = runtime::make<InputFrontEnd>();
    console = runtime::make<ConsoleFrontEnd>();
    log = runtime::make<LogFrontEnd>();
    bitmapLog = runtime::make<BitmapLogFrontEnd>();
    watch = runtime::make<WatchFrontEnd>();
    debugger = runtime::make<DebuggerFrontEnd>();
    vcr = runtime::make<VCRFrontEnd>();
    bitmap = runtime::make<BitmapFrontEnd>();
    cameras = runtime::make<CameraFrontEnd>();
    plugins = runtime::make<PluginFrontEnd>();
    sound = runtime::make<SoundFrontEnd>();
    signals = runtime::make<SignalFrontEnd>();
    _scaleMode = runtime::make<RatioScaleMode>();
}

namespace {
[[maybe_unused]] const bool staticInitDone = (EngG::staticInit(), true);

Ref<framework::Stage> rootStage() { return framework::Lib::get_current()->get_stage(); }
}  // namespace

void EngG::init(EngGame* g, int w, int h, double zoom) {
    game = Ref<EngGame>(g);
    width = std::abs(w);
    height = std::abs(h);
    EngCamera::defaultZoom = zoom;
    if (Ref<framework::Stage> stage = rootStage()) _scaleMode->onMeasure(stage->get_stageWidth(), stage->get_stageHeight());
    keys = inputs->add(runtime::make<EngKeyboard>());
    set_mouse(inputs->add(runtime::make<EngMouse>(g->_inputContainer)));
    gamepads = inputs->add(runtime::make<EngGamepadManager>());
    save->bind("engine");
    sound->loadSavedPrefs();
    EngAssets::init();
}

void EngG::reset() {
    PxBitmapFont::clearStorage();
    EngRandom::resetGlobalSeed();
    bitmap->clearCache();
    inputs->reset();
    sound->destroy(true);
    timeScale = 1;
    autoPause = true;
    elapsed = 0;
    fixedTimestep = true;
    maxElapsed = 0.1;
    worldBounds->set(-10, -10, width + 20, height + 20);
    worldDivisions = 6;
}

void EngG::resizeGame(int w, int h) { _scaleMode->onMeasure(w, h); }

void EngG::resetGame() { game->_resetGame = true; }

void EngG::switchState(const Ref<EngState>& state) { game->_requestedState = state; }

void EngG::resetState() {
    const runtime::ClassInfo* cls = game->_state->classInfo();
    game->_requestedState = Ref<EngState>(dynamic_cast<EngState*>(cls->create(nullptr, 0).get()));
}

bool EngG::overlap(EngBasic* first, EngBasic* second, std::function<void(EngObject*, EngObject*)> notify,
                   std::function<bool(EngObject*, EngObject*)> process) {
    if (!first) first = game->_state.get();
    if (second == first) second = nullptr;
    EngQuadTree::divisions = worldDivisions;
    Ref<EngQuadTree> tree =
        EngQuadTree::recycle(worldBounds->x, worldBounds->y, worldBounds->width, worldBounds->height);
    tree->load(first, second, std::move(notify), std::move(process));
    bool result = tree->execute();
    tree->destroy();
    return result;
}

bool EngG::pixelPerfectOverlap(EngSprite* sprite1, EngSprite* sprite2, int alphaTolerance, EngCamera* camera) {
    return EngCollision::pixelPerfectCheck(sprite1, sprite2, alphaTolerance, camera);
}

bool EngG::collide(EngBasic* first, EngBasic* second, std::function<void(EngObject*, EngObject*)> notify) {
    return overlap(first, second, std::move(notify), &EngObject::separate);
}

void EngG::openURL(runtime::String url, runtime::String target) {
    if (target.isNull()) target = "_blank";
    static const std::regex scheme("^https?://");
    if (!std::regex_search(url.str(), scheme)) url = runtime::String("http://" + url.str());
    framework::Lib::getURL(runtime::make<framework::URLRequest>(url), target);
}

int EngG::get_updateFramerate() { return static_cast<int>(1000.0 / game->_stepMS); }

int EngG::set_updateFramerate(int fps) {
    game->_stepMS = static_cast<int>(std::fabs(1000.0 / fps));
    game->_stepSeconds = game->_stepMS / 1000.0;
    if (game->_maxAccumulation < game->_stepMS) game->_maxAccumulation = game->_stepMS;
    return fps;
}

int EngG::set_drawFramerate(int fps) {
    drawFramerate = std::abs(fps);
    if (game && game->get_stage()) game->get_stage()->set_frameRate(drawFramerate);
    game->_maxAccumulation = static_cast<int>(2000.0 / drawFramerate) - 1;
    if (game->_maxAccumulation < game->_stepMS) game->_maxAccumulation = game->_stepMS;
    return fps;
}

bool EngG::set_fullscreen(bool value) {
    if (Ref<framework::Stage> stage = rootStage())
        stage->set_displayState(value ? framework::StageDisplayState::FULL_SCREEN : framework::StageDisplayState::NORMAL);
    fullscreen = value;
    return value;
}

Ref<BaseScaleMode> EngG::set_scaleMode(const Ref<BaseScaleMode>& mode) {
    _scaleMode = mode;
    game->onResize(nullptr);
    return mode;
}

Ref<EngMouse> EngG::set_mouse(const Ref<EngMouse>& newMouse) {
    if (!mouse) {
        mouse = inputs->add(newMouse);
        return mouse;
    }
    Ref<EngMouse> old = mouse;
    if (inputs->replace(old, newMouse)) {
        mouse = newMouse;
        old->destroy();
        return newMouse;
    }
    return old;
}

Ref<framework::Stage> EngG::get_stage() { return rootStage(); }

Ref<EngState> EngG::get_state() { return game->_state; }

}  // namespace engine
