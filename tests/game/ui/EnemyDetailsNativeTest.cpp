// The enemy details window: its size for each kind of content, the element rows, the weakness,
// the boss note, the met-monster list, the HP bar and the slide in and fade out.
#include <cmath>

#include "HudFixture.h"
#include "framework/assets/Assets.h"
#include "game/battle/Element.h"
#include "game/battle/Monster.h"
#include "game/data/MonsterData.h"
#include "game/floor/Tile.h"
#include "game/ui/EnemyDetailsWindow.h"

using game::EnemyDetailsWindow;
using game::GameData;
using game::Monster;
using game::MonsterData;
using runtime::make;
using runtime::Ref;

class EnemyDetailsTest : public HudFixture {
protected:
    game::Tile tile{3, 4};
    void TearDown() override {
        MonsterData::MONSTERS.clear();
        HudFixture::TearDown();
    }
    // A monster of a definition of its own whose idle picture is picW x picH.
    Ref<Monster> monster(int id, int picW = 32, int picH = 32, const char* name = "Rat") {
        auto data = make<MonsterData>(name, id);
        data->idleAnim = make<game::Anim>(0, 0, picW, picH, 4);
        data->maxHP = 100;
        data->attack = 12;
        data->defense = 5;
        data->gold = 7;
        data->exp = 3;
        data->weak = 0;
        MonsterData::MONSTERS.push_back(data);
        auto m = make<Monster>(&tile, id);
        m->isBoss = false;
        return m;
    }
    static std::vector<int> shownRows(const Ref<framework::Sprite>* rows) {
        std::vector<int> ys;
        for (int k = 0; k < 6; ++k) ys.push_back(rows[k]->get_visible() ? static_cast<int>(rows[k]->get_y()) : -1);
        return ys;
    }
};

TEST_F(EnemyDetailsTest, TheWindowFitsItsContent) {
    auto win = make<EnemyDetailsWindow>();
    EXPECT_EQ(win->winWidth, 200);
    EXPECT_EQ(win->winHeight, 100);
    EXPECT_FALSE(win->showing);
    struct Case {
        const char* what;
        int picW, picH;
        bool boss;
        int width, height;
    } cases[] = {
        // Combat column at max(picH + 16, 56); no elements: + 54 for the weakness box, + 10 frame.
        {"small picture", 32, 32, false, 180, 56 + 54 + 10},
        {"tall picture", 32, 60, false, 180, 76 + 54 + 10},
        {"boss", 32, 32, true, 180, 56 + 18 + 54 + 10},
        {"20-wide picture: name column at 40, raised to the combat column", 20, 32, false, 180, 120},
    };
    int id = 9000;
    for (const Case& c : cases) {
        auto m = monster(++id, c.picW, c.picH);
        m->isBoss = c.boss;
        win->setMonster(m);
        EXPECT_EQ(win->winWidth, c.width) << c.what;
        EXPECT_EQ(win->winHeight, c.height) << c.what;
        EXPECT_EQ(win->bossText->get_visible(), c.boss) << c.what;
        EXPECT_EQ(win->basicDetailsHolder->get_x(), c.picW + 20) << c.what;
    }
    // A long name widens the window: 40 + name width + 10.
    auto named = monster(++id, 20, 32, "Rat");
    named->data->name = "A Very Long Monster Name Indeed For Sure";
    win->setMonster(named);
    EXPECT_GT(win->nameText->textWidth, 130);
    EXPECT_EQ(win->winWidth, 40 + win->nameText->textWidth + 10);
    EXPECT_EQ(win->attackText->get_text().toText(), "12");
    EXPECT_EQ(win->defenseText->get_text().toText(), "5");
    EXPECT_EQ(win->goldText->get_text().toText(), "7");
    EXPECT_EQ(win->expText->get_text().toText(), "3");
    EXPECT_EQ(win->expHolder->get_x(), win->goldText->textWidth + 30);
    EXPECT_TRUE(win->weaknessNoneText->get_visible());
    EXPECT_FALSE(win->weaknessIcon->get_visible());
}

