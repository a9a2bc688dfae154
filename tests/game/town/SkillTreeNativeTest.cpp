// The skill tree over the real back end: the shipped table paired with the position picture, the
// reading rules on small pictures, the nodes' looks and bonuses, the menu's staged build, buying
// with skill points, dragging limits, and the UI root opening and closing the screen.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "framework/Lib.h"
#include "framework/assets/Assets.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/town/SkillNode.h"
#include "game/town/SkillTreeMenu.h"
#include "game/ui/HudLink.h"
#include "game/ui/UI.h"
#include "store/StoreWrap.h"
#include "tests/game/GameTables.h"
#include "tests/game/kit/KitFixture.h"
#include "tests/game/ui/HudFixture.h"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

using game::G;
using game::GameData;
using game::SkillNode;
using game::SkillTreeMenu;
using game::UI;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

class SkillTreeTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        testing_game::loadGameTablesOnce();
        gameArea(960, 540);
        SkillNode::setupButtonRects();
        G::pauseGame = G::disableMenu = false;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::skillNodesUnlocked.clear();
        GameData::skillPoints = 0;
        GameData::hp = GameData::maxHP = 100;
        GameData::mp = GameData::maxMP = 10;
        GameData::attack = GameData::defense = GameData::magic = 0;
        GameData::critChance = GameData::dropBonus = 0;
        GameData::goldMultiplier = GameData::expMultiplier = 100;
        GameData::potionDuration = 1;
        GameData::potionEfficiency = 1.0;
        hudUI = std::make_shared<HudUI>();
        hudMap = std::make_shared<HudMap>();
        game::DataUI::install(hudUI);
        game::DataMap::install(hudMap);
    }

    void TearDown() override {
        ui = nullptr;
        state = nullptr;
        G::mapState = nullptr;
        G::pauseGame = G::disableMenu = false;
        GameData::items.clear();
        GameData::itemIcons.clear();
        GameData::skillNodesUnlocked.clear();
        game::DataUI::install(nullptr);
        game::DataMap::install(nullptr);
        game::HudLink::install(nullptr);
        KitFixture::TearDown();
    }

    // A menu with its nodes read from the shipped assets, moved into tree coordinates.
    static Ref<SkillTreeMenu> shippedTree() {
        auto menu = make<SkillTreeMenu>();
        menu->buildSetBGAndTree();
        menu->buildSetupTree();
        return menu;
    }

    // A menu run through every build step with no UI root.
    static Ref<SkillTreeMenu> builtTree() {
        auto menu = make<SkillTreeMenu>();
        for (int i = 0; i < SkillTreeMenu::BUILD_STEPS; ++i) menu->updateBuild();
        return menu;
    }

    static void click(const Ref<SkillTreeMenu>& menu, const Ref<SkillNode>& node) {
        auto event = make<framework::MouseEvent>("click");
        event->set_currentTarget(node);
        menu->nodeClick(event);
    }

    void makeRoot() {
        state = make<game::MapState>();
        state->hero = make<game::Hero>();
        state->mapCanvas = make<game::BitmapSprite>();
        G::mapState = state;
        ui = make<UI>();
        game::Game::ui = ui;
        game::DataUI::install(hudUI);
        game::DataMap::install(hudMap);
    }

    std::shared_ptr<HudUI> hudUI;
    std::shared_ptr<HudMap> hudMap;
    Ref<game::MapState> state;
    Ref<UI> ui;
};

// ---- the table and the picture ----

