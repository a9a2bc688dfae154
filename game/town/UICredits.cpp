#include "UICredits.h"

#include <cmath>

#include "framework/Lib.h"
#include "framework/display/Bitmap.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"
#include "framework/net/URLRequest.h"
#include "framework/assets/Assets.h"
#include "game/kit/BasicButton.h"
#include "game/shell/BMDCache.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"

namespace game {

using framework::MouseEvent;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

Ref<TextSprite> centred(const Ref<SpriteFont>& font, const char* text) {
    return make<TextSprite>(font, text, false, -1, 2, true);
}

double pictureWidth(const Ref<framework::Bitmap>& b) { return b->get_bitmapData() ? b->get_bitmapData()->get_width() : 0; }
double pictureHeight(const Ref<framework::Bitmap>& b) {
    return b->get_bitmapData() ? b->get_bitmapData()->get_height() : 0;
}

}  // namespace

Ref<BitmapSprite> UICredits::makeLink(const char* text, const Ref<SpriteFont>& font, const Ref<SpriteFont>& overFont,
                                      Ref<TextSprite>& overText) {
    auto link = make<BitmapSprite>();
    auto normal = centred(font, text);
    link->addChild(normal);
    overText = centred(overFont, text);
    overText->set_visible(false);
    link->addChild(overText);
    auto hit = make<framework::Bitmap>(BMDCache::invisPixel);
    hit->set_width(normal->textWidth + 20);
    hit->set_height(normal->textHeight + 20);
    hit->set_x(-normal->textWidth * 0.5 - 10);
    hit->set_y(-10);
    link->addChild(hit);
    link->buttonMode = true;
    return link;
}

UICredits::UICredits() {
    const double gw = Game::gameWidth, gh = Game::gameHeight;
    const double cx = Game::gameCenter ? Game::gameCenter->x : gw * 0.5;

    auto cover = make<BitmapSprite>(BMDCache::blackSquare2x2);
    cover->set_alpha(0.01);
    cover->set_width(gw);
    cover->set_height(gh);
    addChild(cover);
    addEventListener(MouseEvent::MOUSE_DOWN, Function::method<&UICredits::mouseDown>(this));

    scrollSprite = make<BitmapSprite>();
    addChild(scrollSprite);

    auto back = make<BasicButton>(80, 40, 0, BasicButton::CORNER_SIZE_LARGE, BasicButton::COLOR_RED, true,
                                  make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Back", false, -1, 2, true, 0,
                                                   false, false, -5.0, 2, true));
    back->set_x(gw - 80);
    back->addEventListener(MouseEvent::CLICK, Function::method<&UICredits::closeClick>(this));
    addChild(back);

    auto edition = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, EDITION_LABEL);
    edition->set_x(2);
    edition->set_y(2);
    scrollSprite->addChild(edition);

    auto logo = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/glv2logo.png"));
    logo->set_x(gw * 0.5 - pictureWidth(logo) * 0.5);
    logo->set_y(std::trunc(gh * 0.22 - pictureHeight(logo) * 0.5));
    scrollSprite->addChild(logo);

    quorvaneSprite = makeLink("A game by quorvane, LLC", TextSprite::MEDIEVAL_SANS_14_OUTLINE,
                              TextSprite::MEDIEVAL_SANS_14_OUTLINE_ORANGE, quorvaneOverText);
    quorvaneSprite->set_x(gw * 0.5);
    quorvaneSprite->set_y(logo->get_y() + 170);
    scrollSprite->addChild(quorvaneSprite);

    auto createdBy = centred(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "CREATED BY:");
    createdBy->set_x(gw * 0.5);
    createdBy->set_y(quorvaneSprite->get_y() + 50);
    scrollSprite->addChild(createdBy);

    taloranSprite = makeLink("Taloran Mevrick", TextSprite::MEDIEVAL_SANS_20_OUTLINE,
                             TextSprite::MEDIEVAL_SANS_20_OUTLINE_ORANGE, taloranOverText);
    taloranSprite->set_x(gw * 0.5);
    taloranSprite->set_y(createdBy->get_y() + 30);
    scrollSprite->addChild(taloranSprite);

    auto musicBy = centred(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "MUSIC BY:");
    musicBy->set_x(gw * 0.5);
    musicBy->set_y(taloranSprite->get_y() + 50);
    scrollSprite->addChild(musicBy);

    holwenSprite = makeLink("Holwen Stavrin", TextSprite::MEDIEVAL_SANS_20_OUTLINE,
                            TextSprite::MEDIEVAL_SANS_20_OUTLINE_ORANGE, holwenOverText);
    holwenSprite->set_x(gw * 0.5);
    holwenSprite->set_y(musicBy->get_y() + 30);
    scrollSprite->addChild(holwenSprite);

    auto tested = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/ui/creditsTested.png"));
    tested->set_x(std::trunc(cx - pictureWidth(tested) * 0.5));
    tested->set_y(holwenSprite->get_y() + 60);
    scrollSprite->addChild(tested);
    auto itemBackers = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/ui/creditsItemBackers.png"));
    itemBackers->set_x(std::trunc(cx - pictureWidth(itemBackers) * 0.5) + 35);
    itemBackers->set_y(tested->get_y() + pictureHeight(tested) + 20);
    scrollSprite->addChild(itemBackers);
    auto otherBackers = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/ui/creditsOtherBackers.png"));
    otherBackers->set_x(std::trunc(cx - pictureWidth(otherBackers) * 0.5));
    otherBackers->set_y(itemBackers->get_y() + pictureHeight(itemBackers) + 20);
    scrollSprite->addChild(otherBackers);

    if (!Game::mobile) {
        quorvaneSprite->addEventListener(MouseEvent::MOUSE_OVER, Function::method<&UICredits::quorvaneOver>(this));
        taloranSprite->addEventListener(MouseEvent::MOUSE_OVER, Function::method<&UICredits::taloranOver>(this));
        holwenSprite->addEventListener(MouseEvent::MOUSE_OVER, Function::method<&UICredits::holwenOver>(this));
    }
    quorvaneSprite->addEventListener(MouseEvent::CLICK, Function::method<&UICredits::taloranClick>(this));
    taloranSprite->addEventListener(MouseEvent::CLICK, Function::method<&UICredits::taloranClick>(this));
    holwenSprite->addEventListener(MouseEvent::CLICK, Function::method<&UICredits::holwenClick>(this));

    maxScrollAmount = static_cast<int>(std::trunc(otherBackers->get_y() + pictureHeight(otherBackers) - gh + 100));
}

