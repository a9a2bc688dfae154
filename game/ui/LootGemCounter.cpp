#include "LootGemCounter.h"

#include <string>

#include "game/floor/StatGem.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;

LootGemCounter::LootGemCounter(int type) : type(type) {
    gem = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/statgems.png"));
    label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "", false, -1, 2, true, 0, false, false, -5.0, 2, true);
    runtime::Ref<Anim> anim = StatGem::HP;
    switch (type) {
        case StatGem::TYPE_HP: label->set_text("HP"); break;
        case StatGem::TYPE_MP: label->set_text("MP"); anim = StatGem::MP; break;
        case StatGem::TYPE_ATTACK: label->set_text("ATTACK"); anim = StatGem::ATTACK; break;
        case StatGem::TYPE_DEFENSE: label->set_text("DEFENSE"); anim = StatGem::DEFENSE; break;
        case StatGem::TYPE_MAGIC: label->set_text("MAGIC"); anim = StatGem::MAGIC; break;
        default: break;
    }
    gem->setNewAnim(anim);
    gem->set_x(-14);
    gem->set_scaleX(2);
    gem->set_scaleY(2);
    addChild(gem);
    label->set_x(2);
    label->set_y(40);
    addChild(label);
    counter = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20);
    counter->set_x(20);
    counter->set_y(10);
    addChild(counter);
    effectiveValueCounter = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14);
    effectiveValueCounter->set_y(counter->get_y() + 6);
    addChild(effectiveValueCounter);
    set_alpha(0.5);
}

void LootGemCounter::update() { gem->updateAnim(); }

void LootGemCounter::setValue(int value) {
    if (value == 0) {
        effectiveValueCounter->set_text("");
        counter->set_text("");
        set_alpha(0.5);
        return;
    }
    counter->set_text(std::to_string(value));
    set_alpha(1);
    int bonus = 0;
    if (type == StatGem::TYPE_HP) bonus = value * HP_PER_GEM;
    else if (type == StatGem::TYPE_MP) bonus = value * MP_PER_GEM;
    else return;
    effectiveValueCounter->set_text("(+" + std::to_string(bonus) + ")");
    effectiveValueCounter->set_x(counter->get_x() + counter->textWidth + 6);
}

}  // namespace game

using game::LootGemCounter;

RUNTIME_DEFINE_CLASS(LootGemCounter, "LootGemCounter", game::BitmapSprite, (auto& b) {
    b.template field<&LootGemCounter::type>("type")
        .template field<&LootGemCounter::gem>("gem")
        .template field<&LootGemCounter::label>("label")
        .template field<&LootGemCounter::counter>("counter")
        .template field<&LootGemCounter::effectiveValueCounter>("effectiveValueCounter")
        .template method<&LootGemCounter::update>("update")
        .template method<&LootGemCounter::setValue>("setValue")
        .emptyInstance();
})
