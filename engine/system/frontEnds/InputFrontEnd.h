#pragma once
// The engine's input devices in one list, reset, updated and told of focus changes together.
#include <vector>

#include "engine/input/IEngInput.h"
#include "platform/runtime/Object.h"

namespace engine {

class InputFrontEnd : public runtime::Object {
public:
    // Overwrites the entry that is old itself with newInput; null when old is not listed.
    template <class T>
    runtime::Ref<T> replace(const runtime::Ref<runtime::Object>& oldInput, const runtime::Ref<T>& newInput) {
        for (auto& entry : list) {
            if (entry.get() == oldInput.get()) {
                entry = newInput;
                return newInput;
            }
        }
        return nullptr;
    }
    // Appends the input unless one of a class with the same simple name is listed; the argument
    // is returned either way.
    template <class T>
    runtime::Ref<T> add(const runtime::Ref<T>& input) {
        addEntry(input);
        return input;
    }
    virtual void reset();
    virtual void update();
    virtual void onFocus();
    virtual void onFocusLost();
    // Tells every input to destroy itself; the list keeps them.
    virtual void destroy();

    static IEngInput* asInput(runtime::Object* o) { return dynamic_cast<IEngInput*>(o); }

    std::vector<runtime::Ref<runtime::Object>> list;

private:
    void addEntry(const runtime::Ref<runtime::Object>& input);
};

}  // namespace engine
