// The frame loop: fixed steps under the accumulator cap, variable steps, state switches and
// resets in their order, the splash hand-over and focus handling.
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "engine/EngG.h"
#include "engine/input/IEngInput.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "engine/system/frontEnds/SignalFrontEnd.h"
#include "engine/system/frontEnds/VCRFrontEnd.h"
#include "engine/text/PxBitmapFont.h"
#include "engine/util/EngRect.h"
#include "framework/events/FocusEvent.h"
#include "platform/runtime/Args.h"

using engine::EngG;
using engine::EngState;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

std::vector<std::string> journal;
int stateCount = 0;

// A state that logs its life: "create N", "update N", "draw N", "destroy N".
class LoggingState : public EngState {
    RUNTIME_CLASS(LoggingState)
public:
    LoggingState() : n(++stateCount) {}
    explicit LoggingState(runtime::NoInit n) : EngState(n) {}
    void create() override { journal.push_back("create " + std::to_string(n)); }
    void update() override {
        journal.push_back("update " + std::to_string(n));
        if (onUpdate) onUpdate(this);
    }
    void draw() override { journal.push_back("draw " + std::to_string(n)); }
    void destroy() override {
        journal.push_back("destroy " + std::to_string(n));
        EngState::destroy();
    }
    int n = 0;
    static inline std::function<void(LoggingState*)> onUpdate;
};

// An input that logs its step.
class LoggingInput : public runtime::Object, public engine::IEngInput {
public:
    void reset() override { journal.push_back("input reset"); }
    void update() override { journal.push_back("input update"); }
    void onFocus() override { journal.push_back("input focus"); }
    void onFocusLost() override { journal.push_back("input focus lost"); }
    void destroy() override {}
};

void logSignal(const Ref<engine::EngSignal0>& signal, const std::string& name) {
    signal->add(Function::of([name] { journal.push_back(name); }));
}

class EngGameTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        journal.clear();
        stateCount = 0;
        LoggingState::onUpdate = nullptr;
    }
    void TearDown() override {
        LoggingState::onUpdate = nullptr;
        EngineFixture::TearDown();
    }
    int countOf(const std::string& entry) const { return static_cast<int>(std::count(journal.begin(), journal.end(), entry)); }
};

}  // namespace

RUNTIME_DEFINE_CLASS(LoggingState, "tests.engine.LoggingState", engine::EngState, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value*, int) -> Ref<runtime::Object> { return make<LoggingState>(); });
})

TEST_F(EngGameTest, StepLengthAndCapFollowTheFrameRates) {
    struct Case {
        int update, draw, stepMS, cap, readBack;
    };
    for (Case c : {Case{60, 60, 16, 32, 62}, Case{30, 30, 33, 65, 30}, Case{60, 30, 16, 65, 62}}) {
        startGame<LoggingState>(c.update, c.draw);
        EXPECT_EQ(game->_stepMS, c.stepMS) << c.update << "/" << c.draw;
        EXPECT_DOUBLE_EQ(game->_stepSeconds, c.stepMS / 1000.0);
        EXPECT_EQ(game->_maxAccumulation, c.cap);
        EXPECT_EQ(game->_accumulator, c.stepMS);
        EXPECT_EQ(EngG::get_updateFramerate(), c.readBack);
        stage()->removeChild(game);
        game = nullptr;
        freshGlobals();
    }
    // Update first, then draw: 30/30 to 60/60 gives 16 and 32; the update rate alone leaves the cap.
    startGame<LoggingState>(30, 30);
    EngG::set_updateFramerate(60);
    EXPECT_EQ(game->_maxAccumulation, 65);
    EngG::set_drawFramerate(60);
    EXPECT_EQ(game->_stepMS, 16);
    EXPECT_EQ(game->_maxAccumulation, 32);
}

