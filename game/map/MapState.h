#pragma once
// The game's one engine state and the scene everything happens in: it builds and draws the town,
// the bar and each dungeon floor, walks the hero tile by tile, runs battles and story scenes on the
// map and drives the UI root every frame. Reached everywhere as G::mapState.
#include <functional>
#include <vector>

#include "engine/EngState.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/events/Event.h"
#include "framework/geom/Point.h"
#include "game/data/Item.h"
#include "game/floor/MapData.h"
#include "game/floor/MapStateLink.h"
#include "game/floor/TiledMap.h"
#include "game/kit/Anim.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/kit/TextSprite.h"
#include "game/battle/Hero.h"
#include "game/floor/Door.h"
#include "game/floor/SecretTile.h"
#include "game/floor/StatGem.h"
#include "game/map/NPCData.h"

namespace game {

class Monster;
class Speech;

class MapState : public engine::EngState, public MapStateLink {
    RUNTIME_CLASS(MapState)
public:
    using PointRef = runtime::Ref<framework::Point>;
    using SpriteRef = runtime::Ref<BitmapSprite>;
    using EventRef = runtime::Ref<framework::Event>;

    MapState();
    explicit MapState(runtime::NoInit n);
    ~MapState() override;

    // Frame counts: X_60FPS keeps the value at 60 frames per second, X is the live one (halved,
    // truncated, at 30).
    static constexpr int MOVE_UP = 0;
    static constexpr int MOVE_DOWN = 1;
    static constexpr int MOVE_LEFT = 2;
    static constexpr int MOVE_RIGHT = 3;
    static constexpr int WALK_TIME_60FPS = 12;
    static inline int WALK_TIME = 12;
    static constexpr int WALK_Y_SORT_FRAME_60FPS = 4;
    static inline int WALK_Y_SORT_FRAME = 4;
    static constexpr int INFO_HOLD_TIME_60FPS = 30;
    static inline int INFO_HOLD_TIME = 30;
    static constexpr int END_SPEECH_TIME_60FPS = 10;
    static inline int END_SPEECH_TIME = 10;
    static constexpr int THUNDER_TIME_60FPS = 300;
    static inline int THUNDER_TIME = 300;
    static constexpr int THUNDER_TIME_VARIATION_60FPS = 800;
    static inline int THUNDER_TIME_VARIATION = 800;
    static constexpr int GEM_GIVE_TIME_60FPS = 30;
    static inline int GEM_GIVE_TIME = 30;
    static constexpr int CRYSTAL_DOT_MOVE_FACTOR_60FPS = 100;
    static inline int CRYSTAL_DOT_MOVE_FACTOR = 100;
    static constexpr int CRYSTAL_CHARGE_TIME_60FPS = 320;
    static inline int CRYSTAL_CHARGE_TIME = 320;
    static constexpr int CRYSTAL_CHARGE_END_FRAMES_60FPS = 10;
    static inline int CRYSTAL_CHARGE_END_FRAMES = 10;
    static constexpr int CRYSTAL_HOLE_APPEAR_FRAMES_60FPS = 4;
    static inline int CRYSTAL_HOLE_APPEAR_FRAMES = 4;
    static constexpr int CRYSTAL_FALL_TIME_60FPS = 400;
    static inline int CRYSTAL_FALL_TIME = 400;
    static constexpr int DEMON_HOLE_FRAMES_60FPS = 400;
    static inline int DEMON_HOLE_FRAMES = 400;
    static constexpr int DEMON_RISING_FRAMES_60FPS = 960;
    static inline int DEMON_RISING_FRAMES = 960;
    static constexpr int DEMON_DEATH_FRAMES_60FPS = 600;
    static inline int DEMON_DEATH_FRAMES = 600;
    // Sets every live frame count for 60 or 30 frames per second.
    static void setFrameRate(int framesPerSecond);

