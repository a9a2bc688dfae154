#pragma once
// The engine's handle on one named save entry: binds a shared object, exposes its data and
// writes it on request, reporting the outcome by return value and an optional callback.
#include "framework/net/SharedObject.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngSave : public runtime::Object {
    RUNTIME_CLASS(EngSave)
public:
    static constexpr int SUCCESS = 0;
    static constexpr int PENDING = 1;
    static constexpr int ERROR = 2;

    EngSave();
    explicit EngSave(runtime::NoInit) {}

    // The bound shared object's data (the same object); null while unbound.
    runtime::Ref<runtime::Object> data;
    runtime::String name;
    runtime::Ref<framework::SharedObject> _sharedObject;
    runtime::Ref<runtime::Function> _onComplete;  // called with true on success
    bool _closeRequested = false;

    // Forgets the binding; nothing is written or deleted.
    virtual void destroy();
    // Opens the entry (always with no local path). A missing or unreadable file still binds,
    // with an empty data object.
    virtual bool bind(const runtime::String& name);
    // Writes data, then unbinds.
    virtual bool close(int minFileSize = 0, runtime::Ref<runtime::Function> onComplete = nullptr);
    // Writes data. Answers false (and calls back with false) when the write fails, whatever
    // failed: the serializer, a folder or the file itself; the old file then stays intact.
    virtual bool flush(int minFileSize = 0, runtime::Ref<runtime::Function> onComplete = nullptr);
    // Deletes the entry's file; false when unbound or when the file cannot be deleted.
    virtual bool erase();
    virtual bool onDone(int result);
    virtual bool checkBinding() { return _sharedObject != nullptr; }
};

}  // namespace engine
