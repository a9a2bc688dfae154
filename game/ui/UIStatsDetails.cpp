#include "UIStatsDetails.h"

#include <string>

#include "game/data/GameData.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;
using runtime::Ref;

const UIStatsDetails::Figure UIStatsDetails::FIGURES[15] = {
    {&UIStatsDetails::attackText, &GameData::attack, &ItemData::attack, true},
    {&UIStatsDetails::defenseText, &GameData::defense, &ItemData::defense, true},
    {&UIStatsDetails::magicText, &GameData::magic, &ItemData::magic, true},
    {&UIStatsDetails::fireAttackText, &GameData::attFire, &ItemData::attFire, false},
    {&UIStatsDetails::iceAttackText, &GameData::attIce, &ItemData::attIce, false},
    {&UIStatsDetails::earthAttackText, &GameData::attEarth, &ItemData::attEarth, false},
    {&UIStatsDetails::windAttackText, &GameData::attWind, &ItemData::attWind, false},
    {&UIStatsDetails::darknessAttackText, &GameData::attDark, &ItemData::attDark, false},
    {&UIStatsDetails::lightAttackText, &GameData::attLight, &ItemData::attLight, false},
    {&UIStatsDetails::fireDefenseText, &GameData::defFire, &ItemData::defFire, false},
    {&UIStatsDetails::iceDefenseText, &GameData::defIce, &ItemData::defIce, false},
    {&UIStatsDetails::earthDefenseText, &GameData::defEarth, &ItemData::defEarth, false},
    {&UIStatsDetails::windDefenseText, &GameData::defWind, &ItemData::defWind, false},
    {&UIStatsDetails::darknessDefenseText, &GameData::defDark, &ItemData::defDark, false},
    {&UIStatsDetails::lightDefenseText, &GameData::defLight, &ItemData::defLight, false},
};

namespace {

runtime::String decimal(int value) { return runtime::String(std::to_string(value)); }

const Ref<SpriteFont>& plainFont(bool main) {
    return main ? TextSprite::MEDIEVAL_SANS_20_OUTLINE : TextSprite::MEDIEVAL_SANS_14_OUTLINE;
}

// The numbers an item adds while worn: its definition with its enchantments added in.
const ItemData* wornData(const Ref<Item>& item) {
    const Ref<Item>& worn = item ? item : Item::ZERO;
    if (!worn) return nullptr;
    return worn->effectiveData ? worn->effectiveData.get() : worn->data.get();
}

}  // namespace

UIStatsDetails::UIStatsDetails(int width, int height) {
    auto panelData = PixelSmoother::smoothAsset("assets/ui/elementsPanel.png");
    const int pw = panelData ? panelData->get_width() : 0;
    const int ph = panelData ? panelData->get_height() : 0;
    auto elementsPanel = make<BitmapSprite>(panelData);
    elementsPanel->set_x(static_cast<int>((width - pw) * 0.8));
    elementsPanel->set_y(static_cast<int>((height - ph - 18) * 0.5) + 18);
    addChild(elementsPanel);

    auto elementsHeading =
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "ELEMENTS", true, pw, 3, true, 0, false, false, -5.0, 2, true);
    elementsHeading->set_x(elementsPanel->get_x());
    elementsHeading->set_y(elementsPanel->get_y() - elementsHeading->textHeight - 4);
    addChild(elementsHeading);

    Ref<TextSprite>* attacks[] = {&fireAttackText, &iceAttackText,      &earthAttackText,
                                  &windAttackText, &darknessAttackText, &lightAttackText};
    Ref<TextSprite>* defences[] = {&fireDefenseText, &iceDefenseText,      &earthDefenseText,
                                   &windDefenseText, &darknessDefenseText, &lightDefenseText};
    auto elementText = [&](Ref<TextSprite>& text, int x, int row) {
        text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "0", false, -1, 2, true);
        text->set_x(x);
        text->set_y(5 + 20 * row);
        elementsPanel->addChild(text);
    };
    for (int row = 0; row < 6; ++row) elementText(*attacks[row], 40, row);
    for (int row = 0; row < 6; ++row) elementText(*defences[row], 70, row);

    auto statsHeading =
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "STATS", false, -1, 2, false, 0, false, false, -5.0, 2, true);
    statsHeading->set_x(static_cast<int>(elementsPanel->get_x() * 0.5 - statsHeading->textWidth * 0.5));
    statsHeading->set_y(elementsHeading->get_y());
    addChild(statsHeading);

    // The sheet's column holds the sword, the shield and the staff, 30 pixels apart.
    auto iconSheet = PixelSmoother::smoothAsset("assets/ui/statIcons.png");
    struct Row {
        Ref<TextSprite>& text;
        int sheetY;
    };
    const Row rows[] = {{attackText, 0}, {defenseText, 30}, {magicText, 60}};
    double y = elementsPanel->get_y() + 10;
    for (const Row& row : rows) {
        auto icon = make<framework::Bitmap>(iconSheet);
        icon->set_scrollRect(make<framework::Rectangle>(0, row.sheetY, 30, 30));
        icon->set_x(statsHeading->get_x() - 15);
        icon->set_y(y);
        addChild(icon);
        row.text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "0");
        row.text->set_x(icon->get_x() + 40);
        row.text->set_y(icon->get_y() + 6);
        addChild(row.text);
        y += 40;
    }
}

