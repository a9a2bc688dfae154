#pragma once
// The bubble a character talks in: a framed box above the speaker with one page of typewriter
// text, an optional picture and an arrow pointing at the speaker, kept on screen; on the last page
// up to two option buttons. Dismissing the last page or choosing an option carries the record
// out: a continuation, a purchase, sale or trade, items given or taken, a shop or a scripted
// event of the exploration state. A child of the map's over-sprite, so it moves with the map.
#include "framework/display/Bitmap.h"
#include "framework/events/Event.h"
#include "game/data/Item.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"
#include "game/map/SpeechData.h"

namespace game {

class NPC;

class Speech : public BitmapSprite {
    RUNTIME_CLASS(Speech)
public:
    static constexpr int OPEN_FRAMES_60FPS = 8;
    // Frames a page's box takes to open; the frame-rate switch halves it at 30.
    static inline int OPEN_FRAMES = 8;
    static constexpr int MARGIN = 10;
    static constexpr int OPTION_BUTTON_X = 70;
    static constexpr int OPTION_BUTTON_Y = 20;

    // Builds the bubble anchored at (x, y) in map pixels and shows its first page.
    Speech(const runtime::Ref<NPC>& npc, const runtime::Ref<SpeechData>& speechData, double x, double y);
    explicit Speech(runtime::NoInit n) : BitmapSprite(n) {}
    ~Speech() override;

    // The width a page of n characters wraps at; -1 for one line.
    static int wrapWidth(int n);

    // Lays out page currentTextIndex and moves the index on.
    virtual void createSpeech();
    // Takes the page down and goes on: the next page (unless skipPages), the continuation, or the
    // end of the record (item given or taken, event). True when the conversation is over.
    virtual bool closeCurrentText(bool skipPages = false, bool closeOnly = false);
    // One frame: the box opening, then the typewriter.
    virtual void update();
    virtual void option1Click(const runtime::Ref<framework::Event>& event);
    virtual void option2Click(const runtime::Ref<framework::Event>& event);
    virtual void optionChosen(const runtime::String& label);
    // Gives the item with the speaker's found-item presentation.
    virtual void getItem(const runtime::Ref<Item>& item);
    virtual void callEvent(const runtime::String& name);
    // Takes the bubble off its parent.
    void detach();

    bool optionsOpen = false;
    runtime::Ref<SpeechData> speechData;
    runtime::Ref<BasicWindow> box;
    runtime::Ref<framework::Bitmap> arrow;
    runtime::Ref<framework::Bitmap> image;
    runtime::Ref<TextSprite> textSprite;
    int currentTextIndex = 0;
    bool opening = false;
    int boxWidth = 0;
    int boxHeight = 0;
    int openFrame = 1;
    // The speaker; the bubble does not keep it alive.
    runtime::Weak<NPC> npc;
    runtime::Ref<BitmapSprite> option1Sprite;
    runtime::Ref<BitmapSprite> option2Sprite;
    int arrowOffsetX = 0;
    double defaultX = 0;
    double defaultY = 0;

private:
    runtime::Ref<BitmapSprite> makeOption(const runtime::String& caption, bool first);
    // A flying item icon from the hero's tile (or the speaker's, fromHero false) in the speaker's
    // object row; with a target it flies to the speaker.
    void flyIcon(const runtime::Ref<Item>& item, bool fromHero);
};

}  // namespace game
