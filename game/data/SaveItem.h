#pragma once
// The save-item record: one item as the saves keep it, {"id", "amount", "artifact", "duration",
// "picID", "secondaryPicID", "value", "enchantments": [{"type", "value"}, ...]}.
// GameData::createItemFromSaveItem reads it back.
#include <vector>

#include "Item.h"
#include "platform/runtime/Array.h"

namespace game {

class SaveItem {
public:
    // A new record of item; null for null.
    static runtime::Ref<runtime::Object> create(const runtime::Ref<Item>& item);
    // A new list of the records of items, null for each empty place.
    static runtime::Ref<runtime::Array> createList(const std::vector<runtime::Ref<Item>>& items);
};

}  // namespace game
