#pragma once
// The URL loaders' one loading thread: starts queued loads, advances running network transfers
// through the back end's curl primitives ten times a second, and keeps the events the loaders
// produce until the stage's poll delivers them on the main thread, one per tick.
#include <atomic>
#include <deque>
#include <future>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

#include "URLRequest.h"
#include "framework/events/Event.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class URLLoader;

class URLLoadersManager {
public:
    static inline runtime::Primitive media_curl_create;
    static inline runtime::Primitive media_curl_process_loaders;
    static inline runtime::Primitive media_curl_update_loader;
    static inline runtime::Primitive media_curl_get_code;
    static inline runtime::Primitive media_curl_get_error_message;
    static inline runtime::Primitive media_curl_get_data;
    static inline runtime::Primitive media_curl_get_cookies;
    static inline runtime::Primitive media_curl_get_headers;
    static inline runtime::Primitive media_curl_initialize;

    // The one manager; the first call starts the loading thread, which runs until the process ends.
    static URLLoadersManager& getInstance();
    // Whether the manager exists (without making it).
    static bool exists();

    void enqueueLoad(const runtime::Ref<URLLoader>& loader, const runtime::Ref<URLRequest>& request);
    bool activeLoadersIsEmpty();
    // Loading thread: a started transfer joins the front of the running list; a finished one leaves it.
    void addActive(const runtime::Ref<URLLoader>& loader);
    void removeActive(URLLoader* loader);

    runtime::Value create(const runtime::Ref<URLRequest>& request);
    void updateLoader(const runtime::Value& handle, URLLoader* loader);
    int getCode(const runtime::Value& handle);
    runtime::String getErrorMessage(const runtime::Value& handle);
    runtime::Ref<ByteArray> getData(const runtime::Value& handle);
    std::vector<std::string> getHeaders(const runtime::Value& handle);
    // The certificate file for secure transfers, handed to the back end on the loading thread.
    void initialize(const runtime::String& path);
    // The transfer's cookies, read on the loading thread; blocks the caller until it answers.
    std::vector<std::string> getCookies(const runtime::Value& handle);

    void enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event);
    // Dispatches the oldest queued event, if any.
    void pollData();

private:
    URLLoadersManager();
    [[noreturn]] void mainLoop();
    static std::vector<std::string> texts(const runtime::Value& list);

    struct Load {
        runtime::Ref<URLLoader> loader;
        runtime::Ref<URLRequest> request;
    };
    struct Delivery {
        runtime::Ref<URLLoader> loader;
        runtime::Ref<Event> event;
    };
    // The loading thread's inbox: a cookie request (with the answer's promise) or a certificate path.
    struct Message {
        bool cookies = false;
        runtime::Value handle;
        std::shared_ptr<std::promise<std::vector<std::string>>> answer;
        runtime::String path;
    };

    std::mutex loadsQueueMutex_;
    std::deque<Load> loadsQueue_;
    std::mutex activeMutex_;
    std::list<runtime::Ref<URLLoader>> activeLoaders_;
    std::mutex eventsMutex_;
    std::deque<Delivery> eventsQueue_;
    std::mutex inboxMutex_;
    std::deque<Message> inbox_;
    std::atomic<std::thread::id> threadId_{};
};

}  // namespace framework