TEST_F(SkillTreeTest, TheShippedTablePairsWithThePicture) {
    auto menu = shippedTree();
    ASSERT_EQ(menu->nodes.size(), 135u);
    EXPECT_EQ(menu->numMagicNodes, 49);
    EXPECT_EQ(menu->numCombatNodes, 41);
    EXPECT_EQ(menu->numMiscNodes, 44);
    EXPECT_EQ(menu->leftEdge, 123);
    EXPECT_EQ(menu->topEdge, 243);
    EXPECT_EQ(menu->SKILL_TREE_WIDTH, 1360);
    EXPECT_EQ(menu->SKILL_TREE_HEIGHT, 1300);
    ASSERT_TRUE(menu->centerNode);
    EXPECT_EQ(menu->centerNode->id, "center");
    EXPECT_EQ(menu->centerNode->get_x(), 20 * 34 - 17);
    EXPECT_EQ(menu->centerNode->get_y(), 20 * 35 - 17);
    EXPECT_TRUE(menu->centerNode->enabled);

    // Ids unique; every link stored at both ends; at most four links a node; 136 links in all.
    std::set<std::string> ids;
    std::size_t ends = 0;
    for (const auto& node : menu->nodes) {
        EXPECT_TRUE(ids.insert(node->id.toText()).second) << node->id.toText();
        EXPECT_LE(node->links.size(), 4u) << node->id.toText();
        ends += node->links.size();
        for (const auto& weak : node->links) {
            auto other = weak.lock();
            ASSERT_TRUE(other);
            int back = 0;
            for (const auto& w : other->links) back += w.lock() == node;
            EXPECT_GE(back, 1) << node->id.toText() << " - " << other->id.toText();
        }
    }
    EXPECT_EQ(ends, 2u * 136u);

    // Rows the layout and the table fix: id, type, size, branch, pixel.
    struct Row {
        const char* id;
        const char* type;
        int size, branch, px, py;
    };
    for (const Row& r : {Row{"4", "revealer", 50, 0, 51, 13}, Row{"9", "mpX", 50, 0, 32, 14},
                         Row{"wind", "wind", 50, 0, 50, 24}, Row{"flamestrike", "fire", 50, 0, 40, 30},
                         Row{"47", "mag", 35, 0, 34, 32}, Row{"53", "attX", 50, 1, 58, 35},
                         Row{"54", "att", 35, 1, 37, 37}, Row{"88", "defX", 50, 1, 43, 63},
                         Row{"101", "gold", 35, 2, 31, 37}, Row{"132", "potEffX", 50, 2, 13, 61}}) {
        auto node = menu->findNode(r.id);
        ASSERT_TRUE(node) << r.id;
        EXPECT_EQ(node->type, r.type) << r.id;
        EXPECT_EQ(node->nodeSize, r.size) << r.id;
        EXPECT_EQ(node->branchType, r.branch) << r.id;
        EXPECT_EQ(node->get_x(), 20 * r.px - 17) << r.id;
        EXPECT_EQ(node->get_y(), 20 * r.py - 17) << r.id;
    }
    // The three nodes beside the centre, and nothing else, are linked to it.
    std::set<std::string> besideCentre;
    for (const auto& w : menu->centerNode->links) besideCentre.insert(w.lock()->id.toText());
    EXPECT_EQ(besideCentre, (std::set<std::string>{"47", "54", "101"}));

    // Every node reaches the centre.
    std::set<SkillNode*> seen{menu->centerNode.get()};
    std::vector<Ref<SkillNode>> todo{menu->centerNode};
    while (!todo.empty()) {
        auto node = todo.back();
        todo.pop_back();
        for (const auto& w : node->links)
            if (auto other = w.lock(); seen.insert(other.get()).second) todo.push_back(other);
    }
    EXPECT_EQ(seen.size(), 135u);
}

