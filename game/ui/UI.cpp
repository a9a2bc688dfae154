#include "UI.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "ActiveEffectsWindow.h"
#include "DiaryEntry.h"
#include "EnemyDetailsWindow.h"
#include "HPMPHud.h"
#include "HotkeyWindow.h"
#include "ItemInventory.h"
#include "UIActiveEffectsHUD.h"
#include "UIChooseHeroWindow.h"
#include "UIMoreStatsWindow.h"
#include "UseSpecialWindow.h"
#include "StatGemChooseButton.h"
#include "UIDataHook.h"
#include "UISlotWindow.h"
#include "UIHudLink.h"
#include "framework/events/MouseEvent.h"
#include "game/map/MapState.h"
#include "engine/EngG.h"
#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "game/battle/Battle.h"
#include "game/battle/Effects.h"
#include "game/battle/Hero.h"
#include "game/floor/SecretTile.h"
#include "game/floor/SoulCrystal.h"
#include "game/floor/StatGem.h"
#include "game/floor/TiledMap.h"
#include "game/kit/BaseScroller.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/map/NPC.h"
#include "game/ui/Speech.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "game/shell/Audio.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/F.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/town/UIGemShop.h"
#include "game/kit/TweenProps.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Trace.h"
#include "tween/Tweener.h"
#include "tween/easing/Back.h"
#include "tween/easing/Bounce.h"
#include "tween/easing/Cubic.h"
#include "tween/easing/Linear.h"
#include "framework/net/URLRequest.h"
#include "framework/system/System.h"
#include "game/data/MonsterData.h"
#include "platform/runtime/ClassInfo.h"
#include "tween/easing/Quart.h"
#include "tween/easing/Quint.h"

namespace game {

using framework::DisplayObject;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

double centerX() { return Game::gameCenter ? Game::gameCenter->x : 0; }
double centerY() { return Game::gameCenter ? Game::gameCenter->y : 0; }
int menuWidth() { return static_cast<int>(std::min(static_cast<double>(UI::UI_WIN_MAX_WIDTH), static_cast<double>(Game::gameWidth))); }
int menuHeight() { return static_cast<int>(std::min(static_cast<double>(UI::UI_WIN_MAX_HEIGHT), static_cast<double>(Game::gameHeight))); }

bool inBattle() { return G::mapState && G::mapState->inBattle; }

void setMovementDisabled(bool disabled) {
    if (G::mapState) G::mapState->disableMovement = disabled;
}

void addTo(const Ref<framework::DisplayObjectContainer>& parent, const Ref<DisplayObject>& child) {
    if (parent && child) parent->addChild(child);
}

void removeFrom(const Ref<framework::DisplayObjectContainer>& parent, const Ref<DisplayObject>& child) {
    if (parent && child && child->get_parent() == parent.get()) parent->removeChild(child);
}

void centre(const Ref<DisplayObject>& window, double width, double height) {
    if (!window) return;
    window->set_x(centerX() - width * 0.5);
    window->set_y(centerY() - height * 0.5);
}

double numberField(const Ref<runtime::Object>& object, const char* name) {
    return object ? Value(object).field(name).toFloat() : 0;
}

}  // namespace

UI::UI() {
    selectedWindow = -1;
    initialize(true);
    DataUI::install(std::make_shared<UIDataHook>(Ref<UI>(this)));
    HudLink::install(std::make_shared<UIHudLink>(Ref<UI>(this)));
}

Value UI::send(const Ref<runtime::Object>& window, const char* operation, std::initializer_list<Value> args) {
    if (window) {
        const Value method = Value(window).field(operation);
        if (auto* f = method.function()) return f->callArgs(args.begin(), static_cast<int>(args.size()));
    }
    notBuilt(operation);
    return Value();
}

Ref<Function> UI::equipmentCallback(const char* operation, bool deselect) {
    if (equipment)
        if (const Value method = Value(equipment).field(operation); method.function())
            return Ref<Function>(method.function());
    return deselect ? Function::of<&UI::nullItemDeselect>() : Function::of<&UI::nullItemSelectUse>();
}

void UI::notBuilt([[maybe_unused]] const char* operation) {
#ifndef NDEBUG
    static std::set<std::string> told;
    if (told.insert(operation).second) RUNTIME_TRACE(Value(std::string("UI: no window for ") + operation));
#endif
}


bool UI::modalWindowOpen() const {
    return slotWinOpen || chooseHeroWinOpen || chooseMenuOpen || yesNoWinOpen || messageWinOpen ||
           loadingScreenOpen || resizeScreenOpen || (deathText && deathText->get_parent());
}

void UI::nullItemSelectUse(const Ref<Item>&) {}
void UI::nullItemDeselect() {}

namespace {

// Sets every live frame constant for 30 frames per second (at30) or back to its 60 value.
void setFrameConstants(bool at30) {
    auto frames = [at30](int& live, int at60) { live = at30 ? static_cast<int>(at60 * 0.5) : at60; };
    BaseScroller::SCROLL_SPEED_MAX = at30 ? static_cast<int>(BaseScroller::SCROLL_SPEED_MAX_60FPS * 2)
                                          : BaseScroller::SCROLL_SPEED_MAX_60FPS;
    frames(Battle::BLEED_DRAIN_FRAMES, Battle::BLEED_DRAIN_FRAMES_60FPS);
    frames(Battle::RUN_AWAY_FRAMES, Battle::RUN_AWAY_FRAMES_60FPS);
    frames(DemonOrb::BIG_TIME, DemonOrb::BIG_TIME_60FPS);
    UICredits::SCROLL_SPEED_MAX = at30 ? std::trunc(UICredits::SCROLL_SPEED_MAX_60FPS * 0.5) : UICredits::SCROLL_SPEED_MAX_60FPS;
    UICredits::SCROLL_SPEED_AUTO =
        at30 ? std::trunc(UICredits::SCROLL_SPEED_AUTO_60FPS * 0.5) : UICredits::SCROLL_SPEED_AUTO_60FPS;
    BitmapSprite::GRAVITY = at30 ? BitmapSprite::GRAVITY_60FPS * 3 : BitmapSprite::GRAVITY_60FPS;
    frames(ItemIconAnimated::ITEM_ANIM_FRAMES, ItemIconAnimated::ITEM_ANIM_FRAMES_60FPS);
    ItemIconAnimated::VELOCITY =
        at30 ? static_cast<int>(ItemIconAnimated::VELOCITY_60FPS * 1.5) : ItemIconAnimated::VELOCITY_60FPS;
    MapState::setFrameRate(at30 ? 30 : 60);
    frames(NPC::SORCEROR_HOVER_PERIOD, NPC::SORCEROR_HOVER_PERIOD_60FPS);
    frames(Speech::OPEN_FRAMES, Speech::OPEN_FRAMES_60FPS);
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

// ---- construction ----

void UI::initialize(bool firstTime) {
    const int W = Game::gameWidth, H = Game::gameHeight;
    const int Wm = menuWidth(), Hm = menuHeight();
    if (firstTime) {
        transitionLayer = make<framework::Sprite>();
        rainLayer = make<framework::Sprite>();
        rainBG = make<framework::Bitmap>(make<framework::BitmapData>(2, 2, true, static_cast<int>(0x66222F4E)));
        rainLayer->addChild(rainBG);
        rainLayer->set_visible(false);

        mainLayer = make<BitmapSprite>();
        caveLayer = make<BitmapSprite>();
        overLayer = make<BitmapSprite>();
        set_mouseEnabled(false);
        rainLayer->set_mouseChildren(false);
        rainLayer->set_mouseEnabled(false);
        caveLayer->set_mouseEnabled(false);
        overLayer->set_mouseEnabled(false);

        overBlack = make<BitmapSprite>(BMDCache::blackSquare2x2, false);
        overBlack2 = make<BitmapSprite>(BMDCache::blackSquare2x2, false);
        overWhite = make<BitmapSprite>(BMDCache::whiteSquare2x2, false);

        UIWinHolder = make<framework::Sprite>();
        UIWinBG = make<BitmapSprite>(BMDCache::blackSquare2x2, false);
        UIWinBG->set_alpha(0.5);
        UIWinBG->set_visible(false);

        itemsButton = make<BasicButton>(70, 66, 3);
        itemsButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::itemsClick>(this));
        auto itemsIconData = PixelSmoother::smoothAsset("assets/ui/itemsButtonSmall.png");
        auto itemsIcon = make<framework::Bitmap>(itemsIconData);
        const double iconWidth = itemsIconData ? itemsIconData->get_width() : 0;
        const double iconHeight = itemsIconData ? itemsIconData->get_height() : 0;
        itemsIcon->set_x(std::trunc(itemsButton->buttonWidth * 0.5 - iconWidth * 0.5));
        itemsIcon->set_y(std::trunc(itemsButton->buttonHeight * 0.5 - iconHeight * 0.5) + 3);
        itemsButton->addChild(itemsIcon);

        MiniMap::MAP_WIDTH = MiniMap::MAP_HEIGHT = C::MAP_SIZE * 3 + 16;
        mapWindow = make<MapWindow>();
        mapWindow->initialize();
        miniMap = make<MiniMap>();
        fps = make<FPSCounter>();

        goldSprite = make<BitmapSprite>();
        goldIcon = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/goldIcon.png"));
        goldSprite->addChild(goldIcon);
        goldText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, false, -1);
        goldText->set_x(20);
        goldText->set_y(1);
        goldSprite->addChild(goldText);
        goldSprite->set_y(5);

        floorText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "", false, -1, 2, true);
        floorText->set_x(centerX());
        floorText->set_y(5);
        floorText->set_mouseEnabled(false);

