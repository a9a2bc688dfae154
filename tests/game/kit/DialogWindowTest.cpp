// The yes/no question and the message windows: layout, key hints, answers through the UI root,
// the fourteen static windows and their texts.
#include "KitFixture.h"
#include "framework/events/MouseEvent.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/YesNoWindow.h"
#include "game/ui/UI.h"

using game::BasicButton;
using game::BasicWindow;
using game::MessageWindow;
using game::TextSprite;
using game::YesNoWindow;
using runtime::make;
using runtime::Ref;

namespace {
// A stand-in UI root that logs the operations the windows ask of it.
class LoggingUIRoot : public game::UI {
    RUNTIME_CLASS(LoggingUIRoot)
public:
    LoggingUIRoot() : game::UI(runtime::NoInit{}) {}
    static inline std::vector<std::string> log;
    void closeYesNoWin() override { log.push_back("closeYesNoWin"); }
    void closeMessageWin() override { log.push_back("closeMessageWin"); }
};

std::vector<std::string> texts(framework::DisplayObjectContainer& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.get_numChildren(); ++i)
        if (auto t = c.getChildAt(i).cast<TextSprite>()) out.push_back(t->text.str());
    return out;
}
std::vector<Ref<BasicButton>> buttons(framework::DisplayObjectContainer& c) {
    std::vector<Ref<BasicButton>> out;
    for (int i = 0; i < c.get_numChildren(); ++i)
        if (auto b = c.getChildAt(i).cast<BasicButton>()) out.push_back(b);
    return out;
}
std::vector<Ref<BasicWindow>> hintBoxes(framework::DisplayObjectContainer& c) {
    std::vector<Ref<BasicWindow>> out;
    for (int i = 1; i < c.get_numChildren(); ++i)
        if (auto b = c.getChildAt(i).cast<BasicWindow>()) out.push_back(b);
    return out;
}
}  // namespace

RUNTIME_DEFINE_CLASS(LoggingUIRoot, "LoggingUIRoot", game::UI, (auto&) {})

class DialogWindowTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        LoggingUIRoot::log.clear();
        game::Game::ui = make<LoggingUIRoot>();
        game::GameData::azerty = false;
    }
};

TEST_F(DialogWindowTest, AOneLineQuestionLaysOutButtonsAndKeyHints) {
    for (bool azerty : {false, true}) {
        game::GameData::azerty = azerty;
        auto win = make<YesNoWindow>("Go down?", runtime::Function::of([] {}), runtime::Function::of([] {}));
        EXPECT_EQ(win->winWidth, 300);
        EXPECT_EQ(win->winHeight, 134);
        auto answers = buttons(*win);
        ASSERT_EQ(answers.size(), 2u);
        EXPECT_EQ(answers[0]->get_x(), 59);
        EXPECT_EQ(answers[0]->get_y(), 54);
        EXPECT_EQ(answers[1]->get_x(), 159);
        EXPECT_EQ(answers[1]->buttonWidth, 80);
        auto boxes = hintBoxes(*win);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0]->get_x(), 87);
        EXPECT_EQ(boxes[0]->get_y(), 91);
        EXPECT_EQ(boxes[1]->get_x(), 187);
        EXPECT_EQ(texts(*boxes[0]), std::vector<std::string>{azerty ? "A" : "Q"});
        EXPECT_EQ(texts(*boxes[1]), std::vector<std::string>{"E"});
        // Behind-to-front: frame, question, yes box, Yes, no box, No.
        EXPECT_EQ(win->getChildIndex(boxes[0]) + 1, win->getChildIndex(answers[0]));
        auto question = win->getChildAt(1).cast<TextSprite>();
        EXPECT_EQ(question->get_x(), 20);
        EXPECT_EQ(question->get_y(), 20);
    }
    game::Game::mobile = true;
    auto touch = make<YesNoWindow>("Go down?", runtime::Function::of([] {}), runtime::Function::of([] {}));
    EXPECT_TRUE(hintBoxes(*touch).empty());
    EXPECT_EQ(touch->get_numChildren(), 4);
}

TEST_F(DialogWindowTest, AnAnswerClosesTheWindowBeforeItsFunctionRuns) {
    auto& log = LoggingUIRoot::log;
    auto win = make<YesNoWindow>("Go down?", runtime::Function::of([&] { log.push_back("yes"); }),
                                 runtime::Function::of([&] { log.push_back("no"); }));
    auto answers = buttons(*win);
    answers[0]->dispatchEvent(make<framework::MouseEvent>("click"));
    answers[1]->dispatchEvent(make<framework::MouseEvent>("click"));
    win->yes();
    EXPECT_EQ(log, (std::vector<std::string>{"closeYesNoWin", "yes", "closeYesNoWin", "no", "closeYesNoWin", "yes"}));

    YesNoWindow::createCachedWindows();
    ASSERT_TRUE(YesNoWindow::ESCAPE_WINGS_CONFIRMATION);
    auto question = YesNoWindow::ESCAPE_WINGS_CONFIRMATION->getChildAt(1).cast<TextSprite>();
    EXPECT_EQ(question->text.str(), "Use the wings to escape the cave?");
    log.clear();
    YesNoWindow::ESCAPE_WINGS_CONFIRMATION->no();
    EXPECT_EQ(log, std::vector<std::string>{"closeYesNoWin"});
}