TEST_F(SkillTreeTest, PixelColoursPickTheBranchAndTheTableThePairing) {
    // Row 0: dark red, magenta, near-white (all combat), blue (magic), green (misc); row 1: the centre.
    auto picture = make<framework::BitmapData>(5, 2, false, static_cast<int>(0xFF000000));
    const int colours[] = {0x440000, 0xFF00FF, 0xFFFFFE, 0x000044, 0x00FF00};
    for (int x = 0; x < 5; ++x) picture->setPixel(x, 0, colours[x]);
    picture->setPixel(2, 1, 0xFFFFFF);
    const String table = R"(<tree>
        <magic><n id="m" type="mag"><l id="center"/></n></magic>
        <combat>
          <node id="c1" type="att"><link id="m"/></node>
          <node id="c2" type="attX" color="gold"/>
          <node id="c3" type="heal" color="purple"><link id="nobody"/><link id="c2"/></node>
        </combat>
        <misc><node id="g" type="drop" color="black"/></misc>
        <misc><node id="ignored" type="drop"/></misc>
      </tree>)";
    auto menu = make<SkillTreeMenu>();
    menu->setupTree(picture, table);
    ASSERT_EQ(menu->nodes.size(), 6u);
    struct Want {
        const char* id;
        int branch, size;
        bool gold;
    };
    const Want want[] = {{"c1", 1, 35, false}, {"c2", 1, 50, true}, {"c3", 1, 50, false},
                         {"m", 0, 35, false},  {"g", 2, 35, false}, {"center", -1, 35, false}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(menu->nodes[i]->id, want[i].id) << i;
        EXPECT_EQ(menu->nodes[i]->branchType, want[i].branch) << i;
        EXPECT_EQ(menu->nodes[i]->nodeSize, want[i].size) << i;
        EXPECT_EQ(menu->nodes[i]->gold, want[i].gold) << i;
    }
    EXPECT_EQ(menu->centerNode, menu->nodes[5]);
    // A purple node takes the green skin; the unknown link makes nothing.
    EXPECT_EQ(menu->findNode("c3")->buttonBitmaps[0], SkillNode::BUTTON_BITMAPS_GREEN[0]);
    EXPECT_EQ(menu->findNode("c3")->links.size(), 1u);
    EXPECT_EQ(menu->findNode("m")->links.size(), 2u);  // the centre and c1
    EXPECT_EQ(menu->centerNode->links.size(), 1u);
    EXPECT_EQ(menu->numCombatNodes, 3);
    EXPECT_EQ(menu->numMagicNodes, 1);
    EXPECT_EQ(menu->numMiscNodes, 1);
    EXPECT_EQ(menu->SKILL_TREE_WIDTH, 4 * 20 + 300);
    EXPECT_EQ(menu->SKILL_TREE_HEIGHT, 20 + 300);
}

TEST_F(SkillTreeTest, AMismatchedTableOrAPictureWithoutCentreIsRefused) {
    auto picture = make<framework::BitmapData>(2, 1, false, static_cast<int>(0xFF000000));
    picture->setPixel(0, 0, 0xFFFFFF);
    picture->setPixel(1, 0, 0x0000FF);
    const char* tables[] = {
        "<d><magic/><combat/><misc/></d>",                                                      // too few
        "<d><magic><node id='a' type='mag'/><node id='b' type='mag'/></magic><combat/><misc/></d>",  // too many
        "<d><magic><node id='a' type='mag'/></magic><combat/></d>",                              // no misc
        "<d><magic><node id='a' type='mag'/></magic><combat/><misc></d>",                        // not XML
    };
    for (const char* table : tables)
        EXPECT_ANY_THROW(make<SkillTreeMenu>()->setupTree(picture, table)) << table;
    EXPECT_NO_THROW(
        make<SkillTreeMenu>()->setupTree(picture, "<d><magic><node id='a' type='mag'/></magic><combat/><misc/></d>"));
    auto noCentre = make<framework::BitmapData>(1, 1, false, static_cast<int>(0xFF0000FF));
    EXPECT_ANY_THROW(
        make<SkillTreeMenu>()->setupTree(noCentre, "<d><magic><node id='a' type='mag'/></magic><combat/><misc/></d>"));
}

// ---- the node ----

