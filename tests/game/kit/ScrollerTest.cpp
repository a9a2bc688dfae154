// The horizontal scroller and its item and monster strips: layout, glide, drag and tap, the
// usability rule, selection callbacks and the bestiary entry geometry.
#include "KitFixture.h"
#include "KitHooks.h"
#include "engine/EngG.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/BaseScroller.h"
#include "game/kit/ItemScroller.h"
#include "game/kit/MonsterScroller.h"

using game::BaseScroller;
using game::BitmapSprite;
using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemScroller;
using game::MonsterScroller;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<BaseScroller> plain(int width = 600) {
    auto none = Function::of([](runtime::Value) {});
    return make<BaseScroller>(width, 108, 0.8, 0.1, 90, none, Function::of([] {}));
}
std::vector<Ref<BitmapSprite>> entries(int n) {
    std::vector<Ref<BitmapSprite>> out;
    for (int i = 0; i < n; ++i) out.push_back(make<BitmapSprite>(make<framework::BitmapData>(48, 48, false, 0xFF808080)));
    return out;
}
Ref<Item> item(int type, int slot = -1, bool usableInBattle = false, bool spell = false) {
    auto data = make<ItemData>(type, slot, "Thing");
    data->usableInBattle = usableInBattle;
    data->spell = spell;
    data->value = 10;
    return make<Item>(data, false);
}
}  // namespace

class ScrollerTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        BaseScroller::SCROLL_SPEED_MAX = 100;
        GameData::inCave = true;
        game::ItemIcon::createNameCaches();
    }
};

TEST_F(ScrollerTest, TheWorkedLayoutSqueezesTheEndsAndScrollsTheWindow) {
    auto s = plain();
    auto list = entries(20);
    s->populateScroller(list);
    EXPECT_EQ(s->maxScrollAmount, 1800);
    EXPECT_NEAR(s->itemWindowPercent, 0.24, 1e-9);
    auto xs = [&](int from, int to) {
        std::vector<int> out;
        for (int i = from; i <= to; ++i) out.push_back(static_cast<int>(list[i]->get_x()));
        return out;
    };
    EXPECT_EQ(xs(0, 8), (std::vector<int>{143, 230, 318, 406, 493, 509, 523, 536, 549}));
    s->scrollAmount = 900;
    s->updateItemLocations();
    EXPECT_EQ(xs(4, 16), (std::vector<int>{10, 23, 36, 49, 102, 189, 277, 365, 452, 503, 516, 530, 543}));
    EXPECT_FALSE(list[3]->get_visible()) << "pos -0.006 is off the strip";

    // Five entries fit: fixed places, fully shown; six do not.
    auto fits = entries(5);
    s->populateScroller(fits);
    EXPECT_TRUE(s->noScroll);
    EXPECT_EQ(fits[4]->get_x(), 90 * 5 + 60);
    EXPECT_EQ(fits[4]->get_y(), 3);
    EXPECT_EQ(fits[4]->get_alpha(), 1);
    EXPECT_TRUE(fits[4]->get_visible());
    EXPECT_TRUE(list[0]->destroyed) << "the replaced list is destroyed";
    auto other = plain();
    other->populateScroller(entries(6));
    EXPECT_EQ(other->maxScrollAmount, 540);
    EXPECT_FALSE(other->noScroll);

    s->populateScroller({});
    EXPECT_TRUE(s->noScroll);
    EXPECT_TRUE(s->nothingText->get_visible());
    EXPECT_EQ(s->nothingText->get_x(), 300);
    EXPECT_EQ(s->nothingText->get_y(), 47);
}

