#pragma once
// The watch front end of the debugger. There is no watch window behind it: its operations are
// empty.
#include "platform/runtime/Object.h"
#include "platform/runtime/String.h"
#include "platform/runtime/Value.h"

namespace engine {

class WatchFrontEnd : public runtime::Object {
public:
    virtual void add(const runtime::Value&, const runtime::String&, const runtime::String& = nullptr) {}
    virtual void remove(const runtime::Value&, const runtime::String& = nullptr) {}
    virtual void addQuick(const runtime::String&, const runtime::Value&) {}
    virtual void removeQuick(const runtime::String&) {}
    virtual void addMouse() {}
    virtual void removeMouse() {}
};

}  // namespace engine
