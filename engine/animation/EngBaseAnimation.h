#pragma once
// The common part of the engine's animations: the owning controller, the name and the sprite frame
// index shown now, pushed to the controller when this is its current animation.
#include "engine/interfaces/IEngDestroyable.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngAnimationController;

class EngBaseAnimation : public runtime::Object, public IEngDestroyable {
public:
    EngBaseAnimation(EngAnimationController* parent, runtime::String name) : parent(parent), name(std::move(name)) {}

    virtual int set_curIndex(int value);
    void destroy() override {
        parent = nullptr;
        name = nullptr;
    }
    virtual void update() {}
    virtual runtime::Ref<EngBaseAnimation> clone(EngAnimationController* parent) { return nullptr; }

    // The controller owns its animations, so this link does not.
    EngAnimationController* parent = nullptr;
    runtime::String name;
    int curIndex = 0;
};

}  // namespace engine
