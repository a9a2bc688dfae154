#pragma once
// A character standing on a map cell, drawn from its dialogue-table record: its picture with a
// shadow, its animation and the sorcerer's hover. Touching it opens the first of its speeches
// that fits the story; scripts and the dialogue open named speeches through showSpeech.
#include <vector>

#include "NPCData.h"
#include "framework/display/Bitmap.h"
#include "game/floor/TileObject.h"

namespace game {

class Speech;

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
    static inline const runtime::Ref<Anim> GUARD_IDLE = runtime::make<Anim>(0, 0, 36, 35, 1);
    static inline const runtime::Ref<Anim> GUARD_BLOCK = runtime::make<Anim>(36, 0, 36, 35, 2, false, 3);
    static inline const runtime::Ref<Anim> GUARD_RETURN_TO_IDLE = runtime::make<Anim>(0, 35, 36, 35, 3, false, 5);
    static inline const runtime::Ref<Anim> SORCEROR_IDLE = runtime::make<Anim>(0, 0, 24, 39, 4, true, 6);
    static inline const runtime::Ref<Anim> SORCEROR_CAST = runtime::make<Anim>(0, 39, 24, 39, 4, false, 8);

    // The character with this id (NPCData::NPCS[id]); an id the table lacks makes a blank,
    // blocking character.
    NPC(Tile* tile, int id);
    ~NPC() override;

    // The animations a speech may start, by its "anim" index.
    static inline std::vector<runtime::Ref<Anim>> ANIMS;
    static void makeNPCAnimArray();

    void update() override;
    // The hero touched the character: unless it is scenery or has just spoken, it freezes the
    // hero when its record says so, hands a shopkeeper's lines to the shop and speaks.
    void activate() override;
    // Opens the first speech named type (null or empty: the untyped ones, by run count) whose
    // switch and item conditions hold; closeCurrent closes the bubble open now, its remaining
    // pages skipped. Without a fitting speech only a trace line is written.
    virtual void showSpeech(const runtime::String& type = nullptr, bool closeCurrent = true);

    runtime::Ref<BitmapSprite> animSprite;
    // The bubble this character opened last.
    runtime::Ref<Speech> speech;
    runtime::Ref<NPCData> npcData;
    double originY = 0;
};

}  // namespace game
