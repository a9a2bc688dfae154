#include "framework/net/URLLoader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "framework/Lib.h"
#include "framework/events/HTTPStatusEvent.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/net/URLVariables.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"
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

    // The variables format gives variables for a file.
    log.clear();
    auto form = make<ByteArray>();
    form->writeUTFBytes("a=1&b=x+y");
    form->position = 0;
    fake.returns("media_native_byte_array_read_file", Value(form));
    auto vars = make<URLLoader>();
    vars->dataFormat = URLLoaderDataFormat::VARIABLES;
    vars->addEventListener(Event::COMPLETE, runtime::Function::of([&](const Value&) { log.push_back("complete"); }));
    vars->load(make<URLRequest>("form.txt"));
    pollFor(log, 1);
    auto* read = vars->data.as<URLVariables>();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->toString(), "a=1&b=x%20y");
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

TEST(URLVariables, DecodesAndEncodes) {
    struct Case {
        const char* source;
        const char* encoded;
    };
    for (const Case& c : {Case{"a=1;b=x+y&c", "a=1&b=x%20y&c="}, Case{"=5&d=", "d="}, Case{"a=1&a=2", "a=2"},
                          Case{"", ""}}) {
        auto v = make<URLVariables>(c.source);
        EXPECT_EQ(v->toString(), c.encoded) << c.source;
    }
    auto v = make<URLVariables>("old=1");
    v->decode("new=2");
    EXPECT_TRUE(v->getField("old").isNull());
    EXPECT_EQ(v->getField("new").toText(), "2");
    auto w = make<URLVariables>();
    w->setField("a b", Value("1&2"));
    EXPECT_EQ(w->toString(), "a%20b=1%262");
}

TEST(URLRequest, PreparesItsBody) {
    auto empty = make<URLRequest>("http://x.invalid/");
    empty->prepare_();
    ASSERT_TRUE(empty->bytes_);
    EXPECT_EQ(empty->bytes_->length(), 0);
    EXPECT_EQ(empty->userAgent, runtime::String(""));

    auto buffer = make<ByteArray>();
    buffer->writeUTFBytes("raw");
    auto binary = make<URLRequest>("http://x.invalid/");
    binary->data = Value(buffer);
    binary->prepare_();
    EXPECT_EQ(binary->bytes_.get(), buffer.get());

    auto plain = make<URLRequest>("http://x.invalid/");
    plain->data = Value(runtime::make<runtime::DynamicObject>(
        std::initializer_list<std::pair<std::string, Value>>{{"x", Value(1)}, {"y", Value("z")}}));
    plain->prepare_();
    EXPECT_EQ(plain->bytes_->toString(), "x=1&y=z");

    auto text = make<URLRequest>("http://x.invalid/");
    text->data = Value("free text é");
    text->prepare_();
    EXPECT_EQ(text->bytes_->toString(), "free text é");
}

TEST(HTTPStatusEvent, TextAndCloneWithoutHeaders) {
    auto e = make<HTTPStatusEvent>(HTTPStatusEvent::HTTP_STATUS, false, true, 404);
    e->responseHeaders.push_back(make<URLRequestHeader>("Content-Type", "text/html"));
    EXPECT_EQ(e->toString(), "[HTTPStatusEvent type=httpStatus bubbles=false cancelable=true status=404]");
    auto c = e->clone();
    auto* copy = dynamic_cast<HTTPStatusEvent*>(c.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->status, 404);
    EXPECT_TRUE(copy->responseHeaders.empty());
    EXPECT_TRUE(copy->responseURL.isNull());
    EXPECT_EQ(Value(e).field("responseHeaders").as<runtime::Array>()->length(), 1);
}
