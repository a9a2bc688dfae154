#pragma once
// One owned, found, bought or offered item: its shared definition, its own enchantments and an
// effective definition holding its numbers with the enchantments added in, plus the stack size,
// its own artifact flag, its effect duration and a crafted potion's second picture.
#include <vector>

#include "Enchantment.h"
#include "ItemData.h"

namespace game {

class Item : public runtime::Object {
    RUNTIME_CLASS(Item)
public:
    runtime::Ref<ItemData> data;
    runtime::Ref<ItemData> effectiveData;
    std::vector<runtime::Ref<Enchantment>> enchantments;
    int amount = 1;
    bool artifact = false;
    int duration = 0;
    int secondaryPicID = -1;

    // An item whose every number is 0; made by ItemData::createItems.
    static inline runtime::Ref<Item> ZERO;

    // With createEnchantments, the definition's bonus numbers become enchantments (the elemental
    // ones only for items without an equipment slot).
    explicit Item(const runtime::Ref<ItemData>& data, bool createEnchantments = true);
    explicit Item(runtime::NoInit) {}

    // Same artifact flag and duration, the same definition (or both crafted potions) and equal
    // enchantments in the same order.
    virtual bool equals(const runtime::Ref<Item>& other);
    // Shares this item's effective definition until either rebuilds it.
    virtual runtime::Ref<Item> clone(bool copyEnchantments = true);
    // Rebuilds effectiveData from the definition's fifteen attack, defence and element numbers
    // and the enchantments; the effective value is the worth of the enchantments. With
    // skipSpellElements a spell's elemental enchantments are not added again.
    virtual void createEffectiveData(bool skipSpellElements = false);
};

}  // namespace game
