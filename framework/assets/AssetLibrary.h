#pragma once
// Base of asset libraries: an empty library. The defaults call the other operations through
// the virtual table, so a library that overrides getSound or getBytes also changes what the
// inherited getMusic/loadSound or getText/loadText deliver. Ids here are a library's own
// symbols; a kind of nullopt means any kind.
#include <optional>

#include "AssetType.h"
#include "framework/display/BitmapData.h"
#include "framework/display/MovieClip.h"
#include "framework/media/Sound.h"
#include "framework/text/Font.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Function.h"

namespace framework {

class AssetLibrary : public runtime::Object {
    RUNTIME_CLASS(AssetLibrary)
public:
    AssetLibrary() = default;
    explicit AssetLibrary(runtime::NoInit) {}

    // Called by the library with (library, type) after its content changed; set by the registry.
    runtime::Ref<runtime::Function> eventCallback;

    virtual bool exists(const runtime::String& id, std::optional<AssetType> type);
    virtual runtime::Ref<BitmapData> getBitmapData(const runtime::String& id);
    virtual runtime::Ref<ByteArray> getBytes(const runtime::String& id);
    virtual runtime::Ref<Font> getFont(const runtime::String& id);
    virtual runtime::Ref<MovieClip> getMovieClip(const runtime::String& id);
    virtual runtime::Ref<Sound> getMusic(const runtime::String& id);
    virtual runtime::String getPath(const runtime::String& id);
    virtual runtime::Ref<Sound> getSound(const runtime::String& id);
    virtual runtime::String getText(const runtime::String& id);
    virtual bool isLocal(const runtime::String& id, std::optional<AssetType> type);
    // Null when the library cannot list.
    virtual runtime::Ref<runtime::Array> list(std::optional<AssetType> type);
    virtual void load(const runtime::Ref<runtime::Function>& handler);
    virtual void loadBitmapData(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadBytes(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadFont(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadMovieClip(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadMusic(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadSound(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    virtual void loadText(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);

    // The bytes' whole length read as UTF-8 text; null for null bytes.
    static runtime::String textOf(const runtime::Ref<ByteArray>& bytes);
};

}  // namespace framework
