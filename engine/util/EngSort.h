#pragma once
// Sort orders and comparison by value or by an object's y position.
#include "engine/EngObject.h"

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
    // byValues of the two objects' y positions: higher on the screen first when ascending.
    static int byY(int order, const EngObject* obj1, const EngObject* obj2) { return byValues(order, obj1->y, obj2->y); }
};

}  // namespace engine
