#include "EngKeyboard.h"

#include <algorithm>
#include <cctype>

#include "engine/EngG.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/system/replay/CodeValuePair.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/KeyboardEvent.h"

namespace engine {

using runtime::Ref;
using runtime::String;

EngKeyboard::EngKeyboard() {
#define ENGINE_ADD_KEY(name, code) addKey(#name, code);
    ENGINE_KEY_TABLE(ENGINE_ADD_KEY)
#undef ENGINE_ADD_KEY
    // Character code, key code, the code used instead.
    static const int corrections[][3] = {
        {0, 64, 45}, {0, 65, 35}, {0, 67, 34}, {0, 69, -1}, {0, 73, 33}, {0, 266, 46}, {123, 222, 219},
        {125, 187, 221}, {126, 233, 192}, {0, 80, 112}, {0, 81, 113}, {0, 82, 114}, {0, 83, 115}, {0, 84, 116},
        {0, 85, 117}, {0, 86, 118}, {0, 87, 119}, {0, 88, 120}, {0, 89, 121}, {0, 90, 122}, {48, 224, 48},
        {49, 38, 49}, {50, 233, 50}, {51, 34, 51}, {52, 222, 52}, {53, 40, 53}, {54, 189, 54}, {55, 232, 55},
        {56, 95, 56}, {57, 231, 57}, {48, 64, 96}, {49, 65, 97}, {50, 66, 98}, {51, 67, 99}, {52, 68, 100},
        {53, 69, 101}, {54, 70, 102}, {55, 71, 103}, {56, 72, 104}, {57, 73, 105}, {43, 75, 107}, {45, 77, 109},
        {47, 79, 191}, {46, 78, 110}, {42, 74, 106}};
    for (const auto& c : corrections) _nativeCorrection.emplace(correctionKey(c[0], c[1]), c[2]);

    Ref<framework::Stage> stage = framework::Lib::get_current()->get_stage();
    if (stage) {
        stage->addEventListener(framework::KeyboardEvent::KEY_DOWN, runtime::Function::method<&EngKeyboard::onKeyDown>(this));
        stage->addEventListener(framework::KeyboardEvent::KEY_UP, runtime::Function::method<&EngKeyboard::onKeyUp>(this));
    }
    pressed = runtime::make<EngKeyList>(EngKey::PRESSED);
    justPressed = runtime::make<EngKeyList>(EngKey::JUST_PRESSED);
    justReleased = runtime::make<EngKeyList>(EngKey::JUST_RELEASED);
}

bool EngKeyboard::anyPressed(const Names* names) { return checkKeyStatus(names, EngKey::PRESSED); }
bool EngKeyboard::anyJustPressed(const Names* names) { return checkKeyStatus(names, EngKey::JUST_PRESSED); }
bool EngKeyboard::anyJustReleased(const Names* names) { return checkKeyStatus(names, EngKey::JUST_RELEASED); }

String EngKeyboard::firstWith(int state) {
    for (const auto& key : _keyList)
        if (key && key->current == state) return key->name;
    return String("");
}

String EngKeyboard::firstPressed() { return firstWith(EngKey::PRESSED); }
String EngKeyboard::firstJustPressed() { return firstWith(EngKey::JUST_PRESSED); }
String EngKeyboard::firstJustReleased() { return firstWith(EngKey::JUST_RELEASED); }

bool EngKeyboard::checkStatus(int keyCode, int status) {
    EngKey* key = keyAt(keyCode);
    if (!key) return false;
    if (key->current == status) return true;
    if (status == EngKey::PRESSED && key->current == EngKey::JUST_PRESSED) return true;
    if (status == EngKey::RELEASED && key->current == EngKey::JUST_RELEASED) return true;
    return false;
}

int EngKeyboard::getKeyCode(const String& name) {
    auto it = _keyLookup.find(name.str());
    return it == _keyLookup.end() ? 0 : it->second;
}

std::vector<Ref<EngKey>> EngKeyboard::getIsDown() {
    std::vector<Ref<EngKey>> down;
    for (const auto& key : _keyList)
        if (key && key->current > EngKey::RELEASED) down.push_back(key);
    return down;
}

void EngKeyboard::destroy() {
    // Key events that still arrive afterwards find no record and are ignored.
    _keyList.clear();
    _keyLookup.clear();
    destroyed_ = true;
}

void EngKeyboard::reset() {
    for (const auto& key : _keyList)
        if (key) key->current = key->last = EngKey::RELEASED;
}

void EngKeyboard::addKey(const String& name, int code) {
    _keyLookup[name.str()] = code;
    if (code < 0) return;
    if (code >= static_cast<int>(_keyList.size())) _keyList.resize(code + 1);
    _keyList[code] = runtime::make<EngKey>(name);
}

void EngKeyboard::update() {
    for (const auto& key : _keyList) {
        if (!key) continue;
        if (key->last == EngKey::JUST_RELEASED && key->current == EngKey::JUST_RELEASED)
            key->current = EngKey::RELEASED;
        else if (key->last == EngKey::JUST_PRESSED && key->current == EngKey::JUST_PRESSED)
            key->current = EngKey::PRESSED;
        key->last = key->current;
    }
}

bool EngKeyboard::checkKeyStatus(const Names* names, int status) {
    if (!names) return false;
    for (const auto& name : *names) {
        std::string upper = name.str();
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
        auto it = _keyLookup.find(upper);
        if (checkStatus(it == _keyLookup.end() ? 0 : it->second, status)) return true;
    }
    return false;
}

void EngKeyboard::onKeyUp(const Ref<framework::KeyboardEvent>& event) {
    int code = resolveKeyCode(event);
    if (!enabled) return;
    if (SoundFrontEnd* sound = EngG::sound.get()) {
        if (inKeyArray(sound->muteKeys.get(), code)) {
            sound->muted = !sound->muted;
            if (sound->volumeHandler) (*sound->volumeHandler)(sound->muted ? 0.0 : sound->volume);
        } else if (inKeyArray(sound->volumeDownKeys.get(), code)) {
            sound->muted = false;
            sound->set_volume(sound->volume - 0.1);
        } else if (inKeyArray(sound->volumeUpKeys.get(), code)) {
            sound->muted = false;
            sound->set_volume(sound->volume + 0.1);
        }
    }
    updateKeyStates(code, false);
}

void EngKeyboard::onKeyDown(const Ref<framework::KeyboardEvent>& event) {
    int code = resolveKeyCode(event);
    if (enabled) updateKeyStates(code, true);
}

bool EngKeyboard::inKeyArray(const Names* names, int keyCode) {
    if (!names) return false;
    for (const auto& name : *names) {
        if (name == "ANY") return true;
        auto it = _keyLookup.find(name.str());
        if (!name.isNull() && it != _keyLookup.end() && it->second == keyCode) return true;
    }
    return false;
}

int EngKeyboard::resolveKeyCode(const Ref<framework::KeyboardEvent>& event) {
    auto it = _nativeCorrection.find(correctionKey(event->charCode, event->keyCode));
    return it == _nativeCorrection.end() ? event->keyCode : it->second;
}

void EngKeyboard::updateKeyStates(int keyCode, bool down) {
    EngKey* key = keyAt(keyCode);
    if (!key) return;
    if (key->current > EngKey::RELEASED) key->current = down ? EngKey::PRESSED : EngKey::JUST_RELEASED;
    else key->current = down ? EngKey::JUST_PRESSED : EngKey::RELEASED;
}

Ref<runtime::Array> EngKeyboard::record() {
    Ref<runtime::Array> data;
    for (int code = 0; code < TOTAL; ++code) {
        EngKey* key = keyAt(code);
        if (!key || key->current == EngKey::RELEASED) continue;
        if (!data) data = runtime::make<runtime::Array>();
        data->push(runtime::Value(runtime::make<CodeValuePair>(code, key->current)));
    }
    return data;
}

void EngKeyboard::playback(const Ref<runtime::Array>& data) {
    if (!data) return;
    for (const auto& item : data->items) {
        auto* pair = item.as<CodeValuePair>();
        if (!pair) continue;
        // A pair whose code has no record is skipped.
        if (EngKey* key = keyAt(pair->code)) key->current = pair->value;
    }
}

}  // namespace engine

using engine::EngKeyboard;

RUNTIME_DEFINE_CLASS(EngKeyboard, "engine.input.keyboard.EngKeyboard", runtime::Object, (auto& b) {
    b.template field<&EngKeyboard::enabled>("enabled")
        .template field<&EngKeyboard::pressed>("pressed")
        .template field<&EngKeyboard::justPressed>("justPressed")
        .template field<&EngKeyboard::justReleased>("justReleased")
        .template method<&EngKeyboard::checkStatus>("checkStatus")
        .template method<&EngKeyboard::getKeyCode>("getKeyCode")
        .template method<&EngKeyboard::firstPressed>("firstPressed")
        .template method<&EngKeyboard::firstJustPressed>("firstJustPressed")
        .template method<&EngKeyboard::firstJustReleased>("firstJustReleased")
        .template method<&EngKeyboard::reset>("reset")
        .template method<&EngKeyboard::update>("update")
        .emptyInstance();
})