    static constexpr int RAIN_SPLASHES_PER_FRAME = 20;
    static constexpr int RAIN_SPLASH_COUNT = 160;
    static constexpr int TELEKINESIS_RANGE = 5;
    static constexpr int WINGS_Y_OFFSET = 20;
    static constexpr double COBWEB_CHANCE = 0.3;
    // Milliseconds a dungeon build may draw walls in one frame.
    static constexpr int BUILD_BUDGET_MS = 50;
    static constexpr int NUM_OBJECT_ROWS = 40;

    static runtime::Ref<Anim> TILE_FLASH_ANIM;
    static runtime::Ref<Anim> TILE_FLASH_ANIM_SHORT;
    static runtime::Ref<Anim> TILE_FLASH_ANIM_RED;
    // The dying sorcerer with his dagger drawn, and his stab (13 cells, 20 frames each).
    static runtime::Ref<Anim> SORCERER_DAGGER_DRAWN;
    static runtime::Ref<Anim> SORCERER_STAB;
    static runtime::Ref<Anim> TILE_FLASH_STATIC;
    static runtime::Ref<Anim> TILE_FLASH_STATIC_RED;
    // [x][y]: the fog template's alpha over 255, filled by initialize.
    static std::vector<std::vector<double>> FOG_TEMPLATE;
    // The millisecond clock of the build's time budget (the framework's timer); tests replace it.
    static std::function<int()> timer;
    // The uniform [0, 1) source of every picture choice; tests replace it.
    static std::function<double()> random;

    // Hero, movement and pointer.
    bool findingPath = false;
    runtime::Ref<Hero> hero;
    bool mouseIsDown = false;
    bool moving = false;
    bool midMove = false;
    std::vector<PointRef> movePath;
    int moveDir = 0;
    int walkFrame = 1;
    bool rightFootFirst = true;
    bool noMoveThisFrame = false;
    bool forcedMove = false;
    bool disableMovement = false;
    runtime::Ref<TileObject> objToActivateOnStop;
    bool showFlash = false;
    SpriteRef tileFlash;
    PointRef touchPoint;
    int lastX = 0;
    int lastY = 0;
    int tileHoldTime = 0;
    int lastTileFlashX = 0;
    int lastTileFlashY = 0;
    bool infoShownForTile = false;
    PointRef battleEntryTilePoint;

    // Floor and drawing.
    std::vector<SpriteRef> objectRows;
    SpriteRef overSprite;
    runtime::Ref<framework::BitmapData> fogData;
    SpriteRef fogSprite;
    SpriteRef mapCanvas;
    runtime::Ref<MapData> mapData;
    SpriteRef baseSprite;
    runtime::Ref<framework::BitmapData> baseBMD;
    SpriteRef objectsSprite;
    runtime::Ref<framework::BitmapData> overBMD;
    runtime::Ref<framework::BitmapData> tilesetBMD;
    runtime::Ref<TiledMap> currentTiledMap;
    bool building = false;
    int buildX = 0;
    bool saveAfterBuild = true;
    int timeCheck = 0;
    bool stairsFound = false;
    runtime::Ref<TileObject> secretEntrance;
    int revealFrame = 0;
    std::vector<runtime::Ref<SecretTile>> fakeWalls;
    SpriteRef fakeWallHolder;
    bool pickaxeUsedThisFloor = false;

    // Battle.
    runtime::Ref<runtime::Object> battle;
    bool inBattle = false;
    bool healthIsLow = false;

    // Floor changes.
    bool mapTransition = false;
    bool startingNewRun = false;
    bool stairsWinOpen = false;

    // Effects and rewards.
    std::vector<SpriteRef> mapEffects;
    std::vector<SpriteRef> menuEffects;
    std::vector<runtime::Ref<ItemIconAnimated>> animatedItemIcons;
    std::vector<runtime::Ref<StatGem>> boughtGems;
    std::vector<runtime::Ref<StatGem>> gemsToCredit;
    int gemGiveTime = 0;
    int shakeTime = 0;
    SpriteRef foundItemWin;
    bool foundItemWinShowing = false;
    bool openStatChooseMenu = false;
    runtime::Ref<StatGem> chooseGem;

