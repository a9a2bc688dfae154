#pragma once
// A node of the skill tree: its id, type and links, its state (locked, available, active), the
// icon, the locked overlay, a hover or selected frame and a description shown while selected.
// Buying it records the id in GameData, credits the type's bonus or spell and plays a burst.
// The resting looks are not children: the menu copies them into its lines bitmap. The frames
// are the shared skins per colour and state, each a single display object moved between nodes.
#include <array>
#include <vector>

#include "framework/display/Bitmap.h"
#include "framework/display/Sprite.h"
#include "framework/events/Event.h"
#include "framework/geom/Rectangle.h"
#include "game/data/Item.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class SkillNode : public framework::Sprite {
    RUNTIME_CLASS(SkillNode)
public:
    static constexpr int BRANCH_TYPE_MAGIC = 0;
    static constexpr int BRANCH_TYPE_COMBAT = 1;
    static constexpr int BRANCH_TYPE_MISC = 2;
    static constexpr int NODE_SIZE_NORMAL = 35;
    static constexpr int NODE_SIZE_LARGE = 50;
    static constexpr int INACTIVE_UNSELECTED = 0;
    static constexpr int INACTIVE_OVER = 1;
    static constexpr int INACTIVE_SELECTED = 2;
    static constexpr int ACTIVE_UNSELECTED = 3;
    static constexpr int ACTIVE_OVER = 4;
    static constexpr int ACTIVE_SELECTED = 5;
    static constexpr int STATE_COUNT = 6;
    static inline const runtime::String COLOR_BLACK = "black";
    static inline const runtime::String COLOR_GOLD = "gold";
    static inline const runtime::String COLOR_GREEN = "green";

    static inline const runtime::String MAGIC_FLAMESTRIKE = "fire";
    static inline const runtime::String MAGIC_HEAL = "heal";
    static inline const runtime::String MAGIC_ICE = "ice";
    static inline const runtime::String MAGIC_WIND = "wind";
    static inline const runtime::String MAGIC_EARTH = "earth";
    static inline const runtime::String MAGIC_LIGHT = "light";
    static inline const runtime::String MAGIC_DARK = "dark";
    static inline const runtime::String MAGIC_TELEKINESIS = "telekinesis";
    static inline const runtime::String MAGIC_REVEALER = "revealer";
    static inline const runtime::String MAGIC_TRANSMUTE = "transmute";
    static inline const runtime::String TYPE_CENTER = "center";
    static inline const runtime::String TYPE_HP = "hp", TYPE_HP_X = "hpX";
    static inline const runtime::String TYPE_MP = "mp", TYPE_MP_X = "mpX";
    static inline const runtime::String TYPE_ATT = "att", TYPE_ATT_X = "attX";
    static inline const runtime::String TYPE_DEF = "def", TYPE_DEF_X = "defX";
    static inline const runtime::String TYPE_MAG = "mag", TYPE_MAG_X = "magX";
    static inline const runtime::String TYPE_CRIT = "crit", TYPE_CRIT_X = "critX";
    static inline const runtime::String TYPE_EXP = "exp", TYPE_EXP_X = "expX";
    static inline const runtime::String TYPE_GOLD = "gold", TYPE_GOLD_X = "goldX";
    static inline const runtime::String TYPE_DROP = "drop", TYPE_DROP_X = "dropX";
    static inline const runtime::String TYPE_POTION_EFFICIENCY = "potEff", TYPE_POTION_EFFICIENCY_X = "potEffX";
    static inline const runtime::String TYPE_POTION_DURATION = "potDur", TYPE_POTION_DURATION_X = "potDurX";

    using Rects = std::array<runtime::Ref<framework::Rectangle>, STATE_COUNT>;
    using Bitmaps = std::array<runtime::Ref<framework::Bitmap>, STATE_COUNT>;
    static inline Rects BUTTON_RECTS_NORMAL;
    static inline Rects BUTTON_RECTS_LARGE;
    static inline Bitmaps BUTTON_BITMAPS_BLACK;
    static inline Bitmaps BUTTON_BITMAPS_GOLD;
    static inline Bitmaps BUTTON_BITMAPS_GREEN;

    // Builds the cell rectangles and the 18 shared skin bitmaps; once at start-up.
    static void setupButtonRects();
    // The description of a node type; empty for an unknown type.
    static runtime::String describe(const runtime::String& type);
    // True for the types that give a spell item rather than a stat bonus.
    static bool isSpellType(const runtime::String& type);

    SkillNode() = default;
    explicit SkillNode(runtime::NoInit n) : framework::Sprite(n) {}

    // A null colour counts as black; "gold" is a large gold node, any other colour a large green one.
    virtual void initialize(const runtime::String& id, const runtime::String& type,
                            const runtime::String& color = COLOR_BLACK);
    virtual void enable();
    virtual void disable();
    // With credit: records the id, credits the bonus and plays the burst. The centre ignores it.
    virtual void activate(bool credit = true);
    virtual void select();
    virtual void deselect();
    virtual void textTweenComplete();
    virtual void mouseOver(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void mouseOut(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void creditStat();

    bool isCenter() const { return type == TYPE_CENTER; }

    runtime::String id = "";
    // Linked nodes, held weakly: the menu's node list owns them.
    std::vector<runtime::Weak<SkillNode>> links;
    bool enabled = false;
    runtime::String type = "";
    bool activated = false;
    int nodeSize = NODE_SIZE_NORMAL;
    runtime::Ref<Item> spellItem;
    Bitmaps buttonBitmaps;
    int branchType = -1;
    runtime::Ref<BitmapSprite> disabledSprite;
    runtime::Ref<BitmapSprite> icon;
    runtime::Ref<TextSprite> descText;
    bool removeTextAfterTween = false;
    bool gold = false;
    runtime::Ref<framework::Bitmap> overBitmap;

private:
    // Removes overBitmap when this node holds it.
    void dropFrame();
    void showFrame(int state);
    // A burst sprite behind the other children, tweened and handed to the effect list.
    void addEffect(const runtime::Ref<BitmapSprite>& sprite, double seconds,
                   std::initializer_list<std::pair<const char*, double>> to);
};

}  // namespace game
