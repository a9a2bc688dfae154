#include "ApplicationDomain.h"

#include "platform/runtime/Args.h"
#include "platform/runtime/EnumInfo.h"

namespace framework {

ApplicationDomain::ApplicationDomain(const runtime::Ref<ApplicationDomain>& parent)
    : parentDomain(parent ? parent : currentDomain) {}

const runtime::ClassInfo* ApplicationDomain::getDefinition(const runtime::String& name) {
    if (name.isNull() || runtime::EnumInfo::find(name.str())) return nullptr;
    return runtime::ClassInfo::find(name.str());
}

bool ApplicationDomain::hasDefinition(const runtime::String& name) { return getDefinition(name) != nullptr; }

}  // namespace framework

using framework::ApplicationDomain;

RUNTIME_DEFINE_CLASS(ApplicationDomain, "framework.system.ApplicationDomain", runtime::Object, (auto& b) {
    b.template field<&ApplicationDomain::parentDomain>("parentDomain")
        .template method<&ApplicationDomain::hasDefinition>("hasDefinition")
        .template staticField<&ApplicationDomain::currentDomain>("currentDomain")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<ApplicationDomain>(runtime::Args(v, n).object<ApplicationDomain>(0));
        });
})
