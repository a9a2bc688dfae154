// Keys through real stage key records: the per-step life of a press, repeats, corrections,
// the status views, names and hot keys.
#include <string>

#include "../EngineFixture.h"
#include "engine/input/keyboard/EngKey.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/system/replay/CodeValuePair.h"

using engine::EngG;
using engine::EngKey;
using runtime::make;
using runtime::Ref;

namespace {
class EngKeyboardTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        startGame<engine::EngState>();
        keys = EngG::keys.get();
    }
    int state(int code) { return keys->_keyList[code]->current; }
    void step() { frame(17); }  // one engine step (60/60)
    engine::EngKeyboard* keys = nullptr;
};
}  // namespace

TEST_F(EngKeyboardTest, PressLivesOneStepAsJustPressed) {
    key(true, 65, 97);
    EXPECT_EQ(state(EngKey::A), EngKey::JUST_PRESSED);
    step();
    EXPECT_TRUE(keys->justPressed->get_A());
    EXPECT_TRUE(keys->pressed->get_A());
    EXPECT_TRUE(keys->pressed->get_ANY());
    EXPECT_TRUE(keys->justPressed->get_ANY());
    EXPECT_TRUE(keys->checkStatus(EngKey::A, EngKey::PRESSED));
    step();
    EXPECT_EQ(state(EngKey::A), EngKey::PRESSED);
    EXPECT_FALSE(keys->justPressed->get_A());
    EXPECT_FALSE(keys->checkStatus(EngKey::A, EngKey::JUST_PRESSED));
    key(true, 65, 97);  // repeat of a held key
    EXPECT_EQ(state(EngKey::A), EngKey::PRESSED);
    EXPECT_EQ(keys->firstPressed(), runtime::String("A"));
    key(false, 65, 97);
    step();
    EXPECT_TRUE(keys->justReleased->get_A());
    EXPECT_TRUE(keys->checkStatus(EngKey::A, EngKey::RELEASED));
    step();
    EXPECT_EQ(state(EngKey::A), EngKey::RELEASED);

    // Pressed and released between two steps: never just pressed.
    key(true, 66);
    key(false, 66);
    step();
    EXPECT_EQ(state(EngKey::B), EngKey::JUST_RELEASED);
    EXPECT_FALSE(keys->justPressed->get_B());
    step();
    EXPECT_EQ(state(EngKey::B), EngKey::RELEASED);

    // A repeat before any step saw the press turns it into a plain press.
    key(true, 67, 99);
    key(true, 67, 99);
    EXPECT_EQ(state(EngKey::C), EngKey::PRESSED);
    EXPECT_EQ(keys->firstJustPressed(), runtime::String(""));
    EXPECT_EQ(keys->getIsDown().size(), 1u);
    auto rec = keys->record();
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->length(), 1);
    EXPECT_EQ(rec->at(0).as<engine::CodeValuePair>()->code, EngKey::C);

    // A state switch resets the keys: a held key reads released until its next key-down.
    EngG::switchState(make<engine::EngState>());
    step();
    EXPECT_EQ(state(EngKey::C), EngKey::RELEASED);
    EXPECT_EQ(keys->record(), nullptr);
    key(true, 67, 99);
    EXPECT_EQ(state(EngKey::C), EngKey::JUST_PRESSED);
}

