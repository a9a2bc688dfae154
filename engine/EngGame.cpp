#include "EngGame.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/EngState.h"
#include "engine/system/EngSplash.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "engine/system/frontEnds/PluginFrontEnd.h"
#include "engine/system/frontEnds/SignalFrontEnd.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/system/frontEnds/VCRFrontEnd.h"
#include "engine/system/layer/TileSheetExt.h"
#include "engine/text/PxBitmapFont.h"
#include "engine/system/scaleModes/BaseScaleMode.h"
#include "engine/util/EngArrayUtil.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "framework/events/FocusEvent.h"

namespace engine {

using runtime::Function;
using runtime::Ref;

namespace {
Ref<framework::Stage> rootStage() { return framework::Lib::get_current()->get_stage(); }
}  // namespace

EngGame::EngGame(int gameSizeX, int gameSizeY, const runtime::ClassInfo* initialState, double zoom, int updateFramerate,
                 int drawFramerate, bool skipSplash, bool startFullscreen)
    : framework::Sprite("EngGame") {
    _startFullscreen = startFullscreen;
    _inputContainer = runtime::make<framework::Sprite>();
    EngG::init(this, gameSizeX, gameSizeY, zoom);
    EngG::set_updateFramerate(updateFramerate);
    EngG::set_drawFramerate(drawFramerate);
    _accumulator = _stepMS;
    _skipSplash = skipSplash;
    _initialState = initialState ? initialState : &EngState::staticClass();
    addEventListener(framework::Event::ADDED_TO_STAGE, Function::method<&EngGame::create>(this));
}

void EngGame::create(const Ref<framework::Event>&) {
    Ref<framework::Stage> stage = get_stage();
    if (!stage) return;
    Ref<EngGame> keep(this);
    removeEventListener(framework::Event::ADDED_TO_STAGE, Function::method<&EngGame::create>(this));
    _total = framework::Lib::getTimer();
    EngG::set_fullscreen(_startFullscreen);
    stage->set_scaleMode(framework::StageScaleMode::NO_SCALE);
    stage->set_align(framework::StageAlign::TOP_LEFT);
    stage->set_frameRate(EngG::drawFramerate);
    addChild(_inputContainer);
    stage->addEventListener(framework::FocusEvent::FOCUS_OUT, Function::method<&EngGame::onFocusLost>(this));
    stage->addEventListener(framework::FocusEvent::FOCUS_IN, Function::method<&EngGame::onFocus>(this));
    doResetGame();
    switchState();
    stage->addEventListener(framework::Event::ENTER_FRAME, Function::method<&EngGame::onEnterFrame>(this));
    stage->addEventListener(framework::Event::RESIZE, Function::method<&EngGame::onResize>(this));
    Ref<framework::Stage> root = rootStage();
    resizeGame(root->get_stageWidth(), root->get_stageHeight());
}

void EngGame::onFocus(const Ref<framework::Event>&) {
    if (!_onFocusFiredOnce) {
        _onFocusFiredOnce = true;
        return;
    }
    _lostFocus = false;
    EngG::signals->focusGained->dispatch0();
    if (!EngG::autoPause) {
        _state->onFocus();
        return;
    }
    if (Ref<framework::Stage> stage = get_stage()) stage->set_frameRate(EngG::drawFramerate);
    EngG::sound->onFocus();
    for (std::size_t i = 0; i < EngG::inputs->list.size(); ++i)
        if (IEngInput* input = InputFrontEnd::asInput(EngG::inputs->list[i].get())) input->onFocus();
}

void EngGame::onFocusLost(const Ref<framework::Event>&) {
    _lostFocus = true;
    EngG::signals->focusLost->dispatch0();
    if (!EngG::autoPause) {
        _state->onFocusLost();
        return;
    }
    if (Ref<framework::Stage> stage = get_stage()) stage->set_frameRate(focusLostFramerate);
    EngG::sound->onFocusLost();
    for (std::size_t i = 0; i < EngG::inputs->list.size(); ++i)
        if (IEngInput* input = InputFrontEnd::asInput(EngG::inputs->list[i].get())) input->onFocusLost();
}

void EngGame::onResize(const Ref<framework::Event>&) {
    Ref<framework::Stage> root = rootStage();
    int width = root ? root->get_stageWidth() : 0;
    int height = root ? root->get_stageHeight() : 0;
    EngG::bitmap->onContext();
    if (_state) _state->onResize(width, height);
    for (std::size_t i = 0; i < EngG::plugins->list.size(); ++i)
        if (Ref<EngPlugin> p = EngG::plugins->list[i]; p->exists) p->onResize(width, height);
    EngG::signals->gameResized->dispatch2(width, height);
    resizeGame(width, height);
}

void EngGame::resizeGame(int width, int height) {
    EngG::_scaleMode->onMeasure(width, height);
    _inputContainer->set_scaleX(1 / get_scaleX());
    _inputContainer->set_scaleY(1 / get_scaleY());
}

void EngGame::onEnterFrame(const Ref<framework::Event>&) {
    Ref<EngGame> keep(this);
    int now = framework::Lib::getTimer();
    _elapsedMS = now - _total;
    ticks = now;
    _total = now;
    if (_lostFocus && EngG::autoPause) return;
    if (EngG::vcr->paused) {
        if (EngG::vcr->stepRequested) EngG::vcr->stepRequested = false;
        else if (_state == _requestedState) return;
    }
    if (EngG::fixedTimestep) {
        _accumulator += _elapsedMS;
        if (_accumulator > _maxAccumulation) _accumulator = _maxAccumulation;
        while (_accumulator > _stepMS) {
            step();
            _accumulator -= _stepMS;
        }
    } else {
        step();
    }
    draw();
}

void EngGame::resetGame() { doResetGame(); }

void EngGame::doResetGame() {
    EngG::signals->gameReset->dispatch0();
    if (!_skipSplash && !EngSplash::nextState) {
        EngSplash::nextState = _initialState;
        _requestedState = runtime::make<EngSplash>();
        _skipSplash = true;
    } else {
        _requestedState = Ref<EngState>(dynamic_cast<EngState*>(_initialState->create(nullptr, 0).get()));
        if (!EngSplash::nextState) _gameJustStarted = true;
    }
    EngG::reset();
}

void EngGame::switchState() {
    PxBitmapFont::clearStorage();
    EngG::bitmap->clearCache();
    EngG::cameras->reset();
    EngG::inputs->reset();
    EngG::sound->destroy(false);
    for (std::size_t i = 0; i < EngG::plugins->list.size(); ++i)
        if (Ref<EngPlugin> p = EngG::plugins->list[i]; p->exists) p->onStateSwitch();
    EngG::signals->stateSwitched->dispatch0();
    if (Ref<EngState> old = _state) old->destroy();
    _state = _requestedState;
    _state->create();
    if (_gameJustStarted) gameStart();
}

void EngGame::gameStart() {
    EngG::signals->gameStarted->dispatch0();
    _gameJustStarted = false;
}

void EngGame::step() {
    if (_resetGame) {
        doResetGame();
        _resetGame = false;
    }
    update();
}

void EngGame::update() {
    if (!_state->active || !_state->exists) return;
    if (_state != _requestedState) switchState();
    EngG::signals->preUpdate->dispatch0();
    if (EngG::fixedTimestep) {
        EngG::elapsed = EngG::timeScale * _stepSeconds;
    } else {
        EngG::elapsed = EngG::timeScale * (_elapsedMS / 1000.0);
        if (EngG::elapsed > EngG::maxElapsed * EngG::timeScale) EngG::elapsed = EngG::maxElapsed * EngG::timeScale;
    }
    updateInput();
    EngG::sound->update();
    for (std::size_t i = 0; i < EngG::plugins->list.size(); ++i)
        if (Ref<EngPlugin> p = EngG::plugins->list[i]; p->exists && p->active) p->update();
    Ref<EngState>(_state)->tryUpdate();
    EngG::cameras->update();
    EngG::signals->postUpdate->dispatch0();
    EngArrayUtil::clearArray(EngG::swipes);
}

void EngGame::updateInput() {
    for (std::size_t i = 0; i < EngG::inputs->list.size(); ++i)
        if (IEngInput* input = InputFrontEnd::asInput(EngG::inputs->list[i].get())) input->update();
}

void EngGame::draw() {
    if (!_state->visible || !_state->exists) return;
    EngG::signals->preDraw->dispatch0();
    TileSheetExt::_DRAWCALLS = 0;
    EngG::cameras->lock();
    for (std::size_t i = 0; i < EngG::plugins->list.size(); ++i)
        if (Ref<EngPlugin> p = EngG::plugins->list[i]; p->exists && p->visible) p->draw();
    Ref<EngState>(_state)->draw();
    EngG::cameras->render();
    EngG::cameras->unlock();
    EngG::signals->postDraw->dispatch0();
}

}  // namespace engine

using engine::EngGame;

RUNTIME_DEFINE_CLASS(EngGame, "engine.EngGame", framework::Sprite, (auto& b) {
    b.template field<&EngGame::focusLostFramerate>("focusLostFramerate")
        .template field<&EngGame::ticks>("ticks")
        .template method<&EngGame::resetGame>("resetGame")
        .emptyInstance();
})
