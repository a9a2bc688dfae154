#include "URLLoader.h"

#include <chrono>

#include "framework/events/IOErrorEvent.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Args.h"

namespace framework {

namespace {
struct Load {
    runtime::Ref<URLLoader> loader;
    runtime::Ref<URLRequest> request;
};
struct Delivery {
    runtime::Ref<URLLoader> loader;
    runtime::Ref<Event> event;
};
// The loading thread's queue and the events it produced; never freed, like the thread.
struct Manager {
    std::mutex loadsLock;
    std::deque<Load> loads;
    std::mutex eventsLock;
    std::deque<Delivery> events;
};
Manager* manager = nullptr;
std::once_flag started;

void mainLoop(Manager* m) {
    for (;;) {
        Load next;
        {
            std::lock_guard<std::mutex> guard(m->loadsLock);
            if (!m->loads.empty()) {
                next = std::move(m->loads.front());
                m->loads.pop_front();
            }
        }
        if (next.loader) next.loader->loadInCURLThread(next.request);
        next = Load{};
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
}  // namespace

void URLLoader::startManager() {
    std::call_once(started, [] {
        manager = new Manager;
        std::thread(mainLoop, manager).detach();
    });
}

URLLoader::URLLoader(const runtime::Ref<URLRequest>& request) {
    if (request) load(request);
}

void URLLoader::load(const runtime::Ref<URLRequest>& request) {
    startManager();
    std::lock_guard<std::mutex> guard(manager->loadsLock);
    manager->loads.push_back(Load{runtime::Ref<URLLoader>(this), request});
}

void URLLoader::loadInCURLThread(const runtime::Ref<URLRequest>& request) {
    state = urlInit;
    std::string url = request ? request->url.str() : std::string();
    std::string head = url.substr(0, 7);
    if (head == "http://" || head == "https:/") {
        onError("Could not open URL");
        return;
    }
    try {
        auto bytes = ByteArray::readFile(url);
        if (!bytes) runtime::Thrown::text("Could not open file \"" + url + "\"");
        if (dataFormat == URLLoaderDataFormat::BINARY) data = runtime::Value(bytes);
        else data = runtime::Value(bytes->asString());
    } catch (const runtime::Thrown& t) {
        onError(t.value().toText());
        return;
    }
    dataComplete_();
}

void URLLoader::onError(const runtime::String& msg) {
    enqueueEvent(runtime::Ref<URLLoader>(this), runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR, true, false, msg));
}

void URLLoader::dataComplete_() {
    if (onComplete_ && !(*onComplete_)(data).toBool()) {
        dispatchIOErrorEvent_();
        return;
    }
    enqueueEvent(runtime::Ref<URLLoader>(this), runtime::make<Event>(Event::COMPLETE));
}

bool URLLoader::loadPending_() {
    startManager();
    return false;  // no network transfer is ever active
}

void URLLoader::enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event) {
    startManager();
    std::lock_guard<std::mutex> guard(manager->eventsLock);
    manager->events.push_back(Delivery{loader, event});
}

void URLLoader::pollData_() {
    if (!manager) return;
    Delivery d;
    {
        std::lock_guard<std::mutex> guard(manager->eventsLock);
        if (manager->events.empty()) return;
        d = std::move(manager->events.front());
        manager->events.pop_front();
    }
    d.loader->dispatchEvent(d.event);
}

}  // namespace framework

using framework::URLLoader;

RUNTIME_DEFINE_CLASS(URLLoader, "framework.net.URLLoader", framework::EventDispatcher, (auto& b) {
    b.template field<&URLLoader::bytesLoaded>("bytesLoaded")
        .template field<&URLLoader::bytesTotal>("bytesTotal")
        .template field<&URLLoader::data>("data")
        .template field<&URLLoader::dataFormat>("dataFormat")
        .template field<&URLLoader::state>("state")
        .template field<&URLLoader::handle_>("__handle")
        .template method<&URLLoader::load>("load")
        .template staticMethod<&URLLoader::pollData_>("__pollData")
        .template staticMethod<&URLLoader::loadPending_>("__loadPending")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<URLLoader>(runtime::Args(v, n).object<framework::URLRequest>(0));
        });
})
