#include "EnemyDetailsWindow.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/geom/Rectangle.h"
#include "game/battle/Element.h"
#include "game/battle/Monster.h"
#include "game/data/GameData.h"
#include "game/data/MonsterData.h"
#include "game/shell/PixelSmoother.h"
#include "game/kit/TweenProps.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using framework::Rectangle;
using framework::Sprite;
using runtime::make;
using runtime::Ref;

namespace {

Ref<Sprite> holderAt(const Ref<Sprite>& parent, double x, double y) {
    auto holder = make<Sprite>();
    holder->set_x(x);
    holder->set_y(y);
    parent->addChild(holder);
    return holder;
}

template <class T>
Ref<T> place(const Ref<Sprite>& parent, Ref<T> child, double x, double y) {
    child->set_x(x);
    child->set_y(y);
    parent->addChild(child);
    return child;
}

// A cut of an asset picture.
Ref<Bitmap> cut(const char* asset, double x, double y, double w, double h) {
    auto bitmap = make<Bitmap>(PixelSmoother::smoothAsset(asset));
    bitmap->set_scrollRect(make<Rectangle>(x, y, w, h));
    return bitmap;
}

Ref<TextSprite> plainText(const runtime::String& text = "") { return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, text); }

Ref<TextSprite> cachedText(const Ref<SpriteFont>& font, const char* text, bool centered) {
    return make<TextSprite>(font, text, false, -1, 2, centered, 0, false, false, -5.0, 2, true);
}

// The element values of a definition in row order: fire, ice, earth, wind, dark, light.
std::array<int, 6> attackValues(const MonsterData& d) {
    return {d.attFire, d.attIce, d.attEarth, d.attWind, d.attDark, d.attLight};
}
std::array<int, 6> defenseValues(const MonsterData& d) {
    return {d.defFire, d.defIce, d.defEarth, d.defWind, d.defDark, d.defLight};
}

// The weakness symbol's cell in "assets/ui/elemIconsPlain.png" for an element type 1..6.
Ref<Rectangle> weaknessCell(int element) {
    const int i = element - Element::TYPE_FIRE;
    return make<Rectangle>((i % 3) * 19, (i / 3) * 20, 19, 20);
}

}  // namespace

