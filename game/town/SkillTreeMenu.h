#pragma once
// The full-screen skill tree: a centre node and three branches read from the position picture
// and the table, on a layer the player drags. It builds itself one step a frame behind the
// loading cover, rebuilds every node's state from GameData::skillNodesUnlocked, and sells an
// available node for one skill point on the second click. Link lines and the nodes' resting
// looks are drawn into one bitmap; node sprites carry only icon, overlay, frame and text.
#include <vector>

#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/Event.h"
#include "game/data/Item.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/TextSprite.h"
#include "game/town/SkillNode.h"

namespace game {

class SkillTreeMenu : public BitmapSprite {
    RUNTIME_CLASS(SkillTreeMenu)
public:
    static constexpr const char* MAP_PICTURE = "assets/ui/skillTreeMap.png";
    static constexpr const char* TABLE = "assets/xml/skillTree.xml";
    static constexpr int BUILD_STEPS = 9;
    static inline double TREE_SCALE = 1;
    static inline double LINES_SCALE = 1;
    static constexpr int PAN_BUFFER = 150;
    static constexpr int LINES_PAD = 50;

    SkillTreeMenu();
    explicit SkillTreeMenu(runtime::NoInit n) : BitmapSprite(n) {}

    // Runs build step buildPhase, reports its progress to the loading cover and moves on.
    virtual void updateBuild();
    virtual void buildSetBGAndTree();
    virtual void buildSetupTree();
    virtual void buildOffsetNodes();
    virtual void buildAddDesign();
    virtual void buildAddLines();
    virtual void buildDrawNodes();
    virtual void buildDrawEntireTree();
    virtual void buildCreateUIStuff();
    virtual void finishBuild();
    // Copies the node's resting look into the lines bitmap; the centre is skipped.
    virtual void drawNode(const runtime::Ref<SkillNode>& node);
    virtual void activateAllUnlockedNodes();
    // Links the first nodes with these ids both ways; nothing when either is missing.
    virtual void linkNodeIds(const runtime::String& id1, const runtime::String& id2);
    virtual void nodeClick(const runtime::Ref<framework::Event>& event);
    virtual void deselectSelectedNode();
    virtual void selectNode(const runtime::Ref<SkillNode>& node);
    virtual void setItemDetails(const runtime::Ref<Item>& item);
    virtual void activateNode(const runtime::Ref<SkillNode>& node, bool credit = true);
    virtual void update();
    virtual void updatePanning();
    virtual void setNodeVisibilities();
    virtual void keepWithinBounds();
    virtual void updateSkillPoints();
    virtual void cancelClick(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void treeMouseDown(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void mouseUp(const runtime::Ref<framework::Event>& event = nullptr);
    void destroy(bool force = false) override;

    // Makes the nodes from a position picture and a table text (the second build step's work).
    // Throws when the table cannot be read, lacks a branch, or a branch's node elements do not
    // match its pixels in number, or the picture has no centre.
    void setupTree(const runtime::Ref<framework::BitmapData>& picture, const runtime::String& table);
    // The first node with this id, or null.
    runtime::Ref<SkillNode> findNode(const runtime::String& id);
    // Where a node's links meet, in lines-bitmap pixels.
    runtime::Ref<framework::Point> linkPoint(const runtime::Ref<SkillNode>& node);

    runtime::Ref<ItemDetails> itemDetails;
    runtime::Ref<BasicWindow> itemDetailsWindow;
    bool building = false;
    int SKILL_TREE_WIDTH = 0;
    int SKILL_TREE_HEIGHT = 0;
    bool mouseIsDown = false;
    runtime::Ref<TextSprite> skillPoints;
    runtime::Ref<BitmapSprite> skillTree;
    runtime::Ref<BitmapSprite> lines;
    int lastX = 0, lastY = 0;
    std::vector<runtime::Ref<SkillNode>> nodes;
    runtime::Ref<SkillNode> selectedNode;
    runtime::Ref<SkillNode> centerNode;
    int buildPhase = 0;
    int leftEdge = 999999, topEdge = 999999;
    int numMagicNodes = 0, numCombatNodes = 0, numMiscNodes = 0;
    int magicNodesActivated = 0, combatNodesActivated = 0, miscNodesActivated = 0;
    runtime::Ref<BasicButton> backButton;
    runtime::Ref<BasicWindow> topBar;

private:
    int rightEdge = -999999, bottomEdge = -999999;
};

}  // namespace game
