#pragma once
// The three-look button base: a holder shows the normal, pointer-over or pressed look (the
// subclass supplies them), switched on roll-over, roll-out, press and release; a release
// anywhere on the stage ends a press. An invisible bitmap gives the pointer area. Clicks are
// the framework's own click events on the button.
#include "BitmapSprite.h"
#include "framework/events/Event.h"

namespace game {

class ButtonTemplate : public BitmapSprite {
    RUNTIME_CLASS(ButtonTemplate)
public:
    ButtonTemplate(int buttonWidth, int buttonHeight, int hitExtension = 10);
    explicit ButtonTemplate(runtime::NoInit n) : BitmapSprite(n) {}

    // Stores the size and rebuilds the pointer area, in front of the holder.
    virtual void setNewHitBitmap(int buttonWidth, int buttonHeight);
    virtual void mouseOver(const runtime::Ref<framework::Event>& event);
    virtual void mouseOut(const runtime::Ref<framework::Event>& event);
    virtual void mouseDown(const runtime::Ref<framework::Event>& event);
    virtual void mouseUp(const runtime::Ref<framework::Event>& event);

    bool disabled = false;
    int buttonWidth = 0;
    int buttonHeight = 0;
    bool selected = false;
    runtime::Ref<framework::Sprite> unselectedSprite;
    runtime::Ref<framework::Sprite> overSprite;
    runtime::Ref<framework::Sprite> selectedSprite;
    runtime::Ref<framework::Sprite> spriteHolder;
    runtime::Ref<framework::Bitmap> hitBitmap;
    // Extra pointer margin on every side; touch builds only.
    int hitExtension = 10;

protected:
    // Empties the holder and shows look (when there is one).
    void showLook(const runtime::Ref<framework::Sprite>& look);
    void listenOut(bool on);
    void listenUp(bool on);
};

}  // namespace game