        gameSavedText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Game Saved", false, -1, 2, false, 0,
                                         false, false, -5.0, 2, true);
        gameSavedText->set_alpha(0);

        chooseTileText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Choose a tile!", false, -1, 2, true, 0,
                                          false, false, -5.0, 2, true);
        chooseTileCancel = make<BasicButton>(
            80, 40, 0, -1, BasicButton::COLOR_RED, true,
            make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Cancel", false, -1, 2, true, 0, false, false, -5.0,
                             2, true));
        chooseTileCancel->addEventListener(framework::MouseEvent::CLICK,
                                           Function::method<&UI::cancelChooseTileClick>(this));

        deathText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "You were never seen again.", false, -1, 2, true, 0,
                                     false, false, -5.0, 2, true);
        deathText2 = make<TextSprite>(
            TextSprite::MEDIEVAL_SANS_14,
            F::setStringForMobile(F::setStringForMobile("- Click anywhere to return to town before this run -")), false,
            -1, 2, true, 0, false, false, -5.0, 2, true);

        loadingScreen = make<UILoadingScreen>();
        resizeScreen = make<UIResizeScreen>();

        skillPointsButton = make<BasicButton>(
            100, 50, 1, -1, BasicButton::COLOR_BLACK, true,
            make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Skill Points Available!", true, 100, 2, true, -1,
                             false, false, -5.0, 2, true));
        skillPointsButton->addEventListener(framework::MouseEvent::CLICK,
                                            Function::method<&UI::skillPointsButtonClick>(this));

        hpmpHud = make<HPMPHud>();
        hpmpHud->set_x(5);
        hpmpHud->set_y(5);
        compareScreen = make<UICompareEquipped>();
        settingsDetails = make<UISettingsDetails>();
        activeEffectsHUD = make<UIActiveEffectsHUD>();
        activeEffectsHUD->set_x(hpmpHud->get_x() + 154);
        activeEffectsHUD->set_y(hpmpHud->get_y());
        activeEffectsWindow = make<ActiveEffectsWindow>();
        enemyDetailsWindow = make<EnemyDetailsWindow>();
        enemyDetailsWindow->ignoreDestroy = true;
        enemyDetailsWindow->set_x(-EnemyDetailsWindow::WIDTH);
        enemyDetailsWindow->set_y(70);

        createChooseFloorWindow();
        createOptionsWindow();
        gemShop = make<UIGemShop>();

        mainLayer->addChild(itemsButton);
        mainLayer->addChild(UIWinHolder);
        UIWinHolder->addChild(UIWinBG);
        caveLayer->addChild(miniMap);
        mainLayer->addChild(fps);
        caveLayer->addChild(goldSprite);
        caveLayer->addChild(floorText);
        addTo(caveLayer, hpmpHud);
        overLayer->addChild(gameSavedText);
        addTo(caveLayer, enemyDetailsWindow);
        addTo(caveLayer, activeEffectsHUD);
        caveLayer->addChild(skillPointsButton);
        addTo(caveLayer, stairsShortcutWindow);
    } else {
        if (inventory) {
            send(Value(inventory).field("itemScroller").as<runtime::Object>(), "removeAllEventListeners");
            send(inventory, "deselectItem");
        }
        if (menuOpen) closeMenu();
        if (shopOpen) closeShop();
        if (hotkeysOpen) closeHotkeyWindow();
        if (escapeLootOpen) closeEscapeLoot();
        if (skillTreeOpen) closeSkillTree();
        if (moreStatsOpen) closeMoreStatsWin();
        if (slotWinOpen) closeSlotWin();
        if (activeEffectsOpen) closeActiveEffects();
        if (useSpecialOpen) closeUseSpecialWindow();
        removeFrom(mainLayer, hotkeys);
        for (const SpriteRef& window : {hotkeys, inventory, SpriteRef(panel), SpriteRef(equipment), crafting, SpriteRef(shop)})
            if (window) window->destroy(true);
        if (currentLootWindow) currentLootWindow->destroy(true);
        if (lootDetails) lootDetails->destroy(true);
        compareScreen->positionWindows();
        loadingScreen->resizeScreen();
        if (settingsDetails) settingsDetails->positionEverything();
        if (creditsScreen) {
            const bool wasOpen = creditsOpen;
            if (wasOpen) closeCredits();
            creditsScreen->destroy(true);
            creditsScreen = nullptr;
            if (wasOpen) openCredits();
        }
    }

    transitionBarThickness =
        static_cast<int>(std::max(std::floor(static_cast<double>(Game::screenWidth) / (NUM_TRANSITION_BARS - 10) + 0.5),
                                  std::floor(static_cast<double>(Game::screenHeight) / (NUM_TRANSITION_BARS - 10) + 0.5))) +
        4;
    rainBG->set_width(W);
    rainBG->set_height(H);
    for (const Ref<DisplayObject>& layer : std::initializer_list<Ref<DisplayObject>>{
             transitionLayer, rainLayer, caveLayer, mainLayer, overLayer})
        addChild(layer);
    for (const SpriteRef& overlay : {overBlack, overBlack2, overWhite}) {
        overlay->set_width(W);
        overlay->set_height(H);
    }

    // The menu's panels (tab bar, tabs, inventory, hotkey bar, shop, loot); those whose classes
    // are not made yet leave their places empty.
    panel = make<UIButtonPanel>(116, Hm - 188);
    panel->set_x(Wm - PANEL_WIDTH);
    panel->set_y(4);
    equipment = make<UIEquipment>(Wm - PANEL_WIDTH, Hm - INVENTORY_HEIGHT);
    crafting = nullptr;
    inventory = make<ItemInventory>(equipmentCallback("selectItem", false), equipmentCallback("useItem", false),
                                    equipmentCallback("deselectItem", true));
    inventory->set_y(Hm - INVENTORY_HEIGHT);
    hotkeys = make<HotkeyWindow>(hotkeyBarWidth(), HOTKEYS_HEIGHT);
    shop = make<UIShop>(Wm, Hm - INVENTORY_HEIGHT);
    currentLootWindow = make<UILoot>(Wm - PANEL_WIDTH, Hm - INVENTORY_HEIGHT);
    lootDetails = make<LootDetails>(Wm - 140, Hm - 250);
    if (hotkeys) {
        hotkeys->set_y(H - HOTKEYS_HEIGHT);
        mainLayer->addChildAt(hotkeys, 0);
    }
    const double hotkeysX = hotkeys ? hotkeys->get_x() : 0;
    const double hotkeysWidth = hotkeys ? numberField(hotkeys, "winWidth") : hotkeyBarWidth();
    itemsButton->set_x(hotkeysX + hotkeysWidth);
    itemsButton->set_y(H - itemsButton->buttonHeight);

    UIWinHolder->set_x(std::trunc((W - UI_WIN_MAX_WIDTH) * 0.5));
    UIWinHolder->set_y(std::trunc((H - UI_WIN_MAX_HEIGHT) * 0.5));
    UIWinBG->set_x(-UIWinHolder->get_x());
    UIWinBG->set_y(-UIWinHolder->get_y());
    UIWinBG->set_width(W);
    UIWinBG->set_height(H);

    centre(mapWindow, mapWindow->winWidth, mapWindow->winHeight);
    miniMap->set_x(W - MiniMap::MAP_WIDTH);
    fps->set_x(W - MiniMap::MAP_WIDTH - 100);
    fps->set_y(30);

    updateGold();
    updateFloor();
    createStatChooseMenu(firstTime);

    gameSavedText->set_y(H - 90);
    chooseTileText->set_x(W * 0.5 - 70);
    chooseTileText->set_y(H - 92);
    chooseTileCancel->set_x(W * 0.5 + 25);
    chooseTileCancel->set_y(chooseTileText->get_y() - 10);

    createSettingsWin(Wm - PANEL_WIDTH, Hm - INVENTORY_HEIGHT, firstTime);

    if (activeEffectsWindow) activeEffectsWindow->set_x(centerX() - 120);
    deathText->set_x(centerX());
    deathText->set_y(centerY() - 9);
    deathText2->set_x(centerX());
    deathText2->set_y(centerY() + 200);
    skillPointsButton->set_x(W);
    skillPointsButton->set_y(MiniMap::MAP_HEIGHT + 10);
    if (chooseFloorWin) centre(chooseFloorWin, chooseFloorWin->winWidth, chooseFloorWin->winHeight);
    if (optionsWindow) centre(optionsWindow, optionsWindow->winWidth, optionsWindow->winHeight);
    createTitleScreenStuff(firstTime);
    if (gemShop) centre(gemShop, numberField(gemShop, "winWidth"), numberField(gemShop, "winHeight"));
    if (stairsShortcutWindow) {
        stairsShortcutWindow->set_x(W - numberField(stairsShortcutWindow, "buttonWidth") - MiniMap::MAP_WIDTH);
        stairsShortcutWindow->set_y(MiniMap::MAP_HEIGHT - numberField(stairsShortcutWindow, "buttonHeight"));
        send(stairsShortcutWindow, "setOrigin");
    }
    if (rainCreated) createRain(firstTime);
    if (!Game::releaseVersion) createFloorSkipMenu();
}

int UI::hotkeyBarWidth() {
    return static_cast<int>(std::min(675.0, static_cast<double>(Game::gameWidth - 100)));
}

void UI::reCreateUI() {
    initialize(false);
    if (titleShowing) updateTitleScreenButtons();
    if (chooseHeroWinOpen) openChooseHeroWin();
    if (G::mapState) G::mapState->updateCamera();
    updateFloorPosition();
}

// ---- frame drive ----

void UI::update() {
    if (!Game::releaseVersion && fps->get_visible()) fps->update();
    if (skillPointsShowTime > 0 && --skillPointsShowTime == 0) hideSkillPointsButton();
    if (menuOpen && selectedWindow == WIN_EQUIPMENT && equipment)
        equipment->skillsIconGoldGlow->set_alpha(
            GameData::skillPoints > 0 ? (std::sin(G::frameCount / 15.0) + 1) * 0.5 * 0.8 : 0);
    if (hotkeys) send(hotkeys, "update");
}

void UI::updatePausedStuff() {
    if (inventoryOpen) {
        send(inventory, "update");
        if (shopOpen) shop->update();
        if (currentLootOpen) lootDetails->update();
        else if (bestiaryOpen) send(bestiaryWin, "update");
    }
    if (chooseMenuOpen) updateChooseMenu();
    if (skillTreeOpen && skillTreeMenu) {
        if (skillTreeMenu->building) skillTreeMenu->updateBuild();
        else skillTreeMenu->update();
    }
    if (creditsOpen && creditsScreen) creditsScreen->update();
    if (escapeLootOpen) {
        lootDetails->update();
        if (escapeLootWindow) escapeLootWindow->update();
    }
    if (settingsOpen && settingsDetails) settingsDetails->update();
    if (gemShopOpen)
        if (auto shop = gemShop.cast<UIGemShop>()) shop->update();
    if (slotWinOpen) send(slotWindow, "update");
}

// ---- menu and tabs ----

void UI::itemsClick(const EventRef&) {
    if (!itemsButton->disabled && !G::disableMenu) openMenu();
}

void UI::disableButtons() {
    itemsButton->disable();
    miniMap->button->disable();
    if (hotkeys) send(Value(hotkeys).field("editButton").as<runtime::Object>(), "disable");
}

void UI::enableButtons() {
    itemsButton->enable();
    miniMap->button->enable();
    if (hotkeys) send(Value(hotkeys).field("editButton").as<runtime::Object>(), "enable");
}

