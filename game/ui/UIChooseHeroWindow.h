#pragma once
// The choice of one of the four adventurer looks: a button with each look's attack pose. A choice
// sets GameData::heroType and asks the UI root to close the window; there is no cancel.
#include "game/kit/BasicWindow.h"
#include "framework/events/Event.h"

namespace game {

class UIChooseHeroWindow : public BasicWindow {
    RUNTIME_CLASS(UIChooseHeroWindow)
public:
    using EventRef = runtime::Ref<framework::Event>;

    static constexpr int WIN_WIDTH = 420;
    static constexpr int WIN_HEIGHT = 440;
    static constexpr int BUTTON_WIDTH = 160;
    static constexpr int BUTTON_HEIGHT = 160;

    UIChooseHeroWindow();
    explicit UIChooseHeroWindow(runtime::NoInit n) : BasicWindow(n) {}

    virtual void guyClick(const EventRef& event = nullptr);
    virtual void girlClick(const EventRef& event = nullptr);
    virtual void monkClick(const EventRef& event = nullptr);
    virtual void velixClick(const EventRef& event = nullptr);

private:
    static void choose(int heroType);
};

}  // namespace game
