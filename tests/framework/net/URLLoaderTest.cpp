#include "framework/net/URLLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "framework/Lib.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/utils/ByteArray.h"
#include "platform/media/fake/FakeMediaModule.h"

using namespace framework;
using runtime::make;
using runtime::Value;

namespace {
// Polls as the stage does until count events arrived (at most 3 s).
void pollFor(const std::vector<std::string>& log, std::size_t count) {
    auto start = std::chrono::steady_clock::now();
    while (log.size() < count && std::chrono::steady_clock::now() - start < std::chrono::seconds(3)) {
        URLLoader::pollData_();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
}  // namespace

TEST(URLLoader, FileLoadsOnTheLoadingThread) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    EXPECT_FALSE(URLLoader::loadPending_());

    std::vector<std::string> log;
    auto missing = make<URLLoader>();
    missing->addEventListener(IOErrorEvent::IO_ERROR, runtime::Function::of([&](const Value& e) {
        log.push_back(e.as<IOErrorEvent>()->text.toText());
    }));
    missing->addEventListener(Event::COMPLETE, runtime::Function::of([&](const Value&) { log.push_back("complete"); }));
    missing->load(make<URLRequest>("no/such.txt"));
    pollFor(log, 1);
    EXPECT_EQ(log, std::vector<std::string>{"Could not open file \"no/such.txt\""});
    EXPECT_EQ(missing->state, URLLoader::urlInit);

    // The fake answers the file's bytes; the loader keeps their text.
    log.clear();
    auto bytes = make<ByteArray>();
    bytes->writeUTFBytes("hello");
    bytes->position = 0;
    fake.returns("media_native_byte_array_read_file", Value(bytes));
    auto loader = make<URLLoader>();
    loader->addEventListener(Event::COMPLETE, runtime::Function::of([&](const Value&) { log.push_back("complete"); }));
    loader->load(make<URLRequest>("hello.txt"));
    pollFor(log, 1);
    EXPECT_EQ(log, std::vector<std::string>{"complete"});
    EXPECT_EQ(loader->data.str(), "hello");
    fake.reset();
}

TEST(URLLoader, GetUrlOpensTheRequestsUrl) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    Lib::getURL(make<URLRequest>("https://example.invalid/credits"), "_blank");
    auto calls = fake.callsTo("media_native_get_url");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args[0].str(), "https://example.invalid/credits");
}

TEST(URLRequest, NewRequestsAndAuthentication) {
    auto r = make<URLRequest>();
    EXPECT_TRUE(r->url.isNull());
    EXPECT_EQ(r->method, runtime::String("GET"));
    EXPECT_EQ(r->contentType, runtime::String("application/x-www-form-urlencoded"));
    EXPECT_TRUE(r->followRedirects);
    EXPECT_EQ(r->credentials, runtime::String(""));
    EXPECT_EQ(r->cookieString, runtime::String(""));
    r->digestAuth("ann", "pw");
    EXPECT_EQ(r->authType, 2);
    EXPECT_EQ(r->credentials, runtime::String("ann:pw"));
    r->basicAuth("bob", "x");
    EXPECT_EQ(r->authType, 1);
    EXPECT_EQ(Value(r).field("credentials").str(), "bob:x");
}
