#include "SkillTreeMenu.h"

#include <algorithm>

#include "framework/assets/Assets.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "game/data/Achievements.h"
#include "game/data/DataTable.h"
#include "game/data/GameData.h"
#include "game/kit/TweenProps.h"
#include "game/shell/BMDCache.h"
#include "game/shell/F.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"
#include "platform/runtime/Thrown.h"
#include "tween/Tweener.h"
#include "tween/easing/Linear.h"

namespace game {

using framework::BitmapData;
using framework::Point;
using framework::Rectangle;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

constexpr int GRID = 20;
constexpr int GRID_OFFSET = 17;
constexpr int LINES_OFFSET = SkillTreeMenu::PAN_BUFFER - SkillTreeMenu::LINES_PAD;
const int GREY_LINE = static_cast<int>(0xAAAAAAAAu);
const int GREY_EDGE = static_cast<int>(0x44AAAAAAu);
const int WHITE_LINE = static_cast<int>(0xFFFFFFFFu);
const int WHITE_EDGE = static_cast<int>(0x88FFFFFFu);
const char* const BRANCH_NAMES[] = {"magic", "combat", "misc"};

// The branch of a non-black pixel: red first, then green, else blue.
int branchOf(int rgb) {
    if ((rgb >> 16) & 0xFF) return SkillNode::BRANCH_TYPE_COMBAT;
    if ((rgb >> 8) & 0xFF) return SkillNode::BRANCH_TYPE_MISC;
    return SkillNode::BRANCH_TYPE_MAGIC;
}

}  // namespace

SkillTreeMenu::SkillTreeMenu() : BitmapSprite() {
    buildPhase = 0;
    building = true;
}

void SkillTreeMenu::updateBuild() {
    switch (buildPhase) {
        case 0: buildSetBGAndTree(); break;
        case 1: buildSetupTree(); break;
        case 2: buildOffsetNodes(); break;
        case 3: buildAddDesign(); break;
        case 4: buildAddLines(); break;
        case 5: buildDrawEntireTree(); break;
        case 6: buildDrawNodes(); break;
        case 7: buildCreateUIStuff(); break;
        case 8: finishBuild(); break;
        default: return;
    }
    if (Game::ui && Game::ui->loadingScreen) Game::ui->loadingScreen->update(buildPhase * 0.125);
    ++buildPhase;
}

void SkillTreeMenu::buildSetBGAndTree() {
    auto back = make<framework::Bitmap>(BMDCache::blackSquare2x2);
    back->set_width(Game::gameWidth);
    back->set_height(Game::gameHeight);
    addChild(back);
    skillTree = make<BitmapSprite>();
    skillTree->set_scaleX(TREE_SCALE);
    skillTree->set_scaleY(TREE_SCALE);
    addChild(skillTree);
    addEventListener(framework::MouseEvent::MOUSE_DOWN, Function::method<&SkillTreeMenu::treeMouseDown>(this));
}

void SkillTreeMenu::buildSetupTree() {
    setupTree(framework::Assets::getBitmapData(MAP_PICTURE), framework::Assets::getText(TABLE));
}

