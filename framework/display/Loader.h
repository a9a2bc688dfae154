#pragma once
// A sprite that loads one picture, from a URL or from bytes, and shows it as a Bitmap, its only
// child. contentLoaderInfo reports "complete" once the content is built, or an IO error.
#include <atomic>

#include "Bitmap.h"
#include "BitmapData.h"
#include "LoaderInfo.h"
#include "Sprite.h"
#include "framework/system/LoaderContext.h"

namespace framework {

class Loader : public Sprite {
    RUNTIME_CLASS(Loader)
public:
    Loader();
    explicit Loader(runtime::NoInit n) : Sprite(n) {}

    runtime::Ref<DisplayObject> content;
    runtime::Ref<LoaderInfo> contentLoaderInfo;
    runtime::Ref<BitmapData> image_;

    // Throws "Unrecognized file <url>" for an unknown extension. The content is built on the
    // main thread before "complete" reaches the info's listeners.
    virtual void load(const runtime::Ref<URLRequest>& request, const runtime::Ref<LoaderContext>& context = nullptr);
    // Builds the content and dispatches "complete" (or the IO error) before returning.
    virtual void loadBytes(const runtime::Ref<ByteArray>& bytes, const runtime::Ref<LoaderContext>& context = nullptr);
    // With children: removes them, resets the info and dispatches "unload" on this loader.
    virtual void unload();
    // Decodes the bytes and shows them; false for null bytes or any error.
    virtual bool onComplete_(const runtime::Ref<ByteArray>& bytes);
    virtual void contentLoaderInfo_onData(const runtime::Ref<Event>& event);

private:
    // The URL loader's completion hook, run on the loading thread: it only notes the data;
    // the content is built by builtOnMainThread, the first "complete" listener.
    bool receivedData(const runtime::Value& data);
    void buildOnMainThread(const runtime::Ref<Event>& event);
    std::atomic<bool> dataPending_{false};
};

}  // namespace framework
