#include "URLLoadersManager.h"

#include <chrono>
#include <cstdio>

#include "URLLoader.h"
#include "framework/Lib.h"
#include "platform/runtime/Array.h"

namespace framework {

namespace {
std::atomic<URLLoadersManager*> instance{nullptr};
}  // namespace

URLLoadersManager& URLLoadersManager::getInstance() {
    static URLLoadersManager* made = [] {
        media_curl_create = MEDIA_LOAD(media_native_curl_create);
        media_curl_process_loaders = MEDIA_LOAD(media_native_curl_process_loaders);
        media_curl_update_loader = MEDIA_LOAD(media_native_curl_update_loader);
        media_curl_get_code = MEDIA_LOAD(media_native_curl_get_code);
        media_curl_get_error_message = MEDIA_LOAD(media_native_curl_get_error_message);
        media_curl_get_data = MEDIA_LOAD(media_native_curl_get_data);
        media_curl_get_cookies = MEDIA_LOAD(media_native_curl_get_cookies);
        media_curl_get_headers = MEDIA_LOAD(media_native_curl_get_headers);
        media_curl_initialize = MEDIA_LOAD(media_native_curl_initialize);
        auto* m = new URLLoadersManager();  // lives, with its thread, until the process ends
        instance.store(m);
        std::thread([m] { m->mainLoop(); }).detach();
        return m;
    }();
    return *made;
}

bool URLLoadersManager::exists() { return instance.load() != nullptr; }

URLLoadersManager::URLLoadersManager() = default;

void URLLoadersManager::mainLoop() {
    threadId_ = std::this_thread::get_id();
    for (;;) {
        Load next;
        {
            std::lock_guard<std::mutex> guard(loadsQueueMutex_);
            if (!loadsQueue_.empty()) {
                next = std::move(loadsQueue_.front());
                loadsQueue_.pop_front();
            }
        }
        try {
            if (next.loader) next.loader->loadInCURLThread(next.request);
            next = Load{};

            std::list<runtime::Ref<URLLoader>> running;
            {
                std::lock_guard<std::mutex> guard(activeMutex_);
                running.swap(activeLoaders_);
            }
            if (!running.empty()) {
                media_curl_process_loaders();
                // Each loader is updated outside the lock (its update may end the load); those
                // still loading go back to the front, so each pass reverses the order.
                for (runtime::Ref<URLLoader>& loader : running) {
                    loader->update();
                    if (loader->state == URLLoader::urlLoading) {
                        std::lock_guard<std::mutex> guard(activeMutex_);
                        activeLoaders_.push_front(loader);
                    }
                }
            }

            Message message;
            bool got = false;
            {
                std::lock_guard<std::mutex> guard(inboxMutex_);
                if (!inbox_.empty()) {
                    message = std::move(inbox_.front());
                    inbox_.pop_front();
                    got = true;
                }
            }
            if (got && message.cookies) {
                std::vector<std::string> cookies;
                try {
                    cookies = texts(media_curl_get_cookies(message.handle));
                } catch (...) {
                    message.answer->set_value({});
                    throw;
                }
                message.answer->set_value(std::move(cookies));
            } else if (got) {
                media_curl_initialize(message.path);
            }
        } catch (const runtime::Thrown& t) {
            // Nothing on this thread may end the process: report and go on.
            std::fprintf(stderr, "URL loading thread: %s\n", t.value().toText().c_str());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "URL loading thread: %s\n", e.what());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void URLLoadersManager::enqueueLoad(const runtime::Ref<URLLoader>& loader, const runtime::Ref<URLRequest>& request) {
    std::lock_guard<std::mutex> guard(loadsQueueMutex_);
    loadsQueue_.push_back(Load{loader, request});
}

bool URLLoadersManager::activeLoadersIsEmpty() {
    std::lock_guard<std::mutex> guard(activeMutex_);
    return activeLoaders_.empty();
}

void URLLoadersManager::addActive(const runtime::Ref<URLLoader>& loader) {
    std::lock_guard<std::mutex> guard(activeMutex_);
    activeLoaders_.push_front(loader);
}

void URLLoadersManager::removeActive(URLLoader* loader) {
    std::lock_guard<std::mutex> guard(activeMutex_);
    activeLoaders_.remove_if([loader](const runtime::Ref<URLLoader>& l) { return l.get() == loader; });
}

runtime::Value URLLoadersManager::create(const runtime::Ref<URLRequest>& request) {
    return media_curl_create(runtime::Value(request));
}

void URLLoadersManager::updateLoader(const runtime::Value& handle, URLLoader* loader) {
    media_curl_update_loader(handle, runtime::Value(loader));
}

int URLLoadersManager::getCode(const runtime::Value& handle) {
    runtime::Value code = media_curl_get_code(handle);
    return code.isNull() ? 0 : code.toInt();
}

runtime::String URLLoadersManager::getErrorMessage(const runtime::Value& handle) {
    runtime::Value message = media_curl_get_error_message(handle);
    return message.isNull() ? runtime::String() : runtime::String(message.toText());
}

runtime::Ref<ByteArray> URLLoadersManager::getData(const runtime::Value& handle) {
    return runtime::Ref<ByteArray>(media_curl_get_data(handle).as<ByteArray>());
}

std::vector<std::string> URLLoadersManager::getHeaders(const runtime::Value& handle) {
    return texts(media_curl_get_headers(handle));
}

std::vector<std::string> URLLoadersManager::texts(const runtime::Value& list) {
    std::vector<std::string> out;
    if (auto* a = list.as<runtime::Array>())
        for (const runtime::Value& v : a->items) out.push_back(v.isNull() ? std::string() : v.toText());
    return out;
}

void URLLoadersManager::initialize(const runtime::String& path) {
    std::lock_guard<std::mutex> guard(inboxMutex_);
    inbox_.push_back(Message{false, {}, nullptr, path});
}

std::vector<std::string> URLLoadersManager::getCookies(const runtime::Value& handle) {
    // The loading thread itself asks the back end at once: waiting for its own answer would never end.
    if (std::this_thread::get_id() == threadId_) return texts(media_curl_get_cookies(handle));
    auto answer = std::make_shared<std::promise<std::vector<std::string>>>();
    std::future<std::vector<std::string>> result = answer->get_future();
    {
        std::lock_guard<std::mutex> guard(inboxMutex_);
        inbox_.push_back(Message{true, handle, answer, {}});
    }
    return result.get();
}

void URLLoadersManager::enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event) {
    std::lock_guard<std::mutex> guard(eventsMutex_);
    eventsQueue_.push_back(Delivery{loader, event});
}

void URLLoadersManager::pollData() {
    Delivery d;
    {
        std::lock_guard<std::mutex> guard(eventsMutex_);
        if (eventsQueue_.empty()) return;
        d = std::move(eventsQueue_.front());
        eventsQueue_.pop_front();
    }
    d.loader->dispatchEvent(d.event);
}

}  // namespace framework
