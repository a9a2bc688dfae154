// The item details panel and the enchantment details window with its tooltip.
#include "KitFixture.h"
#include "KitHooks.h"
#include "framework/events/MouseEvent.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/EnchantmentDetailsWindow.h"
#include "game/kit/ItemDetails.h"

using game::Enchantment;
using game::EnchantmentDetailsWindow;
using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemDetails;
using game::TextSprite;
using runtime::make;
using runtime::Ref;

namespace {
Ref<Item> equipment(std::function<void(ItemData&)> set, std::vector<std::pair<const char*, int>> enchantments = {}) {
    auto data = make<ItemData>(ItemData::TYPE_WEAPON, 0, "Test Sword");
    data->value = 120;
    set(*data);
    auto it = make<Item>(data, false);
    for (auto [type, value] : enchantments) it->enchantments.push_back(make<Enchantment>(type, value));
    it->createEffectiveData();
    return it;
}
Ref<Item> other(int type, int duration = 0) {
    auto data = make<ItemData>(type, -1, "Test Thing");
    data->value = 30;
    data->mpUse = 12;
    data->spell = type == ItemData::TYPE_MAGIC;
    auto it = make<Item>(data, false);
    it->duration = duration;
    return it;
}
}  // namespace

class DetailsTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        GameData::magic = 10;
        GameData::potionEfficiency = 1.0;
        game::ItemIcon::createNameCaches();
    }
};

TEST_F(DetailsTest, ThePanelCentresItselfInItsWindow) {
    struct Case {
        int w, h, x, y;
    };
    for (const Case& c : {Case{280, 176, 0, 0}, Case{400, 300, 60, 62}, Case{281, 177, 0, 0}, Case{300, 170, 10, -3}}) {
        auto p = make<ItemDetails>(c.w, c.h);
        EXPECT_EQ(p->get_x(), c.x) << c.w;
        EXPECT_EQ(p->get_y(), c.y) << c.w;
    }
}

TEST_F(DetailsTest, EquipmentShowsItsStatsAndTheElementGrid) {
    InstalledHooks hooks;
    auto p = make<ItemDetails>(400, 300);
    p->set_item(equipment([](ItemData& d) { d.attack = 12; }));
    EXPECT_EQ(p->attackText->text, runtime::String("12"));
    EXPECT_EQ(p->attackText->get_x(), 75);
    EXPECT_EQ(p->attackText->get_y(), 62);
    EXPECT_EQ(p->attackIcon->get_alpha(), 1);
    EXPECT_NEAR(p->magicIcon->get_alpha(), 0.2, 1e-3);
    EXPECT_NEAR(p->defenseIcon->get_alpha(), 0.2, 1e-3);
    EXPECT_EQ(p->magicText->text, runtime::String(""));
    for (const auto& w : p->enchantWins) {
        EXPECT_TRUE(w->get_visible());
        EXPECT_EQ(w->get_y(), 146);
        EXPECT_EQ(w->get_alpha(), 0.5);
    }
    EXPECT_EQ(p->get_x() + p->goldSprite->get_x() + 20 + p->goldText->textWidth, 400 - 10);
    EXPECT_TRUE(p->compareButton->get_visible());

    // Element columns: (name, values in Fire Ice Earth Wind Dark Light order, expected x of each shown).
    struct Case {
        const char* what;
        std::array<int, 6> values;
        std::vector<std::pair<int, std::pair<int, int>>> at;  // element index -> (x, y)
    };
    const Case cases[] = {
        {"Fire+Ice", {5, 3, 0, 0, 0, 0}, {{0, {15, 86}}, {1, {15, 114}}}},
        {"Fire+Earth+Dark", {5, 0, 2, 0, 4, 0}, {{0, {15, 86}}, {2, {15, 114}}, {4, {75, 86}}}},
        {"Fire+Light", {5, 0, 0, 0, 0, 1}, {{0, {50, 86}}, {5, {50, 114}}}},
        {"four", {1, 2, 3, 4, 0, 0}, {{0, {-20, 86}}, {1, {-20, 114}}, {2, {40, 86}}, {3, {40, 114}}}},
    };
    for (const Case& c : cases) {
        p->set_item(equipment([&](ItemData& d) {
            d.attFire = c.values[0], d.attIce = c.values[1], d.attEarth = c.values[2];
            d.attWind = c.values[3], d.attDark = c.values[4], d.attLight = c.values[5];
        }));
        for (std::size_t k = 0; k < 6; ++k) {
            auto found = std::find_if(c.at.begin(), c.at.end(), [&](auto& e) { return e.first == static_cast<int>(k); });
            EXPECT_EQ(p->attIcons[k]->get_visible(), found != c.at.end()) << c.what << " " << k;
            if (found == c.at.end()) continue;
            EXPECT_EQ(p->attIcons[k]->get_x(), found->second.first) << c.what << " " << k;
            EXPECT_EQ(p->attIcons[k]->get_y(), found->second.second) << c.what << " " << k;
            EXPECT_EQ(p->attTexts[k]->get_x(), found->second.first + 25) << c.what << " " << k;
        }
    }
}