TEST_F(ScrollerTest, AReleaseGlidesWithDecayAndTheCapAppliesAfterTheFirstMove) {
    struct Case {
        double speed;
        std::vector<int> moves;
    };
    const Case cases[] = {
        {150, {150, 100, 99, 99, 98}},
        {-3, {-3, -2, -2, -1, -1, 0}},
        {1, {1, 0}},
    };
    for (const Case& c : cases) {
        auto s = plain();
        s->populateScroller(entries(20));
        s->scrollAmount = 900;
        s->scrollSpeed = c.speed;
        std::vector<int> moves;
        for (std::size_t i = 0; i < c.moves.size(); ++i) {
            const int before = s->scrollAmount;
            s->update();
            moves.push_back(s->scrollAmount - before);
        }
        EXPECT_EQ(moves, c.moves) << c.speed;
    }
    BaseScroller::SCROLL_SPEED_MAX = 200;
    auto s = plain();
    s->populateScroller(entries(20));
    s->scrollSpeed = 300;
    s->update();
    EXPECT_EQ(s->scrollSpeed, 200);
}

TEST_F(ScrollerTest, SmallDragsNeverScrollAndAMovedPressDoesNotSelect) {
    InstalledHooks hooks;
    engine::EngG::sound = make<engine::SoundFrontEnd>();
    Ref<ItemScroller> s;
    std::vector<std::string> calls;
    std::vector<int> amounts;
    auto sel = Function::of([&](runtime::Value) { calls.push_back("select"); });
    auto desel = Function::of([&] { calls.push_back("deselect"); });
    std::vector<Ref<Item>> items;
    for (int i = 0; i < 20; ++i) items.push_back(item(ItemData::TYPE_CRAFTING));
    // The strip sits at (0, 100); entry 2 is at x 318.
    std::vector<std::function<void()>> steps = {
        [&] {
            s = make<ItemScroller>(600, sel, nullptr, desel);
            s->set_y(100);
            framework::Lib::get_stage()->addChild(s);
            s->setItems(items);
            s->scrollAmount = 100;
            s->updateItemLocations();
            pointer(SDL_MOUSEMOTION, 320, 120);
        },
        [&] { pointer(SDL_MOUSEBUTTONDOWN, 320, 120); },
    };
    // Twelve steps of 2 px: 24 px in all, no scroll.
    for (int i = 1; i <= 12; ++i)
        steps.push_back([&, i] {
            s->update();
            amounts.push_back(s->scrollAmount);
            pointer(SDL_MOUSEMOTION, 320 - 2 * i, 120);
        });
    steps.push_back([&] {
        s->update();
        amounts.push_back(s->scrollAmount);
        pointer(SDL_MOUSEBUTTONUP, 296, 120);
    });
    steps.push_back([&] {
        EXPECT_FALSE(s->mouseIsDown);
        EXPECT_EQ(s->scrollAmount, 100);
        pointer(SDL_MOUSEMOTION, 400, 120);
        calls.clear();
    });
    // A 3-px move between press and release on the same icon: scrolls 3 and selects nothing.
    steps.push_back([&] { pointer(SDL_MOUSEBUTTONDOWN, 406 + 10, 120); });
    steps.push_back([&] {
        s->update();
        pointer(SDL_MOUSEMOTION, 413, 120);
    });
    steps.push_back([&] {
        s->update();
        pointer(SDL_MOUSEBUTTONUP, 413, 120);
    });
    steps.push_back([] {});
    onStage(steps);
    for (int a : amounts) EXPECT_EQ(a, 100);
    EXPECT_EQ(s->scrollAmount, 103);
    EXPECT_EQ(s->selItem, nullptr);
    EXPECT_TRUE(std::find(calls.begin(), calls.end(), "select") == calls.end());
    engine::EngG::sound = nullptr;
}

TEST_F(ScrollerTest, TheBackgroundDeselectsOnlyWhenTheStripHardlyMoved) {
    int deselects = 0;
    auto s = make<BaseScroller>(600, 108, 0.8, 0.1, 90, Function::of([](runtime::Value) {}),
                                Function::of([&] { ++deselects; }));
    s->populateScroller(entries(20));
    auto press = make<framework::MouseEvent>("mouseDown");
    s->scrollAmount = 10;
    s->backMouseDown(press);
    s->scrollAmount = 14;
    s->backMouseUp(press);
    EXPECT_EQ(deselects, 1);
    s->backMouseDown(press);
    s->scrollAmount = 19;
    s->backMouseUp(press);
    EXPECT_EQ(deselects, 1);
}

