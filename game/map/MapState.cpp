#include "MapState.h"

#include <random>

#include "framework/Lib.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;
using runtime::Ref;
using runtime::Value;

runtime::Ref<Anim> MapState::TILE_FLASH_ANIM = make<Anim>(0, 0, 32, 32, 9, false, 3);
runtime::Ref<Anim> MapState::TILE_FLASH_ANIM_SHORT = make<Anim>(96, 0, 32, 32, 6, false, 3);
runtime::Ref<Anim> MapState::TILE_FLASH_ANIM_RED = make<Anim>(0, 64, 32, 32, 9, false, 2);
runtime::Ref<Anim> MapState::TILE_FLASH_STATIC = make<Anim>(96, 0, 32, 32, 1, false, 3);
runtime::Ref<Anim> MapState::TILE_FLASH_STATIC_RED = make<Anim>(96, 64, 32, 32, 1, false, 3);
std::vector<std::vector<double>> MapState::FOG_TEMPLATE;
std::function<int()> MapState::timer = [] { return framework::Lib::getTimer(); };
std::function<double()> MapState::random = [] {
    static std::mt19937 source{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(source);
};

MapState::MapState() : touchPoint(make<framework::Point>(0, 0)), fakeWallHolder(make<BitmapSprite>()) {}

MapState::MapState(runtime::NoInit n) : engine::EngState(n) {}

MapState::~MapState() = default;

void MapState::setFrameRate(int framesPerSecond) {
    auto set = [framesPerSecond](int& live, int at60) { live = framesPerSecond == 30 ? static_cast<int>(at60 * 0.5) : at60; };
    set(WALK_TIME, WALK_TIME_60FPS);
    set(WALK_Y_SORT_FRAME, WALK_Y_SORT_FRAME_60FPS);
    set(INFO_HOLD_TIME, INFO_HOLD_TIME_60FPS);
    set(END_SPEECH_TIME, END_SPEECH_TIME_60FPS);
    set(THUNDER_TIME, THUNDER_TIME_60FPS);
    set(THUNDER_TIME_VARIATION, THUNDER_TIME_VARIATION_60FPS);
    set(GEM_GIVE_TIME, GEM_GIVE_TIME_60FPS);
    set(CRYSTAL_DOT_MOVE_FACTOR, CRYSTAL_DOT_MOVE_FACTOR_60FPS);
    set(CRYSTAL_CHARGE_TIME, CRYSTAL_CHARGE_TIME_60FPS);
    set(CRYSTAL_CHARGE_END_FRAMES, CRYSTAL_CHARGE_END_FRAMES_60FPS);
    set(CRYSTAL_HOLE_APPEAR_FRAMES, CRYSTAL_HOLE_APPEAR_FRAMES_60FPS);
    set(CRYSTAL_FALL_TIME, CRYSTAL_FALL_TIME_60FPS);
    set(DEMON_HOLE_FRAMES, DEMON_HOLE_FRAMES_60FPS);
    set(DEMON_RISING_FRAMES, DEMON_RISING_FRAMES_60FPS);
    set(DEMON_DEATH_FRAMES, DEMON_DEATH_FRAMES_60FPS);
}

void MapState::create() {
    G::mapState = Ref<MapState>(this);
    startupFrames = 0;
}

void MapState::update() {}

MapState::PointRef MapState::getTileCoordinateFromTouch(double x, double y) { return make<framework::Point>(0, 0); }

runtime::Ref<TileObject> MapState::determineTileObject(Tile* tile, int id) { return nullptr; }

void MapState::setFoundMovePath(const std::vector<PointRef>& path, const PointRef& target) {}

std::optional<std::pair<int, int>> MapState::heroCell() const {
    if (!hero) return std::nullopt;
    return std::pair{heroX(), heroY()};
}

int MapState::heroX() const { return hero ? Value(hero).field("lev_x").toInt() : 0; }

int MapState::heroY() const { return hero ? Value(hero).field("lev_y").toInt() : 0; }

bool MapState::pathToStairs(int x, int y) { return false; }

void MapState::initialize() {}
void MapState::updateBoughtGems() {}
void MapState::updateAnimatedItemIcons() {}
void MapState::updateEffects(std::vector<SpriteRef>& list) {}
void MapState::updateCamera() {}
void MapState::updateScreenShake() {}
void MapState::updateKeyboard() {}
void MapState::checkArrowKeysMovement() {}
void MapState::stageKeyDown(const EventRef& event) {}
void MapState::stageClick(const EventRef& event) {}
void MapState::mapMouseDown(const EventRef& event) {}
void MapState::advanceSpeech(bool escape) {}
void MapState::mapMouseUp(const EventRef& event) {}
void MapState::stageMouseUp(const EventRef& event) {}
void MapState::mapMouseMove(const EventRef& event) {}
void MapState::updateTileObjects() {}
void MapState::updateSpeechAnim() {}
void MapState::closeLastSpeechText() {}
void MapState::updateFakeWalls() {}
void MapState::goToNextFloor(bool increment) {}
void MapState::goToMap(const runtime::Ref<TiledMap>& map, const PointRef& startPoint) {}
void MapState::goToTitle() {}
void MapState::startNewRun() {}
void MapState::startBuild(const runtime::Ref<TiledMap>& map, const PointRef& startPoint, bool saveAfterBuild, bool fromSave) {}
void MapState::drawTiledMap(const runtime::Ref<TiledMap>& map, const PointRef& startPoint, bool skipObjects) {}
void MapState::drawFloors() {}
void MapState::updateBuildLevel() {}
void MapState::drawWall(const runtime::Ref<framework::BitmapData>& bmd, int x, int y, double px, double py, bool forceWall, bool floorUnder) {}
void MapState::finishBuild() {}
void MapState::drawSecretTiles() {}
void MapState::drawGroundDetails() {}
void MapState::drawObjects() {}
void MapState::placeHero() {}
void MapState::titleStartGame() {}
void MapState::startBuildFromSave() {}
void MapState::resetOverBlackPosition() {}
void MapState::updateTitleIntro() {}
void MapState::updateMoveTarget(const PointRef& point) {}
void MapState::tryToMoveToTile(Tile* tile, bool showFlash) {}
void MapState::updateMovement() {}
void MapState::correctHeroPostion() {}
void MapState::endBattle(bool ranAway) {}
void MapState::startBattle() {}
void MapState::showFoundItemWindow(const runtime::Ref<Item>& item) {}
void MapState::confirmStairs() {}
void MapState::cancelStairs() {}
void MapState::startMapTransition() {}
void MapState::setShopInventory() {}
void MapState::openStatChooseMenuThisTile() {}
void MapState::useWings() {}
void MapState::updateWings() {}
void MapState::fadeAfterWings() {}
void MapState::endSuccessfulRun() {}
void MapState::exitCave() {}
void MapState::displayTileInfo(int x, int y) {}
void MapState::activateDiary() {}
void MapState::openFreeShop() {}
void MapState::closeFreeShop() {}
void MapState::startChooseTileMode(const runtime::Ref<Item>& item) {}
void MapState::endChooseTileMode() {}
void MapState::endMapCanvasTween() {}
void MapState::useSpecialItemOnTile(Tile* tile) {}
void MapState::destroyWall(Tile* tile) {}
void MapState::createWallExplosion(Tile* tile) {}
void MapState::setPixelFilter(bool on, bool showLoading) {}
void MapState::finishFilterChange() {}
void MapState::changeGUISize() {}
void MapState::guardStop() {}
void MapState::revealFog() {}
void MapState::loadMapFogFromSave() {}
void MapState::revealMap(bool silent) {}
void MapState::checkForStairsShortcut(bool afterBattle) {}
void MapState::sorcerorFirstTrigger() {}
void MapState::sorcerorSecondTrigger() {}
void MapState::sorcerorThirdTrigger() {}
void MapState::sorcerorFourthTrigger() {}
void MapState::sorcerorSpawnMonster() {}
void MapState::sorcerorSpawnMonsterPickaxe() {}
void MapState::moveSorceror() {}
void MapState::sorcerorDoneTalking() {}
void MapState::addMonsterToTile(Tile* tile, int monsterID) {}
void MapState::spawnSorcerorTreasure() {}
void MapState::findStairs() {}
void MapState::useStairsShortcut() {}
void MapState::createCachedRainSplashes() {}
void MapState::updateRain() {}
void MapState::playTownTheme() {}
void MapState::checkForScreenResize() {}
void MapState::sorcererSacrificeSpeech() {}
void MapState::sorcererSacrifice() {}
void MapState::sorcererStab() {}
void MapState::updateSorcererDeath() {}
void MapState::wingOutNPC(const SpriteRef& npc) {}
void MapState::removeWingedNPC() {}
void MapState::updateGivingGems() {}
void MapState::addHoleBGGradient() {}
void MapState::activateDemonTrigger() {}
void MapState::demonExpandWalls() {}
void MapState::updateDemonHoleExpansion() {}
void MapState::createDemonParts() {}
void MapState::updateDemonRising() {}
void MapState::demonDie() {}
void MapState::updateDemonDeath() {}
void MapState::spawnDemonTreasure() {}
void MapState::findFloorObject() {}

}  // namespace game

using game::MapState;

RUNTIME_DEFINE_CLASS(MapState, "MapState", engine::EngState, (auto& b) {
    b.template field<&MapState::hero>("hero")
        .template field<&MapState::mapCanvas>("mapCanvas")
        .template field<&MapState::mapData>("mapData")
        .template field<&MapState::inBattle>("inBattle")
        .template field<&MapState::tilesetBMD>("tilesetBMD")
        .template field<&MapState::healthIsLow>("healthIsLow")
        .template field<&MapState::foundItemWinShowing>("foundItemWinShowing")
        .template field<&MapState::stairsFound>("stairsFound")
        .template field<&MapState::disableMovement>("disableMovement")
        .template field<&MapState::building>("building")
        .template field<&MapState::moving>("moving")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<MapState>(); });
})
