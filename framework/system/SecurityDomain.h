#pragma once
// A security domain record; carries nothing.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class SecurityDomain : public runtime::Object {
    RUNTIME_CLASS(SecurityDomain)
public:
    SecurityDomain() = default;
    explicit SecurityDomain(runtime::NoInit) {}

    static inline runtime::Ref<SecurityDomain> currentDomain = runtime::make<SecurityDomain>();
};

}  // namespace framework
