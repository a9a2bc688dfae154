#pragma once
// The plain values the saves keep, each under its key with the GameData (or settings) field it
// comes from and goes back to, so that the writers (Data) and the readers (GameData) share one
// list. Lists, items and records are written and read by hand.
#include <variant>
#include <vector>

namespace game {

class SaveFields {
public:
    struct Field {
        const char* name;
        std::variant<int*, bool*, double*> target;
    };
    struct Summary {
        const char* name;
        std::variant<std::vector<int>*, std::vector<bool>*> list;
    };

    // The slot entry's scalars before its lists, and those after them.
    static const std::vector<Field>& slotScalars();
    static const std::vector<Field>& slotTail();
    // The settings entry's flags from "filter" to "azerty" ("fps60" is read apart).
    static const std::vector<Field>& settingsFlags();
    // The ten slot-summary lists of the settings entry.
    static const std::vector<Summary>& summaries();
};

}  // namespace game
