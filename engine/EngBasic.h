#pragma once
// Base of every engine object that takes part in the frame: the four switches that decide
// whether it is updated, drawn, alive and present, and the operations the engine calls.
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/system/EngCollisionType.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngBasic : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngBasic)
public:
    EngBasic() = default;
    explicit EngBasic(runtime::NoInit) {}

    // exists becomes false; nothing is released.
    void destroy() override;
    virtual void kill();
    virtual void revive();
    virtual void update() {}
    virtual void draw() {}
    virtual bool set_visible(bool v) { return visible = v; }
    virtual bool set_active(bool v) { return active = v; }
    virtual bool set_exists(bool v) { return exists = v; }
    virtual bool set_alive(bool v) { return alive = v; }
    bool get_visible() const { return visible; }
    bool get_active() const { return active; }
    bool get_exists() const { return exists; }
    bool get_alive() const { return alive; }
    int get_collisionType() const { return collisionType; }

    // "(active: … | visible: … | alive: … | exists: …)"
    std::string toString() const override;

    int ID = -1;
    bool active = true;
    bool visible = true;
    bool alive = true;
    bool exists = true;
    // An EngCollisionType; only the class and its subclasses set it.
    int collisionType = EngCollisionType::NONE;
};

}  // namespace engine
