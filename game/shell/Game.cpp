#include "Game.h"

#include <cmath>

#include "BMDCache.h"
#include "game/floor/TiledMap.h"
#include "game/map/MapState.h"
#include "game/floor/ZoneData.h"
#include "engine/EngG.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/frontEnds/LogFrontEnd.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "game/data/Achievements.h"
#include "game/data/Data.h"
#include "game/data/GameData.h"
#include "game/data/StoreAchievements.h"
#include "game/battle/Effects.h"
#include "game/battle/Particle.h"
#include "game/data/ItemData.h"
#include "game/data/MonsterData.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/SpriteFont.h"
#include "game/kit/UIColor.h"
#include "game/kit/YesNoWindow.h"
#include "game/map/NPC.h"
#include "game/map/NPCData.h"
#include "game/town/SkillNode.h"
#include "game/ui/DiaryEntry.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Trace.h"
#include "tween/Tweener.h"

namespace game {

using engine::EngG;
using runtime::Ref;

namespace {

Ref<framework::Stage> stage() { return framework::Lib::get_current()->get_stage(); }

void readScreenSize() {
    Ref<framework::Stage> s = stage();
    Game::screenWidth = s->get_stageWidth();
    Game::screenHeight = s->get_stageHeight();
}


}  // namespace

Game::Game() : Game(prepare()) {}

Game::Game(const EngineOptions& o)
    : engine::EngGame(o.width, o.height, &MapState::staticClass(), 1.0, o.frameRate, o.frameRate, true,
                      o.fullscreen) {
    if (EngG::mouse) EngG::mouse->set_useSystemCursor(true);
}

Game::EngineOptions Game::prepare() {
    desktop = true;
    EngG::sound->volumeDownKeys = nullptr;
    EngG::sound->volumeUpKeys = nullptr;
    EngG::sound->muteKeys = nullptr;
    if (releaseVersion) {
        runtime::Trace::setHandler(&engine::LogFrontEnd::processTraceData);
        EngG::log->redirectTraces = true;
    }
    stage()->set_color(static_cast<int>(0xFF000000));
    EngG::autoPause = false;
    EngG::fixedTimestep = false;
    readScreenSize();

    BMDCache::load();
    UIColor::createColors();
    SpriteFont::createFonts();
    TiledMap::createMaps();
    ItemData::createItems();
    MonsterData::createMonsters();
    NPCData::createNPCs();
    ItemIcon::createNameCaches();
    GameData::initializeStaticStuff();
    GameData::uiColor = UIColor::DARK_PURPLE_GRAY;
    GameData::initializeGameStuff();
    Effects::setup();
    Particle::setupAnims();
    DiaryEntry::initialize();
    YesNoWindow::createCachedWindows();
    MessageWindow::createStaticWindows();
    NPC::makeNPCAnimArray();
    ZoneData::setZones();
    SkillNode::setupButtonRects();
    Data::loadSaveData();
    MonsterData::adjustForNewGamePlus();
    DataAchievements::install(std::make_shared<StoreAchievements>());
    if (steam) Achievements::setupSteam();

    gameStage = runtime::make<BitmapSprite>();
    return EngineOptions{screenWidth, screenHeight, frameRate, GameData::fullscreen && desktop};
}

void Game::layoutScreen(bool largeGui) {
    double byHeight = static_cast<double>(screenHeight) / 540;
    double byWidth = static_cast<double>(screenWidth) / 960;
    bool widthLimits = byHeight > byWidth;
    double scale = widthLimits ? byWidth : byHeight;
    if (largeGui || scale < 1) {
        gameStage->set_scaleY(scale);
        gameStage->set_scaleX(scale);
        if (widthLimits) gameWidth = 960;
        else gameHeight = 540;
    } else {
        gameStage->set_scaleY(1);
        gameStage->set_scaleX(1);
        gameHeight = screenHeight;
        gameWidth = screenWidth;
    }
    if (widthLimits) gameHeight = static_cast<int>(std::trunc(static_cast<double>(screenHeight) / screenWidth * gameWidth));
    else gameWidth = static_cast<int>(std::trunc(static_cast<double>(screenWidth) / screenHeight * gameHeight));
    scaleFactor = gameStage->get_scaleX();
    gameCenter = runtime::make<framework::Point>(std::trunc(gameWidth * 0.5), std::trunc(gameHeight * 0.5));
}

void Game::createUI(bool isLoadingScreen) {
    Ref<framework::Stage> s = stage();
    readScreenSize();
    if (ui && s->contains(ui)) {
        s->removeChild(ui);
        s->removeChild(gameStage);
    }
    layoutScreen(GameData::guiSizeLarge);
    if (!ui) {
        ui = runtime::make<UI>();
        if (!GameData::fps60) UI::adjustConstantsFor30FPS();
    } else {
        ui->reCreateUI();
    }
    ui->set_scaleY(scaleFactor);
    ui->set_scaleX(scaleFactor);
    if (ui->hotkeys) {
        const runtime::Value rebuild = runtime::Value(ui->hotkeys).field("initializeHotkeySlots");
        if (auto* f = rebuild.function()) (*f)();
    }
    ui->fps->set_visible(false);
    s->addChild(gameStage);
    s->addChild(ui);
    if (isLoadingScreen && appLoadingScreen) {
        s->addChild(appLoadingScreen);
        auto props = runtime::make<runtime::DynamicObject>();
        props->setField("alpha", runtime::Value(0));
        if (auto actuator = tween::Tweener::tween(appLoadingScreen, 1.0, props))
            actuator->onComplete(runtime::Function::of<&Game::removeAppLoadingScreen>());
    }
}

void Game::showAppLoadingScreen() {
    readScreenSize();
    appLoadingScreen = runtime::make<AppLoadingScreen>();
    stage()->addChild(appLoadingScreen);
}

void Game::removeAppLoadingScreen() {
    if (appLoadingScreen) stage()->removeChild(appLoadingScreen);
}

}  // namespace game

using game::Game;

RUNTIME_DEFINE_CLASS(Game, "Game", engine::EngGame, (auto& b) {
    b.template staticField<&Game::frameRate>("frameRate")
        .template staticField<&Game::screenWidth>("screenWidth")
        .template staticField<&Game::screenHeight>("screenHeight")
        .template staticField<&Game::gameWidth>("gameWidth")
        .template staticField<&Game::gameHeight>("gameHeight")
        .template staticField<&Game::scaleFactor>("scaleFactor")
        .template staticMethod<&Game::createUI>("createUI")
        .emptyInstance();
})
