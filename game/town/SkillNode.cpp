#include "SkillNode.h"

#include <random>

#include "framework/events/MouseEvent.h"
#include "game/data/DataMap.h"
#include "game/data/DataUI.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/TweenProps.h"
#include "game/shell/Audio.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/HudLink.h"
#include "game/ui/ItemInventory.h"
#include "tween/Tweener.h"
#include "tween/easing/Quint.h"

namespace game {

using framework::Rectangle;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

double random01() {
    static std::mt19937 source{std::random_device{}()};
    return std::uniform_real_distribution<double>(0, 1)(source);
}

struct TypeRow {
    const char* type;
    const char* description;
    int iconX, iconY;
    // The stat it raises; null for a spell.
    int* stat;
    int amount;
    int* second;  // maxHP and maxMP rise with hp and mp
};

// Stat icons are 27-pixel cells of skillIcons.png, spell icons 40-pixel cells of skillIcons50.png.
const TypeRow TYPES[] = {
    {"hp", "HP + 20", 0, 0, &GameData::maxHP, 20, &GameData::hp},
    {"hpX", "HP + 100", 0, 0, &GameData::maxHP, 100, &GameData::hp},
    {"mp", "MP + 5", 27, 0, &GameData::maxMP, 5, &GameData::mp},
    {"mpX", "MP + 25", 27, 0, &GameData::maxMP, 25, &GameData::mp},
    {"att", "Attack + 1", 54, 0, &GameData::attack, 1, nullptr},
    {"attX", "Attack + 3", 54, 0, &GameData::attack, 3, nullptr},
    {"def", "Defense + 1", 81, 0, &GameData::defense, 1, nullptr},
    {"defX", "Defense + 3", 81, 0, &GameData::defense, 3, nullptr},
    {"mag", "Magic + 2", 108, 0, &GameData::magic, 2, nullptr},
    {"magX", "Magic + 10", 108, 0, &GameData::magic, 10, nullptr},
    {"crit", "Critical Chance + 2%", 54, 27, &GameData::critChance, 2, nullptr},
    {"critX", "Critical Chance + 10%", 54, 27, &GameData::critChance, 10, nullptr},
    {"exp", "Exp + 2%", 81, 27, &GameData::expMultiplier, 2, nullptr},
    {"expX", "Exp + 10%", 81, 27, &GameData::expMultiplier, 10, nullptr},
    {"gold", "Gold Dropped + 3%", 108, 27, &GameData::goldMultiplier, 3, nullptr},
    {"goldX", "Gold Dropped + 15%", 108, 27, &GameData::goldMultiplier, 15, nullptr},
    {"drop", "Item Drop Chance + 1%", 0, 54, &GameData::dropBonus, 1, nullptr},
    {"dropX", "Item Drop Chance + 3%", 0, 54, &GameData::dropBonus, 3, nullptr},
    {"potEff", "Potion Efficiency + 5%", 27, 54, nullptr, 5, nullptr},
    {"potEffX", "Potion Efficiency + 25%", 27, 54, nullptr, 25, nullptr},
    {"potDur", "Potion Duration + 1", 54, 54, &GameData::potionDuration, 1, nullptr},
    {"potDurX", "Potion Duration + 3", 54, 54, &GameData::potionDuration, 3, nullptr},
    {"heal", "Heal", 0, 0, nullptr, 0, nullptr},
    {"fire", "Flamestrike", 40, 0, nullptr, 0, nullptr},
    {"ice", "Iceslash", 80, 0, nullptr, 0, nullptr},
    {"earth", "Earthspike", 120, 0, nullptr, 0, nullptr},
    {"wind", "Windblast", 0, 40, nullptr, 0, nullptr},
    {"dark", "Darkburst", 40, 40, nullptr, 0, nullptr},
    {"light", "Lightbeam", 80, 40, nullptr, 0, nullptr},
    {"revealer", "Revealer", 120, 40, nullptr, 0, nullptr},
    {"telekinesis", "Telekinesis", 0, 80, nullptr, 0, nullptr},
    {"transmute", "Transmute", 40, 80, nullptr, 0, nullptr},
};
constexpr int FIRST_SPELL = 22;
constexpr int STAT_ICON = 27;
constexpr int SPELL_ICON = 40;

const TypeRow* findType(const String& type) {
    for (const TypeRow& row : TYPES)
        if (type == row.type) return &row;
    return nullptr;
}

bool isPotionEfficiency(const TypeRow& row) { return row.stat == nullptr && &row < &TYPES[FIRST_SPELL]; }

}  // namespace