    // Speech.
    runtime::Ref<Speech> currentSpeech;
    runtime::Ref<TileObject> lastNPC;
    bool openShopAfterSpeech = false;
    int endSpeechTime = 0;
    bool speechCancelledThisFrame = false;
    runtime::Ref<TileObject> townGuard;

    // Special items and tile choice.
    bool choosingTile = false;
    runtime::Ref<Item> chooseTileItem;
    SpriteRef overGrid;
    SpriteRef overGrid6x6Range;
    runtime::Ref<framework::Bitmap> overGridSelection;
    runtime::Ref<Tile> selectedGridTile;
    runtime::Ref<TextSprite> chosenTileLabel;
    runtime::Ref<TextSprite> chooseTileConfirmLabel;
    double chooseMapMovement = 0;
    bool tweeningMapCanvas = false;

    // Title intro.
    int titleIntroFrame = 0;
    bool titleIntroPlaying = false;
    runtime::Ref<Door> titleDoor;

    // Wings.
    bool usingWings = false;
    SpriteRef wingsBackAnim;
    bool wingsOverAdded = false;
    SpriteRef wingsTarget;

    // Sorcerer.
    bool sorcererDied = false;
    bool sorcererWounded = false;
    bool sorcererDieing = false;
    runtime::Ref<TileObject> dieingSorcererNPC;
    int crystalChargeTime = 0;
    std::vector<SpriteRef> dots;
    std::vector<PointRef> dotVelocities;

    // Demon.
    bool escapeAfterKillingDemon = false;
    SpriteRef demonHead;
    SpriteRef demonHeadBlack;
    SpriteRef demonRightHandOpen;
    SpriteRef demonRightHandClosed;
    SpriteRef demonLeftHandOpen;
    SpriteRef demonLeftHandClosed;
    bool demonDieing = false;
    int demonDeathFrame = 0;
    SpriteRef holeBGGradient;
    bool demonHoleExpanding = false;
    bool demonRising = false;
    int demonHoleFrame = 0;
    int demonRiseFrame = 0;
    SpriteRef demonGradient;
    SpriteRef demonCliff;

    // Display changes.
    bool recreatingUI = false;
    bool changingPixelFilter = false;
    bool changingGUISize = false;
    int changingGUITime = 0;
    bool instantResize = true;
    bool filterChanged = false;

    // Rain.
    bool raining = false;
    int thunderTime = 0;
    std::vector<SpriteRef> rainSplashes;
    int rainSplashIndex = 0;

    // Start-up.
    bool scaledIntialScreen = false;
    bool loadingScreenShown = false;
    int startupFrames = 0;

    // Engine state.
    void update() override;
    void create() override;

    // The frame.
    virtual void initialize();
    virtual void updateBoughtGems();
    virtual void updateAnimatedItemIcons();
    virtual void updateEffects(std::vector<SpriteRef>& list);

    // Input and movement.
    virtual void updateCamera();
    virtual void updateScreenShake();
    virtual void updateKeyboard();
    virtual void checkArrowKeysMovement();
    virtual void stageKeyDown(const EventRef& event);
    virtual void stageClick(const EventRef& event);
    virtual void mapMouseDown(const EventRef& event);
    // The player asks for the next page; skip (Escape) leaves the bubble's remaining pages.
    virtual void advanceSpeech(bool skip = false);
    virtual void mapMouseUp(const EventRef& event);
    virtual void stageMouseUp(const EventRef& event);
    virtual void mapMouseMove(const EventRef& event);
    virtual PointRef getTileCoordinateFromTouch(double x, double y);
    virtual void updateTileObjects();
    virtual void updateSpeechAnim();
    virtual void closeLastSpeechText();
    virtual void updateFakeWalls();

