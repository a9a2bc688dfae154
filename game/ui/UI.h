#pragma once
// The UI root: one sprite owning every HUD element and window of the game as fields, with one
// open flag per window instead of a window stack. Layers from bottom to top: transitionLayer,
// rainLayer, caveLayer (the dungeon HUD), mainLayer, overLayer. Windows whose classes are made
// elsewhere sit in fields of their nearest base type and are driven through their operations by
// name; while such a window does not exist the root's call does nothing (traced in debug builds).
#include <optional>
#include <vector>

#include "LootDetails.h"
#include "UIEscapeLoot.h"
#include "UIButtonPanel.h"
#include "UIEquipment.h"
#include "UILoadingScreen.h"
#include "UILoot.h"
#include "UICompareEquipped.h"
#include "UIResizeScreen.h"
#include "framework/display/Bitmap.h"
#include "framework/display/Sprite.h"
#include "framework/events/Event.h"
#include "game/data/Item.h"
#include "game/floor/MapData.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/TextSprite.h"
#include "game/kit/YesNoWindow.h"
#include "game/map/MapWindow.h"
#include "game/map/MiniMap.h"
#include "game/shell/FPSCounter.h"
#include "game/town/SkillTreeMenu.h"
#include "game/town/UICredits.h"
#include "game/town/UISettingsDetails.h"
#include "game/town/UIShop.h"

namespace game {

class UI : public BitmapSprite {
    RUNTIME_CLASS(UI)
public:
    using EventRef = runtime::Ref<framework::Event>;
    using SpriteRef = runtime::Ref<BitmapSprite>;

    static constexpr int UI_WIN_MAX_WIDTH = 960;
    static constexpr int UI_WIN_MAX_HEIGHT = 540;
    static constexpr int INVENTORY_HEIGHT = 180;
    static constexpr int PANEL_WIDTH = 120;
    static constexpr int TITLE_BUTTONS_WIDTH = 136;
    static constexpr int HOTKEYS_HEIGHT = 60;
    static constexpr int SKILL_POINTS_BUTTON_TIME_60FPS = 600;
    static inline int SKILL_POINTS_BUTTON_TIME = 600;
    static constexpr int NUM_TRANSITION_BARS_60FPS = 40;
    static inline int NUM_TRANSITION_BARS = 40;
    static constexpr int WIN_EQUIPMENT = 1;
    static constexpr int WIN_CRAFTING = 2;
    static constexpr int WIN_LOOT = 3;
    static constexpr int WIN_SETTINGS = 4;
    static constexpr int WIN_BESTIARY = 5;

    UI();
    explicit UI(runtime::NoInit n) : BitmapSprite(n) {}

    static void nullItemSelectUse(const runtime::Ref<Item>& item);
    static void nullItemDeselect();
    static void showSkillPointsAnim();
    static void adjustConstantsFor30FPS();
    static void adjustConstantsFor60FPS();
    // The transition bars' thickness for the screen size and the live number of bars.
    static int barThickness();

    // Construction and layout.
    virtual void initialize(bool firstTime);
    virtual void createSettingsWin(int width, int height, bool firstTime);
    virtual void createTitleScreenStuff(bool firstTime);
    virtual void createOptionsWindow();
    virtual void createChooseFloorWindow();
    virtual void updateChooseFloorButtons();
    virtual void createFloorSkipMenu();
    virtual void createRain(bool cacheSplashes = true);
    virtual void flashLightning();
    virtual void flashLightningSecondary();
    virtual void flashLightningTertiary();
    virtual void flashLightningEnd();

    // Frame drive.
    virtual void update();
    virtual void updatePausedStuff();
    virtual void updateRain();

    // Menu, tabs and museum.
    virtual void itemsClick(const EventRef& event = nullptr);
    virtual void disableButtons();
    virtual void enableButtons();
    virtual void openInventory();
    virtual void closeInventory();
    virtual void openMenu();
    virtual void closeMenu();
    virtual void closeCurrentWindow();
    virtual void openWindow(int tabId);
    virtual void openEquipment();
    virtual void closeEquipment();
    virtual void openCrafting();
    virtual void closeCrafting();
    virtual void openSettings();
    virtual void closeSettings();
    virtual void setInCaveSettingsButtons();
    virtual void setInTownSettingsButtons();
    virtual void openBestiary();
    virtual void closeBestiary();
    virtual void openMuseum();
    virtual void closeMuseum();
    virtual void openOptions();
    // Unless forced, does nothing while a window fades out.
    virtual void closeOptions(bool force = false);
    virtual void closeOptionsClick(const EventRef& event = nullptr);

