#pragma once
// Recording stand-ins for the UI root and exploration-state hooks the item widgets read.
#include <memory>
#include <string>
#include <vector>

#include "game/data/DataMap.h"
#include "game/data/DataUI.h"

struct FakeUI : game::DataUI {
    bool useSpecial = false, crafting = false, forge = false, equipment = false, hotkeys = false, museum = false;
    std::vector<runtime::Ref<game::Item>> compared;
    bool useSpecialOpen() override { return useSpecial; }
    bool craftingOpen() override { return crafting; }
    bool forgeEnabled() override { return forge; }
    bool equipmentOpen() override { return equipment; }
    bool hotkeysOpen() override { return hotkeys; }
    bool museumOpen() override { return museum; }
    void openCompareScreen(const runtime::Ref<game::Item>& item) override { compared.push_back(item); }
};

struct FakeMap : game::DataMap {
    bool battle = false;
    std::vector<runtime::Ref<runtime::Object>> menuEffects;
    bool inBattle() override { return battle; }
    void addMenuEffect(const runtime::Ref<runtime::Object>& sprite) override { menuEffects.push_back(sprite); }
};

// Installs fresh fakes for a test's life and the silent stand-ins again afterwards.
struct InstalledHooks {
    std::shared_ptr<FakeUI> ui = std::make_shared<FakeUI>();
    std::shared_ptr<FakeMap> map = std::make_shared<FakeMap>();
    InstalledHooks() {
        game::DataUI::install(ui);
        game::DataMap::install(map);
    }
    ~InstalledHooks() {
        game::DataUI::install(nullptr);
        game::DataMap::install(nullptr);
    }
};
