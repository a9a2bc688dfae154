#include "ItemIconAnimated.h"

#include <random>

#include "framework/display/Bitmap.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
double random01() {
    static std::mt19937 source{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(source);
}

// A field of the exploration state (which lives above the kit), read by name.
Value mapStateField(const char* name) { return G::mapState ? Value(G::mapState).field(name) : Value(); }
}  // namespace

ItemIconAnimated::ItemIconAnimated(const Ref<Item>& item)
    : ItemIcon(item, false, false), target(make<framework::Point>(0, 0)) {}

void ItemIconAnimated::update() {
    ++animFrame;
    if (!useTarget) {
        Value hero = mapStateField("hero");
        if (!hero.isNull()) {
            target->x = hero.field("x").toFloat();
            target->y = hero.field("y").toFloat() - 2;
        }
    }
    const double t = static_cast<double>(animFrame) / ITEM_ANIM_FRAMES;
    set_x(origin->x + (target->x + 5 - origin->x) * t);
    set_y(origin->y + (target->y - 2 - origin->y) * t - (VELOCITY * 0.25 - VELOCITY * (t - 0.5) * (t - 0.5)));
    set_scaleY(0.5);
    set_scaleX(0.5);
    if (!Game::mobile) addSparkle();
}

void ItemIconAnimated::addSparkle() {
    auto parent = get_parent();
    if (!parent) return;
    Value canvas = mapStateField("mapCanvas");
    const double scaleX = canvas.isNull() ? 1 : canvas.field("scaleX").toFloat();
    const double scaleY = canvas.isNull() ? 1 : canvas.field("scaleY").toFloat();
    auto sparkle = make<framework::Bitmap>(BMDCache::whiteSquare4x4);
    sparkle->set_x((random01() * C::ITEM_SIZE * 0.4 + C::ITEM_SIZE * 0.3) / scaleX + get_x());
    sparkle->set_y((random01() * C::ITEM_SIZE * 0.4 + C::ITEM_SIZE * 0.3) / scaleY + get_y());
    const double scale = random01() * 0.5 + 0.5;
    sparkle->set_scaleY(scale);
    sparkle->set_scaleX(scale);
    parent->addChildAt(sparkle, 0);
    auto props = make<runtime::DynamicObject>();
    props->setField("alpha", Value(0));
    props->setField("scaleX", Value(0));
    props->setField("scaleY", Value(0));
    auto done = runtime::Function::of([self = runtime::Weak<ItemIconAnimated>(this), sparkle] {
        if (auto icon = self.get()) icon->removeWhiteSparkle(sparkle);
        else if (auto p = sparkle->get_parent()) p->removeChild(sparkle);
    });
    if (auto actuator = tween::Tweener::tween(sparkle, 3, props)) actuator->onComplete(done);
}

void ItemIconAnimated::removeWhiteSparkle(const Ref<framework::DisplayObject>& sparkle) {
    if (auto p = sparkle->get_parent()) p->removeChild(sparkle);
}

}  // namespace game

using game::ItemIconAnimated;

RUNTIME_DEFINE_CLASS(ItemIconAnimated, "ItemIconAnimated", game::ItemIcon, (auto& b) {
    b.template field<&ItemIconAnimated::origin>("origin")
        .template field<&ItemIconAnimated::animFrame>("animFrame")
        .template field<&ItemIconAnimated::target>("target")
        .template field<&ItemIconAnimated::useTarget>("useTarget")
        .template staticField<&ItemIconAnimated::ITEM_ANIM_FRAMES>("ITEM_ANIM_FRAMES")
        .template staticField<&ItemIconAnimated::VELOCITY>("VELOCITY")
        .template method<&ItemIconAnimated::update>("update")
        .emptyInstance();
})
