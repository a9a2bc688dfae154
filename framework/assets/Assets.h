#pragma once
// The static asset registry. An id is an optional library name and a colon, then the symbol
// (split at the first colon; no name or an empty one means "default"). Bitmaps, fonts and
// sounds are cached under the whole id as given. Every miss writes one trace line beginning
// "[framework.Assets] " and yields null.
//
// The "default" library is made on first use from the class registered as
// "DefaultAssetLibrary" (the game's manifest); without that class "default" is left empty.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AssetLibrary.h"
#include "IAssetCache.h"
#include "framework/events/EventDispatcher.h"

namespace framework {

class Assets {
public:
    // The cache the get and load operations consult; any object implementing IAssetCache and
    // answering "enabled" by name may be put in its place with setCache.
    static runtime::Ref<runtime::Object> get_cache();
    static void setCache(const runtime::Ref<runtime::Object>& cache);
    static bool initialized();

    static void initialize();
    static runtime::Ref<AssetLibrary> getLibrary(const runtime::String& name);
    static void registerLibrary(const runtime::String& name, const runtime::Ref<AssetLibrary>& library);
    static void unloadLibrary(const runtime::String& name);
    static void loadLibrary(const runtime::String& name, const runtime::Ref<runtime::Function>& handler);

    static bool exists(const runtime::String& id, std::optional<AssetType> type = std::nullopt);
    static bool isLocal(const runtime::String& id, std::optional<AssetType> type = std::nullopt, bool useCache = true);
    // Never null; the libraries' own symbols, in library-name order.
    static runtime::Ref<runtime::Array> list(std::optional<AssetType> type = std::nullopt);

    static runtime::Ref<BitmapData> getBitmapData(const runtime::String& id, bool useCache = true);
    static runtime::Ref<ByteArray> getBytes(const runtime::String& id);
    static runtime::Ref<Font> getFont(const runtime::String& id, bool useCache = true);
    static runtime::Ref<MovieClip> getMovieClip(const runtime::String& id);
    static runtime::Ref<Sound> getMusic(const runtime::String& id, bool useCache = true);
    static runtime::String getPath(const runtime::String& id);
    static runtime::Ref<Sound> getSound(const runtime::String& id, bool useCache = true);
    static runtime::String getText(const runtime::String& id);

    static void loadBitmapData(const runtime::String& id, const runtime::Ref<runtime::Function>& handler,
                               bool useCache = true);
    static void loadBytes(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    static void loadFont(const runtime::String& id, const runtime::Ref<runtime::Function>& handler, bool useCache = true);
    static void loadMovieClip(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);
    static void loadMusic(const runtime::String& id, const runtime::Ref<runtime::Function>& handler, bool useCache = true);
    static void loadSound(const runtime::String& id, const runtime::Ref<runtime::Function>& handler, bool useCache = true);
    static void loadText(const runtime::String& id, const runtime::Ref<runtime::Function>& handler);

    static void addEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                                 bool useCapture = false, int priority = 0, bool useWeakReference = false);
    static void removeEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                                    bool useCapture = false);
    static bool hasEventListener(const runtime::String& type);
    static bool dispatchEvent(const runtime::Ref<Event>& event);

    static bool isValidBitmapData(const runtime::Ref<BitmapData>& bitmapData);
    static bool isValidSound(const runtime::Ref<Sound>& sound);
    static const runtime::ClassInfo* resolveClass(const runtime::String& name);
    static const runtime::EnumInfo* resolveEnum(const runtime::String& name);
    static void library_onEvent(const runtime::Ref<AssetLibrary>& library, const runtime::String& type);

    // Back to the start-up state: uninitialised, no libraries, a new empty cache, no listeners.
    static void reset_();
};

}  // namespace framework