TEST_F(EngKeyboardTest, CorrectionsSharedRecordsAndNames) {
    key(true, 69, 0);  // "0_69" is ignored
    EXPECT_TRUE(keys->getIsDown().empty());
    key(true, 64, 0);  // "0_64" is INSERT, not code 64
    EXPECT_EQ(state(EngKey::INSERT), EngKey::JUST_PRESSED);
    key(false, 64, 0);
    key(true, 79, 47);  // "47_79": the slash
    step();
    step();
    EXPECT_TRUE(keys->pressed->get_SLASH());
    EXPECT_TRUE(keys->pressed->get_NUMPADSLASH());
    EXPECT_EQ(keys->firstPressed(), runtime::String("NUMPADSLASH"));
    key(false, 79, 47);

    std::vector<runtime::String> escape{"escape"}, any{"ANY"}, lowerAny{"any"};
    key(true, 27);
    EXPECT_TRUE(keys->anyPressed(&escape));
    EXPECT_EQ(keys->getKeyCode("escape"), 0);
    EXPECT_EQ(keys->getKeyCode("ESCAPE"), 27);
    EXPECT_FALSE(keys->inKeyArray(&escape, 27));
    EXPECT_TRUE(keys->inKeyArray(&any, 5));
    EXPECT_FALSE(keys->inKeyArray(&lowerAny, 5));
    EXPECT_FALSE(keys->anyPressed(nullptr));
    for (int code : {-1, 0, 400}) EXPECT_FALSE(keys->pressed->check(code)) << code;

    // PRINTSCREEN lies above the any-key range and outside record.
    keys->updateKeyStates(EngKey::PRINTSCREEN, true);
    key(false, 27);
    step();
    step();
    EXPECT_TRUE(keys->pressed->get_PRINTSCREEN());
    EXPECT_FALSE(keys->pressed->get_ANY());
    EXPECT_EQ(keys->record(), nullptr);

    // Disabled: key events change nothing; queries still work.
    keys->enabled = false;
    key(true, 68);
    EXPECT_EQ(state(EngKey::D), EngKey::RELEASED);

    // By name through the view's properties.
    keys->enabled = true;
    key(true, 13);
    step();
    EXPECT_TRUE(keys->justPressed->getField("ENTER").toBool());
    EXPECT_FALSE(keys->justPressed->getField("SPACE").toBool());
}

TEST_F(EngKeyboardTest, VolumeHotKeysOnRelease) {
    auto& sound = *EngG::sound;
    std::vector<double> told;
    sound.volumeHandler = runtime::Function::of([&](double v) { told.push_back(v); });
    sound.set_volume(0.95);
    key(true, 187);
    key(false, 187);  // PLUS
    EXPECT_DOUBLE_EQ(sound.volume, 1);
    key(false, 48);  // ZERO mutes
    EXPECT_TRUE(sound.muted);
    key(false, 48);
    EXPECT_FALSE(sound.muted);
    key(false, 48);
    key(false, 189);  // MINUS also clears mute
    EXPECT_FALSE(sound.muted);
    EXPECT_DOUBLE_EQ(sound.volume, 0.9);
    EXPECT_EQ(told, (std::vector<double>{0.95, 1, 0, 1, 0, 0.9}));
    sound.set_volume(0);
    key(false, 189);
    EXPECT_DOUBLE_EQ(sound.volume, 0);
    // With the lists switched off, no key changes volume or mute.
    sound.volumeUpKeys = sound.volumeDownKeys = sound.muteKeys = nullptr;
    key(false, 48);
    key(false, 187);
    EXPECT_FALSE(sound.muted);
    EXPECT_DOUBLE_EQ(sound.volume, 0);
}

TEST_F(EngKeyboardTest, InputFrontEndListsOneOfAClass) {
    auto& list = EngG::inputs->list;
    ASSERT_EQ(list.size(), 3u);  // keyboard, mouse, gamepads
    EXPECT_EQ(list[0].get(), EngG::keys.get());
    EXPECT_EQ(list[1].get(), EngG::mouse.get());
    EXPECT_EQ(list[2].get(), EngG::gamepads.get());
    auto second = make<engine::EngKeyboard>();
    EXPECT_EQ(EngG::inputs->add(second), second);
    EXPECT_EQ(list.size(), 3u);
    // A view answers for EngG::keys whichever keyboard made it.
    key(true, 65, 97);
    EXPECT_TRUE(second->pressed->get_A());
    // Replacing needs the listed object itself.
    auto mouse = make<engine::EngMouse>(game->_inputContainer);
    EXPECT_EQ(EngG::inputs->replace(make<engine::EngMouse>(nullptr), mouse), nullptr);
    auto old = EngG::mouse;
    EXPECT_EQ(EngG::set_mouse(mouse), mouse);
    EXPECT_EQ(list[1].get(), mouse.get());
    EXPECT_FALSE(old->cursorContainer);  // the old mouse was destroyed
}
