#pragma once
// The bestiary strip: one entry per recorded monster (its picture at double size over its name)
// and one selected entry marked by a light frame. Reports through its select (MonsterData) and
// deselect callbacks; deselect always runs before select.
#include "BaseScroller.h"
#include "game/data/MonsterData.h"

namespace game {

class MonsterScroller : public BaseScroller {
    RUNTIME_CLASS(MonsterScroller)
public:
    static constexpr int SCROLLER_HEIGHT = 140;
    static constexpr double SCROLL_WIN_SIZE = 0.8;
    static constexpr double SCROLL_WIN_EDGE_SIZE = 0.1;
    static constexpr int ITEM_SPACING = 120;

    MonsterScroller(int areaWidth, const runtime::Ref<runtime::Function>& selectMonsterFunction,
                    const runtime::Ref<runtime::Function>& deselectMonsterFunction, bool translucentBack = false);
    explicit MonsterScroller(runtime::NoInit n) : BaseScroller(n) {}

    // One entry per id, looked up in the monster table.
    virtual void setMonsters(const std::vector<int>& ids);
    virtual void tapItem(const runtime::Ref<framework::Event>& event);
    virtual void selectItem(const runtime::Ref<BitmapSprite>& entry, bool forceCenter = false);
    // Clears the selection; the frame stays on the last selected entry.
    virtual void deselectItem();

    runtime::Ref<BitmapSprite> selItem;
    runtime::Ref<runtime::Function> selectMonsterFunction;
    runtime::Ref<runtime::Function> deselectMonsterFunction;
    std::vector<runtime::Ref<MonsterData>> monsterDatas;
    runtime::Ref<BitmapSprite> selectBox;
};

}  // namespace game