void UI::openInventory() {
    G::pauseGame = true;
    inventoryOpen = true;
    for (const SpriteRef& figure : {hpmpHud, SpriteRef(floorText), goldSprite, SpriteRef(miniMap)}) removeFrom(caveLayer, figure);
    addTo(UIWinHolder, inventory);
    UIWinBG->set_visible(true);
    send(inventory, "updateItems");
}

void UI::closeInventory() {
    send(inventory, "deselectItem");
    G::pauseGame = false;
    inventoryOpen = false;
    removeFrom(UIWinHolder, inventory);
    UIWinBG->set_visible(false);
    for (const SpriteRef& figure : {hpmpHud, SpriteRef(floorText), goldSprite, SpriteRef(miniMap)}) addTo(caveLayer, figure);
}

void UI::setInventoryCallbacks(const SpriteRef& owner, const char* select, const char* use, const char* deselect) {
    if (!inventory || !owner) return;
    send(inventory, "setScrollerFunctions",
         {Value(owner).field(select), Value(owner).field(use), Value(owner).field(deselect)});
}

void UI::openMenu() {
    // A modal window (slot or hero choice, level-up ring, death screen, question or message)
    // keeps the menu shut.
    if (menuOpen || modalWindowOpen()) return;
    menuOpen = true;
    caveLayer->set_visible(false);
    openInventory();
    setInventoryCallbacks(equipment, "selectItem", "useItem", "deselectItem");
    if (inBattle()) equipment->disableIconsForBattle();
    openWindow(WIN_EQUIPMENT);
    panel->selectTab(selectedWindow);
}

void UI::closeMenu() {
    menuOpen = false;
    caveLayer->set_visible(GameData::inCave);
    removeFrom(UIWinHolder, panel);
    UIWinBG->set_visible(false);
    closeCurrentWindow();
    closeInventory();
    updateGoldPosition();
    updateFloorPosition();
    if (hotkeysOpen) closeHotkeyWindow();
    atForge = false;
    if (exitingToTitle) G::pauseGame = true;
    exitingToTitle = false;
}

void UI::openWindow(int tabId) {
    closeCurrentWindow();
    panel->selectTab(tabId);
    switch (tabId) {
        case WIN_EQUIPMENT: openEquipment(); break;
        case WIN_CRAFTING: openCrafting(); break;
        case WIN_LOOT: openCurrentLoot(); break;
        case WIN_SETTINGS: openSettings(); break;
        case WIN_BESTIARY: openBestiary(); break;
        default: break;
    }
    addTo(UIWinHolder, panel);
    addTo(UIWinHolder, inventory);
    UIWinBG->set_visible(true);
    selectedWindow = tabId;
}

void UI::closeCurrentWindow() {
    switch (selectedWindow) {
        case WIN_EQUIPMENT: closeEquipment(); break;
        case WIN_CRAFTING: closeCrafting(); break;
        case WIN_LOOT: closeCurrentLoot(); break;
        case WIN_SETTINGS: closeSettings(); break;
        case WIN_BESTIARY: closeBestiary(); break;
        default: break;
    }
    send(inventory, "deselectItem");
    selectedWindow = -1;
}

void UI::openEquipment() {
    equipmentOpen = true;
    addTo(UIWinHolder, equipment);
    UIWinBG->set_visible(true);
    if (hpmpHud) equipment->guyWindow->addChildAt(hpmpHud, 1);
    addTo(equipment->guyWindow, floorText);
    addTo(equipment->guyWindow, goldSprite);
    equipment->statsDetails->updateStats();
    updateGoldPosition();
    updateFloorPosition();
    setInventoryCallbacks(equipment, "selectItem", "useItem", "deselectItem");
    send(inventory, "deselectItem");
    send(inventory, "updateItems");
}

void UI::closeEquipment() {
    equipmentOpen = false;
    removeFrom(UIWinHolder, equipment);
    for (const SpriteRef& figure : {hpmpHud, SpriteRef(floorText), goldSprite}) removeFrom(equipment->guyWindow, figure);
    equipment->deselectSlot();
    equipment->deselectItem();
}

void UI::showHintOnce(int id, const Ref<MessageWindow>& window) {
    if (id < 0) return;
    while (static_cast<int>(GameData::messageWins.size()) <= id) GameData::messageWins.push_back(false);
    if (GameData::messageWins[id]) return;
    GameData::messageWins[id] = true;
    if (window) openMessageWin(window);
}

void UI::openCrafting() {
    craftingOpen = true;
    addTo(UIWinHolder, crafting);
    UIWinBG->set_visible(true);
    setInventoryCallbacks(crafting, "selectItem", "useItem", "deselectItem");
    send(inventory, "deselectItem");
    if (atForge) send(crafting, "enableForge");
    if (crafting) send(Value(crafting).field("mpHud").as<runtime::Object>(), "update", {Value()});
    if (crafting) Value(crafting).setField("equippedItem", Value());
    send(inventory, "updateItems");
    showHintOnce(MessageWindow::ID_CRAFTING, MessageWindow::WIN_CRAFTING);
}

void UI::closeCrafting() {
    craftingOpen = false;
    send(crafting, "disableForge");
    removeFrom(UIWinHolder, crafting);
    send(crafting, "close");
    send(crafting, "deselectItem");
    send(crafting, "deselectSlot");
}

void UI::openSettings() {
    settingsOpen = true;
    if (!settingsWin || !settingsDetails) {
        notBuilt("openSettings");
        return;
    }
    addTo(UIWinHolder, settingsWin);
    UIWinBG->set_visible(true);
    settingsWin->addChild(settingsDetails);
    settingsDetails->initializeSliders();
    settingsDetails->set_x(std::trunc((menuWidth() - PANEL_WIDTH) * 0.66 - 230));
    settingsDetails->set_y(std::trunc((menuHeight() - INVENTORY_HEIGHT) * 0.5 - 168));
    if (GameData::inCave) setInCaveSettingsButtons();
    else setInTownSettingsButtons();
    if (saveButton) {
        if (inBattle()) saveButton->disable();
        else saveButton->enable();
    }
}

void UI::closeSettings() {
    settingsOpen = false;
    removeFrom(UIWinHolder, settingsWin);
    removeFrom(settingsWin, settingsDetails);
    if (!exitingToTitle) Data::saveAllData(false);
}

void UI::setInCaveSettingsButtons() {
    if (quitButton) quitButton->enable();
    if (changeCharButton) changeCharButton->disable();
}

void UI::setInTownSettingsButtons() {
    if (quitButton) quitButton->disable();
    if (changeCharButton) changeCharButton->enable();
}

void UI::openBestiary() {
    bestiaryOpen = true;
    if (!bestiaryWin) {
        notBuilt("openBestiary");
        return;
    }
    addTo(UIWinHolder, bestiaryWin);
    UIWinBG->set_visible(true);
    send(Value(bestiaryWin).field("monsterScroller").as<runtime::Object>(), "setMonsters");
    send(bestiaryWin, "deselectMonster");
}

void UI::closeBestiary() {
    bestiaryOpen = false;
    if (!bestiaryWin) return;
    removeFrom(UIWinHolder, bestiaryWin);
    bestiaryWin->destroy(true);
    bestiaryWin = nullptr;
}

void UI::openMuseum() {
    if (!museum) {
        notBuilt("openMuseum");
        return;
    }
    G::pauseGame = true;
    museumOpen = true;
    inventoryOpen = true;
    addTo(UIWinHolder, museum);
    addTo(UIWinHolder, inventory);
    UIWinBG->set_visible(true);
    setInventoryCallbacks(museum, "selectItem", "useItem", "deselectItem");
    send(inventory, "deselectItem");
    send(inventory, "updateItems");
    showHintOnce(MessageWindow::ID_MUSEUM, MessageWindow::WIN_MUSEUM);
}

void UI::closeMuseum() {
    G::pauseGame = false;
    museumOpen = false;
    inventoryOpen = false;
    removeFrom(UIWinHolder, museum);
    removeFrom(UIWinHolder, inventory);
    UIWinBG->set_visible(false);
    send(museum, "deselectItem");
    // The step to the right out of the museum belongs to the museum's own class.
    if (museum) museum->destroy(true);
    museum = nullptr;
}

// ---- modal windows and notices ----

void UI::openYesNoWin(const Ref<YesNoWindow>& win) {
    yesNoWinOpen = true;
    yesNoWin = win;
    win->set_x(std::trunc(centerX() - win->winWidth * 0.5));
    win->set_y(std::trunc(centerY() - win->winHeight * 0.5));
    tweenInSprite(overBlack2, false, 0.5);
    tweenInSprite(win, false);
}

void UI::closeYesNoWin() {
    yesNoWinOpen = false;
    tweenOutSprite(overBlack2, false);
    if (yesNoWin) tweenOutSprite(yesNoWin, false);
}

void UI::openMessageWin(const Ref<MessageWindow>& win) {
    // The locks as they were before the first of a run of message windows, so that closing it
    // gives back only what it took (a scripted scene keeps its own locks).
    if (!messageWinOpen) {
        lockedBeforeMessage = {G::disableMenu, G::mapState && G::mapState->disableMovement};
    }
    messageWindow = win;
    win->set_x(std::trunc(centerX() - win->winWidth * 0.5));
    win->set_y(std::trunc(centerY() - win->winHeight * 0.5));
    tweenInSprite(overBlack2, false, 0.5);
    tweenInSprite(win, false);
    setMovementDisabled(true);
    G::disableMenu = true;
    messageWinOpen = true;
}

void UI::closeMessageWin() {
    if (messageWindow) tweenOutSprite(messageWindow, false);
    if (messageWindow && messageWindow == MessageWindow::WIN_BEAT_THE_DEMON && MessageWindow::WIN_NEW_GAME_PLUS) {
        openMessageWin(MessageWindow::WIN_NEW_GAME_PLUS);
        return;
    }
    tweenOutSprite(overBlack2, false);
    setMovementDisabled(lockedBeforeMessage.movement);
    G::disableMenu = lockedBeforeMessage.menu;
    messageWinOpen = false;
}

void UI::openLoadingScreen(bool instant) {
    if (instant) {
        overLayer->addChild(loadingScreen);
        loadingScreen->set_alpha(1);
        loadingScreen->set_visible(true);
    } else {
        tweenInSprite(loadingScreen, false);
    }
    setMovementDisabled(true);
    G::disableMenu = true;
    loadingScreenOpen = true;
    loadingScreen->update(0);
}

void UI::closeLoadingScreen(bool instant) {
    if (!instant) tweenOutSprite(loadingScreen, false);
    else if (auto parent = loadingScreen->get_parent()) parent->removeChild(loadingScreen);
    setMovementDisabled(false);
    G::disableMenu = false;
    loadingScreenOpen = false;
}

