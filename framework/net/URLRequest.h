#pragma once
// A web or file request: address, method, headers, body, authentication and transfer options.
// Sounds and Lib::getURL read only `url`; the URL loader prepares the body (prepare_) and hands
// the whole request to the back end, which reads its fields by name.
#include <vector>

#include "URLRequestHeader.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Array.h"
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
    runtime::Ref<ByteArray> bytes_;  // the prepared body

    // The headers as a list, for access by name.
    runtime::Ref<runtime::Array> headerList();

    // authType and credentials (user + ":" + password).
    virtual void basicAuth(const runtime::String& user, const runtime::String& password);
    virtual void digestAuth(const runtime::String& user, const runtime::String& password);
    // Builds bytes_ from data: a byte array as it is, variables or text as UTF-8, any other
    // object's fields as variables. A null userAgent becomes the empty text.
    virtual void prepare_();
};

}  // namespace framework