void SkillNode::setupButtonRects() {
    auto black = PixelSmoother::smoothAsset("assets/ui/skillButtonBlack.png");
    auto gold = PixelSmoother::smoothAsset("assets/ui/skillButtonGold.png");
    auto green = PixelSmoother::smoothAsset("assets/ui/skillButtonGreen.png");
    auto cut = [](const Ref<framework::BitmapData>& strip, const Ref<Rectangle>& cell) {
        auto bitmap = make<framework::Bitmap>(strip);
        bitmap->set_scrollRect(cell->clone());
        return bitmap;
    };
    for (int s = 0; s < STATE_COUNT; ++s) {
        const int column = s % 3, row = s / 3;
        BUTTON_RECTS_NORMAL[s] =
            make<Rectangle>(column * NODE_SIZE_NORMAL, row * NODE_SIZE_NORMAL, NODE_SIZE_NORMAL, NODE_SIZE_NORMAL);
        BUTTON_RECTS_LARGE[s] =
            make<Rectangle>(column * NODE_SIZE_LARGE, row * NODE_SIZE_LARGE, NODE_SIZE_LARGE, NODE_SIZE_LARGE);
        BUTTON_BITMAPS_BLACK[s] = cut(black, BUTTON_RECTS_NORMAL[s]);
        BUTTON_BITMAPS_GOLD[s] = cut(gold, BUTTON_RECTS_LARGE[s]);
        BUTTON_BITMAPS_GREEN[s] = cut(green, BUTTON_RECTS_LARGE[s]);
    }
}

String SkillNode::describe(const String& type) {
    const TypeRow* row = findType(type);
    return row ? String(row->description) : String("");
}

bool SkillNode::isSpellType(const String& type) {
    const TypeRow* row = findType(type);
    return !row || row >= &TYPES[FIRST_SPELL];
}

void SkillNode::initialize(const String& id_, const String& type_, const String& color) {
    id = id_;
    type = type_;
    if (isCenter()) {
        addChild(make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/skillButtonCenter.png")));
        nodeSize = NODE_SIZE_NORMAL;
        set_mouseEnabled(false);
        return;
    }
    const bool green = !color.isNull() && color != COLOR_BLACK && color != COLOR_GOLD;
    if (color.isNull() || color == COLOR_BLACK) {
        nodeSize = NODE_SIZE_NORMAL;
        buttonBitmaps = BUTTON_BITMAPS_BLACK;
    } else if (color == COLOR_GOLD) {
        gold = true;
        nodeSize = NODE_SIZE_LARGE;
        buttonBitmaps = BUTTON_BITMAPS_GOLD;
    } else {
        nodeSize = NODE_SIZE_LARGE;
        buttonBitmaps = BUTTON_BITMAPS_GREEN;
    }
    activated = false;
    descText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, -1, false, false, -5.0,
                                2, true);
    icon = make<BitmapSprite>(
        PixelSmoother::smoothAsset(green ? "assets/ui/skillIcons50.png" : "assets/ui/skillIcons.png"));
    int cell = STAT_ICON;
    if (const TypeRow* row = findType(type)) {
        descText->set_text(row->description);
        cell = isSpellType(type) ? SPELL_ICON : STAT_ICON;
        icon->set_scrollRect(make<Rectangle>(row->iconX, row->iconY, cell, cell));
    }
    if (isSpellType(type))
        if (auto data = ItemData::findMagicDataByName(type)) spellItem = make<Item>(data);
    descText->set_visible(false);
    descText->set_x(static_cast<int>(nodeSize * 0.5));
    addChild(descText);
    icon->set_alpha(0.8);
    const int iconOffset = static_cast<int>(nodeSize * 0.5 - cell * 0.5);
    icon->set_x(iconOffset);
    icon->set_y(iconOffset);
    addChild(icon);
    disabledSprite = make<BitmapSprite>(PixelSmoother::smoothAsset(
        String(green ? "assets/ui/skillButtonDisabledGreen" : "assets/ui/skillButtonDisabled") +
        std::to_string(nodeSize) + ".png"));
    disabledSprite->set_alpha(0.5);
    addChild(disabledSprite);
    descText->set_mouseEnabled(false);
    set_mouseEnabled(false);
    if (!Game::mobile)
        addEventListener(framework::MouseEvent::MOUSE_OVER, runtime::Function::method<&SkillNode::mouseOver>(this));
}

void SkillNode::enable() {
    enabled = true;
    if (isCenter()) return;
    if (disabledSprite && disabledSprite->get_parent().get() == this) removeChild(disabledSprite);
    if (icon) icon->set_alpha(1);
}

void SkillNode::disable() {
    enabled = false;
    if (isCenter()) return;
    if (disabledSprite) addChild(disabledSprite);
    if (icon) icon->set_alpha(0.5);
}

void SkillNode::activate(bool credit) {
    if (isCenter()) return;
    activated = true;
    if (!credit) return;
    GameData::skillNodesUnlocked.push_back(id);
    creditStat();
    Audio::playSound("skillnode", 0.2);

    for (int i = 0; i < 50; ++i) {
        const bool big = random01() >= 0.5;
        auto square = gold ? (big ? BMDCache::goldSquare4x4 : BMDCache::goldSquare2x2)
                           : (big ? BMDCache::whiteSquare4x4 : BMDCache::whiteSquare2x2);
        auto spark = make<BitmapSprite>(square);
        spark->set_x(random01() * nodeSize);
        spark->set_y(random01() * nodeSize);
        const double x = nodeSize * random01() * 3 - nodeSize;
        const double y = nodeSize * random01() * 3 - nodeSize;
        addEffect(spark, 2, {{"x", x}, {"y", y}, {"alpha", 0}});
    }
    auto ring = make<BitmapSprite>(PixelSmoother::smoothAsset(gold ? "assets/ui/skillButtonActivationGold.png"
                                                                    : "assets/ui/skillButtonActivation.png"));
    ring->set_scaleX(0.66);
    ring->set_scaleY(0.66);
    addEffect(ring, 0.6, {{"x", -35}, {"y", -35}, {"scaleX", 1.9811}, {"scaleY", 1.9811}, {"alpha", 0}});
}

