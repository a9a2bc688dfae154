#pragma once
// The road from the title to play, as a player takes it with the pointer: "Play", the first save
// slot, an adventurer, then the town intro to its end (the first-start hint closed with its OK).
// Meant for a fresh save folder, where slot 0 is empty. Scripts that go on from the town call
// playToTown first and add their own steps after it.
#include <string>

#include "framework/display/DisplayObject.h"
#include "framework/geom/Point.h"
#include "game/data/GameData.h"
#include "game/kit/BasicButton.h"
#include "game/kit/MessageWindow.h"
#include "game/map/MapState.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/ui/UI.h"
#include "game/ui/UIChooseHeroWindow.h"
#include "game/ui/UISlotWindow.h"
#include "tests/game/GameDriver.h"

namespace testing_game {

// The centre of a display object in stage pixels.
inline framework::Point centreOnStage(const runtime::Ref<framework::DisplayObject>& object, double w, double h) {
    auto p = object->localToGlobal(runtime::make<framework::Point>(w * 0.5, h * 0.5));
    return framework::Point(p->x, p->y);
}

// Clicks the centre of the button that pick() gives at the moment of the click.
inline GameDriver& clickButton(GameDriver& d, const std::string& what,
                               std::function<runtime::Ref<game::BasicButton>()> pick) {
    auto at = std::make_shared<framework::Point>();
    d.then("find " + what, [pick, at] {
        auto button = pick();
        if (button) *at = centreOnStage(button, button->buttonWidth, button->buttonHeight);
    });
    d.then("pointer down on " + what, [at] {
        GameDriver::sendPointer(SDL_MOUSEMOTION, static_cast<int>(at->x), static_cast<int>(at->y));
        GameDriver::sendPointer(SDL_MOUSEBUTTONDOWN, static_cast<int>(at->x), static_cast<int>(at->y));
    });
    return d.then("pointer up on " + what, [at] {
        GameDriver::sendPointer(SDL_MOUSEBUTTONUP, static_cast<int>(at->x), static_cast<int>(at->y));
    });
}

// The first BasicButton child of a window (the hero window's guy, a message window's OK).
inline runtime::Ref<game::BasicButton> firstButtonOf(const runtime::Ref<framework::DisplayObjectContainer>& window) {
    if (!window) return nullptr;
    for (int i = 0; i < window->get_numChildren(); ++i)
        if (auto button = window->getChildAt(i).cast<game::BasicButton>()) return button;
    return nullptr;
}

inline bool shownFully(const runtime::Ref<framework::DisplayObject>& window) {
    return window && window->get_parent() && window->get_visible() && window->get_alpha() >= 1;
}

// Waits for the title over the built town, once the start-up cover (which fades out over it for a
// second and takes clicks until it leaves) is gone.
inline GameDriver& untilTitle(GameDriver& d) {
    using game::Game;
    using game::G;
    return d.until("the title is up over the built town", [] {
        return Game::ui && Game::ui->titleShowing && Game::ui->logo && Game::ui->logo->get_parent() && G::mapState &&
               !G::mapState->building && !(Game::appLoadingScreen && Game::appLoadingScreen->get_parent());
    });
}

// Holds `key` until `arrived` holds, lets go and waits for the hero to stand still.
inline GameDriver& walkUntil(GameDriver& d, const std::string& what, SDL_Keycode key, std::function<bool()> arrived) {
    using game::G;
    d.then("hold " + std::string(SDL_GetKeyName(key)) + " " + what, [key] { GameDriver::sendKey(key, true); });
    d.until(what, std::move(arrived), [key] { GameDriver::sendKey(key, false); }, 600);
    return d.until("the hero stops " + what, [] { return !G::mapState->moving && !G::mapState->midMove; });
}

// The town is built behind the title and the start-up's loading cover, which takes clicks while
// it fades, is gone.
inline bool townReady() {
    using game::G;
    const auto& cover = game::Game::appLoadingScreen;
    return G::mapState && G::mapState->mapData && !G::mapState->building && G::mapState->hero && game::Game::ui &&
           (!cover || !cover->get_parent());
}

// From the bar door after the intro, round the townsfolk and the guard's post onto the entrance
// at (10, 8), until floor 0 is built and the hero may move; `then` runs on that frame.
inline GameDriver& walkToFloorZero(GameDriver& d, std::function<void()> then = {}) {
    using game::G;
    using game::GameData;
    auto heroX = [] { return G::mapState->hero->lev_x; };
    auto heroY = [] { return G::mapState->hero->lev_y; };
    d.until("the hero stands at the bar door", [=] { return heroX() == 14 && heroY() == 12; });
    walkUntil(d, "to row 14", SDLK_DOWN, [=] { return heroY() == 14; });
    walkUntil(d, "to column 9", SDLK_LEFT, [=] { return heroX() == 9; });
    walkUntil(d, "to row 8", SDLK_UP, [=] { return heroY() == 8; });
    return d.then("hold Right onto the entrance", [] { GameDriver::sendKey(SDLK_RIGHT, true); })
        .until("the run starts", [] { return GameData::inCave || G::mapState->mapTransition; },
               [] { GameDriver::sendKey(SDLK_RIGHT, false); }, 600)
        .until("floor 0 is built and the hero free",
               [] {
                   auto* s = G::mapState.get();
                   return GameData::inCave && GameData::currentFloor == 0 && s->mapData && !s->building &&
                          !s->mapTransition && !s->moving && !s->midMove && !s->disableMovement;
               },
               std::move(then));
}

inline GameDriver& playToTown(GameDriver& d) {
    using game::Game;
    using game::G;
    untilTitle(d);
    clickButton(d, "Play", [] { return Game::ui->startButton; });
    d.until("the slot window is in", [] { return Game::ui->slotWinOpen && shownFully(Game::ui->slotWindow); });
    clickButton(d, "slot 0", [] {
        auto window = Game::ui->slotWindow.cast<game::UISlotWindow>();
        return window ? window->slotButtons[0] : nullptr;
    });
    d.until("the hero window is in", [] { return Game::ui->chooseHeroWinOpen && shownFully(Game::ui->chooseHeroWin); });
    clickButton(d, "the first adventurer", [] { return firstButtonOf(Game::ui->chooseHeroWin); });
    d.until("the town intro has ended", [] {
        return G::mapState && !G::mapState->titleIntroPlaying && G::mapState->hero &&
               G::mapState->hero->get_visible() && Game::ui->messageWinOpen && shownFully(Game::ui->messageWindow);
    });
    clickButton(d, "OK of the first-start hint", [] { return firstButtonOf(Game::ui->messageWindow); });
    return d.until("the hero is free to walk", [] {
        return !Game::ui->messageWinOpen && !G::mapState->disableMovement && !G::disableMenu && !G::pauseGame;
    });
}

}  // namespace testing_game