TEST_F(ScrollerTest, UsabilityFollowsTheOpenWindowsAndTheBattle) {
    InstalledHooks hooks;
    FakeUI& ui = *hooks.ui;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        Ref<Item> item;
        bool usable;
    };
    auto artifact = item(ItemData::TYPE_WEAPON, 0);
    artifact->artifact = true;
    auto museumPiece = item(ItemData::TYPE_WEAPON, 0);
    museumPiece->data->artifact = true;
    const Case cases[] = {
        {"battle, not for battle", [&] { hooks.map->battle = true; }, item(ItemData::TYPE_CRAFTING), false},
        {"battle, for battle", [&] { hooks.map->battle = true; }, item(ItemData::TYPE_CONSUMABLE, -1, true), true},
        {"use-special, artifact", [&] { ui.useSpecial = true; }, artifact, false},
        {"use-special, spell", [&] { ui.useSpecial = true; }, item(ItemData::TYPE_MAGIC, -1, false, true), false},
        {"crafting, consumable", [&] { ui.crafting = true; }, item(ItemData::TYPE_CONSUMABLE), false},
        {"crafting, spell", [&] { ui.crafting = true; ui.forge = true; }, item(ItemData::TYPE_MAGIC), false},
        {"crafting no forge, equipment", [&] { ui.crafting = true; }, item(ItemData::TYPE_WEAPON, 0), false},
        {"crafting no forge, ingredient", [&] { ui.crafting = true; }, item(ItemData::TYPE_CRAFTING), true},
        {"crafting with forge, equipment", [&] { ui.crafting = ui.forge = true; }, item(ItemData::TYPE_WEAPON, 0), true},
        {"equipment, ingredient", [&] { ui.equipment = true; }, item(ItemData::TYPE_CRAFTING), false},
        {"hotkeys, ingredient", [&] { ui.hotkeys = true; }, item(ItemData::TYPE_CRAFTING), false},
        {"hotkeys and use-special, ingredient", [&] { ui.hotkeys = ui.useSpecial = true; }, item(ItemData::TYPE_CRAFTING), true},
        {"museum, plain equipment", [&] { ui.museum = true; }, item(ItemData::TYPE_WEAPON, 0), false},
        {"museum, artifact equipment", [&] { ui.museum = true; }, museumPiece, true},
        {"town, consumable", [&] { GameData::inCave = false; }, item(ItemData::TYPE_CONSUMABLE), false},
        {"town, equipment", [&] { GameData::inCave = false; }, item(ItemData::TYPE_WEAPON, 0), true},
        {"dungeon, consumable", [] {}, item(ItemData::TYPE_CONSUMABLE), true},
    };
    for (const Case& c : cases) {
        ui = FakeUI();
        hooks.map->battle = false;
        GameData::inCave = true;
        c.arrange();
        EXPECT_EQ(ItemScroller::usable(c.item), c.usable) << c.what;
        auto s = make<ItemScroller>(600, Function::of([](runtime::Value) {}), nullptr, Function::of([] {}));
        s->setItems({c.item});
        EXPECT_EQ(s->currentItems[0].cast<game::ItemIcon>()->disabled, !c.usable) << c.what;
    }
}

