#pragma once
// FreeType faces for text fields: font files and font data read once and kept, fonts registered
// under a family name, the fonts installed on the device, and the default font (DejaVu Sans).
// Glyph advances are cached per face, pixel size and character. Main thread only.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace media {

class FontLibrary {
public:
    // A face as a text style asks for it: synthetic bold or slant when the face lacks them.
    struct Face {
        FT_Face face = nullptr;
        int id = -1;
        bool emboldenSynth = false;
        bool obliqueSynth = false;
        explicit operator bool() const { return face != nullptr; }
    };
    // What a font file tells of itself.
    struct Info {
        std::string familyName;
        std::string styleName;
        bool bold = false;
        bool italic = false;
    };
    struct DeviceFont {
        std::string name;
        int style = 3;  // 0 bold, 1 bold italic, 2 italic, 3 regular
        std::string path;
    };
    // One rendered glyph: 8-bit coverage rows, valid until the next glyph is rendered.
    struct Glyph {
        int left = 0, top = 0, width = 0, rows = 0, pitch = 0;
        const uint8_t* buffer = nullptr;
        double advance = 0;
    };

    static constexpr const char* DEFAULT_FONT_DIR = "/usr/share/fonts/truetype/dejavu/";

    static FontLibrary& get();

    // Reads the family and style of a font file or of font data; nullopt when FreeType can't.
    std::optional<Info> inspectFile(const std::string& path);
    std::optional<Info> inspectBytes(const std::vector<uint8_t>& bytes);
    // Keeps the data under the family name; later text in that family uses it.
    void registerFont(const std::string& family, std::vector<uint8_t> bytes);

    // The face for a format's font name (a registered family, a file path, an installed family,
    // or anything else: the default font) in the asked style; empty when not even the default
    // font can be read.
    Face resolve(const std::string& name, bool bold, bool italic);
    // Grows whenever a registration may change what a name resolves to.
    int generation() const { return generation_; }
    // The default font's family name ("" when it can't be read).
    const std::string& defaultFamily();

    // Ascent and descent in pixels at a pixel size.
    void lineMetrics(const Face& f, int pixelSize, double& ascent, double& descent);
    double advance(const Face& f, int pixelSize, char32_t c);
    double kerning(const Face& f, int pixelSize, char32_t left, char32_t right);
    // Renders one glyph; false when the face has nothing for it.
    bool render(const Face& f, int pixelSize, char32_t c, Glyph& out);

    // The fonts installed under the system font folders, scanned once.
    const std::vector<DeviceFont>& deviceFonts();

private:
    FontLibrary();
    struct Opened {
        FT_Face face = nullptr;
        std::shared_ptr<std::vector<uint8_t>> data;  // memory faces read from here
        bool bold = false, italic = false;
    };
    struct Registered {
        std::string family;
        bool bold = false, italic = false;
        std::shared_ptr<std::vector<uint8_t>> data;
    };
    // The id of an opened face, -1 when it can't be opened.
    int openFile(const std::string& path);
    int openBytes(const std::shared_ptr<std::vector<uint8_t>>& data);
    Face styled(int id, bool bold, bool italic);
    bool setSize(FT_Face face, int pixelSize);
    uint64_t glyphKey(const Face& f, int pixelSize, char32_t c) const;
    bool load(const Face& f, int pixelSize, char32_t c, bool render);

    FT_Library library_ = nullptr;
    std::vector<Opened> faces_;
    std::map<std::string, int> byPath_;
    std::map<const std::vector<uint8_t>*, int> byData_;
    std::vector<Registered> registered_;
    std::map<std::string, Face> resolved_;
    std::unordered_map<uint64_t, double> advances_;
    struct CachedGlyph {
        bool ok = false;
        int left = 0, top = 0, width = 0, rows = 0;
        double advance = 0;
        std::vector<uint8_t> pixels;  // rows × width
    };
    // Rendered glyphs, emptied when it grows past MAX_GLYPHS.
    std::unordered_map<uint64_t, CachedGlyph> glyphs_;
    static constexpr std::size_t MAX_GLYPHS = 8192;
    std::optional<std::vector<DeviceFont>> device_;
    std::optional<std::string> defaultFamily_;
    int generation_ = 0;
};

}  // namespace media
