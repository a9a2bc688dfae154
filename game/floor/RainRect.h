#pragma once
// A rain area of a premade map in pixels; weight is the summed area of the areas before it, so a
// reader can pick one with a probability proportional to its area.
#include "framework/geom/Rectangle.h"

namespace game {

class RainRect : public framework::Rectangle {
public:
    RainRect(int x, int y, int width, int height) : framework::Rectangle(x, y, width, height) {}

    int weight = 0;
};

}  // namespace game
