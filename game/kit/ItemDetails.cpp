#include "ItemDetails.h"

#include <string>

#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<Bitmap> cell(const char* asset, const Ref<framework::Rectangle>& rect) {
    auto b = make<Bitmap>(PixelSmoother::smoothAsset(asset));
    if (rect) b->set_scrollRect(rect);
    return b;
}
Ref<framework::Rectangle> rect(double x, double y, double w, double h) {
    return make<framework::Rectangle>(x, y, w, h);
}
runtime::String decimal(int v) { return runtime::String(std::to_string(v)); }
Ref<TextSprite> label(const char* text, int kerning) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, text, false, -1, 2, true, kerning, false, false, -5.0,
                            2, true);
}
}  // namespace

ItemDetails::ItemDetails(int winWidth, int winHeight, bool showCompare, bool showReplace,
                         const Ref<Function>& replaceFunction, bool compact)
    : compact(compact), replaceFunction(replaceFunction), winWidth(winWidth), winHeight(winHeight) {
    set_x(static_cast<int>((winWidth - DETAILS_WIDTH) * 0.5));
    set_y(static_cast<int>((winHeight - DETAILS_HEIGHT) * 0.5));
    const int statY = compact ? 50 : 62;
    descText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "", true, 220);
    descText->set_x(60);
    descText->set_y(24);
    if (!compact) addChild(descText);
    nameText = make<TextSprite>(compact ? TextSprite::MEDIEVAL_SANS_14 : TextSprite::MEDIEVAL_SANS_20);
    nameText->set_x(60);
    nameText->set_y(compact ? 20 : 0);
    addChild(nameText);
    const char* stats = "assets/ui/statIconsSmall.png";
    attackIcon = cell(stats, rect(0, 0, 20, 20));
    attackIcon->set_x(50);
    magicIcon = cell(stats, rect(0, 40, 20, 20));
    magicIcon->set_x(120);
    defenseIcon = cell(stats, rect(0, 20, 20, 20));
    defenseIcon->set_x(190);
    for (const Ref<Bitmap>& b : {attackIcon, magicIcon, defenseIcon}) {
        b->set_y(statY);
        addChild(b);
    }
    auto statText = [&](const Ref<Bitmap>& beside) {
        auto t = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20);
        t->set_x(beside->get_x() + 25);
        t->set_y(statY);
        addChild(t);
        return t;
    };
    attackText = statText(attackIcon);
    defenseText = statText(defenseIcon);
    magicText = statText(magicIcon);
    const std::array<Enchantment::Rect, 6> att = {Enchantment::ELEM_ICON_ATT_FIRE,  Enchantment::ELEM_ICON_ATT_ICE,
                                                  Enchantment::ELEM_ICON_ATT_EARTH, Enchantment::ELEM_ICON_ATT_WIND,
                                                  Enchantment::ELEM_ICON_ATT_DARK,  Enchantment::ELEM_ICON_ATT_LIGHT};
    const std::array<Enchantment::Rect, 6> def = {Enchantment::ELEM_ICON_DEF_FIRE,  Enchantment::ELEM_ICON_DEF_ICE,
                                                  Enchantment::ELEM_ICON_DEF_EARTH, Enchantment::ELEM_ICON_DEF_WIND,
                                                  Enchantment::ELEM_ICON_DEF_DARK,  Enchantment::ELEM_ICON_DEF_LIGHT};
    auto elements = [&](const std::array<Enchantment::Rect, 6>& rects, std::array<Ref<Bitmap>, 6>& icons,
                        std::array<Ref<TextSprite>, 6>& texts) {
        for (std::size_t i = 0; i < 6; ++i) {
            icons[i] = cell("assets/ui/elemIcons.png", rects[i]);
            icons[i]->set_visible(false);
            addChild(icons[i]);
            texts[i] = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20);
            texts[i]->set_visible(false);
            addChild(texts[i]);
        }
    };
    elements(att, attIcons, attTexts);
    elements(def, defIcons, defTexts);
    for (int x : {30, 180}) {
        auto row = make<CraftingProperty>();
        row->set_x(x);
        row->set_y(statY);
        craftProps.push_back(row);
        addChild(row);
    }
    durationText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    durationText->set_x(nameText->get_x());
    durationText->set_y(nameText->get_y() + 30);
    addChild(durationText);
    goldSprite = make<framework::Sprite>();
    auto goldIcon = cell("assets/ui/goldIcon.png", nullptr);
    goldIcon->set_y(-1);
    goldSprite->addChild(goldIcon);
    goldText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    goldText->set_x(20);
    goldSprite->addChild(goldText);
    addChild(goldSprite);
    mpUseSprite = make<framework::Sprite>();
    auto mpIcon = cell("assets/ui/skillIcons.png", Enchantment::ICON_MP);
    mpIcon->set_y(-1);
    mpUseSprite->addChild(mpIcon);
    mpUseText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    mpUseText->set_x(26);
    mpUseText->set_y(6);
    mpUseSprite->addChild(mpUseText);
    mpUseSprite->set_y(-4);
    addChild(mpUseSprite);
    if (showCompare) {
        compareButton = make<BasicButton>(80, 30, 0, -1, BasicButton::COLOR_BLACK, true, label("Compare", -1));
        compareButton->set_x(277 - compareButton->buttonWidth);
        compareButton->set_y(176 - compareButton->buttonHeight);
        addChild(compareButton);
        compareButton->addEventListener("click", Function::method<&ItemDetails::compareClick>(this));
    } else if (showReplace) {
        replaceText = label("Equip Here", -1);
        replaceButton = make<BasicButton>(90, 30, 0, -1, BasicButton::COLOR_BLACK, true, replaceText);
        replaceButton->set_x(280 - replaceButton->buttonWidth);
        replaceButton->set_y(166 - replaceButton->buttonHeight);
        addChild(replaceButton);
        replaceButton->addEventListener("click", Function::method<&ItemDetails::replaceClick>(this));
        replaceButton->disable();
        nothingText = label("Nothing Currently Equipped!", 0);
        nothingText->set_x(winWidth * 0.5);
        nothingText->set_y(winHeight * 0.5 - 8);
        addChild(nothingText);
    }
    for (int x : {0, 95}) {
        auto win = make<EnchantmentDetailsWindow>();
        win->set_x(x);
        win->set_y(compact ? 134 : 146);
        win->set_alpha(0.5);
        enchantWins.push_back(win);
        addChild(win);
    }
    set_item(nullptr);
}