    // Modal windows and notices.
    virtual void openYesNoWin(const runtime::Ref<YesNoWindow>& win);
    virtual void closeYesNoWin();
    virtual void openMessageWin(const runtime::Ref<MessageWindow>& win);
    virtual void closeMessageWin();
    virtual void openLoadingScreen(bool instant = false);
    virtual void closeLoadingScreen(bool instant = false);
    virtual void openResizeScreen();
    virtual void closeResizeScreen();

    // Side windows.
    virtual void openMoreStatsWin();
    virtual void closeMoreStatsBlackClick(const EventRef& event = nullptr);
    virtual void closeMoreStatsWin();
    virtual void openSlotWin();
    virtual void closeSlotWin(bool showTitle = true, bool immediately = false);
    virtual void openActiveEffects();
    virtual void closeActiveEffects();
    virtual void closeActiveEffectsClick(const EventRef& event = nullptr);
    virtual void openChooseHeroWin();
    virtual void closeChooseHeroWin();
    virtual void setNewHeroType();
    virtual void openCurrentLoot();
    virtual void closeCurrentLoot();

    // HUD figures.
    virtual void updateGold();
    virtual void showGoldAnim(int amount);
    virtual void showExpAnim(int amount);
    virtual void updateFloor();
    virtual void updateHPMPExp(std::optional<int> hpChange = std::nullopt, std::optional<int> mpChange = std::nullopt,
                               std::optional<int> expChange = std::nullopt);
    virtual void updateGoldPosition();
    virtual void updateFloorPosition();
    virtual void drawMiniMap(const runtime::Ref<MapData>& mapData);

    virtual void openHotkeyWindow();
    virtual void hotkeyBlacknessClicked(const EventRef& event = nullptr);
    virtual void closeHotkeyWindow();
    virtual void openUseSpecialWindow(const runtime::Ref<Item>& item);
    virtual void useSpecialBlacknessClicked(const EventRef& event = nullptr);
    virtual void closeUseSpecialWindow();
    virtual void updateFloorTransition();
    virtual void openShop(bool cheat = false);
    virtual void closeShop();

    // Title screen and game start.
    virtual void showTitleScreen(bool tween = false);
    virtual void updateTitleScreenButtons();
    virtual void optionsClick(const EventRef& event = nullptr);
    virtual void creditsClick(const EventRef& event = nullptr);
    virtual void openCredits();
    virtual void closeCredits();
    virtual void exitClick(const EventRef& event = nullptr);

    // Level-up stat choice and skill points.
    virtual void createStatChooseMenu(bool firstTime);
    virtual void statChooseButtonClick(const EventRef& event = nullptr);
    virtual void showStatChooseMenu(const SpriteRef& gem = nullptr);
    virtual void closeStatChooseMenu();
    virtual void updateChooseMenu();
    virtual void skillPointsButtonClick(const EventRef& event = nullptr);
    virtual void hideSkillPointsButton();

    virtual void openSkillTree(bool unpauseAfter = false);
    virtual void closeSkillTree();
    virtual void startButtonClick(const EventRef& event = nullptr);
    virtual void slotClicked(int slot, bool newGamePlus = false);
    virtual void startGameWithChosenSlot();
    virtual void refreshTown();
    virtual void tweenAwayTitleStuff(double seconds = 0.5);
    virtual void removeTitleStuff();
    virtual void openEscapeLoot();
    virtual void closeEscapeLoot();
    virtual void openMap();
    virtual void closeMapBlackClick(const EventRef& event = nullptr);
    virtual void closeMap();
    virtual void openGemShop();
    virtual void closeGemShop();
    virtual void showSaveText();
    virtual void fadeOutSaveText();
    virtual void showDiaryEntry();
    virtual void closeDiaryEntry();
    virtual void showChooseTileStuff();
    virtual void closeChooseTileStuff();
    virtual void cancelChooseTileClick(const EventRef& event = nullptr);
    virtual void showFloorSkipMenu();
    virtual void closeFloorSkipMenu();
    virtual void cancelFloorSkip(const EventRef& event = nullptr);
    virtual void floorSkipClicked(const EventRef& event = nullptr);
    virtual void openCompareScreen(const runtime::Ref<Item>& item);
    virtual void closeCompareScreen();
    virtual void openChooseFloorWin();
    virtual void closeChooseFloorWin(bool walkBack = false);
    virtual void closeChooseFloorClick(const EventRef& event = nullptr);
    virtual void floorButtonClick(const EventRef& event = nullptr);
    virtual void floorStartChosen(int floor);
    virtual void showDeathText();
    virtual void finishDeath(const EventRef& event = nullptr);
    // Hides the black cover once it has faded out, so it no longer catches clicks.
    virtual void hideOverBlack();

    // Fades.
    virtual void tweenInSprite(const runtime::Ref<framework::DisplayObject>& sprite, bool overlay = true,
                               double alpha = 1, double overlayAlpha = 0.5, double seconds = 0.2,
                               const runtime::Ref<runtime::Function>& onComplete = nullptr);
    virtual void tweenOutSprite(const runtime::Ref<framework::DisplayObject>& sprite, bool overlay = true,
                                double seconds = 0.2);
    virtual void removeSpriteAfterTween(const runtime::Ref<framework::DisplayObject>& sprite);

