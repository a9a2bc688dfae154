#pragma once
// One network transfer over libcurl. Every running transfer belongs to one multi handle that
// process() advances without blocking; the loading thread calls it about ten times a second and
// reads each transfer's progress, status, body, headers and cookies.
#include <curl/curl.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/runtime/Object.h"

namespace media {

class CurlTransfer : public runtime::Object {
public:
    // States as the loader counts them.
    static constexpr int LOADING = 2;
    static constexpr int COMPLETE = 3;
    static constexpr int ERROR = 4;

    // A transfer for the prepared request (read by field name: url, method, contentType,
    // userAgent, cookieString, credentials, authType, followRedirects, verbose, requestHeaders,
    // __bytes); null when it cannot start.
    static runtime::Ref<CurlTransfer> start(runtime::Object& request);
    // Advances every running transfer and notes the finished ones.
    static void process();
    // The certificate file for later secure transfers.
    static void setCertificateFile(const std::string& path);

    ~CurlTransfer() override;

    int state() const { return state_; }
    int64_t bytesLoaded() const { return static_cast<int64_t>(body_.size()); }
    int64_t bytesTotal() const;
    int statusCode() const;
    const std::string& errorMessage() const { return error_; }
    const std::vector<uint8_t>& body() const { return body_; }
    // Header lines of the last response, each "Name: value\r\n".
    const std::vector<std::string>& headers() const { return headers_; }
    std::vector<std::string> cookies() const;

private:
    CurlTransfer() = default;
    static size_t onBody(char* data, size_t size, size_t count, void* self);
    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    void finish(CURLcode result);

    CURL* easy_ = nullptr;
    curl_slist* requestHeaders_ = nullptr;
    std::string postBody_;
    int state_ = LOADING;
    std::string error_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
    std::vector<uint8_t> body_;
    std::vector<std::string> headers_;
};

}  // namespace media