TEST_F(EngGameTest, FixedStepRunsWhileTheAccumulatorExceedsTheStep) {
    startGame<LoggingState>();
    journal.clear();
    auto stepsOf = [&](int elapsed) {
        journal.clear();
        frame(elapsed);
        EXPECT_EQ(countOf("draw 1"), 1) << "one draw per frame";
        return countOf("update 1");
    };
    EXPECT_EQ(stepsOf(16), 1);  // 16 + 16 = 32 > 16: one step, 16 left
    EXPECT_EQ(game->_accumulator, 16);
    EXPECT_EQ(stepsOf(0), 0);   // exactly one step's worth: no step, the draw still happens
    EXPECT_EQ(stepsOf(100), 1); // capped to 32: the game slows down instead of catching up
    EXPECT_DOUBLE_EQ(EngG::elapsed, 0.016);

    // Update 60, draw 30: a long frame runs at most four steps.
    stage()->removeChild(game);
    freshGlobals();
    startGame<LoggingState>(60, 30);
    journal.clear();
    frame(500);
    EXPECT_EQ(countOf("update 2"), 4);
    EXPECT_EQ(game->_accumulator, 1);
}

TEST_F(EngGameTest, VariableStepRunsOnceAFrameWithBoundedElapsed) {
    startGame<LoggingState>();
    EngG::fixedTimestep = false;
    EngG::timeScale = 2;
    journal.clear();
    frame(30);
    EXPECT_EQ(countOf("update 1"), 1);
    EXPECT_DOUBLE_EQ(EngG::elapsed, 0.06);
    frame(500);
    EXPECT_EQ(countOf("update 1"), 2);
    EXPECT_DOUBLE_EQ(EngG::elapsed, 0.2);  // maxElapsed x timeScale
    frame(0);
    EXPECT_EQ(countOf("update 1"), 3);
}

TEST_F(EngGameTest, SwitchHappensAtTheStartOfTheNextStepInItsOrder) {
    startGame<LoggingState>();
    EXPECT_EQ(journal, (std::vector<std::string>{"create 1"}));
    EngG::inputs->list.insert(EngG::inputs->list.begin(), make<LoggingInput>());
    logSignal(EngG::signals->stateSwitched, "stateSwitched");
    logSignal(EngG::signals->preUpdate, "preUpdate");
    logSignal(EngG::signals->postUpdate, "postUpdate");
    logSignal(EngG::signals->gameStarted, "gameStarted");
    logSignal(EngG::signals->gameReset, "gameReset");
    Ref<EngState> next = make<LoggingState>();  // state 2
    LoggingState::onUpdate = [&](LoggingState* s) {
        if (s->n == 1) {
            EngG::switchState(next);
            journal.push_back("requested");
        }
    };
    journal.clear();
    frame(16);
    frame(16);
    EXPECT_EQ(journal, (std::vector<std::string>{"preUpdate", "input update", "update 1", "requested", "postUpdate",
                                                 "draw 1",
                                                 // the next step: the switch comes first
                                                 "input reset", "stateSwitched", "destroy 1", "create 2", "preUpdate",
                                                 "input update", "update 2", "postUpdate", "draw 2"}));
    EXPECT_EQ(EngG::get_state(), next);

    // resetState asks for a new state of the same class; resetGame for a fresh initial state
    // (without a splash every reset also announces the start again).
    journal.clear();
    EngG::resetGame();
    frame(16);
    EXPECT_EQ(journal.front(), "gameReset");
    EXPECT_EQ(countOf("destroy 2"), 1);
    EXPECT_EQ(countOf("create 3"), 1);
    EXPECT_EQ(countOf("gameStarted"), 1);
    auto created = std::find(journal.begin(), journal.end(), "create 3");
    EXPECT_EQ(*(created + 1), "gameStarted");
    EXPECT_EQ(EngG::worldBounds->x, -10);
    EXPECT_EQ(EngG::worldBounds->width, 980);
    EXPECT_EQ(EngG::worldBounds->height, 560);
}

TEST_F(EngGameTest, InactiveStateStopsTheStepButNotTheDraw) {
    startGame<LoggingState>();
    frame(16);
    double elapsed = EngG::elapsed;
    EngG::get_state()->active = false;
    EngG::switchState(make<LoggingState>());
    journal.clear();
    frame(16);
    EXPECT_EQ(journal, (std::vector<std::string>{"draw 1"}));  // no switch, no update
    EXPECT_EQ(EngG::elapsed, elapsed);
}

