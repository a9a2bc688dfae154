#pragma once
// Describes one load: the request's URL, the content type deduced from its extension, the
// content built from the received bytes, and the dispatcher of uncaught errors (the root clip
// has one without a loader). Received data stays bytes.
#include "framework/events/UncaughtErrorEvents.h"
#include "framework/net/URLLoader.h"
#include "framework/system/ApplicationDomain.h"
#include "framework/utils/ByteArray.h"

namespace framework {

class DisplayObject;
class Loader;

class LoaderInfo : public URLLoader {
    RUNTIME_CLASS(LoaderInfo)
public:
    LoaderInfo();
    explicit LoaderInfo(runtime::NoInit n) : URLLoader(n) {}

    // A new info owned by loader (null for the root clip, whose url is then "").
    static runtime::Ref<LoaderInfo> create(const runtime::Ref<Loader>& loader);

    runtime::Ref<ApplicationDomain> applicationDomain = ApplicationDomain::currentDomain;
    runtime::Ref<ByteArray> bytes;  // never written: read "bytes" by property for the data
    bool childAllowsParent = true;
    runtime::Ref<DisplayObject> content;
    runtime::String contentType;
    double frameRate = 0;
    int height = 0;
    runtime::Weak<Loader> loader;
    runtime::String loaderURL;
    runtime::Value parameters;
    bool parentAllowsChild = false;
    bool sameDomain = false;
    runtime::Ref<EventDispatcher> sharedEvents;
    runtime::String url;
    int width = 0;
    runtime::Ref<UncaughtErrorEvents> uncaughtErrorEvents;
    runtime::String pendingURL_;

    // Throws "Unrecognized file <url>" for an extension other than swf, jpg, jpeg, png or gif,
    // before anything is requested.
    void load(const runtime::Ref<URLRequest>& request) override;
    // Records the URL of the first completed load, then stops listening.
    virtual void this_onComplete(const runtime::Ref<Event>& event);
    virtual runtime::Ref<ByteArray> get_bytes();

    runtime::Ref<Loader> get_loader() const { return loader.lock(); }
    runtime::Ref<Loader> set_loader(const runtime::Ref<Loader>& l) {
        loader = l.get();
        return l;
    }
    // The content type of a URL's extension; null when the extension is not one of the table's.
    static runtime::String contentTypeOf(const std::string& url);
};

}  // namespace framework
