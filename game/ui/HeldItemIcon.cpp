#include "HeldItemIcon.h"

namespace game {

using runtime::make;
using runtime::Ref;

HeldItemIcon::HeldItemIcon(const Ref<Item>& item, bool buyPrice)
    : InventoryIcon(item), widget(make<ItemIcon>(item, true, true, buyPrice ? ItemIcon::BUY_PRICE : 0, false, true)) {}

void HeldItemIcon::adoptAll(std::vector<Ref<InventoryIcon>>& icons, bool buyPrice) {
    for (Ref<InventoryIcon>& icon : icons)
        if (icon && !icon.cast<HeldItemIcon>()) icon = make<HeldItemIcon>(icon->item, buyPrice);
}

Ref<ItemIcon> HeldItemIcon::widgetOf(const Ref<InventoryIcon>& icon) {
    auto held = icon.cast<HeldItemIcon>();
    return held ? held->widget : nullptr;
}

void HeldItemIcon::updateAmount() { widget->updateAmount(); }

void HeldItemIcon::destroy(bool forced) { widget->destroy(forced); }

}  // namespace game

using game::HeldItemIcon;

RUNTIME_DEFINE_CLASS(HeldItemIcon, "HeldItemIcon", game::InventoryIcon, (auto& b) {
    b.template field<&HeldItemIcon::widget>("widget").emptyInstance();
})
