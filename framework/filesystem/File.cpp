#include "File.h"

#include "framework/Lib.h"

namespace framework {

File::File(const runtime::String& path) {
    set_url(path);
    set_nativePath(path);
}

runtime::String File::set_nativePath(const runtime::String& value) { return nativePath = value; }

runtime::String File::set_url(const runtime::String& value) {
    if (value.isNull()) return url = nullptr;
    std::string out = "file:";
    for (char c : value.str()) {
        if (c == ' ') out += "%20";
        else out += c;
    }
    return url = runtime::String(out);
}

void File::initClass() {
    static const bool done = [] {
        media_filesystem_get_special_dir = MEDIA_LOAD(media_native_filesystem_get_special_dir);
        return true;
    }();
    (void)done;
}

runtime::Ref<File> File::special(int id) {
    initClass();
    return runtime::make<File>(media_filesystem_get_special_dir(id).toStringValue());
}

runtime::Ref<File> File::get_applicationDirectory() { return special(APP); }
runtime::Ref<File> File::get_applicationStorageDirectory() { return special(STORAGE); }
runtime::Ref<File> File::get_desktopDirectory() { return special(DESKTOP); }
runtime::Ref<File> File::get_documentsDirectory() { return special(DOCS); }
runtime::Ref<File> File::get_userDirectory() { return special(USER); }

}  // namespace framework

using framework::File;

RUNTIME_DEFINE_CLASS(File, "framework.filesystem.File", runtime::Object, (auto& b) {
    b.template field<&File::nativePath>("nativePath").template field<&File::url>("url").emptyInstance();
})
