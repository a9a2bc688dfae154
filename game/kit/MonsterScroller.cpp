#include "MonsterScroller.h"

#include <cmath>

#include "framework/geom/Rectangle.h"
#include "game/battle/Monster.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
// The picture's own size: the idle cell, or the whole bitmap without an animation.
void pictureSize(const MonsterData& data, int& w, int& h) {
    if (data.id == Monster::DEMON_ID) {
        w = 36;
        h = 57;
    } else {
        w = data.idleAnim->width;
        h = data.idleAnim->height;
    }
}
}  // namespace

MonsterScroller::MonsterScroller(int areaWidth, const Ref<Function>& selectMonsterFunction,
                                 const Ref<Function>& deselectMonsterFunction, bool translucentBack)
    : BaseScroller(areaWidth, SCROLLER_HEIGHT, SCROLL_WIN_SIZE, SCROLL_WIN_EDGE_SIZE, ITEM_SPACING,
                   nullptr, nullptr, translucentBack),
      selectMonsterFunction(selectMonsterFunction), deselectMonsterFunction(deselectMonsterFunction) {
    // The base stores its callbacks only; they are bound once this object is whole.
    tapItemFunction = Function::method<&MonsterScroller::tapItem>(this);
    subDeselectItem = Function::method<&MonsterScroller::deselectItem>(this);
    auto box = make<framework::BitmapData>(50, 50, true, static_cast<int>(0xFFFFFFFF));
    box->fillRect(make<framework::Rectangle>(3, 3, 44, 44), 0x33FFFFFF);
    selectBox = make<BitmapSprite>(box, false, true);
    selectBox->set_mouseChildren(false);
    selectBox->set_mouseEnabled(false);
}

void MonsterScroller::setMonsters(const std::vector<int>& ids) {
    monsterDatas.clear();
    std::vector<Ref<BitmapSprite>> entries;
    for (int id : ids) {
        Ref<MonsterData> data = MonsterData::findDataWithID(id);
        auto entry = make<BitmapSprite>();
        Ref<BitmapSprite> pic;
        int w = 0, h = 0;
        if (data->id == Monster::DEMON_ID) {
            pic = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/ui/demonDetailsPic.png"));
        } else {
            pic = make<BitmapSprite>(data->bmd);
            if (data->idleAnim) pic->setNewAnim(data->idleAnim);
        }
        if (data->id == Monster::DEMON_ID || data->idleAnim) {
            pictureSize(*data, w, h);
        } else if (data->bmd) {
            w = data->bmd->get_width();
            h = data->bmd->get_height();
        }
        pic->set_scaleX(2);
        pic->set_scaleY(2);
        pic->set_x(static_cast<int>(60 - w));
        pic->set_y((40 - h) * 2);
        entry->addChild(pic);
        auto name = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, data->name, true, 120, 2, true);
        name->set_y(90);
        entry->addChild(name);
        entry->set_mouseEnabled(false);
        entry->set_visible(false);
        monsterDatas.push_back(data);
        entries.push_back(entry);
    }
    populateScroller(entries);
}

void MonsterScroller::tapItem(const Ref<framework::Event>& event) {
    if (std::abs(scrollStart - scrollAmount) > 2) return;
    if (auto entry = event->get_currentTarget().cast<BitmapSprite>()) selectItem(entry, false);
}

void MonsterScroller::selectItem(const Ref<BitmapSprite>& entry, bool forceCenter) {
    deselectItem();
    selItem = entry;
    std::size_t index = 0;
    while (index < currentItems.size() && currentItems[index].get() != entry.get()) ++index;
    if (index >= monsterDatas.size()) return;
    const Ref<MonsterData>& data = monsterDatas[index];
    (*selectMonsterFunction)(data);
    if (auto parent = selectBox->get_parent()) parent->removeChild(selectBox);
    int w = 0, h = 0;
    pictureSize(*data, w, h);
    selectBox->set_x(static_cast<int>((60 - w) * 2 * 0.5) - 6);
    selectBox->set_y((37 - h) * 2);
    selectBox->set_width(2 * w + 12);
    selectBox->set_height(2 * h + 12);
    entry->addChild(selectBox);
    const double x = entry->get_x();
    if (forceCenter || x < areaWidth * 0.1 || x + 50 > areaWidth * 0.9) centerSelectedItem(entry);
}

void MonsterScroller::deselectItem() {
    selItem = nullptr;
    (*deselectMonsterFunction)();
}

}  // namespace game

using game::MonsterScroller;

RUNTIME_DEFINE_CLASS(MonsterScroller, "MonsterScroller", game::BaseScroller, (auto& b) {
    b.template field<&MonsterScroller::selItem>("selItem")
        .template method<&MonsterScroller::deselectItem>("deselectItem")
        .emptyInstance();
})
