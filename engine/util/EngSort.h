#pragma once
// Sort orders and comparison by value.

namespace engine {

class EngSort {
public:
    static constexpr int ASCENDING = -1;
    static constexpr int DESCENDING = 1;

    // order when value1 < value2, -order when value1 > value2, else 0.
    static int byValues(int order, double value1, double value2) {
        if (value1 < value2) return order;
        if (value1 > value2) return -order;
        return 0;
    }
};

}  // namespace engine
