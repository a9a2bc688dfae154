#include "StatGem.h"

#include <algorithm>
#include <cmath>

#include "FloorRandom.h"
#include "MapData.h"
#include "MapStateLink.h"
#include "Tile.h"
#include "framework/display/Bitmap.h"
#include "game/data/DataUI.h"
#include "game/data/GameData.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"

namespace game {

RUNTIME_DEFINE_CLASS(StatGem, "StatGem", TileObject, (auto& b) {})

namespace {

struct Kind {
    const runtime::Ref<Anim>* gem;
    const runtime::Ref<Anim>* dot;
    const char* label;
};

const Kind& kindOf(int type) {
    static const Kind kinds[6] = {{&StatGem::HP, &StatGem::DOT_ANIM_HP, "HP Gem"},
                                  {&StatGem::MP, &StatGem::DOT_ANIM_MP, "MP Gem"},
                                  {&StatGem::ATTACK, &StatGem::DOT_ANIM_ATTACK, "Attack Gem"},
                                  {&StatGem::DEFENSE, &StatGem::DOT_ANIM_DEFENSE, "Defense Gem"},
                                  {&StatGem::MAGIC, &StatGem::DOT_ANIM_MAGIC, "Magic Gem"},
                                  {&StatGem::CHOOSE, &StatGem::DOT_ANIM_CHOOSE, "Choose Gem"}};
    return kinds[type >= 0 && type < 6 ? type : 0];
}

}  // namespace

int StatGem::typeForRoll(int n) {
    if (n < 18) return TYPE_HP;
    if (n < 36) return TYPE_MP;
    if (n < 54) return TYPE_ATTACK;
    if (n < 72) return TYPE_DEFENSE;
    if (n <= 89) return TYPE_MAGIC;
    return TYPE_CHOOSE;
}

StatGem::StatGem(Tile* tile, int type) : TileObject(tile) {
    nonBlocking = walkable = true;
    objType = TYPE_STAT_GEM;
    if (BMDCache::SHADOW_XS) {
        auto shadow = runtime::make<framework::Bitmap>(BMDCache::SHADOW_XS);
        shadow->set_x(-9);
        shadow->set_y(30);
        addChild(shadow);
    }
    gem = runtime::make<BitmapSprite>(PixelSmoother::smoothAsset("assets/x2/treasure/statgems.png"));
    if (type == -1) type = typeForRoll(static_cast<int>(FloorRandom::next() * 100));
    this->type = type >= 0 && type <= TYPE_CHOOSE ? type : TYPE_HP;
    gem->setNewAnim(*kindOf(this->type).gem);
    chooseLabel = kindOf(this->type).label;
    addChild(gem);
    if (tile) {
        set_x(tile->lev_x * C::TILE_SIZE + 7);
        set_y(tile->lev_y * C::TILE_SIZE - 10);
    }
    set_mouseEnabled(false);
    set_mouseChildren(false);
}

void StatGem::activate() {
    auto* link = MapStateLink::current();
    if (type == TYPE_CHOOSE) {
        if (link) link->openStatChooseMenuThisTile(runtime::Ref<StatGem>(this));
    } else {
        explode();
    }
    activated = true;
    if (tile) {
        // The cell lets go of the gem; the floor's list keeps it until its dots are gone.
        runtime::Ref<TileObject> keep(this);
        if (tile->tObj.get() == this) tile->tObj = nullptr;
        DataUI::get().updateMiniMapTile(tile->lev_x, tile->lev_y);
    }
    if (link && !bought) link->findFloorObject();
}

void StatGem::showChooseMenu() {
    DataUI::get().showStatChooseMenu(runtime::Ref<StatGem>(this));
    G::pauseGame = true;
}

void StatGem::statChosen(int chosen) {
    type = chosen;
    explode();
}

void StatGem::explode() {
    MapStateLink::sound("gem", 0.5);
    switch (type) {
    case TYPE_HP: ++GameData::hpGems, ++GameData::hpGemsThisRun; break;
    case TYPE_MP: ++GameData::mpGems, ++GameData::mpGemsThisRun; break;
    case TYPE_ATTACK: ++GameData::attGems, ++GameData::attGemsThisRun; break;
    case TYPE_DEFENSE: ++GameData::defGems, ++GameData::defGemsThisRun; break;
    case TYPE_MAGIC: ++GameData::magGems, ++GameData::magGemsThisRun; break;
    default: break;
    }
    dots.clear();
    dotVelocities.clear();
    auto parent = get_parent();
    const auto dotsPicture = PixelSmoother::smoothAsset("assets/x2/treasure/statGemDots.png");
    const double scale = Game::frameRate == 30 ? 2 : 1;
    for (int i = 0; i < 10; ++i) {
        auto dot = runtime::make<BitmapSprite>(dotsPicture);
        dot->setNewAnim(*kindOf(type).dot);
        dot->set_x(get_x() + 3);
        dot->set_y(get_y() + 2);
        if (parent) parent->addChild(dot);
        const double vx = FloorRandom::next() * 10 - 5;
        const double vy = FloorRandom::next() * 10 - 7;
        dots.push_back(dot);
        dotVelocities.push_back(runtime::make<framework::Point>(vx * scale, vy * scale));
    }
    if (parent) parent->removeChild(runtime::Ref<framework::DisplayObject>(this));
    exploding = true;
    GameData::gainStatBonus(type);
}

void StatGem::update() {
    if (!exploding) {
        gem->updateAnim();
        gem->set_y(std::sin(static_cast<double>(G::frameCount) / HOVER_PERIOD) * 4);
        return;
    }
    ++dotFrame;
    const double t = dotFrame / static_cast<double>(DOT_ANIM_ATTACK->frameStep * DOT_ANIM_ATTACK->frames);
    auto* link = MapStateLink::current();
    double tx = get_x(), ty = get_y();
    if (link) {
        if (auto hero = link->heroPosition()) {
            tx = hero->first + C::TILE_SIZE * 0.5 - 4;
            ty = hero->second - 4;
        }
    }
    const double m = DOT_ANIM_MOVEMENT;
    for (size_t i = 0; i < dots.size(); ++i) {
        auto& dot = dots[i];
        auto& v = dotVelocities[i];
        dot->updateAnim();
        const double px = (tx - dot->get_x()) * t * m, py = (ty - dot->get_y()) * t * m;
        v->x += (px - v->x) * t * m;
        v->y += (py - v->y) * t * m;
        dot->set_x(dot->get_x() + v->x);
        dot->set_y(dot->get_y() + v->y);
    }
    if (!dots.empty() && dots.front()->animCompleted) {
        for (auto& dot : dots) {
            if (auto p = dot->get_parent()) p->removeChild(dot);
            dot->destroy();
        }
        dots.clear();
        exploding = false;
        if (link) {
            if (MapData* floor = link->currentMapData()) {
                runtime::Ref<StatGem> keep(this);
                auto& list = floor->tileObjects;
                list.erase(std::remove_if(list.begin(), list.end(), [this](const auto& o) { return o.get() == this; }),
                           list.end());
            }
        }
    }
}

}  // namespace game
