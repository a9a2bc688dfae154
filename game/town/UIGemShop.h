#pragma once
// The gem shop: five buttons selling the stat gems for gold, each with its price tag, the
// salesman's typed line on top and a "Close" button. A bought gem is not kept: it is made on the
// hero's own cell and set off at once, as if found there. The prices live in GameData; each
// purchase raises the price of its kind by half, cut down to whole hundreds.
#include "framework/events/Event.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/TextSprite.h"

namespace game {

class UIGemShop : public BasicWindow {
    RUNTIME_CLASS(UIGemShop)
public:
    static constexpr int BUTTON_WIDTH = 80;
    static constexpr int BUTTON_HEIGHT = 80;
    static constexpr int WIN_WIDTH = 520;
    static constexpr int WIN_HEIGHT = 184;

    UIGemShop();
    explicit UIGemShop(runtime::NoInit n) : BasicWindow(n) {}

    // The price that follows one purchase at price.
    static int nextPrice(int price);
    // The GameData price of a gem kind (StatGem type); null for any other kind.
    static int* priceOf(int type);

    virtual void welcome();
    virtual runtime::Ref<BasicButton> createGemButton(int type);
    // One frame of the message's typing.
    virtual void update();
    virtual void updateCosts();
    virtual void gemButtonClick(const runtime::Ref<framework::Event>& event);
    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);

    runtime::Ref<BitmapSprite> hpCostSprite;
    runtime::Ref<BitmapSprite> mpCostSprite;
    runtime::Ref<BitmapSprite> attackCostSprite;
    runtime::Ref<BitmapSprite> defenseCostSprite;
    runtime::Ref<BitmapSprite> magicCostSprite;
    runtime::Ref<TextSprite> hpCostText;
    runtime::Ref<TextSprite> mpCostText;
    runtime::Ref<TextSprite> attackCostText;
    runtime::Ref<TextSprite> defenseCostText;
    runtime::Ref<TextSprite> magicCostText;
    runtime::Ref<TextSprite> message;

private:
    struct Tag {
        runtime::Ref<BitmapSprite>* sprite;
        runtime::Ref<TextSprite>* text;
    };
    // The price tag of a kind; both null outside 0 to 4.
    Tag tagOf(int type);
};

}  // namespace game
