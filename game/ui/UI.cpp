#include "UI.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "game/battle/Battle.h"
#include "game/battle/Hero.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "game/floor/SecretTile.h"
#include "game/floor/SoulCrystal.h"
#include "game/floor/StatGem.h"
#include "game/floor/TiledMap.h"
#include "game/kit/BaseScroller.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/shell/BMDCache.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"
#include "tween/Tweener.h"
#include "tween/easing/Linear.h"

namespace game {

using runtime::make;
using runtime::Ref;
using runtime::Value;

UI::UI() { initialize(true); }

Value UI::send(const Ref<runtime::Object>& window, const char* operation, std::initializer_list<Value> args) {
    if (window) {
        const Value method = Value(window).field(operation);
        if (auto* f = method.function()) return f->callArgs(args.begin(), static_cast<int>(args.size()));
    }
    notBuilt(operation);
    return Value();
}

void UI::notBuilt([[maybe_unused]] const char* operation) {
#ifndef NDEBUG
    RUNTIME_TRACE(Value(std::string("UI: no window for ") + operation));
#endif
}

void UI::nullItemSelectUse(const runtime::Ref<Item>& item) {}

void UI::nullItemDeselect() {}

void UI::showSkillPointsAnim() {}

namespace {

// Sets every live frame constant for 30 frames per second (at30) or back to its 60 value.
void setFrameConstants(bool at30) {
    auto frames = [at30](int& live, int at60) { live = at30 ? static_cast<int>(at60 * 0.5) : at60; };
    BaseScroller::SCROLL_SPEED_MAX = at30 ? static_cast<int>(BaseScroller::SCROLL_SPEED_MAX_60FPS * 2)
                                          : BaseScroller::SCROLL_SPEED_MAX_60FPS;
    frames(Battle::BLEED_DRAIN_FRAMES, Battle::BLEED_DRAIN_FRAMES_60FPS);
    frames(Battle::RUN_AWAY_FRAMES, Battle::RUN_AWAY_FRAMES_60FPS);
    BitmapSprite::GRAVITY = at30 ? BitmapSprite::GRAVITY_60FPS * 3 : BitmapSprite::GRAVITY_60FPS;
    frames(ItemIconAnimated::ITEM_ANIM_FRAMES, ItemIconAnimated::ITEM_ANIM_FRAMES_60FPS);
    ItemIconAnimated::VELOCITY =
        at30 ? static_cast<int>(ItemIconAnimated::VELOCITY_60FPS * 1.5) : ItemIconAnimated::VELOCITY_60FPS;
    MapState::setFrameRate(at30 ? 30 : 60);
    frames(NPC::SORCEROR_HOVER_PERIOD, NPC::SORCEROR_HOVER_PERIOD_60FPS);
    frames(SecretTile::REVEAL_TIME, SecretTile::REVEAL_TIME_60FPS);
    frames(SoulCrystal::HOVER_PERIOD, SoulCrystal::HOVER_PERIOD_60FPS);
    frames(StatGem::HOVER_PERIOD, StatGem::HOVER_PERIOD_60FPS);
    frames(UI::SKILL_POINTS_BUTTON_TIME, UI::SKILL_POINTS_BUTTON_TIME_60FPS);
    frames(UI::NUM_TRANSITION_BARS, UI::NUM_TRANSITION_BARS_60FPS);
}

void switchFrameRate(int rate) {
    if (Game::frameRate == rate) return;
    Game::frameRate = rate;
    if (engine::EngG::game) {
        engine::EngG::set_updateFramerate(rate);
        engine::EngG::set_drawFramerate(rate);
    }
    setFrameConstants(rate == 30);
    if (auto root = dynamic_cast<UI*>(Game::ui.get())) root->transitionBarThickness = UI::barThickness();
}

}  // namespace

int UI::barThickness() {
    const double n = NUM_TRANSITION_BARS - 10;
    return static_cast<int>(std::max(std::floor(Game::screenWidth / n + 0.5), std::floor(Game::screenHeight / n + 0.5))) +
           4;
}

void UI::adjustConstantsFor30FPS() { switchFrameRate(30); }

void UI::adjustConstantsFor60FPS() { switchFrameRate(60); }

void UI::initialize(bool firstTime) { notBuilt("initialize"); }

void UI::createSettingsWin(int width, int height, bool firstTime) { notBuilt("createSettingsWin"); }

void UI::createTitleScreenStuff(bool firstTime) { notBuilt("createTitleScreenStuff"); }

void UI::createOptionsWindow() { notBuilt("createOptionsWindow"); }

void UI::createChooseFloorWindow() { notBuilt("createChooseFloorWindow"); }

void UI::updateChooseFloorButtons() { notBuilt("updateChooseFloorButtons"); }

void UI::createFloorSkipMenu() { notBuilt("createFloorSkipMenu"); }

void UI::createRain(bool firstTime) { notBuilt("createRain"); }

void UI::flashLightning() { notBuilt("flashLightning"); }

void UI::flashLightningSecondary() { notBuilt("flashLightningSecondary"); }

void UI::flashLightningTertiary() { notBuilt("flashLightningTertiary"); }

void UI::flashLightningEnd() { notBuilt("flashLightningEnd"); }

void UI::update() { notBuilt("update"); }

void UI::updatePausedStuff() { notBuilt("updatePausedStuff"); }

void UI::updateRain() { notBuilt("updateRain"); }

void UI::itemsClick(const EventRef& event) { notBuilt("itemsClick"); }

void UI::disableButtons() { notBuilt("disableButtons"); }

void UI::enableButtons() { notBuilt("enableButtons"); }

void UI::openInventory() { notBuilt("openInventory"); }

void UI::closeInventory() { notBuilt("closeInventory"); }

void UI::openMenu() { notBuilt("openMenu"); }

void UI::closeMenu() { notBuilt("closeMenu"); }

void UI::closeCurrentWindow() { notBuilt("closeCurrentWindow"); }

void UI::openWindow(int tabId) { notBuilt("openWindow"); }

void UI::openEquipment() { notBuilt("openEquipment"); }

void UI::closeEquipment() { notBuilt("closeEquipment"); }

void UI::openCrafting() { notBuilt("openCrafting"); }

void UI::closeCrafting() { notBuilt("closeCrafting"); }

void UI::openSettings() { notBuilt("openSettings"); }

void UI::closeSettings() { notBuilt("closeSettings"); }

void UI::setInCaveSettingsButtons() { notBuilt("setInCaveSettingsButtons"); }

void UI::setInTownSettingsButtons() { notBuilt("setInTownSettingsButtons"); }

void UI::openBestiary() { notBuilt("openBestiary"); }

void UI::closeBestiary() { notBuilt("closeBestiary"); }

void UI::openMuseum() { notBuilt("openMuseum"); }

void UI::closeMuseum() { notBuilt("closeMuseum"); }

void UI::openOptions() { notBuilt("openOptions"); }

void UI::closeOptions() { notBuilt("closeOptions"); }

void UI::closeOptionsClick(const EventRef& event) { notBuilt("closeOptionsClick"); }

void UI::openYesNoWin(const runtime::Ref<YesNoWindow>& win) { notBuilt("openYesNoWin"); }

void UI::closeYesNoWin() { notBuilt("closeYesNoWin"); }

void UI::openMessageWin(const runtime::Ref<MessageWindow>& win) { notBuilt("openMessageWin"); }

void UI::closeMessageWin() { notBuilt("closeMessageWin"); }

void UI::openLoadingScreen(bool instant) { notBuilt("openLoadingScreen"); }

void UI::closeLoadingScreen(bool instant) { notBuilt("closeLoadingScreen"); }

void UI::openResizeScreen() { notBuilt("openResizeScreen"); }

void UI::closeResizeScreen() { notBuilt("closeResizeScreen"); }

void UI::openMoreStatsWin() { notBuilt("openMoreStatsWin"); }

void UI::closeMoreStatsBlackClick(const EventRef& event) { notBuilt("closeMoreStatsBlackClick"); }

void UI::closeMoreStatsWin() { notBuilt("closeMoreStatsWin"); }

void UI::openSlotWin() { notBuilt("openSlotWin"); }

void UI::closeSlotWin(bool showTitle, bool instant) { notBuilt("closeSlotWin"); }

void UI::openActiveEffects() { notBuilt("openActiveEffects"); }

void UI::closeActiveEffects() { notBuilt("closeActiveEffects"); }

void UI::closeActiveEffectsClick(const EventRef& event) { notBuilt("closeActiveEffectsClick"); }

void UI::openChooseHeroWin() { notBuilt("openChooseHeroWin"); }

void UI::closeChooseHeroWin() { notBuilt("closeChooseHeroWin"); }

void UI::setNewHeroType() { notBuilt("setNewHeroType"); }

void UI::openCurrentLoot() { notBuilt("openCurrentLoot"); }

void UI::closeCurrentLoot() { notBuilt("closeCurrentLoot"); }

void UI::updateGold() { notBuilt("updateGold"); }

void UI::showGoldAnim(int amount) { notBuilt("showGoldAnim"); }

void UI::showExpAnim(int amount) { notBuilt("showExpAnim"); }

void UI::updateFloor() { notBuilt("updateFloor"); }

void UI::updateHPMPExp(std::optional<int> hpChange, std::optional<int> mpChange, std::optional<int> expChange) { notBuilt("updateHPMPExp"); }

void UI::updateGoldPosition() { notBuilt("updateGoldPosition"); }

void UI::updateFloorPosition() { notBuilt("updateFloorPosition"); }

void UI::drawMiniMap(const runtime::Ref<MapData>& mapData) { notBuilt("drawMiniMap"); }

void UI::openHotkeyWindow() { notBuilt("openHotkeyWindow"); }

void UI::hotkeyBlacknessClicked(const EventRef& event) { notBuilt("hotkeyBlacknessClicked"); }

void UI::closeHotkeyWindow() { notBuilt("closeHotkeyWindow"); }

void UI::openUseSpecialWindow(const runtime::Ref<Item>& item) { notBuilt("openUseSpecialWindow"); }

void UI::useSpecialBlacknessClicked(const EventRef& event) { notBuilt("useSpecialBlacknessClicked"); }

void UI::closeUseSpecialWindow() { notBuilt("closeUseSpecialWindow"); }

void UI::updateFloorTransition() {
    auto state = G::mapState;
    const int n = NUM_TRANSITION_BARS;
    if (!transitionLayer) transitionLayer = make<framework::Sprite>();
    if (transitionProgress < n) {
        const double p = transitionProgress, f = n > 1 ? p * p * p / ((n - 1.0) * (n - 1.0) * (n - 1.0)) : 1;
        const double t = transitionBarThickness, w = Game::gameWidth, h = Game::gameHeight;
        const double sw = Game::screenWidth, sh = Game::screenHeight;
        const double bars[4][4] = {{w * 0.5 * f - t, 0, t, sh},
                                   {w - w * 0.5 * f, 0, t, sh},
                                   {0, h * 0.5 * f - t, sw, t},
                                   {0, h - h * 0.5 * f, sw, t}};
        for (const auto& b : bars) {
            auto bar = make<framework::Bitmap>(BMDCache::blackSquare2x2);
            bar->set_x(b[0]);
            bar->set_y(b[1]);
            bar->set_width(b[2]);
            bar->set_height(b[3]);
            transitionLayer->addChild(bar);
        }
        ++transitionProgress;
    } else if (transitionProgress == n) {
        if (!state || state->moving) return;
        if (state->transitionToPremade) state->goToMap(state->transitionToMap, state->transitionToPoint);
        else if (state->startingNewRun) state->startNewRun();
        else state->goToNextFloor();
        ++transitionProgress;
    } else if (transitionLayer->get_numChildren() > 0) {
        for (int i = 0; i < 4 && transitionLayer->get_numChildren() > 0; ++i)
            transitionLayer->removeChildAt(transitionLayer->get_numChildren() - 1);
    } else {
        if (state) state->mapTransition = false;
        G::disableMenu = false;
    }
}

void UI::openShop(bool cheat) { notBuilt("openShop"); }

void UI::closeShop() { notBuilt("closeShop"); }

void UI::showTitleScreen() { notBuilt("showTitleScreen"); }

void UI::updateTitleScreenButtons() { notBuilt("updateTitleScreenButtons"); }

void UI::optionsClick(const EventRef& event) { notBuilt("optionsClick"); }

void UI::creditsClick(const EventRef& event) { notBuilt("creditsClick"); }

void UI::openCredits() { notBuilt("openCredits"); }

void UI::closeCredits() { notBuilt("closeCredits"); }

void UI::exitClick(const EventRef& event) { notBuilt("exitClick"); }

void UI::createStatChooseMenu(bool firstTime) { notBuilt("createStatChooseMenu"); }

void UI::statChooseButtonClick(const EventRef& event) { notBuilt("statChooseButtonClick"); }

void UI::showStatChooseMenu(const SpriteRef& gem) { notBuilt("showStatChooseMenu"); }

void UI::closeStatChooseMenu() { notBuilt("closeStatChooseMenu"); }

void UI::updateChooseMenu() { notBuilt("updateChooseMenu"); }

void UI::skillPointsButtonClick(const EventRef& event) { notBuilt("skillPointsButtonClick"); }

void UI::hideSkillPointsButton() { notBuilt("hideSkillPointsButton"); }

void UI::openSkillTree(bool unpauseAfter) { notBuilt("openSkillTree"); }

void UI::closeSkillTree() { notBuilt("closeSkillTree"); }

void UI::startButtonClick(const EventRef& event) { notBuilt("startButtonClick"); }

void UI::slotClicked(int slot, bool newGamePlus) { notBuilt("slotClicked"); }

void UI::startGameWithChosenSlot() { notBuilt("startGameWithChosenSlot"); }

void UI::refreshTown() { notBuilt("refreshTown"); }

void UI::tweenAwayTitleStuff() { notBuilt("tweenAwayTitleStuff"); }

void UI::removeTitleStuff() { notBuilt("removeTitleStuff"); }

void UI::openEscapeLoot() { notBuilt("openEscapeLoot"); }

void UI::closeEscapeLoot() { notBuilt("closeEscapeLoot"); }

void UI::openMap() { notBuilt("openMap"); }

void UI::closeMapBlackClick(const EventRef& event) { notBuilt("closeMapBlackClick"); }

void UI::closeMap() { notBuilt("closeMap"); }

void UI::openGemShop() { notBuilt("openGemShop"); }

void UI::closeGemShop() { notBuilt("closeGemShop"); }

void UI::showSaveText() { notBuilt("showSaveText"); }

void UI::fadeOutSaveText() { notBuilt("fadeOutSaveText"); }

void UI::showDiaryEntry() { notBuilt("showDiaryEntry"); }

void UI::closeDiaryEntry() { notBuilt("closeDiaryEntry"); }

void UI::showChooseTileStuff() { notBuilt("showChooseTileStuff"); }

void UI::closeChooseTileStuff() { notBuilt("closeChooseTileStuff"); }

void UI::cancelChooseTileClick(const EventRef& event) { notBuilt("cancelChooseTileClick"); }

void UI::showFloorSkipMenu() { notBuilt("showFloorSkipMenu"); }

void UI::closeFloorSkipMenu() { notBuilt("closeFloorSkipMenu"); }

void UI::cancelFloorSkip(const EventRef& event) { notBuilt("cancelFloorSkip"); }

void UI::floorSkipClicked(const EventRef& event) { notBuilt("floorSkipClicked"); }

void UI::openCompareScreen(const runtime::Ref<Item>& item) { notBuilt("openCompareScreen"); }

void UI::closeCompareScreen() { notBuilt("closeCompareScreen"); }

void UI::openChooseFloorWin() { notBuilt("openChooseFloorWin"); }

void UI::closeChooseFloorWin() { notBuilt("closeChooseFloorWin"); }

void UI::closeChooseFloorClick(const EventRef& event) { notBuilt("closeChooseFloorClick"); }

void UI::floorButtonClick(const EventRef& event) { notBuilt("floorButtonClick"); }

void UI::floorStartChosen(int floor) { notBuilt("floorStartChosen"); }

void UI::showDeathText() {
    if (!overLayer) return;
    for (const auto& text : {deathText, deathText2}) {
        if (!text) continue;
        text->set_alpha(0);
        text->set_visible(true);
        overLayer->addChild(text);
        auto props = make<runtime::DynamicObject>();
        props->setField("alpha", Value(1));
        if (auto actuator = ::tween::Tweener::tween(text, 1.0, props)) actuator->ease(::tween::Linear::get_easeNone());
    }
    if (auto stage = framework::Lib::get_stage()) {
        deathClick = runtime::Function::method<&UI::finishDeath>(this);
        stage->addEventListener("click", deathClick);
    }
}

void UI::finishDeath(const EventRef&) {
    for (const auto& text : {deathText, deathText2})
        if (text && overLayer && text->get_parent().get() == overLayer.get()) overLayer->removeChild(text);
    if (deathClick) {
        if (auto stage = framework::Lib::get_stage()) stage->removeEventListener("click", deathClick);
        deathClick = nullptr;
    }
    auto state = G::mapState;
    if (state) {
        state->playTownTheme();
        state->inBattle = false;
        // The battle never ended: the slots and icons it disabled come back.
        state->releaseBattleLocks();
    }
    GameData::inCave = false;
    if (state) state->goToMap(TiledMap::TOWN, nullptr);
    if (caveLayer) caveLayer->set_visible(false);
    if (state && state->hero) state->hero->set_visible(false);
    if (overBlack) {
        auto props = make<runtime::DynamicObject>();
        props->setField("alpha", Value(0));
        if (auto actuator = ::tween::Tweener::tween(overBlack, 1.0, props)) {
            actuator->ease(::tween::Linear::get_easeNone());
            // The faded cover lets clicks through to the map again.
            actuator->onComplete(runtime::Function::method<&UI::hideOverBlack>(this));
            overBlack->tween(actuator);
        }
    }
    if (state) state->titleStartGame();
    GameData::updateEverything();
    if (state)
        if (auto hero = dynamic_cast<Hero*>(state->hero.get())) hero->setToRunMode();
    Data::saveAllData(false);
}

void UI::hideOverBlack() {
    if (overBlack && overBlack->get_alpha() <= 0) overBlack->set_visible(false);
}

void UI::tweenInSprite(const runtime::Ref<framework::DisplayObject>& sprite, bool overlay, double alpha, double overlayAlpha, double seconds, const runtime::Ref<runtime::Function>& onComplete) { notBuilt("tweenInSprite"); }

void UI::tweenOutSprite(const runtime::Ref<framework::DisplayObject>& sprite, bool overlay, double seconds) { notBuilt("tweenOutSprite"); }

void UI::removeSpriteAfterTween(const runtime::Ref<framework::DisplayObject>& sprite) { notBuilt("removeSpriteAfterTween"); }

void UI::clearDataClick(const EventRef& event) { notBuilt("clearDataClick"); }

void UI::clearDataConfirm() { notBuilt("clearDataConfirm"); }

void UI::clearDataCancel() { notBuilt("clearDataCancel"); }

void UI::fadeOutOverWhite() { notBuilt("fadeOutOverWhite"); }

void UI::setStartButtonText() { notBuilt("setStartButtonText"); }

void UI::changeCharButtonClicked(const EventRef& event) { notBuilt("changeCharButtonClicked"); }

void UI::saveButtonClicked(const EventRef& event) { notBuilt("saveButtonClicked"); }

void UI::quitButtonClicked(const EventRef& event) { notBuilt("quitButtonClicked"); }

void UI::quitConfirm() { notBuilt("quitConfirm"); }

void UI::fadeOutQuitBlack() { notBuilt("fadeOutQuitBlack"); }

void UI::quitCancel() { notBuilt("quitCancel"); }

void UI::exitButtonClicked(const EventRef& event) { notBuilt("exitButtonClicked"); }

void UI::exitConfirm() { notBuilt("exitConfirm"); }

void UI::fadeOutExitBlack() { notBuilt("fadeOutExitBlack"); }

void UI::exitCancel() { notBuilt("exitCancel"); }

void UI::sorcerorKilledFlash() { notBuilt("sorcerorKilledFlash"); }

void UI::flashWhite() { notBuilt("flashWhite"); }

void UI::fadeWhiteFromSorceror() { notBuilt("fadeWhiteFromSorceror"); }

void UI::taloranOver(const EventRef& event) { notBuilt("taloranOver"); }

void UI::taloranOut(const EventRef& event) { notBuilt("taloranOut"); }

void UI::taloranClick(const EventRef& event) { notBuilt("taloranClick"); }

void UI::reCreateUI() { notBuilt("reCreateUI"); }

}  // namespace game

