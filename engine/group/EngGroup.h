#pragma once
// The group of plain engine objects; the base of every state.
#include <functional>

#include "engine/group/EngTypedGroup.h"

namespace engine {

class EngCamera;

class EngGroup : public EngTypedGroup {
    RUNTIME_CLASS(EngGroup)
public:
    using OverlapCallback = std::function<bool(EngBasic* member, double x, double y, bool inScreenSpace, EngCamera* camera)>;

    explicit EngGroup(int maxSize = 0) : EngTypedGroup(maxSize) {}
    explicit EngGroup(runtime::NoInit n) : EngTypedGroup(n) {}

    // True at the first member (below the length read once at the start) the callback accepts.
    static bool overlaps(const OverlapCallback& callback, EngTypedGroup* group, double x, double y, bool inScreenSpace,
                         EngCamera* camera);
    // The group an object stands for in collisions: a group itself, a sprite group's inner group,
    // otherwise null.
    static EngTypedGroup* resolveGroup(EngBasic* object);
};

}  // namespace engine
