#include "ItemIcon.h"

#include "UIColor.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::Bitmap;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {

Ref<Bitmap> picture(const char* id) { return make<Bitmap>(PixelSmoother::smoothAsset(id)); }

Ref<Bitmap> placed(const Ref<framework::BitmapData>& bmd, double x, double y, bool visible = true) {
    auto b = make<Bitmap>(bmd);
    b->set_x(x);
    b->set_y(y);
    b->set_visible(visible);
    return b;
}

const char* sheetOf(int type) {
    switch (type) {
    case ItemData::TYPE_CONSUMABLE: return "assets/items/consumables.png";
    case ItemData::TYPE_WEAPON: return "assets/items/weapons.png";
    case ItemData::TYPE_SHIELD: return "assets/items/shields.png";
    case ItemData::TYPE_HELMET: return "assets/items/helmets.png";
    case ItemData::TYPE_BODY: return "assets/items/bodies.png";
    case ItemData::TYPE_LEGS: return "assets/items/legs.png";
    case ItemData::TYPE_BOOTS: return "assets/items/boots.png";
    case ItemData::TYPE_HANDS: return "assets/items/hands.png";
    case ItemData::TYPE_ACCESSORY: return "assets/items/accessories.png";
    case ItemData::TYPE_CRAFTING: return "assets/items/craftings.png";
    case ItemData::TYPE_MAGIC: return "assets/items/magics.png";
    default: return nullptr;
    }
}

Ref<Rectangle> cellOf(int picture) {
    return make<Rectangle>(picture % 10 * C::ITEM_SIZE, picture / 10 * C::ITEM_SIZE, C::ITEM_SIZE, C::ITEM_SIZE);
}

Ref<UIColor> palette() { return GameData::uiColor.cast<UIColor>(); }

}  // namespace

ItemIcon::ItemIcon(const Ref<Item>& item, bool showName, bool showBackground, int priceType, bool sellPrice,
                   bool ignoreDestroy)
    : BitmapSprite(nullptr, false, ignoreDestroy), item(item), priceShowing(priceType != 0) {
    if (showBackground) addBackground();
    auto pic = getPicForITemData(item->data);
    addChild(pic);
    if (item->secondaryPicID != -1) {
        auto second = make<Bitmap>(pic->get_bitmapData());
        second->set_scrollRect(cellOf(item->secondaryPicID));
        addChild(second);
    }
    amountText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, std::to_string(item->amount));
    amountText->set_x(3);
    amountText->set_y(C::ITEM_SIZE - 16);
    amountText->set_visible(item->amount > 1);
    addChild(amountText);
    if (showName) {
        nameHolder = make<framework::Sprite>();
        addChild(nameHolder);
        nameText = nameSprite();
        nameText->set_x(-20);
        nameText->set_y(C::ITEM_SIZE + 10);
        nameHolder->addChild(nameText);
    }
    if (showBackground) addGems();
    if (priceShowing) addPriceTag(sellPrice);
}

void ItemIcon::addBackground() {
    Ref<Bitmap> frame;
    if (item->data->type == ItemData::TYPE_MAGIC) {
        deselectedBack = placed(PixelSmoother::smoothAsset("assets/items/magicBorderBackUnselected.png"), 1, 1);
        selectedBack = placed(PixelSmoother::smoothAsset("assets/items/magicBorderBackSelected.png"), 1, 1, false);
        frame = picture("assets/items/magicBorder.png");
    } else {
        auto colors = palette();
        deselectedBack = placed(colors ? (item->artifact ? colors->itemBackArtifact : colors->itemBackNormal) : nullptr,
                                1, 1);
        selectedBack = placed(
            colors ? (item->artifact ? colors->itemBackArtifactSelected : colors->itemBackNormalSelected) : nullptr, 1,
            1, false);
        frame = picture(item->artifact ? "assets/items/itemBorderArtifact.png" : "assets/items/itemBorder.png");
    }
    addChild(deselectedBack);
    addChild(selectedBack);
    addChild(frame);
    if (!Game::mobile) addEventListener("mouseOver", runtime::Function::method<&ItemIcon::mouseOver>(this));
}

void ItemIcon::addGems() {
    const int type = item->data->type;
    if (type == ItemData::TYPE_MAGIC || (type == ItemData::TYPE_CONSUMABLE && item->data->id != 1)) return;
    const int n = static_cast<int>(item->enchantments.size());
    for (int i = n - 1; i >= 0; --i) {
        auto gem = picture("assets/ui/enchantmentGems.png");
        gem->set_scrollRect(item->enchantments[static_cast<std::size_t>(i)]->gemRect);
        gem->set_x(C::ITEM_SIZE + 10 * (i - n));
        gem->set_y(2);
        addChild(gem);
    }
    if (n == 0) return;
    auto frame = picture(item->artifact ? "assets/items/enchantmentBorderArtifact.png" : "assets/items/enchantmentBorder.png");
    if (n == 1) {
        frame->set_scrollRect(make<Rectangle>(0, 0, 10, 12));
        frame->set_x(C::ITEM_SIZE - 12);
    } else {
        frame->set_x(C::ITEM_SIZE - 22);
    }
    addChild(frame);
}

