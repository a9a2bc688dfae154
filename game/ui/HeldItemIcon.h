#pragma once
// The icon of one inventory or shop stack as the data model keeps it: the item widget that the
// inventory panel and the shop show, made once when the stack appears and destroyed with it (the
// lists that show it only borrow it).
#include <vector>

#include "game/data/InventoryIcon.h"
#include "game/kit/ItemIcon.h"

namespace game {

class HeldItemIcon : public InventoryIcon {
    RUNTIME_CLASS(HeldItemIcon)
public:
    // An inventory icon shows the item's name; a shop icon also its buy price.
    explicit HeldItemIcon(const runtime::Ref<Item>& item, bool buyPrice = false);
    explicit HeldItemIcon(runtime::NoInit n) : InventoryIcon(n) {}

    // Replaces every plain record of the list (made while no UI root was installed) by a held
    // icon of the same item, in place.
    static void adoptAll(std::vector<runtime::Ref<InventoryIcon>>& icons, bool buyPrice = false);
    // The widget of a held icon; null for a plain record.
    static runtime::Ref<ItemIcon> widgetOf(const runtime::Ref<InventoryIcon>& icon);

    void updateAmount() override;
    void destroy(bool forced) override;

    runtime::Ref<ItemIcon> widget;
};

}  // namespace game
