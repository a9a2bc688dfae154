// The stats panel over the real fonts: its layout, the plain figures and the figures adjusted
// for one item worn in place of another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/ui/EquipmentSlot.h"
#include "game/ui/UIStatsDetails.h"
#include "tests/game/kit/KitFixture.h"

using game::GameData;
using game::Item;
using game::ItemData;
using game::TextSprite;
using game::UIStatsDetails;
using runtime::make;
using runtime::Ref;

namespace {

class StatsDetailsTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        setFigures({0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
        Item::ZERO = make<Item>(make<ItemData>(ItemData::TYPE_CONSUMABLE, -1, ""));
    }
    void TearDown() override {
        setFigures({0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
        KitFixture::TearDown();
    }

    // attack, defence, magic; fire, ice, earth, wind, dark, light.
    static void setFigures(std::vector<int> main, std::vector<int> att, std::vector<int> def) {
        GameData::attack = main[0];
        GameData::defense = main[1];
        GameData::magic = main[2];
        int* atts[] = {&GameData::attFire, &GameData::attIce, &GameData::attEarth,
                       &GameData::attWind, &GameData::attDark, &GameData::attLight};
        int* defs[] = {&GameData::defFire, &GameData::defIce, &GameData::defEarth,
                       &GameData::defWind, &GameData::defDark, &GameData::defLight};
        for (int i = 0; i < 6; ++i) {
            *atts[i] = att[i];
            *defs[i] = def[i];
        }
    }

    // A body armour with the given numbers and enchantments.
    static Ref<Item> armour(int attack, int defense, int magic, int defFire, int attLight,
                            std::vector<Ref<game::Enchantment>> enchantments = {}) {
        auto data = make<ItemData>(ItemData::TYPE_BODY, game::EquipmentSlot::SLOT_BODY, "Armour");
        data->attack = attack;
        data->defense = defense;
        data->magic = magic;
        data->defFire = defFire;
        data->attLight = attLight;
        auto item = make<Item>(data, false);
        item->enchantments = std::move(enchantments);
        item->createEffectiveData();
        return item;
    }

    // The fifteen texts in the order attack, defence, magic, elemental attacks, elemental defences.
    static std::vector<Ref<TextSprite>> texts(const Ref<UIStatsDetails>& p) {
        return {p->attackText,         p->defenseText,        p->magicText,         p->fireAttackText,
                p->iceAttackText,      p->earthAttackText,    p->windAttackText,    p->darknessAttackText,
                p->lightAttackText,    p->fireDefenseText,    p->iceDefenseText,    p->earthDefenseText,
                p->windDefenseText,    p->darknessDefenseText, p->lightDefenseText};
    }

    // 'p' plain, 'g' rising, 'r' falling, per text in the order of texts().
    static std::string colours(const Ref<UIStatsDetails>& p) {
        std::string out;
        for (const auto& t : texts(p)) {
            if (t->font == TextSprite::MEDIEVAL_SANS_20_OUTLINE || t->font == TextSprite::MEDIEVAL_SANS_14_OUTLINE)
                out += 'p';
            else if (t->font == TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN ||
                     t->font == TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN)
                out += 'g';
            else if (t->font == TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED ||
                     t->font == TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED)
                out += 'r';
            else
                out += '?';
        }
        return out;
    }

    static std::string values(const Ref<UIStatsDetails>& p) {
        std::string out;
        for (const auto& t : texts(p)) out += (out.empty() ? "" : " ") + t->get_text().str();
        return out;
    }
};

}  // namespace

TEST_F(StatsDetailsTest, ThePanelLaysItsPiecesOutForItsArea) {
    auto panel = make<UIStatsDetails>(340, 162);
    // Elements panel (100 x 126) at int((340 - 100) * 0.8), int((162 - 126 - 18) * 0.5) + 18.
    auto elements = panel->getChildAt(0).cast<game::BitmapSprite>();
    ASSERT_TRUE(elements);
    EXPECT_EQ(elements->get_x(), 192);
    EXPECT_EQ(elements->get_y(), 27);
    auto heading = panel->getChildAt(1).cast<TextSprite>();
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->get_text().str(), "ELEMENTS");
    EXPECT_EQ(heading->get_y(), 27 - heading->textHeight - 4);

    // The elemental texts sit in the elements panel, attack at x 40 and defence at x 70.
    const std::vector<Ref<TextSprite>> att = {panel->fireAttackText, panel->iceAttackText,
                                              panel->earthAttackText, panel->windAttackText,
                                              panel->darknessAttackText, panel->lightAttackText};
    const std::vector<Ref<TextSprite>> def = {panel->fireDefenseText, panel->iceDefenseText,
                                              panel->earthDefenseText, panel->windDefenseText,
                                              panel->darknessDefenseText, panel->lightDefenseText};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(att[row]->get_parent(), elements.get()) << row;
        EXPECT_EQ(att[row]->get_x(), 40) << row;
        EXPECT_EQ(def[row]->get_x(), 70) << row;
        EXPECT_EQ(att[row]->get_y(), 5 + 20 * row) << row;
        EXPECT_EQ(def[row]->get_y(), 5 + 20 * row) << row;
    }
    // The three main figures in a column 40 apart beside their icons, on the panel itself.
    auto stats = panel->getChildAt(2).cast<TextSprite>();
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->get_text().str(), "STATS");
    EXPECT_EQ(stats->get_x(), static_cast<int>(192 * 0.5 - stats->textWidth * 0.5));
    EXPECT_EQ(stats->get_y(), heading->get_y());
    int row = 0;
    for (const auto& text : {panel->attackText, panel->defenseText, panel->magicText}) {
        EXPECT_EQ(text->get_parent(), panel.get());
        EXPECT_EQ(text->get_x(), stats->get_x() - 15 + 40);
        EXPECT_EQ(text->get_y(), 27 + 10 + 40 * row + 6);
        ++row;
    }
    // Nothing is read until the first updateStats.
    GameData::attack = 12;
    EXPECT_EQ(values(make<UIStatsDetails>(340, 162)), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
}

