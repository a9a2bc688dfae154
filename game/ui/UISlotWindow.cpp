#include "UISlotWindow.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "UI.h"
#include "framework/events/MouseEvent.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/TextSprite.h"
#include "game/kit/TweenProps.h"
#include "game/shell/Audio.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "tween/Tweener.h"

namespace game {

using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

template <class T>
T at(const std::vector<T>& list, int i, T otherwise) {
    return i >= 0 && static_cast<std::size_t>(i) < list.size() ? list[static_cast<std::size_t>(i)] : otherwise;
}

template <class T>
void put(std::vector<T>& list, int i, T value) {
    if (i < 0) return;
    if (list.size() <= static_cast<std::size_t>(i)) list.resize(static_cast<std::size_t>(i) + 1);
    list[static_cast<std::size_t>(i)] = value;
}

Ref<TextSprite> caption(const Ref<SpriteFont>& font, const char* text, bool useCache = false) {
    return make<TextSprite>(font, text, false, -1, 2, true, 0, false, false, -5.0, 2, useCache);
}

Ref<TextSprite> text(const Ref<SpriteFont>& font, const std::string& value, double x, double y, int kerning = 0,
                     bool centered = false) {
    auto t = make<TextSprite>(font, value, false, -1, 2, centered, kerning);
    t->set_x(x);
    t->set_y(y);
    return t;
}

UI* root() { return Game::ui.get(); }

}  // namespace

