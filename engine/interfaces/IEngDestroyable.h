#pragma once
// Objects that can be destroyed: engine objects, pools, signals and their handlers.

namespace engine {

class IEngDestroyable {
public:
    virtual ~IEngDestroyable() = default;
    virtual void destroy() = 0;
};

}  // namespace engine
