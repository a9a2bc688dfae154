#pragma once
// Fetches what a URLRequest names on the URL-loading thread (URLLoadersManager) and reports it
// as events, delivered one per stage poll on the main thread (pollData_). Local files are read
// whole; "http://" and "https:/" addresses are network transfers run by the back end.
#include "URLLoaderDataFormat.h"
#include "URLRequest.h"
#include "framework/events/EventDispatcher.h"

namespace framework {

class URLLoader : public EventDispatcher {
    RUNTIME_CLASS(URLLoader)
public:
    static constexpr int urlInvalid = 0;
    static constexpr int urlInit = 1;
    static constexpr int urlLoading = 2;
    static constexpr int urlComplete = 3;
    static constexpr int urlError = 4;

    explicit URLLoader(const runtime::Ref<URLRequest>& request = nullptr);
    explicit URLLoader(runtime::NoInit n) : EventDispatcher(n) {}

    int bytesLoaded = 0;
    int bytesTotal = -1;
    runtime::Value data;
    URLLoaderDataFormat dataFormat = URLLoaderDataFormat::TEXT;
    int state = urlInvalid;
    runtime::Value handle_;
    // Completion filter: called with data; a false answer turns "complete" into "ioError".
    runtime::Ref<runtime::Function> onComplete_;

    // A started load cannot be cancelled.
    virtual void close() {}
    // Queues "httpStatus" with the transfer's response headers.
    virtual void dispatchHTTPStatus(int status);
    // The transfer's cookies; blocks until the loading thread answers.
    virtual std::vector<std::string> getCookies();
    // Queues the load for the loading thread; nothing else happens on the caller's thread.
    virtual void load(const runtime::Ref<URLRequest>& request);
    // Runs on the loading thread.
    virtual void loadInCURLThread(const runtime::Ref<URLRequest>& request);
    // Leaves the running list and queues an "ioError" event with the message.
    virtual void onError(const runtime::String& msg);
    // Loading thread, once a pass while the transfer runs: progress, then the end of the load.
    virtual void update();
    virtual void dataComplete_();

    // True while network transfers run. The first call starts the loading thread.
    static bool loadPending_();
    static bool hasActive() { return loadPending_(); }
    // The certificate file for secure transfers.
    static void initialize(const runtime::String& path);
    // Dispatches the oldest queued event, if any, on the calling (main) thread.
    static void pollData_();
    static void enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event);

private:
    runtime::Value textOrBody(const runtime::Ref<ByteArray>& body) const;
};

}  // namespace framework