void UI::openResizeScreen() {
    overLayer->addChild(resizeScreen);
    setMovementDisabled(true);
    G::disableMenu = true;
    resizeScreenOpen = true;
}

void UI::closeResizeScreen() {
    if (auto parent = resizeScreen->get_parent()) parent->removeChild(resizeScreen);
    if (!titleShowing) {
        setMovementDisabled(false);
        G::disableMenu = false;
    }
    resizeScreenOpen = false;
}

// ---- HUD figures ----

void UI::updateGold() {
    goldText->set_text(std::to_string(GameData::gold));
    updateGoldPosition();
}

void UI::updateGoldPosition() {
    const double textWidth = goldText->textWidth;
    if (shopOpen) {
        goldSprite->set_x(menuWidth() - textWidth - goldText->get_x() - 10);
        goldSprite->set_y(126);
    } else if (inventoryOpen && equipment) {
        auto guyWindow = Value(equipment).field("guyWindow");
        goldSprite->set_x(guyWindow.field("winWidth").toFloat() - textWidth - goldText->get_x() - 120 - 4);
        goldSprite->set_y(28);
    } else {
        goldSprite->set_x(Game::gameWidth - textWidth - goldText->get_x() - 10 - MiniMap::MAP_WIDTH);
        goldSprite->set_y(5);
    }
}

void UI::updateFloor() {
    floorText->set_text(GameData::inCave ? "Floor " + std::to_string(GameData::currentFloor) : std::string("Town"));
}

void UI::updateFloorPosition() {
    if (inventoryOpen && equipment) {
        auto guyWindow = Value(equipment).field("guyWindow");
        floorText->set_x(std::trunc(guyWindow.field("winWidth").toFloat() - floorText->textWidth * 0.5 - 4 - 120));
    } else {
        floorText->set_x(centerX());
    }
}

void UI::updateHPMPExp(std::optional<int> hpChange, std::optional<int> mpChange, std::optional<int> expChange) {
    auto asValue = [](std::optional<int> v) { return v ? Value(*v) : Value(); };
    if (hpmpHud) send(hpmpHud, "update", {asValue(hpChange), asValue(mpChange), asValue(expChange)});
    if (G::mapState)
        G::mapState->healthIsLow = static_cast<double>(GameData::hp) / static_cast<double>(GameData::maxHP) < 0.2;
}

void UI::startFloatingText(const Ref<TextSprite>& text) {
    if (auto actuator = ::tween::Tweener::tween(text, 3, TweenProps::of({{"y", text->get_y() + 20}, {"alpha", 0}}))) {
        actuator->ease(::tween::Quart::get_easeOut());
        text->tween(actuator);
    }
    if (G::mapState) G::mapState->menuEffects.push_back(text);
}

void UI::showGoldAnim(int amount) {
    const bool gain = amount >= 0;
    auto text = make<TextSprite>(gain ? TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW : TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED,
                                 gain ? "+" + std::to_string(amount) : std::to_string(amount), false, -1, 2, false, -1);
    text->set_x(goldText->get_x() + goldText->textWidth - text->textWidth);
    text->set_y(goldText->get_y() + 8);
    goldSprite->addChild(text);
    startFloatingText(text);
}

void UI::showExpAnim(int amount) {
    auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "Exp + " + std::to_string(amount), false,
                                 -1, 2, false, -1);
    text->set_x((hpmpHud ? hpmpHud->get_x() : 5) + 20);
    text->set_y((hpmpHud ? hpmpHud->get_y() : 5) + 65);
    mainLayer->addChild(text);
    startFloatingText(text);
}

void UI::drawMiniMap(const Ref<MapData>& mapData) { miniMap->updateMap(mapData); }

void UI::showSaveText() {
    gameSavedText->set_visible(true);
    gameSavedText->set_alpha(1);
    gameSavedText->set_x(-gameSavedText->textWidth);
    if (auto actuator = ::tween::Tweener::tween(gameSavedText, 0.4, TweenProps::of({{"x", 4}})))
        actuator->onComplete(Function::method<&UI::fadeOutSaveText>(this));
}

void UI::fadeOutSaveText() {
    if (auto actuator = ::tween::Tweener::tween(gameSavedText, 1, TweenProps::of({{"alpha", 0}}))) actuator->delay(0.5);
}

// ---- fades ----

void UI::tweenInSprite(const Ref<DisplayObject>& sprite, bool overlay, double alpha, double overlayAlpha,
                       double seconds, const Ref<Function>& onComplete) {
    if (overlay) {
        overBlack->set_alpha(0);
        overBlack->set_visible(true);
        tweenInSprite(overBlack, false, overlayAlpha, 0.5, seconds);
    }
    overLayer->addChild(sprite);
    sprite->set_alpha(0);
    sprite->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(sprite, seconds, TweenProps::of({{"alpha", alpha}}))) {
        actuator->ease(::tween::Linear::get_easeNone());
        actuator->onComplete(onComplete ? onComplete : Function::of<&UI::nullItemDeselect>());
    }
}

void UI::tweenOutSprite(const Ref<DisplayObject>& sprite, bool overlay, double seconds) {
    if (overlay) tweenOutSprite(overBlack, false);
    if (auto actuator = ::tween::Tweener::tween(sprite, seconds, TweenProps::of({{"alpha", 0}}))) {
        runtime::Weak<UI> self(this);
        actuator->onComplete(Function::of([self, sprite] {
            if (auto ui = self.lock()) ui->removeSpriteAfterTween(sprite);
        }));
        actuator->ease(::tween::Linear::get_easeNone());
    }
    tweeningOutWindow = true;
}

void UI::removeSpriteAfterTween(const Ref<DisplayObject>& sprite) {
    tweeningOutWindow = false;
    if (auto parent = sprite->get_parent()) parent->removeChild(sprite);
}

void UI::setStartButtonText() {}

// ---- operations of windows made elsewhere ----

// ---- rain and lightning ----

void UI::createRain(bool cacheSplashes) {
    const int W = Game::gameWidth, H = Game::gameHeight;
    // A re-layout makes the rain again: the cells and flash of the old size go.
    for (const auto& cell : rainTiles) removeFrom(rainLayer, cell);
    rainTiles.clear();
    if (lightningFlash) removeFrom(rainLayer, lightningFlash);
    auto flash = make<framework::Bitmap>(BMDCache::whiteSquare2x2);
    flash->set_width(W);
    flash->set_height(H);
    flash->set_visible(false);
    rainLayer->addChild(flash);
    lightningFlash = flash;
    for (int x = 0; x < W; x += RAIN_CELL)
        for (int y = 0; y < H; y += RAIN_CELL) {
            auto cell = make<BitmapSprite>(BMDCache::rainTile);
            cell->setNewAnim(Effects::RAIN_TILE);
            cell->set_scaleX(2);
            cell->set_scaleY(2);
            cell->set_x(x);
            cell->set_y(y);
            cell->set_mouseEnabled(false);
            rainLayer->addChild(cell);
            rainTiles.push_back(cell);
        }
    rainCreated = true;
    if (cacheSplashes && G::mapState) G::mapState->createCachedRainSplashes();
}

void UI::updateRain() {
    for (const auto& cell : rainTiles) cell->updateAnim();
}

void UI::tweenLightning(double seconds, double alpha, const Ref<Function>& next) {
    auto actuator = ::tween::Tweener::tween(lightningFlash, seconds, TweenProps::of({{"alpha", alpha}}));
    if (!actuator) return;
    actuator->ease(::tween::Bounce::get_easeOut());
    if (next) actuator->onComplete(next);
}

void UI::flashLightning() {
    if (!lightningFlash) return;
    lightningFlash->set_visible(true);
    lightningFlash->set_alpha(0);
    tweenLightning(0.05, 0.4 + 0.2 * MapState::random(), Function::method<&UI::flashLightningSecondary>(this));
}

void UI::flashLightningSecondary() {
    tweenLightning(0.05, 0.2 * MapState::random(), Function::method<&UI::flashLightningTertiary>(this));
}

void UI::flashLightningTertiary() {
    const double seconds = 0.05 + 0.05 * MapState::random();
    tweenLightning(seconds, 0.1 + 0.2 * MapState::random(), Function::method<&UI::flashLightningEnd>(this));
}

void UI::flashLightningEnd() {
    tweenLightning(0.05, 0, nullptr);
    const int which = static_cast<int>(2 * MapState::random()) + 1;
    Audio::playSound("thunder" + std::to_string(which), 0.3 + 0.7 * MapState::random());
}

void UI::openMoreStatsWin() {
    if (!moreStatsWindow) {
        auto window = make<UIMoreStatsWindow>();
        window->set_x(static_cast<int>(centerX() - window->winWidth * 0.5));
        window->set_y(static_cast<int>(centerY() - window->winHeight * 0.5));
        moreStatsWindow = window;
    }
    moreStatsOpen = true;
    tweenInSprite(overBlack2, false, 0.5);
    tweenInSprite(moreStatsWindow, false);
    moreStatsWindow.cast<UIMoreStatsWindow>()->update();
    overBlack2->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeMoreStatsBlackClick>(this));
}

void UI::closeMoreStatsBlackClick(const EventRef& event) {
    overBlack2->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeMoreStatsBlackClick>(this));
    closeMoreStatsWin();
}

void UI::closeMoreStatsWin() {
    moreStatsOpen = false;
    // Closed by its own button the cover's listener would stay behind for the next window using it.
    overBlack2->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeMoreStatsBlackClick>(this));
    tweenOutSprite(overBlack2, false);
    if (!moreStatsWindow) return;
    tweenOutSprite(moreStatsWindow, false);
    moreStatsWindow->destroy(true);
    moreStatsWindow = nullptr;
}
void UI::openActiveEffects() {
    auto window = activeEffectsWindow.cast<ActiveEffectsWindow>();
    if (!window) return;
    // A fade-out still running on the cover would take it away under the open window.
    ::tween::Tweener::stop(overBlack);
    overBlack->set_alpha(0.5);
    overBlack->set_visible(true);
    overBlack->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeActiveEffectsClick>(this));
    overLayer->addChild(overBlack);
    overLayer->addChild(window);
    window->update();
    activeEffectsOpen = true;
}

void UI::closeActiveEffects() {
    overBlack->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeActiveEffectsClick>(this));
    removeFrom(overLayer, overBlack);
    removeFrom(overLayer, activeEffectsWindow);
    if (auto hud = activeEffectsHUD.cast<UIActiveEffectsHUD>()) hud->update();
    activeEffectsOpen = false;
}

