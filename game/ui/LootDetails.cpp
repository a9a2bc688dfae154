#include "LootDetails.h"

#include <cmath>
#include <string>

#include "UI.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/floor/StatGem.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

Ref<TextSprite> heading(const char* text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, text, false, -1, 2, true, 0, false, false,
                            -5.0, 2, true);
}

}  // namespace

LootDetails::LootDetails(int width, int) {
    auto artifactsTitle = heading("Artifacts");
    artifactsTitle->set_x(std::trunc(width * 0.5));
    addChild(artifactsTitle);

    artScroller = make<ItemScroller>(width, Function::of<&UI::nullItemSelectUse>(),
                                     Function::of<&UI::nullItemSelectUse>(), Function::of<&UI::nullItemDeselect>(),
                                     false, false, true);
    artScroller->set_y(24);
    addChild(artScroller);

    auto gemsTitle = heading("Stat Gems");
    gemsTitle->set_x(std::trunc(width * 0.25));
    gemsTitle->set_y(artScroller->get_y() + ItemScroller::SCROLLER_HEIGHT + 6);
    addChild(gemsTitle);

    auto otherTitle = heading("Other");
    otherTitle->set_x(std::trunc(width * 0.75));
    otherTitle->set_y(gemsTitle->get_y());
    addChild(otherTitle);

    // Attack, defence and magic in a row under the title, HP and MP between them below.
    auto holder = make<BitmapSprite>();
    struct Place {
        Ref<LootGemCounter>& counter;
        int type, x, y;
    };
    const Place places[] = {{hpGemCounter, StatGem::TYPE_HP, GEM_SPACING / 2, 56},
                            {mpGemCounter, StatGem::TYPE_MP, GEM_SPACING + GEM_SPACING / 2, 56},
                            {attackGemCounter, StatGem::TYPE_ATTACK, 0, 0},
                            {defenseGemCounter, StatGem::TYPE_DEFENSE, GEM_SPACING, 0},
                            {magicGemCounter, StatGem::TYPE_MAGIC, 2 * GEM_SPACING, 0}};
    for (const Place& place : places) {
        place.counter = make<LootGemCounter>(place.type);
        place.counter->set_x(place.x);
        place.counter->set_y(place.y);
        holder->addChild(place.counter);
        statGemCounters.push_back(place.counter);
    }
    holder->set_x(gemsTitle->get_x() - GEM_SPACING);
    holder->set_y(gemsTitle->get_y() + 30);
    addChild(holder);

    const char* captions[] = {"EXP:", "Level Ups:", "Gold Difference:", "New Shops:"};
    Ref<TextSprite>* values[] = {&expValue, &levelValue, &goldValue, &shopValue};
    double y = otherTitle->get_y() + 40;
    for (int i = 0; i < 4; ++i, y += 26) {
        auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, captions[i], false, -1, 2, false, 0, false,
                                        false, -5.0, 2, true);
        caption->set_x(otherTitle->get_x() - caption->textWidth - 5);
        caption->set_y(y);
        addChild(caption);
        *values[i] = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
        (*values[i])->set_x(otherTitle->get_x() + 5);
        (*values[i])->set_y(y);
        addChild(*values[i]);
    }
}

void LootDetails::update() {
    artScroller->update();
    for (const Ref<LootGemCounter>& counter : statGemCounters)
        if (counter->get_alpha() == 1) counter->update();
}

void LootDetails::updateStats(bool forceValues) {
    // One entry per artifact kind, counted up; crafted potions have no table entry and are left out,
    // and so is an identifier the tables no longer know.
    std::vector<Ref<Item>> artifacts;
    for (int id : GameData::artifactsThisRun) {
        bool counted = false;
        for (const Ref<Item>& item : artifacts) {
            if (item->data->id == id) {
                ++item->amount;
                counted = true;
                break;
            }
        }
        if (counted || id == ItemData::CRAFTED_POTION_ID) continue;
        if (auto data = ItemData::findDataWithID(id)) artifacts.push_back(make<Item>(data));
    }
    artScroller->setItems(artifacts);

    hpGemCounter->setValue(GameData::hpGemsThisRun);
    mpGemCounter->setValue(GameData::mpGemsThisRun);
    attackGemCounter->setValue(GameData::attGemsThisRun);
    defenseGemCounter->setValue(GameData::defGemsThisRun);
    magicGemCounter->setValue(GameData::magGemsThisRun);

    if (!GameData::inCave && !forceValues) {
        expValue->set_text("-");
        levelValue->set_text("-");
        shopValue->set_text("-");
        goldValue->changeFont(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "-");
        return;
    }
    expValue->set_text(std::to_string(GameData::expThisRun));
    const int gold = GameData::gold - GameData::runStartGold;
    if (gold < 0) goldValue->changeFont(TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED, std::to_string(gold));
    else if (gold > 0) goldValue->changeFont(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "+" + std::to_string(gold));
    else goldValue->changeFont(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "0");
    levelValue->set_text(std::to_string(GameData::level - GameData::runStartLevel));
    shopValue->set_text(std::to_string(GameData::shopsFoundThisRun));
}

}  // namespace game

using game::LootDetails;

RUNTIME_DEFINE_CLASS(LootDetails, "LootDetails", game::BitmapSprite, (auto& b) {
    b.template field<&LootDetails::artScroller>("artScroller")
        .template field<&LootDetails::hpGemCounter>("hpGemCounter")
        .template field<&LootDetails::mpGemCounter>("mpGemCounter")
        .template field<&LootDetails::attackGemCounter>("attackGemCounter")
        .template field<&LootDetails::defenseGemCounter>("defenseGemCounter")
        .template field<&LootDetails::magicGemCounter>("magicGemCounter")
        .template field<&LootDetails::expValue>("expValue")
        .template field<&LootDetails::levelValue>("levelValue")
        .template field<&LootDetails::goldValue>("goldValue")
        .template field<&LootDetails::shopValue>("shopValue")
        .template method<&LootDetails::update>("update")
        .template method<&LootDetails::updateStats>("updateStats")
        .emptyInstance();
})