bool ItemDetails::hasEnchantment(const runtime::String& type) const {
    for (const Ref<Enchantment>& e : item->enchantments)
        if (e->type == type) return true;
    return false;
}

Ref<Item> ItemDetails::set_item(const Ref<Item>& value) {
    if (item && icon) {
        removeChild(icon);
        icon->destroy();
        icon = nullptr;
    }
    item = value;
    for (const Ref<EnchantmentDetailsWindow>& win : enchantWins) {
        win->set_alpha(0.5);
        win->clear();
    }
    if (!value) {
        for (const Ref<TextSprite>& t : {nameText, descText, attackText, defenseText, magicText}) t->set_text("");
        for (const Ref<Bitmap>& b : {attackIcon, magicIcon, defenseIcon}) b->set_alpha(0);
        for (std::size_t i = 0; i < 6; ++i) {
            attIcons[i]->set_visible(false);
            defIcons[i]->set_visible(false);
            attTexts[i]->set_text("");
            defTexts[i]->set_text("");
        }
        for (const Ref<CraftingProperty>& row : craftProps) row->set_visible(false);
        mpUseSprite->set_visible(false);
        goldSprite->set_visible(false);
        if (compareButton) compareButton->set_visible(false);
        if (replaceButton) nothingText->set_visible(true);
        durationText->set_visible(false);
        return item;
    }
    const ItemData& data = *value->data;
    icon = make<ItemIcon>(value);
    addChild(icon);
    nameText->set_text(data.name);
    descText->set_text(data.description);
    const bool equipment = data.slot != -1;
    if (equipment) showBaseValues();
    if (value->duration != 0) {
        durationText->set_text(runtime::String("Duration: " + std::to_string(value->duration) + " Battle" +
                                               (value->duration == 1 ? "" : "s")));
        durationText->set_visible(true);
    }
    const bool isPotion = data.type == ItemData::TYPE_CONSUMABLE && data.id != 1;
    for (std::size_t i = 0; i < value->enchantments.size() && i < enchantWins.size(); ++i)
        enchantWins[i]->setEnchantment(value->enchantments[i], data.spell, isPotion);
    mpUseSprite->set_visible(false);
    goldSprite->set_visible(false);
    if (data.type == ItemData::TYPE_MAGIC) {
        mpUseText->set_text(decimal(data.mpUse));
        mpUseSprite->set_x((winWidth - mpUseText->textWidth - 20) - get_x() - 15);
        mpUseSprite->set_visible(true);
    } else {
        goldText->set_text(decimal(data.value));
        goldSprite->set_x((winWidth - goldText->textWidth - 20) - get_x() - 10);
        if (compact) goldSprite->set_y(20);
        goldSprite->set_visible(true);
    }
    for (const Ref<CraftingProperty>& row : craftProps) row->clearItem();
    if (data.type == ItemData::TYPE_CRAFTING)
        for (std::size_t i = 0; i < data.craftProps.size() && i < craftProps.size(); ++i) {
            if (data.craftProps[i].isNull()) continue;
            craftProps[i]->setItem(data.craftPropLabels[i], data.craftPropGemRects[i], data.craftPropPowers[i]);
            craftProps[i]->set_visible(true);
        }
    if (!equipment) {
        for (const Ref<Bitmap>& b : {magicIcon, defenseIcon, attackIcon}) b->set_alpha(0);
        for (const Ref<EnchantmentDetailsWindow>& win : enchantWins) win->set_y(58);
    } else {
        for (const Ref<EnchantmentDetailsWindow>& win : enchantWins) {
            win->set_visible(true);
            win->set_y(compact ? 134 : 146);
        }
    }
    if (compareButton && equipment) compareButton->set_visible(true);
    if (replaceButton) {
        replaceButton->set_visible(true);
        nothingText->set_visible(false);
    }
    return item;
}