TEST_F(SkillTreeTest, NodeSizesAndIconPlacesFollowTheColour) {
    struct Case {
        const char* type;
        const char* colour;
        int size, iconAt, cellX, cellY, cell;
        const char* description;
    };
    for (const Case& c : {Case{"crit", nullptr, 35, 4, 54, 27, 27, "Critical Chance + 2%"},
                          Case{"goldX", "gold", 50, 11, 108, 27, 27, "Gold Dropped + 15%"},
                          Case{"ice", "green", 50, 5, 80, 0, 40, "Iceslash"},
                          Case{"potDur", "black", 35, 4, 54, 54, 27, "Potion Duration + 1"}}) {
        auto node = make<SkillNode>();
        node->initialize(c.type, c.type, c.colour ? String(c.colour) : String());
        EXPECT_EQ(node->nodeSize, c.size) << c.type;
        EXPECT_EQ(node->icon->get_x(), c.iconAt) << c.type;
        EXPECT_EQ(node->icon->get_y(), c.iconAt) << c.type;
        auto cell = node->icon->get_scrollRect();
        ASSERT_TRUE(cell) << c.type;
        EXPECT_EQ(cell->x, c.cellX) << c.type;
        EXPECT_EQ(cell->y, c.cellY) << c.type;
        EXPECT_EQ(cell->width, c.cell) << c.type;
        EXPECT_EQ(node->descText->text, c.description) << c.type;
        EXPECT_DOUBLE_EQ(node->icon->get_alpha(), 0.8);
        // A new node is drawn locked; enabling lifts the overlay, disabling puts it back on top.
        EXPECT_EQ(node->disabledSprite->get_parent().get(), node.get());
        node->enable();
        EXPECT_EQ(node->disabledSprite->get_parent().get(), nullptr);
        EXPECT_DOUBLE_EQ(node->icon->get_alpha(), 1);
        node->disable();
        EXPECT_EQ(node->getChildAt(node->get_numChildren() - 1), node->disabledSprite);
        EXPECT_DOUBLE_EQ(node->icon->get_alpha(), 0.5);
    }
}

TEST_F(SkillTreeTest, BuyingANodeCreditsItsBonus) {
    struct Case {
        const char* type;
        int* stat;
        int gain;
        int* second;
    };
    for (const Case& c : {Case{"hp", &GameData::maxHP, 20, &GameData::hp}, Case{"mpX", &GameData::maxMP, 25, &GameData::mp},
                          Case{"att", &GameData::attack, 1, nullptr}, Case{"defX", &GameData::defense, 3, nullptr},
                          Case{"magX", &GameData::magic, 10, nullptr}, Case{"critX", &GameData::critChance, 10, nullptr},
                          Case{"exp", &GameData::expMultiplier, 2, nullptr},
                          Case{"goldX", &GameData::goldMultiplier, 15, nullptr},
                          Case{"dropX", &GameData::dropBonus, 3, nullptr},
                          Case{"potDurX", &GameData::potionDuration, 3, nullptr}}) {
        GameData::skillNodesUnlocked.clear();
        auto node = make<SkillNode>();
        node->initialize(String("id-") + c.type, c.type);
        const int before = *c.stat, secondBefore = c.second ? *c.second : 0;
        node->activate(false);
        EXPECT_EQ(*c.stat, before) << "no credit on a rebuild: " << c.type;
        EXPECT_TRUE(GameData::skillNodesUnlocked.empty());
        node->activate(true);
        EXPECT_EQ(*c.stat, before + c.gain) << c.type;
        if (c.second) {
            EXPECT_EQ(*c.second, secondBefore + c.gain) << c.type;
        }
        ASSERT_FALSE(GameData::skillNodesUnlocked.empty());
        EXPECT_EQ(GameData::skillNodesUnlocked.back(), String("id-") + c.type);
    }
    auto efficiency = make<SkillNode>();
    efficiency->initialize("e", "potEff");
    efficiency->activate();
    EXPECT_NEAR(GameData::potionEfficiency, 1.05, 1e-9);
    // Each purchase refreshes the HUD figures and hands 50 sparks and a ring to the effect list.
    EXPECT_EQ(hudUI->hpChanges.size(), 11u);
    EXPECT_EQ(hudMap->menuEffects.size(), 11u * 51u);
}

