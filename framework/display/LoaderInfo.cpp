#include "LoaderInfo.h"

#include <algorithm>
#include <cctype>

#include "DisplayObject.h"
#include "Loader.h"

namespace framework {

LoaderInfo::LoaderInfo() : URLLoader() { dataFormat = URLLoaderDataFormat::BINARY; }

runtime::Ref<LoaderInfo> LoaderInfo::create(const runtime::Ref<Loader>& loader) {
    auto info = runtime::make<LoaderInfo>();
    info->loader = loader.get();
    info->uncaughtErrorEvents = runtime::make<UncaughtErrorEvents>();
    info->addEventListener(Event::COMPLETE, runtime::Function::method<&LoaderInfo::this_onComplete>(info.get()));
    if (!loader) info->url = "";
    return info;
}

runtime::String LoaderInfo::contentTypeOf(const std::string& address) {
    std::string ext;
    auto dot = address.rfind('.');
    if (dot != std::string::npos && dot != 0) ext = address.substr(dot + 1);
    ext = ext.substr(0, ext.find('?'));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "swf") return "application/x-shockwave-flash";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "png") return "image/png";
    if (ext == "gif") return "image/gif";
    return nullptr;
}

void LoaderInfo::load(const runtime::Ref<URLRequest>& request) {
    pendingURL_ = request ? request->url : runtime::String();
    runtime::String type = contentTypeOf(pendingURL_.str());
    if (type.isNull()) throw runtime::Thrown(runtime::Value("Unrecognized file " + pendingURL_.toText()));
    contentType = type;
    url = nullptr;
    URLLoader::load(request);
}

void LoaderInfo::this_onComplete(const runtime::Ref<Event>&) {
    url = pendingURL_;
    removeEventListener(Event::COMPLETE, runtime::Function::method<&LoaderInfo::this_onComplete>(this));
}

runtime::Ref<ByteArray> LoaderInfo::get_bytes() { return runtime::Ref<ByteArray>(data.as<ByteArray>()); }

}  // namespace framework

using framework::LoaderInfo;

RUNTIME_DEFINE_CLASS(LoaderInfo, "framework._native.display.LoaderInfo", framework::URLLoader, (auto& b) {
    b.template field<&LoaderInfo::applicationDomain>("applicationDomain")
        .template readOnlyProperty<&LoaderInfo::get_bytes>("bytes")
        .template field<&LoaderInfo::childAllowsParent>("childAllowsParent")
        .template field<&LoaderInfo::content>("content")
        .template field<&LoaderInfo::contentType>("contentType")
        .template field<&LoaderInfo::frameRate>("frameRate")
        .template field<&LoaderInfo::height>("height")
        .template property<&LoaderInfo::get_loader, &LoaderInfo::set_loader>("loader")
        .template field<&LoaderInfo::loaderURL>("loaderURL")
        .template field<&LoaderInfo::parameters>("parameters")
        .template field<&LoaderInfo::parentAllowsChild>("parentAllowsChild")
        .template field<&LoaderInfo::sameDomain>("sameDomain")
        .template field<&LoaderInfo::sharedEvents>("sharedEvents")
        .template field<&LoaderInfo::url>("url")
        .template field<&LoaderInfo::width>("width")
        .template field<&LoaderInfo::uncaughtErrorEvents>("uncaughtErrorEvents")
        .template field<&LoaderInfo::pendingURL_>("__pendingURL")
        .template method<&LoaderInfo::this_onComplete>("this_onComplete")
        .template method<&LoaderInfo::get_bytes>("get_bytes")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<LoaderInfo>();
        });
})
