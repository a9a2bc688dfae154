#pragma once
// One square button of the stat choice ring: the stat's icon over a 43 x 43 three-look skin and
// a caption under it naming the bonus. It only draws and remembers its stat and the two places
// the UI root moves it between; the root listens for its clicks.
#include "framework/display/Bitmap.h"
#include "framework/geom/Point.h"
#include "game/kit/ButtonTemplate.h"
#include "game/kit/TextSprite.h"

namespace game {

class StatGemChooseButton : public ButtonTemplate {
    RUNTIME_CLASS(StatGemChooseButton)
public:
    static constexpr int SIZE = 43;

    // type is a StatGem type (0 HP, 1 MP, 2 attack, 3 defence, 4 magic); any other shows no
    // caption and the whole icon sheet.
    explicit StatGemChooseButton(int type);
    explicit StatGemChooseButton(runtime::NoInit n) : ButtonTemplate(n) {}

    int type = 0;
    runtime::Ref<framework::Point> originPoint;
    runtime::Ref<framework::Point> targetPoint;
    runtime::Ref<framework::Bitmap> icon;
    runtime::Ref<TextSprite> caption;
};

}  // namespace game