void SkillTreeMenu::setupTree(const Ref<BitmapData>& picture, const String& table) {
    if (!picture) runtime::Thrown::text(std::string("Skill tree picture ") + MAP_PICTURE + " is missing");
    std::vector<Ref<SkillNode>> branches[3];
    const int width = picture->get_width(), height = picture->get_height();
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            const int rgb = picture->getPixel(px, py) & 0xFFFFFF;
            if (rgb == 0) continue;
            auto node = make<SkillNode>();
            const int x = GRID * px - GRID_OFFSET, y = GRID * py - GRID_OFFSET;
            node->set_x(x);
            node->set_y(y);
            nodes.push_back(node);
            leftEdge = std::min(leftEdge, x);
            topEdge = std::min(topEdge, y);
            rightEdge = std::max(rightEdge, x);
            bottomEdge = std::max(bottomEdge, y);
            if (rgb == 0xFFFFFF && !centerNode) {
                centerNode = node;
                node->initialize(SkillNode::TYPE_CENTER, SkillNode::TYPE_CENTER);
                node->enable();
            } else {
                node->branchType = branchOf(rgb);
                branches[node->branchType].push_back(node);
            }
            node->addEventListener(framework::MouseEvent::CLICK, Function::method<&SkillTreeMenu::nodeClick>(this));
        }
    }
    if (!centerNode) runtime::Thrown::text("Skill tree picture has no centre pixel");

    pugi::xml_document doc;
    pugi::xml_node root = DataTable::open(doc, std::string("Skill tree table ") + TABLE, table);
    pugi::xml_node branchElements[3];
    for (int b = 0; b < 3; ++b) {
        branchElements[b] = root.child(BRANCH_NAMES[b]);
        if (!branchElements[b]) runtime::Thrown::text(std::string("Skill tree table lacks its ") + BRANCH_NAMES[b]);
        std::size_t i = 0;
        for (pugi::xml_node n = branchElements[b].first_child(); n; n = n.next_sibling()) {
            if (n.type() != pugi::node_element) continue;
            if (i++ >= branches[b].size()) continue;
            branches[b][i - 1]->initialize(DataTable::text(n, "id"), DataTable::text(n, "type"),
                                         DataTable::text(n, "color"));
        }
        if (i != branches[b].size())
            runtime::Thrown::text(std::string("Skill tree table: the ") + BRANCH_NAMES[b] + " branch has " +
                                  std::to_string(i) + " nodes for " + std::to_string(branches[b].size()) + " pixels");
    }
    for (int b = 0; b < 3; ++b)
        for (pugi::xml_node n = branchElements[b].first_child(); n; n = n.next_sibling()) {
            if (n.type() != pugi::node_element) continue;
            const String id = DataTable::text(n, "id");
            for (pugi::xml_node link = n.first_child(); link; link = link.next_sibling())
                if (link.type() == pugi::node_element) linkNodeIds(DataTable::text(link, "id"), id);
        }
    numMagicNodes = static_cast<int>(branches[SkillNode::BRANCH_TYPE_MAGIC].size());
    numCombatNodes = static_cast<int>(branches[SkillNode::BRANCH_TYPE_COMBAT].size());
    numMiscNodes = static_cast<int>(branches[SkillNode::BRANCH_TYPE_MISC].size());
    SKILL_TREE_WIDTH = rightEdge - leftEdge + 2 * PAN_BUFFER;
    SKILL_TREE_HEIGHT = bottomEdge - topEdge + 2 * PAN_BUFFER;
}

Ref<SkillNode> SkillTreeMenu::findNode(const String& id) {
    if (id.isNull()) return nullptr;
    for (const auto& node : nodes)
        if (node->id == id) return node;
    return nullptr;
}

void SkillTreeMenu::linkNodeIds(const String& id1, const String& id2) {
    auto first = findNode(id1);
    if (!first) return;
    auto second = findNode(id2);
    if (!second) return;
    first->links.emplace_back(second);
    second->links.emplace_back(first);
}

void SkillTreeMenu::buildOffsetNodes() {
    const int dx = -(leftEdge - PAN_BUFFER), dy = -(topEdge - PAN_BUFFER);
    const int large = (SkillNode::NODE_SIZE_LARGE - SkillNode::NODE_SIZE_NORMAL) / 2;
    for (const auto& node : nodes) {
        node->set_x(node->get_x() + dx);
        node->set_y(node->get_y() + dy);
        if (node->nodeSize == SkillNode::NODE_SIZE_LARGE) {
            node->set_x(node->get_x() - large);
            node->set_y(node->get_y() - large);
        }
    }
}

void SkillTreeMenu::buildAddDesign() {
    auto design = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/skillTreeBG.png"));
    design->set_smoothing(true);
    const int side = (SKILL_TREE_WIDTH > SKILL_TREE_HEIGHT ? SKILL_TREE_WIDTH : SKILL_TREE_HEIGHT) + 100;
    design->set_width(side);
    design->set_height(side);
    design->set_x(centerNode->get_x() + centerNode->nodeSize * 0.5 - side * 0.5);
    design->set_y(centerNode->get_y() + centerNode->nodeSize * 0.5 - side * 0.5);
    skillTree->addChild(design);
}