TEST_F(ScrollerTest, SelectionCallbacksComeDeselectFirstAndAReTapOnlyUses) {
    InstalledHooks hooks;
    engine::EngG::sound = make<engine::SoundFrontEnd>();
    std::vector<std::string> calls;
    auto sel = Function::of([&](runtime::Value v) { calls.push_back(v.as<Item>() ? "select" : "select?"); });
    auto use = Function::of([&](runtime::Value) { calls.push_back("use"); });
    auto desel = Function::of([&] { calls.push_back("deselect"); });
    auto tap = [](const Ref<BitmapSprite>& icon) { icon->dispatchEvent(make<framework::MouseEvent>("click")); };
    std::vector<Ref<Item>> items = {item(ItemData::TYPE_CRAFTING), item(ItemData::TYPE_MAGIC, -1, false, true)};

    auto s = make<ItemScroller>(600, sel, use, desel);
    s->setItems(items);
    tap(s->currentItems[0]);
    EXPECT_EQ(calls, (std::vector<std::string>{"deselect", "select"}));
    EXPECT_EQ(s->selectBox->get_parent().get(), s->currentItems[0].get());
    EXPECT_EQ(s->selectBox->get_x(), -3);
    calls.clear();
    tap(s->currentItems[0]);
    EXPECT_EQ(calls, (std::vector<std::string>{"use"}));
    calls.clear();
    tap(s->currentItems[1]);
    EXPECT_EQ(calls, (std::vector<std::string>{"deselect", "select"}));
    EXPECT_EQ(s->selectBoxMagic->get_parent().get(), s->currentItems[1].get());
    EXPECT_EQ(s->selectBox->get_parent(), nullptr);
    calls.clear();
    s->deselectItem();
    s->deselectItem();
    EXPECT_EQ(calls, (std::vector<std::string>{"deselect", "deselect"}));

    // Without a use callback a re-tap selects again; in battle a disabled icon is not selected.
    auto plainScroller = make<ItemScroller>(600, sel, nullptr, desel, true);
    plainScroller->setItems(items);
    EXPECT_EQ(plainScroller->selectBox->get_x(), -9);
    EXPECT_EQ(plainScroller->selectBox->get_y(), -11);
    tap(plainScroller->currentItems[0]);
    calls.clear();
    tap(plainScroller->currentItems[0]);
    EXPECT_EQ(calls, (std::vector<std::string>{"deselect", "select"}));
    hooks.map->battle = true;
    plainScroller->setItems(items);
    calls.clear();
    tap(plainScroller->currentItems[1]);
    EXPECT_TRUE(calls.empty());
    engine::EngG::sound = nullptr;
}

TEST_F(ScrollerTest, BestiaryEntriesDoubleThePictureAndFrameIt) {
    auto data = make<game::MonsterData>(runtime::String("Test Slime"), 990001);
    data->idleAnim = make<game::Anim>(0, 0, 30, 20, 1);
    data->bmd = make<framework::BitmapData>(60, 20, true, 0xFF00FF00);
    auto demon = make<game::MonsterData>(runtime::String("Test Demon"), game::Monster::DEMON_ID);
    game::MonsterData::MONSTERS = {data, demon};
    std::vector<std::string> calls;
    auto s = make<MonsterScroller>(560, Function::of([&](runtime::Value v) {
                                       calls.push_back(std::string("select ") + v.as<game::MonsterData>()->name.str());
                                   }),
                                   Function::of([&] { calls.push_back("deselect"); }));
    s->setMonsters({990001, game::Monster::DEMON_ID});
    ASSERT_EQ(s->currentItems.size(), 2u);
    auto pic = s->currentItems[0]->getChildAt(0);
    EXPECT_EQ(pic->get_x(), 30);
    EXPECT_EQ(pic->get_y(), 40);
    EXPECT_EQ(pic->get_scaleX(), 2);
    auto demonPic = s->currentItems[1]->getChildAt(0);
    EXPECT_EQ(demonPic->get_x(), 24);
    EXPECT_EQ(demonPic->get_y(), -34);

    s->selectItem(s->currentItems[0]);
    EXPECT_EQ(s->selectBox->get_x(), 24);
    EXPECT_EQ(s->selectBox->get_y(), 34);
    EXPECT_EQ(s->selectBox->get_width(), 72);
    EXPECT_EQ(s->selectBox->get_height(), 52);
    s->selectItem(s->currentItems[1]);
    EXPECT_EQ(s->selectBox->get_x(), 18);
    EXPECT_EQ(s->selectBox->get_y(), -40);
    EXPECT_EQ(s->selectBox->get_width(), 84);
    EXPECT_EQ(s->selectBox->get_height(), 126);
    EXPECT_EQ(calls, (std::vector<std::string>{"deselect", "select Test Slime", "deselect", "select Test Demon"}));
    s->deselectItem();
    EXPECT_EQ(s->selItem, nullptr);
    EXPECT_EQ(s->selectBox->get_parent().get(), s->currentItems[1].get()) << "the frame stays";
    game::MonsterData::MONSTERS.clear();
}
