#include "InventoryIcon.h"

using game::InventoryIcon;

RUNTIME_DEFINE_CLASS(InventoryIcon, "InventoryIcon", runtime::Object, (auto& b) {
    b.template field<&InventoryIcon::item>("item").emptyInstance();
})