TEST_F(SkillTreeTest, ASpellNodeGivesOneSpellAndTheCentreNeverActivates) {
    auto node = make<SkillNode>();
    node->initialize("flamestrike", "fire", "green");
    ASSERT_TRUE(node->spellItem);
    EXPECT_EQ(node->spellItem->data->idName, "fire");
    node->activate();
    ASSERT_EQ(GameData::items.size(), 1u);
    EXPECT_EQ(GameData::items[0]->data->idName, "fire");
    EXPECT_EQ(GameData::items[0]->amount, 1);

    auto centre = make<SkillNode>();
    centre->initialize("center", "center");
    centre->activate();
    centre->select();
    EXPECT_FALSE(centre->activated);
    EXPECT_EQ(GameData::skillNodesUnlocked.size(), 1u);
    EXPECT_EQ(centre->get_numChildren(), 1);
}

TEST_F(SkillTreeTest, HoverDoesNotReplaceTheSelectedFrame) {
    auto node = make<SkillNode>();
    node->initialize("1", "mag");
    node->mouseOver();
    EXPECT_EQ(node->overBitmap, SkillNode::BUTTON_BITMAPS_BLACK[SkillNode::INACTIVE_OVER]);
    EXPECT_EQ(node->getChildAt(0), node->overBitmap);
    node->mouseOut();
    EXPECT_EQ(node->overBitmap->get_parent().get(), nullptr);

    node->select();
    EXPECT_EQ(node->overBitmap, SkillNode::BUTTON_BITMAPS_BLACK[SkillNode::INACTIVE_SELECTED]);
    EXPECT_TRUE(node->descText->get_visible());
    node->mouseOver();
    EXPECT_EQ(node->overBitmap, SkillNode::BUTTON_BITMAPS_BLACK[SkillNode::INACTIVE_SELECTED]);
    // Moving off removes the frame but keeps the description; pointing again shows no frame.
    node->mouseOut();
    node->mouseOut();
    EXPECT_EQ(node->overBitmap->get_parent().get(), nullptr);
    EXPECT_TRUE(node->descText->get_visible());
    node->mouseOver();
    EXPECT_EQ(node->overBitmap->get_parent().get(), nullptr);

    // A frame is one shared bitmap: showing it on another node takes it from this one.
    node->deselect();
    node->mouseOver();
    auto other = make<SkillNode>();
    other->initialize("2", "mp");
    other->mouseOver();
    EXPECT_EQ(node->overBitmap->get_parent().get(), other.get());
    node->mouseOut();
    EXPECT_EQ(other->overBitmap->get_parent().get(), other.get());

    // On a touch platform nodes do not listen for the pointer passing over them.
    game::Game::mobile = true;
    auto touch = make<SkillNode>();
    touch->initialize("3", "mp");
    EXPECT_FALSE(touch->hasEventListener(framework::MouseEvent::MOUSE_OVER));
    EXPECT_TRUE(other->hasEventListener(framework::MouseEvent::MOUSE_OVER));
}

// ---- the menu ----

TEST_F(SkillTreeTest, TheBuildTakesNineStepsAndStartsWithTheCentresNeighbours) {
    auto menu = make<SkillTreeMenu>();
    EXPECT_TRUE(menu->building);
    for (int i = 0; i < SkillTreeMenu::BUILD_STEPS; ++i) {
        EXPECT_EQ(menu->buildPhase, i);
        EXPECT_TRUE(menu->building);
        menu->updateBuild();
    }
    EXPECT_FALSE(menu->building);
    EXPECT_EQ(menu->buildPhase, 9);
    // The leftmost node stands at x 150 and the topmost at y 150 (a large one 7 further up-left).
    double minX = 1e9, minY = 1e9;
    for (const auto& node : menu->nodes) {
        const int large = node->nodeSize == 50 ? 7 : 0;
        minX = std::min(minX, node->get_x() + large);
        minY = std::min(minY, node->get_y() + large);
        EXPECT_EQ(node->get_parent().get(), menu->skillTree.get());
        if (node != menu->centerNode) {
            EXPECT_EQ(node->enabled, node->id == "47" || node->id == "54" || node->id == "101") << node->id.toText();
        }
        EXPECT_FALSE(node->activated);
    }
    EXPECT_EQ(minX, 150);
    EXPECT_EQ(minY, 150);
    EXPECT_EQ(menu->lines->bmd->get_width(), 1360 - 300 + 100);
    EXPECT_EQ(menu->lines->bmd->get_height(), 1300 - 300 + 100);
    // The first view is centred and 100 lower, not yet clamped.
    EXPECT_EQ(menu->skillTree->get_x(), (960 - 1360) * 0.5);
    EXPECT_EQ(menu->skillTree->get_y(), (540 - 1300) * 0.5 + 100);
    EXPECT_EQ(menu->skillPoints->text, "0");
    EXPECT_DOUBLE_EQ(menu->itemDetailsWindow->get_y(), 540 - 110);
}