void UI::closeActiveEffectsClick(const EventRef& event) { closeActiveEffects(); }
void UI::openCurrentLoot() {
    addTo(UIWinHolder, currentLootWindow);
    UIWinBG->set_visible(true);
    lootDetails->updateStats();
    // Nothing can be used from this tab.
    if (auto panel = inventory.cast<ItemInventory>()) {
        panel->setScrollerFunctions(Function::of<&UI::nullItemSelectUse>(), Function::of<&UI::nullItemSelectUse>(),
                                    Function::of<&UI::nullItemDeselect>());
        panel->deselectItem();
    }
    currentLootOpen = true;
    lootDetails->set_x(UILoot::DETAILS_X);
    lootDetails->set_y(UILoot::DETAILS_Y);
    currentLootWindow->addChild(lootDetails);
}

void UI::closeCurrentLoot() {
    removeFrom(UIWinHolder, currentLootWindow);
    currentLootOpen = false;
}
void UI::openHotkeyWindow() {
    auto bar = hotkeys.cast<HotkeyWindow>();
    auto panel = inventory.cast<ItemInventory>();
    if (!bar || !panel) return;
    if (enemyDetailsWindow) enemyDetailsWindow.cast<EnemyDetailsWindow>()->hide();
    hotkeysOpen = true;
    G::pauseGame = true;
    inventoryOpen = true;
    // The cover dims the map and the HUD but lies below the main layer: bar and panel stay bright.
    tweenInSprite(overBlack, false, 0.5);
    addChildAt(overBlack, getChildIndex(mainLayer));
    overBlack->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::hotkeyBlacknessClicked>(this));
    itemsButton->disable();
    mainLayer->addChild(panel);
    panel->set_y(Game::gameHeight - bar->winHeight - INVENTORY_HEIGHT);
    panel->set_x((Game::gameWidth - UI_WIN_MAX_WIDTH) * 0.5);
    panel->updateItems();
    panel->setScrollerFunctions(Function::method<&HotkeyWindow::selectItem>(bar.get()),
                                Function::method<&HotkeyWindow::useItem>(bar.get()),
                                Function::method<&HotkeyWindow::deselectItem>(bar.get()));
    bar->showInstructions();
}

void UI::hotkeyBlacknessClicked(const EventRef& event) { closeHotkeyWindow(); }

void UI::closeHotkeyWindow() {
    auto bar = hotkeys.cast<HotkeyWindow>();
    auto panel = inventory.cast<ItemInventory>();
    hotkeysOpen = false;
    if (bar) bar->deselectSlot();
    G::pauseGame = false;
    inventoryOpen = false;
    tweenOutSprite(overBlack, true);
    itemsButton->enable();
    if (panel) {
        removeFrom(mainLayer, panel);
        panel->set_x(0);
        panel->set_y(menuHeight() - INVENTORY_HEIGHT);
    }
    if (bar) {
        bar->itemDetailsWindow->set_visible(false);
        // Deselected: the selected look would otherwise stay on the closed editor's button.
        bar->editButton->deselectWindow();
    }
    overBlack->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::hotkeyBlacknessClicked>(this));
    if (bar) bar->hideInstructions();
}
void UI::openUseSpecialWindow(const runtime::Ref<Item>& item) {
    auto panel = inventory.cast<ItemInventory>();
    if (!panel) return;
    panel->set_x((Game::gameWidth - UI_WIN_MAX_WIDTH) * 0.5);
    panel->set_y(static_cast<int>(menuHeight() * 0.5));
    if (!useSpecialWin) useSpecialWin = make<UseSpecialWindow>();
    auto window = useSpecialWin.cast<UseSpecialWindow>();
    useSpecialOpen = true;
    G::pauseGame = true;
    inventoryOpen = true;
    tweenInSprite(window, true, 1, 0.8);
    overBlack->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::useSpecialBlacknessClicked>(this));
    overLayer->addChild(panel);
    panel->updateItems();
    panel->setScrollerFunctions(Function::method<&UseSpecialWindow::selectItem>(window.get()),
                                Function::method<&UseSpecialWindow::useItem>(window.get()),
                                Function::method<&UseSpecialWindow::deselectItem>(window.get()));
    window->mpHud->update(0);
    window->specialItem = item;
}

void UI::useSpecialBlacknessClicked(const EventRef& event) { closeUseSpecialWindow(); }

void UI::closeUseSpecialWindow() {
    auto window = useSpecialWin.cast<UseSpecialWindow>();
    auto panel = inventory.cast<ItemInventory>();
    useSpecialOpen = false;
    if (window) {
        tweenOutSprite(window, true);
        window->itemDetailsWindow->set_visible(false);
    }
    if (panel) {
        removeFrom(overLayer, panel);
        panel->set_x(0);
        panel->set_y(menuHeight() - INVENTORY_HEIGHT);
    }
    if (!menuOpen) {
        G::pauseGame = false;
        inventoryOpen = false;
    } else if (panel) {
        // Back to the menu, serving the equipment tab again.
        UIWinHolder->addChild(panel);
        UIWinBG->set_visible(true);
        panel->setScrollerFunctions(equipmentCallback("selectItem", false), equipmentCallback("useItem", false),
                                    equipmentCallback("deselectItem", true));
    }
    overBlack->removeEventListener(framework::MouseEvent::CLICK,
                                   Function::method<&UI::useSpecialBlacknessClicked>(this));
    if (panel) panel->updateItems();
    if (window) window->destroy(true);
    useSpecialWin = nullptr;
}
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

void UI::openShop(bool cheat) {
    cheatShopOpen = cheat;
    openInventory();
    UIWinHolder->addChild(shop);
    addTo(UIWinHolder, inventory);
    UIWinBG->set_visible(true);
    setInventoryCallbacks(shop, "selectInventoryItem", "useItem", "deselectInvItem");
    shop->updateShopItems();
    shopOpen = true;
    shop->open();
    shop->addChild(goldSprite);
    updateGoldPosition();
    // The scrolling hint comes with the first shop on floor 0; a deeper shop only marks it seen.
    showHintOnce(MessageWindow::ID_LOTSA_ITEMS, GameData::currentFloor == 0 ? MessageWindow::WIN_LOTSA_ITEMS : nullptr);
}

void UI::closeShop() {
    closeInventory();
    removeFrom(UIWinHolder, shop);
    UIWinBG->set_visible(false);
    shopOpen = false;
    shop->shopScroller->deselectItem();
    send(inventory, "deselectItem");
    caveLayer->addChild(goldSprite);
    updateGoldPosition();
    if (cheatShopOpen && G::mapState) G::mapState->closeFreeShop();
}

void UI::openSkillTree(bool unpauseAfter) {
    if (skillTreeMenu) {
        tweenInSprite(skillTreeMenu, false);
    } else {
        // A new menu builds itself one step a frame under the loading cover.
        skillTreeMenu = make<SkillTreeMenu>();
        tweenInSprite(skillTreeMenu, false);
        openLoadingScreen(true);
        loadingScreen->update(0);
    }
    unpauseAfterSkillTreeCloses = unpauseAfter;
    skillTreeOpen = true;
    G::pauseGame = true;
}
void UI::closeSkillTree() {
    overBlack->set_visible(false);
    if (skillTreeMenu) tweenOutSprite(skillTreeMenu, false);
    if (unpauseAfterSkillTreeCloses) G::pauseGame = false;
    skillTreeOpen = false;
    hideSkillPointsButton();
    if (skillTreeMenu) {
        if (loadingScreenOpen) closeLoadingScreen();
        skillTreeMenu->destroy(true);
        skillTreeMenu = nullptr;
    }
}
void UI::openEscapeLoot() {
    if (!escapeLootWindow) {
        escapeLootWindow = make<UIEscapeLoot>(menuWidth(), menuHeight());
        escapeLootWindow->set_x(centerX() - escapeLootWindow->winWidth * 0.5);
        escapeLootWindow->set_y(centerY() - escapeLootWindow->winHeight * 0.5);
    } else {
        escapeLootWindow->windowOpened();
    }
    if (G::mapState && G::mapState->escapeAfterKillingDemon) {
        G::mapState->escapeAfterKillingDemon = false;
        Audio::playSound("beatTheGame");
    } else {
        Audio::playSound("escapeSuccess");
    }
    // The cover is normally still up, black, from the flight's fade; it lightens to half.
    if (!overBlack->get_parent()) {
        overBlack->set_alpha(0);
        overLayer->addChild(overBlack);
    }
    overBlack->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(overBlack, 0.5, TweenProps::of({{"alpha", 0.5}})))
        actuator->ease(::tween::Linear::get_easeNone());
    tweenInSprite(escapeLootWindow, false);
    lootDetails->updateStats(true);
    G::pauseGame = true;
    escapeLootOpen = true;
    lootDetails->set_x(UIEscapeLoot::DETAILS_X);
    lootDetails->set_y(UIEscapeLoot::DETAILS_Y);
    escapeLootWindow->addChild(lootDetails);
    mainLayer->set_visible(false);
}

void UI::closeEscapeLoot() {
    if (escapeLootWindow) tweenOutSprite(escapeLootWindow, true);
    setMovementDisabled(false);
    enableButtons();
    G::pauseGame = false;
    G::disableMenu = false;
    escapeLootOpen = false;
    mainLayer->set_alpha(0);
    mainLayer->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(mainLayer, 1, TweenProps::of({{"alpha", 1}})))
        actuator->ease(::tween::Linear::get_easeNone());
    GameData::updateEverything();
    if (!escapeLootWindow) return;
    removeFrom(escapeLootWindow, lootDetails);
    escapeLootWindow->destroy(true);
    escapeLootWindow = nullptr;
}
void UI::openMap() {
    tweenInSprite(mapWindow, true);
    mapWindow->floorMap->drawMap();
    G::pauseGame = true;
    mapOpen = true;
    overBlack->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeMapBlackClick>(this));
}
void UI::closeMapBlackClick(const EventRef& event) {
    overBlack->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeMapBlackClick>(this));
    closeMap();
}
void UI::closeMap() {
    tweenOutSprite(mapWindow, true);
    G::pauseGame = false;
    mapOpen = false;
}
void UI::openGemShop() {
    auto shop = gemShop.cast<UIGemShop>();
    if (!shop) return;
    tweenInSprite(shop, true);
    // The player's gold stays in view above everything while shopping.
    addChild(goldSprite);
    shop->updateCosts();
    shop->welcome();
    G::pauseGame = true;
    gemShopOpen = true;
}

void UI::closeGemShop() {
    if (gemShop) tweenOutSprite(gemShop, true);
    caveLayer->addChild(goldSprite);
    G::pauseGame = false;
    gemShopOpen = false;
}
void UI::showDiaryEntry() {
    diaryOpen = true;
    diaryEntry = make<DiaryEntry>();
    tweenInSprite(diaryEntry, true);
    G::pauseGame = true;
}

