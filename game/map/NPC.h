#pragma once
// A character standing on a map cell, drawn from its dialogue-table record: its picture with a
// shadow, its animation, and the sorcerer's hover. Speaking (activate, showSpeech) comes with the
// dialogue flow.
#include "NPCData.h"
#include "framework/display/Bitmap.h"
#include "game/floor/TileObject.h"

namespace game {

class NPC : public TileObject {
    RUNTIME_CLASS(NPC)
public:
    static constexpr int SORCEROR_HOVER_PERIOD_60FPS = 10;
    // Frames per radian of the sorcerer's hover; the frame-rate switch halves it at 30.
    static inline int SORCEROR_HOVER_PERIOD = 10;
    static constexpr int SORCEROR_ID = 46;
    static constexpr int SORCEROR_WINGS_ID = 54;
    static constexpr int SORCEROR_DIEING_ID = 56;
    static constexpr int LOST_KID = 60;
    static constexpr int ARCHAEOLOGIST = 62;
    static constexpr int DEMON = 63;
    static inline const runtime::Ref<Anim> SORCEROR_IDLE = runtime::make<Anim>(0, 0, 24, 39, 4, true, 6);
    static inline const runtime::Ref<Anim> SORCEROR_CAST = runtime::make<Anim>(0, 39, 24, 39, 4, false, 8);

    // The character with this id (NPCData::NPCS[id]); an id the table lacks makes a blank,
    // blocking character.
    NPC(Tile* tile, int id);

    void update() override;

    runtime::Ref<BitmapSprite> animSprite;
    runtime::Ref<NPCData> npcData;
    double originY = 0;
};

}  // namespace game
