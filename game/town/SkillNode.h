#pragma once
// A node of the skill tree. For now only its shared skins: per colour six frame bitmaps, one per
// state, cut from the colour's strip (row 0 not learnt, row 1 learnt; columns resting, hover,
// selected). Each bitmap is a single display object shared by every node of its colour.
#include <array>

#include "framework/display/Bitmap.h"
#include "framework/display/Sprite.h"
#include "framework/geom/Rectangle.h"

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

    using Rects = std::array<runtime::Ref<framework::Rectangle>, STATE_COUNT>;
    using Bitmaps = std::array<runtime::Ref<framework::Bitmap>, STATE_COUNT>;
    static inline Rects BUTTON_RECTS_NORMAL;
    static inline Rects BUTTON_RECTS_LARGE;
    static inline Bitmaps BUTTON_BITMAPS_BLACK;
    static inline Bitmaps BUTTON_BITMAPS_GOLD;
    static inline Bitmaps BUTTON_BITMAPS_GREEN;

    // Builds the cell rectangles and the 18 shared skin bitmaps; once at start-up.
    static void setupButtonRects();

    SkillNode() = default;
    explicit SkillNode(runtime::NoInit n) : framework::Sprite(n) {}
};

}  // namespace game
