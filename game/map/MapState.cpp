#include "MapState.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKey.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "framework/Lib.h"
#include "platform/runtime/ClassInfo.h"
#include "game/floor/TeleportTile.h"
#include "game/floor/TileObjectMisc.h"
#include "game/floor/SoulCrystal.h"
#include "game/floor/Stairs.h"
#include "game/floor/StatGem.h"
#include "framework/assets/Assets.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/KeyboardEvent.h"
#include "framework/events/MouseEvent.h"
#include "framework/geom/Rectangle.h"
#include "game/battle/Effects.h"
#include "game/battle/Monster.h"
#include "game/data/Achievements.h"
#include "game/data/Data.h"
#include "game/data/DataFloor.h"
#include "game/data/DataMap.h"
#include "game/floor/Chest.h"
#include "game/floor/GoldBag.h"
#include "store/StoreWrap.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/data/SWITCH.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/YesNoWindow.h"
#include "game/map/MiniMap.h"
#include "game/ui/EnemyDetailsWindow.h"
#include "game/ui/FoundItemWindow.h"
#include "game/ui/HotkeySlot.h"
#include "game/ui/HotkeyWindow.h"
#include "game/map/NPC.h"
#include "game/shell/Audio.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "game/kit/TweenProps.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"
#include "tween/Tweener.h"
#include "tween/easing/Linear.h"
#include "tween/easing/Quad.h"
#include "tween/easing/Quart.h"

namespace game {

using framework::BitmapData;
using framework::Point;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;
using runtime::Value;

runtime::Ref<Anim> MapState::TILE_FLASH_ANIM = make<Anim>(0, 0, 32, 32, 9, false, 3);
runtime::Ref<Anim> MapState::TILE_FLASH_ANIM_SHORT = make<Anim>(96, 0, 32, 32, 6, false, 3);
runtime::Ref<Anim> MapState::TILE_FLASH_ANIM_RED = make<Anim>(0, 64, 32, 32, 9, false, 2);
runtime::Ref<Anim> MapState::TILE_FLASH_STATIC = make<Anim>(96, 0, 32, 32, 1, false, 3);
runtime::Ref<Anim> MapState::SORCERER_DAGGER_DRAWN = make<Anim>(64, 0, 32, 32, 1);
runtime::Ref<Anim> MapState::SORCERER_STAB = make<Anim>(96, 0, 32, 32, 13, false, 20);
runtime::Ref<Anim> MapState::TILE_FLASH_STATIC_RED = make<Anim>(96, 64, 32, 32, 1, false, 3);
std::vector<std::vector<double>> MapState::FOG_TEMPLATE;
std::function<int()> MapState::timer = [] { return framework::Lib::getTimer(); };
std::function<double()> MapState::random = [] {
    static std::mt19937 source{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(source);
};

namespace {

constexpr int T = C::TILE_SIZE;
constexpr int KEY_ESCAPE = 27;

Ref<framework::Stage> stage() {
    auto current = framework::Lib::get_current();
    return current ? current->get_stage() : nullptr;
}

// The UI root is reached by name: a window it does not have yet is simply not opened.
Value uiField(const char* name) { return Game::ui ? Value(Game::ui).field(name) : Value(); }

bool uiFlag(const char* name) { return uiField(name).toBool(); }

template <class... A>
void uiCall(const char* name, A&&... args) {
    Value method = uiField(name);
    if (auto* f = method.function()) (*f)(std::forward<A>(args)...);
}

template <class T>
Ref<T> uiObject(const char* name) {
    return Ref<T>(uiField(name).as<T>());
}

template <class... A>
void callOn(const Ref<runtime::Object>& target, const char* name, A&&... args) {
    if (!target) return;
    Value method = Value(target).field(name);
    if (auto* f = method.function()) (*f)(std::forward<A>(args)...);
}

bool keyIs(int code, int status) { return engine::EngG::keys && engine::EngG::keys->checkStatus(code, status); }
bool held(int code) { return keyIs(code, engine::EngKey::PRESSED); }
bool justPressed(int code) { return keyIs(code, engine::EngKey::JUST_PRESSED); }

bool anyKeyJustPressed() {
    return engine::EngG::keys && !engine::EngG::keys->firstJustPressed().empty();
}

bool switchSet(int id) {
    return id >= 0 && id < static_cast<int>(GameData::gameSwitches.size()) && GameData::gameSwitches[id];
}

// Marks a one-time hint shown and reports whether it had not been.
bool firstTimeHint(int id) {
    if (id < 0) return false;
    if (static_cast<int>(GameData::messageWins.size()) <= id) GameData::messageWins.resize(id + 1, false);
    if (GameData::messageWins[id]) return false;
    GameData::messageWins[id] = true;
    return true;
}

void removeFromParent(const Ref<framework::DisplayObject>& o) {
    if (!o) return;
    if (auto p = o->get_parent()) p->removeChild(o);
}

Ref<MiniMap> miniMap() { return uiObject<MiniMap>("miniMap"); }

// What the data model asks of the scene: the battle flag, the map's special-item modes and the
// menu effects, and the floor a slot save writes.
class SceneHooks : public DataMap, public DataFloor {
public:
    explicit SceneHooks(MapState* state) : weak_(state) {}

    bool inBattle() override { return st() && st()->inBattle; }
    void useAttackSpell(const Ref<Item>& item) override {
        if (st()) callOn(st()->battle, "useAttackSpell", item);
    }
    void revealMap() override {
        if (st() && st()->mapData && st()->fogData) st()->revealMap();
    }
    void startChooseTileMode(const Ref<Item>& item) override {
        if (st()) st()->startChooseTileMode(item);
    }
    void useWings() override {
        if (st()) st()->useWings();
    }
    void addMenuEffect(const Ref<runtime::Object>& sprite) override {
        if (auto s = sprite.cast<BitmapSprite>(); s && st()) st()->menuEffects.push_back(s);
    }

    DataFloor::Tile tile(int i, int j) override {
        DataFloor::Tile out;
        const game::Tile* t = st() && st()->mapData ? st()->mapData->tileAt(i, j) : nullptr;
        if (!t) return out;
        out.wall = t->wall;
        out.hole = t->hole;
        out.hidden = t->hidden;
        out.fakeWall = t->fakeWall;
        out.visibility = st()->mapData->fogTilesOpacity[i][j];
        if (!t->tObj) return out;
        const TileObject& o = *t->tObj;
        out.objType = o.objType;
        out.activated = o.activated;
        if (auto* m = dynamic_cast<const Monster*>(&o)) {
            out.monsterID = m->data ? m->data->id : 0;
            out.hp = m->hp;
        } else if (auto* g = dynamic_cast<const StatGem*>(&o)) {
            out.statGemType = g->type;
        } else if (auto* c = dynamic_cast<const Chest*>(&o)) {
            out.chestType = c->type;
            out.itemID = c->item && c->item->data ? c->item->data->id : 0;
        } else if (auto* b = dynamic_cast<const GoldBag*>(&o)) {
            out.amount = b->amount;
        } else if (auto* n = dynamic_cast<const NPC*>(&o)) {
            out.npcID = n->npcData ? n->npcData->id : 0;
        }
        return out;
    }
    bool secretRevealed() override { return st() && st()->secretRevealed; }
    int heroX() override { return st() ? st()->heroX() : 0; }
    int heroY() override { return st() ? st()->heroY() : 0; }
    int sorcererPhase() override { return st() ? st()->sorcererPhase : 0; }
    int numFloorObjects() override { return st() && st()->mapData ? st()->mapData->numFloorObjects : 0; }
    int foundFloorObjects() override { return st() ? st()->foundFloorObjects : 0; }

private:
    // The scene may go before the hooks (at exit): then they answer as the silent stand-ins.
    MapState* st() const { return weak_.get(); }
    runtime::Weak<MapState> weak_;
};

}  // namespace

MapState::MapState() : touchPoint(make<Point>(0, 0)), fakeWallHolder(make<BitmapSprite>()) {}

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

// ---- the frame ----

void MapState::create() {
    G::mapState = Ref<MapState>(this);
    auto hooks = std::make_shared<SceneHooks>(this);
    DataMap::install(hooks);
    DataFloor::install(hooks);
    hooksInstalled_ = true;
    startupFrames = 0;
}

void MapState::update() {
    if (Game::steam && G::frameCount % 10 == 0) store::StoreWrap::onEnterFrame();
    if (!scaledIntialScreen) {
        if (startupFrames < 3) {
            ++startupFrames;
            return;
        }
        if (!loadingScreenShown) {
            Game::showAppLoadingScreen();
            loadingScreenShown = true;
            return;
        }
        Game::createUI(true);
        initialize();
        scaledIntialScreen = true;
        return;
    }
    if (!Game::mobile) checkForScreenResize();
    if (changingGUISize) {
        if (changingGUITime == 1) {
            Game::createUI();
            uiCall("closeLoadingScreen", true);
            changingGUISize = false;
        }
        ++changingGUITime;
        return;
    }
    ++G::frameCount;
    if (Audio::fading) Audio::updateFade();
    uiCall("update");
    updateEffects(menuEffects);
    speechCancelledThisFrame = false;
    if (healthIsLow) callOn(uiObject<runtime::Object>("hpmpHud"), "updateLowHPAnim");
    if (building) {
        updateBuildLevel();
        return;
    }
    if (recreatingUI) {
        recreatingUI = false;
        return;
    }
    updateKeyboard();
    if (raining && !uiFlag("menuOpen")) updateRain();
    if (!boughtGems.empty()) updateBoughtGems();
    if (G::pauseGame) {
        uiCall("updatePausedStuff");
        return;
    }
    if (openStatChooseMenu && !midMove) {
        if (chooseGem) chooseGem->showChooseMenu();
        openStatChooseMenu = false;
        return;
    }
    updateTileObjects();
    updateEffects(mapEffects);
    if (!gemsToCredit.empty()) updateGivingGems();
    if (usingWings) {
        updateWings();
        return;
    }
    if (findingPath && mapData) mapData->updateGetMovePath();
    if (moving && !tweeningMapCanvas) {
        updateMovement();
        if (!titleIntroPlaying) updateCamera();
    } else if (inBattle) {
        callOn(battle, "update");
    }
    if (shakeTime > 0) updateScreenShake();
    if (titleIntroPlaying) updateTitleIntro();
    if (hero) hero->update();
    if (revealSecret) updateFakeWalls();
    if (mapTransition) uiCall("updateFloorTransition");
    if (currentSpeech) updateSpeechAnim();
    if (endSpeechTime > 0) {
        --endSpeechTime;
        if (endSpeechTime == 0 && !currentSpeech) lastNPC = nullptr;
    }
    if (mouseIsDown && !infoShownForTile && !choosingTile) {
        ++tileHoldTime;
        if (tileHoldTime == INFO_HOLD_TIME) displayTileInfo(lastTileFlashX, lastTileFlashY);
    }
    if (!animatedItemIcons.empty()) updateAnimatedItemIcons();
    if (sorcererWounded) {
        if (auto npc = dieingSorcererNPC.cast<NPC>(); npc && npc->animSprite)
            npc->animSprite->updateAnim();
    } else if (sorcererDieing) {
        updateSorcererDeath();
    }
    if (demonHoleExpanding) updateDemonHoleExpansion();
    else if (demonRising) updateDemonRising();
    if (demonDieing) updateDemonDeath();
}

void MapState::initialize() {
    hero = make<Hero>();
    stage()->addEventListener("click", runtime::Function::method<&MapState::stageClick>(this));
    if (!Game::mobile) stage()->addEventListener("keyDown", runtime::Function::method<&MapState::stageKeyDown>(this));
    tileFlash = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/misc/tileFlash.png"));
    tileFlash->set_mouseEnabled(false);
    tileFlash->removeEffect = false;
    goToTitle();

    auto grid = make<BitmapData>(C::MAP_SIZE, C::MAP_SIZE, true, 0);
    for (int x = 0; x < C::MAP_SIZE; ++x)
        for (int y = 0; y < C::MAP_SIZE; ++y)
            grid->setPixel32(x, y, static_cast<int>(x % 2 == y % 2 ? 0x11FFFFFFu : 0x11000000u));
    overGrid = make<BitmapSprite>(grid);
    overGrid->set_scaleX(T);
    overGrid->set_scaleY(T);
    const int side = 2 * TELEKINESIS_RANGE + 1;
    auto range = make<BitmapData>(side, side, true, 0);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (std::abs(x - TELEKINESIS_RANGE) + std::abs(y - TELEKINESIS_RANGE) <= TELEKINESIS_RANGE)
                range->setPixel32(x, y, static_cast<int>(0xFF86FCFDu));
    overGrid6x6Range = make<BitmapSprite>(range);
    overGrid6x6Range->set_scaleX(T);
    overGrid6x6Range->set_scaleY(T);
    overGrid6x6Range->set_mouseEnabled(false);
    overGrid6x6Range->set_mouseChildren(false);
    overGrid6x6Range->set_alpha(0.2);
    overGridSelection = make<framework::Bitmap>(make<BitmapData>(2, 2, true, static_cast<int>(0xFF86FCFDu)));
    overGridSelection->set_width(T);
    overGridSelection->set_height(T);
    overGridSelection->set_alpha(0.5);
    chosenTileLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "");
    chooseTileConfirmLabel = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Click again to confirm!");
    animatedItemIcons.clear();
    boughtGems.clear();
    YesNoWindow::STAIRS_CONFIRMATION = make<YesNoWindow>(
        "Go down to the next floor?", runtime::Function::method<&MapState::confirmStairs>(this),
        runtime::Function::method<&MapState::cancelStairs>(this));
    loadFogTemplate();
    foundItemWin = make<FoundItemWindow>(this);
    if (!GameData::fullscreen) instantResize = false;
}

void MapState::loadFogTemplate() {
    FOG_TEMPLATE.clear();
    auto bmd = framework::Assets::getBitmapData("assets/misc/fogTemplate.png");
    if (!bmd) return;
    const int w = bmd->get_width(), h = bmd->get_height();
    FOG_TEMPLATE.assign(w, std::vector<double>(h, 1.0));
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            FOG_TEMPLATE[x][y] = static_cast<double>((static_cast<uint32_t>(bmd->getPixel32(x, y)) >> 24) & 0xFF) / 255;
}

void MapState::updateEffects(std::vector<SpriteRef>& list) {
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i) {
        if (i >= static_cast<int>(list.size())) continue;
        SpriteRef sprite = list[i];
        sprite->updateAnim();
        if (!sprite->animCompleted || sprite->tweening || sprite->waitToRemove) continue;
        if (sprite->removeEffect) {
            removeFromParent(sprite);
            sprite->destroy();
        }
        list.erase(list.begin() + i);
    }
}

