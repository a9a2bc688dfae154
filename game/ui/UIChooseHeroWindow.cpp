#include "UIChooseHeroWindow.h"

#include "UI.h"
#include "framework/events/MouseEvent.h"
#include "game/battle/Hero.h"
#include "game/data/GameData.h"
#include "game/kit/BasicButton.h"
#include "game/kit/TextSprite.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

UIChooseHeroWindow::UIChooseHeroWindow() : BasicWindow(WIN_WIDTH, WIN_HEIGHT) {
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Choose your Adventurer:", false, -1, 2, true, 0,
                                  false, false, -5.0, 2, true);
    title->set_x(winWidth * 0.5);
    title->set_y(20);
    addChild(title);

    struct Look {
        const char* picture;
        Ref<Function> listener;
        double x, y;
    };
    const double left = winWidth * 0.5 - 10 - BUTTON_WIDTH, right = winWidth * 0.5 + 10;
    const double top = title->get_y() + 40, bottom = top + BUTTON_HEIGHT + 20;
    const Look looks[] = {
        {"assets/x2/heroes/guyAttack.png", Function::method<&UIChooseHeroWindow::guyClick>(this), left, top},
        {"assets/x2/heroes/girlAttack.png", Function::method<&UIChooseHeroWindow::girlClick>(this), right, top},
        {"assets/x2/heroes/monkAttack.png", Function::method<&UIChooseHeroWindow::monkClick>(this), left, bottom},
        {"assets/x2/heroes/velixAttack.png", Function::method<&UIChooseHeroWindow::velixClick>(this), right, bottom},
    };
    const auto& cell = Hero::ATTACK_IDLE;
    for (const Look& look : looks) {
        auto button = make<BasicButton>(BUTTON_WIDTH, BUTTON_HEIGHT, 0, BasicButton::CORNER_SIZE_LARGE,
                                        BasicButton::COLOR_BLACK, true);
        auto picture = make<BitmapSprite>(PixelSmoother::smoothAsset(look.picture));
        picture->setNewAnim(cell);
        picture->set_scaleX(4);
        picture->set_scaleY(4);
        picture->set_x(BUTTON_WIDTH * 0.5 - 2 * cell->width + 16);
        picture->set_y(BUTTON_HEIGHT * 0.5 - 2 * cell->height - 6);
        button->addChild(picture);
        button->set_x(look.x);
        button->set_y(look.y);
        button->addEventListener(framework::MouseEvent::CLICK, look.listener);
        addChild(button);
    }
}

void UIChooseHeroWindow::choose(int heroType) {
    GameData::heroType = heroType;
    if (Game::ui) Game::ui->closeChooseHeroWin();
}

void UIChooseHeroWindow::guyClick(const EventRef&) { choose(Hero::TYPE_GUY); }
void UIChooseHeroWindow::girlClick(const EventRef&) { choose(Hero::TYPE_GIRL); }
void UIChooseHeroWindow::monkClick(const EventRef&) { choose(Hero::TYPE_MONK); }
void UIChooseHeroWindow::velixClick(const EventRef&) { choose(Hero::TYPE_VELIX); }

}  // namespace game

using game::UIChooseHeroWindow;

RUNTIME_DEFINE_CLASS(UIChooseHeroWindow, "UIChooseHeroWindow", game::BasicWindow, (auto& b) {
    b.template method<&UIChooseHeroWindow::guyClick>("guyClick")
        .template method<&UIChooseHeroWindow::girlClick>("girlClick")
        .template method<&UIChooseHeroWindow::monkClick>("monkClick")
        .template method<&UIChooseHeroWindow::velixClick>("velixClick")
        .emptyInstance();
})
