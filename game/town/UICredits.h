#pragma once
// The credits page from the title: logo, maker line, creator and composer (links to their sites,
// orange on hover) and the testers' and backers' pictures on one column that scrolls up by itself
// and can be dragged, with inertia. "Back" closes it; it keeps its scroll between openings.
#include "framework/events/Event.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class UICredits : public BitmapSprite {
    RUNTIME_CLASS(UICredits)
public:
    using EventRef = runtime::Ref<framework::Event>;

    static constexpr double SCROLL_SPEED_MAX_60FPS = 50;
    static inline double SCROLL_SPEED_MAX = 50;
    static constexpr double SCROLL_SPEED_AUTO_60FPS = 1;
    static inline double SCROLL_SPEED_AUTO = 1;
    static constexpr double SCROLL_DAMP = 0.5;
    static inline const runtime::String EDITION_LABEL = "Desktop Edition";
    static inline const runtime::String CREATOR_SITE = "https://example.com/taloran-mevrick";
    static inline const runtime::String COMPOSER_SITE = "https://example.com/holwen-stavrin";

    UICredits();
    explicit UICredits(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void closeClick(const EventRef& event = nullptr);
    // One frame: a drag step, or the automatic scroll and the speed's return to it.
    virtual void update();
    virtual void mouseDown(const EventRef& event = nullptr);
    virtual void mouseUp(const EventRef& event = nullptr);
    virtual void keepWithinBounds();
    virtual void updateSwipe();
    virtual void taloranOver(const EventRef& event = nullptr);
    virtual void taloranOut(const EventRef& event = nullptr);
    virtual void taloranClick(const EventRef& event = nullptr);
    virtual void quorvaneOver(const EventRef& event = nullptr);
    virtual void quorvaneOut(const EventRef& event = nullptr);
    virtual void holwenOver(const EventRef& event = nullptr);
    virtual void holwenOut(const EventRef& event = nullptr);
    virtual void holwenClick(const EventRef& event = nullptr);

    runtime::Ref<BitmapSprite> scrollSprite;
    int maxScrollAmount = 700;
    int lastY = 0;
    double scrollSpeed = -50;
    bool mouseIsDown = false;
    runtime::Ref<BitmapSprite> quorvaneSprite;
    runtime::Ref<TextSprite> quorvaneOverText;
    runtime::Ref<BitmapSprite> taloranSprite;
    runtime::Ref<TextSprite> taloranOverText;
    runtime::Ref<BitmapSprite> holwenSprite;
    runtime::Ref<TextSprite> holwenOverText;

private:
    // A link: its text, the hidden orange text and a hit area 10 pixels around the text.
    runtime::Ref<BitmapSprite> makeLink(const char* text, const runtime::Ref<SpriteFont>& font,
                                        const runtime::Ref<SpriteFont>& overFont, runtime::Ref<TextSprite>& overText);
    static void showOver(const runtime::Ref<TextSprite>& text, bool shown);
};

}  // namespace game
