#pragma once
// The engine's cache of graphics by key: made from asset ids, picture classes, bitmaps, texture
// regions or other cached graphics, optionally laid out into frames with spacing; cleared of
// non-persistent graphics on state switches.
#include <map>
#include <string>

#include "engine/util/loaders/CachedGraphics.h"

namespace engine {

class BitmapFrontEnd : public runtime::Object {
public:
    BitmapFrontEnd() { clearCache(); }

    // The shared 2 x 2 white graphic with one 1 x 1 tile; never in the cache.
    virtual runtime::Ref<CachedGraphics> get_whitePixel();
    virtual void onContext();
    virtual void dumpCache();
    // The key is held with a graphic.
    virtual bool checkCache(const runtime::String& key);
    // A graphic of that size filled with the colour, under "WxH:colour" unless a key is given.
    virtual runtime::Ref<CachedGraphics> create(int width, int height, int color, bool unique = false,
                                                runtime::String key = nullptr);
    virtual runtime::Ref<CachedGraphics> add(const runtime::Value& graphic, bool unique = false,
                                             const runtime::String& key = nullptr);
    // graphic: a CachedGraphics, a BitmapData, a TextureRegion or an asset id; anything else gives null.
    virtual runtime::Ref<CachedGraphics> addWithSpaces(const runtime::Value& graphic, int frameWidth, int frameHeight,
                                                       int spacingX = 1, int spacingY = 1, bool unique = false,
                                                       const runtime::String& key = nullptr);
    // The same for a picture class (its instance made with width and height 0 is the bitmap).
    virtual runtime::Ref<CachedGraphics> addClass(const runtime::ClassInfo* pictureClass, int frameWidth = 0,
                                                  int frameHeight = 0, int spacingX = 1, int spacingY = 1,
                                                  bool unique = false, const runtime::String& key = nullptr);
    virtual runtime::Ref<CachedGraphics> get(const runtime::String& key);
    virtual runtime::String getCacheKeyFor(const runtime::Ref<framework::BitmapData>& bitmap);
    virtual runtime::String getUniqueKey(runtime::String base = nullptr);
    virtual void remove(const runtime::String& key);
    // The framework's asset cache forgets the bitmap of the same id.
    virtual void removeFromFrameworkCache(const runtime::String& key);
    virtual void clearCache();
    virtual void clearUnused();

    std::map<std::string, runtime::Ref<CachedGraphics>> _cache;
    runtime::Ref<CachedGraphics> _whitePixel;

private:
    struct Source;
    runtime::Ref<CachedGraphics> addSource(const Source& source, int frameWidth, int frameHeight, int spacingX,
                                           int spacingY, bool unique, const runtime::String& key);
    std::vector<std::string> keys() const;
};

}  // namespace engine
