#pragma once
// The panel of everything shown about one item, 280 x 176, centred in its hosting window: icon,
// name and description; for equipment the attack, magic and defence values and the element
// grid; up to two enchantment lines; the gold value or a spell's MP cost; a duration line; a
// crafting material's two property rows; and a "Compare" or an "Equip Here" button. The whole
// protocol is assigning an item, or null, to item.
#include <array>

#include "BasicButton.h"
#include "EnchantmentDetailsWindow.h"
#include "ItemIcon.h"
#include "framework/display/Sprite.h"
#include "game/town/CraftingProperty.h"

namespace game {

class ItemDetails : public BitmapSprite {
    RUNTIME_CLASS(ItemDetails)
public:
    static constexpr int DETAILS_WIDTH = 280;
    static constexpr int DETAILS_HEIGHT = 176;
    static constexpr int ICON_X_ADJUST_BACK = 35;
    static constexpr int ICON_X_ADJUST_FORWARD = 25;
    static constexpr int ICON_Y_SPACING = 28;

    // showCompare wins over showReplace; replaceFunction takes the shown Item.
    ItemDetails(int winWidth, int winHeight, bool showCompare = true, bool showReplace = false,
                const runtime::Ref<runtime::Function>& replaceFunction = nullptr, bool compact = false);
    explicit ItemDetails(runtime::NoInit n) : BitmapSprite(n) {}

    runtime::Ref<Item> get_item() { return item; }
    // Lays the panel out for the item, or empties it for null.
    virtual runtime::Ref<Item> set_item(const runtime::Ref<Item>& value);
    virtual void compareClick(const runtime::Ref<framework::Event>& event);
    virtual void replaceClick(const runtime::Ref<framework::Event>& event);
    virtual void enableReplaceButton();
    virtual void disableReplaceButton();
    virtual void hideCompareButton();

    runtime::Ref<Item> item;
    runtime::Ref<TextSprite> replaceText;
    runtime::Ref<ItemIcon> icon;
    runtime::Ref<TextSprite> nameText;
    runtime::Ref<TextSprite> descText;
    runtime::Ref<TextSprite> attackText, defenseText, magicText;
    runtime::Ref<framework::Bitmap> attackIcon, defenseIcon, magicIcon;
    // Fire, Ice, Earth, Wind, Dark, Light.
    std::array<runtime::Ref<framework::Bitmap>, 6> attIcons, defIcons;
    std::array<runtime::Ref<TextSprite>, 6> attTexts, defTexts;
    runtime::Ref<TextSprite> durationText;
    runtime::Ref<framework::Sprite> mpUseSprite;
    runtime::Ref<TextSprite> mpUseText;
    runtime::Ref<framework::Sprite> goldSprite;
    runtime::Ref<TextSprite> goldText;
    std::vector<runtime::Ref<CraftingProperty>> craftProps;
    runtime::Ref<BasicButton> compareButton;
    runtime::Ref<BasicButton> replaceButton;
    bool compact = false;
    runtime::Ref<runtime::Function> replaceFunction;
    runtime::Ref<TextSprite> nothingText;
    std::vector<runtime::Ref<EnchantmentDetailsWindow>> enchantWins;
    int winWidth = 0;
    int winHeight = 0;

private:
    void showBaseValues();
    // One element group from column x0: icons, texts, values and the enchantment types that
    // turn a value yellow.
    void layoutElements(double x0, const std::array<runtime::Ref<framework::Bitmap>, 6>& icons,
                        const std::array<runtime::Ref<TextSprite>, 6>& texts, const std::array<int, 6>& values,
                        const std::array<const runtime::String*, 6>& types, bool magicPower);
    bool hasEnchantment(const runtime::String& type) const;
};

}  // namespace game