void MapState::updateTileObjects() {
    if (!mapData) return;
    // An update may add objects; the ones present when the frame began are updated.
    const size_t n = mapData->tileObjects.size();
    for (size_t i = 0; i < n && i < mapData->tileObjects.size(); ++i) {
        Ref<TileObject> o = mapData->tileObjects[i];
        o->update();
    }
}

void MapState::updateAnimatedItemIcons() {
    for (int i = static_cast<int>(animatedItemIcons.size()) - 1; i >= 0; --i) {
        auto icon = animatedItemIcons[i];
        if (icon->animFrame < ItemIconAnimated::ITEM_ANIM_FRAMES) {
            icon->update();
        } else {
            animatedItemIcons.erase(animatedItemIcons.begin() + i);
            removeFromParent(icon);
            icon->destroy();
        }
    }
}

void MapState::updateBoughtGems() {
    for (int i = static_cast<int>(boughtGems.size()) - 1; i >= 0; --i) {
        auto gem = boughtGems[i];
        gem->update();
        if (!gem->exploding) boughtGems.erase(boughtGems.begin() + i);
    }
}

void MapState::updateFakeWalls() {
    for (auto& w : fakeWalls) w->update(revealFrame);
    if (revealFrame > SecretTile::REVEAL_TIME) {
        if (secretEntrance) secretEntrance->walkable = true;
        revealSecret = false;
        secretRevealed = true;
        uiCall("drawMiniMap", mapData);
    } else if (mapData) {
        for (auto& o : mapData->hiddenObjects) o->set_alpha(static_cast<double>(revealFrame) / SecretTile::REVEAL_TIME);
    }
    ++revealFrame;
}

void MapState::findFloorObject() {
    ++foundFloorObjects;
    if (mapData && mapData->numFloorObjects != -1 && foundFloorObjects >= mapData->numFloorObjects)
        Achievements::submitFloorSweeper();
}

void MapState::findStairs() {
    if (stairsFound) return;
    stairsFound = true;
    callOn(uiObject<runtime::Object>("stairsShortcutWindow"), "appear");
}

// ---- effect lists handed in by map objects ----

void MapState::addToObjectRow(int row, const Ref<framework::DisplayObject>& sprite) {
    if (row >= 0 && row < static_cast<int>(objectRows.size())) objectRows[row]->addChild(sprite);
}

void MapState::addToMapCanvas(const Ref<framework::DisplayObject>& sprite) {
    if (mapCanvas) mapCanvas->addChild(sprite);
}

void MapState::addMenuEffect(const Ref<framework::DisplayObject>& sprite) {
    if (auto s = sprite.cast<BitmapSprite>()) menuEffects.push_back(s);
}

void MapState::addMapEffect(const Ref<framework::DisplayObject>& sprite) {
    if (auto s = sprite.cast<BitmapSprite>()) mapEffects.push_back(s);
}

void MapState::addAnimatedItemIcon(const Ref<framework::DisplayObject>& icon) {
    if (auto s = icon.cast<ItemIconAnimated>()) animatedItemIcons.push_back(s);
}

// ---- floors: building and fog ----

void MapState::goToNextFloor(bool increment) {
    GameData::inCave = true;
    if (increment) {
        ++GameData::currentFloor;
        GameData::deepestFloor = std::max(GameData::deepestFloor, GameData::currentFloor);
    }
    goToMap(nullptr, nullptr);
    if (auto cave = uiObject<framework::DisplayObject>("caveLayer"); cave && !cave->get_visible()) {
        cave->set_visible(true);
        cave->set_alpha(0);
        tween::Tweener::tween(cave, 0.6, TweenProps::of({{"alpha", 1}}));
    }
}

void MapState::goToMap(const Ref<TiledMap>& map, const PointRef& startPoint) {
    transitionToPremade = revealSecret = secretRevealed = moving = midMove = inBattle = stairsFound = false;
    wingsExistOnFloor = pickaxeUsedThisFloor = false;
    sorcererPhase = revealFrame = foundFloorObjects = 0;
    fakeWalls.clear();
    mapEffects.clear();
    for (auto* bmd : {&fogData, &baseBMD, &overBMD})
        if (*bmd) {
            (*bmd)->dispose();
            *bmd = nullptr;
        }
    startBuild(map, startPoint);
    if (currentSpeech) {
        currentSpeech = nullptr;
        lastNPC = nullptr;
    }
}

void MapState::startBuild(const Ref<TiledMap>& map, const PointRef& startPoint, bool saveAfter, bool fromSave) {
    animatedItemIcons.clear();
    raining = false;
    if (auto rain = uiObject<framework::DisplayObject>("rainLayer")) rain->set_visible(false);
    currentTiledMap = map;
    // The old floor's objects go before the new one is made: the object rows are rebuilt.
    mapData = make<MapData>(this, map, fromSave);
    saveAfterBuild = saveAfter;
    if (mapCanvas) {
        if (Game::gameStage && mapCanvas->get_parent() == Game::gameStage.get()) Game::gameStage->removeChild(mapCanvas);
        mapCanvas->destroy(true);
        holeBGGradient = nullptr;
    }
    mapCanvas = make<BitmapSprite>();
    mapCanvas->set_scaleX(2);
    mapCanvas->set_scaleY(2);
    mapCanvas->addEventListener("mouseDown", runtime::Function::method<&MapState::mapMouseDown>(this));
    mapCanvas->addEventListener("mouseMove", runtime::Function::method<&MapState::mapMouseMove>(this));
    mapCanvas->addEventListener("mouseUp", runtime::Function::method<&MapState::mapMouseUp>(this));
    if (auto s = stage()) s->addEventListener("mouseUp", runtime::Function::method<&MapState::stageMouseUp>(this));
    const bool dungeon = !map;
    const int floor = GameData::currentFloor;
    if (dungeon && floor == 100) addHoleBGGradient();

    const int w = mapData->width, h = mapData->height;
    baseBMD = make<BitmapData>(w * T, h * T, true, 0);
    baseSprite = make<BitmapSprite>(baseBMD);
    mapCanvas->addChild(baseSprite);
    objectsSprite = make<BitmapSprite>();
    objectRows.clear();
    for (int i = 0; i < NUM_OBJECT_ROWS; ++i) {
        objectRows.push_back(make<BitmapSprite>());
        objectsSprite->addChild(objectRows.back());
    }
    mapCanvas->addChild(objectsSprite);
    if (dungeon && floor == 100 && !switchSet(SWITCH::DEMON_KILLED)) createDemonParts();
    fogData = make<BitmapData>(w, h, true, static_cast<int>(0xFF000000u));
    fogSprite = make<BitmapSprite>(fogData);
    fogSprite->set_scaleX(T);
    fogSprite->set_scaleY(T);
    fogSprite->set_mouseEnabled(false);
    fogSprite->set_mouseChildren(false);
    mapCanvas->addChild(fogSprite);
    if (!dungeon || floor == 100) revealMap(true);
    overBMD = dungeon ? nullptr : make<BitmapData>(w * T, h * T, true, 0);
    overSprite = make<BitmapSprite>(overBMD);
    mapCanvas->addChild(overSprite);
    if (Game::gameStage) Game::gameStage->addChild(mapCanvas);

    if (!dungeon) {
        drawTiledMap(map, startPoint);
        disableMovement = false;
        if (switchSet(SWITCH::SORCERER_DEAD) && !switchSet(SWITCH::DEMON_KILLED)) {
            if (map == TiledMap::TOWN) {
                raining = true;
                thunderTime = static_cast<int>(THUNDER_TIME / 5.0 + random() * THUNDER_TIME / 5.0);
                if (auto rain = uiObject<framework::DisplayObject>("rainLayer")) rain->set_visible(true);
                playTownTheme();
                if (!uiFlag("rainCreated")) uiCall("createRain", true);
            } else if (map == TiledMap::BAR) {
                Audio::playMusic("rain", "", 0.3);
            }
        }
    } else {
        static const char* const tilesets[] = {"cave", "jungleRuins", "iceCave", "forest", "demonTiles"};
        static const char* const music[] = {"BasicCave", "Jungle", "Ice", "EnchantedForest", "Undead"};
        int zone = (floor - 1) / 20;
        if (zone < 0 || zone > 4) zone = 0;
        tilesetBMD = PixelSmoother::smoothAsset(std::string("assets/x2/tilesets/") + tilesets[zone] + ".png");
        if (floor == 100) {
            Audio::fadeOutMusic(60);
        } else {
            std::string name = floor % 10 == 0 && floor != 50 && floor != 80 ? "Shop" : music[zone];
            Audio::playMusic("music" + name + "Loop", "music" + name + "Intro");
        }
        buildX = 0;
        building = true;
        drawFloors();
        callOn(uiObject<runtime::Object>("stairsShortcutWindow"), "drawStairs", tilesetBMD);
    }
    if (auto button = uiObject<framework::DisplayObject>("stairsShortcutWindow")) button->set_visible(false);
    uiCall("updateFloor");
    if (!fromSave && dungeon && floor == 100 && switchSet(SWITCH::DEMON_KILLED)) spawnDemonTreasure();
}

void MapState::startBuildFromSave() {
    if (hero) hero->set_visible(true);
    for (const char* layer : {"mainLayer", "caveLayer"})
        if (auto l = uiObject<framework::DisplayObject>(layer)) l->set_visible(true);
    disableMovement = false;
    GameData::inCave = true;
    startBuild(nullptr, nullptr, false, true);
    loadMapFogFromSave();
    if (auto black = uiObject<framework::DisplayObject>("overBlack")) {
        if (auto a = tween::Tweener::tween(black, 0.2, TweenProps::of({{"x", static_cast<double>(Game::gameWidth)}}))) {
            a->ease(tween::Linear::get_easeNone());
            a->onComplete(runtime::Function::method<&MapState::resetOverBlackPosition>(this));
        }
    }
}