void ItemDetails::showBaseValues() {
    const ItemData& eff = *item->effectiveData;
    struct Stat {
        const Ref<Bitmap>& icon;
        const Ref<TextSprite>& text;
        int value;
        const runtime::String& type;
    };
    for (const Stat& s : {Stat{attackIcon, attackText, eff.attack, Enchantment::ATTACK},
                          Stat{defenseIcon, defenseText, eff.defense, Enchantment::DEFENSE},
                          Stat{magicIcon, magicText, eff.magic, Enchantment::MAGIC}}) {
        if (s.value == 0) {
            s.icon->set_alpha(0.2);
            s.text->set_text("");
            continue;
        }
        s.icon->set_alpha(1);
        s.text->changeFont(TextSprite::MEDIEVAL_SANS_20_OUTLINE, decimal(s.value));
        if (hasEnchantment(s.type)) s.text->changeFont(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW);
    }
    const std::array<const runtime::String*, 6> attTypes = {
        &Enchantment::FIRE_ATTACK, &Enchantment::ICE_ATTACK,  &Enchantment::EARTH_ATTACK,
        &Enchantment::WIND_ATTACK, &Enchantment::DARK_ATTACK, &Enchantment::LIGHT_ATTACK};
    const std::array<const runtime::String*, 6> defTypes = {
        &Enchantment::FIRE_DEFENSE, &Enchantment::ICE_DEFENSE,  &Enchantment::EARTH_DEFENSE,
        &Enchantment::WIND_DEFENSE, &Enchantment::DARK_DEFENSE, &Enchantment::LIGHT_DEFENSE};
    layoutElements(static_cast<int>(attackIcon->get_x()), attIcons, attTexts,
                   {eff.attFire, eff.attIce, eff.attEarth, eff.attWind, eff.attDark, eff.attLight}, attTypes,
                   item->data->spell);
    layoutElements(static_cast<int>(defenseIcon->get_x()), defIcons, defTexts,
                   {eff.defFire, eff.defIce, eff.defEarth, eff.defWind, eff.defDark, eff.defLight}, defTypes, false);
}

void ItemDetails::layoutElements(double x0, const std::array<Ref<Bitmap>, 6>& icons,
                                 const std::array<Ref<TextSprite>, 6>& texts, const std::array<int, 6>& values,
                                 const std::array<const runtime::String*, 6>& types, bool magicPower) {
    const int y0 = static_cast<int>(attackIcon->get_y() + 24);
    double x = x0;
    int y = y0;
    for (std::size_t k = 0; k < 6; ++k) {
        if (values[k] < 1) {
            icons[k]->set_visible(false);
            texts[k]->set_visible(false);
            continue;
        }
        icons[k]->set_x(x);
        icons[k]->set_y(y);
        icons[k]->set_visible(true);
        texts[k]->set_x(x + ICON_X_ADJUST_FORWARD);
        texts[k]->set_y(y + 4);
        texts[k]->set_visible(true);
        const int shown = magicPower ? GameData::calculateMagicPower(values[k]) : values[k];
        texts[k]->changeFont(TextSprite::MEDIEVAL_SANS_20_OUTLINE, decimal(shown));
        if (hasEnchantment(*types[k])) texts[k]->changeFont(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW);
        if (k == 0) {
            y = y0 + ICON_Y_SPACING;
        } else if (k < 5) {
            if (y < y0 + ICON_Y_SPACING) {
                y += ICON_Y_SPACING;
            } else {
                y = y0;
                x += ICON_X_ADJUST_FORWARD;
                for (std::size_t j = 0; j <= k; ++j) {
                    icons[j]->set_x(icons[j]->get_x() - ICON_X_ADJUST_BACK);
                    texts[j]->set_x(texts[j]->get_x() - ICON_X_ADJUST_BACK);
                }
            }
        }
    }
}

void ItemDetails::compareClick(const Ref<framework::Event>&) { DataUI::get().openCompareScreen(item); }

void ItemDetails::replaceClick(const Ref<framework::Event>&) { (*replaceFunction)(item); }

void ItemDetails::enableReplaceButton() { replaceButton->enable(); }

void ItemDetails::disableReplaceButton() { replaceButton->disable(); }

void ItemDetails::hideCompareButton() { compareButton->set_visible(false); }

}  // namespace game

using game::ItemDetails;

RUNTIME_DEFINE_CLASS(ItemDetails, "ItemDetails", game::BitmapSprite, (auto& b) {
    b.template property<&ItemDetails::get_item, &ItemDetails::set_item>("item")
        .template field<&ItemDetails::compact>("compact")
        .template field<&ItemDetails::winWidth>("winWidth")
        .template field<&ItemDetails::winHeight>("winHeight")
        .template method<&ItemDetails::enableReplaceButton>("enableReplaceButton")
        .template method<&ItemDetails::disableReplaceButton>("disableReplaceButton")
        .template method<&ItemDetails::hideCompareButton>("hideCompareButton")
        .emptyInstance();
})