using game::UI;

RUNTIME_DEFINE_CLASS(UI, "UI", game::BitmapSprite, (auto& b) {
    b
        .template field<&UI::transitionBarThickness>("transitionBarThickness")
        .template field<&UI::inventory>("inventory")
        .template field<&UI::panel>("panel")
        .template field<&UI::equipment>("equipment")
        .template field<&UI::crafting>("crafting")
        .template field<&UI::hotkeys>("hotkeys")
        .template field<&UI::useSpecialWin>("useSpecialWin")
        .template field<&UI::shop>("shop")
        .template field<&UI::currentLootWindow>("currentLootWindow")
        .template field<&UI::escapeLootWindow>("escapeLootWindow")
        .template field<&UI::lootDetails>("lootDetails")
        .template field<&UI::inventoryOpen>("inventoryOpen")
        .template field<&UI::shopOpen>("shopOpen")
        .template field<&UI::menuOpen>("menuOpen")
        .template field<&UI::hotkeysOpen>("hotkeysOpen")
        .template field<&UI::useSpecialOpen>("useSpecialOpen")
        .template field<&UI::currentLootOpen>("currentLootOpen")
        .template field<&UI::escapeLootOpen>("escapeLootOpen")
        .template field<&UI::equipmentOpen>("equipmentOpen")
        .template field<&UI::craftingOpen>("craftingOpen")
        .template field<&UI::creditsOpen>("creditsOpen")
        .template field<&UI::museumOpen>("museumOpen")
        .template field<&UI::moreStatsOpen>("moreStatsOpen")
        .template field<&UI::slotWinOpen>("slotWinOpen")
        .template field<&UI::diaryOpen>("diaryOpen")
        .template field<&UI::compareOpen>("compareOpen")
        .template field<&UI::yesNoWinOpen>("yesNoWinOpen")
        .template field<&UI::gemShopOpen>("gemShopOpen")
        .template field<&UI::messageWinOpen>("messageWinOpen")
        .template field<&UI::miniMap>("miniMap")
        .template field<&UI::transitionProgress>("transitionProgress")
        .template field<&UI::mainLayer>("mainLayer")
        .template field<&UI::caveLayer>("caveLayer")
        .template field<&UI::overLayer>("overLayer")
        .template field<&UI::overBlack>("overBlack")
        .template field<&UI::overBlack2>("overBlack2")
        .template field<&UI::overWhite>("overWhite")
        .template field<&UI::rainLayer>("rainLayer")
        .template field<&UI::lightningFlash>("lightningFlash")
        .template field<&UI::fps>("fps")
        .template field<&UI::enemyDetailsWindow>("enemyDetailsWindow")
        .template field<&UI::hpmpHud>("hpmpHud")
        .template field<&UI::atForge>("atForge")
        .template field<&UI::settingsWin>("settingsWin")
        .template field<&UI::settingsDetails>("settingsDetails")
        .template field<&UI::settingsOpen>("settingsOpen")
        .template field<&UI::activeEffectsHUD>("activeEffectsHUD")
        .template field<&UI::optionsWindow>("optionsWindow")
        .template field<&UI::clearDataWindow>("clearDataWindow")
        .template field<&UI::activeEffectsWindow>("activeEffectsWindow")
        .template field<&UI::deathText>("deathText")
        .template field<&UI::deathText2>("deathText2")
        .template field<&UI::skillTreeMenu>("skillTreeMenu")
        .template field<&UI::skillTreeOpen>("skillTreeOpen")
        .template field<&UI::mapOpen>("mapOpen")
        .template field<&UI::mapWindow>("mapWindow")
        .template field<&UI::museum>("museum")
        .template field<&UI::yesNoWin>("yesNoWin")
        .template field<&UI::stairsShortcutWindow>("stairsShortcutWindow")
        .template field<&UI::loadingScreen>("loadingScreen")
        .template field<&UI::resizeScreen>("resizeScreen")
        .template field<&UI::resizeScreenOpen>("resizeScreenOpen")
        .template field<&UI::activeEffectsOpen>("activeEffectsOpen")
        .template field<&UI::rainCreated>("rainCreated")
        .template field<&UI::itemsButton>("itemsButton")
        .template field<&UI::goldSprite>("goldSprite")
        .template field<&UI::goldIcon>("goldIcon")
        .template field<&UI::goldText>("goldText")
        .template field<&UI::floorText>("floorText")
        .template field<&UI::selectedWindow>("selectedWindow")
        .template field<&UI::transitionLayer>("transitionLayer")
        .template field<&UI::logo>("logo")
        .template field<&UI::titleButtons>("titleButtons")
        .template field<&UI::statChooseMenu>("statChooseMenu")
        .template field<&UI::chooseGem>("chooseGem")
        .template field<&UI::chooseMenuOpen>("chooseMenuOpen")
        .template field<&UI::chooseMenuInstructions>("chooseMenuInstructions")
        .template field<&UI::chooseMenuLevelUpText>("chooseMenuLevelUpText")
        .template field<&UI::welcomeToLevelText>("welcomeToLevelText")
        .template field<&UI::unpauseAfterSkillTreeCloses>("unpauseAfterSkillTreeCloses")
        .template field<&UI::gameSavedText>("gameSavedText")
        .template field<&UI::diaryEntry>("diaryEntry")
        .template field<&UI::cheatShopOpen>("cheatShopOpen")
        .template field<&UI::chooseTileText>("chooseTileText")
        .template field<&UI::chooseTileCancel>("chooseTileCancel")
        .template field<&UI::floorSkipMenu>("floorSkipMenu")
        .template field<&UI::compareScreen>("compareScreen")
        .template field<&UI::chooseFloorWin>("chooseFloorWin")
        .template field<&UI::skillPointsButton>("skillPointsButton")
        .template field<&UI::skillPointsShowTime>("skillPointsShowTime")
        .template field<&UI::tweeningOutWindow>("tweeningOutWindow")
        .template field<&UI::clearDataYesNoWin>("clearDataYesNoWin")
        .template field<&UI::startText>("startText")
        .template field<&UI::bestiaryWin>("bestiaryWin")
        .template field<&UI::quitYesNoWin>("quitYesNoWin")
        .template field<&UI::exitYesNoWin>("exitYesNoWin")
        .template field<&UI::quitButton>("quitButton")
        .template field<&UI::settingsExitButton>("settingsExitButton")
        .template field<&UI::bestiaryOpen>("bestiaryOpen")
        .template field<&UI::messageWindow>("messageWindow")
        .template field<&UI::creditsScreen>("creditsScreen")
        .template field<&UI::exitingToTitle>("exitingToTitle")
        .template field<&UI::taloranSprite>("taloranSprite")
        .template field<&UI::taloran>("taloran")
        .template field<&UI::taloranOverSprite>("taloranOverSprite")
        .template field<&UI::moreStatsWindow>("moreStatsWindow")
        .template field<&UI::slotWindow>("slotWindow")
        .template field<&UI::gemShop>("gemShop")
        .template field<&UI::loadingScreenOpen>("loadingScreenOpen")
        .template field<&UI::titleShowing>("titleShowing")
        .template field<&UI::chooseHeroWinOpen>("chooseHeroWinOpen")
        .template field<&UI::chooseHeroWin>("chooseHeroWin")
        .template field<&UI::UIWinHolder>("UIWinHolder")
        .template field<&UI::UIWinBG>("UIWinBG")
        .template field<&UI::changeCharButton>("changeCharButton")
        .template field<&UI::saveButton>("saveButton")
        .template field<&UI::charText>("charText")
        .template field<&UI::saveText>("saveText")
        .template field<&UI::saveText2>("saveText2")
        .template field<&UI::titleButtonsHeight>("titleButtonsHeight")
        .template field<&UI::ngPlusYesNoWin>("ngPlusYesNoWin")
        .template field<&UI::startButton>("startButton")
        .template field<&UI::optionsButton>("optionsButton")
        .template field<&UI::creditsButton>("creditsButton")
        .template field<&UI::exitButton>("exitButton")
        .template field<&UI::newGamePlusButton>("newGamePlusButton")
        .template field<&UI::rainBG>("rainBG")
        .template field<&UI::startingNewGame>("startingNewGame")
        .template staticMethod<&UI::nullItemSelectUse>("nullItemSelectUse")
        .template staticMethod<&UI::nullItemDeselect>("nullItemDeselect")
        .template staticMethod<&UI::showSkillPointsAnim>("showSkillPointsAnim")
        .template staticMethod<&UI::adjustConstantsFor30FPS>("adjustConstantsFor30FPS")
        .template staticMethod<&UI::adjustConstantsFor60FPS>("adjustConstantsFor60FPS")
        .template method<&UI::initialize>("initialize")
        .template method<&UI::createSettingsWin>("createSettingsWin")
        .template method<&UI::createTitleScreenStuff>("createTitleScreenStuff")
        .template method<&UI::createOptionsWindow>("createOptionsWindow")
        .template method<&UI::createChooseFloorWindow>("createChooseFloorWindow")
        .template method<&UI::updateChooseFloorButtons>("updateChooseFloorButtons")
        .template method<&UI::createFloorSkipMenu>("createFloorSkipMenu")
        .template method<&UI::createRain>("createRain")
        .template method<&UI::flashLightning>("flashLightning")
        .template method<&UI::flashLightningSecondary>("flashLightningSecondary")
        .template method<&UI::flashLightningTertiary>("flashLightningTertiary")
        .template method<&UI::flashLightningEnd>("flashLightningEnd")
        .template method<&UI::update>("update")
        .template method<&UI::updatePausedStuff>("updatePausedStuff")
        .template method<&UI::updateRain>("updateRain")
        .template method<&UI::itemsClick>("itemsClick")
        .template method<&UI::disableButtons>("disableButtons")
        .template method<&UI::enableButtons>("enableButtons")
        .template method<&UI::openInventory>("openInventory")
        .template method<&UI::closeInventory>("closeInventory")
        .template method<&UI::openMenu>("openMenu")
        .template method<&UI::closeMenu>("closeMenu")
        .template method<&UI::closeCurrentWindow>("closeCurrentWindow")
        .template method<&UI::openWindow>("openWindow")
        .template method<&UI::openEquipment>("openEquipment")
        .template method<&UI::closeEquipment>("closeEquipment")
        .template method<&UI::openCrafting>("openCrafting")
        .template method<&UI::closeCrafting>("closeCrafting")
        .template method<&UI::openSettings>("openSettings")
        .template method<&UI::closeSettings>("closeSettings")
        .template method<&UI::setInCaveSettingsButtons>("setInCaveSettingsButtons")
        .template method<&UI::setInTownSettingsButtons>("setInTownSettingsButtons")
        .template method<&UI::openBestiary>("openBestiary")
        .template method<&UI::closeBestiary>("closeBestiary")
        .template method<&UI::openMuseum>("openMuseum")
        .template method<&UI::closeMuseum>("closeMuseum")
        .template method<&UI::openOptions>("openOptions")
        .template method<&UI::closeOptions>("closeOptions")
        .template method<&UI::closeOptionsClick>("closeOptionsClick")
        .template method<&UI::openYesNoWin>("openYesNoWin")
        .template method<&UI::closeYesNoWin>("closeYesNoWin")
        .template method<&UI::openMessageWin>("openMessageWin")
        .template method<&UI::closeMessageWin>("closeMessageWin")
        .template method<&UI::openLoadingScreen>("openLoadingScreen")
        .template method<&UI::closeLoadingScreen>("closeLoadingScreen")
        .template method<&UI::openResizeScreen>("openResizeScreen")
        .template method<&UI::closeResizeScreen>("closeResizeScreen")
        .template method<&UI::openMoreStatsWin>("openMoreStatsWin")
        .template method<&UI::closeMoreStatsBlackClick>("closeMoreStatsBlackClick")
        .template method<&UI::closeMoreStatsWin>("closeMoreStatsWin")
        .template method<&UI::openSlotWin>("openSlotWin")
        .template method<&UI::closeSlotWin>("closeSlotWin")
        .template method<&UI::openActiveEffects>("openActiveEffects")
        .template method<&UI::closeActiveEffects>("closeActiveEffects")
        .template method<&UI::closeActiveEffectsClick>("closeActiveEffectsClick")
        .template method<&UI::openChooseHeroWin>("openChooseHeroWin")
        .template method<&UI::closeChooseHeroWin>("closeChooseHeroWin")
        .template method<&UI::setNewHeroType>("setNewHeroType")
        .template method<&UI::openCurrentLoot>("openCurrentLoot")
        .template method<&UI::closeCurrentLoot>("closeCurrentLoot")
        .template method<&UI::updateGold>("updateGold")
        .template method<&UI::showGoldAnim>("showGoldAnim")
        .template method<&UI::showExpAnim>("showExpAnim")
        .template method<&UI::updateFloor>("updateFloor")
        .template method<&UI::updateHPMPExp>("updateHPMPExp")
        .template method<&UI::updateGoldPosition>("updateGoldPosition")
        .template method<&UI::updateFloorPosition>("updateFloorPosition")
        .template method<&UI::drawMiniMap>("drawMiniMap")
        .template method<&UI::openHotkeyWindow>("openHotkeyWindow")
        .template method<&UI::hotkeyBlacknessClicked>("hotkeyBlacknessClicked")
        .template method<&UI::closeHotkeyWindow>("closeHotkeyWindow")
        .template method<&UI::openUseSpecialWindow>("openUseSpecialWindow")
        .template method<&UI::useSpecialBlacknessClicked>("useSpecialBlacknessClicked")
        .template method<&UI::closeUseSpecialWindow>("closeUseSpecialWindow")
        .template method<&UI::updateFloorTransition>("updateFloorTransition")
        .template method<&UI::openShop>("openShop")
        .template method<&UI::closeShop>("closeShop")
        .template method<&UI::showTitleScreen>("showTitleScreen")
        .template method<&UI::updateTitleScreenButtons>("updateTitleScreenButtons")
        .template method<&UI::optionsClick>("optionsClick")
        .template method<&UI::creditsClick>("creditsClick")
        .template method<&UI::openCredits>("openCredits")
        .template method<&UI::closeCredits>("closeCredits")
        .template method<&UI::exitClick>("exitClick")
        .template method<&UI::createStatChooseMenu>("createStatChooseMenu")
        .template method<&UI::statChooseButtonClick>("statChooseButtonClick")
        .template method<&UI::showStatChooseMenu>("showStatChooseMenu")
        .template method<&UI::closeStatChooseMenu>("closeStatChooseMenu")
        .template method<&UI::updateChooseMenu>("updateChooseMenu")
        .template method<&UI::skillPointsButtonClick>("skillPointsButtonClick")
        .template method<&UI::hideSkillPointsButton>("hideSkillPointsButton")
        .template method<&UI::openSkillTree>("openSkillTree")
        .template method<&UI::closeSkillTree>("closeSkillTree")
        .template method<&UI::startButtonClick>("startButtonClick")
        .template method<&UI::slotClicked>("slotClicked")
        .template method<&UI::startGameWithChosenSlot>("startGameWithChosenSlot")
        .template method<&UI::refreshTown>("refreshTown")
        .template method<&UI::tweenAwayTitleStuff>("tweenAwayTitleStuff")
        .template method<&UI::removeTitleStuff>("removeTitleStuff")
        .template method<&UI::openEscapeLoot>("openEscapeLoot")
        .template method<&UI::closeEscapeLoot>("closeEscapeLoot")
        .template method<&UI::openMap>("openMap")
        .template method<&UI::closeMapBlackClick>("closeMapBlackClick")
        .template method<&UI::closeMap>("closeMap")
        .template method<&UI::openGemShop>("openGemShop")
        .template method<&UI::closeGemShop>("closeGemShop")
        .template method<&UI::showSaveText>("showSaveText")
        .template method<&UI::fadeOutSaveText>("fadeOutSaveText")
        .template method<&UI::showDiaryEntry>("showDiaryEntry")
        .template method<&UI::closeDiaryEntry>("closeDiaryEntry")
        .template method<&UI::showChooseTileStuff>("showChooseTileStuff")
        .template method<&UI::closeChooseTileStuff>("closeChooseTileStuff")
        .template method<&UI::cancelChooseTileClick>("cancelChooseTileClick")
        .template method<&UI::showFloorSkipMenu>("showFloorSkipMenu")
        .template method<&UI::closeFloorSkipMenu>("closeFloorSkipMenu")
        .template method<&UI::cancelFloorSkip>("cancelFloorSkip")
        .template method<&UI::floorSkipClicked>("floorSkipClicked")
        .template method<&UI::openCompareScreen>("openCompareScreen")
        .template method<&UI::closeCompareScreen>("closeCompareScreen")
        .template method<&UI::openChooseFloorWin>("openChooseFloorWin")
        .template method<&UI::closeChooseFloorWin>("closeChooseFloorWin")
        .template method<&UI::closeChooseFloorClick>("closeChooseFloorClick")
        .template method<&UI::floorButtonClick>("floorButtonClick")
        .template method<&UI::floorStartChosen>("floorStartChosen")
        .template method<&UI::showDeathText>("showDeathText")
        .template method<&UI::finishDeath>("finishDeath")
        .template method<&UI::tweenInSprite>("tweenInSprite")
        .template method<&UI::tweenOutSprite>("tweenOutSprite")
        .template method<&UI::removeSpriteAfterTween>("removeSpriteAfterTween")
        .template method<&UI::clearDataClick>("clearDataClick")
        .template method<&UI::clearDataConfirm>("clearDataConfirm")
        .template method<&UI::clearDataCancel>("clearDataCancel")
        .template method<&UI::fadeOutOverWhite>("fadeOutOverWhite")
        .template method<&UI::setStartButtonText>("setStartButtonText")
        .template method<&UI::changeCharButtonClicked>("changeCharButtonClicked")
        .template method<&UI::saveButtonClicked>("saveButtonClicked")
        .template method<&UI::quitButtonClicked>("quitButtonClicked")
        .template method<&UI::quitConfirm>("quitConfirm")
        .template method<&UI::fadeOutQuitBlack>("fadeOutQuitBlack")
        .template method<&UI::quitCancel>("quitCancel")
        .template method<&UI::exitButtonClicked>("exitButtonClicked")
        .template method<&UI::exitConfirm>("exitConfirm")
        .template method<&UI::fadeOutExitBlack>("fadeOutExitBlack")
        .template method<&UI::exitCancel>("exitCancel")
        .template method<&UI::sorcerorKilledFlash>("sorcerorKilledFlash")
        .template method<&UI::flashWhite>("flashWhite")
        .template method<&UI::fadeWhiteFromSorceror>("fadeWhiteFromSorceror")
        .template method<&UI::taloranOver>("taloranOver")
        .template method<&UI::taloranOut>("taloranOut")
        .template method<&UI::taloranClick>("taloranClick")
        .template method<&UI::reCreateUI>("reCreateUI")
        .emptyInstance();
})
