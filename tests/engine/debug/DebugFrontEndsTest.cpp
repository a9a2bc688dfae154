// The debugging front ends: trace redirection, the replay flags with the pointer, the debugger's
// settings; the preset log styles and the two enumerations.
#include <string>
#include <vector>

#include "../EngineFixture.h"
#include "engine/debug/DebuggerFrontEnd.h"
#include "engine/system/debug/Window.h"
#include "engine/system/debug/ButtonAlignment.h"
#include "engine/system/debug/DebuggerLayout.h"
#include "engine/system/debug/LogStyle.h"
#include "engine/system/frontEnds/ConsoleFrontEnd.h"
#include "engine/system/frontEnds/LogFrontEnd.h"
#include "engine/system/frontEnds/VCRFrontEnd.h"

using engine::EngG;
using engine::LogStyle;
using runtime::make;
using runtime::Ref;

namespace {

// Keeps what reaches advanced.
class RecordingLog : public engine::LogFrontEnd {
public:
    void advanced(const Ref<runtime::Array>& values, const Ref<LogStyle>& style, bool) override {
        lines.push_back(values->items);
        styles.push_back(style);
    }
    std::vector<std::vector<runtime::Value>> lines;
    std::vector<Ref<LogStyle>> styles;
};

// The cursor switches the stage was asked for, in order: true shows, false hides.
std::vector<bool> cursorCalls() {
    std::vector<bool> out;
    for (const auto& c : media::FakeMediaModule::get().callsTo("media_native_stage_show_cursor")) out.push_back(c.args[1].toBool());
    return out;
}

}  // namespace

TEST(LogFrontEndTest, RedirectedTracesReachAdvancedAndComeBack) {
    std::vector<std::string> printed;
    runtime::Trace::setHandler([&](const runtime::Value& v, const runtime::Trace::Position&) { printed.push_back(v.toText()); });
    auto log = make<RecordingLog>();
    Ref<engine::LogFrontEnd> saved = EngG::log;
    EngG::log = log;
    EXPECT_FALSE(log->redirectTraces);
    EXPECT_TRUE(log->set_redirectTraces(true));
    RUNTIME_TRACE("lost");
    ASSERT_EQ(log->lines.size(), 1u);
    EXPECT_EQ(log->lines[0], std::vector<runtime::Value>{runtime::Value("lost")});
    EXPECT_EQ(log->styles[0], LogStyle::NORMAL);
    EXPECT_TRUE(printed.empty());

    log->set_redirectTraces(false);
    EXPECT_FALSE(log->redirectTraces);
    RUNTIME_TRACE("shown");
    EXPECT_EQ(printed, std::vector<std::string>{"shown"});
    EXPECT_EQ(log->lines.size(), 1u);
    EngG::log = saved;
    runtime::Trace::setHandler(nullptr);
}

TEST(DebuggerFrontEndTest, NewFrontEndsHoldTheirSettings) {
    engine::DebuggerFrontEnd debugger;
    EXPECT_EQ(debugger.precision, 3);
    ASSERT_EQ(debugger.toggleKeys.size(), 2u);
    EXPECT_EQ(debugger.toggleKeys[0], "GRAVEACCENT");
    EXPECT_EQ(debugger.toggleKeys[1], "BACKSLASH");
    EXPECT_FALSE(debugger.drawDebug);
    EXPECT_FALSE(debugger.visible);
    int changed = 0;
    debugger.drawDebugChanged->add(runtime::Function::of([&] { ++changed; }));
    EXPECT_TRUE(debugger.set_drawDebug(true));
    EXPECT_TRUE(debugger.drawDebug);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(debugger.track(runtime::Value(), "t"), nullptr);
    EXPECT_EQ(debugger.addButton(engine::ButtonAlignment::LEFT, nullptr, nullptr), nullptr);
    // By name the setter runs.
    Ref<engine::DebuggerFrontEnd> named = make<engine::DebuggerFrontEnd>();
    named->setField("visible", runtime::Value(true));
    EXPECT_TRUE(named->visible);

    EXPECT_TRUE(engine::ConsoleFrontEnd().autoPause);
    engine::VCRFrontEnd vcr;
    EXPECT_FALSE(vcr.paused);
    EXPECT_FALSE(vcr.stepRequested);
}

class VCRFrontEndTest : public EngineFixture {};

TEST_F(VCRFrontEndTest, PauseShowsAndResumeHidesTheEngineCursorOnce) {
    startGame<engine::EngState>();
    for (bool systemCursor : {false, true}) {
        SCOPED_TRACE(systemCursor);
        EngG::mouse->set_useSystemCursor(systemCursor);
        std::size_t before = cursorCalls().size();
        engine::VCRFrontEnd vcr;
        vcr.resume();
        vcr.pause();
        vcr.pause();
        EXPECT_TRUE(vcr.paused);
        vcr.resume();
        vcr.resume();
        EXPECT_FALSE(vcr.paused);
        EXPECT_FALSE(vcr.stepRequested);
        std::vector<bool> calls = cursorCalls();
        calls.erase(calls.begin(), calls.begin() + static_cast<long>(before));
        EXPECT_EQ(calls, systemCursor ? std::vector<bool>() : (std::vector<bool>{true, false}));
    }
}

TEST(LogStyleTest, PresetsAndEnumerations) {
    struct Row {
        Ref<LogStyle> style;
        const char* prefix;
        const char* color;
        bool bold;
        const char* sound;
        bool open;
    };
    for (const Row& r : {Row{LogStyle::NORMAL, "", "FFFFFF", false, nullptr, false},
                         Row{LogStyle::WARNING, "[WARNING] ", "FFFF00", true, "assets/sounds/beep", true},
                         Row{LogStyle::ERROR, "[ERROR] ", "FF0000", true, "assets/sounds/beep", true},
                         Row{LogStyle::NOTICE, "[NOTICE] ", "008000", true, nullptr, false},
                         Row{LogStyle::CONSOLE, "&#62; ", "0000ff", true, nullptr, false}}) {
        SCOPED_TRACE(r.prefix);
        EXPECT_FALSE(r.style->prefix.isNull());
        EXPECT_EQ(r.style->prefix, r.prefix);
        EXPECT_EQ(r.style->color, r.color);
        EXPECT_EQ(r.style->size, 12);
        EXPECT_EQ(r.style->bold, r.bold);
        EXPECT_FALSE(r.style->italic);
        EXPECT_FALSE(r.style->underlined);
        EXPECT_EQ(r.style->errorSound, runtime::String(r.sound));
        EXPECT_EQ(r.style->openConsole, r.open);
        EXPECT_EQ(r.style->callbackFunction, nullptr);
    }
    LogStyle missing(nullptr, nullptr);
    EXPECT_EQ(missing.prefix, "");
    EXPECT_EQ(missing.color, "FFFFFF");
    EXPECT_EQ(LogStyle::staticClass().findStatic("WARNING")->get(nullptr).object(), LogStyle::WARNING.get());

    EXPECT_EQ(runtime::enumText(engine::DebuggerLayout::RIGHT), "DebuggerLayout.RIGHT");
    EXPECT_EQ(runtime::enumFromIndex<engine::DebuggerLayout>(3), engine::DebuggerLayout::TOP);
    EXPECT_EQ(runtime::enumFromName<engine::ButtonAlignment>("MIDDLE"), engine::ButtonAlignment::MIDDLE);
    EXPECT_EQ(runtime::enumText(engine::ButtonAlignment::LEFT), "ButtonAlignment.LEFT");
}
