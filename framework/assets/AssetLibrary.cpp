#include "AssetLibrary.h"

namespace framework {

using runtime::Function;
using runtime::Ref;
using runtime::String;

bool AssetLibrary::exists(const String&, std::optional<AssetType>) { return false; }
Ref<BitmapData> AssetLibrary::getBitmapData(const String&) { return nullptr; }
Ref<ByteArray> AssetLibrary::getBytes(const String&) { return nullptr; }
Ref<Font> AssetLibrary::getFont(const String&) { return nullptr; }
Ref<MovieClip> AssetLibrary::getMovieClip(const String&) { return nullptr; }
Ref<Sound> AssetLibrary::getMusic(const String& id) { return getSound(id); }
String AssetLibrary::getPath(const String&) { return nullptr; }
Ref<Sound> AssetLibrary::getSound(const String&) { return nullptr; }
String AssetLibrary::getText(const String& id) { return textOf(getBytes(id)); }
bool AssetLibrary::isLocal(const String&, std::optional<AssetType>) { return true; }
Ref<runtime::Array> AssetLibrary::list(std::optional<AssetType>) { return nullptr; }

void AssetLibrary::load(const Ref<Function>& handler) {
    if (handler) (*handler)(Ref<AssetLibrary>(this));
}
void AssetLibrary::loadBitmapData(const String& id, const Ref<Function>& handler) {
    auto v = getBitmapData(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadBytes(const String& id, const Ref<Function>& handler) {
    auto v = getBytes(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadFont(const String& id, const Ref<Function>& handler) {
    auto v = getFont(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadMovieClip(const String& id, const Ref<Function>& handler) {
    auto v = getMovieClip(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadMusic(const String& id, const Ref<Function>& handler) {
    auto v = getMusic(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadSound(const String& id, const Ref<Function>& handler) {
    auto v = getSound(id);
    if (handler) (*handler)(v);
}
void AssetLibrary::loadText(const String& id, const Ref<Function>& handler) {
    loadBytes(id, Function::of([handler](const runtime::Value& bytes) {
        String text = textOf(Ref<ByteArray>(bytes.as<ByteArray>()));
        if (handler) (*handler)(text);
    }));
}

String AssetLibrary::textOf(const Ref<ByteArray>& bytes) {
    if (!bytes) return nullptr;
    return bytes->readUTFBytes(bytes->length());
}

}  // namespace framework

using framework::AssetLibrary;

RUNTIME_DEFINE_CLASS(AssetLibrary, "framework._native.AssetLibrary", runtime::Object, (auto& b) {
    b.template field<&AssetLibrary::eventCallback>("eventCallback")
        .template method<&AssetLibrary::exists>("exists")
        .template method<&AssetLibrary::getBitmapData>("getBitmapData")
        .template method<&AssetLibrary::getBytes>("getBytes")
        .template method<&AssetLibrary::getFont>("getFont")
        .template method<&AssetLibrary::getMovieClip>("getMovieClip")
        .template method<&AssetLibrary::getMusic>("getMusic")
        .template method<&AssetLibrary::getPath>("getPath")
        .template method<&AssetLibrary::getSound>("getSound")
        .template method<&AssetLibrary::getText>("getText")
        .template method<&AssetLibrary::isLocal>("isLocal")
        .template method<&AssetLibrary::list>("list")
        .template method<&AssetLibrary::load>("load")
        .template method<&AssetLibrary::loadBitmapData>("loadBitmapData")
        .template method<&AssetLibrary::loadBytes>("loadBytes")
        .template method<&AssetLibrary::loadFont>("loadFont")
        .template method<&AssetLibrary::loadMovieClip>("loadMovieClip")
        .template method<&AssetLibrary::loadMusic>("loadMusic")
        .template method<&AssetLibrary::loadSound>("loadSound")
        .template method<&AssetLibrary::loadText>("loadText")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<AssetLibrary>();
        });
})
