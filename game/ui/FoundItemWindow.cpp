#include "FoundItemWindow.h"

#include <string>

#include "HudLink.h"
#include "ItemInventory.h"
#include "framework/geom/Rectangle.h"
#include "game/data/ItemData.h"
#include "game/map/MapState.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {
Ref<runtime::DynamicObject> alphaTo(double alpha) {
    auto p = make<runtime::DynamicObject>();
    p->setField("alpha", runtime::Value(alpha));
    return p;
}

template <class T>
Ref<T> place(FoundItemWindow& window, Ref<T> child, double x, double y) {
    child->set_x(x);
    child->set_y(y);
    window.addChild(child);
    return child;
}
}  // namespace

FoundItemWindow::FoundItemWindow(MapState* owner) : BasicWindow(WIDTH, HEIGHT), mapState(owner) {
    nameText = place(*this, make<TextSprite>(TextSprite::MEDIEVAL_SANS_20), 70, 10);
    Ref<Bitmap>* icons[] = {&attackIcon, &defenseIcon, &magicIcon};
    Ref<TextSprite>* texts[] = {&attackText, &defenseText, &magicText};
    for (int i = 0; i < 3; ++i) {
        auto symbol = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/statIconsSmall.png"));
        symbol->set_scrollRect(make<framework::Rectangle>(0, 20 * i, 20, 20));
        *icons[i] = place(*this, symbol, 70 + 80 * i, 40);
        *texts[i] = place(*this, make<TextSprite>(TextSprite::MEDIEVAL_SANS_20), 95 + 80 * i, 40);
    }
    for (int i = 0; i < 2; ++i) craftProps.push_back(place(*this, make<CraftingProperty>(), 70 + 30 + 120 * i, 40 - 6));
    addEventListener("click", Function::method<&FoundItemWindow::windowClick>(this));
}

void FoundItemWindow::setItem(const Ref<Item>& value) {
    if (icon && icon->get_parent().get() == this) removeChild(icon);
    item = value;
    icon = place(*this, make<ItemIcon>(item), 10, 10);
    const ItemData& data = *item->data;
    nameText->set_text(data.name);
    const int values[] = {data.attack, data.defense, data.magic};
    Ref<Bitmap> icons[] = {attackIcon, defenseIcon, magicIcon};
    Ref<TextSprite> texts[] = {attackText, defenseText, magicText};
    const bool crafting = data.type == ItemData::TYPE_CRAFTING;
    for (int i = 0; i < 3; ++i) {
        icons[i]->set_alpha(values[i] == 0 ? 0.5 : 1);
        texts[i]->set_text(values[i] == 0 ? runtime::String("") : runtime::String(std::to_string(values[i])));
        icons[i]->set_visible(!crafting);
    }
    for (const auto& row : craftProps) row->set_visible(false);
    if (crafting) {
        for (std::size_t i = 0; i < data.craftProps.size() && i < craftProps.size(); ++i) {
            if (data.craftProps[i].isNull()) continue;
            craftProps[i]->setItem(data.craftPropLabels[i], data.craftPropGemRects[i], data.craftPropPowers[i]);
            craftProps[i]->set_visible(true);
        }
    }
    set_alpha(0.5);
    ::tween::Tweener::tween(Ref<runtime::Object>(this), FADE_IN_SECONDS, alphaTo(1));
}

void FoundItemWindow::windowClick(const Ref<framework::Event>& event) {
    if (auto parent = get_parent()) parent->setChildIndex(Ref<framework::DisplayObject>(this), 0);
    HudLink& link = HudLink::get();
    link.openMenu();
    if (auto inventory = link.inventory()) inventory->selectSpecificItem(item);
    fadeOut();
}

void FoundItemWindow::fadeOut() {
    if (auto owner = mapState.lock()) owner->foundItemWinShowing = false;
    if (auto actuator = ::tween::Tweener::tween(Ref<runtime::Object>(this), FADE_OUT_SECONDS, alphaTo(0)))
        actuator->onComplete(Function::method<&FoundItemWindow::remove>(this));
}

void FoundItemWindow::remove() {
    if (auto parent = get_parent()) parent->removeChild(Ref<framework::DisplayObject>(this));
}

}  // namespace game

using game::FoundItemWindow;

RUNTIME_DEFINE_CLASS(FoundItemWindow, "FoundItemWindow", game::BasicWindow, (auto& b) {
    b.template field<&FoundItemWindow::item>("item")
        .template method<&FoundItemWindow::setItem>("setItem")
        .template method<&FoundItemWindow::windowClick>("windowClick")
        .template method<&FoundItemWindow::fadeOut>("fadeOut")
        .template method<&FoundItemWindow::remove>("remove")
        .emptyInstance();
})
