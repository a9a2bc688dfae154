#include "EngSplash.h"

#include "engine/EngG.h"
#include "engine/EngGame.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/system/EngAssets.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/tweens/EngEase.h"
#include "engine/tweens/EngTween.h"
#include "engine/tweens/misc/VarTween.h"
#include "engine/util/EngTimer.h"
#include "framework/Lib.h"
#include "framework/assets/Assets.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/media/Sound.h"
#include "framework/text/TextFormat.h"
#include "framework/text/TextFormatAlign.h"
#include "platform/runtime/DynamicObject.h"

namespace engine {

using runtime::Function;
using runtime::Ref;

namespace {

Ref<framework::Stage> rootStage() { return framework::Lib::get_current()->get_stage(); }

// The fade of one display object's alpha to 0 over 3 s, easing out.
void fadeOut(const Ref<framework::DisplayObject>& target, const Ref<Function>& complete) {
    auto values = runtime::make<runtime::DynamicObject>();
    values->setField("alpha", runtime::Value(0.0));
    auto options = runtime::make<runtime::DynamicObject>();
    options->setField("ease", runtime::Value(Function::of<&EngEase::quadOut>()));
    if (complete) options->setField("complete", runtime::Value(complete));
    EngTween::tween(target, values, 3.0, options);
}

}  // namespace

void EngSplash::create() {
    _cachedBgColor = EngG::cameras->get_bgColor();
    EngG::cameras->set_bgColor(static_cast<int>(0xFF000000));
    _cachedTimestep = EngG::fixedTimestep;
    EngG::fixedTimestep = false;
    _cachedAutoPause = EngG::autoPause;
    EngG::autoPause = false;
    if (EngG::keys) EngG::keys->enabled = false;
    _times = {0.041, 0.184, 0.334, 0.495, 0.636};
    _colors = {0x00B922, 0xFFC132, 0xF5274E, 0x3641FF, 0x04CDFB};
    _functions = {[this] { drawGreen(); }, [this] { drawYellow(); }, [this] { drawRed(); }, [this] { drawBlue(); },
                  [this] { drawLightBlue(); }};
    for (double time : _times) runtime::make<EngTimer>(time, Function::method<&EngSplash::timerCallback>(this), 1);
    Ref<framework::Stage> stage = rootStage();
    int width = stage ? stage->get_stageWidth() : 0;
    int height = stage ? stage->get_stageHeight() : 0;
    _sprite = runtime::make<framework::Sprite>();
    if (stage) stage->addChild(_sprite);
    _gfx = _sprite->get_graphics();
    _text = runtime::make<framework::TextField>();
    _text->set_selectable(false);
    _text->set_embedFonts(true);
    _text->set_defaultTextFormat(runtime::make<framework::TextFormat>(EngAssets::FONT_DEFAULT, 16, 0xFFFFFF,
                                                                      std::nullopt, std::nullopt, std::nullopt, nullptr,
                                                                      nullptr, framework::TextFormatAlign::CENTER));
    _text->set_text(ENGINE_NAME);
    if (stage) stage->addChild(_text);
    onResize(width, height);
    // The jingle plays when the program has it.
    Ref<framework::Sound> jingle = framework::Assets::getSound(runtime::String("assets/sounds/engine.ogg"));
    if (jingle)
        if (Ref<EngSound> sound = EngG::sound->load(runtime::Value(jingle))) sound->play();
}

void EngSplash::onResize(int width, int height) {
    EngState::onResize(width, height);
    if (!_sprite || !_text) return;
    double sx = EngG::game ? EngG::game->get_scaleX() : 1;
    double sy = EngG::game ? EngG::game->get_scaleY() : 1;
    _sprite->set_x(width / 2.0);
    _sprite->set_y(height / 2.0 - 20 * sy);
    _text->set_width(width / sx);
    _text->set_x(0);
    _text->set_y(_sprite->get_y() + 80 * sy);
    _text->set_scaleX(sx);
    _sprite->set_scaleX(sx);
    _text->set_scaleY(sy);
    _sprite->set_scaleY(sy);
}

void EngSplash::timerCallback(const Ref<EngTimer>&) {
    if (!_text || _curPart >= static_cast<int>(_functions.size())) return;
    Ref<EngSplash> keep(this);
    _functions[_curPart]();
    _text->set_textColor(_colors[_curPart]);
    _text->set_text(ENGINE_NAME);
    ++_curPart;
    if (_curPart == 5) {
        fadeOut(_sprite, Function::method<&EngSplash::onComplete>(this));
        fadeOut(_text, nullptr);
    }
}

void EngSplash::piece(int color, std::initializer_list<std::pair<double, double>> points) {
    if (!_gfx) return;
    _gfx->beginFill(color, 1.0);
    bool first = true;
    for (const auto& [px, py] : points) {
        if (first) _gfx->moveTo(px, py);
        else _gfx->lineTo(px, py);
        first = false;
    }
    _gfx->endFill();
}

void EngSplash::drawGreen() {
    piece(0x00B922, {{0, -37}, {1, -37}, {37, 0}, {37, 1}, {1, 37}, {0, 37}, {-37, 1}, {-37, 0}, {0, -37}});
}

void EngSplash::drawYellow() { piece(0xFFC132, {{-50, -50}, {-25, -50}, {0, -37}, {-37, 0}, {-50, -25}, {-50, -50}}); }

void EngSplash::drawRed() { piece(0xF5274E, {{50, -50}, {25, -50}, {1, -37}, {37, 0}, {50, -25}, {50, -50}}); }

void EngSplash::drawBlue() { piece(0x3641FF, {{-50, 50}, {-25, 50}, {0, 37}, {-37, 1}, {-50, 25}, {-50, 50}}); }

void EngSplash::drawLightBlue() { piece(0x04CDFB, {{50, 50}, {25, 50}, {1, 37}, {37, 1}, {50, 25}, {50, 50}}); }

void EngSplash::onComplete(const Ref<VarTween>&) {
    Ref<EngSplash> keep(this);
    EngG::cameras->set_bgColor(_cachedBgColor);
    EngG::fixedTimestep = _cachedTimestep;
    EngG::autoPause = _cachedAutoPause;
    if (EngG::keys) EngG::keys->enabled = true;
    if (Ref<framework::Stage> stage = rootStage()) {
        if (_sprite && _sprite->get_parent()) stage->removeChild(_sprite);
        if (_text && _text->get_parent()) stage->removeChild(_text);
    }
    if (!nextState || !EngG::game) return;
    EngG::game->_requestedState = Ref<EngState>(dynamic_cast<EngState*>(nextState->create(nullptr, 0).get()));
    EngG::game->_gameJustStarted = true;
}

void EngSplash::destroy() {
    _sprite = nullptr;
    _gfx = nullptr;
    _text = nullptr;
    _times.clear();
    _colors.clear();
    _functions.clear();
    EngState::destroy();
}

}  // namespace engine

using engine::EngSplash;

RUNTIME_DEFINE_CLASS(EngSplash, "engine.system.EngSplash", engine::EngState, (auto& b) {
    b.template field<&EngSplash::_curPart>("_curPart").emptyInstance();
})
