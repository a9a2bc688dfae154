#include "SecurityDomain.h"

using framework::SecurityDomain;

RUNTIME_DEFINE_CLASS(SecurityDomain, "framework.system.SecurityDomain", runtime::Object, (auto& b) {
    b.template staticField<&SecurityDomain::currentDomain>("currentDomain")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<SecurityDomain>();
        });
})
