#include "BasicButton.h"

#include <array>

#include "Scale9BitmapSprite.h"
#include "game/shell/Audio.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"

namespace game {

using runtime::Function;
using runtime::Ref;

BasicButton::BasicButton(int width, int height, int sides, int cornerSize, int color, bool clickSound,
                         const Ref<TextSprite>& caption)
    : ButtonTemplate(width, height) {
    if (cornerSize == -1) cornerSize = CORNER_SIZE_LARGE;
    using Family = std::array<BMDCache::BMD, 3>;
    const Family skins =
        cornerSize == CORNER_SIZE_LARGE
            ? (color == COLOR_RED
                   ? Family{BMDCache::RED_BUTTON, BMDCache::RED_BUTTON_OVER, BMDCache::RED_BUTTON_SELECTED}
                   : Family{BMDCache::BLACK_BUTTON, BMDCache::BLACK_BUTTON_OVER, BMDCache::BLACK_BUTTON_SELECTED})
            : (color == COLOR_YELLOW ? Family{BMDCache::YELLOW_BUTTON, BMDCache::YELLOW_BUTTON_OVER,
                                              BMDCache::YELLOW_BUTTON_SELECTED}
                                     : Family{BMDCache::BLACK_BUTTON_SMALL, BMDCache::BLACK_BUTTON_SMALL_OVER,
                                              BMDCache::BLACK_BUTTON_SMALL_SELECTED});
    Ref<framework::Sprite>* looks[3] = {&unselectedSprite, &overSprite, &selectedSprite};
    for (int i = 0; i < 3; ++i)
        *looks[i] =
            Scale9BitmapSprite::createSprite(skins[static_cast<std::size_t>(i)], buttonWidth, buttonHeight, sides, cornerSize, C::POINT_0, true);
    spriteHolder->addChild(unselectedSprite);
    if (!Game::mobile) addEventListener("mouseOver", Function::method<&BasicButton::mouseOver>(this));
    if (clickSound) addEventListener("click", Function::method<&BasicButton::onClick>(this));
    if (caption) {
        caption->set_x(width * 0.5 - (caption->wrap ? caption->textWidth * 0.5 : 0));
        caption->set_y(height * 0.5 - caption->textHeight * 0.5 + 1);
        caption->set_mouseEnabled(false);
        addChild(caption);
    }
    set_mouseChildren(false);
}

void BasicButton::mouseOver(const Ref<framework::Event>& event) {
    ButtonTemplate::mouseOver(event);
    if (icon) icon->set_alpha(1);
}

void BasicButton::mouseOut(const Ref<framework::Event>&) {
    showLook(selected ? selectedSprite : unselectedSprite);
    if (!selected && icon && !Game::mobile) icon->set_alpha(0.5);
    listenOut(false);
}

void BasicButton::select() {
    showLook(selectedSprite);
    selected = true;
    if (icon) icon->set_alpha(1);
}

void BasicButton::deselect() {
    showLook(unselectedSprite);
    selected = false;
    if (icon && !Game::mobile) icon->set_alpha(0.5);
}

void BasicButton::disable() {
    disabled = true;
    set_alpha(0.5);
}

void BasicButton::enable() {
    disabled = false;
    set_alpha(1);
}

void BasicButton::onClick(const Ref<framework::Event>&) { Audio::playSound("simpleClick", 0.1); }

}  // namespace game

using game::BasicButton;

RUNTIME_DEFINE_CLASS(BasicButton, "BasicButton", game::ButtonTemplate, (auto& b) {
    b.template field<&BasicButton::icon>("icon")
        .template method<&BasicButton::select>("select")
        .template method<&BasicButton::deselect>("deselect")
        .template method<&BasicButton::disable>("disable")
        .template method<&BasicButton::enable>("enable")
        .emptyInstance();
})
