#pragma once
// The bitmap-log front end of the debugger. There is no bitmap log behind it: its operations are
// empty.
#include "platform/runtime/Object.h"
#include "platform/runtime/String.h"

namespace framework {
class BitmapData;
}

namespace engine {

class BitmapLogFrontEnd : public runtime::Object {
public:
    virtual void add(const runtime::Ref<framework::BitmapData>&, const runtime::String& = "") {}
    virtual void clear() {}
    virtual void clearAt(int = -1) {}
    virtual void viewCache() {}
};

}  // namespace engine
