#pragma once
// A small framed window showing one enchantment as an icon and a number centred side by side,
// with the enchantment's name as a tooltip that follows the pointer once it has rested on the
// window for 15 frames.
#include "BasicWindow.h"
#include "TextSprite.h"
#include "game/data/Enchantment.h"

namespace game {

class EnchantmentDetailsWindow : public BasicWindow {
    RUNTIME_CLASS(EnchantmentDetailsWindow)
public:
    static constexpr int ENCHANT_WIN_WIDTH = 90;
    static constexpr int ENCHANT_WIN_HEIGHT = 33;
    static constexpr int TOOLTIP_FRAMES = 15;

    // Starts hidden; isExistingEnchantment gives the gold tint.
    explicit EnchantmentDetailsWindow(bool selectable = false, bool isExistingEnchantment = false);
    explicit EnchantmentDetailsWindow(runtime::NoInit n) : BasicWindow(n) {}

    // Shows it at alpha 1; isSpell shows the value through the player's magic power, else
    // isPotion scales it by the potion efficiency.
    virtual void setEnchantment(const runtime::Ref<Enchantment>& enchantment, bool isSpell = false,
                                bool isPotion = false);
    // Hides the number, both icons and the window.
    virtual void clear();
    virtual void eMouseOver(const runtime::Ref<framework::Event>& event);
    virtual void update(const runtime::Ref<framework::Event>& event);
    virtual void updateLabelText();

    runtime::Ref<framework::Bitmap> icon;
    runtime::Ref<framework::Bitmap> elemIcon;
    runtime::Ref<TextSprite> valueText;
    runtime::Ref<Enchantment> enchantment;
    bool isExistingEnchantment = false;
    runtime::Ref<TextSprite> labelText;
    bool mouseIsOver = false;
    int overTime = 0;

private:
    void fadeLabel(double alpha);
};

}  // namespace game