void SkillTreeMenu::buildAddLines() {
    auto bmd = make<BitmapData>(static_cast<int>(SKILL_TREE_WIDTH - 2 * PAN_BUFFER) + 2 * LINES_PAD,
                                static_cast<int>(SKILL_TREE_HEIGHT - 2 * PAN_BUFFER) + 2 * LINES_PAD, true, 0);
    lines = make<BitmapSprite>(bmd, true);
    if (lines->bitmap) lines->bitmap->set_smoothing(true);
    lines->set_scaleX(LINES_SCALE);
    lines->set_scaleY(LINES_SCALE);
    lines->set_x(LINES_OFFSET);
    lines->set_y(LINES_OFFSET);
    skillTree->addChild(lines);
}

Ref<Point> SkillTreeMenu::linkPoint(const Ref<SkillNode>& node) {
    return make<Point>(node->get_x() + node->nodeSize * 0.5 - LINES_OFFSET,
                       node->get_y() + node->nodeSize * 0.5 - LINES_OFFSET);
}

void SkillTreeMenu::buildDrawEntireTree() {
    auto bmd = lines->bmd;
    bmd->fillRect(bmd->get_rect(), 0);
    for (const auto& node : nodes)
        for (const auto& weak : node->links)
            if (auto other = weak.lock()) F::drawLine(bmd, linkPoint(node), linkPoint(other), GREY_LINE, GREY_EDGE);
    skillTree->set_x((Game::gameWidth - SKILL_TREE_WIDTH * TREE_SCALE) * 0.5);
    skillTree->set_y((Game::gameHeight - SKILL_TREE_HEIGHT * TREE_SCALE) * 0.5 + 100);
    activateAllUnlockedNodes();
    activateNode(centerNode);
}

void SkillTreeMenu::buildDrawNodes() {
    for (const auto& node : nodes) {
        skillTree->addChild(node);
        drawNode(node);
    }
}

void SkillTreeMenu::buildCreateUIStuff() {
    topBar = make<BasicWindow>(Game::gameWidth, 50);
    addChild(topBar);
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Skills", false, -1, 2, true, 0, false, false,
                                  -5.0, 2, true);
    title->set_x(Game::gameCenter ? Game::gameCenter->x : Game::gameWidth * 0.5);
    title->set_y(15);
    topBar->addChild(title);
    backButton = make<BasicButton>(60, 42, 0, -1, BasicButton::COLOR_RED, true,
                                   make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Back", false, -1, 2, true, 0,
                                                    false, false, -5.0, 2, true));
    backButton->set_x(Game::gameWidth - backButton->buttonWidth - 4);
    backButton->set_y(4);
    backButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&SkillTreeMenu::cancelClick>(this));
    topBar->addChild(backButton);
    auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Skill Points Available: ", false, -1, 2, false,
                                  0, false, false, -5.0, 2, true);
    label->set_x(10);
    label->set_y(15);
    topBar->addChild(label);
    skillPoints = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "");
    skillPoints->set_x(label->get_x() + label->textWidth);
    skillPoints->set_y(label->get_y());
    topBar->addChild(skillPoints);

    const int width = static_cast<int>((std::min(Game::gameWidth, 960) - 120) * 0.55);
    itemDetailsWindow = make<BasicWindow>(width, 110);
    itemDetailsWindow->set_x(0);
    itemDetailsWindow->set_y(Game::gameHeight - 110);
    addChild(itemDetailsWindow);
    itemDetails = make<ItemDetails>(width, 110, false);
    itemDetails->set_x(static_cast<int>((width - ItemDetails::DETAILS_WIDTH) * 0.5));
    itemDetails->set_y(10);
    itemDetailsWindow->addChild(itemDetails);
}

void SkillTreeMenu::finishBuild() {
    building = false;
    updateSkillPoints();
    deselectSelectedNode();
    setNodeVisibilities();
    if (Game::ui) Game::ui->closeLoadingScreen();
}

void SkillTreeMenu::drawNode(const Ref<SkillNode>& node) {
    if (!node || node->isCenter() || !lines) return;
    const int state = node->activated ? SkillNode::ACTIVE_UNSELECTED : SkillNode::INACTIVE_UNSELECTED;
    const auto& skin = node->buttonBitmaps[state];
    if (!skin || !skin->get_bitmapData()) return;
    const auto& cell =
        node->nodeSize == SkillNode::NODE_SIZE_LARGE ? SkillNode::BUTTON_RECTS_LARGE : SkillNode::BUTTON_RECTS_NORMAL;
    lines->bmd->copyPixels(skin->get_bitmapData(), cell[state],
                           make<Point>(node->get_x() - lines->get_x(), node->get_y() - lines->get_y()), nullptr,
                           nullptr, true);
}

