#pragma once
// Objects recycled through a pool: put() gives the object back; _inPool marks it as given back.
#include "IEngDestroyable.h"

namespace engine {

class IEngPooled : public IEngDestroyable {
public:
    virtual void put() = 0;
    bool _inPool = false;
};

}  // namespace engine
