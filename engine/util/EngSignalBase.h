#pragma once
// The handler list shared by the signals of every arity: an ordered list of listeners called
// with the dispatch arguments, each on every dispatch or only on the next one.
#include <memory>
#include <vector>

#include "engine/interfaces/IEngDestroyable.h"
#include "engine/interfaces/IEngSignal.h"
#include "engine/util/EngSignalHandler.h"

namespace engine {

class EngSignalBase : public runtime::Object, public IEngSignal, public IEngDestroyable {
public:
    static constexpr const char* ADD_ONCE_CONFLICT =
        "You cannot addOnce() then add() the same listener without removing the relationship first.";

    EngSignalBase() : _handlers(std::make_unique<std::vector<runtime::Ref<EngSignalHandler>>>()) {}

    // Null listeners are ignored; a listener is registered once. Registering it again with the
    // other once flag throws ADD_ONCE_CONFLICT.
    void add(const runtime::Ref<runtime::Function>& listener) override;
    void addOnce(const runtime::Ref<runtime::Function>& listener) override;
    void remove(const runtime::Ref<runtime::Function>& listener) override;
    bool has(const runtime::Ref<runtime::Function>& listener) override;
    void removeAll() override;
    // removeAll, then the handler list is gone; the signal must not be used again.
    void destroy() override;
    virtual runtime::Ref<EngSignalHandler> registerListener(const runtime::Ref<runtime::Function>& listener, bool once);
    virtual runtime::Ref<EngSignalHandler> getHandler(const runtime::Ref<runtime::Function>& listener);

    int handlerCount() const { return _handlers ? static_cast<int>(_handlers->size()) : 0; }

    // Calls the listeners with the arguments (see the .cpp for changes made during the walk).
    void dispatchArgs(const runtime::Value* args, int argc);

    // The signal's dispatch, bound to its own dispatch operation.
    runtime::Ref<runtime::Function> dispatch;

protected:
    std::unique_ptr<std::vector<runtime::Ref<EngSignalHandler>>> _handlers;
};

}  // namespace engine