void SkillTreeMenu::activateAllUnlockedNodes() {
    for (const auto& node : nodes) {
        node->activated = false;
        node->disable();
    }
    magicNodesActivated = combatNodesActivated = miscNodesActivated = 0;
    for (const String& id : GameData::skillNodesUnlocked)
        if (auto node = findNode(id)) activateNode(node, false);
}

void SkillTreeMenu::activateNode(const Ref<SkillNode>& node, bool credit) {
    if (!node->activated) {
        switch (node->branchType) {
            case SkillNode::BRANCH_TYPE_MAGIC:
                if (++magicNodesActivated >= numMagicNodes) Achievements::submitMagicFocus();
                break;
            case SkillNode::BRANCH_TYPE_COMBAT:
                if (++combatNodesActivated >= numCombatNodes) Achievements::submitCombatFocus();
                break;
            case SkillNode::BRANCH_TYPE_MISC:
                if (++miscNodesActivated >= numMiscNodes) Achievements::submitCraftFocus();
                break;
            default: break;
        }
    }
    node->activate(credit);
    for (const auto& weak : node->links) {
        auto linked = weak.lock();
        if (!linked) continue;
        if (!linked->enabled) {
            linked->enable();
            if (lines) F::drawLine(lines->bmd, linkPoint(node), linkPoint(linked), WHITE_LINE, WHITE_EDGE);
        }
        drawNode(linked);
    }
    drawNode(node);
}

void SkillTreeMenu::nodeClick(const Ref<framework::Event>& event) {
    auto node = event ? event->get_currentTarget().cast<SkillNode>() : nullptr;
    if (!node) return;
    if (node != selectedNode) {
        deselectSelectedNode();
        selectNode(node);
    } else if (node->activated) {
        deselectSelectedNode();
        selectNode(node);
    } else if (node->enabled) {
        deselectSelectedNode();
        if (GameData::skillPoints <= 0) return;
        GameData::skillPoints -= 1;
        updateSkillPoints();
        activateNode(node);
    }
}

void SkillTreeMenu::selectNode(const Ref<SkillNode>& node) {
    if (!node || node->isCenter()) return;
    node->select();
    selectedNode = node;
    setItemDetails(node->spellItem);
}

void SkillTreeMenu::deselectSelectedNode() {
    if (selectedNode) {
        selectedNode->deselect();
        selectedNode = nullptr;
    }
    setItemDetails(nullptr);
}

void SkillTreeMenu::setItemDetails(const Ref<Item>& item) {
    if (itemDetails) itemDetails->set_item(item);
    if (!itemDetailsWindow) return;
    if (auto actuator =
            ::tween::Tweener::tween(itemDetailsWindow, 0.2, TweenProps::of({{"alpha", item ? 1.0 : 0.0}})))
        actuator->ease(::tween::Linear::get_easeNone());
}

void SkillTreeMenu::update() {
    if (mouseIsDown) updatePanning();
}

void SkillTreeMenu::updatePanning() {
    const int x = static_cast<int>(get_mouseX()), y = static_cast<int>(get_mouseY());
    skillTree->set_x(skillTree->get_x() - (lastX - x));
    skillTree->set_y(skillTree->get_y() - (lastY - y));
    keepWithinBounds();
    lastX = static_cast<int>(get_mouseX());
    lastY = static_cast<int>(get_mouseY());
    setNodeVisibilities();
}

void SkillTreeMenu::keepWithinBounds() {
    auto clamp = [](double position, double size, double screen) {
        if (size < screen) return (screen - size) * 0.5;
        if (position > 0) return 0.0;
        if (position + size < screen) return screen - size;
        return position;
    };
    skillTree->set_x(clamp(skillTree->get_x(), SKILL_TREE_WIDTH * TREE_SCALE, Game::gameWidth));
    skillTree->set_y(clamp(skillTree->get_y(), SKILL_TREE_HEIGHT * TREE_SCALE, Game::gameHeight));
}

void SkillTreeMenu::setNodeVisibilities() {
    for (const auto& node : nodes) {
        const double s = node->nodeSize * TREE_SCALE;
        const double x = skillTree->get_x() + node->get_x() * TREE_SCALE;
        const double y = skillTree->get_y() + node->get_y() * TREE_SCALE;
        node->set_visible(x >= -s && x <= Game::gameWidth + s && y >= -s && y <= Game::gameHeight + s);
    }
}

