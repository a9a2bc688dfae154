#pragma once
// The sprite group whose members are plain engine sprites.
#include "engine/group/EngTypedSpriteGroup.h"

namespace engine {

class EngSpriteGroup : public EngTypedSpriteGroup {
    RUNTIME_CLASS(EngSpriteGroup)
public:
    explicit EngSpriteGroup(double x = 0, double y = 0, int maxSize = 0) : EngTypedSpriteGroup(x, y) {
        group->set_maxSize(maxSize);
    }
    explicit EngSpriteGroup(runtime::NoInit n) : EngTypedSpriteGroup(n) {}
};

}  // namespace engine
