#include "URLRequest.h"

#include "URLVariables.h"
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

runtime::Ref<runtime::Array> URLRequest::headerList() {
    auto list = runtime::make<runtime::Array>();
    for (const auto& h : requestHeaders) list->push(runtime::Value(h));
    return list;
}

void URLRequest::prepare_() {
    if (userAgent.isNull()) userAgent = "";
    if (data.isNull()) {
        bytes_ = runtime::make<ByteArray>();
        return;
    }
    if (auto* b = data.as<ByteArray>()) {
        bytes_ = runtime::Ref<ByteArray>(b);
        return;
    }
    std::string body;
    if (auto* vars = data.as<URLVariables>()) {
        body = vars->toString();
    } else if (data.isString()) {
        body = data.toText();
    } else if (runtime::Object* o = data.object()) {
        auto vars = runtime::make<URLVariables>();
        for (const std::string& name : o->fieldNames()) vars->setField(name, o->getField(name));
        body = vars->toString();
    } else {
        body = data.toText();
    }
    bytes_ = runtime::make<ByteArray>();
    bytes_->writeUTFBytes(runtime::String(body));
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
        .template property<&URLRequest::headerList>("requestHeaders")
        .template field<&URLRequest::bytes_>("__bytes")
        .template method<&URLRequest::prepare_>("__prepare")
        .template method<&URLRequest::basicAuth>("basicAuth")
        .template method<&URLRequest::digestAuth>("digestAuth")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<URLRequest>(runtime::Args(v, n).text(0));
        });
})