TEST_F(EnemyDetailsTest, ElementRowsStackPerColumnAndUnknownAttacksShowQuestionMarks) {
    auto win = make<EnemyDetailsWindow>();
    auto m = monster(1200);
    auto& d = *m->data;
    d.attFire = 4;
    d.attWind = -1;
    d.attLight = 9;
    d.defIce = -1;
    d.weak = game::Element::TYPE_WIND;
    win->setMonster(m);
    // Fire, ice, earth, wind, dark, light.
    EXPECT_EQ(shownRows(win->attHolders), (std::vector<int>{26, -1, -1, 52, -1, 78}));
    EXPECT_EQ(shownRows(win->defHolders), (std::vector<int>{-1, 26, -1, -1, -1, -1}));
    EXPECT_EQ(win->attTexts[0]->get_text().toText(), "4");
    EXPECT_EQ(win->attTexts[3]->get_text().toText(), "??");
    EXPECT_EQ(win->defTexts[1]->get_text().toText(), "-1");
    // Three attack rows: 56 + 3 x 26 + 26 - 5 = 155 beats the weakness box's 110.
    EXPECT_EQ(win->winHeight, 155 + 10);
    EXPECT_FALSE(win->weaknessNoneText->get_visible());
    ASSERT_TRUE(win->weaknessIcon->get_visible());
    auto cell = win->weaknessIcon->get_scrollRect();
    EXPECT_EQ(std::vector<double>({cell->x, cell->y, cell->width, cell->height}), (std::vector<double>{0, 20, 19, 20}));
    EXPECT_EQ(win->combatStatsHolder->get_x(), 10);
    EXPECT_EQ(win->weaknessHolder->get_x(), 120);
}

TEST_F(EnemyDetailsTest, ShowingAMonsterRecordsItOnceInAscendingOrder) {
    auto win = make<EnemyDetailsWindow>();
    GameData::bestiaryMonsterIDs = {1000, 3000};
    win->setMonster(monster(2000));
    win->setMonster(monster(500));
    win->setMonster(make<Monster>(&tile, 2000));
    EXPECT_EQ(GameData::bestiaryMonsterIDs, (std::vector<int>{500, 1000, 2000, 3000}));
}

TEST_F(EnemyDetailsTest, TheDemonShowsItsFixedPortrait) {
    auto win = make<EnemyDetailsWindow>();
    auto demon = monster(Monster::DEMON_ID, 80, 80, "Demon");
    win->setMonster(demon);
    EXPECT_EQ(win->monsterPic->anim.get(), nullptr);
    EXPECT_EQ(win->monsterPic->bmd.get(), framework::Assets::getBitmapData("assets/ui/demonDetailsPic.png").get());
    EXPECT_EQ(win->basicDetailsHolder->get_x(), 36 + 20);
    EXPECT_EQ(win->combatStatsHolder->get_y(), 57 + 16);
}

TEST_F(EnemyDetailsTest, TheHPBarFlashesTheLossOnly) {
    auto win = make<EnemyDetailsWindow>();
    auto m = monster(1300);
    win->setMonster(m);
    auto& bar = *win->hpBar;
    EXPECT_EQ(bar.barWidth, 91);
    EXPECT_EQ(bar.barHeight, 4);
    EXPECT_EQ(bar.stuff->get_scrollRect()->width, 91);
    EXPECT_NE(bar.whiteBitmap->get_parent().get(), &bar) << "filled without a flash";
    m->hp = 50;
    win->updateHP(-50);
    EXPECT_EQ(bar.stuff->get_scrollRect()->width, 46);
    EXPECT_EQ(bar.whiteBitmap->get_parent().get(), &bar);
    EXPECT_EQ(bar.whiteBitmap->get_width(), 46);
    EXPECT_EQ(bar.whiteBitmap->get_x(), 45);
    auto picture = bar.stuff->get_bitmapData();
    EXPECT_EQ(static_cast<uint32_t>(picture->getPixel32(10, 0)), 0xFFD40000u);
    EXPECT_EQ(static_cast<uint32_t>(picture->getPixel32(10, 1)), 0xFFF82D2Du);
    EXPECT_EQ(static_cast<uint32_t>(picture->getPixel32(10, 3)), 0xFF9B000Au);
}

TEST_F(EnemyDetailsTest, ShowSlidesInAndHideFadesOutOnce) {
    auto win = make<EnemyDetailsWindow>();
    win->setMonster(monster(1400));
    win->set_x(-EnemyDetailsWindow::WIDTH);
    win->set_alpha(0);
    const auto start = std::chrono::steady_clock::now();
    win->show();
    EXPECT_TRUE(win->showing);
    EXPECT_EQ(win->get_x(), -200);
    EXPECT_EQ(win->get_alpha(), 1);
    ASSERT_TRUE(runTweensUntil([&] { return win->get_x() == 5; }));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.45) << "a half-second slide";
    win->hide();
    EXPECT_FALSE(win->showing);
    ASSERT_TRUE(runTweensUntil([&] { return win->get_alpha() == 0; }));
    EXPECT_EQ(win->get_x(), 5) << "it stays where it was, transparent";
    win->set_alpha(0.7);
    win->hide();
    tween::SimpleActuator::stage_onEnterFrame(runtime::make<framework::Event>("enterFrame"));
    EXPECT_EQ(win->get_alpha(), 0.7) << "hiding a hidden window does nothing";
}
