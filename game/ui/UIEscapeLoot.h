#pragma once
// The summary after a successful run ("RUN SUCCESSFUL!"): a bouncing headline, the UI root's
// loot panel at (DETAILS_X, DETAILS_Y) and a "Close" button that ends the summary through the
// root. Made on each opening and destroyed on closing.
#include "game/kit/BasicWindow.h"
#include "game/kit/TextSprite.h"

namespace game {

class UIEscapeLoot : public BasicWindow {
    RUNTIME_CLASS(UIEscapeLoot)
public:
    // Set by the constructor.
    static inline int DETAILS_X = 70;
    static inline int DETAILS_Y = 125;

    UIEscapeLoot(int width, int height);
    explicit UIEscapeLoot(runtime::NoInit n) : BasicWindow(n) {}

    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);
    // Starts the headline's animation again.
    virtual void windowOpened();
    // One frame of the headline's animation.
    virtual void update();

    runtime::Ref<TextSprite> title;
};

}  // namespace game