    // Settings, quit and exit.
    virtual void clearDataClick(const EventRef& event = nullptr);
    virtual void clearDataConfirm();
    virtual void clearDataCancel();
    virtual void fadeOutOverWhite();
    virtual void setStartButtonText();
    virtual void changeCharButtonClicked(const EventRef& event = nullptr);
    virtual void saveButtonClicked(const EventRef& event = nullptr);
    virtual void quitButtonClicked(const EventRef& event = nullptr);
    virtual void quitConfirm();
    virtual void fadeOutQuitBlack();
    virtual void quitCancel();
    virtual void exitButtonClicked(const EventRef& event = nullptr);
    virtual void exitConfirm();
    virtual void fadeOutExitBlack();
    virtual void exitCancel();
    virtual void sorcerorKilledFlash();
    // Fades the white cover in over `seconds`, then calls onComplete; it stays until faded out.
    virtual void flashWhite(const runtime::Ref<runtime::Function>& onComplete = nullptr, double seconds = 0.2);
    virtual void fadeWhiteFromSorceror();
    virtual void taloranOver(const EventRef& event = nullptr);
    virtual void taloranOut(const EventRef& event = nullptr);
    virtual void taloranClick(const EventRef& event = nullptr);
    virtual void reCreateUI();

    int transitionBarThickness = 0;
    SpriteRef inventory;
    runtime::Ref<UIButtonPanel> panel;
    runtime::Ref<UIEquipment> equipment;
    SpriteRef crafting;
    SpriteRef hotkeys;
    SpriteRef useSpecialWin;
    runtime::Ref<UIShop> shop;
    runtime::Ref<UILoot> currentLootWindow;
    runtime::Ref<UIEscapeLoot> escapeLootWindow;
    runtime::Ref<LootDetails> lootDetails;
    bool inventoryOpen = false;
    bool shopOpen = false;
    bool menuOpen = false;
    bool hotkeysOpen = false;
    bool useSpecialOpen = false;
    bool currentLootOpen = false;
    bool escapeLootOpen = false;
    bool equipmentOpen = false;
    bool craftingOpen = false;
    bool creditsOpen = false;
    bool museumOpen = false;
    bool moreStatsOpen = false;
    bool slotWinOpen = false;
    bool diaryOpen = false;
    bool compareOpen = false;
    bool yesNoWinOpen = false;
    bool gemShopOpen = false;
    bool messageWinOpen = false;
    runtime::Ref<MiniMap> miniMap;
    int transitionProgress = 0;
    SpriteRef mainLayer;
    SpriteRef caveLayer;
    SpriteRef overLayer;
    SpriteRef overBlack;
    SpriteRef overBlack2;
    SpriteRef overWhite;
    runtime::Ref<framework::Sprite> rainLayer;
    runtime::Ref<framework::DisplayObject> lightningFlash;
    runtime::Ref<FPSCounter> fps;
    SpriteRef enemyDetailsWindow;
    SpriteRef hpmpHud;
    bool atForge = false;
    runtime::Ref<BasicWindow> settingsWin;
    runtime::Ref<UISettingsDetails> settingsDetails;
    bool settingsOpen = false;
    SpriteRef activeEffectsHUD;
    runtime::Ref<BasicWindow> optionsWindow;
    runtime::Ref<BasicWindow> clearDataWindow;
    SpriteRef activeEffectsWindow;
    runtime::Ref<TextSprite> deathText;
    runtime::Ref<TextSprite> deathText2;
    // The stage's click listener of the death screen while it waits.
    runtime::Ref<runtime::Function> deathClick;
    runtime::Ref<SkillTreeMenu> skillTreeMenu;
    bool skillTreeOpen = false;
    bool mapOpen = false;
    runtime::Ref<MapWindow> mapWindow;
    SpriteRef museum;
    runtime::Ref<YesNoWindow> yesNoWin;
    SpriteRef stairsShortcutWindow;
    runtime::Ref<UILoadingScreen> loadingScreen;
    runtime::Ref<UIResizeScreen> resizeScreen;
    bool resizeScreenOpen = false;
    bool activeEffectsOpen = false;
    bool rainCreated = false;
    runtime::Ref<BasicButton> itemsButton;
    SpriteRef goldSprite;
    runtime::Ref<framework::Bitmap> goldIcon;
    runtime::Ref<TextSprite> goldText;
    runtime::Ref<TextSprite> floorText;
    int selectedWindow = -1;
    runtime::Ref<framework::Sprite> transitionLayer;
    SpriteRef logo;
    SpriteRef titleButtons;
    SpriteRef statChooseMenu;
    SpriteRef chooseGem;
    bool chooseMenuOpen = false;
    runtime::Ref<TextSprite> chooseMenuInstructions;
    runtime::Ref<TextSprite> chooseMenuLevelUpText;
    runtime::Ref<TextSprite> welcomeToLevelText;
    std::vector<SpriteRef> chooseIcons;
    bool unpauseAfterSkillTreeCloses = false;
    runtime::Ref<TextSprite> gameSavedText;
    SpriteRef diaryEntry;
    bool cheatShopOpen = false;
    runtime::Ref<TextSprite> chooseTileText;
    runtime::Ref<BasicButton> chooseTileCancel;
    SpriteRef floorSkipMenu;
    runtime::Ref<UICompareEquipped> compareScreen;
    runtime::Ref<BasicWindow> chooseFloorWin;
    runtime::Ref<BasicButton> skillPointsButton;
    int skillPointsShowTime = 0;
    bool tweeningOutWindow = false;
    runtime::Ref<YesNoWindow> clearDataYesNoWin;
    runtime::Ref<TextSprite> startText;
    SpriteRef bestiaryWin;
    runtime::Ref<YesNoWindow> quitYesNoWin;
    runtime::Ref<YesNoWindow> exitYesNoWin;
    runtime::Ref<BasicButton> quitButton;
    runtime::Ref<BasicButton> settingsExitButton;
    std::vector<runtime::Ref<BasicButton>> chooseFloorButtons;
    bool bestiaryOpen = false;
    runtime::Ref<MessageWindow> messageWindow;
    runtime::Ref<UICredits> creditsScreen;
    bool exitingToTitle = false;
    SpriteRef taloranSprite;
    SpriteRef taloran;
    SpriteRef taloranOverSprite;
    SpriteRef moreStatsWindow;
    SpriteRef slotWindow;
    std::vector<runtime::Ref<BitmapSprite>> rainTiles;
    SpriteRef gemShop;
    bool loadingScreenOpen = false;
    bool titleShowing = false;
    bool chooseHeroWinOpen = false;
    SpriteRef chooseHeroWin;
    runtime::Ref<framework::Sprite> UIWinHolder;
    SpriteRef UIWinBG;
    runtime::Ref<BasicButton> changeCharButton;
    runtime::Ref<BasicButton> saveButton;
    runtime::Ref<TextSprite> charText;
    runtime::Ref<TextSprite> saveText;
    runtime::Ref<TextSprite> saveText2;
    int titleButtonsHeight = 0;
    runtime::Ref<YesNoWindow> ngPlusYesNoWin;
    runtime::Ref<BasicButton> startButton;
    runtime::Ref<BasicButton> optionsButton;
    runtime::Ref<BasicButton> creditsButton;
    runtime::Ref<BasicButton> exitButton;
    runtime::Ref<BasicButton> newGamePlusButton;
    runtime::Ref<framework::Bitmap> rainBG;
    bool startingNewGame = false;

