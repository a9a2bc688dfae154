#pragma once
// What a floor needs of the exploration state that owns it: the hero's cell, and where a finished
// path search delivers its result. The exploration state implements it.
#include <optional>
#include <utility>
#include <vector>

#include "framework/geom/Point.h"

namespace game {

class MapStateLink {
public:
    virtual ~MapStateLink() = default;
    // The path from the cell next to the hero to the target (empty when none was found).
    virtual void setFoundMovePath(const std::vector<runtime::Ref<framework::Point>>& path,
                                  const runtime::Ref<framework::Point>& target) = 0;
    // The hero's column and row, or nothing while there is no hero.
    virtual std::optional<std::pair<int, int>> heroCell() const = 0;
};

}  // namespace game
