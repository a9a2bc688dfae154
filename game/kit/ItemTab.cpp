#include "ItemTab.h"

#include "Scale9BitmapSprite.h"
#include "game/data/ItemData.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;
using runtime::Ref;

namespace {
struct Category {
    int type;
    const char* label;
};
// In pictogram column order.
const Category CATEGORIES[] = {
    {ItemTab::ALL, "EVERYTHING"},           {ItemData::TYPE_CONSUMABLE, "ITEMS"},  {ItemData::TYPE_WEAPON, "WEAPONS"},
    {ItemData::TYPE_SHIELD, "SHIELDS"},     {ItemData::TYPE_HELMET, "HELMETS"},    {ItemData::TYPE_BODY, "BODY ARMOR"},
    {ItemData::TYPE_LEGS, "LEG ARMOR"},     {ItemData::TYPE_BOOTS, "BOOTS"},       {ItemData::TYPE_HANDS, "HAND ARMOR"},
    {ItemData::TYPE_ACCESSORY, "ACCESSORIES"}, {ItemData::TYPE_CRAFTING, "CRAFTING"}, {ItemTab::ARTIFACTS, "ARTIFACTS"},
    {ItemData::TYPE_MAGIC, "MAGIC"},
};
}  // namespace

ItemTab::ItemTab(int width, int height, int type)
    : BasicButton(width, height, Scale9BitmapSprite::TOP_SIDE_CORNERS, CORNER_SIZE_SMALL, COLOR_BLACK, false), type(type) {
    auto sheet = PixelSmoother::smoothAsset("assets/items/itemBlankIcons.png");
    selectedIcon = make<framework::Bitmap>(sheet);
    unselectedIcon = make<framework::Bitmap>(sheet);
    // A type outside the table shows the first pictogram, without a label.
    int column = 0;
    label = "";
    for (int i = 0; i < static_cast<int>(std::size(CATEGORIES)); ++i)
        if (CATEGORIES[i].type == type) {
            column = i;
            label = CATEGORIES[i].label;
        }
    unselectedIcon->set_scrollRect(make<framework::Rectangle>(column * 32, 0, 32, 32));
    selectedIcon->set_scrollRect(make<framework::Rectangle>(column * 32, 32, 32, 32));
    for (const auto& icon : {unselectedIcon, selectedIcon}) {
        icon->set_x(static_cast<int>((buttonWidth - 32) * 0.5));
        icon->set_y(static_cast<int>((buttonHeight - 32) * 0.5));
    }
    addChild(unselectedIcon);
    addChild(selectedIcon);
    selectedIcon->set_visible(false);
}

void ItemTab::select() {
    BasicButton::select();
    selectedIcon->set_visible(true);
}

void ItemTab::deselect() {
    BasicButton::deselect();
    selectedIcon->set_visible(false);
}

}  // namespace game

using game::ItemTab;

RUNTIME_DEFINE_CLASS(ItemTab, "ItemTab", game::BasicButton, (auto& b) {
    b.template field<&ItemTab::type>("type")
        .template field<&ItemTab::label>("label")
        .template field<&ItemTab::selectedIcon>("selectedIcon")
        .template field<&ItemTab::unselectedIcon>("unselectedIcon")
        .emptyInstance();
})