void MapState::updateBuildLevel() {
    timeCheck = timer();
    for (;;) {
        for (int y = 0; y < C::MAP_SIZE; ++y) drawWall(baseBMD, buildX, y, buildX * T, y * T);
        ++buildX;
        if (buildX >= C::MAP_SIZE) break;
        if (timer() - timeCheck >= BUILD_BUDGET_MS) return;
    }
    drawWallFeet(false);
    if (filterChanged) {
        // A pixel-filter change repainted the floors: the walls are back, the floor stays as it is.
        filterChanged = false;
        building = false;
        return;
    }
    disableMovement = false;
    finishBuild();
}

void MapState::finishBuild() {
    building = false;
    if (mapData->hasSecret && !secretRevealed) drawSecretTiles();
    drawObjects();
    placeHero();
    revealFog();
    uiCall("drawMiniMap", mapData);
    if (auto mm = miniMap()) mm->setHeroPos(heroX(), heroY());
    updateCamera();
    RUNTIME_TRACE(Value(std::string("Map Draw took ") + std::to_string(timer() - timeCheck) + " ms"));
    const int floor = GameData::currentFloor;
    if (floor == 3 && firstTimeHint(MessageWindow::ID_RUN_AWAY)) uiCall("openMessageWin", MessageWindow::WIN_RUN_AWAY);
    if (floor == 6 && !GameData::slowSpeed && firstTimeHint(MessageWindow::ID_BATTLE_SPEED))
        uiCall("openMessageWin", MessageWindow::WIN_BATTLE_SPEED);
    if (floor == 8 && firstTimeHint(MessageWindow::ID_ENEMY_DETAILS))
        uiCall("openMessageWin", MessageWindow::WIN_ENEMY_DETAILS);
    if (saveAfterBuild) Data::saveAllData();
}

void MapState::drawSecretTiles() {
    for (auto& tile : mapData->fakeWalls) {
        auto wall = make<SecretTile>(tile->lev_x, tile->lev_y);
        fakeWallHolder->addChild(wall);
        fakeWalls.push_back(wall);
    }
    secretEntrance = mapData->secretEntranceTile ? mapData->secretEntranceTile->tObj : nullptr;
    baseSprite->addChild(fakeWallHolder);
}

void MapState::drawObjects() {
    for (auto& o : mapData->tileObjects) {
        if (!o->exists) continue;
        o->drawImage(tilesetBMD);
        if (o->objType == TileObject::TYPE_STAIRS || o->objType == TileObject::TYPE_CRYSTAL_HOLE)
            baseSprite->addChild(o);
        else if (o->tile)
            addToObjectRow(o->tile->lev_y, o);
        o->mapState = this;
        if (o->objType == TileObject::TYPE_DESK) {
            MapState* self = this;  // the objects live in this state's floor
            o->activationFunction = [self](TileObject&) { self->activateDiary(); };
        }
    }
}

void MapState::placeHero() {
    hero->set_visible(true);
    // A floor that set no start puts the hero on its first open tile.
    if (!mapData->startPoint && !mapData->floorTiles.empty())
        mapData->startPoint = make<Point>(mapData->floorTiles.front()->lev_x, mapData->floorTiles.front()->lev_y);
    if (!mapData->startPoint) mapData->startPoint = make<Point>(0, 0);
    hero->lev_x = static_cast<int>(mapData->startPoint->x);
    hero->lev_y = static_cast<int>(mapData->startPoint->y);
    hero->set_x(hero->lev_x * T);
    hero->set_y(hero->lev_y * T);
    addToObjectRow(hero->lev_y, hero);
}

void MapState::setFog(int x, int y, double opacity) {
    fogData->setPixel32(x, y, static_cast<int>(static_cast<uint32_t>(static_cast<int>(opacity * 255)) << 24));
}

void MapState::revealFog() {
    if (!mapData || !hero || FOG_TEMPLATE.empty()) return;
    const int r = MiniMap::FOG_RADIUS;
    bool changed = false;
    for (int i = std::max(0, hero->lev_x - r); i <= std::min(mapData->width - 1, hero->lev_x + r); ++i)
        for (int j = std::max(0, hero->lev_y - r); j <= std::min(mapData->height - 1, hero->lev_y + r); ++j) {
            const int tx = r + i - hero->lev_x, ty = r + j - hero->lev_y;
            if (tx >= static_cast<int>(FOG_TEMPLATE.size()) || ty >= static_cast<int>(FOG_TEMPLATE[tx].size())) continue;
            const double t = FOG_TEMPLATE[tx][ty];
            if (mapData->fogTilesOpacity[i][j] > t) {
                mapData->fogTilesOpacity[i][j] = t;
                setFog(i, j, t);
                changed = true;
            }
        }
    if (changed) {
        checkForStairsShortcut();
        if (auto mm = miniMap()) mm->updateMap(mapData);
    }
}

void MapState::loadMapFogFromSave() {
    for (int x = 0; x < mapData->width; ++x)
        for (int y = 0; y < mapData->height; ++y) setFog(x, y, mapData->fogTilesOpacity[x][y]);
}

void MapState::revealMap(bool silent) {
    for (auto& column : mapData->fogTilesOpacity) std::fill(column.begin(), column.end(), 0.0);
    fogData->fillRect(make<Rectangle>(0, 0, fogData->get_width(), fogData->get_height()), 0);
    checkForStairsShortcut();
    if (silent) return;
    Audio::playSound("secret");
    secretRevealed = true;
    uiCall("drawMiniMap", mapData);
    if (auto mm = miniMap()) mm->reveal();
}

// ---- floor and wall pictures ----

void MapState::copyPiece(const Ref<BitmapData>& source, const Ref<BitmapData>& target, double sx, double sy,
                         double w, double h, double dx, double dy) {
    if (!source || !target) return;
    target->copyPixels(source, make<Rectangle>(sx, sy, w, h), make<Point>(dx, dy), nullptr, nullptr, true);
}

void MapState::drawPiece(const Ref<BitmapData>& target, int column, int row, double px, double py) {
    copyPiece(tilesetBMD, target, column * T, row * T, T, T, px, py);
}

bool MapState::isWallAt(int x, int y) const {
    const Tile* t = mapData ? mapData->tileAt(x, y) : nullptr;
    return !t || t->wall;
}

void MapState::drawWallFeet(bool lower) {
    const double half = T / 2.0;
    for (int x = 0; x <= C::MAP_SIZE - 3; ++x)
        for (int y = 0; y <= C::MAP_SIZE - 3; ++y) {
            const Tile* t = mapData->tileAt(x, y);
            if (!t || t->wall || !isWallAt(x, y + 1)) continue;
            for (int side : {-1, 1}) {
                const int nx = x + side;
                if (side < 0 && x == 0) continue;
                if (!isWallAt(nx, y) || isWallAt(nx, y + 1)) continue;
                const double dx = side < 0 ? x * T - half : x * T + half;
                if (lower) copyPiece(tilesetBMD, baseBMD, 6 * T, half, T, half, dx, (y + 1) * T);
                else copyPiece(tilesetBMD, baseBMD, 6 * T, 0, T, half, dx, y * T + half);
            }
        }
}

void MapState::drawFloors() {
    for (int x = 0; x < C::MAP_SIZE; ++x)
        for (int y = 0; y < C::MAP_SIZE; ++y) {
            const Tile* t = mapData->tileAt(x, y);
            if (t && t->hidden) {
                const double r = random();
                if (r < 0.8) drawPiece(baseBMD, 4, 7, x * T, y * T);
                else if (r < 0.9) drawPiece(baseBMD, 5, 6, x * T, y * T);
                else drawPiece(baseBMD, 5, 7, x * T, y * T);
            } else {
                drawPiece(baseBMD, 0, static_cast<int>(random() * 4), x * T, y * T);
            }
        }
    drawGroundDetails();
    for (int x = 0; x <= C::MAP_SIZE - 2; ++x)
        for (int y = 0; y <= C::MAP_SIZE - 2; ++y) {
            const Tile* t = mapData->tileAt(x, y);
            if (t && t->tObj && t->tObj->objType == TileObject::TYPE_CHEST) drawPiece(baseBMD, 0, 6, x * T, y * T);
        }
    drawWallFeet(true);
}

void MapState::drawGroundDetails() {
    const double half = T / 2.0;
    for (auto& tile : mapData->floorTiles) {
        if (tile->hasObj()) continue;
        for (int q = 0; q < 4; ++q) {
            if (random() >= 0.1) continue;
            const double sx = static_cast<int>(random() * 2) * half;
            const double sy = 4 * T + static_cast<int>(random() * 4) * half;
            copyPiece(tilesetBMD, baseBMD, sx, sy, half, half, tile->lev_x * T + (q % 2) * half,
                      tile->lev_y * T + (q / 2) * half);
        }
    }
}

void MapState::drawWall(const Ref<BitmapData>& bmd, int x, int y, double px, double py, bool forceWall,
                        bool floorUnder) {
    if (!mapData) return;  // no floor yet: nothing to draw from
    const double r0 = random();
    const bool half = r0 < 0.5;
    if (floorUnder) drawPiece(bmd, 0, static_cast<int>(random() * 4), px, py);
    const Tile* tile = mapData->tileAt(x, y);
    if (!tile) return;
    if (!tile->wall && !tile->hole && !forceWall) return;

    if (tile->hole) {
        bmd->fillRect(make<Rectangle>(px, py, T, T), 0);
        auto hole = [&](int dx, int dy) {
            const Tile* n = mapData->tileAt(x + dx, y + dy);
            return !n || n->hole;
        };
        const bool L = hole(-1, 0), R = hole(1, 0), U = hole(0, -1), D = hole(0, 1), DL = hole(-1, 1), DR = hole(1, 1);
        int c, r;
        if (L && R && U && D && DL && DR) c = 7, r = 8;
        else if (L && R && U && D && DL) c = 4, r = 3;
        else if (L && R && U && D) c = 5, r = 3;
        else if (L && R && U) c = 6, r = 9;
        else if (L && R) c = 1, r = 9;
        else if (L && U && D) c = 4, r = 9;
        else if (L && U) c = 7, r = 9;
        else if (L) c = 2, r = 9;
        else if (U && D) c = 3, r = 9;
        else if (U) c = 5, r = 9;
        else c = 0, r = 9;
        drawPiece(bmd, c, r, px, py);
        return;
    }

    auto wall = [&](int dx, int dy) {
        const Tile* n = mapData->tileAt(x + dx, y + dy);
        if (!n) return true;
        return n->wall || (forceWall && (n->fakeWall || n->hidden));
    };
    const bool L = wall(-1, 0), R = wall(1, 0), U = wall(0, -1), D = wall(0, 1);
    const bool UL = wall(-1, -1), UR = wall(1, -1), DL = wall(-1, 1), DR = wall(1, 1);
    const bool entrance = tile->tObj && tile->tObj->objType == TileObject::TYPE_SECRET_ENTRANCE;
    int cobweb = 0;
    int c = 6, r = 0;
    if (L && R && !U && D) {
        if (DL && DR) {
            if (entrance) c = 2, r = 8;
            else if (half) c = 7, r = 6;
            else c = 2, r = 0;
        } else if (!DL && DR) c = 2, r = 4;
        else if (DL && !DR) c = 3, r = 4;
        else c = 1, r = 4;
    } else if (L && R && !U && !D) {
        c = 2, r = 3;
    } else if (L && R && U && !D) {
        if (UL && UR) {
            if (entrance) c = 1, r = 8;
            else if (half) {
                static const int pieces[3][2] = {{6, 7}, {4, 8}, {5, 8}};
                const int k = std::min(2, static_cast<int>(random() * 3));
                c = pieces[k][0], r = pieces[k][1];
            } else c = 2, r = 2;
            cobweb = 1;
        } else if (!UL && UR) c = 2, r = 5;
        else if (UL && !UR) c = 3, r = 5;
        else c = 1, r = 5;
    } else if (L && R && U && D) {
        static const int all[16][2] = {
            // index: UL<<3 | UR<<2 | DL<<1 | DR
            {3, 4}, {4, 4}, {5, 4}, {6, 1}, {4, 5}, {6, 3}, {4, 2}, {5, 1},
            {5, 5}, {5, 2}, {7, 3}, {4, 1}, {6, 2}, {5, 0}, {4, 0}, {2, 1}};
        const int k = (UL << 3) | (UR << 2) | (DL << 1) | static_cast<int>(DR);
        c = all[k][0], r = all[k][1];
        if (k == 14) cobweb = 2;
    } else if (L && !R && U && D) {
        if (UL && DL) {
            if (entrance) c = 3, r = 8;
            else if (half) c = 7, r = 7;
            else c = 3, r = 1;
            cobweb = 3;
        } else if (UL && !DL) c = 3, r = 7;
        else if (!UL && DL) c = 3, r = 6;
        else c = 1, r = 6;
    } else if (L && !R && U && !D) {
        if (UL) c = 3, r = 2;
        else c = 7, r = 5;
    } else if (L && !R && !U && D) {
        if (DL) c = 3, r = 0;
        else c = 7, r = 4;
    } else if (L && !R && !U && !D) {
        c = 3, r = 3;
    } else if (!L && R && U && D) {
        if (UR && DR) {
            if (entrance) c = 0, r = 8;
            else if (half) c = 6, r = 6;
            else c = 1, r = 1;
            cobweb = 4;
        } else if (UR && !DR) c = 2, r = 7;
        else if (!UR && DR) c = 2, r = 6;
        else c = 1, r = 7;
    } else if (!L && R && U && !D) {
        if (UR) c = 1, r = 2;
        else c = 6, r = 5;
    } else if (!L && R && !U && D) {
        if (DR) c = 1, r = 0;
        else c = 6, r = 4;
    } else if (!L && R && !U && !D) {
        c = 1, r = 3;
    } else if (!L && !R && U && D) {
        c = 7, r = 1;
    } else if (!L && !R && U && !D) {
        c = 7, r = 2;
    } else if (!L && !R && !U && D) {
        c = 7, r = 0;
    } else {
        c = 6, r = 0;
    }
    drawPiece(bmd, c, r, px, py);
    if (cobweb) drawCobweb(bmd, cobweb, x, y, px, py);
}

