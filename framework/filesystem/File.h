#pragma once
// A place in the file system by native path and "file:" address, and the platform's special
// folders as the back end names them.
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class File : public runtime::Object {
    RUNTIME_CLASS(File)
public:
    // Special folder ids passed to the back end.
    static constexpr int APP = 0;
    static constexpr int STORAGE = 1;
    static constexpr int DESKTOP = 2;
    static constexpr int DOCS = 3;
    static constexpr int USER = 4;

    static inline runtime::Primitive media_filesystem_get_special_dir;

    explicit File(const runtime::String& path = nullptr);
    explicit File(runtime::NoInit) {}

    runtime::String nativePath;
    runtime::String url;

    runtime::String set_nativePath(const runtime::String& value);
    // "file:" and the path with each space written "%20"; null stays null.
    runtime::String set_url(const runtime::String& value);

    // Each read asks the back end again and makes a new File.
    static runtime::Ref<File> get_applicationDirectory();
    static runtime::Ref<File> get_applicationStorageDirectory();
    static runtime::Ref<File> get_desktopDirectory();
    static runtime::Ref<File> get_documentsDirectory();
    static runtime::Ref<File> get_userDirectory();

    static void initClass();

private:
    static runtime::Ref<File> special(int id);
};

}  // namespace framework