    // The menu and movement locks before the first of a run of message windows.
    struct Locks {
        bool menu = false;
        bool movement = false;
    };
    Locks lockedBeforeMessage;

    // A window that keeps the in-game menu shut is up: slot or hero choice, level-up ring, death
    // screen, question, message, loading or resize notice.
    bool modalWindowOpen() const;
    // Width of the hotkey bar for the current game area.
    static int hotkeyBarWidth();

protected:
    // Sets the inventory's select, use and deselect callbacks to the named operations of owner.
    void setInventoryCallbacks(const SpriteRef& owner, const char* select, const char* use, const char* deselect);
    // Opens window the first time the hint id comes up in this save.
    void showHintOnce(int id, const runtime::Ref<MessageWindow>& window);
    // Sinks a floating text 20 units while it fades out over 3 s, as a menu effect.
    void startFloatingText(const runtime::Ref<TextSprite>& text);
    // Runs operation on a window held by its base type, passing args; a window that is missing or
    // lacks the operation gives null (traced in debug builds).
    runtime::Value send(const runtime::Ref<runtime::Object>& window, const char* operation,
                        std::initializer_list<runtime::Value> args = {});
    // The equipment tab's select, use or deselect callback; a do-nothing one while it is missing.
    runtime::Ref<runtime::Function> equipmentCallback(const char* operation, bool deselect);
    // An operation of a window class not made yet: nothing happens (traced in debug builds).
    static void notBuilt(const char* operation);
    // Quitting or leaving from the menu during a battle: the battle's locks are let go and the
    // hero runs again.
    void leaveBattleForMenuExit();
    // One step of the lightning: the flash's alpha to `alpha`, then `next` (none for the last).
    void tweenLightning(double seconds, double alpha, const runtime::Ref<runtime::Function>& next);
    static constexpr int RAIN_CELL = 128;
};

}  // namespace game