void MapState::drawCobweb(const Ref<BitmapData>& bmd, int rule, int x, int y, double px, double py) {
    if (random() >= COBWEB_CHANCE) return;
    auto openHidden = [&](int dx, int dy) {
        const Tile* n = mapData->tileAt(x + dx, y + dy);
        return n && n->hidden && !n->wall;
    };
    const int last = C::MAP_SIZE - 1;
    auto secret = BMDCache::secretStuffBMD;
    switch (rule) {
        case 1:
            if (y == last || !openHidden(0, 1)) return;
            if (random() < 0.5) copyPiece(secret, bmd, 2 * T, 0, T, T, px, py);
            else copyPiece(secret, bmd, T, 0, T, static_cast<int>(1.5 * T), px, py);
            return;
        case 2:
            if (x == last || y == last || !openHidden(1, 1)) return;
            copyPiece(secret, bmd, 0, 0, T, T, px, py);
            return;
        case 3:
            if (x == last || !openHidden(1, 0)) return;
            copyPiece(secret, bmd, 0, T, T, T, px, py);
            return;
        case 4:
            if (x == 0 || !openHidden(-1, 0)) return;
            copyPiece(secret, bmd, 2 * T, T, T, T, px, py);
            return;
        default:
            return;
    }
}

// ---- the town, the title and the run ----

void MapState::drawTiledMap(const Ref<TiledMap>& map, const PointRef& startPoint, bool skipObjects) {
    for (const auto& layer : map->layers) {
        if (layer->name == "Hit") continue;
        const bool objects = layer->name == "Objects";
        const bool over = layer->name.find("Over") != std::string::npos;
        for (int y = 0; y < map->height; ++y)
            for (int x = 0; x < map->width; ++x) {
                const size_t k = static_cast<size_t>(y) * map->width + x;
                if (k >= layer->tileData.size()) continue;
                const int64_t gid = layer->tileData[k];
                if (gid == 0) continue;
                const int ts = MapData::determineTileset(map->tilesets, gid);
                if (ts < 0) continue;
                const auto& tileset = map->tilesets[ts];
                const int local = static_cast<int>(gid - tileset->firstID);
                const int perRow = std::max(1, tileset->numTilesInRow);
                const int column = local % perRow, row = local / perRow;
                if (objects) {
                    if (skipObjects) continue;
                    const int id = row * 8 + column;
                    if (id == 0) {
                        mapData->startPoint = make<Point>(x, y);
                        continue;
                    }
                    Tile* tile = mapData->tileAt(x, y);
                    if (!tile) continue;
                    if (auto o = determineTileObject(tile, id)) {
                        tile->tObj = o;
                        o->mapState = this;
                        addToObjectRow(y, o);
                    }
                } else {
                    copyPiece(tileset->bmd, over ? overBMD : baseBMD, column * T, row * T, T, T, x * T, y * T);
                }
            }
    }
    if (skipObjects) return;
    if (startPoint) mapData->startPoint = make<Point>(startPoint->x, startPoint->y);
    placeHero();
    updateCamera();
    uiCall("drawMiniMap", mapData);
    if (transitionFace) {
        hero->setRunAnim(transitionFace);
        transitionFace = nullptr;
    }
    if (transitionWalkToPoint) {
        ignoreTeleportTiles = true;
        setFoundMovePath({transitionWalkToPoint}, nullptr);
        forcedMove = true;
        transitionWalkToPoint = nullptr;
    }
}

bool MapState::npcMayAppear(const NPCData& data) {
    if (data.minRuns != -1 && GameData::storyProgress < data.minRuns) return false;
    if (data.maxRuns != -1 && GameData::storyProgress > data.maxRuns) return false;
    if (data.leaveSwitch != -1 && switchSet(data.leaveSwitch)) return false;
    if (data.needSwitch != -1 && !switchSet(data.needSwitch)) return false;
    return true;
}

Ref<TileObject> MapState::determineTileObject(Tile* tile, int id) {
    MapState* self = this;  // the objects live in this state's floor
    switch (id) {
        case 0:
            mapData->startPoint = make<Point>(tile->lev_x, tile->lev_y);
            return nullptr;
        case 1:
            return make<TeleportTile>(tile, TiledMap::TOWN, make<Point>(14, 11), make<Point>(14, 12), Hero::IDLE_DOWN);
        case 2:
            return make<TeleportTile>(tile, nullptr, nullptr, nullptr, nullptr, true);
        case 3: {
            auto o = make<TileObjectMisc>(tile, true);
            o->oneTimeActivation = true;
            o->activationFunction = [self](TileObject&) { self->guardStop(); };
            return o;
        }
        case 4: {
            auto o = make<TileObjectMisc>(tile, true);
            o->oneTimeActivation = false;
            o->activateOnStop = true;
            o->activationFunction = [](TileObject&) { uiCall("openMuseum"); };
            return o;
        }
        case 14: {
            auto door = make<Door>(tile, 14, TiledMap::BAR, make<Point>(3, 8), make<Point>(3, 7), Hero::IDLE_UP);
            titleDoor = door;
            return door;
        }
        default:
            break;
    }
    if (id < 0 || id >= static_cast<int>(NPCData::NPCS.size()) || !NPCData::NPCS[id]) return nullptr;
    if (!npcMayAppear(*NPCData::NPCS[id])) return nullptr;
    auto npc = make<NPC>(tile, id);
    if (id == 11) townGuard = npc;
    mapData->tileObjects.push_back(npc);
    return npc;
}

void MapState::goToTitle() {
    if (!Game::splashPlaying) playTownTheme();
    startBuild(TiledMap::TOWN, nullptr, false);
    GameData::inCave = false;
    for (const char* layer : {"mainLayer", "caveLayer"})
        if (auto l = uiObject<framework::DisplayObject>(layer)) l->set_visible(false);
    disableMovement = true;
    if (hero) hero->set_visible(false);
    uiCall("showTitleScreen");
}

void MapState::titleStartGame() {
    G::pauseGame = false;
    disableMovement = true;
    titleIntroPlaying = true;
    titleIntroFrame = 0;
    const double scale = mapCanvas->get_scaleX();
    const double cx = Game::gameCenter ? Game::gameCenter->x : 0, cy = Game::gameCenter ? Game::gameCenter->y : 0;
    const double targetX = scale * (-14 * T - T / 2.0) + cx;
    const double targetY = scale * (-12 * T - T / 2.0) + cy;
    const double heroX = scale * (-hero->get_x() - T / 2.0) + cx;
    const double heroY = scale * (-hero->get_y() - T / 2.0) + cy;
    auto p = make<runtime::DynamicObject>();
    if (mapData->width * T * scale < Game::gameWidth) {
        mapCanvas->set_y(heroY);
        p->setField("y", Value(targetY));
    } else if (mapData->height * T * scale < Game::gameHeight) {
        mapCanvas->set_x(heroX);
        p->setField("x", Value(targetX));
    } else {
        mapCanvas->set_x(heroX);
        mapCanvas->set_y(heroY);
        p->setField("x", Value(targetX));
        p->setField("y", Value(targetY));
    }
    if (auto a = tween::Tweener::tween(mapCanvas, 2, p)) a->ease(tween::Quad::get_easeInOut());
}

void MapState::updateTitleIntro() {
    ++titleIntroFrame;
    if (titleIntroFrame == 10 && titleDoor) titleDoor->playAnim();
    if (titleIntroFrame == 45) {
        hero->lev_x = 14;
        hero->lev_y = 11;
        correctHeroPostion();
        addToObjectRow(11, hero);
        hero->set_visible(true);
        setFoundMovePath({make<Point>(14, 12)}, nullptr);
    }
    if (titleIntroFrame == 2 * Game::frameRate) {
        if (auto main = uiObject<framework::DisplayObject>("mainLayer")) {
            main->set_visible(true);
            main->set_alpha(0);
            if (auto a = tween::Tweener::tween(main, 1, TweenProps::of({{"alpha", 1}}))) a->ease(tween::Linear::get_easeNone());
        }
        disableMovement = false;
        titleIntroPlaying = false;
        if (firstTimeHint(MessageWindow::ID_INTRO)) uiCall("openMessageWin", MessageWindow::WIN_INTRO);
    }
}

void MapState::resetOverBlackPosition() {
    if (auto black = uiObject<framework::DisplayObject>("overBlack")) {
        black->set_visible(false);
        black->set_x(0);
    }
}

void MapState::playTownTheme() {
    if (switchSet(SWITCH::SORCERER_DEAD) && !switchSet(SWITCH::DEMON_KILLED)) Audio::playMusic("rain");
    else Audio::playMusic("musicMainThemeLoop", "musicMainThemeIntro");
}

void MapState::startNewRun() {
    startingNewRun = false;
    GameData::startNewRun();
    goToNextFloor(false);
}

void MapState::endSuccessfulRun() {
    ++GameData::successfulRuns;
    if (GameData::storyProgress < 8) ++GameData::storyProgress;
    exitCave();
    usingWings = false;
    wingsOverAdded = false;
    uiCall("disableButtons");
    uiCall("openEscapeLoot");
    GameData::useEscapeWings();
    Data::saveAllData();
}

void MapState::exitCave() {
    playTownTheme();
    GameData::inCave = false;
    goToMap(TiledMap::TOWN, make<Point>(10, 9));
    if (auto cave = uiObject<framework::DisplayObject>("caveLayer")) cave->set_visible(false);
    if (hero) hero->set_alpha(1);
}

void MapState::guardStop() {
    if (switchSet(SWITCH::GUARD_FIRST_STOPPED)) return;
    movePath.clear();
    auto guard = townGuard.cast<NPC>();
    // Without the guard nothing would give the hero his movement back.
    if (!guard) return;
    disableMovement = true;
    if (guard->animSprite) guard->animSprite->setNewAnim(NPC::GUARD_BLOCK);
    guard->showSpeech("firstStop");
}

// ---- speech ----

void MapState::advanceSpeech(bool skip) {
    if (!currentSpeech || (currentSpeech->optionsOpen && !skip)) return;
    Ref<Speech> speech = currentSpeech;
    if (speech->closeCurrentText(skip)) closeLastSpeechText();
    if (skip) speechCancelledThisFrame = true;
}

void MapState::updateSpeechAnim() {
    if (currentSpeech) currentSpeech->update();
}

