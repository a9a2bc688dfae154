#pragma once
// The transmutation window: "Transmute" and "Choose an Item:", the MP bar, the chosen item's
// details and a "Back" button. The item list is the UI root's inventory panel, pointed at this
// window while it is open; using an item there turns it into an artifact for the MP price of the
// spell being used (specialItem). Made at each opening, destroyed at each closing.
#include "game/data/Item.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/BitmapSprite.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/TextSprite.h"
#include "MPHud.h"

namespace game {

class UseSpecialWindow : public BitmapSprite {
    RUNTIME_CLASS(UseSpecialWindow)
public:
    static constexpr int DETAILS_WIDTH = 462;
    static constexpr int DETAILS_HEIGHT = 198;
    static inline const runtime::String NOT_ENOUGH_MP = "Not enough MP!";

    // Laid out around the UI root's inventory panel where it stands now.
    UseSpecialWindow();
    explicit UseSpecialWindow(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);
    virtual void selectItem(const runtime::Ref<Item>& item);
    virtual void deselectItem();
    virtual void useItem(const runtime::Ref<Item>& item);

    runtime::Ref<ItemDetails> itemDetails;
    runtime::Ref<BasicWindow> itemDetailsWindow;
    runtime::Ref<Item> specialItem;
    runtime::Ref<MPHud> mpHud;
    runtime::Ref<TextSprite> titleText;
    runtime::Ref<TextSprite> promptText;
    runtime::Ref<BasicButton> backButton;
    // The rising "Not enough MP!", reused while it is still shown.
    runtime::Ref<TextSprite> refusalText;

private:
    void showRefusal();
};

}  // namespace game
