#pragma once
// A chest holding one item, of one of four kinds (normal, artifact, ingredient, consumable) that
// decides its look, name, sounds and the pool its item comes from. The item is chosen when the
// chest is made; the escape wings are forced into a visible chest while they are missing.
#include "TileObject.h"
#include "game/data/Item.h"
#include "game/kit/ItemIconAnimated.h"

namespace game {

class Chest : public TileObject {
    RUNTIME_CLASS(Chest)
public:
    static constexpr int TYPE_NORMAL = 0;
    static constexpr int TYPE_ARTIFACT = 1;
    static constexpr int TYPE_CRAFT = 2;
    static constexpr int TYPE_CONSUMABLE = 3;

    using AnimRef = runtime::Ref<Anim>;
    static inline const AnimRef CLOSED_NORMAL = runtime::make<Anim>(0, 0, 20, 22, 1, false, 1);
    static inline const AnimRef CLOSED_ARTIFACT = runtime::make<Anim>(0, 22, 20, 22, 1, false, 1);
    static inline const AnimRef CLOSED_CRAFT = runtime::make<Anim>(0, 44, 20, 22, 1, false, 1);
    static inline const AnimRef CLOSED_CONSUMABLE = runtime::make<Anim>(0, 66, 20, 22, 1, false, 1);
    static inline const AnimRef NORMAL_OPEN = runtime::make<Anim>(20, 0, 20, 22, 3, false, 6);
    static inline const AnimRef ART_OPEN = runtime::make<Anim>(20, 22, 20, 22, 3, false, 6);
    static inline const AnimRef CRAFT_OPEN = runtime::make<Anim>(20, 44, 20, 22, 3, false, 6);
    static inline const AnimRef CONSUMABLE_OPEN = runtime::make<Anim>(20, 66, 20, 22, 3, false, 6);
    static inline const AnimRef NORMAL_ACTIVATED = runtime::make<Anim>(60, 0, 20, 22, 1, false);
    static inline const AnimRef ART_ACTIVATED = runtime::make<Anim>(60, 22, 20, 22, 1, false);
    static inline const AnimRef CRAFT_ACTIVATED = runtime::make<Anim>(60, 44, 20, 22, 1, false);
    static inline const AnimRef CONSUMABLE_ACTIVATED = runtime::make<Anim>(60, 66, 20, 22, 1, false);

    // type -1 rolls the kind, itemID -1 chooses the item; activated rebuilds an opened chest (no
    // item).
    explicit Chest(Tile* tile, int type = -1, int itemID = -1, bool activated = false);

    // The item for this chest's kind and the current floor (the forced wings first); null when
    // no definition qualifies.
    virtual runtime::Ref<Item> determineItem();
    // Opens the chest: lid, sounds, the flying icon, the found-item window, the inventory.
    void activate() override;
    void update() override;

    // The item inside; null for a chest made opened.
    runtime::Ref<Item> item;
    // The item's icon, made when the chest opens and handed to the exploration state to fly.
    runtime::Ref<ItemIconAnimated> itemIconAnimated;
    runtime::Ref<BitmapSprite> chest;
    int type = TYPE_NORMAL;

private:
    // Shows the closed look of the current kind and names it.
    void showClosed();
};

}  // namespace game