void UI::closeDiaryEntry() {
    diaryOpen = false;
    if (diaryEntry) tweenOutSprite(diaryEntry, true);
    G::pauseGame = false;
}

void UI::showChooseTileStuff() {
    tweenInSprite(chooseTileCancel, false);
    tweenInSprite(chooseTileText, false);
}

void UI::closeChooseTileStuff() {
    tweenOutSprite(chooseTileCancel, false);
    tweenOutSprite(chooseTileText, false);
}

void UI::cancelChooseTileClick(const EventRef& event) {
    if (G::mapState) G::mapState->endChooseTileMode();
}
void UI::openCompareScreen(const runtime::Ref<Item>& item) {
    compareOpen = true;
    tweenInSprite(compareScreen, true, 1, 0.9);
    compareScreen->setItem(item);
    compareScreen->closingWindow = false;
}

void UI::closeCompareScreen() {
    compareOpen = false;
    tweenOutSprite(compareScreen, true);
}
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

// ---- level-up stat choice and skill points ----

void UI::createStatChooseMenu(bool firstTime) {
    if (firstTime) {
        statChooseMenu = make<BitmapSprite>();
        chooseIcons.clear();
        for (int type = StatGem::TYPE_HP; type <= StatGem::TYPE_MAGIC; ++type) {
            auto button = make<StatGemChooseButton>(type);
            button->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::statChooseButtonClick>(this));
            chooseIcons.push_back(button);
            statChooseMenu->addChild(button);
        }
        chooseMenuInstructions =
            make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "Choose a bonus!", false, -1, 2, true, 0, true);
        chooseMenuLevelUpText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW, "LEVEL UP!", false, -1, 2,
                                                 true, 0, true, true, -5.0, 1);
        welcomeToLevelText =
            make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, 0, true, true, -3.0, 1);
        for (const SpriteRef& text : {SpriteRef(chooseMenuInstructions), SpriteRef(chooseMenuLevelUpText),
                                      SpriteRef(welcomeToLevelText)})
            statChooseMenu->addChild(text);
    }
    // The ring: a half circle of radius 100 from the left over the top to the right, around a
    // point half a tile above the centre of the game area.
    const double ox = centerX(), oy = centerY() - C::TILE_SIZE * 0.5;
    for (std::size_t i = 0; i < chooseIcons.size(); ++i) {
        auto button = chooseIcons[i].cast<StatGemChooseButton>();
        const double a = std::numbers::pi + static_cast<double>(i) * std::numbers::pi / 4;
        const double hw = button->buttonWidth * 0.5, hh = button->buttonHeight * 0.5;
        button->originPoint = make<framework::Point>(ox - hw, oy - hh);
        button->targetPoint = make<framework::Point>(ox + 100 * std::cos(a) - hw, oy + 100 * std::sin(a) - hh);
    }
    chooseMenuInstructions->set_x(centerX());
    chooseMenuInstructions->set_y(centerY() + 30);
    chooseMenuLevelUpText->set_x(centerX());
    chooseMenuLevelUpText->set_y(centerY() - 210);
    welcomeToLevelText->set_x(centerX());
    welcomeToLevelText->set_y(centerY() - 180);
}

void UI::showStatChooseMenu(const SpriteRef& gem) {
    // The cover lies right under the ring; a fade still running on it (a window that just
    // closed) would take it away.
    ::tween::Tweener::stop(overBlack);
    overBlack->set_alpha(0.5);
    overBlack->set_visible(true);
    overLayer->addChild(overBlack);
    overLayer->addChild(statChooseMenu);
    chooseGem = gem;
    chooseMenuOpen = true;
    chooseMenuInstructions->set_text(chooseMenuInstructions->text);
    const bool levelUp = !gem;
    if (levelUp) {
        chooseMenuLevelUpText->set_text(chooseMenuLevelUpText->text);
        welcomeToLevelText->set_text("Welcome to level " + std::to_string(GameData::level) + "!");
    }
    chooseMenuLevelUpText->set_visible(levelUp);
    welcomeToLevelText->set_visible(levelUp);
    for (const SpriteRef& icon : chooseIcons) {
        auto button = icon.cast<StatGemChooseButton>();
        button->set_x(button->originPoint->x);
        button->set_y(button->originPoint->y);
        if (auto actuator = ::tween::Tweener::tween(
                button, 0.6, TweenProps::of({{"x", button->targetPoint->x}, {"y", button->targetPoint->y}}))) {
            actuator->ease(::tween::Quint::get_easeOut());
            button->tween(actuator);
        }
    }
}

void UI::closeStatChooseMenu() {
    overBlack->set_visible(false);
    removeFrom(overLayer, statChooseMenu);
    chooseMenuOpen = false;
}

void UI::updateChooseMenu() {
    chooseMenuInstructions->updateTextAnim();
    chooseMenuLevelUpText->updateTextAnim();
    welcomeToLevelText->updateTextAnim();
}

void UI::statChooseButtonClick(const EventRef& event) {
    auto button = event ? event->get_currentTarget().cast<StatGemChooseButton>() : nullptr;
    if (!button || !chooseMenuOpen) return;
    G::pauseGame = false;
    closeStatChooseMenu();
    if (chooseGem) {
        if (auto gem = chooseGem.cast<StatGem>()) gem->statChosen(button->type);
        return;
    }
    updateHPMPExp();
    GameData::gainStatBonus(button->type);
    showSkillPointsAnim();
    GameData::checkForLevelUp();
    ::tween::Tweener::tween(skillPointsButton, 0.5,
                            TweenProps::of({{"x", Game::gameWidth - skillPointsButton->buttonWidth}}));
    skillPointsShowTime = SKILL_POINTS_BUTTON_TIME;
}

void UI::showSkillPointsAnim() {
    auto state = G::mapState;
    if (!state || !state->hero || !state->mapCanvas) return;
    auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE,
                                 "Skill Points + " + std::to_string(GameData::skillPointsPerLevel), false, -1, 2, true,
                                 -1, false, false, -5.0, 2, true);
    text->set_x(state->hero->get_x() + Hero::IDLE_DOWN->width * 0.5);
    text->set_y(state->hero->get_y() - 20);
    state->mapCanvas->addChild(text);
    if (auto actuator =
            ::tween::Tweener::tween(text, 3, TweenProps::of({{"y", text->get_y() - 40}, {"alpha", 0}}))) {
        actuator->ease(::tween::Cubic::get_easeOut());
        text->tween(actuator);
    }
    state->menuEffects.push_back(text);
}

void UI::skillPointsButtonClick(const EventRef&) {
    overBlack->set_alpha(0);
    overBlack->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(overBlack, 0.4, TweenProps::of({{"alpha", 1}}))) {
        actuator->ease(::tween::Linear::get_easeNone());
        runtime::Weak<UI> self(this);
        actuator->onComplete(Function::of([self] {
            if (auto ui = self.lock()) ui->openSkillTree(true);
        }));
    }
}

void UI::hideSkillPointsButton() {
    ::tween::Tweener::tween(skillPointsButton, 0.5, TweenProps::of({{"x", Game::gameWidth}}));
    skillPointsShowTime = 0;
}

// ---- choose-floor window and floor-skip menu ----

void UI::createChooseFloorWindow() {
    chooseFloorWin = make<BasicWindow>(300, 400);
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Choose a start floor:", false, -1, 2, true);
    title->set_x(chooseFloorWin->winWidth * 0.5);
    title->set_y(20);
    chooseFloorWin->addChild(title);
    chooseFloorButtons.clear();
    updateChooseFloorButtons();
    auto cancel = make<BasicButton>(
        80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Cancel", false, -1, 2, true));
    cancel->set_x(chooseFloorWin->winWidth * 0.5 - cancel->buttonWidth * 0.5);
    cancel->set_y(chooseFloorWin->winHeight - cancel->buttonHeight - 20);
    cancel->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeChooseFloorClick>(this));
    chooseFloorWin->addChild(cancel);
}

void UI::updateChooseFloorButtons() {
    if (!chooseFloorWin) return;
    const auto& unlocked = GameData::shopsUnlocked;
    // One button per start point, in columns of seven; a list grown since the window was made
    // gets its missing buttons here.
    for (std::size_t i = chooseFloorButtons.size(); i < unlocked.size(); ++i) {
        const std::string label = std::to_string(i * 10);
        auto button = make<BasicButton>(80, 32, 0, -1, BasicButton::COLOR_BLACK, true,
                                        make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, label, false, -1, 2, true));
        button->set_x(static_cast<double>(i / 7) * 140 + 80 - button->buttonWidth * 0.5);
        button->set_y(static_cast<double>(i % 7) * 41 + 55);
        button->set_name(label);
        button->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::floorButtonClick>(this));
        chooseFloorWin->addChild(button);
        chooseFloorButtons.push_back(button);
    }
    for (std::size_t i = 0; i < chooseFloorButtons.size(); ++i)
        chooseFloorButtons[i]->set_visible(i < unlocked.size() && unlocked[i]);
}

void UI::openChooseFloorWin() {
    updateChooseFloorButtons();
    const auto open = std::count(GameData::shopsUnlocked.begin(), GameData::shopsUnlocked.end(), true);
    if (open <= 1) {
        floorStartChosen(0);
        return;
    }
    G::disableMenu = true;
    tweenInSprite(chooseFloorWin, true);
    setMovementDisabled(true);
}

void UI::closeChooseFloorWin(bool walkBack) {
    setMovementDisabled(false);
    G::disableMenu = false;
    tweenOutSprite(chooseFloorWin, true);
    auto state = G::mapState;
    if (walkBack && state && state->hero) {
        state->forcedMove = true;
        state->setFoundMovePath({make<framework::Point>(state->hero->lev_x, state->hero->lev_y + 1)}, nullptr);
    }
}

void UI::closeChooseFloorClick(const EventRef&) { closeChooseFloorWin(true); }

void UI::floorButtonClick(const EventRef& event) {
    auto button = event ? event->get_currentTarget().cast<DisplayObject>() : nullptr;
    if (!button) return;
    floorStartChosen(runtime::Numbers::parseInt(button->get_name().str()).value_or(0));
    closeChooseFloorWin();
}

void UI::floorStartChosen(int floor) {
    GameData::runStartFloor = floor;
    if (auto state = G::mapState) {
        state->startingNewRun = true;
        state->startMapTransition();
    }
}

