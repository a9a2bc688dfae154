// The HP, MP and experience bars: texts and fills from GameData, the flash of a change, the
// low-HP flash on every 25th frame, and the single MP bar.
#include "HudFixture.h"
#include "game/shell/G.h"
#include "game/ui/HPMPHud.h"
#include "game/ui/MPHud.h"

using game::GameData;
using game::HPMPHud;
using game::MPHud;
using runtime::make;
using runtime::Ref;

namespace {
int fill(game::BasicProgressBar& bar) {
    return bar.stuff->get_visible() ? static_cast<int>(bar.stuff->get_scrollRect()->width) : 0;
}
bool flashing(game::BasicProgressBar& bar) { return bar.whiteBitmap->get_parent().get() == &bar; }
void setStats(int hp, int maxHP, int mp, int maxMP, int exp, int next) {
    GameData::hp = hp;
    GameData::maxHP = maxHP;
    GameData::mp = mp;
    GameData::maxMP = maxMP;
    GameData::exp = exp;
    GameData::nextLevelAt = next;
}
}  // namespace

class HudBarsTest : public HudFixture {};

TEST_F(HudBarsTest, TheHudShowsTheValuesOfTheModelWithoutFlashAtFirst) {
    setStats(37, 100, 10, 10, 0, 20);
    auto hud = make<HPMPHud>();
    EXPECT_EQ(hud->hpText->get_text().toText(), "37/100");
    EXPECT_EQ(hud->mpText->get_text().toText(), "10/10");
    EXPECT_EQ(hud->expText->get_text().toText(), "0/20");
    EXPECT_EQ(fill(*hud->largeHealth), 45) << "ceil(0.37 x 120)";
    EXPECT_EQ(fill(*hud->largeMagic), 120);
    EXPECT_FALSE(hud->largeExp->stuff->get_visible()) << "an empty fill is hidden";
    for (auto* bar : {hud->largeHealth.get(), hud->largeMagic.get(), hud->largeExp.get()}) EXPECT_FALSE(flashing(*bar));

    // Layout: bars at x 23 and y 5, 25, 45 under the frame; texts centred on the bars one lower.
    EXPECT_EQ(hud->get_numChildren(), 1);
    EXPECT_EQ(hud->largeHealth->get_x(), 23);
    EXPECT_EQ(hud->largeMagic->get_y(), 25);
    EXPECT_EQ(hud->largeExp->get_y(), 45);
    EXPECT_EQ(hud->largeHealth->barWidth, 120);
    EXPECT_EQ(hud->largeHealth->barHeight, 15);
    EXPECT_EQ(hud->largeHolder->getChildIndex(hud->largeHUD), 3) << "the frame lies over the three bars";
    EXPECT_EQ(hud->hpText->get_x(), 83);
    EXPECT_EQ(hud->mpText->get_y(), 26);
    EXPECT_TRUE(hud->hpText->centered);
    EXPECT_EQ(hud->hpText->textKerning, -1);

    // The bar pictures: body, three highlight rows on top, three shade rows at the bottom.
    struct Case {
        Ref<framework::BitmapData> picture;
        uint32_t top, body, bottom;
    } cases[] = {
        {HPMPHud::hpBarPicture(), 0xFFFF9E95, 0xFFD40000, 0xFF9B000A},
        {HPMPHud::mpBarPicture(), 0xFFFFFFFF, 0xFF86FCFD, 0xFF5DB2BF},
        {HPMPHud::expBarPicture(), 0xFFFFFD73, 0xFFF0C600, 0xFFCE7E00},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<uint32_t>(c.picture->getPixel32(60, 2)), c.top);
        EXPECT_EQ(static_cast<uint32_t>(c.picture->getPixel32(60, 3)), c.body);
        EXPECT_EQ(static_cast<uint32_t>(c.picture->getPixel32(60, 11)), c.body);
        EXPECT_EQ(static_cast<uint32_t>(c.picture->getPixel32(60, 12)), c.bottom);
    }
}

