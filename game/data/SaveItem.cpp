#include "SaveItem.h"

#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"

namespace game {

using runtime::Value;

runtime::Ref<runtime::Object> SaveItem::create(const runtime::Ref<Item>& item) {
    if (!item) return nullptr;
    auto record = runtime::make<runtime::DynamicObject>();
    record->setField("id", Value(item->data->id));
    record->setField("amount", Value(item->amount));
    record->setField("artifact", Value(item->artifact));
    record->setField("duration", Value(item->duration));
    record->setField("picID", Value(item->data->picID));
    record->setField("secondaryPicID", Value(item->secondaryPicID));
    record->setField("value", Value(item->data->value));
    auto list = runtime::make<runtime::Array>();
    for (const auto& e : item->enchantments) {
        auto entry = runtime::make<runtime::DynamicObject>();
        entry->setField("type", Value(e->type));
        entry->setField("value", Value(e->value));
        list->push(Value(entry));
    }
    record->setField("enchantments", Value(list));
    return record;
}

}  // namespace game