    // Floors.
    virtual void goToNextFloor(bool increment = true);
    virtual void goToMap(const runtime::Ref<TiledMap>& map, const PointRef& startPoint);
    virtual void goToTitle();
    virtual void startNewRun();
    virtual void startBuild(const runtime::Ref<TiledMap>& map, const PointRef& startPoint, bool saveAfterBuild = true,
                            bool fromSave = false);
    virtual void drawTiledMap(const runtime::Ref<TiledMap>& map, const PointRef& startPoint = nullptr,
                              bool skipObjects = false);
    virtual runtime::Ref<TileObject> determineTileObject(Tile* tile, int id);
    virtual void drawFloors();
    virtual void updateBuildLevel();
    virtual void drawWall(const runtime::Ref<framework::BitmapData>& bmd, int x, int y, double px, double py,
                          bool forceWall = false, bool floorUnder = false);
    void drawWall(const runtime::Ref<framework::BitmapData>& target, int x, int y, int dx, int dy,
                  bool forceWall) override {
        drawWall(target, x, y, static_cast<double>(dx), static_cast<double>(dy), forceWall, false);
    }
    virtual void finishBuild();
    virtual void drawSecretTiles();
    virtual void drawGroundDetails();
    virtual void drawObjects();
    virtual void placeHero();
    virtual void titleStartGame();
    virtual void startBuildFromSave();
    virtual void resetOverBlackPosition();
    virtual void updateTitleIntro();

    // Walking.
    virtual void updateMoveTarget(const PointRef& point = nullptr);
    virtual void tryToMoveToTile(Tile* tile, bool showFlash = true);
    void setFoundMovePath(const std::vector<PointRef>& path, const PointRef& target) override;
    virtual void updateMovement();
    virtual void correctHeroPostion();

    // Battles, stairs and floor changes.
    virtual void endBattle(bool ranAway);
    virtual void startBattle();
    void showFoundItemWindow(const runtime::Ref<Item>& item) override;
    virtual void confirmStairs();
    virtual void cancelStairs();
    void startMapTransition() override;
    // Re-enables the hotkey slots and equipment icons a battle disabled; run when a battle ends,
    // the hero dies or the run is left.
    virtual void releaseBattleLocks();
    void setShopInventory() override;
    void openStatChooseMenuThisTile(const runtime::Ref<StatGem>& gem) override;
    virtual void useWings();
    virtual void updateWings();
    virtual void fadeAfterWings();
    // The shared start of a flight: the under-wings sprite, the sound and the locks.
    void startWings(const SpriteRef& target);
    // A wings sprite over the flying target's tile.
    SpriteRef wingSprite(const char* picture) const;
    virtual void endSuccessfulRun();
    virtual void exitCave();
    virtual void displayTileInfo(int x, int y);
    virtual void activateDiary();
    virtual void openFreeShop();
    virtual void closeFreeShop();
    virtual void startChooseTileMode(const runtime::Ref<Item>& item);
    virtual void endChooseTileMode();
    virtual void endMapCanvasTween();
    virtual void useSpecialItemOnTile(Tile* tile);
    virtual void destroyWall(Tile* tile);
    virtual void createWallExplosion(Tile* tile);
    virtual void setPixelFilter(bool on, bool instant = false);
    virtual void finishFilterChange();
    virtual void changeGUISize();
    virtual void guardStop();
    virtual void revealFog();
    virtual void loadMapFogFromSave();
    virtual void revealMap(bool silent = false);
    virtual void checkForStairsShortcut(bool afterBattle = false);
    void sorcerorFirstTrigger(TileObject& trigger) override;
    void sorcerorSecondTrigger(TileObject& trigger) override;
    void sorcerorThirdTrigger(TileObject& trigger) override;
    void sorcerorFourthTrigger(TileObject& trigger) override;
    virtual void sorcerorSpawnMonster();
    virtual void sorcerorSpawnMonsterPickaxe();
    virtual void moveSorceror();
    virtual void sorcerorDoneTalking();
    virtual void addMonsterToTile(Tile* tile, int monsterID);
    virtual void spawnSorcerorTreasure();
    virtual void findStairs();
    virtual void useStairsShortcut();
    virtual void createCachedRainSplashes();
    // One of the splash animations, at random.
    runtime::Ref<Anim> randomRainSplash();
    // The rain area whose weight range holds n; the last one from its weight on.
    static runtime::Ref<RainRect> rainAreaFor(const std::vector<runtime::Ref<RainRect>>& areas, int n);
    virtual void updateRain();
    virtual void playTownTheme();
    virtual void checkForScreenResize();
    // The dying sorcerer walks out from behind the hero after the boss battle.
    virtual void startWoundedSorcerer();
    virtual void sorcererSacrificeSpeech();
    virtual void sorcererSacrifice();
    virtual void sorcererStab();
    virtual void updateSorcererDeath();
    virtual void wingOutNPC(const SpriteRef& npc);
    virtual void removeWingedNPC();
    virtual void updateGivingGems();
    virtual void addHoleBGGradient();
    void activateDemonTrigger(TileObject& trigger) override;
    virtual void demonExpandWalls();
    virtual void updateDemonHoleExpansion();
    virtual void createDemonParts();
    virtual void updateDemonRising();
    virtual void demonDie();
    virtual void updateDemonDeath();
    virtual void spawnDemonTreasure();
    void findFloorObject() override;

