#pragma once
// The game's progress on disk, all static: the settings entry "GLV2GameData" (settings, the four
// slot summaries, the last slot), one entry per slot "GLV2Slot<n>" (a hero and run, with the floor
// while a run is under way), and the older single entry "TheGlintvault2", read once into slot 0
// and never written. Every write goes through an EngSave flush, so it is atomic.
#include "Item.h"
#include "engine/util/EngSave.h"

namespace game {

class Data : public runtime::Object {
    RUNTIME_CLASS(Data)
public:
    static constexpr int NUM_SLOTS = 4;
    static inline const char* const GAME_DATA_NAME = "GLV2GameData";
    static inline const char* const SLOT_PREFIX = "GLV2Slot";
    static inline const char* const LEGACY_NAME = "TheGlintvault2";

    // Bound to the settings entry by loadSaveData, for the rest of the process.
    static inline runtime::Ref<engine::EngSave> gameData;
    // Bound to the current slot's entry; each binding makes a new one.
    static inline runtime::Ref<engine::EngSave> slotData;
    // Whether the next slot flush shows the "Game Saved" notice.
    static inline bool showSavedText = false;

    // Start-up: the settings and the last slot, a first start, or the legacy entry's migration.
    static void loadSaveData();
    // Copies the legacy entry's data object into slot 0 and a new settings entry.
    static void migrateToSlotSaves(const runtime::Ref<runtime::Object>& legacy);
    // Binds slotData to that slot's entry and makes it the current slot; loads and writes nothing.
    static void bindSlotData(int slot);
    // Writes and flushes the settings entry, then the slot entry when one is bound.
    static void saveAllData(bool showText = true);
    // The settings and slot summaries into obj; flushes gameData.
    static void saveGameDataToObject(const runtime::Ref<runtime::Object>& obj);
    // The whole hero and run into obj; does not flush.
    static void saveSlotDataToObject(const runtime::Ref<runtime::Object>& obj);
    static runtime::Ref<runtime::Object> createSaveItem(const runtime::Ref<Item>& item);
    // The slot flush's completion: the notice when it was asked for, whatever the outcome.
    static void flushComplete(bool success);

    // Forgets both bindings (a fresh process).
    static void reset_();
};

}  // namespace game