void MapState::closeLastSpeechText() {
    if (!sorcererWounded) {
        auto speaker = currentSpeech ? currentSpeech->npc.lock() : nullptr;
        if (!speaker || !speaker->npcData || speaker->npcData->id != NPC::DEMON) disableMovement = false;
    }
    if (currentSpeech) currentSpeech->detach();
    currentSpeech = nullptr;
    endSpeechTime = END_SPEECH_TIME;
    if (openShopAfterSpeech) {
        uiCall("openShop", false);
        openShopAfterSpeech = false;
    }
}

void MapState::activateDiary() {
    if (movePath.empty() && hero) hero->setRunAnim(Hero::IDLE_UP);
    uiCall("showDiaryEntry");
}

void MapState::openFreeShop() {
    GameData::tempShopItems = GameData::shopItems;
    GameData::tempShopIcons = GameData::shopIcons;
    GameData::shopItems = GameData::freeShopItems;
    GameData::shopIcons = GameData::freeShopIcons;
    auto shop = uiObject<runtime::Object>("shop");
    callOn(shop, "setShopDialogue", "Everything's free!", "Excellent choice!", "Looks nice!", "Enjoy!",
           "Whoa, easy there!", "Thanks!", "Thanks a lot!", "Happy to help!", "", "I don't want that!");
    if (shop) Value(shop).setField("cheatShop", Value(true));
    uiCall("openShop", true);
}

void MapState::closeFreeShop() {
    if (GameData::tempShopItems) GameData::shopItems = *GameData::tempShopItems;
    if (GameData::tempShopIcons) GameData::shopIcons = *GameData::tempShopIcons;
    if (auto shop = uiObject<runtime::Object>("shop")) Value(shop).setField("cheatShop", Value(false));
}

// ---- pointer and keys ----

bool MapState::modalWindowOpen() {
    // Windows that must be answered before anything else happens on the map.
    auto* ui = dynamic_cast<UI*>(Game::ui.get());
    return ui && ui->modalWindowOpen();
}

void MapState::mapMouseDown(const EventRef& event) {
    advanceSpeech();
    tileHoldTime = 0;
    infoShownForTile = false;
    mouseIsDown = true;
    lastX = static_cast<int>(stage()->get_mouseX());
    lastY = static_cast<int>(stage()->get_mouseY());
    mapMouseMove(event);
}

void MapState::mapMouseMove(const EventRef& event) {
    if (!mouseIsDown) return;
    auto* mouse = dynamic_cast<framework::MouseEvent*>(event.get());
    if (choosingTile) {
        const double oldX = mapCanvas->get_x(), oldY = mapCanvas->get_y();
        const int sx = static_cast<int>(stage()->get_mouseX()), sy = static_cast<int>(stage()->get_mouseY());
        mapCanvas->set_x(oldX - static_cast<int>((lastX - sx) / Game::scaleFactor));
        mapCanvas->set_y(oldY - static_cast<int>((lastY - sy) / Game::scaleFactor));
        lastX = sx;
        lastY = sy;
        const double scale = mapCanvas->get_scaleX();
        const double cx = Game::gameCenter ? Game::gameCenter->x : 0, cy = Game::gameCenter ? Game::gameCenter->y : 0;
        mapCanvas->set_x(std::max(std::min(mapCanvas->get_x(), cx), Game::gameWidth - mapData->width * T * scale - cx));
        mapCanvas->set_y(std::max(std::min(mapCanvas->get_y(), cy), Game::gameHeight - mapData->height * T * scale - cy));
        chooseMapMovement += std::abs(mapCanvas->get_x() - oldX) + std::abs(mapCanvas->get_y() - oldY);
    }
    if (disableMovement || !mouse || !mapData) return;
    auto t = getTileCoordinateFromTouch(mouse->localX, mouse->localY);
    const int tx = static_cast<int>(t->x), ty = static_cast<int>(t->y);
    if (tx == lastTileFlashX && ty == lastTileFlashY) return;
    lastTileFlashX = tx;
    lastTileFlashY = ty;
    const Tile* tile = mapData->tileAt(tx, ty);
    const bool marker = choosingTile || (tile && !tile->wall && !(tile->hidden && !secretRevealed));
    if (marker && tileFlash && objectsSprite) {
        objectsSprite->addChildAt(tileFlash, 0);
        tileFlash->set_x(tx * T);
        tileFlash->set_y(ty * T);
        PointRef from = inBattle && battleEntryTilePoint ? battleEntryTilePoint : make<Point>(heroX(), heroY());
        const bool reachable = mapData->pathBetween(from, t, true);
        tileFlash->setNewAnim(reachable ? TILE_FLASH_STATIC : TILE_FLASH_STATIC_RED);
    }
    tileHoldTime = 0;
    infoShownForTile = false;
}

void MapState::mapMouseUp(const EventRef& event) {
    if (foundItemWinShowing && !currentSpeech) callOn(foundItemWin, "fadeOut");
    auto* mouse = dynamic_cast<framework::MouseEvent*>(event.get());
    if (choosingTile) {
        if (chooseMapMovement < 5 && mouse && mapData) {
            if (Tile* tile = mapData->tileAt(static_cast<int>(T * mouse->localX) / T, static_cast<int>(T * mouse->localY) / T))
                useSpecialItemOnTile(tile);
        }
        chooseMapMovement = 0;
        return;
    }
    if (mouseIsDown && !disableMovement && baseSprite) {
        touchPoint = make<Point>(baseSprite->get_mouseX(), baseSprite->get_mouseY());
        updateMoveTarget(nullptr);
    }
}

void MapState::stageMouseUp(const EventRef& event) {
    mouseIsDown = false;
    if (!moving) removeFromParent(tileFlash);
}

void MapState::stageClick(const EventRef& event) {
    if (foundItemWinShowing && !currentSpeech) callOn(foundItemWin, "fadeOut");
}

void MapState::stageKeyDown(const EventRef& event) {
    auto* key = dynamic_cast<framework::KeyboardEvent*>(event.get());
    if (key && key->keyCode == KEY_ESCAPE) event->stopPropagation();
}

MapState::PointRef MapState::getTileCoordinateFromTouch(double x, double y) {
    auto clamp = [](double v) { return std::clamp(static_cast<int>(std::floor(v / T)), 0, C::MAP_SIZE - 1); };
    return make<Point>(clamp(x), clamp(y));
}

void MapState::displayTileInfo(int x, int y) {
    infoShownForTile = true;
    Tile* tile = mapData ? mapData->tileAt(x, y) : nullptr;
    if (!tile || !tile->tObj) return;
    if (auto monster = tile->tObj.cast<Monster>())
        if (auto details = uiObject<EnemyDetailsWindow>("enemyDetailsWindow")) {
            details->setMonster(monster);
            details->show();
        }
    mouseIsDown = false;
    removeFromParent(tileFlash);
}

void MapState::updateKeyboard() {
    checkArrowKeysMovement();
    // Only options already shown answer a key: the key that turned to the last page does not
    // also choose on it.
    Ref<Speech> optionsShown = currentSpeech && currentSpeech->optionsOpen ? currentSpeech : nullptr;
    if (anyKeyJustPressed()) {
        noMoveThisFrame = false;
        advanceSpeech(justPressed(KEY_ESCAPE));
        if (foundItemWinShowing) callOn(foundItemWin, "fadeOut");
    }
    const int firstOption = GameData::azerty ? 65 : 81;
    if (optionsShown && optionsShown == currentSpeech && currentSpeech->optionsOpen) {
        if (justPressed(firstOption)) currentSpeech->option1Click(nullptr);
        else if (justPressed(69)) currentSpeech->option2Click(nullptr);
    }
    if ((justPressed(KEY_ESCAPE) || justPressed(73)) && !uiFlag("yesNoWinOpen") && !speechCancelledThisFrame) {
        static const std::pair<const char*, const char*> closers[] = {
            {"useSpecialOpen", "closeUseSpecialWindow"}, {"skillTreeOpen", "closeSkillTree"},
            {"hotkeysOpen", "closeHotkeyWindow"},       {"mapOpen", "closeMap"},
            {"museumOpen", "closeMuseum"},              {"moreStatsOpen", "closeMoreStatsWin"},
            {"diaryOpen", "closeDiaryEntry"},           {"compareOpen", "closeCompareScreen"},
            {"shopOpen", "closeShop"}};
        bool done = false;
        for (auto& [flag, closer] : closers)
            if (uiFlag(flag)) {
                uiCall(closer);
                done = true;
                break;
            }
        if (!done && choosingTile) {
            endChooseTileMode();
            done = true;
        }
        if (!done) {
            static const std::pair<const char*, const char*> later[] = {{"gemShopOpen", "closeGemShop"},
                                                                        {"messageWinOpen", "closeMessageWin"},
                                                                        {"activeEffectsOpen", "closeActiveEffects"},
                                                                        {"menuOpen", "closeMenu"}};
            for (auto& [flag, closer] : later)
                if (uiFlag(flag)) {
                    uiCall(closer);
                    done = true;
                    break;
                }
        }
        if (!done && inBattle && battle && Value(battle).field("runningAway").toBool()) {
            callOn(battle, "stopRunAway");
            done = true;
        }
        // A modal window (slot, hero, level-up choice, death screen) keeps the menu shut.
        if (!done && !G::disableMenu && !modalWindowOpen()) uiCall("openMenu");
    }
    if (uiFlag("yesNoWinOpen")) {
        auto win = uiObject<YesNoWindow>("yesNoWin");
        if (justPressed(firstOption)) {
            if (win) win->yes();
        } else if (justPressed(69) || justPressed(KEY_ESCAPE)) {
            if (win) win->no();
        }
    }
    if (!Game::releaseVersion) developerKeys();
    if (!G::pauseGame && !uiFlag("menuOpen") && !stairsWinOpen) {
        auto hotkeys = uiObject<runtime::Object>("hotkeys");
        for (int slot = 0; slot <= 9; ++slot) {
            // Slot 9 is the key 0; slots 0 .. 8 the keys 1 .. 9.
            const int digit = slot == 9 ? 0 : slot + 1;
            if (justPressed(48 + digit) || justPressed(96 + digit)) callOn(hotkeys, "useSlotByNumber", slot);
        }
    }
}

void MapState::developerKeys() {
    if (justPressed(117)) {
        Game::createUI();
        recreatingUI = true;
        return;
    }
    if (justPressed(17) && !G::pauseGame && !disableMovement) Data::saveAllData();
    if (justPressed(123)) goToNextFloor(false);
    if (justPressed(36)) useWings();
    if (justPressed(112)) openFreeShop();
    if (justPressed(113)) uiCall("showFloorSkipMenu");
    if (justPressed(114)) revealMap();
    if (justPressed(192))
        if (auto fps = uiObject<framework::DisplayObject>("fps")) fps->set_visible(!fps->get_visible());
}

void MapState::checkArrowKeysMovement() {
    if (disableMovement || G::pauseGame || midMove || inBattle || forcedMove || noMoveThisFrame || !mapData || !hero)
        return;
    // A hero behind a modal window stays where he is.
    if (modalWindowOpen()) return;
    const int leftLetter = GameData::azerty ? 81 : 65, upLetter = GameData::azerty ? 90 : 87;
    int dx = 0, dy = 0;
    if (held(37) || held(leftLetter)) dx = -1;
    else if (held(39) || held(68)) dx = 1;
    else if (held(40) || held(83)) dy = 1;
    else if (held(38) || held(upLetter)) dy = -1;
    else return;
    if (Tile* tile = mapData->tileAt(heroX() + dx, heroY() + dy)) tryToMoveToTile(tile, false);
}

// ---- walking ----

void MapState::updateMoveTarget(const PointRef& point) {
    PointRef p = point ? point : getTileCoordinateFromTouch(touchPoint->x, touchPoint->y);
    if (Tile* tile = mapData->tileAt(static_cast<int>(p->x), static_cast<int>(p->y))) tryToMoveToTile(tile, true);
}