TEST_F(DialogWindowTest, AMessageWindowStacksItsElementsAboveItsOKButton) {
    auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "One line", true, 260, 2, true);
    auto win = make<MessageWindow>(MessageWindow::Contents{text});
    EXPECT_EQ(win->winWidth, 300);
    EXPECT_EQ(win->winHeight, text->textHeight + 80);
    EXPECT_EQ(text->get_x(), 20);
    EXPECT_EQ(text->get_y(), 20);
    auto ok = buttons(*win);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0]->get_x(), 100);
    EXPECT_EQ(ok[0]->get_y(), text->textHeight + 30);
    EXPECT_EQ(ok[0]->buttonHeight, 30);
    ok[0]->dispatchEvent(make<framework::MouseEvent>("click"));
    EXPECT_EQ(LoggingUIRoot::log, std::vector<std::string>{"closeMessageWin"});

    game::GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
    game::ItemIcon::createNameCaches();
    auto icon = make<game::ItemIcon>(make<game::Item>(make<game::ItemData>(0, -1, "Potion"), false));
    auto withIcon = make<MessageWindow>(MessageWindow::Contents{icon});
    EXPECT_EQ(withIcon->winHeight, 70 + 58);
    EXPECT_EQ(icon->get_x(), 150 - 24);
    EXPECT_EQ(icon->get_y(), 20);
}

TEST_F(DialogWindowTest, TheStaticWindowsHoldTheirTexts) {
    MessageWindow::createStaticWindows();
    const std::pair<Ref<MessageWindow>*, std::vector<std::string>> windows[] = {
        {&MessageWindow::WIN_INTRO,
         {"Welcome, Explorer!",
          "After a day of travel and a restful night at the inn, you're ready to explore the glintvault you've heard so "
          "much about.",
          "Click to move to that location, or use WASD or the arrow keys to move.",
          "Feel free to go into the cave now, or talk to the citizens of the town first!"}},
        {&MessageWindow::WIN_RUN_AWAY,
         {"Running Away", "Want to run away? Click on any open tile during a battle."}},
        {&MessageWindow::WIN_NEW_GAME_PLUS,
         {"New Game+ Unlocked!", "Keep all your stuff and play through again, but with much tougher monsters!",
          "(Available from the save slot screen)"}},
        {&MessageWindow::WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST, {"You must finish or quit your current run first!"}},
    };
    for (auto& [win, expected] : windows) {
        ASSERT_TRUE(*win);
        EXPECT_EQ(texts(**win), expected);
        EXPECT_EQ((*win)->winWidth, 300);
    }
    Ref<MessageWindow> all[] = {MessageWindow::WIN_WINGS,         MessageWindow::WIN_LOW_HEALTH,
                                MessageWindow::WIN_NEW_SHOP,      MessageWindow::WIN_LOTSA_ITEMS,
                                MessageWindow::WIN_BATTLE_SPEED,  MessageWindow::WIN_CRAFTING,
                                MessageWindow::WIN_BEAT_THE_SORCEROR, MessageWindow::WIN_BEAT_THE_DEMON,
                                MessageWindow::WIN_MUSEUM,        MessageWindow::WIN_ENEMY_DETAILS};
    for (auto& w : all) EXPECT_TRUE(w);
    EXPECT_EQ(MessageWindow::WIN_BEAT_THE_DEMON->getChildAt(1).cast<TextSprite>()->font.get(),
              TextSprite::MEDIEVAL_SANS_20.get());
    EXPECT_EQ(MessageWindow::WIN_WINGS->getChildAt(1).cast<TextSprite>()->font.get(),
              TextSprite::MEDIEVAL_SANS_20_OUTLINE.get());

    // Battle speed: title, text, the 46 x 48 settings picture centred, text.
    auto& speed = *MessageWindow::WIN_BATTLE_SPEED;
    auto t1 = speed.getChildAt(1).cast<TextSprite>(), t2 = speed.getChildAt(2).cast<TextSprite>(),
         t3 = speed.getChildAt(4).cast<TextSprite>();
    auto picture = speed.getChildAt(3);
    EXPECT_EQ(picture->get_x(), 127);
    EXPECT_EQ(picture->get_y(), 20 + t1->textHeight + 10 + t2->textHeight + 10);
    EXPECT_EQ(speed.winHeight, 70 + t1->textHeight + t2->textHeight + t3->textHeight + 48 + 40);
    EXPECT_EQ(MessageWindow::WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST->getChildAt(1)->get_y(), 20);

    game::Game::mobile = true;
    MessageWindow::createStaticWindows();
    EXPECT_EQ(texts(*MessageWindow::WIN_INTRO)[2], "Tap to move to that location.");
    EXPECT_EQ(texts(*MessageWindow::WIN_RUN_AWAY)[1], "Want to run away? Tap on any open tile during a battle.");
}
