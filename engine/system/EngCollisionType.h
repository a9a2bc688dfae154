#pragma once
// What kind of thing an engine object is for collision (EngBasic::collisionType).

namespace engine {

class EngCollisionType {
public:
    static constexpr int NONE = 0;
    static constexpr int OBJECT = 1;
    static constexpr int GROUP = 2;
    static constexpr int TILEMAP = 3;
    static constexpr int SPRITEGROUP = 4;
};

}  // namespace engine