void SkillNode::addEffect(const Ref<BitmapSprite>& sprite, double seconds,
                          std::initializer_list<std::pair<const char*, double>> to) {
    sprite->set_mouseEnabled(false);
    addChildAt(sprite, 0);
    if (auto actuator = ::tween::Tweener::tween(sprite, seconds, TweenProps::of(to))) {
        actuator->ease(::tween::Quint::get_easeOut());
        sprite->tween(actuator);
    }
    DataMap::get().addMenuEffect(sprite);
}

void SkillNode::creditStat() {
    const TypeRow* row = findType(type);
    if (row && row < &TYPES[FIRST_SPELL]) {
        if (isPotionEfficiency(*row)) GameData::potionEfficiency += row->amount / 100.0;
        else {
            *row->stat += row->amount;
            if (row->second) *row->second += row->amount;
        }
    } else if (spellItem) {
        GameData::addItem(spellItem, 1);
        if (auto inventory = HudLink::get().inventory()) inventory->updateItems();
    }
    DataUI::get().updateHPMPExp(std::nullopt, std::nullopt, std::nullopt);
    HudLink::get().updateEquipmentStats();
}

void SkillNode::dropFrame() {
    if (overBitmap && overBitmap->get_parent().get() == this) removeChild(overBitmap);
}

void SkillNode::showFrame(int state) {
    dropFrame();
    overBitmap = buttonBitmaps[state];
    if (overBitmap) addChildAt(overBitmap, 0);
}

void SkillNode::select() {
    if (isCenter()) return;
    showFrame(activated ? ACTIVE_SELECTED : INACTIVE_SELECTED);
    removeTextAfterTween = false;
    descText->set_y(0);
    descText->set_visible(true);
    descText->set_alpha(0);
    if (auto actuator = ::tween::Tweener::tween(descText, 0.2, TweenProps::of({{"y", -nodeSize * 0.5}, {"alpha", 1}})))
        actuator->onComplete(runtime::Function::method<&SkillNode::textTweenComplete>(this));
}

void SkillNode::deselect() {
    if (isCenter()) return;
    dropFrame();
    overBitmap = nullptr;
    removeTextAfterTween = true;
    descText->set_visible(false);
}

void SkillNode::textTweenComplete() {
    if (removeTextAfterTween) descText->set_visible(false);
}

void SkillNode::mouseOver(const Ref<framework::Event>&) {
    if (overBitmap && (overBitmap == buttonBitmaps[ACTIVE_SELECTED] || overBitmap == buttonBitmaps[INACTIVE_SELECTED]))
        return;
    showFrame(activated ? ACTIVE_OVER : INACTIVE_OVER);
    addEventListener(framework::MouseEvent::MOUSE_OUT, runtime::Function::method<&SkillNode::mouseOut>(this));
}

void SkillNode::mouseOut(const Ref<framework::Event>&) {
    dropFrame();
    removeEventListener(framework::MouseEvent::MOUSE_OUT, runtime::Function::method<&SkillNode::mouseOut>(this));
}

}  // namespace game

using game::SkillNode;

RUNTIME_DEFINE_CLASS(SkillNode, "SkillNode", framework::Sprite, (auto& b) {
    b.template field<&SkillNode::id>("id")
        .template field<&SkillNode::enabled>("enabled")
        .template field<&SkillNode::type>("type")
        .template field<&SkillNode::activated>("activated")
        .template field<&SkillNode::nodeSize>("nodeSize")
        .template field<&SkillNode::spellItem>("spellItem")
        .template field<&SkillNode::branchType>("branchType")
        .template field<&SkillNode::disabledSprite>("disabledSprite")
        .template field<&SkillNode::icon>("icon")
        .template field<&SkillNode::descText>("descText")
        .template field<&SkillNode::removeTextAfterTween>("removeTextAfterTween")
        .template field<&SkillNode::gold>("gold")
        .template field<&SkillNode::overBitmap>("overBitmap")
        .template staticMethod<&SkillNode::setupButtonRects>("setupButtonRects")
        .template method<&SkillNode::initialize>("initialize")
        .template method<&SkillNode::enable>("enable")
        .template method<&SkillNode::disable>("disable")
        .template method<&SkillNode::activate>("activate")
        .template method<&SkillNode::select>("select")
        .template method<&SkillNode::deselect>("deselect")
        .template method<&SkillNode::textTweenComplete>("textTweenComplete")
        .template method<&SkillNode::mouseOver>("mouseOver")
        .template method<&SkillNode::mouseOut>("mouseOut")
        .template method<&SkillNode::creditStat>("creditStat")
        .emptyInstance();
})
