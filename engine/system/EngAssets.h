#pragma once
// The engine's own assets: its font names, bitmap and sound lookups by asset id, preloading of
// every sound into the sound front end, and the engine logo drawn with vector graphics.
#include "platform/runtime/String.h"
#include "platform/runtime/Ref.h"

namespace framework {
class BitmapData;
class Graphics;
class Sound;
}  // namespace framework

namespace engine {

class EngAssets {
public:
    static inline runtime::String FONT_DEFAULT = "Nokia Cellphone FC Small";
    static inline runtime::String FONT_DEBUGGER = "Arial";

    // Registers the embedded default font (FontDefault) with the font registry.
    static void init();
    // Five filled polygons in a 100 x 100 box.
    static void drawLogo(const runtime::Ref<framework::Graphics>& graphics);
    // The bitmap of the id, without the asset cache.
    static runtime::Ref<framework::BitmapData> getBitmapData(const runtime::String& id);
    // The sound of the id with ".ogg" appended.
    static runtime::Ref<framework::Sound> getSound(const runtime::String& id);
    // Every sound asset into the sound front end's cache, in list order.
    static void cacheSounds();
};

}  // namespace engine
