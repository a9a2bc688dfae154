// Special folders, named by the XDG base directory conventions.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "Backend.h"
#include "platform/media/MediaExport.h"

using runtime::Value;

namespace {
std::string home() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "";
}

std::string withoutTrailingSlash(std::string p) {
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

std::string executableName() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    std::string p(buf, static_cast<std::size_t>(n));
    return p.substr(p.rfind('/') + 1);
}

std::string applicationDir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    std::string p(buf, static_cast<std::size_t>(n));
    auto slash = p.rfind('/');
    return slash == 0 ? "/" : p.substr(0, slash);
}

// $XDG_DATA_HOME (when absolute) or ~/.local/share, then the company and file names; the
// executable's name stands in when setPackage gave neither.
std::string storageDir() {
    std::string base;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && x[0] == '/') base = withoutTrailingSlash(x);
    else base = home() + "/.local/share";
    const media::Backend& b = media::Backend::get();
    std::string out = base;
    auto part = [&out](const std::string& p) {
        out.push_back('/');
        out.append(p);
    };
    if (!b.company().empty()) part(b.company());
    if (!b.file().empty()) part(b.file());
    if (b.company().empty() && b.file().empty()) part(executableName());
    return out;
}
}  // namespace

// id: 0 application, 1 storage, 2 desktop, 3 documents, 4 user; null for any other id.
MEDIA_EXPORT(media_native_filesystem_get_special_dir, 1) {
    switch (MEDIA_ARG(0).toInt()) {
        case 0: return Value(applicationDir());
        case 1: return Value(storageDir());
        case 2: return Value(home() + "/Desktop");
        case 3: return Value(home() + "/Documents");
        case 4: return Value(withoutTrailingSlash(home()));
        default: return Value();
    }
}
