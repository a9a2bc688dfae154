#pragma once
// The hotkey bar at the bottom of the play screen: a square edit button and a framed strip of ten
// quick-use slots bound to GameData::hotkeySlotItems. Its editor (the inventory panel above the
// bar, opened by the edit button through the UI root) assigns inventory items to slots; an attack
// spell used outside battle waits on the bar, marked, until the next battle starts.
#include <vector>

#include "HotkeySlot.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/ItemDetails.h"

namespace game {

class HotkeyWindow : public BitmapSprite {
    RUNTIME_CLASS(HotkeyWindow)
public:
    static inline runtime::Ref<Anim> MAGIC_QUEUED_ANIM;
    static constexpr int MAX_SLOTS = 10;

    HotkeyWindow(int winWidth, int winHeight);
    explicit HotkeyWindow(runtime::NoInit n) : BitmapSprite(n) {}

    virtual void update();
    // (Re)builds the slots and binds each to the first held item equal to its saved entry.
    virtual void initializeHotkeySlots();
    virtual void editButtonClick(const runtime::Ref<framework::Event>& event);
    virtual void showInstructions();
    virtual void fadeOutInstructions();
    virtual void hideInstructions();
    // The inventory's select, use and deselect while the editor is open.
    virtual void selectItem(const runtime::Ref<Item>& item);
    virtual void deselectItem();
    virtual void removeSelectBox();
    virtual void selectSlot(const runtime::Ref<HotkeySlot>& slot);
    virtual void deselectSlot();
    virtual void useItem(const runtime::Ref<Item>& item);
    // Empties the slots whose item ran out and redraws the others' counts.
    virtual void updateAmounts();
    // n outside the bar does nothing.
    virtual void useSlotByNumber(int n);
    virtual void putItemInFirstOpenSlot(const runtime::Ref<Item>& item);
    // A second use of the queued slot cancels; another slot takes the queue over.
    virtual void queueMagic(const runtime::Ref<HotkeySlot>& slot);
    virtual void dequeueMagic();
    // Casts the queued spell (the battle has begun) and clears the queue.
    virtual void useQueuedMagic();
    // Battle start: the slots whose item is not usable in battle go to half alpha and refuse use.
    virtual void disableBattleUnusable();
    // Battle end (or leaving the battle any other way): every slot usable again.
    virtual void enableAllSlots();

    // The slot that holds this very item object; null when none.
    runtime::Ref<HotkeySlot> slotHolding(const runtime::Ref<Item>& item) const;

    int winHeight = 0;
    int winWidth = 0;
    runtime::Ref<ItemDetails> itemDetails;
    runtime::Ref<HotkeySlot> selectedSlot;
    runtime::Ref<BasicWindow> editButton;
    std::vector<runtime::Ref<HotkeySlot>> slots;
    runtime::Ref<BasicWindow> itemDetailsWindow;
    runtime::Ref<HotkeySlot> queuedMagicSlot;
    runtime::Ref<BasicWindow> mainWindow;
    runtime::Ref<BitmapSprite> selectBox;
    runtime::Ref<BitmapSprite> selectBoxMagic;
    runtime::Ref<BitmapSprite> slotHolder;
    runtime::Ref<TextSprite> instructionsText;
    runtime::Ref<BitmapSprite> magicQueueSprite;
};

}  // namespace game
