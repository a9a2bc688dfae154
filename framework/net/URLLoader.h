#pragma once
// Fetches what a URLRequest names on the URL-loading thread and reports it as events, delivered
// one per stage poll on the main thread (pollData_). Local files are read whole; network
// transfers are not available in this build and end in "ioError" "Could not open URL".
#include <deque>
#include <mutex>
#include <thread>

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

    virtual void close() {}
    // Queues the load for the loading thread; nothing else happens on the caller's thread.
    virtual void load(const runtime::Ref<URLRequest>& request);
    // Runs on the loading thread.
    virtual void loadInCURLThread(const runtime::Ref<URLRequest>& request);
    // Queues an "ioError" event with the message.
    virtual void onError(const runtime::String& msg);
    virtual void dataComplete_();

    // True while network transfers run. The first call starts the loading thread.
    static bool loadPending_();
    // Dispatches the oldest queued event, if any, on the calling (main) thread.
    static void pollData_();
    static void enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event);
    // Starts the loading thread once (also done by the first load).
    static void startManager();
};

}  // namespace framework
