#pragma once
// The options a load accepts; only carries values.
#include "ApplicationDomain.h"
#include "SecurityDomain.h"

namespace framework {

class LoaderContext : public runtime::Object {
    RUNTIME_CLASS(LoaderContext)
public:
    explicit LoaderContext(bool checkPolicyFile = false,
                           const runtime::Ref<ApplicationDomain>& applicationDomain = nullptr,
                           const runtime::Ref<SecurityDomain>& securityDomain = nullptr)
        : applicationDomain(applicationDomain), checkPolicyFile(checkPolicyFile), securityDomain(securityDomain) {}
    explicit LoaderContext(runtime::NoInit) {}

    bool allowCodeImport = true;
    bool allowLoadBytesCodeExecution = true;
    runtime::Ref<ApplicationDomain> applicationDomain;
    bool checkPolicyFile = false;
    runtime::Ref<SecurityDomain> securityDomain;
};

}  // namespace framework
