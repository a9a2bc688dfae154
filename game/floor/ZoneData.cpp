#include "ZoneData.h"

namespace game {

void ZoneData::setZones() {
    std::vector<runtime::Ref<ZoneData>> zones;
    for (int floor = 0; floor <= 120; ++floor) {
        if (floor == 1) zones.push_back(runtime::make<ZoneData>(4, 7, 5));
        else if (floor <= 5) zones.push_back(runtime::make<ZoneData>(6, 9, 6));
        else if (floor <= 10) zones.push_back(runtime::make<ZoneData>(7, 10, 6));
        else if (floor <= 20) zones.push_back(runtime::make<ZoneData>(8, 12, 6));
        else if (floor <= 30) zones.push_back(runtime::make<ZoneData>(8, 10, 4));
        else if (floor <= 40) zones.push_back(runtime::make<ZoneData>(10, 12, 4));
        else zones.push_back(runtime::make<ZoneData>(8, 12, 6));
    }
    ZONES = std::move(zones);
}

runtime::Ref<ZoneData> ZoneData::forFloor(int floor) {
    if (floor < 0 || floor >= static_cast<int>(ZONES.size())) return nullptr;
    return ZONES[floor];
}

}  // namespace game
