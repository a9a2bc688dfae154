#include "URLRequestHeader.h"

#include "platform/runtime/Args.h"

using framework::URLRequestHeader;

RUNTIME_DEFINE_CLASS(URLRequestHeader, "framework.net.URLRequestHeader", runtime::Object, (auto& b) {
    b.template field<&URLRequestHeader::name>("name")
        .template field<&URLRequestHeader::value>("value")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<URLRequestHeader>(a.text(0, ""), a.text(1, ""));
        });
})
