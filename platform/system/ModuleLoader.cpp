#include "ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <mutex>

namespace sys {

namespace {
ModuleLoader::Resolver& current() {
    static ModuleLoader::Resolver r;
    return r;
}

bool hasSeparator(const std::string& s) { return s.find('/') != std::string::npos; }
}  // namespace

std::string ModuleLoader::symbolName(const std::string& name, int argCount) {
    if (argCount < 0 || argCount > 5) return name + "__MULT";
    return name + "__" + std::to_string(argCount);
}

runtime::PrimitiveFn ModuleLoader::find(const std::string& path, const std::string& name, int argCount) {
    const std::string symbol = symbolName(name, argCount);
    if (const Resolver& r = current()) return r(path, symbol);
    return systemResolve(path, symbol);
}

void ModuleLoader::setResolver(Resolver r) { current() = std::move(r); }

const ModuleLoader::Resolver& ModuleLoader::resolver() { return current(); }

std::string ModuleLoader::executableDir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    std::string p(buf, static_cast<std::size_t>(n));
    auto slash = p.rfind('/');
    return slash == std::string::npos ? "" : p.substr(0, slash + 1);
}

runtime::PrimitiveFn ModuleLoader::systemResolve(const std::string& path, const std::string& symbol) {
    static std::mutex lock;
    static std::map<std::string, void*> modules;  // opened modules stay open for the process
    std::lock_guard<std::mutex> guard(lock);

    void* handle = nullptr;
    if (auto it = modules.find(path); it != modules.end()) {
        handle = it->second;
    } else {
        std::string file = path;
        if (file.size() < 3 || file.compare(file.size() - 3, 3, ".so") != 0) file += ".so";
        std::string error;
        if (!hasSeparator(file) && file.find('\\') == std::string::npos) {
            handle = dlopen((executableDir() + file).c_str(), RTLD_NOW | RTLD_LOCAL);
        }
        if (!handle) handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* err = dlerror();
            runtime::Thrown::text("Could not load module " + path + (err ? std::string(": ") + err : std::string()));
        }
        modules[path] = handle;
    }
    return reinterpret_cast<runtime::PrimitiveFn>(dlsym(handle, symbol.c_str()));
}

}  // namespace sys
