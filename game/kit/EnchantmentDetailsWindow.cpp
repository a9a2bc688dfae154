#include "EnchantmentDetailsWindow.h"

#include <cmath>
#include <string>

#include "game/data/GameData.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

EnchantmentDetailsWindow::EnchantmentDetailsWindow(bool selectable, bool isExistingEnchantment)
    : BasicWindow(90, 33, false, 0, selectable, isExistingEnchantment), isExistingEnchantment(isExistingEnchantment) {
    icon = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/skillIcons.png"));
    icon->set_y(3);
    addChild(icon);
    elemIcon = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/elemIcons.png"));
    elemIcon->set_y(5);
    addChild(elemIcon);
    valueText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW);
    valueText->set_y(8);
    addChild(valueText);
    labelText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, 0, false, false, -5.0,
                                 2, true);
    labelText->set_visible(false);
    addChild(labelText);
    clear();
    if (!Game::mobile) addEventListener("mouseOver", Function::method<&EnchantmentDetailsWindow::eMouseOver>(this));
}

void EnchantmentDetailsWindow::setEnchantment(const Ref<Enchantment>& value, bool isSpell, bool isPotion) {
    enchantment = value;
    valueText->set_visible(true);
    set_visible(true);
    elemIcon->set_visible(false);
    icon->set_visible(false);
    const Ref<Bitmap>& shown = value->elemIcon ? elemIcon : icon;
    shown->set_visible(true);
    set_alpha(1);
    shown->set_scrollRect(value->iconScrollRect);
    int n = value->value;
    if (isSpell) n = GameData::calculateMagicPower(value->value);
    else if (isPotion) n = static_cast<int>(std::floor(value->value * GameData::potionEfficiency + 0.5));
    valueText->set_text(runtime::String(std::to_string(n) + (value->isPercent ? "%" : "")));
    const int offset = value->elemIcon ? 25 : 27;
    shown->set_x(static_cast<int>(45 - (valueText->textWidth + offset) * 0.5));
    valueText->set_x(shown->get_x() + offset);
    labelText->set_text(value->label);
}

void EnchantmentDetailsWindow::clear() {
    valueText->set_visible(false);
    elemIcon->set_visible(false);
    icon->set_visible(false);
    set_visible(false);
}

void EnchantmentDetailsWindow::eMouseOver(const Ref<framework::Event>&) {
    if (disabled) return;
    mouseIsOver = true;
    overTime = 0;
    addEventListener("enterFrame", Function::method<&EnchantmentDetailsWindow::update>(this));
}

void EnchantmentDetailsWindow::update(const Ref<framework::Event>&) {
    if (++overTime < TOOLTIP_FRAMES) return;
    if (overTime == TOOLTIP_FRAMES) {
        labelText->set_alpha(0);
        labelText->set_visible(true);
        fadeLabel(1);
    }
    updateLabelText();
}

void EnchantmentDetailsWindow::updateLabelText() {
    const double x = get_mouseX(), y = get_mouseY();
    labelText->set_x(x);
    labelText->set_y(y - 20);
    if (x < 0 || y < 0 || x > winWidth || y > winHeight) {
        mouseIsOver = false;
        removeEventListener("enterFrame", Function::method<&EnchantmentDetailsWindow::update>(this));
        fadeLabel(0);
    }
}

void EnchantmentDetailsWindow::fadeLabel(double alpha) {
    auto props = make<runtime::DynamicObject>();
    props->setField("alpha", runtime::Value(alpha));
    ::tween::Tweener::tween(labelText, 0.1, props);
}

}  // namespace game

using game::EnchantmentDetailsWindow;

RUNTIME_DEFINE_CLASS(EnchantmentDetailsWindow, "EnchantmentDetailsWindow", game::BasicWindow, (auto& b) {
    b.template field<&EnchantmentDetailsWindow::enchantment>("enchantment")
        .template field<&EnchantmentDetailsWindow::mouseIsOver>("mouseIsOver")
        .template field<&EnchantmentDetailsWindow::overTime>("overTime")
        .template method<&EnchantmentDetailsWindow::clear>("clear")
        .template method<&EnchantmentDetailsWindow::updateLabelText>("updateLabelText")
        .emptyInstance();
})