void MapState::tryToMoveToTile(Tile* tile, bool flash) {
    if (!tile || tile->hole) return;
    if (noMoveThisFrame) {
        noMoveThisFrame = false;
        return;
    }
    if (modalWindowOpen()) return;
    showFlash = flash;
    if (!inBattle) callOn(uiObject<runtime::Object>("enemyDetailsWindow"), "hide");
    auto monster = tile->tObj.cast<Monster>();
    if (inBattle && monster && monster->inBattle && Value(battle).field("runningAway").toBool()) {
        callOn(battle, "stopRunAway");
        return;
    }
    if (tile->wall) {
        auto npc = tile->tObj.cast<NPC>();
        if (!npc || !npc->npcData || npc->npcData->decor) return;
    }
    if (monster && monster->inBattle) return;
    movePath.clear();
    if (tile->lev_x == heroX() && tile->lev_y == heroY()) return;
    PointRef start = inBattle && battleEntryTilePoint ? battleEntryTilePoint : make<Point>(heroX(), heroY());
    mapData->getMovePath(start, make<Point>(tile->lev_x, tile->lev_y));
    findingPath = true;
}

void MapState::setFoundMovePath(const std::vector<PointRef>& path, const PointRef& target) {
    objToActivateOnStop = nullptr;
    findingPath = false;
    if (!path.empty()) {
        movePath = path;
        if (inBattle) {
            movePath.insert(movePath.begin(), battleEntryTilePoint);
            if (!Value(battle).field("runningAway").toBool()) callOn(battle, "startRunAway");
        } else {
            moving = true;
        }
        if (showFlash && target && tileFlash && objectsSprite) {
            objectsSprite->addChildAt(tileFlash, 0);
            tileFlash->set_x(target->x * T);
            tileFlash->set_y(target->y * T);
            tileFlash->setNewAnim(inBattle ? TILE_FLASH_ANIM_SHORT : TILE_FLASH_ANIM);
        }
    } else if (showFlash && target && tileFlash && objectsSprite) {
        const Tile* t = mapData->tileAt(static_cast<int>(target->x), static_cast<int>(target->y));
        if (t && t->hidden && !secretRevealed) return;
        objectsSprite->addChildAt(tileFlash, 0);
        tileFlash->set_x(target->x * T);
        tileFlash->set_y(target->y * T);
        tileFlash->setNewAnim(TILE_FLASH_ANIM_RED);
        mapEffects.push_back(tileFlash);
    }
}

bool MapState::movementKeyHeld() {
    for (int code : {37, 65, 90, 81, 39, 68, 40, 83, 38, 87})
        if (held(code)) return true;
    return false;
}

void MapState::faceTile(const Tile& tile) {
    if (tile.lev_x != heroX()) {
        hero->setRunAnim(Hero::IDLE_RIGHT);
        if (hero->runSprite) hero->runSprite->set_flipped(tile.lev_x < heroX());
    } else {
        hero->setRunAnim(tile.lev_y < heroY() ? Hero::IDLE_UP : Hero::IDLE_DOWN);
    }
}

void MapState::updateMovement() {
    if (tileFlash) tileFlash->updateAnim();
    if (!midMove) {
        if (movePath.empty()) {
            moving = false;
            return;
        }
        PointRef next = movePath.front();
        movePath.erase(movePath.begin());
        Tile* tile = mapData->tileAt(static_cast<int>(next->x), static_cast<int>(next->y));
        if (!tile) {
            moving = false;
            return;
        }
        auto from = make<Point>(heroX(), heroY());
        if (Ref<TileObject> o = tile->tObj) {
            if (!o->activated) {
                if (o->activateOnStop) {
                    if (movePath.empty()) objToActivateOnStop = o;
                } else {
                    o->activate();
                }
            }
            if (o->objType != TileObject::TYPE_STAT_GEM && !tile->isWalkable()) {
                faceTile(*tile);
                moving = false;
                removeFromParent(tileFlash);
                return;
            }
        }
        const bool wasIdle = hero->idle;
        Ref<Anim> run;
        bool flip = false;
        if (tile->lev_x != hero->lev_x) {
            moveDir = tile->lev_x < hero->lev_x ? MOVE_LEFT : MOVE_RIGHT;
            hero->lev_x += moveDir == MOVE_LEFT ? -1 : 1;
            run = Hero::RUN_RIGHT;
            flip = moveDir == MOVE_LEFT;
        } else {
            moveDir = tile->lev_y < hero->lev_y ? MOVE_UP : MOVE_DOWN;
            hero->lev_y += moveDir == MOVE_UP ? -1 : 1;
            run = moveDir == MOVE_UP ? Hero::RUN_UP : Hero::RUN_DOWN;
        }
        if (hero->runSprite) {
            if (hero->runSprite->anim != run) {
                hero->setRunAnim(run);
                if (wasIdle && !rightFootFirst) hero->runSprite->frame = 5;
            }
            hero->runSprite->set_flipped(flip);
        }
        revealFog();
        if (auto mm = miniMap()) mm->setHeroPos(heroX(), heroY());
        if (auto monster = tile->tObj.cast<Monster>()) {
            hero->setToIdle();
            moving = midMove = false;
            battle = makeBattle(monster);
            inBattle = true;
            battleEntryTilePoint = from;
            removeFromParent(tileFlash);
            startBattle();
            return;
        }
        if (tile->tObj && tile->tObj->objType == TileObject::TYPE_STAIRS) {
            if (GameData::stairsConfirm) {
                uiCall("openYesNoWin", YesNoWindow::STAIRS_CONFIRMATION);
                stairsWinOpen = true;
                disableMovement = true;
            } else {
                confirmStairs();
            }
        }
        walkFrame = 0;
        midMove = true;
    }
    const int d = static_cast<int>(static_cast<double>(walkFrame + 1) / WALK_TIME * T);
    switch (moveDir) {
        case MOVE_UP: hero->set_y((hero->lev_y + 1) * T - d); break;
        case MOVE_DOWN: hero->set_y((hero->lev_y - 1) * T + d); break;
        case MOVE_LEFT: hero->set_x((hero->lev_x + 1) * T - d); break;
        default: hero->set_x((hero->lev_x - 1) * T + d); break;
    }
    if ((moveDir == MOVE_UP || moveDir == MOVE_DOWN) && walkFrame == WALK_Y_SORT_FRAME) addToObjectRow(hero->lev_y, hero);
    if (walkFrame >= WALK_TIME - 1) {
        correctHeroPostion();
        midMove = false;
        rightFootFirst = !rightFootFirst;
        if (movePath.empty() && !findingPath) {
            ignoreTeleportTiles = false;
            moving = false;
            if (!movementKeyHeld()) {
                hero->setToIdle();
            } else {
                checkArrowKeysMovement();
                if (!findingPath) hero->setToIdle();
            }
        }
        removeFromParent(tileFlash);
        if (auto o = objToActivateOnStop) {
            objToActivateOnStop = nullptr;
            o->activate();
        }
    }
    ++walkFrame;
    forcedMove = false;
}

void MapState::correctHeroPostion() {
    hero->set_x(hero->lev_x * T);
    hero->set_y(hero->lev_y * T);
}

void MapState::updateCamera() {
    if (!mapCanvas || !hero || !Game::gameCenter) return;
    double x = mapCanvas->get_scaleX() * (-hero->get_x() - T * 0.5) + Game::gameCenter->x;
    double y = mapCanvas->get_scaleY() * (-hero->get_y() - T * 0.5) + Game::gameCenter->y;
    if (!GameData::inCave && mapData) {
        const double w = mapData->width * T * mapCanvas->get_scaleX(), h = mapData->height * T * mapCanvas->get_scaleY();
        x = w < Game::gameWidth ? (Game::gameWidth - w) * 0.5 : std::clamp(x, Game::gameWidth - w, 0.0);
        y = h < Game::gameHeight ? (Game::gameHeight - h) * 0.5 : std::clamp(y, Game::gameHeight - h, 0.0);
    }
    mapCanvas->set_x(std::trunc(x));
    mapCanvas->set_y(std::trunc(y));
    if (holeBGGradient) {
        holeBGGradient->set_x((Game::gameWidth - 960) * 0.25 - mapCanvas->get_x() * 0.5);
        holeBGGradient->set_y((Game::gameHeight - 540) * 0.25 - mapCanvas->get_y() * 0.5);
    }
}

void MapState::updateScreenShake() {
    updateCamera();
    mapCanvas->set_x(mapCanvas->get_x() - 2 + random() * 4);
    mapCanvas->set_y(mapCanvas->get_y() - 2 + random() * 4);
    --shakeTime;
}

// ---- battles, stairs, floor changes ----

Ref<runtime::Object> MapState::makeBattle(const Ref<Monster>& monster) {
    // The battle is made by its class, looked up by name.
    auto* info = runtime::ClassInfo::find("Battle");
    if (!info) return nullptr;
    const Value args[] = {Value(Ref<MapState>(this)), Value(monster), Value(moveDir)};
    return info->create(args, 3);
}

void MapState::startBattle() {
    if (auto bar = uiObject<HotkeyWindow>("hotkeys")) {
        bar->useQueuedMagic();
        bar->disableBattleUnusable();
    }
}

void MapState::endBattle(bool ranAway) {
    callOn(uiObject<runtime::Object>("enemyDetailsWindow"), "hide");
    inBattle = false;
    hero->setToRunMode();
    if (hero->lev_y >= 0 && hero->lev_y < static_cast<int>(objectRows.size()) &&
        hero->get_parent() != objectRows[hero->lev_y].get())
        addToObjectRow(hero->lev_y, hero);
    if (ranAway) {
        setFoundMovePath({battleEntryTilePoint}, nullptr);
        forcedMove = true;
    } else {
        movePath.clear();
        removeFromParent(tileFlash);
    }
    releaseBattleLocks();
    if (healthIsLow && firstTimeHint(MessageWindow::ID_LOW_HEALTH)) uiCall("openMessageWin", MessageWindow::WIN_LOW_HEALTH);
    if (sorcererDied) {
        // The switch list grows to hold the switch: a short list must not lose the story's end.
        GameData::setSwitch(SWITCH::SORCERER_DEAD, true);
        GameData::storyProgress = 9;
        sorcererDied = false;
        startWoundedSorcerer();
    }
    if (auto mm = miniMap()) mm->updateTile(heroX(), heroY());
    checkForStairsShortcut(true);
}

void MapState::startWoundedSorcerer() {
    Tile* tile = mapData ? mapData->tileAt(heroX(), heroY()) : nullptr;
    if (!tile) return;
    auto npc = make<NPC>(tile, NPC::SORCEROR_DIEING_ID);
    npc->set_x(tile->lev_x * T);
    npc->set_y(tile->lev_y * T);
    dieingSorcererNPC = npc;
    // Behind the hero in his row.
    const int row = tile->lev_y;
    if (row >= 0 && row < static_cast<int>(objectRows.size())) {
        auto& container = objectRows[static_cast<size_t>(row)];
        const int at = hero && hero->get_parent() == container ? container->getChildIndex(hero) : 0;
        container->addChildAt(npc, std::max(0, at));
    }
    Ref<MapState> self(this);
    if (auto actuator = ::tween::Tweener::tween(npc, 1.5, TweenProps::of({{"x", npc->get_x() + T}}))) {
        actuator->ease(::tween::Linear::get_easeNone());
        actuator->onComplete(runtime::Function::method<&MapState::sorcererSacrificeSpeech>(this));
    }
    sorcererWounded = true;
    G::disableMenu = true;
    disableMovement = true;
}

void MapState::releaseBattleLocks() {
    if (auto bar = uiObject<HotkeyWindow>("hotkeys")) bar->enableAllSlots();
    callOn(uiObject<runtime::Object>("equipment"), "enableIconsAfterBattle");
}

void MapState::showFoundItemWindow(const Ref<Item>& item) {
    if (!foundItemWin) return;
    if (foundItemWinShowing) removeFromParent(foundItemWin);
    const double hotkeysHeight = Value(uiObject<runtime::Object>("hotkeys")).field("winHeight").toFloat();
    foundItemWin->set_x(0);
    foundItemWin->set_y(Game::gameHeight - hotkeysHeight - 70);
    if (auto window = foundItemWin.cast<FoundItemWindow>()) window->setItem(item);
    if (Game::ui) Game::ui->addChild(foundItemWin);
    foundItemWinShowing = true;
    if (item && item->data && item->data->wings && firstTimeHint(MessageWindow::ID_WINGS))
        uiCall("openMessageWin", MessageWindow::WIN_WINGS);
}

void MapState::confirmStairs() {
    stairsWinOpen = false;
    disableMovement = false;
    if (auto button = uiObject<framework::DisplayObject>("stairsShortcutWindow")) button->set_visible(false);
    startMapTransition();
}

