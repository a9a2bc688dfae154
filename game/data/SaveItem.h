#pragma once
// The save-item record: one item as the saves keep it, {"id", "amount", "artifact", "duration",
// "picID", "secondaryPicID", "value", "enchantments": [{"type", "value"}, ...]}.
// GameData::createItemFromSaveItem reads it back.
#include "Item.h"

namespace game {

class SaveItem {
public:
    // A new record of item; null for null.
    static runtime::Ref<runtime::Object> create(const runtime::Ref<Item>& item);
};

}  // namespace game
