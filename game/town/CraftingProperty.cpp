#include "CraftingProperty.h"

#include "game/shell/BMDCache.h"
#include "game/shell/PixelSmoother.h"

namespace game {

namespace {

// Cell column and row of the gem sheet.
CraftingProperty::Rect gemCell(int column, int row) {
    return runtime::make<framework::Rectangle>(column * 8, row * 8, 8, 8);
}

}  // namespace

const CraftingProperty::Rect CraftingProperty::GEMRECT_HP = gemCell(0, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MP = gemCell(1, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ATTACK = gemCell(2, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DEFENSE = gemCell(3, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MAGIC = gemCell(4, 0);
const CraftingProperty::Rect CraftingProperty::GEMRECT_GOLD = gemCell(0, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_HP_REGEN = gemCell(1, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_MP_REGEN = gemCell(2, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EXP = gemCell(3, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DROP_CHANCE = gemCell(4, 1);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIFE_DRAIN = gemCell(0, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_BLEED = gemCell(1, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_CRIT_CHANCE = gemCell(2, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DODGE = gemCell(3, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_FIRE_DEFENSE = gemCell(4, 2);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ICE_DEFENSE = gemCell(0, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EARTH_DEFENSE = gemCell(1, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_WIND_DEFENSE = gemCell(2, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DARK_DEFENSE = gemCell(3, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIGHT_DEFENSE = gemCell(4, 3);
const CraftingProperty::Rect CraftingProperty::GEMRECT_FIRE_ATTACK = gemCell(0, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_ICE_ATTACK = gemCell(1, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_EARTH_ATTACK = gemCell(2, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_WIND_ATTACK = gemCell(3, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_DARK_ATTACK = gemCell(4, 4);
const CraftingProperty::Rect CraftingProperty::GEMRECT_LIGHT_ATTACK = gemCell(0, 5);
const CraftingProperty::Rect CraftingProperty::GEMRECT_KILL = gemCell(1, 5);

CraftingProperty::CraftingProperty() {
    using runtime::make;
    frame = make<framework::Bitmap>(make<framework::BitmapData>(12, 12, true, static_cast<int>(0xFFFFFFFF)));
    frame->get_bitmapData()->fillRect(make<framework::Rectangle>(1, 1, 10, 10), static_cast<int>(0xFF000000));
    addChild(frame);
    gem = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/enchantmentGems.png"));
    gem->set_x(2);
    gem->set_y(2);
    addChild(gem);
    labelText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    labelText->set_x(16);
    labelText->set_y(-2);
    addChild(labelText);
    bar = make<framework::Bitmap>(BMDCache::whiteSquare2x2);
    bar->set_x(16);
    bar->set_y(14);
    addChild(bar);
    clearItem();
}

void CraftingProperty::clearItem() {
    for (const runtime::Ref<framework::DisplayObject>& part :
         {labelText.cast<framework::DisplayObject>(), frame.cast<framework::DisplayObject>(),
          gem.cast<framework::DisplayObject>(), bar.cast<framework::DisplayObject>()})
        part->set_visible(false);
}

void CraftingProperty::setItem(const runtime::String& label, const Rect& gemRect, int power) {
    labelText->set_text(label);
    gem->set_scrollRect(gemRect);
    bar->set_scaleX((power * 4 + 1) / 2.0);
    bar->set_scaleY(8 / 2.0);
    for (const runtime::Ref<framework::DisplayObject>& part :
         {labelText.cast<framework::DisplayObject>(), frame.cast<framework::DisplayObject>(),
          gem.cast<framework::DisplayObject>(), bar.cast<framework::DisplayObject>()})
        part->set_visible(true);
}

}  // namespace game

using game::CraftingProperty;

RUNTIME_DEFINE_CLASS(CraftingProperty, "CraftingProperty", game::BitmapSprite, (auto& b) {
    b.template method<&CraftingProperty::clearItem>("clearItem").emptyInstance();
})
