#include "ButtonTemplate.h"

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

ButtonTemplate::ButtonTemplate(int buttonWidth, int buttonHeight, int hitExtension)
    : buttonWidth(buttonWidth), buttonHeight(buttonHeight), hitExtension(Game::mobile ? hitExtension : 0) {
    spriteHolder = make<framework::Sprite>();
    spriteHolder->set_mouseChildren(false);
    addChild(spriteHolder);
    setNewHitBitmap(buttonWidth, buttonHeight);
    if (!Game::mobile) addEventListener("rollOver", Function::method<&ButtonTemplate::mouseOver>(this));
    addEventListener("mouseDown", Function::method<&ButtonTemplate::mouseDown>(this));
}

void ButtonTemplate::setNewHitBitmap(int width, int height) {
    buttonWidth = width;
    buttonHeight = height;
    if (hitBitmap && hitBitmap->get_parent().get() == this) removeChild(hitBitmap);
    hitBitmap = make<framework::Bitmap>(BMDCache::invisPixel);
    hitBitmap->set_x(-hitExtension);
    hitBitmap->set_y(-hitExtension);
    hitBitmap->set_scaleX(width + 2 * hitExtension);
    hitBitmap->set_scaleY(height + 2 * hitExtension);
    addChild(hitBitmap);
}

void ButtonTemplate::showLook(const Ref<framework::Sprite>& look) {
    spriteHolder->removeChildren();
    if (look) spriteHolder->addChild(look);
}

void ButtonTemplate::listenOut(bool on) {
    auto handler = Function::method<&ButtonTemplate::mouseOut>(this);
    if (on) addEventListener("rollOut", handler);
    else removeEventListener("rollOut", handler);
}

void ButtonTemplate::listenUp(bool on) {
    auto root = framework::Lib::get_current();
    Ref<framework::Stage> stage = root ? root->get_stage() : nullptr;
    if (!stage) return;
    auto handler = Function::method<&ButtonTemplate::mouseUp>(this);
    if (on) stage->addEventListener("mouseUp", handler);
    else stage->removeEventListener("mouseUp", handler);
}

void ButtonTemplate::mouseOver(const Ref<framework::Event>&) {
    if (disabled) return;
    showLook(overSprite);
    listenOut(true);
}

void ButtonTemplate::mouseOut(const Ref<framework::Event>&) {
    if (disabled) return;
    showLook(unselectedSprite);
    listenOut(false);
}

void ButtonTemplate::mouseDown(const Ref<framework::Event>&) {
    if (disabled) return;
    showLook(selectedSprite);
    listenUp(true);
}

void ButtonTemplate::mouseUp(const Ref<framework::Event>&) {
    if (disabled) return;
    if (!selected) showLook(unselectedSprite);
    listenUp(false);
}

}  // namespace game

using game::ButtonTemplate;

RUNTIME_DEFINE_CLASS(ButtonTemplate, "ButtonTemplate", game::BitmapSprite, (auto& b) {
    b.template field<&ButtonTemplate::disabled>("disabled")
        .template field<&ButtonTemplate::buttonWidth>("buttonWidth")
        .template field<&ButtonTemplate::buttonHeight>("buttonHeight")
        .template field<&ButtonTemplate::selected>("selected")
        .template field<&ButtonTemplate::unselectedSprite>("unselectedSprite")
        .template field<&ButtonTemplate::overSprite>("overSprite")
        .template field<&ButtonTemplate::selectedSprite>("selectedSprite")
        .template field<&ButtonTemplate::spriteHolder>("spriteHolder")
        .template field<&ButtonTemplate::hitBitmap>("hitBitmap")
        .template field<&ButtonTemplate::hitExtension>("hitExtension")
        .template method<&ButtonTemplate::setNewHitBitmap>("setNewHitBitmap")
        .emptyInstance();
})
