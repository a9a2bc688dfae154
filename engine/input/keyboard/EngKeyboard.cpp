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
    static const std::pair<const char*, int> corrections[] = {
        {"0_64", 45},    {"0_65", 35},    {"0_67", 34},    {"0_69", -1},    {"0_73", 33},    {"0_266", 46},
        {"123_222", 219}, {"125_187", 221}, {"126_233", 192}, {"0_80", 112},   {"0_81", 113},   {"0_82", 114},
        {"0_83", 115},   {"0_84", 116},   {"0_85", 117},   {"0_86", 118},   {"0_87", 119},   {"0_88", 120},
        {"0_89", 121},   {"0_90", 122},   {"48_224", 48},  {"49_38", 49},   {"50_233", 50},  {"51_34", 51},
        {"52_222", 52},  {"53_40", 53},   {"54_189", 54},  {"55_232", 55},  {"56_95", 56},   {"57_231", 57},
        {"48_64", 96},   {"49_65", 97},   {"50_66", 98},   {"51_67", 99},   {"52_68", 100},  {"53_69", 101},
        {"54_70", 102},  {"55_71", 103},  {"56_72", 104},  {"57_73", 105},  {"43_75", 107},  {"45_77", 109},
        {"47_79", 191},  {"46_78", 110},  {"42_74", 106}};
    for (const auto& [text, code] : corrections) _nativeCorrection.emplace(text, code);

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
    auto it = _nativeCorrection.find(std::to_string(event->charCode) + "_" + std::to_string(event->keyCode));
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