TEST_F(SkillTreeTest, ClicksSelectThenBuyForOnePoint) {
    GameData::skillPoints = 1;
    auto menu = builtTree();
    auto first = menu->findNode("54");
    auto locked = menu->findNode("56");
    ASSERT_TRUE(first && locked);
    ASSERT_TRUE(first->enabled);
    ASSERT_FALSE(locked->enabled);

    // A locked node clicked twice stays selected and locked.
    click(menu, locked);
    click(menu, locked);
    EXPECT_EQ(menu->selectedNode, locked);
    EXPECT_FALSE(locked->activated);
    EXPECT_EQ(GameData::skillPoints, 1);

    // First click selects, second buys: one point spent, the number shown, the selection cleared.
    const int attack = GameData::attack;
    click(menu, first);
    EXPECT_EQ(menu->selectedNode, first);
    EXPECT_FALSE(first->activated);
    click(menu, first);
    EXPECT_TRUE(first->activated);
    EXPECT_EQ(menu->selectedNode, nullptr);
    EXPECT_EQ(GameData::skillPoints, 0);
    EXPECT_EQ(menu->skillPoints->text, "0");
    EXPECT_EQ(GameData::attack, attack + 1);
    EXPECT_EQ(GameData::skillNodesUnlocked.size(), 1u);
    EXPECT_TRUE(locked->enabled) << "a neighbour of a bought node becomes available";
    EXPECT_EQ(menu->combatNodesActivated, 1);

    // With no points left the second click only deselects.
    click(menu, locked);
    click(menu, locked);
    EXPECT_FALSE(locked->activated);
    EXPECT_EQ(menu->selectedNode, nullptr);
    EXPECT_EQ(GameData::skillPoints, 0);
    // An active node toggles its selection and is never bought twice.
    click(menu, first);
    click(menu, first);
    EXPECT_EQ(menu->selectedNode, first);
    EXPECT_EQ(GameData::skillNodesUnlocked.size(), 1u);
    // The centre cannot be selected.
    click(menu, menu->centerNode);
    EXPECT_EQ(menu->selectedNode, nullptr);
}

TEST_F(SkillTreeTest, ASpellNodeShowsItsSpellInTheDetails) {
    auto menu = builtTree();
    auto heal = menu->findNode("44");
    click(menu, heal);
    ASSERT_TRUE(menu->itemDetails->item);
    EXPECT_EQ(menu->itemDetails->item->data->idName, "heal");
    click(menu, menu->findNode("47"));
    EXPECT_EQ(menu->itemDetails->item, nullptr);
}

TEST_F(SkillTreeTest, AReopenedTreeRebuildsFromTheBoughtIds) {
    std::vector<std::string> sent;
    store::StoreWrap::active = true;
    store::StoreWrap::StoreWrap_SetAchievement = runtime::Primitive(runtime::Function::of([&](std::string id) {
        sent.push_back(id);
        return true;
    }));
    GameData::skillNodesUnlocked = {String("47"), String("nobody"), String("46"), String("54")};
    const int magic = GameData::magic;
    auto menu = builtTree();
    EXPECT_EQ(GameData::magic, magic) << "a rebuild credits nothing";
    EXPECT_EQ(menu->magicNodesActivated, 2);
    EXPECT_EQ(menu->combatNodesActivated, 1);
    EXPECT_EQ(menu->miscNodesActivated, 0);
    int active = 0;
    for (const auto& node : menu->nodes) {
        active += node->activated;
        if (node->activated) {
            EXPECT_TRUE(node->enabled) << node->id.toText();
            for (const auto& w : node->links) EXPECT_TRUE(w.lock()->enabled) << w.lock()->id.toText();
        }
    }
    EXPECT_EQ(active, 3);
    EXPECT_FALSE(menu->centerNode->activated);

    // A complete branch counts all its nodes on every opening.
    GameData::skillNodesUnlocked.clear();
    auto all = shippedTree();
    for (const auto& node : all->nodes)
        if (node->branchType == SkillNode::BRANCH_TYPE_MISC) GameData::skillNodesUnlocked.push_back(node->id);
    EXPECT_TRUE(sent.empty());
    auto full = builtTree();
    EXPECT_EQ(full->miscNodesActivated, 44);
    EXPECT_EQ(sent, std::vector<std::string>{"masterEnchanter"});
    store::StoreWrap::active = false;
    store::StoreWrap::StoreWrap_SetAchievement = nullptr;
}

