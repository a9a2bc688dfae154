#include "Loader.h"

#include <limits>

namespace framework {

using runtime::Ref;

Loader::Loader() : Sprite("Loader") {
    contentLoaderInfo = LoaderInfo::create(Ref<Loader>(this));
    contentLoaderInfo->onComplete_ = runtime::Function::method<&Loader::receivedData>(this);
    contentLoaderInfo->addEventListener(Event::COMPLETE, runtime::Function::method<&Loader::buildOnMainThread>(this),
                                        false, std::numeric_limits<int>::max());
}

void Loader::load(const Ref<URLRequest>& request, const Ref<LoaderContext>&) { contentLoaderInfo->load(request); }

void Loader::loadBytes(const Ref<ByteArray>& bytes, const Ref<LoaderContext>&) {
    if (onComplete_(bytes)) {
        auto event = runtime::make<Event>(Event::COMPLETE);
        event->set_currentTarget(Ref<Loader>(this));
        contentLoaderInfo->dispatchEvent(event);
    } else {
        contentLoaderInfo->dispatchIOErrorEvent_();
    }
}

void Loader::unload() {
    if (get_numChildren() == 0) return;
    while (get_numChildren() > 0) removeChildAt(0);
    auto& info = *contentLoaderInfo;
    info.url = nullptr;
    info.contentType = nullptr;
    info.content = nullptr;
    info.bytesTotal = 0;
    info.bytesLoaded = 0;
    info.width = 0;
    info.height = 0;
    auto event = runtime::make<Event>(Event::UNLOAD);
    event->set_currentTarget(Ref<Loader>(this));
    dispatchEvent(event);
}

bool Loader::onComplete_(const Ref<ByteArray>& bytes) {
    if (!bytes) return false;
    try {
        image_ = BitmapData::loadFromBytes(bytes);
        content = runtime::make<Bitmap>(image_, PixelSnapping::AUTO, false);
        contentLoaderInfo->content = content;
        while (get_numChildren() > 0) removeChildAt(0);
        addChild(content);
        return true;
    } catch (...) {
        return false;
    }
}

void Loader::contentLoaderInfo_onData(const Ref<Event>& event) {
    if (event) event->stopImmediatePropagation();
    onComplete_(contentLoaderInfo->get_bytes());
}

bool Loader::receivedData(const runtime::Value& data) {
    if (!data.as<ByteArray>()) return false;
    dataPending_ = true;
    return true;
}

void Loader::buildOnMainThread(const Ref<Event>& event) {
    if (!dataPending_.exchange(false)) return;
    if (!onComplete_(contentLoaderInfo->get_bytes())) {
        event->stopImmediatePropagation();
        contentLoaderInfo->dispatchIOErrorEvent_();
    }
}

}  // namespace framework

using framework::Loader;

RUNTIME_DEFINE_CLASS(Loader, "framework._native.display.Loader", framework::Sprite, (auto& b) {
    b.template field<&Loader::content>("content")
        .template field<&Loader::contentLoaderInfo>("contentLoaderInfo")
        .template field<&Loader::image_>("__image")
        .template method<&Loader::load>("load")
        .template method<&Loader::loadBytes>("loadBytes")
        .template method<&Loader::unload>("unload")
        .template method<&Loader::onComplete_>("__onComplete")
        .template method<&Loader::contentLoaderInfo_onData>("contentLoaderInfo_onData")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<Loader>();
        });
})
