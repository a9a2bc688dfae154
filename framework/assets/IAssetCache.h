#pragma once
// The asset registry's cache: bitmaps, fonts and sounds under full asset ids. A cache also
// answers the Bool property "enabled" by name, which the registry reads.
#include "framework/display/BitmapData.h"
#include "framework/media/Sound.h"
#include "framework/text/Font.h"

namespace framework {

class IAssetCache {
public:
    virtual ~IAssetCache() = default;
    // Without a prefix (null) everything goes; otherwise every id that begins with the prefix.
    virtual void clear(const runtime::String& prefix = nullptr) = 0;
    virtual runtime::Ref<BitmapData> getBitmapData(const runtime::String& id) = 0;
    virtual runtime::Ref<Font> getFont(const runtime::String& id) = 0;
    virtual runtime::Ref<Sound> getSound(const runtime::String& id) = 0;
    virtual bool hasBitmapData(const runtime::String& id) = 0;
    virtual bool hasFont(const runtime::String& id) = 0;
    virtual bool hasSound(const runtime::String& id) = 0;
    virtual bool removeBitmapData(const runtime::String& id) = 0;
    virtual bool removeFont(const runtime::String& id) = 0;
    virtual bool removeSound(const runtime::String& id) = 0;
    virtual void setBitmapData(const runtime::String& id, const runtime::Ref<BitmapData>& bitmapData) = 0;
    virtual void setFont(const runtime::String& id, const runtime::Ref<Font>& font) = 0;
    virtual void setSound(const runtime::String& id, const runtime::Ref<Sound>& sound) = 0;

    static const runtime::ClassInfo& staticClass();
};

}  // namespace framework
