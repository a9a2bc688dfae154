#include "UIEscapeLoot.h"

#include "UI.h"
#include "game/kit/BasicButton.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;

UIEscapeLoot::UIEscapeLoot(int width, int height) : BasicWindow(width, height) {
    DETAILS_X = 70;
    DETAILS_Y = 125;
    const int centreX = static_cast<int>(width * 0.5);
    title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "RUN SUCCESSFUL!", false, -1, 2, true, 0,
                             true, true, -5.0, 2, false);
    title->set_x(centreX);
    title->set_y(DETAILS_Y - 65);
    addChild(title);
    auto subtitle = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "SUMMARY OF LOOT FROM THIS RUN", false, -1, 2, true,
                                     0, false, false, -5.0, 2, true);
    subtitle->set_x(centreX);
    subtitle->set_y(DETAILS_Y - 34);
    addChild(subtitle);
    auto close = make<BasicButton>(80, 40, 0, -1, BasicButton::COLOR_BLACK, true,
                                   make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "Close", false, -1, 2, true, 0, false,
                                                    false, -5.0, 2, true));
    close->set_x(static_cast<int>(width * 0.5 - 80 * 0.5));
    close->set_y(DETAILS_Y + 300);
    close->addEventListener("click", runtime::Function::method<&UIEscapeLoot::closeClick>(this));
    addChild(close);
}

void UIEscapeLoot::closeClick(const runtime::Ref<framework::Event>&) {
    if (Game::ui) Game::ui->closeEscapeLoot();
}

void UIEscapeLoot::windowOpened() { title->set_text(title->get_text()); }

void UIEscapeLoot::update() { title->updateTextAnim(); }

}  // namespace game

using game::UIEscapeLoot;

RUNTIME_DEFINE_CLASS(UIEscapeLoot, "UIEscapeLoot", game::BasicWindow, (auto& b) {
    b.template field<&UIEscapeLoot::title>("title")
        .template method<&UIEscapeLoot::closeClick>("closeClick")
        .template method<&UIEscapeLoot::windowOpened>("windowOpened")
        .template method<&UIEscapeLoot::update>("update")
        .emptyInstance();
})
