#include "StatGemChooseButton.h"

#include <cmath>

#include "framework/assets/Assets.h"
#include "framework/display/Sprite.h"
#include "framework/geom/Rectangle.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;
using runtime::Ref;

namespace {

struct Look {
    const char* caption;
    int cellX, cellY;
};
// By stat type: the bonus GameData::gainStatBonus gives and the icon's cell in statIcons.png.
constexpr Look LOOKS[] = {
    {"HP + 10", 30, 0}, {"MP + 2", 30, 30}, {"ATK + 1", 0, 0}, {"DEF + 1", 0, 30}, {"MAG + 1", 0, 60},
};
constexpr int ICON_CELL = 30;

Ref<framework::Sprite> look(const char* asset) {
    auto sprite = make<framework::Sprite>();
    sprite->addChild(make<framework::Bitmap>(framework::Assets::getBitmapData(asset)));
    return sprite;
}

}  // namespace

StatGemChooseButton::StatGemChooseButton(int type) : ButtonTemplate(SIZE, SIZE), type(type) {
    unselectedSprite = look("assets/ui/statChooseBack.png");
    overSprite = look("assets/ui/statChooseBackOver.png");
    selectedSprite = look("assets/ui/statChooseBackSelected.png");
    showLook(unselectedSprite);

    icon = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/statIcons.png"));
    caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, -1, false, false, -5.0, 2,
                               true);
    caption->set_x(std::trunc(buttonWidth * 0.5));
    caption->set_y(buttonHeight + 4);
    addChild(caption);
    if (type >= 0 && type < static_cast<int>(std::size(LOOKS))) {
        const Look& l = LOOKS[type];
        icon->set_scrollRect(make<framework::Rectangle>(l.cellX, l.cellY, ICON_CELL, ICON_CELL));
        caption->set_text(l.caption);
    }
    icon->set_x(7);
    icon->set_y(7);
    addChild(icon);
    set_mouseChildren(false);
}

}  // namespace game

using game::StatGemChooseButton;

RUNTIME_DEFINE_CLASS(StatGemChooseButton, "StatGemChooseButton", game::ButtonTemplate, (auto& b) {
    b.template field<&StatGemChooseButton::type>("type")
        .template field<&StatGemChooseButton::originPoint>("originPoint")
        .template field<&StatGemChooseButton::targetPoint>("targetPoint")
        .template field<&StatGemChooseButton::icon>("icon")
        .template field<&StatGemChooseButton::caption>("caption")
        .emptyInstance();
})
