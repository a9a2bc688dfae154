#pragma once
// A font by name, style and type, and the program-wide list of registered fonts. A font made
// from a path keeps the path as its name without reading the file; __fromFile and __fromBytes
// read the family and style through the back end.
//
// An embedded font is a subclass with a static field "resourceName" (registered by name) naming
// an embedded resource that holds a font file. Its constructor takes the same three arguments
// and hands them to construct_, which sees the most-derived class:
//
//   class MySans : public Font {
//       RUNTIME_CLASS(MySans)
//   public:
//       static inline runtime::String resourceName = "assets/fonts/mysans.ttf";
//       explicit MySans(const runtime::String& file = "", std::optional<FontStyle> style = {},
//                       std::optional<FontType> type = {}) : Font(runtime::NoInit{}) { construct_(file, style, type); }
//   };
#include <optional>
#include <vector>

#include "FontStyle.h"
#include "FontType.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class Font : public runtime::Object {
    RUNTIME_CLASS(Font)
public:
    static inline runtime::Primitive freetype_import_font;
    static inline runtime::Primitive media_font_register_font;
    static inline runtime::Primitive media_font_iterate_device_fonts;
    static void initClass();

    // Registered fonts in registration order; duplicates allowed; never shrinks.
    static inline std::vector<runtime::Ref<Font>> registeredFonts_;
    // The installed fonts, asked of the back end once, on the first enumeration that wants them.
    static inline std::optional<std::vector<runtime::Ref<Font>>> deviceFonts_;

    explicit Font(const runtime::String& fileName = "", std::optional<FontStyle> style = std::nullopt,
                  std::optional<FontType> type = std::nullopt);
    explicit Font(runtime::NoInit) {}

    // Name, style and type from font data; the path stays as it was. A null or unreadable
    // font throws an Error.
    virtual void fromBytes_(const runtime::Ref<ByteArray>& bytes);
    // Path, then name, style and type from the file; a null path only clears the path. An
    // unreadable file throws an Error (the path stays set).
    virtual void fromFile_(const runtime::String& path);
    // "{ name=<fontName>, style=<style>, type=<type> }", null parts as "null".
    std::string toString() const override;

    // The registered fonts, then (with device) the installed ones; a new list each call.
    static runtime::Ref<runtime::Array> enumerateFonts(bool enumerateDeviceFonts = false);
    static runtime::Ref<Font> fromBytes(const runtime::Ref<ByteArray>& bytes);
    static runtime::Ref<Font> fromFile(const runtime::String& path);
    // The back end's information record of a file or of font data (null when unreadable).
    static runtime::Value load(const runtime::String& fileName);
    static runtime::Value loadBytes(const runtime::Ref<ByteArray>& bytes);
    // Makes an instance of the class; for a Font with a "resourceName", hands its data to the
    // back end under the font's name; lists the instance. Anything but a Font class: nothing.
    static void registerFont(const runtime::ClassInfo* fontClass);

    // The embedded resource a class names in its static "resourceName", or null.
    static runtime::String resourceNameOf(const runtime::ClassInfo* cls);

    runtime::String fontName;
    std::optional<FontStyle> fontStyle;
    std::optional<FontType> fontType;
    runtime::String fontPath_;

protected:
    // The construction steps, for the most-derived class.
    void construct_(const runtime::String& fileName, std::optional<FontStyle> style, std::optional<FontType> type);

private:
    void applyInfo_(const runtime::Value& info);
    static runtime::Ref<ByteArray> resourceBytes_(const runtime::String& name);
};

}  // namespace framework
