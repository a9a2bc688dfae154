#include "BaseScroller.h"

#include <cmath>

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "game/shell/C.h"
#include "tween/Tweener.h"
#include "platform/runtime/DynamicObject.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;

BaseScroller::BaseScroller(int areaWidth, int scrollerHeight, double scrollWinSize, double scrollWinEdgeSize,
                           int itemSpacing, const Ref<Function>& tapItemFunction, const Ref<Function>& subDeselectItem,
                           bool translucentBack)
    : areaWidth(areaWidth), subDeselectItem(subDeselectItem), itemSpacing(itemSpacing),
      tapItemFunction(tapItemFunction), scrollerHeight(scrollerHeight), scrollWinSize(scrollWinSize),
      scrollWinEdgeSize(scrollWinEdgeSize) {
    iconHolder = make<BitmapSprite>();
    itemsInWindow = areaWidth * scrollWinSize / (itemSpacing + 10);
    auto back = make<framework::BitmapData>(2, 2, true, translucentBack ? 0x22000000 : static_cast<int>(0xFF000000));
    set_bmd(back);
    background = make<Bitmap>(back);
    background->set_scaleX(areaWidth / 2.0);
    background->set_scaleY(scrollerHeight / 2.0);
    addChild(background);
    addChild(iconHolder);
    rightHiddenText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE);
    rightHiddenText->set_y(60);
    addChild(rightHiddenText);
    leftHiddenText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE);
    leftHiddenText->set_x(-8);
    leftHiddenText->set_y(60);
    addChild(leftHiddenText);
    nothingText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "Nothing Here!", false, -1, 2, true, 0, false,
                                   false, -5.0, 2, true);
    nothingText->set_x(static_cast<int>(areaWidth * 0.5));
    nothingText->set_y(static_cast<int>(scrollerHeight * 0.5 - 7));
    addChild(nothingText);
    addEventListener("mouseDown", Function::method<&BaseScroller::mouseDown>(this));
    background->addEventListener("mouseDown", Function::method<&BaseScroller::backMouseDown>(this));
    background->addEventListener("mouseUp", Function::method<&BaseScroller::backMouseUp>(this));
}

void BaseScroller::populateScroller(const std::vector<Ref<BitmapSprite>>& entries) {
    scrollSpeed = 0;
    mouseIsDown = false;
    firstVisibleIndex = 0;
    for (const Ref<BitmapSprite>& old : currentItems) {
        old->removeEventListener("click", tapItemFunction);
        if (old->get_parent().get() == iconHolder.get()) iconHolder->removeChild(old);
        old->destroy();
    }
    currentItems.clear();
    if (entries.empty()) {
        noScroll = true;
        nothingText->set_visible(true);
    } else {
        nothingText->set_visible(false);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Ref<BitmapSprite>& entry = entries[i];
            currentItems.push_back(entry);
            iconHolder->addChild(entry);
            entry->set_x(itemSpacing * static_cast<double>(i + 1) + areaWidth * scrollWinEdgeSize);
            entry->set_y(3);
            entry->addEventListener("click", tapItemFunction);
            entry->set_visible(false);
        }
        const double n = static_cast<double>(currentItems.size());
        if (n * itemSpacing <= areaWidth * scrollWinSize) {
            noScroll = true;
        } else {
            maxScrollAmount = static_cast<int>(currentItems.size()) * itemSpacing;
            itemWindowPercent = std::min(itemsInWindow / n, scrollWinSize);
            noScroll = false;
        }
    }
    keepWithinBounds();
    updateItemLocations();
}

void BaseScroller::removeAllEventListeners() {
    for (const Ref<BitmapSprite>& entry : currentItems) entry->removeEventListener("click", tapItemFunction);
}

void BaseScroller::update() {
    if (mouseIsDown) {
        updateSwipe();
        updateItemLocations();
        return;
    }
    if (scrollSpeed != 0) {
        scrollAmount += static_cast<int>(scrollSpeed);
        keepWithinBounds();
        updateItemLocations();
    }
    if (std::abs(scrollSpeed) <= SCROLL_DAMP) scrollSpeed = 0;
    else if (scrollSpeed > 0) scrollSpeed = std::min(scrollSpeed - SCROLL_DAMP, SCROLL_SPEED_MAX);
    else scrollSpeed = std::max(scrollSpeed + SCROLL_DAMP, -SCROLL_SPEED_MAX);
    if (scrollTweening) updateItemLocations();
}

