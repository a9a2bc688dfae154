#pragma once
// The save slot window: four slot buttons with a summary of each slot's game (hero, level, where
// the run stands, deepest floor, successful runs, new game plus), a one-way "Delete..." toggle
// that slides the slots left to bare a Delete button beside each, and New Game+ buttons on
// finished slots. Choosing a slot is the UI root's work (slotClicked); the window loads nothing.
#include <vector>

#include "game/battle/Hero.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/YesNoWindow.h"

namespace game {

class UISlotWindow : public BasicWindow {
    RUNTIME_CLASS(UISlotWindow)
public:
    using EventRef = runtime::Ref<framework::Event>;

    static constexpr int WIN_WIDTH = 520;
    static constexpr int WIN_HEIGHT = 500;
    static constexpr int SLOT_WIDTH = 400;
    static constexpr int SLOT_HEIGHT = 90;
    static constexpr int SLOT_SPACING = 10;
    static constexpr int DELETE_BUTTON_WIDTH = 80;
    static constexpr int NUM_SLOTS = 4;
    // Rebuilt by every new window, so their answers reach the newest one.
    static inline runtime::Ref<YesNoWindow> DELETE_SLOT_CONFIRMATION;
    static inline runtime::Ref<YesNoWindow> NG_PLUS_CONFIRMATION;

    UISlotWindow();
    explicit UISlotWindow(runtime::NoInit n) : BasicWindow(n) {}

    // Steps the summaries' heroes on even frames.
    virtual void update();
    // Rebuilds the four summaries from GameData's slot arrays.
    virtual void loadSlotData();
    virtual runtime::Ref<BitmapSprite> createDetails(int slot, bool exists, int heroType, int deepestFloor,
                                                     int currentFloor, int level, bool inCave, int successfulRuns,
                                                     int ngpNum, bool ngpAvailable, int gameMode);
    virtual void closeClick(const EventRef& event = nullptr);
    virtual void slot0Clicked(const EventRef& event = nullptr);
    virtual void slot1Clicked(const EventRef& event = nullptr);
    virtual void slot2Clicked(const EventRef& event = nullptr);
    virtual void slot3Clicked(const EventRef& event = nullptr);
    virtual void delete0Clicked(const EventRef& event = nullptr);
    virtual void delete1Clicked(const EventRef& event = nullptr);
    virtual void delete2Clicked(const EventRef& event = nullptr);
    virtual void delete3Clicked(const EventRef& event = nullptr);
    virtual void deleteToggleClick(const EventRef& event = nullptr);
    virtual void confirmDeleteSlot();
    virtual void ngpButtonClicked(const EventRef& event = nullptr);
    virtual void startNewGamePlus();

    runtime::Ref<BitmapSprite> slotHolder;
    runtime::Ref<BitmapSprite> deleteButtonHolder;
    std::vector<runtime::Ref<BasicButton>> slotButtons;
    std::vector<runtime::Ref<BasicButton>> deleteButtons;
    std::vector<runtime::Ref<BitmapSprite>> slotDetails;
    std::vector<runtime::Ref<Hero>> heroes;
    // The New Game+ button of each slot, or null.
    std::vector<runtime::Ref<BasicButton>> ngpButtons;
    bool deleteShowing = false;
    int chosenSlot = -1;

private:
    void slotChosen(int slot);
    void deleteChosen(int slot);
};

}  // namespace game
