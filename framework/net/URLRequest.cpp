#include "URLRequest.h"

#include "platform/runtime/Args.h"

namespace framework {

void URLRequest::basicAuth(const runtime::String& user, const runtime::String& password) {
    authType = AUTH_BASIC;
    credentials = user + ":" + password;
}

void URLRequest::digestAuth(const runtime::String& user, const runtime::String& password) {
    authType = AUTH_DIGEST;
    credentials = user + ":" + password;
}

}  // namespace framework

using framework::URLRequest;

RUNTIME_DEFINE_CLASS(URLRequest, "framework.net.URLRequest", runtime::Object, (auto& b) {
    b.template field<&URLRequest::authType>("authType")
        .template field<&URLRequest::contentType>("contentType")
        .template field<&URLRequest::cookieString>("cookieString")
        .template field<&URLRequest::credentials>("credentials")
        .template field<&URLRequest::data>("data")
        .template field<&URLRequest::followRedirects>("followRedirects")
        .template field<&URLRequest::method>("method")
        .template field<&URLRequest::url>("url")
        .template field<&URLRequest::userAgent>("userAgent")
        .template field<&URLRequest::verbose>("verbose")
        .template method<&URLRequest::basicAuth>("basicAuth")
        .template method<&URLRequest::digestAuth>("digestAuth")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<URLRequest>(runtime::Args(v, n).text(0));
        });
})
