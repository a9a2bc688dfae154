#include "MessageWindow.h"

#include <algorithm>

#include "BasicButton.h"
#include "ItemIcon.h"
#include "TextSprite.h"
#include "game/shell/C.h"
#include "game/shell/F.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::DisplayObject;
using runtime::make;
using runtime::Ref;

namespace {

// The height (and width) an element takes: a picture's scroll rectangle when it has one.
std::pair<int, int> pictureSize(BitmapSprite& picture) {
    if (auto r = picture.get_scrollRect()) return {static_cast<int>(r->width), static_cast<int>(r->height)};
    return {picture.bmd->get_width(), picture.bmd->get_height()};
}

BitmapSprite* picture(DisplayObject* element) {
    auto* sprite = dynamic_cast<BitmapSprite*>(element);
    return sprite && sprite->bmd ? sprite : nullptr;
}

Ref<TextSprite> line(const Ref<SpriteFont>& font, const char* text) {
    return make<TextSprite>(font, text, true, 260, 2, true);
}
Ref<TextSprite> title(const char* text) { return line(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text); }
Ref<TextSprite> body(const runtime::String& text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, text, true, 260, 2, true);
}
Ref<MessageWindow> window(const MessageWindow::Contents& contents) { return make<MessageWindow>(contents); }

}  // namespace

MessageWindow::Size MessageWindow::measure(const Contents& contents) {
    Size s{260, 70};
    for (const auto& element : contents) {
        if (auto* text = dynamic_cast<TextSprite*>(element.get())) {
            s.width = std::max(s.width, text->textWidth);
            s.height += text->textHeight + 10;
        } else if (dynamic_cast<ItemIcon*>(element.get())) {
            s.height += C::ITEM_SIZE + 10;
        } else if (auto* p = picture(element.get())) {
            s.height += pictureSize(*p).second + 10;
        }
    }
    return s;
}

MessageWindow::MessageWindow(const Contents& contents) : MessageWindow(contents, measure(contents)) {}

MessageWindow::MessageWindow(const Contents& contents, Size size) : BasicWindow(size.width + 40, size.height) {
    int y = 20;
    for (const auto& element : contents) {
        element->set_y(y);
        if (auto* text = dynamic_cast<TextSprite*>(element.get())) {
            element->set_x(static_cast<int>(winWidth * 0.5 - text->textWidth * 0.5));
            y += text->textHeight + 10;
        } else if (dynamic_cast<ItemIcon*>(element.get())) {
            element->set_x(static_cast<int>(winWidth * 0.5) - C::ITEM_SIZE * 0.5);
            y += C::ITEM_SIZE + 10;
        } else if (auto* p = picture(element.get())) {
            auto [w, h] = pictureSize(*p);
            element->set_x(static_cast<int>(winWidth * 0.5 - w * 0.5));
            y += h + 10;
        }
        addChild(element);
    }
    auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "OK", false, -1, 2, true);
    auto ok = make<BasicButton>(100, 30, 0, -1, BasicButton::COLOR_BLACK, true, caption);
    ok->set_x(static_cast<int>(winWidth * 0.5 - ok->buttonWidth * 0.5));
    ok->set_y(y);
    ok->addEventListener("click", runtime::Function::method<&MessageWindow::closeClick>(this));
    addChild(ok);
}

void MessageWindow::closeClick(const Ref<framework::Event>&) { askUIRoot("closeMessageWin"); }

void MessageWindow::createStaticWindows() {
    auto settingsPicture = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/ui/settingsBestiary.png"));
    settingsPicture->set_scrollRect(make<framework::Rectangle>(0, 0, 46, 48));

    WIN_INTRO = window({title("Welcome, Explorer!"),
                        body("After a day of travel and a restful night at the inn, you're ready to explore the "
                             "glintvault you've heard so much about."),
                        body(Game::mobile ? "Tap to move to that location."
                                          : "Click to move to that location, or use WASD or the arrow keys to move."),
                        body("Feel free to go into the cave now, or talk to the citizens of the town first!")});
    WIN_WINGS = window({title("Escape Wings"),
                        body("You've found the Escape Wings! Use these to escape the cave before you die!")});
    WIN_LOW_HEALTH = window({title("Your Health Is Low!"),
                             body("Consider healing or using the Escape Wings. If you die, you'll lose all your "
                                  "progress this run!")});
    WIN_NEW_SHOP = window({title("New Shop!"), body("You can start future runs at any previously visited shop."),
                           body("Tip: Sometimes it's still best to start from an earlier shop to allow you to find "
                                "some equipment however!")});
    WIN_LOTSA_ITEMS =
        window({title("Item Scrolling"), body("Swipe along a list of items to quickly scroll the displayed items.")});
    WIN_BATTLE_SPEED = window({title("Battle Speed"), body("Monsters from here on will start to deal more damage!"),
                               settingsPicture,
                               body("Setting the battle speed to \"slow\" in the settings will give you more time to "
                                    "think during battles.")});
    WIN_CRAFTING = window({title("Crafting"), body("Create potions at any time by combining two ingredients."),
                           body("Only one property from each ingredient can be used."),
                           body("When at a forge, you can enchant equipment using one or two ingredients plus some "
                                "MP.")});
    WIN_BEAT_THE_SORCEROR = window({title("Congratulations!"),
                                    body("With the sorcerer gone, the cave has lost it's eerie feeling."),
                                    body("The enchantment remains, but much of the danger is gone.")});
    WIN_BEAT_THE_DEMON =
        window({line(TextSprite::MEDIEVAL_SANS_20, "Game Completed!"),
                body("The enchantment of the cave remains, but much of the danger is now gone!")});
    WIN_MUSEUM = window({title("Museum"),
                         body("If you'd like to keep old artifacts without clogging up your inventory, the museum is "
                              "the solution!"),
                         body("You can swap out artifacts in your collection any time you visit.")});
    WIN_ENEMY_DETAILS = window({title("Enemy Details"),
                                body("Hint! You can check an enemy's stats without fighting if you click and hold on "
                                     "an enemy for a bit.")});
    WIN_RUN_AWAY = window({title("Running Away"),
                           body(F::setStringForMobile("Want to run away? Click on any open tile during a battle."))});
    WIN_NEW_GAME_PLUS =
        window({line(TextSprite::MEDIEVAL_SANS_20, "New Game+ Unlocked!"),
                body("Keep all your stuff and play through again, but with much tougher monsters!"),
                body("(Available from the save slot screen)")});
    WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST = window({body("You must finish or quit your current run first!")});
}

}  // namespace game

using game::MessageWindow;

RUNTIME_DEFINE_CLASS(MessageWindow, "MessageWindow", game::BasicWindow, (auto& b) {
    b.template staticField<&MessageWindow::WIN_INTRO>("WIN_INTRO")
        .template staticField<&MessageWindow::WIN_BEAT_THE_DEMON>("WIN_BEAT_THE_DEMON")
        .template staticField<&MessageWindow::WIN_NEW_GAME_PLUS>("WIN_NEW_GAME_PLUS")
        .emptyInstance();
})
