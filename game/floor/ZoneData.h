#pragma once
// Zone parameters of one dungeon floor: how many zone seeds it gets and how large they grow.
// ZONES holds one record per floor number 0..120, built once by setZones.
#include <vector>

#include "platform/runtime/Object.h"

namespace game {

class ZoneData : public runtime::Object {
public:
    ZoneData(int minZones, int maxZones, int zoneMaxRadius)
        : minZones(minZones), maxZones(maxZones), zoneMaxRadius(zoneMaxRadius) {}

    int minZones;
    // Exclusive upper bound of the seed count.
    int maxZones;
    // No seed lies closer than this to the border; scales the growth chance.
    int zoneMaxRadius;

    // Indexed by floor number; empty until setZones runs.
    static inline std::vector<runtime::Ref<ZoneData>> ZONES;

    static void setZones();
    // The row of a floor, or null outside 0..120 (or before setZones).
    static runtime::Ref<ZoneData> forFloor(int floor);
};

}  // namespace game