    // The floor's hero cell (MapStateLink).
    std::optional<std::pair<int, int>> heroCell() const override;
    std::optional<std::pair<double, double>> heroPosition() const override;
    MapData* currentMapData() override { return mapData.get(); }
    void addToObjectRow(int row, const runtime::Ref<framework::DisplayObject>& sprite) override;
    void addToMapCanvas(const runtime::Ref<framework::DisplayObject>& sprite) override;
    void addMenuEffect(const runtime::Ref<framework::DisplayObject>& sprite) override;
    void addMapEffect(const runtime::Ref<framework::DisplayObject>& sprite) override;
    void addAnimatedItemIcon(const runtime::Ref<framework::DisplayObject>& icon) override;
    // The hero's tile column and row (0 while there is no hero).
    int heroX() const;
    int heroY() const;
    // Copies a w x h piece at (sx, sy) of source onto target at (dx, dy), blending by alpha.
    static void copyPiece(const runtime::Ref<framework::BitmapData>& source,
                          const runtime::Ref<framework::BitmapData>& target, double sx, double sy, double w, double h,
                          double dx, double dy);
    // The tileset piece (column, row) onto target at (px, py).
    void drawPiece(const runtime::Ref<framework::BitmapData>& target, int column, int row, double px, double py);
    // The tile is a wall; off the map counts as wall.
    bool isWallAt(int x, int y) const;
    // The strips that soften the feet of walls beside floor tiles: the lower halves before the
    // walls, the upper halves after them.
    void drawWallFeet(bool lower);
    // One of the four cobweb rules of secret-room walls.
    void drawCobweb(const runtime::Ref<framework::BitmapData>& bmd, int rule, int x, int y, double px, double py);
    // Pixel (x, y) of fogData: black at that opacity.
    void setFog(int x, int y, double opacity);
    // The table's placement conditions of a character hold.
    static bool npcMayAppear(const NPCData& data);
    // A window that must be answered first is up: slot or hero choice, level-up ring, death
    // screen, a question, a message or the loading and resize notices.
    static bool modalWindowOpen();
    // The developer keys (debug builds only).
    void developerKeys();
    static bool movementKeyHeld();
    // Turns the hero toward a tile he stopped in front of.
    void faceTile(const Tile& tile);
    // The battle against the monster the hero stepped onto.
    runtime::Ref<runtime::Object> makeBattle(const runtime::Ref<Monster>& monster);
    // Fills FOG_TEMPLATE from its picture.
    static void loadFogTemplate();
    // The floor test behind the stairs shortcut: a way from the hero's tile to (x, y).
    bool pathToStairs(int x, int y);

private:
    // create() installed this state as the data model's scene and floor.
    bool hooksInstalled_ = false;
};

}  // namespace game
