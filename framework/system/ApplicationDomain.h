#pragma once
// Looks classes up by their full class path in the runtime's class registry.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class ApplicationDomain : public runtime::Object {
    RUNTIME_CLASS(ApplicationDomain)
public:
    // parentDomain becomes parent, or currentDomain when parent is null.
    explicit ApplicationDomain(const runtime::Ref<ApplicationDomain>& parent = nullptr);
    // No parent at all (currentDomain itself).
    explicit ApplicationDomain(runtime::NoInit) {}

    // The class registered under name, or null (also for an enumeration's path).
    virtual const runtime::ClassInfo* getDefinition(const runtime::String& name);
    virtual bool hasDefinition(const runtime::String& name);

    runtime::Ref<ApplicationDomain> parentDomain;

    static inline runtime::Ref<ApplicationDomain> currentDomain = runtime::make<ApplicationDomain>(runtime::NoInit{});
};

}  // namespace framework