void UI::createFloorSkipMenu() {
    removeFrom(overLayer, floorSkipMenu);
    floorSkipMenu = make<BitmapSprite>();
    for (int i = 0; i <= 100; ++i) {
        auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, std::to_string(i));
        label->set_x(i / 10 * 40);
        label->set_y(i % 10 * 20);
        label->set_mouseEnabled(true);
        label->set_mouseChildren(true);
        label->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::floorSkipClicked>(this));
        auto area = make<framework::Bitmap>(BMDCache::invisPixel);
        area->set_width(label->textWidth);
        area->set_height(label->textHeight);
        label->addChild(area);
        floorSkipMenu->addChild(label);
    }
    floorSkipMenu->set_x(centerX() - 210);
    floorSkipMenu->set_y(centerY() - 106);
    auto cancel = make<BasicButton>(
        80, 40, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Cancel", false, -1, 2, true));
    cancel->set_x(210 - cancel->buttonWidth * 0.5);
    cancel->set_y(220);
    cancel->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::cancelFloorSkip>(this));
    floorSkipMenu->addChild(cancel);
}

void UI::showFloorSkipMenu() {
    if (!floorSkipMenu) return;
    overBlack->set_alpha(0.5);
    overBlack->set_visible(true);
    overLayer->addChild(overBlack);
    overLayer->addChild(floorSkipMenu);
}

void UI::closeFloorSkipMenu() {
    overBlack->set_visible(false);
    removeFrom(overLayer, floorSkipMenu);
}

void UI::cancelFloorSkip(const EventRef&) { closeFloorSkipMenu(); }

void UI::floorSkipClicked(const EventRef& event) {
    auto label = event ? event->get_currentTarget().cast<TextSprite>() : nullptr;
    if (!label) return;
    GameData::currentFloor = runtime::Numbers::parseInt(label->text.str()).value_or(0);
    if (G::mapState) G::mapState->goToNextFloor(false);
    closeFloorSkipMenu();
}

// ---- settings tab, title options, quitting and leaving ----

void UI::createSettingsWin(int width, int height, bool create) {
    const int Ww = static_cast<int>(std::min<double>(Game::gameWidth, UI_WIN_MAX_WIDTH));
    const int Hw = static_cast<int>(std::min<double>(Game::gameHeight, UI_WIN_MAX_HEIGHT));
    if (create) {
        settingsWin = make<BasicWindow>(Ww, Hw);
        auto buttonLabel = [](const char* text) {
            return make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text, false, -1, 2, true, 0, false, false,
                                    -5.0, 2, true);
        };
        auto note = [](const char* text) {
            return make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, text, false, -1, 2, true, 0, false, false,
                                    -5.0, 2, true);
        };
        changeCharButton = make<BasicButton>(190, 40, 0, -1, BasicButton::COLOR_BLACK, true,
                                             buttonLabel("Change Character"));
        changeCharButton->addEventListener(framework::MouseEvent::CLICK,
                                           Function::method<&UI::changeCharButtonClicked>(this));
        charText = note("(Only while in town)");
        saveButton = make<BasicButton>(140, 40, 0, -1, BasicButton::COLOR_BLACK, true, buttonLabel("Save Game"));
        saveButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::saveButtonClicked>(this));
        saveText = note("For taking breaks, not loopholes!");
        saveText2 = note("(Save data is overwritten on death)");
        quitButton = make<BasicButton>(saveButton->buttonWidth, saveButton->buttonHeight, 0, -1,
                                       BasicButton::COLOR_BLACK, true, buttonLabel("Quit Run"));
        quitButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::quitButtonClicked>(this));
        settingsExitButton = make<BasicButton>(saveButton->buttonWidth, saveButton->buttonHeight, 0, -1,
                                               BasicButton::COLOR_BLACK, true, buttonLabel("Exit To Title"));
        settingsExitButton->addEventListener(framework::MouseEvent::CLICK,
                                             Function::method<&UI::exitButtonClicked>(this));
        for (const Ref<DisplayObject>& control :
             {Ref<DisplayObject>(changeCharButton), Ref<DisplayObject>(charText), Ref<DisplayObject>(saveButton),
              Ref<DisplayObject>(saveText), Ref<DisplayObject>(saveText2), Ref<DisplayObject>(quitButton),
              Ref<DisplayObject>(settingsExitButton)})
            settingsWin->addChild(control);
        quitYesNoWin = make<YesNoWindow>(
            "Really quit this run? You will lose all progress this run and return to the town.",
            Function::method<&UI::quitConfirm>(this), Function::method<&UI::quitCancel>(this));
        exitYesNoWin = make<YesNoWindow>("Return to the title screen? Any unsaved progress this floor will be lost.",
                                         Function::method<&UI::exitConfirm>(this),
                                         Function::method<&UI::exitCancel>(this));
    } else {
        settingsWin->drawWindow(Ww, Hw);
    }
    const double cx = width * 0.2;
    auto column = [cx](const Ref<BasicButton>& button) { button->set_x(std::trunc(cx - button->buttonWidth * 0.5)); };
    auto below = [](const Ref<TextSprite>& text, const Ref<BasicButton>& button) {
        text->set_x(button->get_x() + button->buttonWidth * 0.5);
        text->set_y(button->get_y() + button->buttonHeight + 3);
    };
    column(changeCharButton);
    changeCharButton->set_y(height * 0.15);
    below(charText, changeCharButton);
    column(saveButton);
    saveButton->set_y(charText->get_y() + charText->textHeight + 20);
    below(saveText, saveButton);
    saveText2->set_x(saveText->get_x());
    saveText2->set_y(saveText->get_y() + saveText->textHeight + 3);
    column(quitButton);
    quitButton->set_y(saveText2->get_y() + saveText2->textHeight + 20);
    column(settingsExitButton);
    settingsExitButton->set_y(quitButton->get_y() + quitButton->buttonHeight + 20);
}

void UI::createOptionsWindow() {
    optionsWindow = make<BasicWindow>(500, 436);
    auto close = make<BasicButton>(
        80, 40, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Close", false, -1, 2, true, 0, false, false, -5.0, 2,
                         true));
    close->set_x(optionsWindow->winWidth * 0.5 - close->buttonWidth * 0.5);
    close->set_y(optionsWindow->winHeight - close->buttonHeight - 20);
    close->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeOptionsClick>(this));
    optionsWindow->addChild(close);
}

void UI::openOptions() {
    overBlack->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeOptionsClick>(this));
    tweenInSprite(optionsWindow, true);
    optionsWindow->addChild(settingsDetails);
    settingsDetails->initializeSliders();
    settingsDetails->set_x(std::trunc(optionsWindow->winWidth * 0.5 - 230));
    settingsDetails->set_y(std::trunc(optionsWindow->winHeight * 0.5 - 168 - 40));
    settingsOpen = true;
}

void UI::closeOptions(bool force) {
    if (!force && tweeningOutWindow) return;
    overBlack->removeEventListener(framework::MouseEvent::CLICK, Function::method<&UI::closeOptionsClick>(this));
    tweenOutSprite(optionsWindow, true);
    removeFrom(optionsWindow, settingsDetails);
    settingsOpen = false;
}

void UI::closeOptionsClick(const EventRef&) { closeOptions(); }

void UI::clearDataClick(const EventRef&) {
    if (clearDataYesNoWin) openYesNoWin(clearDataYesNoWin);
}

void UI::clearDataConfirm() {
    closeYesNoWin();
    GameData::clearAllGameData();
    Data::saveAllData(false);
    flashWhite(Function::method<&UI::fadeOutOverWhite>(this));
}

void UI::clearDataCancel() { closeYesNoWin(); }

void UI::fadeOutOverWhite() {
    if (settingsOpen) closeOptions(true);
    if (G::mapState) G::mapState->goToTitle();
    overLayer->addChild(overWhite);
    tweenOutSprite(overWhite, false, 1);
}

void UI::changeCharButtonClicked(const EventRef&) {
    if (!GameData::inCave) openChooseHeroWin();
}

void UI::saveButtonClicked(const EventRef&) {
    if (saveButton && !saveButton->disabled) Data::saveAllData(true);
}

void UI::quitButtonClicked(const EventRef&) {
    if (quitButton && !quitButton->disabled) openYesNoWin(quitYesNoWin);
}

void UI::quitConfirm() {
    G::disableMenu = true;
    closeYesNoWin();
    tweenInSprite(overBlack, false, 1, 0.5, 0.2, Function::method<&UI::fadeOutQuitBlack>(this));
}

// The battle's hold on the map is let go first, so a run quit in the middle of a fight leaves
// nothing of the fight behind.
void UI::leaveBattleForMenuExit() {
    if (!G::mapState) return;
    if (G::mapState->inBattle) G::mapState->releaseBattleLocks();
    G::mapState->inBattle = false;
    if (G::mapState->hero) G::mapState->hero->setToRunMode();
}

void UI::fadeOutQuitBlack() {
    if (G::mapState) G::mapState->exitCave();
    leaveBattleForMenuExit();
    GameData::youDied();
    GameData::updateEverything();
    setStartButtonText();
    closeMenu();
    tweenOutSprite(overBlack, false);
    G::disableMenu = false;
    if (G::mapState && G::mapState->hero) G::mapState->hero->setToRunMode();
}

void UI::quitCancel() { closeYesNoWin(); }

void UI::exitButtonClicked(const EventRef&) {
    if (settingsExitButton && !settingsExitButton->disabled) openYesNoWin(exitYesNoWin);
}

void UI::exitConfirm() {
    G::disableMenu = true;
    closeYesNoWin();
    tweenInSprite(overBlack, false, 1, 0.5, 0.2, Function::method<&UI::fadeOutExitBlack>(this));
}

void UI::fadeOutExitBlack() {
    if (G::mapState) G::mapState->goToTitle();
    leaveBattleForMenuExit();
    exitingToTitle = true;
    closeMenu();
    tweenOutSprite(overBlack, false);
    G::disableMenu = false;
    if (G::mapState) G::mapState->updateCamera();
}

void UI::exitCancel() { closeYesNoWin(); }
void UI::sorcerorKilledFlash() { flashWhite(Function::method<&UI::fadeWhiteFromSorceror>(this), 0.5); }

void UI::flashWhite(const Ref<Function>& onComplete, double seconds) {
    overLayer->addChild(overWhite);
    overWhite->set_alpha(0);
    overWhite->set_visible(true);
    if (auto actuator = ::tween::Tweener::tween(overWhite, seconds, TweenProps::of({{"alpha", 1}})))
        if (onComplete) actuator->onComplete(onComplete);
}

void UI::fadeWhiteFromSorceror() { tweenOutSprite(overWhite, false, 1); }

// ---- title screen and game start ----

