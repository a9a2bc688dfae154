#include "SharedObject.h"

#include "framework/filesystem/File.h"
#include "framework/serialization/Serializer.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Thrown.h"
#include "platform/runtime/Trace.h"
#include "platform/system/FileSystem.h"

namespace framework {

namespace {
void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool startsWith(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// A value that can hold saved fields: a plain object or a class instance.
bool holdsFields(const runtime::Value& v) {
    runtime::Object* o = v.object();
    return v.isObject() && (dynamic_cast<runtime::DynamicObject*>(o) || o->classInfo());
}
}  // namespace

SharedObject::SharedObject(const runtime::String& name_, const runtime::String& localPath_,
                           runtime::Ref<runtime::Object> data_)
    : EventDispatcher(nullptr), data(std::move(data_)), localPath(localPath_), name(name_) {}

std::string SharedObject::getFilePath(const runtime::String& name, const runtime::String& localPath) {
    return File::get_applicationStorageDirectory()->nativePath.toText() + "/" + localPath.toText() + "/" +
           name.toText() + ".sol";
}

runtime::Ref<SharedObject> SharedObject::getLocal(const runtime::String& name, runtime::String localPath, bool) {
    if (localPath.isNull()) localPath = runtime::String("");
    std::string path = getFilePath(name, localPath);
    std::string raw;
    std::string refused;
    if (sys::FileSystem::exists(path)) {
        // A save that is no regular file or is too large reads as a corrupt one.
        if (auto text = sys::FileSystem::readFile(path, sys::FileSystem::MAX_READ_BYTES, &refused)) raw = *text;
    }
    runtime::Ref<runtime::Object> loaded = runtime::make<runtime::DynamicObject>();
    if (!refused.empty()) {
        RUNTIME_TRACE(runtime::Value("Could not unserialize SharedObject: " + refused));
    } else if (!raw.empty()) {
        try {
            Unserializer u(raw);
            u.setResolver(Resolver([](const std::string& n) { return resolveClass(runtime::String(n)); },
                                   [](const std::string& n) { return runtime::EnumInfo::find(n); }));
            runtime::Value v = u.unserialize();
            // Saved fields need an object to live in; anything else counts as unreadable.
            if (!holdsFields(v)) runtime::Thrown::text("Invalid object");
            loaded = v.ref();
        } catch (const runtime::Thrown& e) {
            RUNTIME_TRACE(runtime::Value("Could not unserialize SharedObject: " + e.value().toText()));
        } catch (const std::exception& e) {
            RUNTIME_TRACE(runtime::Value(std::string("Could not unserialize SharedObject: ") + e.what()));
        }
    }
    return runtime::make<SharedObject>(name, localPath, loaded);
}

void SharedObject::mkdir(const std::string& directory) {
    std::string path = directory;
    replaceAll(path, "\\", "/");
    std::string total = !path.empty() && path[0] == '/' ? "/" : "";
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        auto slash = path.find('/', start);
        parts.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    std::string oldCwd;
    std::size_t first = 0;
    if (!parts.empty() && parts[0].find(':') != std::string::npos) {
        oldCwd = sys::FileSystem::getCwd();
        sys::FileSystem::setCwd(parts[0] + "\\");
        first = 1;
    }
    for (std::size_t i = first; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part == "." || part.empty()) continue;
        if (total != "" && total != "/") total += "/";
        total += part;
        if (!sys::FileSystem::exists(total)) sys::FileSystem::createDirectory(total);
    }
    if (!oldCwd.empty()) sys::FileSystem::setCwd(oldCwd);
}

const runtime::ClassInfo* SharedObject::resolveClass(const runtime::String& className) {
    if (className.isNull()) return nullptr;
    std::string n = className.str();
    static const std::pair<std::string_view, std::string_view> ROWS[] = {
        {"classic.", "framework."},
        {"native.", "framework."},
        {"flash.", "framework."},
        {"framework._old.", "framework._native."},
    };
    for (const auto& [prefix, to] : ROWS)
        if (startsWith(n, prefix)) replaceAll(n, prefix, to);
    if (const runtime::ClassInfo* ci = runtime::ClassInfo::find(n)) return ci;
    replaceAll(n, "framework.", "framework._native.");
    return runtime::ClassInfo::find(n);
}

void SharedObject::clear() {
    std::string path = getFilePath(name, localPath);
    if (sys::FileSystem::exists(path)) sys::FileSystem::deleteFile(path);
}

SharedObjectFlushStatus SharedObject::flush(int) {
    std::string text = Serializer::run(runtime::Value(data));
    std::string path = getFilePath(name, localPath);
    auto cut = path.find_last_of("/\\");
    std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut);
    if (!sys::FileSystem::isDirectory(folder)) mkdir(folder);
    sys::FileSystem::writeFileAtomic(path, text);
    return SharedObjectFlushStatus::FLUSHED;
}

void SharedObject::setProperty(const std::string& propertyName, const runtime::Value& value) {
    if (data) data->setField(propertyName, value);
}

}  // namespace framework

using framework::SharedObject;

RUNTIME_DEFINE_CLASS(SharedObject, "framework.net.SharedObject", EventDispatcher, (auto& b) {
    b.template field<&SharedObject::data>("data")
        .template property<&SharedObject::get_size>("size")
        .template field<&SharedObject::localPath>("localPath")
        .template field<&SharedObject::name>("name")
        .emptyInstance();
})
