#pragma once
// A web or file request: address, method, headers, body, authentication and transfer options.
// Sounds and Lib::getURL read only `url`.
#include <vector>

#include "URLRequestHeader.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class URLRequest : public runtime::Object {
    RUNTIME_CLASS(URLRequest)
public:
    static constexpr int AUTH_BASIC = 1;
    static constexpr int AUTH_DIGEST = 2;
    static constexpr int AUTH_GSSNEGOTIATE = 4;
    static constexpr int AUTH_NTLM = 8;
    static constexpr int AUTH_DIGEST_IE = 16;
    static constexpr int AUTH_DIGEST_ANY = 15;

    explicit URLRequest(const runtime::String& url = nullptr) : url(url) {}
    explicit URLRequest(runtime::NoInit) {}

    int authType = 0;
    runtime::String contentType = "application/x-www-form-urlencoded";
    runtime::String cookieString = "";
    runtime::String credentials = "";
    runtime::Value data;
    bool followRedirects = true;
    runtime::String method = "GET";
    std::vector<runtime::Ref<URLRequestHeader>> requestHeaders;
    runtime::String url;
    runtime::String userAgent;
    bool verbose = false;

    // authType and credentials (user + ":" + password).
    virtual void basicAuth(const runtime::String& user, const runtime::String& password);
    virtual void digestAuth(const runtime::String& user, const runtime::String& password);
};

}  // namespace framework
