#pragma once
// The in-game menu's tab bar: a column at the menu's right edge with the red close button on
// top, then the equipment, crafting and loot tabs, and the bestiary and settings tabs side by
// side at the bottom. The button of the open tab is highlighted.
#include "game/kit/BasicButton.h"
#include "game/kit/BitmapSprite.h"

namespace game {

class UIButtonPanel : public BitmapSprite {
    RUNTIME_CLASS(UIButtonPanel)
public:
    using EventRef = runtime::Ref<framework::Event>;

    UIButtonPanel(int width, int height);
    explicit UIButtonPanel(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void bestiaryClick(const EventRef& event = nullptr);
    virtual void settingsClick(const EventRef& event = nullptr);
    virtual void statsClick(const EventRef& event = nullptr);
    virtual void equipClick(const EventRef& event = nullptr);
    virtual void craftClick(const EventRef& event = nullptr);
    virtual void closeClick(const EventRef& event = nullptr);
    // Moves the highlight to the button of tab (a UI window id); any other value clears it.
    virtual void selectTab(int tab);

    // The tab button of a window id; null for any other value.
    runtime::Ref<BasicButton> buttonOfTab(int tab) const;

    runtime::Ref<BasicButton> closeButton;
    runtime::Ref<BasicButton> equipmentButton;
    runtime::Ref<BasicButton> craftingButton;
    runtime::Ref<BasicButton> statsButton;
    runtime::Ref<BasicButton> bestiaryButton;
    runtime::Ref<BasicButton> settingsButton;
    runtime::Ref<BitmapSprite> book;
    runtime::Ref<BitmapSprite> gear;
    runtime::Ref<BitmapSprite> closeText;
    runtime::Ref<BitmapSprite> equipIcon;
    runtime::Ref<BitmapSprite> craftIcon;
    runtime::Ref<BitmapSprite> statsIcon;
    int selectedTab = 0;
    runtime::Ref<BasicButton> selectedButton;

private:
    // Opens the tab through the UI root after highlighting it.
    void openTab(int tab);
};

}  // namespace game