void UICredits::closeClick(const EventRef&) {
    if (Game::ui) Game::ui->closeCredits();
}

void UICredits::update() {
    if (mouseIsDown) {
        updateSwipe();
        return;
    }
    if (scrollSpeed != 0) {
        scrollSprite->set_y(scrollSprite->get_y() - std::trunc(scrollSpeed));
        keepWithinBounds();
    }
    if (std::abs(scrollSpeed - SCROLL_SPEED_AUTO) <= SCROLL_DAMP) {
        scrollSpeed = SCROLL_SPEED_AUTO;
    } else if (scrollSpeed > SCROLL_SPEED_AUTO) {
        scrollSpeed = std::min(scrollSpeed - SCROLL_DAMP, SCROLL_SPEED_MAX);
    } else {
        scrollSpeed = std::max(scrollSpeed + SCROLL_DAMP, -SCROLL_SPEED_MAX);
    }
}

void UICredits::mouseDown(const EventRef&) {
    mouseIsDown = true;
    scrollSpeed = SCROLL_SPEED_AUTO;
    lastY = static_cast<int>(std::trunc(get_mouseY()));
    if (auto stage = framework::Lib::get_current()->get_stage())
        stage->addEventListener(MouseEvent::MOUSE_UP, Function::method<&UICredits::mouseUp>(this));
}

void UICredits::mouseUp(const EventRef&) {
    mouseIsDown = false;
    scrollSpeed = std::trunc(lastY - get_mouseY());
    if (auto stage = framework::Lib::get_current()->get_stage())
        stage->removeEventListener(MouseEvent::MOUSE_UP, Function::method<&UICredits::mouseUp>(this));
}

void UICredits::keepWithinBounds() {
    if (scrollSprite->get_y() > 0) scrollSprite->set_y(0);
    if (scrollSprite->get_y() < -maxScrollAmount) scrollSprite->set_y(-maxScrollAmount);
}

void UICredits::updateSwipe() {
    const double mouseY = get_mouseY();
    if (std::abs(lastY - mouseY) > 2) {
        scrollSprite->set_y(scrollSprite->get_y() - std::trunc(lastY - mouseY));
        keepWithinBounds();
    }
    lastY = static_cast<int>(std::trunc(mouseY));
}

void UICredits::showOver(const Ref<TextSprite>& text, bool shown) {
    if (text) text->set_visible(shown);
}

void UICredits::taloranOver(const EventRef&) {
    showOver(taloranOverText, true);
    taloranSprite->addEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::taloranOut>(this));
}

void UICredits::taloranOut(const EventRef&) {
    showOver(taloranOverText, false);
    taloranSprite->removeEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::taloranOut>(this));
}

void UICredits::quorvaneOver(const EventRef&) {
    showOver(quorvaneOverText, true);
    quorvaneSprite->addEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::quorvaneOut>(this));
}

void UICredits::quorvaneOut(const EventRef&) {
    showOver(quorvaneOverText, false);
    quorvaneSprite->removeEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::quorvaneOut>(this));
}

void UICredits::holwenOver(const EventRef&) {
    showOver(holwenOverText, true);
    holwenSprite->addEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::holwenOut>(this));
}

void UICredits::holwenOut(const EventRef&) {
    showOver(holwenOverText, false);
    holwenSprite->removeEventListener(MouseEvent::MOUSE_OUT, Function::method<&UICredits::holwenOut>(this));
}

void UICredits::taloranClick(const EventRef&) {
    framework::Lib::getURL(make<framework::URLRequest>(CREATOR_SITE));
}

void UICredits::holwenClick(const EventRef&) {
    framework::Lib::getURL(make<framework::URLRequest>(COMPOSER_SITE));
}

}  // namespace game

using game::UICredits;

RUNTIME_DEFINE_CLASS(UICredits, "UICredits", game::BitmapSprite, (auto& b) {
    b.template field<&UICredits::scrollSprite>("scrollSprite")
        .template field<&UICredits::scrollSpeed>("scrollSpeed")
        .template method<&UICredits::update>("update")
        .template method<&UICredits::closeClick>("closeClick")
        .emptyInstance();
})