TEST_F(DetailsTest, EnchantedValuesShowInYellow) {
    auto p = make<ItemDetails>(280, 176);
    p->set_item(equipment([](ItemData& d) { d.attack = 10, d.defense = 4, d.attFire = 3, d.attIce = 2; },
                          {{"att", 2}, {"attFire", 1}}));
    EXPECT_EQ(p->attackText->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW);
    EXPECT_EQ(p->attackText->text, runtime::String("12"));
    EXPECT_EQ(p->defenseText->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE);
    EXPECT_EQ(p->attTexts[0]->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW);
    EXPECT_EQ(p->attTexts[1]->font, TextSprite::MEDIEVAL_SANS_20_OUTLINE);
    EXPECT_EQ(p->enchantWins[0]->get_alpha(), 1);
    EXPECT_EQ(p->enchantWins[0]->valueText->text, runtime::String("2"));
}

TEST_F(DetailsTest, OtherKindsShowTheirOwnLinesAndKeepTheEquipmentLeftovers) {
    InstalledHooks hooks;
    auto p = make<ItemDetails>(280, 176);
    p->set_item(equipment([](ItemData& d) { d.attack = 12; }));
    auto potion = other(ItemData::TYPE_CONSUMABLE, 1);
    potion->enchantments.push_back(make<Enchantment>("hp", 75));
    GameData::potionEfficiency = 1.5;
    p->set_item(potion);
    EXPECT_EQ(p->durationText->text, runtime::String("Duration: 1 Battle"));
    EXPECT_EQ(p->attackText->text, runtime::String("12")) << "left from the sword";
    EXPECT_EQ(p->attackIcon->get_alpha(), 0);
    EXPECT_TRUE(p->compareButton->get_visible()) << "left from the sword";
    EXPECT_EQ(p->enchantWins[0]->get_y(), 58);
    EXPECT_EQ(p->enchantWins[0]->valueText->text, runtime::String("113"));
    EXPECT_FALSE(p->enchantWins[1]->get_visible());
    p->set_item(nullptr);
    EXPECT_EQ(p->attackText->text, runtime::String(""));
    EXPECT_FALSE(p->compareButton->get_visible());
    EXPECT_EQ(p->icon, nullptr);
    p->set_item(other(ItemData::TYPE_CONSUMABLE, 5));
    EXPECT_EQ(p->durationText->text, runtime::String("Duration: 5 Battles"));

    auto spell = other(ItemData::TYPE_MAGIC);
    spell->enchantments.push_back(make<Enchantment>("attFire", 60));
    p->set_item(spell);
    EXPECT_TRUE(p->mpUseSprite->get_visible());
    EXPECT_FALSE(p->goldSprite->get_visible());
    EXPECT_EQ(p->mpUseText->text, runtime::String("12"));
    EXPECT_EQ(p->get_x() + p->mpUseSprite->get_x() + 26 + p->mpUseText->textWidth, 280 - 9);
    EXPECT_EQ(p->enchantWins[0]->valueText->text, runtime::String("72"));

    auto material = other(ItemData::TYPE_CRAFTING);
    material->data->craftProps = {"att", nullptr};
    material->data->craftPropLabels = {"Attack", ""};
    material->data->craftPropGemRects = {make<framework::Rectangle>(16, 0, 8, 8), nullptr};
    material->data->craftPropPowers = {3, 0};
    p->set_item(material);
    EXPECT_TRUE(p->craftProps[0]->get_visible());
    EXPECT_TRUE(p->craftProps[0]->labelText->get_visible());
    EXPECT_EQ(p->craftProps[0]->bar->get_width(), 13);
    EXPECT_FALSE(p->craftProps[1]->get_visible());

    p->compareClick(make<framework::Event>("click"));
    ASSERT_EQ(hooks.ui->compared.size(), 1u);
    EXPECT_EQ(hooks.ui->compared[0].get(), material.get());
}