TEST_F(EngGameTest, SplashIsShownOnceThenHandsOver) {
    startGame<LoggingState>(60, 60, false);
    EXPECT_TRUE(dynamic_cast<engine::EngSplash*>(EngG::get_state().get()));
    EXPECT_EQ(engine::EngSplash::nextState, &LoggingState::staticClass());
    int started = 0;
    EngG::signals->gameStarted->add(Function::of([&] { ++started; }));
    // The splash hands over when its logo has faded, about 3.7 s of engine time on.
    for (int i = 0; i < 60 && countOf("create 1") == 0; ++i) frame(100);
    EXPECT_EQ(countOf("create 1"), 1);
    EXPECT_EQ(started, 1);
    // Later resets make the initial state directly and no longer announce a start.
    EngG::resetGame();
    frame(16);
    EXPECT_EQ(countOf("create 2"), 1);
    EXPECT_EQ(started, 1);
}

TEST_F(EngGameTest, FocusLossPausesFramesAndTheFirstFocusInIsIgnored) {
    startGame<LoggingState>();
    EngG::inputs->list.push_back(make<LoggingInput>());
    auto focus = [&](const runtime::String& type) { stage()->dispatchEvent(make<framework::FocusEvent>(type)); };
    focus(framework::FocusEvent::FOCUS_IN);  // the first one changes nothing
    EXPECT_FALSE(game->_lostFocus);
    journal.clear();
    focus(framework::FocusEvent::FOCUS_OUT);
    EXPECT_TRUE(game->_lostFocus);
    EXPECT_EQ(stage()->frameRate, 10);
    EXPECT_EQ(journal, (std::vector<std::string>{"input focus lost"}));
    journal.clear();
    frame(16);
    frame(500);  // time passes without focus and is not stepped later
    EXPECT_TRUE(journal.empty());
    focus(framework::FocusEvent::FOCUS_IN);
    EXPECT_FALSE(game->_lostFocus);
    EXPECT_EQ(stage()->frameRate, 60);
    journal.clear();
    frame(16);
    EXPECT_EQ(countOf("update 1"), 1);

    // Without pausing, focus changes only reach the signals and the state.
    EngG::autoPause = false;
    focus(framework::FocusEvent::FOCUS_OUT);
    journal.clear();
    frame(16);
    EXPECT_EQ(countOf("update 1"), 1);
}

TEST_F(EngGameTest, PausedReplaySkipsFramesUnlessAStepIsRequested) {
    startGame<LoggingState>();
    EngG::vcr->pause();
    journal.clear();
    frame(16);
    EXPECT_TRUE(journal.empty());
    EngG::vcr->stepRequested = true;
    frame(16);
    EXPECT_EQ(countOf("update 1"), 1);
    EXPECT_FALSE(EngG::vcr->stepRequested);
    // A pending switch is carried out while paused.
    EngG::switchState(make<LoggingState>());
    journal.clear();
    frame(16);
    EXPECT_EQ(countOf("create 2"), 1);
}

TEST_F(EngGameTest, SettingsBeforeTheStageAreResetThere) {
    game = make<engine::EngGame>(960, 540, &LoggingState::staticClass(), 1.0, 60, 60, true);
    EngG::fixedTimestep = false;
    EngG::autoPause = false;
    stage()->addChild(game);
    EXPECT_TRUE(EngG::fixedTimestep);
    EXPECT_TRUE(EngG::autoPause);
    EXPECT_EQ(EngG::width, 960);
    // The default scale mode fits 960 x 540 into the stage exactly.
    EXPECT_DOUBLE_EQ(game->get_scaleX(), 1.0);
    EXPECT_DOUBLE_EQ(game->get_x(), 0.0);
}

TEST_F(EngGameTest, StoredBitmapFontsGoOnResetAndStateSwitch) {
    startGame<LoggingState>();
    auto font = make<engine::PxBitmapFont>();
    engine::PxBitmapFont::store("ui", font);
    EngG::resetGame();
    frame(16);
    EXPECT_EQ(engine::PxBitmapFont::fetch("ui"), nullptr);
    EXPECT_EQ(font->glyphs(), nullptr);  // disposed
    engine::PxBitmapFont::store("ui", make<engine::PxBitmapFont>());
    EngG::switchState(make<LoggingState>());
    frame(16);
    EXPECT_EQ(engine::PxBitmapFont::fetch("ui"), nullptr);
}
