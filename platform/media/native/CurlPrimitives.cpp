// Network transfers for the framework's URL loader (see CurlTransfer). Called on the loading
// thread only.
#include "ByteArrayCallbacks.h"
#include "CurlTransfer.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/Array.h"

using runtime::Value;

namespace {
media::CurlTransfer* transferOf(const Value& v) { return v.as<media::CurlTransfer>(); }

Value lines(const std::vector<std::string>& items) {
    auto list = runtime::make<runtime::Array>();
    for (const std::string& s : items) list->push(Value(s));
    return Value(list);
}

int clampInt(int64_t n) { return n > INT32_MAX ? INT32_MAX : static_cast<int>(n); }
}  // namespace

MEDIA_EXPORT(media_native_curl_create, 1) {
    runtime::Object* request = MEDIA_ARG(0).object();
    if (!request) return {};
    runtime::Ref<media::CurlTransfer> t = media::CurlTransfer::start(*request);
    return t ? Value(t) : Value();
}

MEDIA_EXPORT(media_native_curl_process_loaders, 0) {
    media::CurlTransfer::process();
    return {};
}

MEDIA_EXPORT(media_native_curl_update_loader, 2) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    runtime::Object* loader = MEDIA_ARG(1).object();
    if (!t || !loader) return {};
    loader->setField("bytesLoaded", Value(clampInt(t->bytesLoaded())));
    loader->setField("bytesTotal", Value(clampInt(t->bytesTotal())));
    loader->setField("state", Value(t->state()));
    return {};
}

MEDIA_EXPORT(media_native_curl_get_code, 1) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    return t ? Value(t->statusCode()) : Value();
}

MEDIA_EXPORT(media_native_curl_get_error_message, 1) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    return t ? Value(t->errorMessage()) : Value();
}

MEDIA_EXPORT(media_native_curl_get_data, 1) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    return t ? media::ByteArrayCallbacks::get().create(t->body()) : Value();
}

MEDIA_EXPORT(media_native_curl_get_cookies, 1) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    return lines(t ? t->cookies() : std::vector<std::string>());
}

MEDIA_EXPORT(media_native_curl_get_headers, 1) {
    media::CurlTransfer* t = transferOf(MEDIA_ARG(0));
    return lines(t ? t->headers() : std::vector<std::string>());
}

MEDIA_EXPORT(media_native_curl_initialize, 1) {
    media::CurlTransfer::setCertificateFile(MEDIA_ARG(0).isNull() ? std::string() : MEDIA_ARG(0).toText());
    return {};
}