void ItemIcon::addPriceTag(bool sellPrice) {
    auto holder = make<framework::Sprite>();
    holder->set_x(-6);
    holder->set_y(-8);
    addChild(holder);
    auto colors = palette();
    const bool artifact = item->artifact;
    deselectedValueBack =
        placed(colors ? (artifact ? colors->itemBackValueArtifact : colors->itemBackValueNormal) : nullptr, 2, 1);
    selectedValueBack = placed(
        colors ? (artifact ? colors->itemBackValueArtifactSelected : colors->itemBackValueNormalSelected) : nullptr, 2,
        1, false);
    auto frame = picture(artifact ? "assets/items/itemValueBGArtifact.png" : "assets/items/itemValueBG.png");
    holder->addChild(deselectedValueBack);
    holder->addChild(selectedValueBack);
    holder->addChild(frame);
    const int value = sellPrice ? static_cast<int>(item->data->value * GameData::sellPercent) : item->data->value;
    auto price = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, std::to_string(value), false, -1, 2, false, -1);
    const int frameWidth = frame->get_bitmapData() ? frame->get_bitmapData()->get_width() : 0;
    price->set_x(static_cast<int>(frameWidth * 0.5 - (price->textWidth - 20) * 0.5));
    price->set_y(4);
    holder->addChild(price);
    auto coin = picture("assets/ui/goldIcon.png");
    coin->set_x(price->get_x() - 20);
    coin->set_y(3);
    holder->addChild(coin);
}

Ref<TextSprite> ItemIcon::nameSprite() {
    const runtime::String& name = item->data->name;
    auto make14 = [&](bool cached) {
        return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, name, true, C::ITEM_SIZE + 40, 2, true, 0, false, false,
                                -5.0, 2, cached);
    };
    for (auto& cache : nameSpriteCaches) {
        auto found = cache.find(name.str());
        if (found == cache.end()) {
            auto sprite = make14(true);
            sprite->ignoreDestroy = true;
            cache[name.str()] = sprite;
            return sprite;
        }
        if (!found->second->get_parent()) return found->second;
    }
    return make14(false);
}

Ref<Bitmap> ItemIcon::getPicForITemData(const Ref<ItemData>& data) {
    const char* sheet = sheetOf(data->type);
    auto pic = make<Bitmap>(sheet ? PixelSmoother::smoothAsset(sheet) : nullptr);
    pic->set_scrollRect(cellOf(data->picID));
    return pic;
}

void ItemIcon::createNameCaches() { nameSpriteCaches.assign(NUM_NAME_CACHES, {}); }

void ItemIcon::updateAlphaForScroller(double p, int) {
    set_visible(true);
    set_alpha(1);
    if (nameHolder) nameHolder->set_alpha(0);
    if (p <= 0 || p >= 1) {
        set_visible(false);
    } else if (p < 0.01) {
        set_alpha(p / 0.01);
    } else if (p > 0.99) {
        set_alpha(1 - (p - 0.99) / 0.01);
    } else if (nameHolder) {
        nameHolder->set_alpha(p < 0.3 ? (p - 0.1) / 0.2 : p > 0.7 ? (0.9 - p) / 0.2 : 1);
    }
    if (disabled) set_alpha(get_alpha() * 0.5);
}

bool ItemIcon::equals(const Ref<BitmapSprite>& other) {
    auto icon = other.cast<ItemIcon>();
    return icon && item->equals(icon->item) && item->amount == icon->item->amount;
}

void ItemIcon::select() {
    showSelectedBack();
    isSelected = true;
}

void ItemIcon::showSelectedBack() { showBacks(true); }

void ItemIcon::showBacks(bool selectedLook) {
    if (selectedBack) selectedBack->set_visible(selectedLook);
    if (deselectedBack) deselectedBack->set_visible(!selectedLook);
    if (priceShowing) {
        selectedValueBack->set_visible(selectedLook);
        deselectedValueBack->set_visible(!selectedLook);
    }
}

void ItemIcon::deselect() {
    showUnselectedBack();
    isSelected = false;
}

void ItemIcon::showUnselectedBack() { showBacks(false); }

void ItemIcon::updateAmount() {
    amountText->set_text(std::to_string(item->amount));
    amountText->set_visible(item->amount > 1);
}

void ItemIcon::mouseOver(const Ref<framework::Event>&) {
    showSelectedBack();
    addEventListener("mouseOut", runtime::Function::method<&ItemIcon::mouseOut>(this));
}

void ItemIcon::mouseOut(const Ref<framework::Event>&) {
    if (!isSelected) showUnselectedBack();
    removeEventListener("mouseOut", runtime::Function::method<&ItemIcon::mouseOut>(this));
}

void ItemIcon::disable() {
    disabled = true;
    set_alpha(0.3);
}

void ItemIcon::enable() {
    disabled = false;
    set_alpha(1);
}

}  // namespace game

using game::ItemIcon;

RUNTIME_DEFINE_CLASS(ItemIcon, "ItemIcon", game::BitmapSprite, (auto& b) {
    b.template field<&ItemIcon::item>("item")
        .template field<&ItemIcon::disabled>("disabled")
        .template field<&ItemIcon::amountText>("amountText")
        .template field<&ItemIcon::nameText>("nameText")
        .template field<&ItemIcon::priceShowing>("priceShowing")
        .template field<&ItemIcon::nameHolder>("nameHolder")
        .template field<&ItemIcon::isSelected>("isSelected")
        .template method<&ItemIcon::select>("select")
        .template method<&ItemIcon::deselect>("deselect")
        .template method<&ItemIcon::updateAmount>("updateAmount")
        .template method<&ItemIcon::disable>("disable")
        .template method<&ItemIcon::enable>("enable")
        .emptyInstance();
})
