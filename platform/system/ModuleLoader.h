#pragma once
// The platform's module loader: turns a module path, a primitive name and an argument count
// into a callable. Module files are "<path>.so"; a bare name is looked for beside the
// executable first, then by the system's library search.
#include <functional>
#include <string>

#include "platform/runtime/Primitive.h"

namespace sys {

class ModuleLoader {
public:
    // Answers the exported symbol in the module at path, or null when the module loads but lacks
    // it; throws runtime::Thrown when the module cannot be loaded.
    using Resolver = std::function<runtime::PrimitiveFn(const std::string& path, const std::string& symbol)>;

    // The primitive `name` taking argCount arguments (-1: variable), as ModuleLoader::Resolver.
    static runtime::PrimitiveFn find(const std::string& path, const std::string& name, int argCount);
    // name + "__" + argCount for 0..5, name + "__MULT" otherwise.
    static std::string symbolName(const std::string& name, int argCount);

    // Replaces how modules are opened (tests install fake modules); an empty resolver restores
    // the system loader.
    static void setResolver(Resolver r);
    static const Resolver& resolver();

    // The system loader itself.
    static runtime::PrimitiveFn systemResolve(const std::string& path, const std::string& symbol);
    // The folder of the running executable, with a trailing slash.
    static std::string executableDir();
};

}  // namespace sys
