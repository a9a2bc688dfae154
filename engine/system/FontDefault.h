#pragma once
// The engine's embedded default font, registered by EngAssets::init.
#include "framework/text/Font.h"

namespace engine {

class FontDefault : public framework::Font {
    RUNTIME_CLASS(FontDefault)
public:
    static inline runtime::String resourceName = "EMB_font_engine_system__EngAssets_FontDefault";
    // Name and style come from the embedded file when no file name is given.
    explicit FontDefault(const runtime::String& file = "", std::optional<framework::FontStyle> style = std::nullopt,
                         std::optional<framework::FontType> type = std::nullopt)
        : framework::Font(runtime::NoInit{}) {
        construct_(file.isNull() ? runtime::String("") : file, style, type);
    }
    explicit FontDefault(runtime::NoInit n) : framework::Font(n) {}
};

}  // namespace engine