EnemyDetailsWindow::EnemyDetailsWindow() : BasicWindow(WIDTH, HEIGHT) {
    Ref<Sprite> self(this);
    picHolder = holderAt(self, 10, 10);
    basicDetailsHolder = holderAt(self, 0, 10);
    nameText = place(basicDetailsHolder, make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2,
                                                          false, 0, false, false, -5.0, 2, true),
                     0, -4);

    auto barBmd = make<framework::BitmapData>(91, 4, true, static_cast<int>(0xFFD40000));
    barBmd->fillRect(make<Rectangle>(0, 1, 91, 1), static_cast<int>(0xFFF82D2D));
    barBmd->fillRect(make<Rectangle>(0, 2, 91, 2), static_cast<int>(0xFF9B000A));
    hpBar = place(basicDetailsHolder, make<BasicProgressBar>(barBmd), 1, 16);
    place(basicDetailsHolder, make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/enemyhpBar.png")), 0, 15);

    goldHolder = holderAt(basicDetailsHolder, 0, hpBar->get_y() + 10);
    place(goldHolder, make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/goldIcon.png")), 0, 0);
    goldText = place(goldHolder, make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "", false, -1, 2, false, -1),
                     20, 1);
    expHolder = holderAt(basicDetailsHolder, 58, goldHolder->get_y());
    auto xpLabel = place(expHolder, cachedText(TextSprite::MEDIEVAL_SANS_14, "XP:", false), 0, 0);
    expText = place(expHolder, make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "", false, -1, 2, false, -1),
                    xpLabel->textWidth + 3, 1);

    bossText = place(self, cachedText(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "BOSS - Can't Run!", false), 10, 0);
    bossText->set_visible(false);

    combatStatsHolder = holderAt(self, 10, 0);
    allAttackHolder = holderAt(combatStatsHolder, 0, 0);
    allDefenseHolder = holderAt(combatStatsHolder, 60, 0);
    place(allAttackHolder, cut("assets/ui/statIconsSmall.png", 0, 0, 20, 20), 0, 0);
    attackText = place(allAttackHolder, plainText(), 25, 4);
    place(allDefenseHolder, cut("assets/ui/statIconsSmall.png", 0, 20, 20, 20), 0, 0);
    defenseText = place(allDefenseHolder, plainText(), 25, 4);

    for (int k = 0; k < 6; ++k) {
        attHolders[k] = holderAt(allAttackHolder, 0, 0);
        place(attHolders[k], cut("assets/ui/elemIcons.png", 19, 25 * k, 22, 25), 0, 0);
        attTexts[k] = place(attHolders[k], plainText(), 25, 4);
    }
    for (int k = 0; k < 6; ++k) {
        defHolders[k] = holderAt(allDefenseHolder, 0, 0);
        place(defHolders[k], cut("assets/ui/elemIcons.png", 0, 25 * k, 19, 25), 0, 0);
        defTexts[k] = place(defHolders[k], plainText(), 25, 4);
    }

    weaknessHolder = holderAt(combatStatsHolder, allDefenseHolder->get_x() * 2, 0);
    place(weaknessHolder, cachedText(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Weak:", true), 20, 0);
    auto box = place(weaknessHolder, make<BasicWindow>(40, 40), 0, 16);
    weaknessNoneText = place(weaknessHolder, cachedText(TextSprite::MEDIEVAL_SANS_14, "None", true), 20, 29);
    weaknessIcon = place(weaknessHolder, make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/elemIconsPlain.png")), 10,
                         box->get_y() + 10);
}

void EnemyDetailsWindow::setMonster(const Ref<Monster>& value) {
    monster = value;
    const MonsterData& d = *monster->data;
    auto& met = GameData::bestiaryMonsterIDs;
    if (std::find(met.begin(), met.end(), d.id) == met.end()) {
        met.push_back(d.id);
        std::stable_sort(met.begin(), met.end());
    }

    picHolder->removeChildren();
    double picW = 0, picH = 0;
    if (d.id == Monster::DEMON_ID) {
        monsterPic = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/ui/demonDetailsPic.png"));
    } else {
        monsterPic = make<BitmapSprite>(d.bmd);
        if (d.idleAnim) monsterPic->setNewAnim(d.idleAnim);
    }
    if (monsterPic->anim) {
        picW = monsterPic->anim->width;
        picH = monsterPic->anim->height;
    } else if (monsterPic->bmd) {
        picW = monsterPic->bmd->get_width();
        picH = monsterPic->bmd->get_height();
    }
    picHolder->addChild(monsterPic);

    goldText->set_text(std::to_string(d.gold));
    expText->set_text(std::to_string(d.exp));
    expHolder->set_x(goldHolder->get_x() + goldText->textWidth + 30);

    basicDetailsHolder->set_x(picW + 20);
    nameText->set_text(d.name);
    updateHP(std::nullopt);
    double width = basicDetailsHolder->get_x() + std::max(93, nameText->textWidth);

    bossText->set_visible(false);
    for (int k = 0; k < 6; ++k) {
        attHolders[k]->set_visible(false);
        defHolders[k]->set_visible(false);
    }
    combatStatsHolder->set_y(std::max(picHolder->get_y() + picH + 6,
                                      basicDetailsHolder->get_y() + goldHolder->get_y() + 20));
    attackText->set_text(std::to_string(d.attack));
    defenseText->set_text(std::to_string(d.defense));
    if (monster->isBoss) {
        bossText->set_y(combatStatsHolder->get_y());
        bossText->set_visible(true);
        combatStatsHolder->set_y(combatStatsHolder->get_y() + 18);
    }

    int n = 0;
    const auto attacks = attackValues(d);
    for (int k = 0; k < 6; ++k) {
        if (attacks[k] == 0) continue;
        ++n;
        attHolders[k]->set_y(n * ELEM_VERT_SPACING);
        attHolders[k]->set_visible(true);
        attTexts[k]->set_text(attacks[k] < 0 ? runtime::String("??") : runtime::String(std::to_string(attacks[k])));
    }
    double height = std::max(0.0, combatStatsHolder->get_y() + allAttackHolder->get_y() + n * 26 + 26 - 5);
    int m = 0;
    const auto defenses = defenseValues(d);
    for (int k = 0; k < 6; ++k) {
        if (defenses[k] == 0) continue;
        ++m;
        defHolders[k]->set_y(m * 26);
        defHolders[k]->set_visible(true);
        defTexts[k]->set_text(std::to_string(defenses[k]));
    }
    height = std::max(height, combatStatsHolder->get_y() + allDefenseHolder->get_y() + m * 26 + 26 - 5);

    weaknessNoneText->set_visible(false);
    weaknessIcon->set_visible(false);
    if (d.weak >= Element::TYPE_FIRE && d.weak <= Element::TYPE_LIGHT) {
        weaknessIcon->set_scrollRect(weaknessCell(d.weak));
        weaknessIcon->set_visible(true);
    } else {
        weaknessNoneText->set_visible(true);
    }
    width = std::max(width, combatStatsHolder->get_x() + weaknessHolder->get_x() + 40);
    height = std::max(height, combatStatsHolder->get_y() + weaknessHolder->get_y() + 54);
    drawWindow(static_cast<int>(width) + 10, static_cast<int>(height) + 10);
}

void EnemyDetailsWindow::show() {
    set_x(-WIDTH);
    set_alpha(1);
    set_visible(true);
    ::tween::Tweener::tween(Ref<runtime::Object>(this), SLIDE_SECONDS, TweenProps::of({{"x", SHOWN_X}, {"alpha", 1}}));
    showing = true;
}

void EnemyDetailsWindow::hide() {
    if (!showing) return;
    ::tween::Tweener::tween(Ref<runtime::Object>(this), SLIDE_SECONDS, TweenProps::of({{"alpha", 0}}));
    showing = false;
}

void EnemyDetailsWindow::updateHP(std::optional<int> change) {
    if (!monster) return;
    hpBar->update(change ? std::optional<double>(*change) : std::nullopt, monster->data->maxHP, monster->hp);
}

}  // namespace game

using game::EnemyDetailsWindow;

RUNTIME_DEFINE_CLASS(EnemyDetailsWindow, "EnemyDetailsWindow", game::BasicWindow, (auto& b) {
    b.template field<&EnemyDetailsWindow::showing>("showing")
        .template method<&EnemyDetailsWindow::setMonster>("setMonster")
        .template method<&EnemyDetailsWindow::show>("show")
        .template method<&EnemyDetailsWindow::hide>("hide")
        .template method<&EnemyDetailsWindow::updateHP>("updateHP")
        .emptyInstance();
})
