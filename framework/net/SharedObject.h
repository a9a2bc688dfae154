#pragma once
// A named, persistent bag of values: one save file under the storage folder holding `data` in
// the serialization text format. Every getLocal reads the file again; every flush rewrites it
// whole (atomically: the file always holds the old or the new text).
#include "SharedObjectFlushStatus.h"
#include "framework/events/EventDispatcher.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class SharedObject : public EventDispatcher {
    RUNTIME_CLASS(SharedObject)
public:
    SharedObject(const runtime::String& name, const runtime::String& localPath, runtime::Ref<runtime::Object> data);
    explicit SharedObject(runtime::NoInit n) : EventDispatcher(n) {}

    // The saved values (field names are the keys); shared by reference with its holders.
    runtime::Ref<runtime::Object> data;
    runtime::String localPath;
    runtime::String name;

    // Opens the entry: a missing or empty file gives an empty data object; a file the reader
    // rejects traces "Could not unserialize SharedObject: <message>" and gives an empty one.
    static runtime::Ref<SharedObject> getLocal(const runtime::String& name, runtime::String localPath = nullptr,
                                               bool secure = false);
    // Storage folder + "/" + localPath + "/" + name + ".sol" (a null localPath reads "null").
    static std::string getFilePath(const runtime::String& name, const runtime::String& localPath);
    // Creates every missing folder of a path; throws "Could not create directory:<path>".
    static void mkdir(const std::string& directory);
    // Class lookup for save files, rewriting older package names.
    static const runtime::ClassInfo* resolveClass(const runtime::String& name);

    // Deletes the file when it exists; data stays as it is.
    virtual void clear();
    virtual void close() {}
    // Writes data whole. Errors of the writer ("Cannot serialize ...") and of the file layer
    // ("Could not create directory:...", "Could not write file:...") reach the caller; the old
    // file is then untouched.
    virtual SharedObjectFlushStatus flush(int minDiskSpace = 0);
    virtual void setProperty(const std::string& propertyName, const runtime::Value& value = nullptr);
    virtual int get_size() { return 0; }
};

}  // namespace framework
