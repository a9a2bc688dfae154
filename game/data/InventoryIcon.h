#pragma once
// What the data model needs of the icon of one inventory or shop stack: the item it shows, a
// refresh of its amount text and its destruction. The item icon widget fills it in.
#include "Item.h"

namespace game {

class InventoryIcon : public runtime::Object {
    RUNTIME_CLASS(InventoryIcon)
public:
    runtime::Ref<Item> item;

    explicit InventoryIcon(const runtime::Ref<Item>& item = nullptr) : item(item) {}
    explicit InventoryIcon(runtime::NoInit) {}

    virtual void updateAmount() {}
    // forced also destroys an icon that is marked to survive its own fades.
    virtual void destroy(bool forced) {}
};

}  // namespace game
