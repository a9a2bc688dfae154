// Network loads through the real back end against a small HTTP server that the test runs on
// 127.0.0.1 at a free port.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <thread>

#include "framework/events/HTTPStatusEvent.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/events/ProgressEvent.h"
#include "framework/net/URLLoader.h"
#include "framework/net/URLVariables.h"
#include "framework/utils/ByteArray.h"

using namespace framework;
using runtime::make;
using runtime::Value;

namespace {
bool sendAll(int fd, const std::string& s) {
    std::size_t done = 0;
    while (done < s.size()) {
        ssize_t n = ::send(fd, s.data() + done, s.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string response(int status, const std::string& reason, const std::string& body,
                     const std::string& extra = std::string()) {
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nContent-Type: text/plain\r\nConnection: close\r\n" + extra + "\r\n" + body;
}

// One connection at a time; each path answers in its own way.
class TestServer {
public:
    TestServer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        EXPECT_EQ(::listen(listener_, 8), 0);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~TestServer() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::string lastRequest() {
        std::lock_guard<std::mutex> guard(lock_);
        return last_;
    }

private:
    void serve() {
        while (!stop_) {
            int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0) return;
            handle(fd);
            ::close(fd);
        }
    }
    void handle(int fd) {
        std::string request;
        char buf[4096];
        std::size_t headerEnd = std::string::npos;
        std::size_t want = 0;
        while (true) {
            if (headerEnd == std::string::npos) {
                headerEnd = request.find("\r\n\r\n");
                if (headerEnd != std::string::npos) {
                    auto cl = request.find("Content-Length: ");
                    if (cl != std::string::npos && cl < headerEnd) want = std::stoul(request.substr(cl + 16));
                }
            }
            if (headerEnd != std::string::npos && request.size() >= headerEnd + 4 + want) break;
            ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0) return;
            request.append(buf, static_cast<std::size_t>(n));
        }
        {
            std::lock_guard<std::mutex> guard(lock_);
            last_ = request;
        }
        std::string path = request.substr(request.find(' ') + 1);
        path = path.substr(0, path.find(' '));
        std::string body = request.substr(headerEnd + 4);
        if (path == "/text") {
            sendAll(fd, response(200, "OK", "hello over the wire", "Set-Cookie: flavour=plum; Path=/\r\n"));
        } else if (path == "/binary") {
            std::string bytes;
            for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
            sendAll(fd, response(200, "OK", bytes));
        } else if (path == "/missing") {
            sendAll(fd, response(404, "Not Found", "nothing here"));
        } else if (path == "/redirect") {
            sendAll(fd, response(302, "Found", "", "Location: /text\r\n"));
        } else if (path == "/chunks") {
            // Three parts far enough apart for the loading thread's passes to see each.
            std::string part(10000, 'c');
            sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: 30000\r\nConnection: close\r\n\r\n" + part);
            for (int i = 0; i < 2; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(350));
                sendAll(fd, part);
            }
        } else if (path == "/cut") {
            sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nConnection: close\r\n\r\n" + std::string(100, 'x'));
        } else if (path == "/echo") {
            sendAll(fd, response(200, "OK", body));
        } else {
            sendAll(fd, response(500, "Error", "unknown"));
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex lock_;
    std::string last_;
};

// Records a loader's events in order, as "type" or "type:detail".
struct EventLog {
    std::vector<std::string> entries;
    std::vector<runtime::Ref<HTTPStatusEvent>> statuses;
    bool ended = false;

    void watch(const runtime::Ref<URLLoader>& loader) {
        auto add = [this](const std::string& type, std::function<std::string(const Value&)> detail) {
            return runtime::Function::of([this, type, detail](const Value& e) {
                entries.push_back(detail ? type + ":" + detail(e) : type);
            });
        };
        loader->addEventListener(Event::OPEN, add("open", nullptr));
        loader->addEventListener(ProgressEvent::PROGRESS, add("progress", [](const Value& e) {
            auto* p = e.as<ProgressEvent>();
            return std::to_string(static_cast<int>(p->bytesLoaded)) + "/" + std::to_string(static_cast<int>(p->bytesTotal));
        }));
        loader->addEventListener(HTTPStatusEvent::HTTP_STATUS, runtime::Function::of([this](const Value& e) {
            statuses.push_back(runtime::Ref<HTTPStatusEvent>(e.as<HTTPStatusEvent>()));
            entries.push_back("httpStatus:" + std::to_string(e.as<HTTPStatusEvent>()->status));
        }));
        loader->addEventListener(Event::COMPLETE, runtime::Function::of([this](const Value&) {
            entries.push_back("complete");
            ended = true;
        }));
        loader->addEventListener(IOErrorEvent::IO_ERROR, runtime::Function::of([this](const Value& e) {
            auto* err = e.as<IOErrorEvent>();
            entries.push_back("ioError:" + std::to_string(err->errorID) + ":" + err->text.toText());
            ended = true;
        }));
    }
    // Polls as the stage does until the load ends (at most 10 s).
    void waitForEnd() {
        auto start = std::chrono::steady_clock::now();
        while (!ended && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
            URLLoader::pollData_();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        for (int i = 0; i < 20; ++i) URLLoader::pollData_();
    }
};

class URLLoaderNative : public ::testing::Test {
protected:
    void SetUp() override { ByteArray::initClass(); }

    runtime::Ref<URLLoader> start(const std::string& path, URLLoaderDataFormat format = URLLoaderDataFormat::TEXT,
                                  runtime::Ref<URLRequest> request = nullptr) {
        if (!request) request = make<URLRequest>(server.url(path));
        auto loader = make<URLLoader>();
        loader->dataFormat = format;
        log.watch(loader);
        loader->load(request);
        return loader;
    }

    TestServer server;
    EventLog log;
};
}  // namespace

TEST_F(URLLoaderNative, TextAndBinaryBodiesWithTheirStatusAndHeaders) {
    auto text = start("/text");
    log.waitForEnd();
    ASSERT_EQ(log.entries.size(), 4u) << ::testing::PrintToString(log.entries);
    EXPECT_EQ(log.entries[0], "open");
    EXPECT_EQ(log.entries[1], "progress:19/19");
    EXPECT_EQ(log.entries[2], "httpStatus:200");
    EXPECT_EQ(log.entries[3], "complete");
    EXPECT_EQ(text->data.toText(), "hello over the wire");
    EXPECT_EQ(text->state, URLLoader::urlComplete);
    EXPECT_FALSE(URLLoader::hasActive());
    ASSERT_EQ(log.statuses.size(), 1u);
    std::map<std::string, std::string> headers;
    for (const auto& h : log.statuses[0]->responseHeaders) headers[h->name.str()] = h->value.str();
    EXPECT_EQ(headers["Content-Type"], "text/plain");
    EXPECT_EQ(headers["Content-Length"], "19");
    EXPECT_EQ(headers.count("HTTP/1.1 200 OK"), 0u);

    log = EventLog{};
    auto binary = start("/binary", URLLoaderDataFormat::BINARY);
    log.waitForEnd();
    EXPECT_EQ(log.entries.back(), "complete");
    auto* bytes = binary->data.as<ByteArray>();
    ASSERT_NE(bytes, nullptr);
    std::vector<uint8_t> got = bytes->data();
    ASSERT_EQ(got.size(), 256u);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(got[static_cast<std::size_t>(i)], i);

    // Over the network the variables format keeps the text.
    log = EventLog{};
    auto vars = start("/text", URLLoaderDataFormat::VARIABLES);
    log.waitForEnd();
    EXPECT_TRUE(vars->data.isString());
}

TEST_F(URLLoaderNative, NotFoundGivesTheStatusThenTheIoErrorWithTheBody) {
    start("/missing");
    log.waitForEnd();
    ASSERT_GE(log.entries.size(), 2u) << ::testing::PrintToString(log.entries);
    EXPECT_EQ(log.entries[log.entries.size() - 2], "httpStatus:404");
    EXPECT_EQ(log.entries.back(), "ioError:404:nothing here");
}

TEST_F(URLLoaderNative, RedirectsAreFollowedUnlessTurnedOff) {
    auto loader = start("/redirect");
    log.waitForEnd();
    EXPECT_EQ(log.entries.back(), "complete");
    EXPECT_EQ(loader->data.toText(), "hello over the wire");
    EXPECT_EQ(log.statuses.back()->status, 200);

    log = EventLog{};
    auto request = make<URLRequest>(server.url("/redirect"));
    request->followRedirects = false;
    start("", URLLoaderDataFormat::TEXT, request);
    log.waitForEnd();
    EXPECT_EQ(log.statuses.back()->status, 302);
    EXPECT_EQ(log.entries.back(), "complete");
}

TEST_F(URLLoaderNative, ABodyInPartsReportsProgress) {
    auto loader = start("/chunks");
    log.waitForEnd();
    std::vector<std::string> progress;
    for (const auto& e : log.entries)
        if (e.rfind("progress:", 0) == 0) progress.push_back(e);
    ASSERT_GE(progress.size(), 2u) << ::testing::PrintToString(log.entries);
    EXPECT_EQ(progress.back(), "progress:30000/30000");
    EXPECT_EQ(log.entries.front(), "open");
    EXPECT_EQ(log.entries.back(), "complete");
    EXPECT_EQ(loader->data.toText().size(), 30000u);
}

TEST_F(URLLoaderNative, AServerThatClosesMidBodyEndsInAnIoError) {
    auto loader = start("/cut");
    log.waitForEnd();
    ASSERT_GE(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[log.entries.size() - 2], "httpStatus:200");
    EXPECT_EQ(log.entries.back().rfind("ioError:200:", 0), 0u) << log.entries.back();
    EXPECT_GT(log.entries.back().size(), std::string("ioError:200:").size());
    EXPECT_EQ(loader->state, URLLoader::urlError);
    EXPECT_TRUE(loader->handle_.isNull());
}

TEST_F(URLLoaderNative, APostSendsItsVariables) {
    auto request = make<URLRequest>(server.url("/echo"));
    request->method = "POST";
    auto vars = make<URLVariables>();
    vars->setField("name", Value("Ann Lee"));
    vars->setField("gold", Value(12));
    request->data = Value(vars);
    request->requestHeaders.push_back(make<URLRequestHeader>("X-Party", "four"));
    auto loader = start("", URLLoaderDataFormat::TEXT, request);
    log.waitForEnd();
    EXPECT_EQ(log.entries.back(), "complete");
    EXPECT_EQ(loader->data.toText(), "name=Ann%20Lee&gold=12");
    std::string sent = server.lastRequest();
    EXPECT_EQ(sent.rfind("POST /echo ", 0), 0u);
    EXPECT_NE(sent.find("Content-Type: application/x-www-form-urlencoded"), std::string::npos);
    EXPECT_NE(sent.find("X-Party: four"), std::string::npos);
}

TEST_F(URLLoaderNative, AnAddressNobodyServesEndsInAnIoError) {
    // A port that was free a moment ago: the connection is refused.
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    int port = ntohs(addr.sin_port);
    ::close(fd);
    start("", URLLoaderDataFormat::TEXT, make<URLRequest>("http://127.0.0.1:" + std::to_string(port) + "/x"));
    log.waitForEnd();
    EXPECT_EQ(log.entries.back().rfind("ioError:0:", 0), 0u) << ::testing::PrintToString(log.entries);
}