TEST_F(HudBarsTest, AHealAtTheTopFlashesOnlyWhatTheBarCanStillShow) {
    setStats(90, 100, 10, 10, 0, 20);
    auto hud = make<HPMPHud>();
    GameData::hp = 100;
    hud->update(50, std::nullopt, std::nullopt);
    ASSERT_TRUE(flashing(*hud->largeHealth));
    EXPECT_EQ(hud->largeHealth->whiteBitmap->get_x(), 108);
    EXPECT_EQ(hud->largeHealth->whiteBitmap->get_width(), 13) << "int(120 - 108) + 1, not 60";
    EXPECT_EQ(hud->hpText->get_text().toText(), "100/100");
    EXPECT_FALSE(flashing(*hud->largeMagic));

    // A loss flashes before the old fill end; HP 0 hides the fill.
    GameData::hp = 0;
    hud->update(-100, std::nullopt, std::nullopt);
    EXPECT_EQ(hud->largeHealth->whiteBitmap->get_x(), 0);
    EXPECT_EQ(hud->largeHealth->whiteBitmap->get_width(), 120);
    EXPECT_EQ(fill(*hud->largeHealth), 0);
}

TEST_F(HudBarsTest, LowHealthFlashesOnEvery25thFrameOnly) {
    setStats(19, 100, 10, 10, 0, 20);
    auto hud = make<HPMPHud>();
    std::vector<int> flashedOn;
    for (int frame = 1; frame <= 60; ++frame) {
        game::G::frameCount = frame;
        if (flashing(*hud->largeHealth)) hud->largeHealth->removeChild(hud->largeHealth->whiteBitmap);
        hud->updateLowHPAnim();
        if (flashing(*hud->largeHealth)) flashedOn.push_back(frame);
    }
    EXPECT_EQ(flashedOn, (std::vector<int>{25, 50}));
    EXPECT_EQ(hud->largeHealth->whiteBitmap->get_width(), 23) << "the whole fill, ceil(0.19 x 120)";

    // With the group hidden neither refresh nor flash changes anything; showing it refreshes.
    hud->setSize(false);
    EXPECT_FALSE(hud->largeHolder->get_visible());
    hud->largeHealth->removeChild(hud->largeHealth->whiteBitmap);
    GameData::hp = 80;
    hud->update(61, std::nullopt, std::nullopt);
    game::G::frameCount = 75;
    hud->updateLowHPAnim();
    EXPECT_FALSE(flashing(*hud->largeHealth));
    EXPECT_EQ(hud->hpText->get_text().toText(), "19/100");
    hud->setSize(true);
    EXPECT_EQ(hud->hpText->get_text().toText(), "80/100");
    EXPECT_FALSE(flashing(*hud->largeHealth)) << "setSize refreshes without a flash";
}

TEST_F(HudBarsTest, TheSingleMPBarFollowsTheModel) {
    setStats(1, 1, 7, 20, 0, 1);
    auto mp = make<MPHud>();
    EXPECT_EQ(mp->mpText->get_text().toText(), "7/20");
    EXPECT_EQ(fill(*mp->largeMagic), 42);
    EXPECT_EQ(mp->largeMagic->get_x(), 23);
    EXPECT_EQ(mp->largeMagic->get_y(), 5);
    EXPECT_EQ(mp->mpText->get_x(), 83);
    GameData::mp = 2;
    mp->update(-5);
    EXPECT_TRUE(flashing(*mp->largeMagic));
    EXPECT_EQ(mp->mpText->get_text().toText(), "2/20");
    mp->largeMagic->removeChild(mp->largeMagic->whiteBitmap);
    mp->update(std::nullopt);
    EXPECT_FALSE(flashing(*mp->largeMagic));
    EXPECT_EQ(fill(*mp->largeMagic), 12);
}