void MapState::cancelStairs() {
    stairsWinOpen = false;
    disableMovement = false;
    int x = heroX(), y = heroY();
    switch (moveDir) {
        case MOVE_UP: ++y; break;
        case MOVE_DOWN: --y; break;
        case MOVE_LEFT: ++x; break;
        case MOVE_RIGHT: --x; break;
        default: forcedMove = true; return;
    }
    showFlash = false;
    setFoundMovePath({make<Point>(x, y)}, nullptr);
    forcedMove = true;
}

void MapState::startMapTransition() {
    disableMovement = true;
    movePath.clear();
    mapTransition = true;
    G::disableMenu = true;
    if (Game::ui) Value(Game::ui).setField("transitionProgress", Value(0));
}

bool MapState::pathToStairs(int x, int y) {
    return mapData && hero && mapData->pathBetween(make<Point>(heroX(), heroY()), make<Point>(x, y), true);
}

// ---- parts of the scene built elsewhere: story scenes, weather, special items, display changes ----

std::optional<std::pair<int, int>> MapState::heroCell() const {
    if (!hero) return std::nullopt;
    return std::pair{heroX(), heroY()};
}

int MapState::heroX() const { return hero ? hero->lev_x : 0; }

int MapState::heroY() const { return hero ? hero->lev_y : 0; }

std::optional<std::pair<double, double>> MapState::heroPosition() const {
    if (!hero) return std::nullopt;
    return std::pair{hero->get_x(), hero->get_y()};
}

void MapState::setShopInventory() {
    GameData::shopItems.clear();
    for (const auto& icon : GameData::shopIcons)
        if (icon) icon->destroy(false);
    GameData::shopIcons.clear();
    // A fixed list: ids with their amounts drawn anew for each entry.
    using Amount = int (*)(double r);
    struct Entry {
        std::vector<int> ids;
        Amount amount;
    };
    static const auto ceilOf = [](double x) { return static_cast<int>(std::ceil(x)); };
    static const auto round2 = [](double r) { return static_cast<int>(std::floor(2 * r + 0.5)); };
    static const auto round1 = [](double r) { return static_cast<int>(std::floor(r + 0.5)); };
    static const std::vector<Entry> shop3 = {
        {{5}, [](double r) { return ceilOf(3 * r) + 5; }},
        {{10}, [](double r) { return ceilOf(2 * r) + 3; }},
        {{20}, [](double r) { return ceilOf(3 * r) + 5; }},
        {{25}, [](double r) { return ceilOf(2 * r) + 3; }},
        {{9000, 9005, 9071, 9075, 9080, 9118, 9140}, [](double r) { return round2(r); }},
    };
    static const std::vector<Entry> shop4 = {
        {{5}, [](double r) { return ceilOf(3 * r); }},
        {{10}, [](double r) { return ceilOf(2 * r); }},
        {{15}, [](double r) { return round1(r); }},
        {{20}, [](double r) { return ceilOf(3 * r); }},
        {{25}, [](double r) { return ceilOf(2 * r); }},
        {{30}, [](double r) { return round1(r); }},
        {{200}, [](double r) { return ceilOf(3 * r) + 3; }},
        {{9000, 9005, 9010, 9015, 9020}, [](double r) { return round2(r) + 1; }},
        {{9025}, [](double r) { return round2(r); }},
        {{9071, 9073, 9075, 9080, 9083}, [](double r) { return round2(r) + 1; }},
        {{9085}, [](double r) { return round2(r); }},
        {{9105, 9110, 9115}, [](double r) { return round2(r) + 1; }},
        {{9118, 9120}, [](double r) { return round2(r); }},
        {{9137, 9140, 9145, 9150}, [](double r) { return round2(r) + 1; }},
        {{9152}, [](double r) { return round2(r); }},
    };
    static const std::vector<Entry> shop7 = {
        {{10}, [](double r) { return ceilOf(3 * r) + 2; }},
        {{15}, [](double r) { return ceilOf(2 * r) + 1; }},
        {{25}, [](double r) { return ceilOf(3 * r) + 2; }},
        {{30}, [](double r) { return ceilOf(2 * r) + 1; }},
        {{200}, [](double r) { return ceilOf(3 * r) + 3; }},
        {{8070, 8075, 8080, 8085, 8090, 8095, 8100, 8105}, [](double) { return 1; }},
        {{9000, 9005, 9010, 9015, 9020, 9025, 9027, 9030, 9035, 9040, 9045, 9071, 9073, 9075, 9080, 9083, 9085, 9090,
          9095, 9097, 9100, 9105, 9110, 9115, 9118, 9120, 9123, 9125, 9135, 9137, 9140, 9145, 9150, 9152, 9155, 9160,
          9165, 9170, 9185, 9190},
         [](double r) { return ceilOf(2 * r) + 1; }},
    };
    const int floor = GameData::currentFloor;
    const int shop = floor / 10;
    const std::vector<Entry>* fixed = shop == 3 ? &shop3 : shop == 4 ? &shop4 : shop == 7 ? &shop7 : nullptr;
    if (fixed) {
        for (const Entry& entry : *fixed)
            for (int id : entry.ids) {
                auto data = ItemData::findDataWithID(id);
                const int amount = entry.amount(random());
                if (data) GameData::addShopItem(make<Item>(data), amount);
            }
        return;
    }
    for (const auto& data : ItemData::ALL_ITEMS) {
        if (!data || data->type == ItemData::TYPE_MAGIC || data->artifact || data->noShop) continue;
        if (data->maxFloor <= floor - 10 || data->minFloor - 1 > floor) continue;
        const int amount = data->type == ItemData::TYPE_CONSUMABLE ? static_cast<int>(2 * random()) + 1 : 1;
        GameData::addShopItem(make<Item>(data), amount);
    }
}
void MapState::openStatChooseMenuThisTile(const runtime::Ref<StatGem>& gem) {
    chooseGem = gem;
    openStatChooseMenu = true;
}
void MapState::startWings(const SpriteRef& target) {
    wingsTarget = target;
    Audio::playSound("wings");
    wingsBackAnim = wingSprite("assets/x2/misc/wingsAnimUnder.png");
    if (objectsSprite) objectsSprite->addChild(wingsBackAnim);
    mapEffects.push_back(wingsBackAnim);
    usingWings = true;
    wingsOverAdded = false;
    disableMovement = true;
    G::disableMenu = true;
}

MapState::SpriteRef MapState::wingSprite(const char* picture) const {
    auto wings = make<BitmapSprite>(PixelSmoother::smoothAsset(picture));
    wings->setNewAnim(Effects::WINGS_ANIM);
    wings->set_x(wingsTarget->get_x() + std::trunc(T * 0.5 - Effects::WINGS_ANIM->width * 0.5));
    wings->set_y(wingsTarget->get_y() - WINGS_Y_OFFSET);
    return wings;
}

void MapState::useWings() {
    if (hero) startWings(hero);
}

void MapState::updateWings() {
    if (!wingsBackAnim || !wingsTarget) return;
    if (wingsBackAnim->frame == 3) {
        static const BMDCache::BMD* const squares[] = {&BMDCache::whiteSquare2x2, &BMDCache::goldSquare2x2,
                                             &BMDCache::whiteSquare4x4, &BMDCache::goldSquare4x4};
        for (int i = 0; i < 20; ++i) {
            const int n = static_cast<int>(random() * 4);
            auto spark = make<BitmapSprite>(*squares[n >= 1 && n <= 3 ? n : 0]);
            const bool left = random() < 0.5;
            const double direction = left ? -1 : 1;
            const double startX = left ? wingsTarget->get_x() - 15 : wingsTarget->get_x() + T;
            spark->set_x(startX + 15 * random());
            spark->set_y(wingsTarget->get_y() - WINGS_Y_OFFSET + 35 * random());
            const double toX = spark->get_x() + 30 * random() * direction;
            const double toY = spark->get_y() - 20 + 30 * random();
            if (auto actuator = ::tween::Tweener::tween(spark, 2, TweenProps::of({{"alpha", 0}, {"x", toX}, {"y", toY}}))) {
                actuator->ease(::tween::Quart::get_easeOut());
                spark->tween(actuator);
            }
            if (overSprite) overSprite->addChild(spark);
            mapEffects.push_back(spark);
        }
    }
    if (wingsBackAnim->frame == 10 && !wingsOverAdded) {
        auto over = wingSprite("assets/x2/misc/wingsAnimOver.png");
        if (overSprite) overSprite->addChild(over);
        mapEffects.push_back(over);
        auto fade = ::tween::Tweener::tween(wingsTarget, 0.5, TweenProps::of({{"alpha", 0}}));
        if (wingsTarget == SpriteRef(hero)) {
            over->tweenOnComplete = runtime::Function::method<&MapState::fadeAfterWings>(this);
        } else if (fade) {
            fade->onComplete(runtime::Function::method<&MapState::removeWingedNPC>(this));
        }
        wingsOverAdded = true;
    }
}

void MapState::fadeAfterWings() {
    if (Game::ui)
        Game::ui->tweenInSprite(uiObject<framework::DisplayObject>("overBlack"), false, 1, 0.5, 1,
                                runtime::Function::method<&MapState::endSuccessfulRun>(this));
}
void MapState::startChooseTileMode(const runtime::Ref<Item>& item) {}
void MapState::endChooseTileMode() {}
void MapState::endMapCanvasTween() {}
void MapState::useSpecialItemOnTile(Tile* tile) {}
void MapState::destroyWall(Tile* tile) {}
void MapState::createWallExplosion(Tile* tile) {}
void MapState::setPixelFilter(bool on, bool instant) {
    uiCall("openLoadingScreen", instant);
    PixelSmoother::setPixelFilter(on);
    changingPixelFilter = true;
}

void MapState::finishFilterChange() {
    uiCall("closeLoadingScreen", false);
    changingPixelFilter = false;
    if (currentTiledMap) {
        drawTiledMap(currentTiledMap, nullptr, true);
    } else if (mapData) {
        buildX = 0;
        filterChanged = true;
        drawFloors();
    }
}

void MapState::changeGUISize() {
    uiCall("openLoadingScreen", true);
    changingGUISize = true;
    changingGUITime = 0;
}
void MapState::checkForStairsShortcut(bool afterBattle) {}
void MapState::sorcerorFirstTrigger(TileObject& trigger) {}
void MapState::sorcerorSecondTrigger(TileObject& trigger) {}
void MapState::sorcerorThirdTrigger(TileObject& trigger) {}
void MapState::sorcerorFourthTrigger(TileObject& trigger) {}
void MapState::sorcerorSpawnMonster() {}
void MapState::sorcerorSpawnMonsterPickaxe() {}
void MapState::moveSorceror() {}
void MapState::sorcerorDoneTalking() {}
void MapState::addMonsterToTile(Tile* tile, int monsterID) {}
void MapState::spawnSorcerorTreasure() {
    if (!mapData) return;
    const int c = mapData->width / 2;
    std::vector<Ref<TileObject>> reward;
    Tile* wingsTile = mapData->tileAt(c + 1, c - 2);
    if (!GameData::findHeldItem(nullptr, 0) && wingsTile) reward.push_back(make<Chest>(wingsTile, Chest::TYPE_CONSUMABLE, 0));
    if (Tile* t = mapData->tileAt(c, c - 2)) reward.push_back(make<Chest>(t, Chest::TYPE_ARTIFACT));
    if (Tile* t = mapData->tileAt(c + 3, c + 2)) {
        auto stairs = make<Stairs>(t);
        stairs->drawImage(tilesetBMD);
        mapData->stairsTiles.push_back(t);
        reward.push_back(stairs);
    }
    for (const auto& o : reward) {
        o->tile->tObj = o;
        o->mapState = this;
        mapData->tileObjects.push_back(o);
        addToObjectRow(o->tile->lev_y, o);
        createWallExplosion(o->tile);
    }
}
void MapState::useStairsShortcut() {}
void MapState::createCachedRainSplashes() {
    rainSplashes.clear();
    rainSplashIndex = 0;
    for (int i = 0; i < RAIN_SPLASH_COUNT; ++i) {
        auto splash = make<BitmapSprite>(BMDCache::rainSplashes);
        if (auto anim = randomRainSplash()) splash->setNewAnim(anim);
        // Splashes are reused in turn: finishing one must not destroy it.
        splash->removeEffect = false;
        splash->set_mouseEnabled(false);
        rainSplashes.push_back(splash);
    }
}

