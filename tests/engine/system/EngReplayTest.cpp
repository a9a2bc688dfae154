// Replay text: record lines written and read back, malformed parts skipped, recording from the
// live keyboard and mouse and playback into them.
#include <string>

#include "../EngineFixture.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/replay/CodeValuePair.h"
#include "engine/system/replay/EngReplay.h"
#include "engine/system/replay/FrameRecord.h"

using engine::CodeValuePair;
using engine::EngG;
using engine::EngReplay;
using engine::FrameRecord;
using runtime::make;

namespace {

CodeValuePair* pairAt(const FrameRecord& r, int i) { return dynamic_cast<CodeValuePair*>(r.keys->at(i).object()); }

}  // namespace

TEST(FrameRecordTest, LinesRoundTrip) {
    for (const char* line : {"15k65:2,83:1m120,200,0,0", "16km121,200,0,0", "3k65:1m", "12km", "7km-4,9,-2,-1"}) {
        auto r = make<FrameRecord>();
        r->load(line);
        EXPECT_EQ(r->save(), line);
    }
    auto r = make<FrameRecord>();
    r->load("15k65:2,83:1m120,200,0,0");
    EXPECT_EQ(r->frame, 15);
    ASSERT_EQ(r->keys->length(), 2);
    EXPECT_EQ(pairAt(*r, 1)->code, 83);
    EXPECT_EQ(pairAt(*r, 1)->value, 1);
    ASSERT_NE(r->mouse, nullptr);
    EXPECT_EQ(r->mouse->x, 120);
    EXPECT_EQ(r->mouse->y, 200);
}

TEST(FrameRecordTest, MalformedPartsAreSkipped) {
    struct Case {
        const char* line;
        int frame;
        int keys;  // -1: no key list
        bool mouse;
    };
    for (const Case& c : {Case{"4k65:2:1,70:1m120,200,0", 4, 1, false}, Case{"4k65:2:1m120,200,0,0,9", 4, -1, true},
                          Case{"xk65m", 0, -1, false}, Case{"9kq:1,:m,,,", 9, 2, true}, Case{"no key part", 0, -1, false},
                          Case{"5k0x10:2m", 5, 1, false}}) {
        SCOPED_TRACE(c.line);
        auto r = make<FrameRecord>();
        r->load(c.line);
        EXPECT_EQ(r->frame, c.frame);
        EXPECT_EQ(r->keys ? r->keys->length() : -1, c.keys);
        EXPECT_EQ(r->mouse != nullptr, c.mouse);
    }
    auto hex = make<FrameRecord>();
    hex->load("5k0x10:2m");
    EXPECT_EQ(pairAt(*hex, 0)->code, 16);
}

TEST(EngReplayTextTest, SeedOnlyAndShortLines) {
    EngReplay replay;
    replay.load("7\n");
    EXPECT_EQ(replay.seed, 7);
    EXPECT_EQ(replay.frameCount, 0);
    EXPECT_EQ(replay.save(), nullptr);
    replay.playNextFrame();
    EXPECT_TRUE(replay.finished);

    replay.load("x\n3km\n12km\n\n");
    EXPECT_EQ(replay.seed, 0);
    ASSERT_EQ(replay.frameCount, 1);
    EXPECT_EQ(replay._frames[0]->frame, 12);
    EXPECT_EQ(replay.save(), "0\n12km\n");

    const std::string text = "42\n0km5,6,2,0\n15k65:2,83:1m120,200,0,0\n16km121,200,0,0\n";
    replay.load(text);
    EXPECT_EQ(replay.save(), text);
}

class EngReplayTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        scriptPointer();
        pointerX = 120;
        pointerY = 200;
        startGame<engine::EngState>();
        frame(17);
    }
};

TEST_F(EngReplayTest, RecordsStepsWithInputAndPlaysThemBack) {
    EngReplay replay;
    replay.create(99);
    replay.recordFrame();  // the pointer is new to the mouse: a mouse-only record
    replay.recordFrame();  // nothing changed: only the counter
    key(true, 65, 97);
    frame(17);
    replay.recordFrame();  // key 65 just pressed, pointer unchanged
    EXPECT_EQ(replay.frame, 3);
    ASSERT_EQ(replay.frameCount, 2);
    std::string text = replay.save().str();
    EXPECT_EQ(text, "99\n0km120,200,0,0\n2k65:2m\n");

    key(false, 65, 97);
    frame(17);
    frame(17);
    EngReplay player;
    player.load(text);
    EXPECT_EQ(player.seed, 99);
    player.playNextFrame();  // step 0: the mouse record
    EXPECT_FALSE(EngG::keys->checkStatus(65, 2));
    player.playNextFrame();  // step 1: no record, every input released
    EXPECT_EQ(player._marker, 1);
    player.playNextFrame();  // step 2: key 65 just pressed
    EXPECT_TRUE(EngG::keys->checkStatus(65, 2));
    EXPECT_FALSE(player.finished);
    player.playNextFrame();
    EXPECT_TRUE(player.finished);
    EXPECT_FALSE(EngG::keys->checkStatus(65, 2));

    player.rewind();
    EXPECT_EQ(player.frame, 0);
    EXPECT_FALSE(player.finished);
    player.destroy();
    EXPECT_EQ(player.frameCount, 2);
}
