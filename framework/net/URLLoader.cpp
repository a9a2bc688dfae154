#include "URLLoader.h"

#include "URLLoadersManager.h"
#include "URLVariables.h"
#include "framework/events/HTTPStatusEvent.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/events/ProgressEvent.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Args.h"

namespace framework {

URLLoader::URLLoader(const runtime::Ref<URLRequest>& request) {
    if (request) load(request);
}

void URLLoader::load(const runtime::Ref<URLRequest>& request) {
    URLLoadersManager::getInstance().enqueueLoad(runtime::Ref<URLLoader>(this), request);
}

void URLLoader::loadInCURLThread(const runtime::Ref<URLRequest>& request) {
    state = urlInit;
    std::string url = request && !request->url.isNull() ? request->url.str() : std::string();
    std::string head = url.substr(0, 7);
    if (head == "http://" || head == "https:/") {
        request->prepare_();
        handle_ = URLLoadersManager::getInstance().create(request);
        if (handle_.isNull()) onError("Could not open URL");
        else URLLoadersManager::getInstance().addActive(runtime::Ref<URLLoader>(this));
        return;
    }
    try {
        auto bytes = ByteArray::readFile(url);
        if (!bytes) runtime::Thrown::text("Could not open file \"" + url + "\"");
        if (dataFormat == URLLoaderDataFormat::BINARY) data = runtime::Value(bytes);
        else if (dataFormat == URLLoaderDataFormat::VARIABLES) data = runtime::Value(runtime::make<URLVariables>(bytes->asString()));
        else data = runtime::Value(bytes->asString());
    } catch (const runtime::Thrown& t) {
        onError(t.value().toText());
        return;
    }
    dataComplete_();
}

runtime::Value URLLoader::textOrBody(const runtime::Ref<ByteArray>& body) const {
    if (dataFormat == URLLoaderDataFormat::BINARY) return body ? runtime::Value(body) : runtime::Value();
    if (!body) return runtime::Value("");
    body->position = 0;
    return runtime::Value(body->asString());
}

void URLLoader::update() {
    if (handle_.isNull()) return;
    URLLoadersManager& manager = URLLoadersManager::getInstance();
    int loadedBefore = bytesLoaded;
    int totalBefore = bytesTotal;
    manager.updateLoader(handle_, this);
    runtime::Ref<URLLoader> self(this);
    if (totalBefore < 0 && bytesTotal > 0) enqueueEvent(self, runtime::make<Event>(Event::OPEN));
    if (bytesTotal > 0 && bytesLoaded != loadedBefore)
        enqueueEvent(self, runtime::make<ProgressEvent>(ProgressEvent::PROGRESS, false, false, bytesLoaded, bytesTotal));
    int code = manager.getCode(handle_);
    runtime::Ref<IOErrorEvent> error;
    if (state == urlComplete) {
        dispatchHTTPStatus(code);
        data = textOrBody(manager.getData(handle_));
        if (code < 400) {
            dataComplete_();
            return;
        }
        error = runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR, true, false, runtime::String(data.toText()), code);
    } else if (state == urlError) {
        dispatchHTTPStatus(code);
        error = runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR, true, false, manager.getErrorMessage(handle_), code);
    }
    if (error) {
        handle_ = runtime::Value();
        enqueueEvent(self, error);
    }
}

void URLLoader::dispatchHTTPStatus(int status) {
    auto event = runtime::make<HTTPStatusEvent>(HTTPStatusEvent::HTTP_STATUS, false, false, status);
    for (const std::string& line : URLLoadersManager::getInstance().getHeaders(handle_)) {
        std::size_t colon = line.find(": ");
        if (colon == std::string::npos || colon == 0) continue;
        std::string value = line.substr(colon + 2);
        value = value.size() >= 2 ? value.substr(0, value.size() - 2) : std::string();
        event->responseHeaders.push_back(runtime::make<URLRequestHeader>(line.substr(0, colon), value));
    }
    enqueueEvent(runtime::Ref<URLLoader>(this), event);
}

std::vector<std::string> URLLoader::getCookies() { return URLLoadersManager::getInstance().getCookies(handle_); }

void URLLoader::onError(const runtime::String& msg) {
    URLLoadersManager::getInstance().removeActive(this);
    enqueueEvent(runtime::Ref<URLLoader>(this), runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR, true, false, msg));
}

void URLLoader::dataComplete_() {
    URLLoadersManager::getInstance().removeActive(this);
    if (onComplete_ && !(*onComplete_)(data).toBool()) {
        dispatchIOErrorEvent_();
        return;
    }
    enqueueEvent(runtime::Ref<URLLoader>(this), runtime::make<Event>(Event::COMPLETE));
}

bool URLLoader::loadPending_() { return !URLLoadersManager::getInstance().activeLoadersIsEmpty(); }

void URLLoader::initialize(const runtime::String& path) { URLLoadersManager::getInstance().initialize(path); }

void URLLoader::enqueueEvent(const runtime::Ref<URLLoader>& loader, const runtime::Ref<Event>& event) {
    URLLoadersManager::getInstance().enqueueEvent(loader, event);
}

void URLLoader::pollData_() {
    if (URLLoadersManager::exists()) URLLoadersManager::getInstance().pollData();
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
        .template method<&URLLoader::close>("close")
        .template staticMethod<&URLLoader::pollData_>("__pollData")
        .template staticMethod<&URLLoader::loadPending_>("__loadPending")
        .template staticMethod<&URLLoader::hasActive>("hasActive")
        .template staticMethod<&URLLoader::initialize>("initialize")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<URLLoader>(runtime::Args(v, n).object<framework::URLRequest>(0));
        });
})
