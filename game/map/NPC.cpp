#include "NPC.h"

#include <algorithm>
#include <cmath>

#include "game/data/GameData.h"
#include "game/floor/Tile.h"
#include "game/map/MapState.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "platform/runtime/Trace.h"

namespace game {

RUNTIME_DEFINE_CLASS(NPC, "NPC", TileObject, (auto& b) {})

NPC::NPC(Tile* tile, int id) : TileObject(tile) {
    objType = TYPE_NPC;
    if (id >= 0 && static_cast<size_t>(id) < NPCData::NPCS.size()) npcData = NPCData::NPCS[static_cast<size_t>(id)];
    if (!npcData) {
        npcData = runtime::make<NPCData>(id, "");
        npcData->blank = true;
    }
    nonBlocking = walkable = npcData->pass;
    if (!npcData->blank) {
        auto picture = PixelSmoother::smoothAsset("assets/x2/npcs/" + npcData->name + ".png");
        animSprite = runtime::make<BitmapSprite>(picture);
        const auto& shadowBMD = npcData->shadowBMD;
        if (!npcData->shop && shadowBMD && shadowBMD != BMDCache::SHADOW_NONE) {
            auto shadow = runtime::make<framework::Bitmap>(shadowBMD);
            shadow->set_x(static_cast<int>(C::TILE_SIZE / 2.0 - shadowBMD->get_width() / 2.0 + npcData->shadOffsetX));
            shadow->set_y(
                static_cast<int>(C::TILE_SIZE / 2.0 - shadowBMD->get_height() / 2.0 - 6 + npcData->shadOffsetY));
            addChild(shadow);
        }
        if (npcData->anim) animSprite->setNewAnim(npcData->anim);
        if (npcData->hardPos) {
            animSprite->set_x(npcData->offsetX);
            animSprite->set_y(npcData->offsetY);
        } else {
            const double w = npcData->anim ? npcData->anim->width : (picture ? picture->get_width() : 0);
            const double h = npcData->anim ? npcData->anim->height : (picture ? picture->get_height() : 0);
            animSprite->set_x((C::TILE_SIZE - w) / 2 + npcData->offsetX);
            animSprite->set_y(C::TILE_SIZE / 2.0 - h + npcData->offsetY);
        }
        addChild(animSprite);
        if (npcData->name == "missingSign") {
            const int n = static_cast<int>(std::min(GameData::storyProgress, 9));
            animSprite->bitmap->set_scrollRect(
                runtime::make<framework::Rectangle>(n % 4 * 37, n / 4 * 34, 37, 34));
        }
        originY = animSprite->get_y();
    }
}

NPC::~NPC() = default;

void NPC::makeNPCAnimArray() { ANIMS = {GUARD_RETURN_TO_IDLE}; }

void NPC::update() {
    if (animSprite && animSprite->anim) animSprite->updateAnim();
    if (animSprite && npcData->id == SORCEROR_ID) {
        animSprite->set_y(originY + static_cast<int>(std::sin(static_cast<double>(G::frameCount) / SORCEROR_HOVER_PERIOD) * 3));
        if (animSprite->animCompleted) animSprite->setNewAnim(SORCEROR_IDLE);
    }
}

void NPC::activate() {
    if (npcData->decor) return;
    MapState* state = G::mapState.get();
    if (!state || state->lastNPC.get() == this) return;
    if (npcData->freeze) state->disableMovement = true;
    if (npcData->shop && Game::ui && Game::ui->shop) {
        // The shop screen is reached by name: without one there is nothing to hand the lines to.
        const NPCData& d = *npcData;
        runtime::Value method = runtime::Value(Game::ui->shop).field("setShopDialogue");
        if (auto* f = method.function())
            (*f)(d.welcomeText, d.shopSelectText, d.invSelectText, d.buyOneText, d.buyAllText, d.sellOneText,
                 d.sellAllText, d.sellJunkText, d.noGoldText, d.cantBuyText);
    }
    showSpeech();
}

void NPC::showSpeech(const runtime::String& type, bool closeCurrent) {
    MapState* state = G::mapState.get();
    runtime::Ref<SpeechData> sd = npcData->chooseSpeech(type);
    if (!sd || !state) {
        RUNTIME_TRACE(runtime::Value("speechData is null?"));
        return;
    }
    if (sd->openShop) state->openShopAfterSpeech = true;
    const double d = Game::mobile ? 1 : 2;
    const double x = get_x() + C::TILE_SIZE * 0.5 + npcData->speechOffsetX;
    const double y = get_y() - C::TILE_SIZE * 0.5 + npcData->offsetY - (npcData->speechOffsetY + 15) / d;
    runtime::Ref<Speech> bubble = runtime::make<Speech>(runtime::Ref<NPC>(this), sd, x, y);
    speech = bubble;
    if (state->overSprite) state->overSprite->addChild(bubble);
    if (closeCurrent && state->currentSpeech) {
        runtime::Ref<Speech> old = state->currentSpeech;
        old->closeCurrentText(true);
        // A continuation the old bubble handed over to would stay on screen, never advanced.
        if (runtime::Ref<Speech> handedOver = state->currentSpeech; handedOver != old) {
            handedOver->closeCurrentText(false, true);
            handedOver->detach();
        }
        old->detach();
    }
    state->currentSpeech = bubble;
    state->lastNPC = runtime::Ref<TileObject>(this);
    if (sd->animIndex >= 0 && sd->animIndex < static_cast<int>(ANIMS.size()) && animSprite)
        animSprite->setNewAnim(ANIMS[static_cast<std::size_t>(sd->animIndex)]);
}

}  // namespace game
