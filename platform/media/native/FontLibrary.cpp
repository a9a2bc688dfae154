#include "FontLibrary.h"

#include FT_SYNTHESIS_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace media {

namespace {
std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

FontLibrary::Info infoOf(FT_Face face) {
    FontLibrary::Info i;
    i.familyName = face->family_name ? face->family_name : "";
    i.styleName = face->style_name ? face->style_name : "";
    i.bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    i.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    return i;
}

constexpr const char* DEFAULT_FILES[4] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                          "DejaVuSans-BoldOblique.ttf"};
}  // namespace

FontLibrary& FontLibrary::get() {
    // Faces live as long as the process.
    static FontLibrary* library = new FontLibrary();
    return *library;
}

FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

int FontLibrary::openFile(const std::string& path) {
    auto it = byPath_.find(path);
    if (it != byPath_.end()) return it->second;
    int id = -1;
    FT_Face face = nullptr;
    if (library_ && !path.empty() && FT_New_Face(library_, path.c_str(), 0, &face) == 0) {
        Info info = infoOf(face);
        faces_.push_back({face, nullptr, info.bold, info.italic});
        id = static_cast<int>(faces_.size()) - 1;
    }
    byPath_[path] = id;
    return id;
}

int FontLibrary::openBytes(const std::shared_ptr<std::vector<uint8_t>>& data) {
    auto it = byData_.find(data.get());
    if (it != byData_.end()) return it->second;
    FT_Face face = nullptr;
    int id = -1;
    if (library_ && !data->empty() &&
        FT_New_Memory_Face(library_, data->data(), static_cast<FT_Long>(data->size()), 0, &face) == 0) {
        Info info = infoOf(face);
        faces_.push_back({face, data, info.bold, info.italic});
        id = static_cast<int>(faces_.size()) - 1;
    }
    byData_[data.get()] = id;
    return id;
}

std::optional<FontLibrary::Info> FontLibrary::inspectFile(const std::string& path) {
    int id = openFile(path);
    if (id < 0) return std::nullopt;
    return infoOf(faces_[static_cast<std::size_t>(id)].face);
}

std::optional<FontLibrary::Info> FontLibrary::inspectBytes(const std::vector<uint8_t>& bytes) {
    if (!library_ || bytes.empty()) return std::nullopt;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library_, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face) != 0)
        return std::nullopt;
    Info info = infoOf(face);
    FT_Done_Face(face);
    return info;
}

void FontLibrary::registerFont(const std::string& family, std::vector<uint8_t> bytes) {
    auto data = std::make_shared<std::vector<uint8_t>>(std::move(bytes));
    auto info = inspectBytes(*data);
    if (!info) return;
    registered_.push_back({family, info->bold, info->italic, data});
    resolved_.clear();
    ++generation_;
}

FontLibrary::Face FontLibrary::styled(int id, bool bold, bool italic) {
    if (id < 0) return {};
    const Opened& o = faces_[static_cast<std::size_t>(id)];
    return {o.face, id, bold && !o.bold, italic && !o.italic};
}

const std::string& FontLibrary::defaultFamily() {
    if (!defaultFamily_) {
        int id = openFile(std::string(DEFAULT_FONT_DIR) + DEFAULT_FILES[0]);
        defaultFamily_ = id < 0 ? std::string() : infoOf(faces_[static_cast<std::size_t>(id)].face).familyName;
    }
    return *defaultFamily_;
}

FontLibrary::Face FontLibrary::resolve(const std::string& name, bool bold, bool italic) {
    std::string key = name;
    key += bold ? "|b" : "|-";
    key += italic ? "i" : "-";
    auto cached = resolved_.find(key);
    if (cached != resolved_.end()) return cached->second;

    Face found;
    // A family registered with its data: the entry of the asked style, else the first.
    const Registered* pick = nullptr;
    for (const Registered& r : registered_) {
        if (r.family != name) continue;
        if (!pick) pick = &r;
        if (r.bold == bold && r.italic == italic) {
            pick = &r;
            break;
        }
    }
    if (pick) found = styled(openBytes(pick->data), bold, italic);
    // A font file.
    std::error_code ec;
    if (!found && !name.empty() && name != defaultFamily() && std::filesystem::is_regular_file(name, ec))
        found = styled(openFile(name), bold, italic);
    // An installed family.
    if (!found && !name.empty() && name != defaultFamily()) {
        const DeviceFont* best = nullptr;
        int want = bold ? (italic ? 1 : 0) : (italic ? 2 : 3);
        std::string lname = lower(name);
        for (const DeviceFont& d : deviceFonts()) {
            if (lower(d.name) != lname) continue;
            if (!best || (d.style == want && best->style != want) || (best->style != want && d.style == 3)) best = &d;
        }
        if (best) found = styled(openFile(best->path), bold, italic);
    }
    if (!found) {
        int variant = (bold ? 1 : 0) + (italic ? 2 : 0);
        found = styled(openFile(std::string(DEFAULT_FONT_DIR) + DEFAULT_FILES[variant]), bold, italic);
        if (!found) found = styled(openFile(std::string(DEFAULT_FONT_DIR) + DEFAULT_FILES[0]), bold, italic);
    }
    resolved_[key] = found;
    return found;
}