TEST_F(StatsDetailsTest, AdjustedFiguresShowTheWouldBeTotalsInTheirColours) {
    setFigures({10, 8, 3}, {1, 0, 0, 0, 0, 2}, {4, 0, 0, 0, 0, 0});
    auto panel = make<UIStatsDetails>(340, 162);
    struct Case {
        const char* name;
        Ref<Item> newItem, oldItem;
        const char* values;
        const char* colours;
    };
    auto sword = armour(5, 0, 0, 2, 0);
    auto worn = armour(0, 3, 2, 4, 2);
    const Case cases[] = {
        {"nothing for nothing", nullptr, nullptr, "10 8 3 1 0 0 0 0 2 4 0 0 0 0 0", "ppppppppppppppp"},
        {"gain against nothing", sword, nullptr, "15 8 3 1 0 0 0 0 2 6 0 0 0 0 0", "gppppppppgppppp"},
        {"without the worn item", nullptr, worn, "10 5 1 1 0 0 0 0 0 0 0 0 0 0 0", "prrppppprrppppp"},
        // Fire defence is 2 on one side and 4 on the other: 4 - 2 = 2; light attack drops below zero.
        {"exchange", sword, armour(0, 0, 5, 4, 5), "15 8 -2 1 0 0 0 0 -3 2 0 0 0 0 0", "gprppppprrppppp"},
        // Equal numbers stay plain even when others change.
        {"equal defence", armour(2, 3, 0, 0, 0), armour(0, 3, 0, 0, 0), "12 8 3 1 0 0 0 0 2 4 0 0 0 0 0",
         "gpppppppppppppp"},
        // Enchantments count with the item's own numbers.
        {"enchanted", armour(1, 0, 0, 0, 0, {make<game::Enchantment>(game::Enchantment::ATTACK, 2),
                                             make<game::Enchantment>(game::Enchantment::ICE_DEFENSE, 3)}),
         nullptr, "13 8 3 1 0 0 0 0 2 4 3 0 0 0 0", "gpppppppppgpppp"},
    };
    for (const Case& c : cases) {
        panel->showAdjustedStats(c.newItem, c.oldItem);
        EXPECT_EQ(values(panel), c.values) << c.name;
        EXPECT_EQ(colours(panel), c.colours) << c.name;
    }
    panel->updateStats();
    EXPECT_EQ(values(panel), "10 8 3 1 0 0 0 0 2 4 0 0 0 0 0");
    EXPECT_EQ(colours(panel), "ppppppppppppppp");
}

TEST_F(StatsDetailsTest, OnlyTextsThatChangeAreLaidOutAgain) {
    setFigures({10, 8, 3}, {1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
    auto panel = make<UIStatsDetails>(340, 162);
    auto bitmaps = [&] {
        std::vector<framework::Bitmap*> out;
        for (const auto& t : texts(panel)) out.push_back(t->staticBitmap.get());
        return out;
    };
    panel->updateStats();
    const auto first = bitmaps();
    panel->updateStats();
    EXPECT_EQ(bitmaps(), first);

    // An exchange that changes attack only lays out attack; undoing it lays out attack only.
    panel->showAdjustedStats(armour(2, 0, 0, 0, 0), nullptr);
    auto adjusted = bitmaps();
    EXPECT_NE(adjusted[0], first[0]);
    for (std::size_t i = 1; i < first.size(); ++i) EXPECT_EQ(adjusted[i], first[i]) << i;
    panel->updateStats();
    auto restored = bitmaps();
    EXPECT_NE(restored[0], adjusted[0]);
    for (std::size_t i = 1; i < first.size(); ++i) EXPECT_EQ(restored[i], first[i]) << i;
}

TEST_F(StatsDetailsTest, ThePanelAnswersItsOperationsByName) {
    GameData::defense = 7;
    auto panel = make<UIStatsDetails>(340, 162);
    const runtime::Value self(panel);
    const runtime::Value update = self.field("updateStats");
    ASSERT_TRUE(update.function());
    (*update.function())();
    EXPECT_EQ(panel->defenseText->get_text().str(), "7");
    const runtime::Value adjust = self.field("showAdjustedStats");
    ASSERT_TRUE(adjust.function());
    (*adjust.function())(runtime::Value(armour(0, 2, 0, 0, 0)), runtime::Value());
    EXPECT_EQ(panel->defenseText->get_text().str(), "9");
    EXPECT_EQ(panel->defenseText->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN);
}