TEST_F(SkillTreeTest, LinesAreWhiteTowardsNeighboursAnActivationOpened) {
    // a (0,0) and b (10,0) on top, the centre (5,5) and c (10,5) below: a-centre, a-b, b-c.
    auto picture = make<framework::BitmapData>(11, 6, false, static_cast<int>(0xFF000000));
    picture->setPixel(0, 0, 0x0000FF);
    picture->setPixel(10, 0, 0x000044);
    picture->setPixel(5, 5, 0xFFFFFF);
    picture->setPixel(10, 5, 0x0000FF);
    GameData::skillNodesUnlocked = {String("a")};
    auto menu = make<SkillTreeMenu>();
    menu->buildSetBGAndTree();
    menu->setupTree(picture, R"(<data><magic>
        <node id="a" type="mag"><link id="center"/></node>
        <node id="b" type="mp"><link id="a"/></node>
        <node id="c" type="hp"><link id="b"/></node></magic><combat/><misc/></data>)");
    for (int step = 2; step < SkillTreeMenu::BUILD_STEPS; ++step) {
        menu->buildPhase = step;
        menu->updateBuild();
    }
    auto bmd = menu->lines->bmd;
    auto midpoint = [&](const char* first, const char* second) {
        auto p = menu->linkPoint(menu->findNode(first));
        auto q = menu->linkPoint(menu->findNode(second));
        return static_cast<uint32_t>(
            bmd->getPixel32(static_cast<int>((p->x + q->x) / 2), static_cast<int>((p->y + q->y) / 2)));
    };
    // The colour without alpha: white lines over grey ones, grey between locked nodes.
    EXPECT_EQ(midpoint("a", "b") & 0xFFFFFF, 0xFFFFFFu) << "a made b available";
    EXPECT_EQ(midpoint("a", "center") & 0xFFFFFF, 0xFFFFFFu);
    const uint32_t grey = midpoint("b", "c");
    EXPECT_EQ(grey & 0xFFFFFF, 0xAAAAAAu);
    EXPECT_GT(grey >> 24, 0u) << "a link between locked nodes is drawn";
    EXPECT_TRUE(menu->findNode("b")->enabled);
    EXPECT_FALSE(menu->findNode("c")->enabled);
    // Away from the lines the bitmap stays clear.
    EXPECT_EQ(static_cast<uint32_t>(bmd->getPixel32(bmd->get_width() / 2, 5)), 0u);
}

TEST_F(SkillTreeTest, DraggingKeepsTheTreeWithinBounds) {
    auto menu = builtTree();
    // Taller and wider than the screen: clamped between screen - size and 0.
    menu->skillTree->set_x(50);
    menu->skillTree->set_y(-5000);
    menu->keepWithinBounds();
    EXPECT_EQ(menu->skillTree->get_x(), 0);
    EXPECT_EQ(menu->skillTree->get_y(), 540 - 1300);
    // Narrower than the screen: centred whatever the drag.
    game::Game::gameWidth = 1600;
    menu->skillTree->set_x(-300);
    menu->keepWithinBounds();
    EXPECT_EQ(menu->skillTree->get_x(), (1600 - 1360) * 0.5);
    game::Game::gameWidth = 960;
    // Nodes far off the screen are hidden.
    menu->skillTree->set_x(0);
    menu->skillTree->set_y(0);
    menu->setNodeVisibilities();
    for (const auto& node : menu->nodes) {
        const bool inside = node->get_x() >= -node->nodeSize && node->get_x() <= 960 + node->nodeSize &&
                            node->get_y() >= -node->nodeSize && node->get_y() <= 540 + node->nodeSize;
        EXPECT_EQ(node->get_visible(), inside) << node->id.toText();
    }
}

