#pragma once
// The console front end of the debugger. There is no console behind it: its operations are empty;
// it keeps whether a console would pause the game while open.
#include <vector>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace engine {

class ConsoleFrontEnd : public runtime::Object {
    RUNTIME_CLASS(ConsoleFrontEnd)
public:
    ConsoleFrontEnd() = default;
    explicit ConsoleFrontEnd(runtime::NoInit) {}

    virtual void registerFunction(const runtime::String&, const runtime::Ref<runtime::Function>&) {}
    virtual void registerObject(const runtime::String&, const runtime::Value&) {}
    virtual void addCommand(const std::vector<runtime::String>&, const runtime::Ref<runtime::Function>&,
                            const runtime::String& = nullptr, const runtime::String& = nullptr, int = 0, int = -1) {}

    bool autoPause = true;
};

}  // namespace engine