void UIStatsDetails::show(TextSprite& text, const Ref<SpriteFont>& font, const runtime::String& value) {
    if (text.font != font || text.text != value) text.changeFont(font, value);
}

void UIStatsDetails::updateStats() {
    for (const Figure& f : FIGURES) show(*(this->*f.text), plainFont(f.main), decimal(*f.stored));
}

void UIStatsDetails::showAdjustedStats(const Ref<Item>& newItem, const Ref<Item>& oldItem) {
    updateStats();
    const ItemData* n = wornData(newItem);
    const ItemData* o = wornData(oldItem);
    for (const Figure& f : FIGURES) {
        const int newValue = n ? n->*f.field : 0;
        const int oldValue = o ? o->*f.field : 0;
        if (newValue == oldValue) continue;
        const int diff = newValue - oldValue;
        const Ref<SpriteFont>& font =
            f.main ? (diff > 0 ? TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN : TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED)
                   : (diff > 0 ? TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN : TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED);
        show(*(this->*f.text), font, decimal(*f.stored + diff));
    }
}

}  // namespace game

using game::UIStatsDetails;

RUNTIME_DEFINE_CLASS(UIStatsDetails, "UIStatsDetails", game::BitmapSprite, (auto& b) {
    b.template field<&UIStatsDetails::fireAttackText>("fireAttackText")
        .template field<&UIStatsDetails::iceAttackText>("iceAttackText")
        .template field<&UIStatsDetails::earthAttackText>("earthAttackText")
        .template field<&UIStatsDetails::windAttackText>("windAttackText")
        .template field<&UIStatsDetails::darknessAttackText>("darknessAttackText")
        .template field<&UIStatsDetails::lightAttackText>("lightAttackText")
        .template field<&UIStatsDetails::fireDefenseText>("fireDefenseText")
        .template field<&UIStatsDetails::iceDefenseText>("iceDefenseText")
        .template field<&UIStatsDetails::earthDefenseText>("earthDefenseText")
        .template field<&UIStatsDetails::windDefenseText>("windDefenseText")
        .template field<&UIStatsDetails::darknessDefenseText>("darknessDefenseText")
        .template field<&UIStatsDetails::lightDefenseText>("lightDefenseText")
        .template field<&UIStatsDetails::attackText>("attackText")
        .template field<&UIStatsDetails::defenseText>("defenseText")
        .template field<&UIStatsDetails::magicText>("magicText")
        .template method<&UIStatsDetails::updateStats>("updateStats")
        .template method<&UIStatsDetails::showAdjustedStats>("showAdjustedStats")
        .emptyInstance();
})
