#pragma once
// A horizontal strip of entries that the player drags, flings and taps. The entries inside the
// central window are spread across it, the next EDGE_ITEMS places on each side are squeezed into
// a narrow end band and fade out, the rest is hidden. It has no frame hook: its owner calls
// update once per game update.
#include <vector>

#include "BitmapSprite.h"
#include "TextSprite.h"
#include "framework/events/Event.h"

namespace game {

class BaseScroller : public BitmapSprite {
    RUNTIME_CLASS(BaseScroller)
public:
    static constexpr double SCROLL_DAMP = 0.5;
    static inline double SCROLL_SPEED_MAX = 100;
    static constexpr double SCROLL_SPEED_MAX_60FPS = 100;
    static constexpr int EDGE_ITEMS = 4;

    // tapItemFunction becomes every entry's "click" listener; subDeselectItem runs on a
    // background click that did not scroll.
    BaseScroller(int areaWidth, int scrollerHeight, double scrollWinSize, double scrollWinEdgeSize, int itemSpacing,
                 const runtime::Ref<runtime::Function>& tapItemFunction,
                 const runtime::Ref<runtime::Function>& subDeselectItem, bool translucentBack = false);
    explicit BaseScroller(runtime::NoInit n) : BitmapSprite(n) {}

    // Replaces the list; the old entries are destroyed (without force).
    virtual void populateScroller(const std::vector<runtime::Ref<BitmapSprite>>& entries);
    virtual void removeAllEventListeners();
    virtual void update();
    virtual void updateItemLocations();
    virtual void mouseDown(const runtime::Ref<framework::Event>& event);
    virtual void mouseUp(const runtime::Ref<framework::Event>& event);
    virtual void keepWithinBounds();
    virtual void updateSwipe();
    // Glides (0.8 s tween of scrollAmount) so that the entry comes into view.
    virtual void centerSelectedItem(const runtime::Ref<BitmapSprite>& entry);
    virtual void resetScrollAmount();
    virtual void backMouseDown(const runtime::Ref<framework::Event>& event);
    virtual void backMouseUp(const runtime::Ref<framework::Event>& event);

    int areaWidth = 0;
    runtime::Ref<runtime::Function> subDeselectItem;
    std::vector<runtime::Ref<BitmapSprite>> currentItems;
    int scrollAmount = 0;
    int maxScrollAmount = 0;
    int lastX = 0;
    double scrollSpeed = 0;
    double scrollStart = 0;
    bool mouseIsDown = false;
    runtime::Ref<BitmapSprite> iconHolder;
    double itemsInWindow = 0;
    double itemWindowPercent = 0;
    bool noScroll = false;
    bool scrollTweening = false;
    runtime::Ref<TextSprite> rightHiddenText;
    runtime::Ref<TextSprite> leftHiddenText;
    int firstVisibleIndex = 0;
    runtime::Ref<TextSprite> nothingText;
    int backClickStartScroll = 0;
    int itemSpacing = 0;
    runtime::Ref<runtime::Function> tapItemFunction;
    int scrollerHeight = 0;
    double scrollWinSize = 0;
    double scrollWinEdgeSize = 0;
    runtime::Ref<framework::Bitmap> background;

private:
    void listenStageUp(bool on);
};

}  // namespace game