Ref<Anim> MapState::randomRainSplash() {
    const auto& anims = Effects::RAIN_SPLASHES;
    if (anims.empty()) return nullptr;
    const auto i = static_cast<std::size_t>(random() * static_cast<double>(anims.size()));
    return anims[std::min(i, anims.size() - 1)];
}

Ref<RainRect> MapState::rainAreaFor(const std::vector<Ref<RainRect>>& areas, int n) {
    if (areas.empty()) return nullptr;
    for (std::size_t i = 0; i + 1 < areas.size(); ++i)
        if (areas[i]->weight <= n && n < areas[i + 1]->weight) return areas[i];
    return areas.back();
}

void MapState::updateRain() {
    uiCall("updateRain");
    const double scaleX = mapCanvas ? mapCanvas->get_scaleX() : 1, scaleY = mapCanvas ? mapCanvas->get_scaleY() : 1;
    const double left = mapCanvas ? std::abs(mapCanvas->get_x()) : 0, top = mapCanvas ? std::abs(mapCanvas->get_y()) : 0;
    const int total = mapData ? mapData->totalRainWeight : 0;
    const std::size_t end = std::min(rainSplashes.size(), static_cast<std::size_t>(rainSplashIndex + RAIN_SPLASHES_PER_FRAME));
    for (std::size_t i = static_cast<std::size_t>(rainSplashIndex); i < end; ++i) {
        const SpriteRef& splash = rainSplashes[i];
        const auto area = mapData ? rainAreaFor(mapData->rainRects, static_cast<int>(random() * total)) : nullptr;
        if (!area) break;
        const double x = random() * area->width + area->x;
        const double y = random() * area->height + area->y;
        const bool onScreen = left < scaleX * x && scaleX * x < left + Game::gameWidth && top < scaleY * y &&
                              scaleY * y < top + Game::gameHeight;
        if (!onScreen) {
            removeFromParent(splash);
            continue;
        }
        if (auto anim = randomRainSplash()) splash->setNewAnim(anim);
        splash->set_x(x);
        splash->set_y(y);
        if (overSprite) overSprite->addChild(splash);
        if (std::find(menuEffects.begin(), menuEffects.end(), splash) == menuEffects.end()) menuEffects.push_back(splash);
    }
    rainSplashIndex += RAIN_SPLASHES_PER_FRAME;
    if (rainSplashIndex >= static_cast<int>(rainSplashes.size())) rainSplashIndex = 0;
    if (--thunderTime < 1) {
        uiCall("flashLightning");
        thunderTime = static_cast<int>(random() * THUNDER_TIME_VARIATION + THUNDER_TIME);
    }
}
void MapState::checkForScreenResize() {
    auto s = stage();
    if (!s) return;
    const int width = s->get_stageWidth(), height = s->get_stageHeight();
    UI* root = Game::ui.get();
    if (width != Game::screenWidth || height != Game::screenHeight) {
        if (width < 960 || height < 540) s->resize(std::max(width, 960), std::max(height, 540));
        if (instantResize) {
            Game::createUI();
            instantResize = false;
        } else if (root && !root->resizeScreenOpen) {
            root->openResizeScreen();
        }
    }
    // The cover follows the window while it is dragged.
    root = Game::ui.get();
    if (root && root->resizeScreen) {
        const auto& back = root->resizeScreen->back;
        if (back && (back->get_width() != s->get_stageWidth() || back->get_height() != s->get_stageHeight()))
            root->resizeScreen->updateDisplay();
    }
}
void MapState::sorcererSacrificeSpeech() {
    if (auto npc = dieingSorcererNPC.cast<NPC>()) npc->showSpeech("speech");
}

void MapState::sorcererSacrifice() {
    G::disableMenu = true;
    disableMovement = true;
    Audio::playSound("daggerDraw");
    auto npc = dieingSorcererNPC.cast<NPC>();
    if (!npc) return;
    if (npc->animSprite) npc->animSprite->setNewAnim(SORCERER_DAGGER_DRAWN);
    // A second's pause: a tween of his x to where it is.
    if (auto actuator = ::tween::Tweener::tween(npc, 1, TweenProps::of({{"x", npc->get_x()}})))
        actuator->onComplete(runtime::Function::method<&MapState::sorcererStab>(this));
}

void MapState::sorcererStab() {
    Audio::playSound("stab");
    Audio::playSound("demonSummon");
    if (auto npc = dieingSorcererNPC.cast<NPC>(); npc && npc->animSprite) npc->animSprite->setNewAnim(SORCERER_STAB);
    sorcererWounded = false;
    sorcererDieing = true;
    crystalChargeTime = 0;
    dots.clear();
    dotVelocities.clear();
}

void MapState::updateSorcererDeath() {
    const int t = crystalChargeTime;
    if (auto npc = dieingSorcererNPC.cast<NPC>()) {
        if (npc->animSprite) npc->animSprite->updateAnim();
        auto dot = make<BitmapSprite>(framework::Assets::getBitmapData("assets/x2/treasure/statGemDots.png"));
        dot->setNewAnim(StatGem::DOT_ANIM_MAGIC);
        dot->set_x(npc->get_x() + T / 2.0);
        dot->set_y(npc->get_y() + T / 2.0);
        if (overSprite) overSprite->addChild(dot);
        dots.push_back(dot);
        dotVelocities.push_back(make<Point>(10 * random() - 5, 10 * random() - 7));
        if (!npc->animSprite || npc->animSprite->animCompleted) {
            removeFromParent(npc);
            npc->destroy();
            dieingSorcererNPC = nullptr;
        }
    }
    auto crystal = mapData ? mapData->soulCrystal.cast<SoulCrystal>() : nullptr;
    const double f = static_cast<double>(t) / CRYSTAL_DOT_MOVE_FACTOR;
    for (size_t i = dots.size(); i-- > 0;) {
        auto dot = dots[i];
        auto& v = *dotVelocities[i];
        dot->updateAnim();
        if (crystal) {
            const double aimX = crystal->get_x() + T / 2.0 - 5 + 10 * random();
            const double aimY = crystal->get_y() + 8 - 2 * T * random();
            v.x += (aimX - dot->get_x()) * f * 0.1;
            v.y += (aimY - dot->get_y()) * f * 0.1;
        }
        dot->set_x(dot->get_x() + v.x);
        dot->set_y(dot->get_y() + v.y);
        if (dot->animCompleted) {
            removeFromParent(dot);
            dots.erase(dots.begin() + static_cast<std::ptrdiff_t>(i));
            dotVelocities.erase(dotVelocities.begin() + static_cast<std::ptrdiff_t>(i));
            dot->destroy();
        }
    }
    if (crystal) {
        if (crystal->blackCrystal) crystal->blackCrystal->set_alpha(static_cast<double>(t) / CRYSTAL_CHARGE_TIME);
        if (t >= CRYSTAL_CHARGE_TIME - CRYSTAL_CHARGE_END_FRAMES && t <= CRYSTAL_CHARGE_TIME) {
            crystal->falling = true;
            if (auto& sprite = crystal->crystal) {
                sprite->animPaused = true;
                const double cw = sprite->anim ? sprite->anim->width : 0, ch = sprite->anim ? sprite->anim->height : 0;
                const double visible = (CRYSTAL_CHARGE_TIME - t) * ch / CRYSTAL_CHARGE_END_FRAMES;
                sprite->set_scrollRect(make<framework::Rectangle>(0, 0, cw, visible));
                sprite->set_y(ch + crystal->originY - visible);
            }
            if (t == CRYSTAL_CHARGE_TIME + CRYSTAL_HOLE_APPEAR_FRAMES - CRYSTAL_CHARGE_END_FRAMES && crystal->tile) {
                Tile* tile = crystal->tile;
                auto hole = make<TileObjectMisc>(tile, false);
                hole->objType = TileObject::TYPE_CRYSTAL_HOLE;
                auto picture = make<framework::Bitmap>(framework::Assets::getBitmapData("assets/x2/misc/forestHole.png"));
                picture->set_x(-12);
                picture->set_y(-12);
                hole->addChild(picture);
                hole->mapState = this;
                tile->tObj = hole;
                mapData->tileObjects.push_back(hole);
                if (objectsSprite) objectsSprite->addChild(hole);
                createWallExplosion(tile);
            }
            if (t == CRYSTAL_CHARGE_TIME) {
                removeFromParent(crystal);
                crystal->destroy();
            }
        }
    }
    if (t == CRYSTAL_FALL_TIME) {
        spawnSorcerorTreasure();
        sorcererDieing = false;
        G::disableMenu = false;
        disableMovement = false;
    }
    crystalChargeTime = t + 1;
}
void MapState::wingOutNPC(const SpriteRef& npc) {
    auto character = npc.cast<NPC>();
    if (!character) return;
    const int id = character->npcData ? character->npcData->id : -1;
    if (id == NPC::LOST_KID) {
        Tile* tile = mapData ? mapData->tileAt(heroX(), heroY()) : nullptr;
        for (int type : {StatGem::TYPE_HP, StatGem::TYPE_MP, StatGem::TYPE_ATTACK}) {
            auto gem = make<StatGem>(tile, type);
            // A gift, not an object of the floor to find.
            gem->bought = true;
            gemsToCredit.push_back(gem);
        }
    } else if (id == NPC::ARCHAEOLOGIST) {
        GameData::setSwitch(SWITCH::ARCHAEOLOGIST_SAVED, true);
    }
    startWings(npc);
}

void MapState::removeWingedNPC() {
    if (auto npc = wingsTarget.cast<NPC>(); npc && npc->tile) npc->tile->tObj = nullptr;
    usingWings = false;
    disableMovement = false;
    G::disableMenu = false;
}

void MapState::updateGivingGems() {
    if (--gemGiveTime >= 1 || gemsToCredit.empty()) return;
    auto gem = gemsToCredit.front();
    gemsToCredit.erase(gemsToCredit.begin());
    boughtGems.push_back(gem);
    if (hero)
        if (auto holder = hero->get_parent()) holder->addChild(gem);
    gem->activate();
    gemGiveTime = GEM_GIVE_TIME;
}
void MapState::addHoleBGGradient() {}
void MapState::activateDemonTrigger(TileObject& trigger) {}
void MapState::demonExpandWalls() {}
void MapState::updateDemonHoleExpansion() {}
void MapState::createDemonParts() {}
void MapState::updateDemonRising() {}
void MapState::demonDie() {}
void MapState::updateDemonDeath() {}
void MapState::spawnDemonTreasure() {}

}  // namespace game

using game::MapState;

RUNTIME_DEFINE_CLASS(MapState, "MapState", engine::EngState, (auto& b) {
    b.template field<&MapState::hero>("hero")
        .template field<&MapState::mapCanvas>("mapCanvas")
        .template field<&MapState::mapData>("mapData")
        .template field<&MapState::inBattle>("inBattle")
        .template field<&MapState::moving>("moving")
        .template field<&MapState::tilesetBMD>("tilesetBMD")
        .template field<&MapState::healthIsLow>("healthIsLow")
        .template field<&MapState::foundItemWinShowing>("foundItemWinShowing")
        .template field<&MapState::stairsFound>("stairsFound")
        .template field<&MapState::disableMovement>("disableMovement")
        .template field<&MapState::building>("building")
        .template field<&MapState::mapTransition>("mapTransition")
        .template field<&MapState::stairsWinOpen>("stairsWinOpen")
        .template field<&MapState::startingNewRun>("startingNewRun")
        .template method<&MapState::goToTitle>("goToTitle")
        .template method<&MapState::titleStartGame>("titleStartGame")
        .template method<&MapState::startBuildFromSave>("startBuildFromSave")
        .template method<&MapState::startNewRun>("startNewRun")
        .template method<&MapState::goToNextFloor>("goToNextFloor")
        .template method<&MapState::goToMap>("goToMap")
        .template method<&MapState::updateCamera>("updateCamera")
        .template method<&MapState::closeFreeShop>("closeFreeShop")
        .template method<&MapState::useStairsShortcut>("useStairsShortcut")
        .template method<&MapState::changeGUISize>("changeGUISize")
        .template method<&MapState::resetOverBlackPosition>("resetOverBlackPosition")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<MapState>(); });
})
