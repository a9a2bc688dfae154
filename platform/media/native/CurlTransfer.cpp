#include "CurlTransfer.h"

#include <map>

#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"

namespace media {

namespace {
// The multi handle and its transfers; every call holds the lock.
struct Multi {
    std::mutex lock;
    CURLM* handle = nullptr;
    std::map<CURL*, runtime::Ref<CurlTransfer>> running;  // until each ends
    std::string certificateFile;
};

Multi& multi() {
    static Multi* m = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        auto* made = new Multi;
        made->handle = curl_multi_init();
        return made;
    }();
    return *m;
}

std::string text(runtime::Object& o, std::string_view name) {
    runtime::Value v = o.getField(name);
    return v.isNull() ? std::string() : v.toText();
}
}  // namespace

runtime::Ref<CurlTransfer> CurlTransfer::start(runtime::Object& request) {
    std::string url = text(request, "url");
    if (url.empty()) return nullptr;
    Multi& m = multi();
    std::lock_guard<std::mutex> guard(m.lock);
    if (!m.handle) return nullptr;
    auto t = runtime::Ref<CurlTransfer>::adopt(new CurlTransfer());
    t->easy_ = curl_easy_init();
    if (!t->easy_) return nullptr;
    CURL* e = t->easy_;

    std::string method = text(request, "method");
    if (method.empty()) method = "GET";
    runtime::Value body = request.getField("__bytes");
    if (auto* bytes = body.as<runtime::Bytes>()) {
        std::vector<uint8_t> data = bytes->data();
        t->postBody_.assign(data.begin(), data.end());
    }
    if (method == "GET" && !t->postBody_.empty()) {
        url += (url.find('?') == std::string::npos ? "?" : "&") + t->postBody_;
        t->postBody_.clear();
    }
    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, t->errorBuffer_);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &CurlTransfer::onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, t.get());
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &CurlTransfer::onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, t.get());
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, request.getField("followRedirects").toBool() ? 1L : 0L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 20L);
    curl_easy_setopt(e, CURLOPT_VERBOSE, request.getField("verbose").toBool() ? 1L : 0L);
    curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");  // keeps the cookies of this transfer
    if (std::string agent = text(request, "userAgent"); !agent.empty()) curl_easy_setopt(e, CURLOPT_USERAGENT, agent.c_str());
    if (std::string cookies = text(request, "cookieString"); !cookies.empty()) curl_easy_setopt(e, CURLOPT_COOKIE, cookies.c_str());
    if (int auth = request.getField("authType").toInt(); auth != 0) {
        long mask = 0;
        if (auth & 1) mask |= CURLAUTH_BASIC;
        if (auth & 2) mask |= CURLAUTH_DIGEST;
        if (auth & 4) mask |= CURLAUTH_NEGOTIATE;
        if (auth & 8) mask |= CURLAUTH_NTLM;
        if (auth & 16) mask |= CURLAUTH_DIGEST_IE;
        curl_easy_setopt(e, CURLOPT_HTTPAUTH, mask);
        std::string credentials = text(request, "credentials");
        curl_easy_setopt(e, CURLOPT_USERPWD, credentials.c_str());
    }
    if (!m.certificateFile.empty()) curl_easy_setopt(e, CURLOPT_CAINFO, m.certificateFile.c_str());

    if (method == "POST") {
        curl_easy_setopt(e, CURLOPT_POST, 1L);
    } else if (method == "HEAD") {
        curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    } else if (method != "GET") {
        curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, method.c_str());
    }
    if (method != "GET" && method != "HEAD" && (method == "POST" || !t->postBody_.empty())) {
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(t->postBody_.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, t->postBody_.data());
        if (std::string type = text(request, "contentType"); !type.empty())
            t->requestHeaders_ = curl_slist_append(t->requestHeaders_, ("Content-Type: " + type).c_str());
    }
    runtime::Value headerList = request.getField("requestHeaders");
    if (auto* list = headerList.as<runtime::Array>()) {
        for (const runtime::Value& h : list->items) {
            runtime::Object* header = h.object();
            if (!header) continue;
            std::string name = text(*header, "name");
            if (name.empty() || name.find_first_of("\r\n:") != std::string::npos) continue;
            std::string value = text(*header, "value");
            if (value.find_first_of("\r\n") != std::string::npos) continue;
            t->requestHeaders_ = curl_slist_append(t->requestHeaders_, (name + ": " + value).c_str());
        }
    }
    if (t->requestHeaders_) curl_easy_setopt(e, CURLOPT_HTTPHEADER, t->requestHeaders_);

    if (curl_multi_add_handle(m.handle, e) != CURLM_OK) return nullptr;
    m.running[e] = t;
    return t;
}

void CurlTransfer::process() {
    Multi& m = multi();
    std::vector<runtime::Ref<CurlTransfer>> done;  // released after the lock
    {
        std::lock_guard<std::mutex> guard(m.lock);
        if (!m.handle || m.running.empty()) return;
        int active = 0;
        curl_multi_perform(m.handle, &active);
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(m.handle, &left)) {
            if (msg->msg != CURLMSG_DONE) continue;
            auto it = m.running.find(msg->easy_handle);
            if (it == m.running.end()) continue;
            it->second->finish(msg->data.result);
            curl_multi_remove_handle(m.handle, msg->easy_handle);
            done.push_back(std::move(it->second));
            m.running.erase(it);
        }
    }
}

void CurlTransfer::setCertificateFile(const std::string& path) {
    Multi& m = multi();
    std::lock_guard<std::mutex> guard(m.lock);
    m.certificateFile = path;
}

CurlTransfer::~CurlTransfer() {
    if (easy_) curl_easy_cleanup(easy_);
    if (requestHeaders_) curl_slist_free_all(requestHeaders_);
}

void CurlTransfer::finish(CURLcode result) {
    if (result == CURLE_OK) {
        state_ = COMPLETE;
        return;
    }
    state_ = ERROR;
    error_ = errorBuffer_[0] ? std::string(errorBuffer_) : std::string(curl_easy_strerror(result));
}

int64_t CurlTransfer::bytesTotal() const {
    curl_off_t length = -1;
    if (curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) return -1;
    return length;
}

int CurlTransfer::statusCode() const {
    long code = 0;
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &code);
    return static_cast<int>(code);
}

std::vector<std::string> CurlTransfer::cookies() const {
    std::vector<std::string> out;
    curl_slist* list = nullptr;
    if (curl_easy_getinfo(easy_, CURLINFO_COOKIELIST, &list) != CURLE_OK) return out;
    for (curl_slist* c = list; c; c = c->next) out.emplace_back(c->data);
    curl_slist_free_all(list);
    return out;
}

size_t CurlTransfer::onBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<CurlTransfer*>(self);
    t->body_.insert(t->body_.end(), data, data + size * count);
    return size * count;
}

size_t CurlTransfer::onHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<CurlTransfer*>(self);
    std::string line(data, size * count);
    // A status line starts a new response (after a redirect or a 100 Continue): only the last
    // response's headers are kept.
    if (line.compare(0, 5, "HTTP/") == 0) {
        t->headers_.clear();
    } else if (line.find(':') != std::string::npos) {
        if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) {
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
            line += "\r\n";
        }
        t->headers_.push_back(std::move(line));
    }
    return size * count;
}

}  // namespace media