TEST_F(DetailsTest, CompactAndEquipHerePanels) {
    Ref<Item> replaced;
    auto p = make<ItemDetails>(300, 170, false, true,
                               runtime::Function::of([&](runtime::Value v) { replaced = Ref<Item>(v.as<Item>()); }), true);
    EXPECT_EQ(p->compareButton, nullptr);
    EXPECT_TRUE(p->nothingText->get_visible());
    EXPECT_EQ(p->nothingText->get_x(), 150);
    EXPECT_EQ(p->nothingText->get_y(), 77);
    EXPECT_TRUE(p->replaceButton->disabled);
    EXPECT_EQ(p->replaceButton->get_x(), 190);
    EXPECT_EQ(p->replaceButton->get_y(), 136);
    EXPECT_EQ(p->nameText->get_y(), 20);
    EXPECT_EQ(p->descText->get_parent(), nullptr);
    auto sword = equipment([](ItemData& d) { d.attack = 1, d.defIce = 2; });
    p->set_item(sword);
    EXPECT_EQ(p->attackIcon->get_y(), 50);
    EXPECT_EQ(p->defIcons[1]->get_y(), 74);
    EXPECT_EQ(p->enchantWins[0]->get_y(), 134);
    EXPECT_EQ(p->goldSprite->get_y(), 20);
    EXPECT_FALSE(p->nothingText->get_visible());
    EXPECT_TRUE(p->replaceButton->disabled);
    p->enableReplaceButton();
    p->replaceClick(make<framework::Event>("click"));
    EXPECT_EQ(replaced.get(), sword.get());
    EXPECT_EQ(make<ItemDetails>(280, 176, false, false)->compareButton, nullptr);
}

TEST_F(DetailsTest, EnchantmentWindowCentresItsNumberAndShowsTheTooltipOnFrameFifteen) {
    auto w = make<EnchantmentDetailsWindow>();
    EXPECT_FALSE(w->get_visible());
    auto percent = make<Enchantment>("crit", 5);
    w->setEnchantment(percent);
    EXPECT_TRUE(percent->isPercent);
    EXPECT_EQ(w->valueText->text, runtime::String("5%"));
    EXPECT_TRUE(w->icon->get_visible());
    EXPECT_EQ(w->icon->get_x(), static_cast<int>(45 - (w->valueText->textWidth + 27) * 0.5));
    EXPECT_EQ(w->valueText->get_x(), w->icon->get_x() + 27);
    auto elem = make<Enchantment>("attFire", 25);
    w->setEnchantment(elem);
    EXPECT_TRUE(w->elemIcon->get_visible());
    EXPECT_FALSE(w->icon->get_visible());
    EXPECT_EQ(w->valueText->get_x(), w->elemIcon->get_x() + 25);

    struct Case {
        int value, magic;
        double efficiency;
        bool spell, potion;
        const char* shown;
    };
    for (const Case& c : {Case{60, 10, 1, true, false, "72"}, Case{60, 3, 1, true, false, "63"},
                          Case{75, 10, 1.5, false, true, "113"}, Case{75, 10, 1.0, false, true, "75"},
                          Case{60, 10, 1.5, true, true, "72"}}) {
        GameData::magic = c.magic;
        GameData::potionEfficiency = c.efficiency;
        w->setEnchantment(make<Enchantment>("hp", c.value), c.spell, c.potion);
        EXPECT_EQ(w->valueText->text, runtime::String(c.shown)) << c.value << " " << c.magic;
    }
    w->clear();
    EXPECT_FALSE(w->get_visible());
    w->setEnchantment(elem);
    EXPECT_TRUE(w->get_visible());
    EXPECT_EQ(w->get_alpha(), 1);
    EXPECT_EQ(w->labelText->text, elem->label);

    auto over = make<framework::MouseEvent>("mouseOver");
    w->dispatchEvent(over);
    EXPECT_TRUE(w->mouseIsOver);
    auto frame = make<framework::Event>("enterFrame");
    for (int i = 0; i < 14; ++i) w->update(frame);
    EXPECT_FALSE(w->labelText->get_visible());
    w->update(frame);
    EXPECT_TRUE(w->labelText->get_visible()) << "frame 15";

    auto disabled = make<EnchantmentDetailsWindow>();
    disabled->setEnchantment(elem);
    disabled->disable();
    disabled->dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    EXPECT_FALSE(disabled->mouseIsOver);
    EXPECT_FALSE(disabled->hasEventListener("enterFrame"));

    game::Game::mobile = true;
    EXPECT_FALSE(make<EnchantmentDetailsWindow>()->hasEventListener("mouseOver"));
}
