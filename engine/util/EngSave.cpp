#include "EngSave.h"

#include "framework/errors/Error.h"

#include "platform/runtime/Thrown.h"
#include "platform/runtime/Trace.h"

namespace engine {

EngSave::EngSave() { destroy(); }

void EngSave::destroy() {
    _sharedObject = nullptr;
    name = nullptr;
    data = nullptr;
    _onComplete = nullptr;
    _closeRequested = false;
}

bool EngSave::bind(const runtime::String& name_) {
    destroy();
    name = name_;
    try {
        _sharedObject = framework::SharedObject::getLocal(name_, nullptr);
    } catch (const runtime::Thrown& t) {
        // Only the framework's error objects mean "the storage failed"; anything else passes.
        if (!t.value().as<framework::Error>()) throw;
        destroy();
        return false;
    }
    data = _sharedObject->data;
    return true;
}

bool EngSave::close(int minFileSize, runtime::Ref<runtime::Function> onComplete) {
    _closeRequested = true;
    return flush(minFileSize, std::move(onComplete));
}

bool EngSave::flush(int minFileSize, runtime::Ref<runtime::Function> onComplete) {
    if (!checkBinding()) return false;
    _onComplete = std::move(onComplete);
    framework::SharedObjectFlushStatus status;
    try {
        status = _sharedObject->flush(minFileSize);
    } catch (const runtime::Thrown& t) {
        // A full disk or a folder that cannot be made must not end the game: the save fails,
        // the old file stays, and the reason shows in the trace.
        RUNTIME_TRACE(runtime::Value("Could not flush save " + name.toText() + ": " + t.value().toText()));
        return onDone(ERROR);
    }
    return onDone(status == framework::SharedObjectFlushStatus::FLUSHED ? SUCCESS : PENDING);
}

bool EngSave::onDone(int result) {
    if (_onComplete) {
        runtime::Ref<runtime::Function> cb = _onComplete;
        (*cb)(result == SUCCESS);
    }
    if (_closeRequested) destroy();
    return result == SUCCESS;
}

bool EngSave::erase() {
    if (!checkBinding()) return false;
    try {
        _sharedObject->clear();
    } catch (const runtime::Thrown& t) {
        RUNTIME_TRACE(runtime::Value("Could not erase save " + name.toText() + ": " + t.value().toText()));
        return false;
    }
    return true;
}

}  // namespace engine

using engine::EngSave;

RUNTIME_DEFINE_CLASS(EngSave, "engine.util.EngSave", runtime::Object, (auto& b) {
    b.template field<&EngSave::data>("data").template field<&EngSave::name>("name").emptyInstance();
})