bool FontLibrary::setSize(FT_Face face, int pixelSize) {
    if (face->size && face->size->metrics.y_ppem == pixelSize) return true;
    return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(1, pixelSize))) == 0;
}

void FontLibrary::lineMetrics(const Face& f, int pixelSize, double& ascent, double& descent) {
    ascent = descent = 0;
    if (!f || !setSize(f.face, pixelSize)) return;
    ascent = std::ceil(f.face->size->metrics.ascender / 64.0);
    descent = std::ceil(-f.face->size->metrics.descender / 64.0);
}

bool FontLibrary::load(const Face& f, int pixelSize, char32_t c, bool render) {
    if (!f || !setSize(f.face, pixelSize)) return false;
    FT_UInt index = FT_Get_Char_Index(f.face, c);
    if (FT_Load_Glyph(f.face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
    FT_GlyphSlot slot = f.face->glyph;
    if (f.obliqueSynth) FT_GlyphSlot_Oblique(slot);
    if (f.emboldenSynth) FT_GlyphSlot_Embolden(slot);
    if (render && slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return false;
    return true;
}

uint64_t FontLibrary::glyphKey(const Face& f, int pixelSize, char32_t c) const {
    return (static_cast<uint64_t>(f.id) << 44) | (static_cast<uint64_t>(f.emboldenSynth) << 43) |
           (static_cast<uint64_t>(f.obliqueSynth) << 42) |
           (static_cast<uint64_t>(std::clamp(pixelSize, 0, 0x1FFFFF)) << 21) | (c & 0x1FFFFF);
}

double FontLibrary::advance(const Face& f, int pixelSize, char32_t c) {
    if (!f) return 0;
    uint64_t key = glyphKey(f, pixelSize, c);
    auto it = advances_.find(key);
    if (it != advances_.end()) return it->second;
    double a = load(f, pixelSize, c, false) ? std::round(f.face->glyph->advance.x / 64.0) : 0;
    advances_[key] = a;
    return a;
}

double FontLibrary::kerning(const Face& f, int pixelSize, char32_t left, char32_t right) {
    if (!f || !FT_HAS_KERNING(f.face) || !setSize(f.face, pixelSize)) return 0;
    FT_Vector k;
    if (FT_Get_Kerning(f.face, FT_Get_Char_Index(f.face, left), FT_Get_Char_Index(f.face, right), FT_KERNING_DEFAULT,
                       &k) != 0)
        return 0;
    return std::round(k.x / 64.0);
}

bool FontLibrary::render(const Face& f, int pixelSize, char32_t c, Glyph& out) {
    if (!f) return false;
    uint64_t key = glyphKey(f, pixelSize, c);
    auto it = glyphs_.find(key);
    if (it == glyphs_.end()) {
        if (glyphs_.size() >= MAX_GLYPHS) glyphs_.clear();
        CachedGlyph g;
        if (load(f, pixelSize, c, true) && f.face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            FT_GlyphSlot slot = f.face->glyph;
            g.ok = true;
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.width = static_cast<int>(slot->bitmap.width);
            g.rows = static_cast<int>(slot->bitmap.rows);
            g.advance = std::round(slot->advance.x / 64.0);
            g.pixels.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.rows));
            for (int r = 0; r < g.rows; ++r) {
                const uint8_t* row = slot->bitmap.buffer + static_cast<std::ptrdiff_t>(r) * slot->bitmap.pitch;
                std::copy(row, row + g.width, g.pixels.begin() + static_cast<std::ptrdiff_t>(r) * g.width);
            }
        }
        it = glyphs_.emplace(key, std::move(g)).first;
    }
    const CachedGlyph& g = it->second;
    if (!g.ok) return false;
    out.left = g.left;
    out.top = g.top;
    out.width = g.width;
    out.rows = g.rows;
    out.pitch = g.width;
    out.buffer = g.pixels.data();
    out.advance = g.advance;
    return true;
}

const std::vector<FontLibrary::DeviceFont>& FontLibrary::deviceFonts() {
    if (device_) return *device_;
    device_.emplace();
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const char* dir : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
        std::error_code ec;
        if (!fs::is_directory(dir, ec)) continue;
        for (auto it = fs::recursive_directory_iterator(dir, fs::directory_options::skip_permission_denied, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_regular_file(ec)) continue;
            std::string ext = lower(it->path().extension().string());
            if (ext == ".ttf" || ext == ".otf" || ext == ".ttc") files.push_back(it->path().string());
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::string& path : files) {
        FT_Face face = nullptr;
        if (!library_ || FT_New_Face(library_, path.c_str(), 0, &face) != 0) continue;
        Info info = infoOf(face);
        FT_Done_Face(face);
        if (info.familyName.empty()) continue;
        int style = info.bold ? (info.italic ? 1 : 0) : (info.italic ? 2 : 3);
        device_->push_back({info.familyName, style, path});
    }
    return *device_;
}

}  // namespace media