void BaseScroller::updateItemLocations() {
    if (noScroll) {
        for (const Ref<BitmapSprite>& entry : currentItems) {
            entry->set_visible(true);
            entry->updateAlphaForScroller(0.5, 100);
        }
        return;
    }
    const int n = static_cast<int>(currentItems.size());
    const int L = areaWidth - C::ITEM_SIZE;
    const double start = scrollAmount / (itemWindowPercent * maxScrollAmount + maxScrollAmount);
    const double end = start + itemWindowPercent;
    const double band = static_cast<double>(EDGE_ITEMS) / n;
    bool found = false, stop = false;
    for (int i = firstVisibleIndex; i < n && !stop; ++i) {
        const double p = (i + 1.0) / (n + 1.0);
        double pos;
        if (p < start) pos = (p - (start - band)) / band * scrollWinEdgeSize;
        else if (p <= end) pos = (p - start) / (end - start) * scrollWinSize + scrollWinEdgeSize;
        else pos = (1 - scrollWinEdgeSize) + (p - end) / band * scrollWinEdgeSize;
        if (pos > 0 && pos < 1 && !found) {
            found = true;
            firstVisibleIndex = std::max(i - 5, 0);
        }
        if (pos >= 1) stop = true;
        const Ref<BitmapSprite>& entry = currentItems[static_cast<std::size_t>(i)];
        const double x = entry->get_x();
        if ((pos >= 0 && pos <= 1) || (x >= 0 && x <= L)) {
            entry->updateAlphaForScroller(pos, L);
            entry->set_x(std::floor(L * pos + 0.5));
        }
    }
    for (int j = 0; j < iconHolder->get_numChildren() && j < n; ++j) {
        const Ref<BitmapSprite>& entry = currentItems[static_cast<std::size_t>(j)];
        iconHolder->setChildIndex(entry, entry->get_x() >= areaWidth * 0.5 ? 0 : j);
    }
}

void BaseScroller::listenStageUp(bool on) {
    auto root = framework::Lib::get_current();
    Ref<framework::Stage> stage = root ? root->get_stage() : nullptr;
    if (!stage) return;
    auto handler = Function::method<&BaseScroller::mouseUp>(this);
    if (on) stage->addEventListener("mouseUp", handler);
    else stage->removeEventListener("mouseUp", handler);
}

void BaseScroller::mouseDown(const Ref<framework::Event>&) {
    ::tween::Tweener::stop(Ref<BaseScroller>(this));
    scrollStart = scrollAmount;
    scrollTweening = false;
    mouseIsDown = true;
    scrollSpeed = 0;
    if (maxScrollAmount > 0) {
        lastX = static_cast<int>(get_mouseX());
        listenStageUp(true);
    }
}

void BaseScroller::mouseUp(const Ref<framework::Event>&) {
    mouseIsDown = false;
    scrollSpeed = static_cast<int>(lastX - get_mouseX());
    listenStageUp(false);
}

void BaseScroller::keepWithinBounds() {
    if (scrollAmount > maxScrollAmount) scrollAmount = maxScrollAmount;
    if (scrollAmount < 0) scrollAmount = 0;
}

void BaseScroller::updateSwipe() {
    const double x = get_mouseX();
    if (std::abs(lastX - x) > 2) {
        scrollAmount += static_cast<int>(lastX - x);
        keepWithinBounds();
    }
    lastX = static_cast<int>(x);
}

void BaseScroller::centerSelectedItem(const Ref<BitmapSprite>& entry) {
    if (noScroll) return;
    int k = -1;
    for (std::size_t i = 0; i < currentItems.size(); ++i)
        if (currentItems[i].get() == entry.get()) k = static_cast<int>(i);
    const int target = static_cast<int>(static_cast<double>(k) / currentItems.size() * maxScrollAmount);
    auto props = make<runtime::DynamicObject>();
    props->setField("scrollAmount", runtime::Value(target));
    ::tween::Tweener::tween(Ref<BaseScroller>(this), 0.8, props);
    keepWithinBounds();
    updateItemLocations();
    scrollTweening = true;
}

void BaseScroller::resetScrollAmount() { scrollAmount = 0; }

void BaseScroller::backMouseDown(const Ref<framework::Event>&) { backClickStartScroll = scrollAmount; }

void BaseScroller::backMouseUp(const Ref<framework::Event>&) {
    if (std::abs(scrollAmount - backClickStartScroll) < 5) (*subDeselectItem)();
}

}  // namespace game

using game::BaseScroller;

RUNTIME_DEFINE_CLASS(BaseScroller, "BaseScroller", game::BitmapSprite, (auto& b) {
    b.template field<&BaseScroller::areaWidth>("areaWidth")
        .template field<&BaseScroller::scrollAmount>("scrollAmount")
        .template field<&BaseScroller::maxScrollAmount>("maxScrollAmount")
        .template field<&BaseScroller::scrollSpeed>("scrollSpeed")
        .template field<&BaseScroller::mouseIsDown>("mouseIsDown")
        .template field<&BaseScroller::noScroll>("noScroll")
        .template field<&BaseScroller::scrollTweening>("scrollTweening")
        .template method<&BaseScroller::update>("update")
        .template method<&BaseScroller::removeAllEventListeners>("removeAllEventListeners")
        .emptyInstance();
})
