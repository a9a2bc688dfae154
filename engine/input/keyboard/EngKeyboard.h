#pragma once
// The engine keyboard: listens to the stage's key events and keeps one state record per known
// key, advanced once per engine step so that a key is just pressed or just released for one
// step only.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/input/IEngInput.h"
#include "engine/input/keyboard/EngKey.h"
#include "engine/input/keyboard/EngKeyList.h"
#include "platform/runtime/Array.h"

namespace framework {
class KeyboardEvent;
}

namespace engine {

class CodeValuePair;

class EngKeyboard : public runtime::Object, public IEngInput {
    RUNTIME_CLASS(EngKeyboard)
public:
    // The code range that record and the views' any-key check walk.
    static constexpr int TOTAL = 256;
    using Names = std::vector<runtime::String>;

    EngKeyboard();
    explicit EngKeyboard(runtime::NoInit) {}

    virtual bool anyPressed(const Names* names);
    virtual bool anyJustPressed(const Names* names);
    virtual bool anyJustReleased(const Names* names);
    // The name of the first record in code order exactly in that state; "" when none is.
    virtual runtime::String firstPressed();
    virtual runtime::String firstJustPressed();
    virtual runtime::String firstJustReleased();
    // The record's state equals status; PRESSED also matches JUST_PRESSED, RELEASED also
    // JUST_RELEASED. False for a code without a record.
    virtual bool checkStatus(int keyCode, int status);
    // The code registered under the name exactly as written; 0 when none is.
    virtual int getKeyCode(const runtime::String& name);
    virtual std::vector<runtime::Ref<EngKey>> getIsDown();
    void destroy() override;
    void reset() override;
    virtual void addKey(const runtime::String& name, int code);
    void update() override;
    // True as soon as one name (upper-cased) is in the status.
    virtual bool checkKeyStatus(const Names* names, int status);
    virtual void onKeyUp(const runtime::Ref<framework::KeyboardEvent>& event);
    virtual void onKeyDown(const runtime::Ref<framework::KeyboardEvent>& event);
    // A name is "ANY" or is registered, exactly as written, under the code.
    virtual bool inKeyArray(const Names* names, int keyCode);
    virtual int resolveKeyCode(const runtime::Ref<framework::KeyboardEvent>& event);
    virtual void updateKeyStates(int keyCode, bool down);
    void onFocus() override {}
    void onFocusLost() override { reset(); }
    // One pair per code 0..255 whose key is not RELEASED; null when every key is up.
    virtual runtime::Ref<runtime::Array> record();
    virtual void playback(const runtime::Ref<runtime::Array>& record);

    bool hasKey(int code) const { return keyAt(code) != nullptr; }

    bool enabled = true;
    runtime::Ref<EngKeyList> pressed;
    runtime::Ref<EngKeyList> justPressed;
    runtime::Ref<EngKeyList> justReleased;
    // Indexed by key code; null at codes without a key.
    std::vector<runtime::Ref<EngKey>> _keyList;
    std::unordered_map<std::string, int> _keyLookup;
    // An event's character code and key code (correctionKey) to the code used instead.
    std::unordered_map<std::int64_t, int> _nativeCorrection;
    static constexpr std::int64_t correctionKey(int charCode, int keyCode) {
        return (static_cast<std::int64_t>(charCode) << 32) | static_cast<std::uint32_t>(keyCode);
    }

private:
    EngKey* keyAt(int code) const {
        return code >= 0 && code < static_cast<int>(_keyList.size()) ? _keyList[code].get() : nullptr;
    }
    runtime::String firstWith(int state);
    bool destroyed_ = false;
};

}  // namespace engine