void SkillTreeMenu::updateSkillPoints() {
    if (skillPoints) skillPoints->set_text(std::to_string(GameData::skillPoints));
}

void SkillTreeMenu::cancelClick(const Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeSkillTree();
}

void SkillTreeMenu::treeMouseDown(const Ref<framework::Event>&) {
    mouseIsDown = true;
    lastX = static_cast<int>(get_mouseX());
    lastY = static_cast<int>(get_mouseY());
    if (auto stage = get_stage())
        stage->addEventListener(framework::MouseEvent::MOUSE_UP, Function::method<&SkillTreeMenu::mouseUp>(this));
}

void SkillTreeMenu::mouseUp(const Ref<framework::Event>&) {
    mouseIsDown = false;
    if (auto stage = get_stage())
        stage->removeEventListener(framework::MouseEvent::MOUSE_UP, Function::method<&SkillTreeMenu::mouseUp>(this));
}

void SkillTreeMenu::destroy(bool force) {
    if (auto stage = get_stage())
        stage->removeEventListener(framework::MouseEvent::MOUSE_UP, Function::method<&SkillTreeMenu::mouseUp>(this));
    mouseIsDown = false;
    selectedNode = nullptr;
    BitmapSprite::destroy(force);
}

}  // namespace game

using game::SkillTreeMenu;

RUNTIME_DEFINE_CLASS(SkillTreeMenu, "SkillTreeMenu", game::BitmapSprite, (auto& b) {
    b.template field<&SkillTreeMenu::itemDetails>("itemDetails")
        .template field<&SkillTreeMenu::itemDetailsWindow>("itemDetailsWindow")
        .template field<&SkillTreeMenu::building>("building")
        .template field<&SkillTreeMenu::SKILL_TREE_WIDTH>("SKILL_TREE_WIDTH")
        .template field<&SkillTreeMenu::SKILL_TREE_HEIGHT>("SKILL_TREE_HEIGHT")
        .template field<&SkillTreeMenu::mouseIsDown>("mouseIsDown")
        .template field<&SkillTreeMenu::skillPoints>("skillPoints")
        .template field<&SkillTreeMenu::skillTree>("skillTree")
        .template field<&SkillTreeMenu::lines>("lines")
        .template field<&SkillTreeMenu::lastX>("lastX")
        .template field<&SkillTreeMenu::lastY>("lastY")
        .template field<&SkillTreeMenu::selectedNode>("selectedNode")
        .template field<&SkillTreeMenu::centerNode>("centerNode")
        .template field<&SkillTreeMenu::buildPhase>("buildPhase")
        .template field<&SkillTreeMenu::leftEdge>("leftEdge")
        .template field<&SkillTreeMenu::topEdge>("topEdge")
        .template field<&SkillTreeMenu::numMagicNodes>("numMagicNodes")
        .template field<&SkillTreeMenu::numCombatNodes>("numCombatNodes")
        .template field<&SkillTreeMenu::numMiscNodes>("numMiscNodes")
        .template field<&SkillTreeMenu::magicNodesActivated>("magicNodesActivated")
        .template field<&SkillTreeMenu::combatNodesActivated>("combatNodesActivated")
        .template field<&SkillTreeMenu::miscNodesActivated>("miscNodesActivated")
        .template method<&SkillTreeMenu::updateBuild>("updateBuild")
        .template method<&SkillTreeMenu::update>("update")
        .template method<&SkillTreeMenu::cancelClick>("cancelClick")
        .template method<&SkillTreeMenu::nodeClick>("nodeClick")
        .template method<&SkillTreeMenu::treeMouseDown>("treeMouseDown")
        .template method<&SkillTreeMenu::mouseUp>("mouseUp")
        .template method<&SkillTreeMenu::deselectSelectedNode>("deselectSelectedNode")
        .template method<&SkillTreeMenu::setNodeVisibilities>("setNodeVisibilities")
        .template method<&SkillTreeMenu::keepWithinBounds>("keepWithinBounds")
        .template method<&SkillTreeMenu::updateSkillPoints>("updateSkillPoints")
        .template method<&SkillTreeMenu::activateAllUnlockedNodes>("activateAllUnlockedNodes")
        .emptyInstance();
})
