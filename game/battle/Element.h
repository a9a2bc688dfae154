#pragma once
// The element types: the weakness of a monster and the element of a strike.
namespace game {

class Element {
public:
    static constexpr int TYPE_NONE = 0;
    static constexpr int TYPE_FIRE = 1;
    static constexpr int TYPE_ICE = 2;
    static constexpr int TYPE_EARTH = 3;
    static constexpr int TYPE_WIND = 4;
    static constexpr int TYPE_DARK = 5;
    static constexpr int TYPE_LIGHT = 6;
};

}  // namespace game