// ---- the UI root ----

TEST_F(SkillTreeTest, TheRootOpensBuildsAndClosesTheTree) {
    makeRoot();
    ui->openSkillTree(false);
    ASSERT_TRUE(ui->skillTreeMenu);
    EXPECT_TRUE(ui->skillTreeOpen);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_TRUE(ui->loadingScreenOpen);
    EXPECT_EQ(ui->skillTreeMenu->get_parent().get(), ui->overLayer.get());
    // The loading cover sits above the menu while it builds.
    EXPECT_GT(ui->overLayer->getChildIndex(ui->loadingScreen), ui->overLayer->getChildIndex(ui->skillTreeMenu));
    for (int i = 0; i < SkillTreeMenu::BUILD_STEPS; ++i) ui->updatePausedStuff();
    EXPECT_FALSE(ui->skillTreeMenu->building);
    EXPECT_FALSE(ui->loadingScreenOpen);
    ui->updatePausedStuff();  // the built menu's own update

    // Closing by name, as the keyboard does; opened with unpauseAfter false the game stays paused.
    const runtime::Value close = runtime::Value(ui).field("closeSkillTree");
    ASSERT_TRUE(close.function());
    (*close.function())();
    EXPECT_FALSE(ui->skillTreeOpen);
    EXPECT_EQ(ui->skillTreeMenu, nullptr);
    EXPECT_TRUE(G::pauseGame);
    EXPECT_FALSE(ui->overBlack->get_visible());

    // Opened from the skill-points button, closing unpauses; closing mid-build drops the cover.
    ui->openSkillTree(true);
    ui->updatePausedStuff();
    EXPECT_TRUE(ui->skillTreeMenu->building);
    ui->closeSkillTree();
    EXPECT_FALSE(G::pauseGame);
    EXPECT_FALSE(ui->loadingScreenOpen);
    EXPECT_FALSE(G::disableMenu);
}

TEST_F(SkillTreeTest, TheOpenTreeIsDrawn) {
    const std::string png = (std::filesystem::path(GLV_KIT_SCENE_PNG).parent_path() / "skill-tree.png").string();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    GameData::skillNodesUnlocked = {String("47"), String("46"), String("54"), String("101"), String("105")};
    GameData::skillPoints = 3;
    Ref<SkillTreeMenu> menu;
    std::vector<std::function<void()>> steps;
    steps.push_back([&] {
        menu = make<SkillTreeMenu>();
        framework::Lib::get_stage()->addChild(menu);
    });
    for (int i = 0; i < SkillTreeMenu::BUILD_STEPS; ++i) steps.push_back([&] { menu->updateBuild(); });
    steps.push_back([&] {
        click(menu, menu->findNode("44"));
        tween::Tweener::reset();
        menu->itemDetailsWindow->set_alpha(1);
        menu->findNode("44")->descText->set_alpha(1);
        menu->findNode("44")->descText->set_y(-25);
    });
    steps.push_back([] {});
    onStage(steps);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    EXPECT_EQ(w, 960);
    EXPECT_EQ(h, 540);
    // Something besides black is drawn in the tree area and in the top bar.
    int lit = 0;
    for (int y = 60; y < 420; y += 3)
        for (int x = 0; x < 960; x += 3) {
            const unsigned char* p = pixels + (y * w + x) * 4;
            lit += p[0] + p[1] + p[2] > 60;
        }
    EXPECT_GT(lit, 200);
    stbi_image_free(pixels);
}

}  // namespace
