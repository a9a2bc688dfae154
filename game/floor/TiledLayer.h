#pragma once
// One layer of a map file: its name and width x height global tile ids, row by row (0 = empty).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/Object.h"

namespace game {

class TiledLayer : public runtime::Object {
public:
    TiledLayer(std::string name, std::vector<uint32_t> tileData) : name(std::move(name)), tileData(std::move(tileData)) {}

    std::string name;
    std::vector<uint32_t> tileData;
};

}  // namespace game
