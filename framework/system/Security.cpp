#include "Security.h"

using framework::Security;

RUNTIME_DEFINE_CLASS(Security, "framework.system.Security", runtime::Object, (auto& b) {
    b.template staticField<&Security::LOCAL_TRUSTED>("LOCAL_TRUSTED")
        .template staticField<&Security::LOCAL_WITH_FILE>("LOCAL_WITH_FILE")
        .template staticField<&Security::LOCAL_WITH_NETWORK>("LOCAL_WITH_NETWORK")
        .template staticField<&Security::REMOTE>("REMOTE")
        .template staticField<&Security::disableAVM1Loading>("disableAVM1Loading")
        .template staticField<&Security::exactSettings>("exactSettings")
        .template staticField<&Security::sandboxType>("sandboxType")
        .template staticMethod<&Security::allowDomain>("allowDomain")
        .template staticMethod<&Security::allowInsecureDomain>("allowInsecureDomain")
        .template staticMethod<&Security::loadPolicyFile>("loadPolicyFile");
})