UISlotWindow::UISlotWindow() : BasicWindow(WIN_WIDTH, WIN_HEIGHT) {
    chosenSlot = -1;
    deleteShowing = false;
    slotHolder = make<BitmapSprite>();
    deleteButtonHolder = make<BitmapSprite>();

    DELETE_SLOT_CONFIRMATION = make<YesNoWindow>("Really delete this save?",
                                                 Function::method<&UISlotWindow::confirmDeleteSlot>(this),
                                                 Function::of<&UI::nullItemDeselect>());
    NG_PLUS_CONFIRMATION = make<YesNoWindow>("Start a New Game+ with this slot?",
                                             Function::method<&UISlotWindow::startNewGamePlus>(this),
                                             Function::of<&UI::nullItemDeselect>());

    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "Choose a Save File:", false, -1, 2, true);
    title->set_x(winWidth * 0.5);
    title->set_y(15);
    addChild(title);

    auto toggle = make<BasicButton>(DELETE_BUTTON_WIDTH, 30, 0, BasicButton::CORNER_SIZE_LARGE, BasicButton::COLOR_RED,
                                    true, caption(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Delete..."));
    toggle->set_x(winWidth - DELETE_BUTTON_WIDTH - 10);
    toggle->set_y(10);
    toggle->addEventListener(framework::MouseEvent::CLICK, Function::method<&UISlotWindow::deleteToggleClick>(this));
    addChild(toggle);

    deleteButtonHolder->set_x(slotHolder->get_x() + SLOT_WIDTH - DELETE_BUTTON_WIDTH);
    deleteButtonHolder->set_y(50);
    deleteButtonHolder->set_visible(false);
    addChild(deleteButtonHolder);
    slotHolder->set_x(std::trunc(winWidth * 0.5 - SLOT_WIDTH * 0.5));
    slotHolder->set_y(deleteButtonHolder->get_y());
    addChild(slotHolder);

    const Ref<Function> slotListeners[NUM_SLOTS] = {
        Function::method<&UISlotWindow::slot0Clicked>(this), Function::method<&UISlotWindow::slot1Clicked>(this),
        Function::method<&UISlotWindow::slot2Clicked>(this), Function::method<&UISlotWindow::slot3Clicked>(this)};
    const Ref<Function> deleteListeners[NUM_SLOTS] = {
        Function::method<&UISlotWindow::delete0Clicked>(this), Function::method<&UISlotWindow::delete1Clicked>(this),
        Function::method<&UISlotWindow::delete2Clicked>(this), Function::method<&UISlotWindow::delete3Clicked>(this)};
    for (int n = 0; n < NUM_SLOTS; ++n) {
        auto button = make<BasicButton>(winWidth - 120, SLOT_HEIGHT, 0, BasicButton::CORNER_SIZE_LARGE,
                                        BasicButton::COLOR_BLACK, true);
        button->set_y(n * (SLOT_HEIGHT + SLOT_SPACING));
        button->addEventListener(framework::MouseEvent::CLICK, slotListeners[n]);
        slotHolder->addChild(button);
        slotButtons.push_back(button);
        auto details = make<BitmapSprite>();
        button->addChild(details);
        slotDetails.push_back(details);

        auto del = make<BasicButton>(DELETE_BUTTON_WIDTH, 45, 0, BasicButton::CORNER_SIZE_LARGE,
                                     BasicButton::COLOR_RED, true,
                                     caption(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Delete"));
        del->set_y(button->get_y());
        del->addEventListener(framework::MouseEvent::CLICK, deleteListeners[n]);
        deleteButtonHolder->addChild(del);
        deleteButtons.push_back(del);
    }
    ngpButtons.assign(NUM_SLOTS, nullptr);

    auto close = make<BasicButton>(80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
                                   caption(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Close", true));
    close->set_x(winWidth * 0.5 - 40);
    close->set_y(winHeight - 32 - 15);
    close->addEventListener(framework::MouseEvent::CLICK, Function::method<&UISlotWindow::closeClick>(this));
    addChild(close);

    loadSlotData();
}

void UISlotWindow::update() {
    if (G::frameCount % 2 != 0) return;
    for (const auto& hero : heroes)
        if (hero) hero->update();
}

void UISlotWindow::loadSlotData() {
    for (int n = 0; n < NUM_SLOTS; ++n) {
        const auto& details = slotDetails[static_cast<std::size_t>(n)];
        details->destroyAndRemoveChildren();
        if (auto& old = ngpButtons[static_cast<std::size_t>(n)]) {
            if (old->get_parent()) old->get_parent()->removeChild(old);
            old->destroy(true);
            old = nullptr;
        }
        details->addChild(createDetails(
            n, at(GameData::slotExists, n, false), at(GameData::slotHeroType, n, 0),
            at(GameData::slotDeepestFloor, n, 0), at(GameData::slotCurrentFloor, n, 0), at(GameData::slotLevel, n, 0),
            at(GameData::slotInCave, n, false), at(GameData::slotSuccessfulRuns, n, 0), at(GameData::slotNgpNum, n, 0),
            at(GameData::slotNgpAvailable, n, false), at(GameData::slotGameMode, n, 0)));
    }
    // Heroes of summaries that were just dropped no longer need stepping.
    std::erase_if(heroes, [](const Ref<Hero>& hero) { return !hero || !hero->get_parent(); });
}

Ref<BitmapSprite> UISlotWindow::createDetails(int slot, bool exists, int heroType, int deepestFloor, int currentFloor,
                                              int level, bool inCave, int successfulRuns, int ngpNum,
                                              bool ngpAvailable, int gameMode) {
    auto details = make<BitmapSprite>();
    if (!exists) {
        auto empty = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "- Empty -", false, -1, 2, true);
        empty->set_x(SLOT_WIDTH * 0.5);
        empty->set_y(std::trunc(SLOT_HEIGHT * 0.5 - empty->textHeight * 0.5));
        details->addChild(empty);
        return details;
    }
    auto hero = make<Hero>(heroType);
    hero->setRunAnim(Hero::RUN_DOWN);
    hero->set_x(36 - Hero::RUN_DOWN->width);
    hero->set_y(33);
    hero->set_scaleX(2);
    hero->set_scaleY(2);
    details->addChild(hero);
    heroes.push_back(hero);

    auto levelText = text(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Level " + std::to_string(level), 70, 15);
    details->addChild(levelText);
    auto where = text(TextSprite::MEDIEVAL_SANS_20_OUTLINE,
                      inCave ? "Floor " + std::to_string(currentFloor) : std::string("In town"), 0,
                      levelText->get_y());
    where->set_x(380 - where->textWidth);
    details->addChild(where);
    auto deepest =
        text(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Deepest Floor: " + std::to_string(deepestFloor), 70, 40, -1);
    details->addChild(deepest);
    details->addChild(text(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Successful Runs: " + std::to_string(successfulRuns),
                           70, deepest->get_y() + 20, -1));

    if (gameMode == 0 && ngpAvailable) {
        auto ngp = make<BasicButton>(100, 30, 0, BasicButton::CORNER_SIZE_LARGE, BasicButton::COLOR_BLACK, true,
                                     caption(TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN, "New Game+"));
        const auto& button = slotButtons[static_cast<std::size_t>(slot)];
        ngp->set_x(390 - 100);
        ngp->set_y(button->get_y() + SLOT_HEIGHT - 30 - 10);
        ngp->set_name(std::to_string(slot));
        ngp->addEventListener(framework::MouseEvent::CLICK, Function::method<&UISlotWindow::ngpButtonClicked>(this));
        // On the holder, above the slot buttons: a button hands its children no pointer events.
        slotHolder->addChild(ngp);
        if (inCave) ngp->disable();
        ngpButtons[static_cast<std::size_t>(slot)] = ngp;
    }
    if (ngpNum > 0) {
        std::string marker = "New Game+";
        if (ngpNum > 1) marker += " (" + std::to_string(ngpNum) + ")";
        details->addChild(text(TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN, marker, 225, levelText->get_y() + 3, -1, true));
    }
    return details;
}

void UISlotWindow::closeClick(const EventRef&) {
    if (auto* ui = root()) ui->closeSlotWin();
}

void UISlotWindow::slotChosen(int slot) {
    if (auto* ui = root()) ui->slotClicked(slot);
}

void UISlotWindow::slot0Clicked(const EventRef&) { slotChosen(0); }
void UISlotWindow::slot1Clicked(const EventRef&) { slotChosen(1); }
void UISlotWindow::slot2Clicked(const EventRef&) { slotChosen(2); }
void UISlotWindow::slot3Clicked(const EventRef&) { slotChosen(3); }

void UISlotWindow::deleteChosen(int slot) {
    chosenSlot = slot;
    if (auto* ui = root()) ui->openYesNoWin(DELETE_SLOT_CONFIRMATION);
}

void UISlotWindow::delete0Clicked(const EventRef&) { deleteChosen(0); }
void UISlotWindow::delete1Clicked(const EventRef&) { deleteChosen(1); }
void UISlotWindow::delete2Clicked(const EventRef&) { deleteChosen(2); }
void UISlotWindow::delete3Clicked(const EventRef&) { deleteChosen(3); }

void UISlotWindow::deleteToggleClick(const EventRef&) {
    if (deleteShowing) return;
    ::tween::Tweener::tween(slotHolder, 0.5, TweenProps::of({{"x", 20}}));
    ::tween::Tweener::tween(deleteButtonHolder, 0.5, TweenProps::of({{"x", 420}}));
    deleteButtonHolder->set_visible(true);
    deleteButtonHolder->set_alpha(0);
    ::tween::Tweener::tween(deleteButtonHolder, 0.5, TweenProps::of({{"alpha", 1}}), false);
    deleteShowing = true;
}

void UISlotWindow::confirmDeleteSlot() {
    const int s = chosenSlot;
    if (s < 0) return;
    put(GameData::slotExists, s, false);
    put(GameData::slotHeroType, s, 0);
    put(GameData::slotDeepestFloor, s, 0);
    put(GameData::slotCurrentFloor, s, 0);
    put(GameData::slotLevel, s, 1);
    put(GameData::slotInCave, s, false);
    put(GameData::slotSuccessfulRuns, s, 0);
    // Only the loaded game's own slot lets go of it: saving must not refill the deleted summary
    // from the live model. Another slot's deletion leaves the loaded game bound.
    if (GameData::currentSlot == s) {
        GameData::clearAllGameData();
        GameData::currentSlot = -1;
    }
    if (Data::gameData && Data::gameData->data) Data::saveGameDataToObject(Data::gameData->data);
    Audio::playSound("deleteSlot");
    loadSlotData();
}

void UISlotWindow::ngpButtonClicked(const EventRef& event) {
    chosenSlot = 0;
    if (event)
        if (auto* target = dynamic_cast<framework::DisplayObject*>(event->get_currentTarget().get())) {
            const std::string name = target->get_name().str();
            char* end = nullptr;
            const long parsed = std::strtol(name.c_str(), &end, 10);
            chosenSlot = end != name.c_str() ? static_cast<int>(parsed) : 0;
        }
    auto* ui = root();
    if (!ui) return;
    if (at(GameData::slotInCave, chosenSlot, false)) ui->openMessageWin(MessageWindow::WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST);
    else ui->openYesNoWin(NG_PLUS_CONFIRMATION);
}

void UISlotWindow::startNewGamePlus() {
    if (auto* ui = root()) ui->slotClicked(chosenSlot, true);
}

}  // namespace game

using game::UISlotWindow;

RUNTIME_DEFINE_CLASS(UISlotWindow, "UISlotWindow", game::BasicWindow, (auto& b) {
    b.template field<&UISlotWindow::slotHolder>("slotHolder")
        .template field<&UISlotWindow::deleteButtonHolder>("deleteButtonHolder")
        .template field<&UISlotWindow::deleteShowing>("deleteShowing")
        .template field<&UISlotWindow::chosenSlot>("chosenSlot")
        .template method<&UISlotWindow::update>("update")
        .template method<&UISlotWindow::loadSlotData>("loadSlotData")
        .template method<&UISlotWindow::closeClick>("closeClick")
        .template method<&UISlotWindow::deleteToggleClick>("deleteToggleClick")
        .template method<&UISlotWindow::confirmDeleteSlot>("confirmDeleteSlot")
        .template method<&UISlotWindow::ngpButtonClicked>("ngpButtonClicked")
        .template method<&UISlotWindow::startNewGamePlus>("startNewGamePlus")
        .emptyInstance();
})
