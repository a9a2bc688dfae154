#pragma once
// One character of the dialogue table: its sprite and shadow, offsets, shop lines, scenery flags,
// where the fixed maps place it, and its speeches in table order. NPCS holds every character by
// id; the records are shared by every map object of that id.
#include <vector>

#include "SpeechData.h"
#include "framework/display/BitmapData.h"
#include "game/kit/Anim.h"

namespace game {

class NPCData : public runtime::Object {
    RUNTIME_CLASS(NPCData)
public:
    using List = std::vector<runtime::Ref<NPCData>>;

    static constexpr const char* TABLE = "assets/xml/npcs.xml";

    // Indexed by id; ids missing from the table are null.
    static inline List NPCS;

    NPCData(int id, const runtime::String& name) : id(id), name(name) {}
    explicit NPCData(runtime::NoInit) {}

    int id = 0;
    // The picture is "assets/x2/npcs/" + name + ".png".
    runtime::String name;
    bool shop = false;
    std::vector<runtime::Ref<SpeechData>> speechDatas;
    bool freeze = false;
    int shadOffsetX = 0;
    int shadOffsetY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int speechOffsetX = 0;
    int speechOffsetY = 0;
    bool hardPos = false;
    bool blank = false;
    runtime::Ref<framework::BitmapData> shadowBMD;
    // Null when the sprite is the whole picture.
    runtime::Ref<Anim> anim;
    runtime::String welcomeText, shopSelectText, invSelectText, buyOneText, buyAllText;
    runtime::String sellOneText, sellAllText, sellJunkText, noGoldText, cantBuyText;
    bool decor = false;
    bool pass = false;
    // Placement on the fixed maps; -1 leaves a condition open.
    int minRuns = 0;
    int maxRuns = 0;
    int needSwitch = 0;
    int leaveSwitch = 0;

    // Builds NPCS anew from the dialogue table. A table that is missing or is not XML stops with
    // an error naming it.
    static void createNPCs();
    // Builds NPCS from table text; path names the table in errors.
    static void readNPCs(const runtime::String& path, const runtime::String& source);
    // A table integer: "0x" or "0X" and hexadecimal digits, or optional white space and sign and
    // decimal digits up to the first other character; 0 when there are none (or for null).
    static int parseInteger(const runtime::String& text);

    // The first speech, in table order, that fits the story now: its switch is set, its item is
    // held, and it is named type, or (for a null or empty type) it is untyped and
    // GameData::storyProgress lies in its run range. Null when none fits.
    runtime::Ref<SpeechData> chooseSpeech(const runtime::String& type) const;
};

}  // namespace game