namespace {

// Slides sprite to y over seconds with a short run-up the other way, registered as its tween.
void slideY(const Ref<BitmapSprite>& sprite, double seconds, double y) {
    if (!sprite) return;
    if (auto actuator = ::tween::Tweener::tween(sprite, seconds, TweenProps::of({{"y", y}}))) {
        actuator->ease(::tween::Back::get_easeIn());
        sprite->tween(actuator);
    }
}

double pictureHeight(const Ref<BitmapSprite>& sprite) { return sprite && sprite->bmd ? sprite->bmd->get_height() : 0; }
double pictureWidth(const Ref<BitmapSprite>& sprite) { return sprite && sprite->bmd ? sprite->bmd->get_width() : 0; }

template <class T>
T slotEntry(const std::vector<T>& list, int slot, T otherwise) {
    return slot >= 0 && static_cast<std::size_t>(slot) < list.size() ? list[static_cast<std::size_t>(slot)] : otherwise;
}

Ref<TextSprite> titleCaption(const char* text) {
    return make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, text, false, -1, 2, true, 0, false, false, -5.0, 2,
                            true);
}

}  // namespace

void UI::createTitleScreenStuff(bool create) {
    const double W = Game::gameWidth;
    if (create) {
        logo = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/ui/glv2logo.png"));
        titleButtons = make<BitmapSprite>();

        startText = titleCaption("Play");
        startButton = make<BasicButton>(126, 50, 0, -1, BasicButton::COLOR_BLACK, true, startText);
        setStartButtonText();
        titleButtons->addChild(startButton);
        startButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::startButtonClick>(this));

        optionsButton = make<BasicButton>(126, 40, 0, -1, BasicButton::COLOR_BLACK, true, titleCaption("Options"));
        optionsButton->set_y(55);
        optionsButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::optionsClick>(this));
        titleButtons->addChild(optionsButton);
        creditsButton = make<BasicButton>(126, 40, 0, -1, BasicButton::COLOR_BLACK, true, titleCaption("Credits"));
        creditsButton->set_y(optionsButton->get_y() + 45);
        creditsButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::creditsClick>(this));
        titleButtons->addChild(creditsButton);
        exitButton = make<BasicButton>(126, 40, 0, -1, BasicButton::COLOR_BLACK, true, titleCaption("Exit"));
        exitButton->set_y(creditsButton->get_y() + 45);
        exitButton->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::exitClick>(this));
        titleButtons->addChild(exitButton);
        titleButtonsHeight = static_cast<int>(exitButton->get_y() + 80);

        taloranSprite = make<BitmapSprite>();
        taloran = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Created by Taloran Mevrick", false, -1, 2,
                                   true, -1, false, false, -5.0, 2, true);
        taloranOverSprite = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW, "Created by Taloran Mevrick",
                                             false, -1, 2, true, -1, false, false, -5.0, 2, true);
        taloranOverSprite->set_visible(false);
        taloranSprite->addChild(taloran);
        taloranSprite->addChild(taloranOverSprite);
        taloranSprite->set_y(titleButtonsHeight - 20);
        taloranSprite->addEventListener(framework::MouseEvent::MOUSE_OVER, Function::method<&UI::taloranOver>(this));
        taloranSprite->addEventListener(framework::MouseEvent::CLICK, Function::method<&UI::taloranClick>(this));
        taloranSprite->buttonMode = true;
        titleButtons->addChild(taloranSprite);
    }
    if (!logo) return;
    logo->set_x(std::trunc(W * 0.5 - pictureWidth(logo) * 0.5));
    for (const auto& button : {startButton, optionsButton, creditsButton, exitButton})
        button->set_x(std::trunc(W * 0.5 - button->buttonWidth * 0.5));
    taloranSprite->set_x(W * 0.5);
}

void UI::showTitleScreen(bool tween) {
    titleShowing = true;
    if (tween) {
        // A slide-away still running must not take the title off when it ends.
        titleButtons->tweenOnComplete = nullptr;
        logo->set_y(-pictureHeight(logo));
        slideY(logo, 0.5, std::trunc(Game::gameHeight * 0.22 - pictureHeight(logo) * 0.5));
        titleButtons->set_y(Game::gameHeight);
        slideY(titleButtons, 0.5, Game::gameHeight - titleButtonsHeight);
    } else {
        updateTitleScreenButtons();
    }
    overLayer->addChild(logo);
    overLayer->addChild(titleButtons);
    G::pauseGame = true;
    G::disableMenu = true;
    setStartButtonText();
}

void UI::updateTitleScreenButtons() {
    if (!logo) return;
    logo->set_y(std::trunc(Game::gameHeight * 0.22 - pictureHeight(logo) * 0.5));
    titleButtons->set_y(Game::gameHeight - titleButtonsHeight);
}

void UI::startButtonClick(const EventRef&) {
    tweenAwayTitleStuff(0.5);
    titleShowing = false;
    openSlotWin();
}

void UI::tweenAwayTitleStuff(double seconds) {
    slideY(titleButtons, seconds, Game::gameHeight + 80);
    slideY(logo, seconds, -pictureHeight(logo));
    titleButtons->tweenOnComplete = Function::method<&UI::removeTitleStuff>(this);
}

void UI::removeTitleStuff() {
    removeFrom(overLayer, logo);
    removeFrom(overLayer, titleButtons);
    G::disableMenu = false;
    if (creditsScreen) {
        creditsScreen->destroy(true);
        creditsScreen = nullptr;
    }
}

void UI::optionsClick(const EventRef&) { openOptions(); }

void UI::creditsClick(const EventRef&) { openCredits(); }

void UI::exitClick(const EventRef&) { framework::System::exit(0); }

void UI::openCredits() {
    if (!creditsScreen) creditsScreen = make<UICredits>();
    creditsOpen = true;
    creditsScreen->set_y(0);
    tweenInSprite(creditsScreen, true, 1, 0.8);
}

void UI::closeCredits() {
    creditsOpen = false;
    if (creditsScreen) tweenOutSprite(creditsScreen, true);
}

void UI::taloranOver(const EventRef&) {
    taloranOverSprite->set_visible(true);
    taloranSprite->addEventListener(framework::MouseEvent::MOUSE_OUT, Function::method<&UI::taloranOut>(this));
}

void UI::taloranOut(const EventRef&) {
    taloranOverSprite->set_visible(false);
    taloranSprite->removeEventListener(framework::MouseEvent::MOUSE_OUT, Function::method<&UI::taloranOut>(this));
}

void UI::taloranClick(const EventRef&) {
    framework::Lib::getURL(make<framework::URLRequest>(UICredits::CREATOR_SITE));
}

void UI::openSlotWin() {
    if (!slotWindow) {
        auto window = make<UISlotWindow>();
        window->set_x(std::trunc(centerX() - window->winWidth * 0.5));
        window->set_y(std::trunc(centerY() - window->winHeight * 0.5));
        slotWindow = window;
    }
    slotWinOpen = true;
    tweenInSprite(slotWindow, true);
}

void UI::closeSlotWin(bool showTitle, bool immediately) {
    if (slotWindow) {
        if (!immediately) tweenOutSprite(slotWindow, true);
        else removeFrom(overLayer, slotWindow);
    }
    if (showTitle) showTitleScreen(true);
    slotWinOpen = false;
    if (slotWindow) slotWindow->destroy(true);
    slotWindow = nullptr;
}

void UI::slotClicked(int slot, bool newGamePlus) {
    const int previous = GameData::currentSlot;
    G::pauseGame = false;
    Data::bindSlotData(slot);
    GameData::clearAllGameData();
    bool changed = previous != slot;
    if (slotEntry(GameData::slotExists, GameData::currentSlot, false)) {
        GameData::loadSlotData(Data::slotData ? Value(Data::slotData->data) : Value());
        if (newGamePlus) {
            GameData::clearAllGameData(true);
            Data::saveAllData(false);
            changed = true;
        }
    }
    MonsterData::createMonsters();
    MonsterData::adjustForNewGamePlus();
    send(equipment, "updateNGPlusText");
    GameData::updateEverything();
    setNewHeroType();
    if (changed) tweenInSprite(overBlack2, false, 1, 0.5, 0.1, Function::method<&UI::refreshTown>(this));
    else startGameWithChosenSlot();
}

void UI::refreshTown() {
    if (G::mapState) G::mapState->goToMap(TiledMap::TOWN, make<framework::Point>(10, 9));
    GameData::heroType = slotEntry(GameData::slotHeroType, GameData::currentSlot, 0);
    tweenOutSprite(overBlack2, false, 0.1);
    startGameWithChosenSlot();
}

void UI::startGameWithChosenSlot() {
    auto state = G::mapState;
    if (!GameData::floorSaveExists) {
        closeSlotWin(false);
        if (!slotEntry(GameData::slotExists, GameData::currentSlot, false)) {
            startingNewGame = true;
            openChooseHeroWin();
            return;
        }
        if (state && state->hero) state->hero->set_visible(false);
        if (state) state->titleStartGame();
        return;
    }
    closeSlotWin(false, true);
    overLayer->addChild(overBlack);
    overBlack->set_visible(true);
    overBlack->set_alpha(1);
    overBlack->set_x(-Game::gameWidth);
    if (state && state->hero) state->hero->set_visible(false);
    if (auto actuator = ::tween::Tweener::tween(overBlack, 0.2, TweenProps::of({{"x", 0}}))) {
        actuator->ease(::tween::Linear::get_easeNone());
        if (state) actuator->onComplete(Function::method<&MapState::startBuildFromSave>(state.get()));
    }
}

void UI::openChooseHeroWin() {
    if (!chooseHeroWin) {
        auto window = make<UIChooseHeroWindow>();
        window->set_x(centerX() - window->winWidth * 0.5);
        window->set_y(centerY() - window->winHeight * 0.5);
        chooseHeroWin = window;
    }
    tweenInSprite(chooseHeroWin, true);
    chooseHeroWinOpen = true;
}

void UI::closeChooseHeroWin() {
    setNewHeroType();
    if (chooseHeroWin) tweenOutSprite(chooseHeroWin, true);
    chooseHeroWinOpen = false;
    if (startingNewGame) {
        auto state = G::mapState;
        if (state && state->hero) state->hero->set_visible(false);
        if (state) state->titleStartGame();
        Data::saveAllData(false);
    }
    if (chooseHeroWin) {
        chooseHeroWin->destroy(true);
        chooseHeroWin = nullptr;
    }
}

void UI::setNewHeroType() {
    auto state = G::mapState;
    if (!state) return;
    auto hero = make<Hero>();
    if (auto old = state->hero) {
        hero->set_x(old->get_x());
        hero->set_y(old->get_y());
        hero->lev_x = old->lev_x;
        hero->lev_y = old->lev_y;
        hero->set_visible(old->get_visible());
        if (auto parent = old->get_parent()) {
            parent->addChild(hero);
            parent->removeChild(old);
        }
    }
    state->hero = hero;
}

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
