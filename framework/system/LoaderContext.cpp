#include "LoaderContext.h"

#include "platform/runtime/Args.h"

using framework::LoaderContext;

RUNTIME_DEFINE_CLASS(LoaderContext, "framework.system.LoaderContext", runtime::Object, (auto& b) {
    b.template field<&LoaderContext::allowCodeImport>("allowCodeImport")
        .template field<&LoaderContext::allowLoadBytesCodeExecution>("allowLoadBytesCodeExecution")
        .template field<&LoaderContext::applicationDomain>("applicationDomain")
        .template field<&LoaderContext::checkPolicyFile>("checkPolicyFile")
        .template field<&LoaderContext::securityDomain>("securityDomain")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<LoaderContext>(a.flag(0), a.object<framework::ApplicationDomain>(1),
                                                a.object<framework::SecurityDomain>(2));
        });
})
