#include "UISlider.h"

#include <cmath>
#include <string>

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::Rectangle;
using runtime::Function;
using runtime::make;
using runtime::Ref;

const Ref<Rectangle> UISlider::HANDLE_DEFAULT_RECT = make<Rectangle>(0, 0, 9, 19);
const Ref<Rectangle> UISlider::HANDLE_OVER_RECT = make<Rectangle>(9, 0, 9, 19);
const Ref<Rectangle> UISlider::HANDLE_SELECTED_RECT = make<Rectangle>(18, 0, 9, 19);

UISlider::UISlider(int color, int width, int height)
    : sliderWidth(width == -1 ? DEFAULT_WIDTH : width), sliderHeight(height == -1 ? DEFAULT_HEIGHT : height) {
    meter = make<BasicMeter>(sliderWidth, sliderHeight, color == -1 ? static_cast<int>(0xFFFFFFFF) : color);
    addChild(meter);
    maxPos = sliderWidth - 12;
    minPos = 3;
    handle = make<BitmapSprite>();
    handle->set_x(maxPos);
    handle->set_y((19 - sliderHeight) * -0.5);
    addChild(handle);
    handlePic = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/blackSliderHandle.png"));
    handlePic->set_scrollRect(HANDLE_DEFAULT_RECT);
    handle->addChild(handlePic);
    hitArea = make<BitmapSprite>(make<framework::BitmapData>(50, 50, true, 0x01000000));
    hitArea->set_x(-20);
    hitArea->set_y(-15);
    handle->addChild(hitArea);
    if (!Game::mobile) {
        hitArea->addEventListener("mouseOver", Function::method<&UISlider::handleOver>(this));
        hitArea->addEventListener("mouseOut", Function::method<&UISlider::handleOut>(this));
    }
    hitArea->addEventListener("mouseDown", Function::method<&UISlider::handleDown>(this));
    if (auto root = framework::Lib::get_current())
        if (auto stage = root->get_stage()) stage->addEventListener("mouseUp", Function::method<&UISlider::mouseUp>(this));
    textLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true);
    textLabel->set_x(5);
    textLabel->set_y(-16);
    handle->addChild(textLabel);
}

void UISlider::setPercent(double value, bool moveHandle) {
    percent = value;
    meter->setPercent(value);
    textLabel->set_text(runtime::String(std::to_string(static_cast<int>(std::floor(value * 100 + 0.5)))));
    if (moveHandle) handle->set_x((maxPos - minPos) * value + minPos);
}

void UISlider::update() {
    if (!dragging) return;
    const double old = handle->get_x();
    double x = get_mouseX() - handleMousePoint->x;
    handle->set_x(x);
    x = handle->get_x();
    if (x == old) return;
    if (x < minPos) handle->set_x(minPos);
    else if (x > maxPos) handle->set_x(maxPos);
    setPercent((handle->get_x() - minPos) / (maxPos - minPos));
}

void UISlider::handleOver(const Ref<framework::Event>&) {
    if (!dragging) handlePic->set_scrollRect(HANDLE_OVER_RECT);
}

void UISlider::handleOut(const Ref<framework::Event>&) {
    if (!dragging) handlePic->set_scrollRect(HANDLE_DEFAULT_RECT);
}

void UISlider::handleDown(const Ref<framework::Event>&) {
    handleMousePoint = make<framework::Point>(handle->get_mouseX(), handle->get_mouseY());
    handlePic->set_scrollRect(HANDLE_SELECTED_RECT);
    dragging = true;
}

void UISlider::mouseUp(const Ref<framework::Event>&) {
    handlePic->set_scrollRect(HANDLE_DEFAULT_RECT);
    dragging = false;
}

}  // namespace game

using game::UISlider;

RUNTIME_DEFINE_CLASS(UISlider, "UISlider", game::BitmapSprite, (auto& b) {
    b.template field<&UISlider::percent>("percent")
        .template field<&UISlider::dragging>("dragging")
        .template method<&UISlider::update>("update")
        .emptyInstance();
})
