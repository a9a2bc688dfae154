#include "TextFieldModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "platform/runtime/Array.h"

namespace media {

using runtime::Value;

namespace {
std::u32string decodeUtf8(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            auto cb = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (cb & 0x3F);
        }
        if (!ok) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string encodeUtf8(const std::u32string& s, std::size_t from = 0, std::size_t to = std::u32string::npos) {
    std::string out;
    to = std::min(to, s.size());
    for (std::size_t i = from; i < to; ++i) appendUtf8(out, s[i]);
    return out;
}

// Line feeds for "\r\n" and "\r".
std::u32string normalized(const std::u32string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == U'\r') {
            out.push_back(U'\n');
            if (i + 1 < s.size() && s[i + 1] == U'\n') ++i;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

int pixelSize(const TextFieldModel::Style& s) {
    double px = std::round(s.size);
    return px < 1 ? 1 : px > 2000 ? 2000 : static_cast<int>(px);
}

uint32_t blendOver(uint32_t dst, uint32_t rgb, unsigned a) {
    unsigned da = dst >> 24;
    unsigned outA = a + (da * (255 - a) + 127) / 255;
    if (outA == 0) return 0;
    unsigned dw = da * (255 - a);  // weight of the destination, ×255
    auto ch = [&](int shift) {
        unsigned s = (rgb >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        return ((s * a * 255 + d * dw) / 255 + outA / 2) / outA;
    };
    return (outA << 24) | (std::min(255u, ch(16)) << 16) | (std::min(255u, ch(8)) << 8) | std::min(255u, ch(0));
}

// The fields of a format record, one entry each: how to write a style's value into the record,
// whether two styles agree on it, how a non-null record value changes a style, and whether it
// belongs to the paragraph.
struct FormatField {
    const char* name;
    bool paragraph;
    std::function<Value(const TextFieldModel::Style&)> get;
    std::function<void(TextFieldModel::Style&, const Value&)> set;
};

Value numbers(const std::vector<double>& xs) {
    auto a = runtime::make<runtime::Array>();
    for (double x : xs) a->push(Value(x));
    return Value(a);
}

std::vector<double> numbersOf(const Value& v) {
    std::vector<double> out;
    if (auto* a = v.as<runtime::Array>())
        for (int i = 0; i < a->length(); ++i) out.push_back(a->at(i).toFloat());
    return out;
}

std::string textOf(const Value& v) { return v.isNull() ? std::string() : v.toText(); }

const std::vector<FormatField>& formatFields() {
    using S = TextFieldModel::Style;
    static const std::vector<FormatField> fields = {
        {"align", true, [](const S& s) { return Value(s.align); },
         [](S& s, const Value& v) {
             std::string a = textOf(v);
             if (a == "left" || a == "right" || a == "center" || a == "justify") s.align = a;
         }},
        {"blockIndent", true, [](const S& s) { return Value(s.blockIndent); },
         [](S& s, const Value& v) { s.blockIndent = v.toFloat(); }},
        {"bold", false, [](const S& s) { return Value(s.bold); }, [](S& s, const Value& v) { s.bold = v.toBool(); }},
        {"bullet", true, [](const S& s) { return Value(s.bullet); }, [](S& s, const Value& v) { s.bullet = v.toBool(); }},
        {"color", false, [](const S& s) { return Value(static_cast<int>(s.color)); },
         [](S& s, const Value& v) { s.color = static_cast<uint32_t>(v.toInt()) & 0xFFFFFF; }},
        {"display", true, [](const S& s) { return Value(s.display); },
         [](S& s, const Value& v) { s.display = textOf(v); }},
        {"font", false, [](const S& s) { return Value(s.font); }, [](S& s, const Value& v) { s.font = textOf(v); }},
        {"indent", true, [](const S& s) { return Value(s.indent); }, [](S& s, const Value& v) { s.indent = v.toFloat(); }},
        {"italic", false, [](const S& s) { return Value(s.italic); }, [](S& s, const Value& v) { s.italic = v.toBool(); }},
        {"kerning", false, [](const S& s) { return Value(s.kerning); },
         [](S& s, const Value& v) { s.kerning = v.toBool(); }},
        {"leading", true, [](const S& s) { return Value(s.leading); },
         [](S& s, const Value& v) { s.leading = v.toFloat(); }},
        {"leftMargin", true, [](const S& s) { return Value(s.leftMargin); },
         [](S& s, const Value& v) { s.leftMargin = v.toFloat(); }},
        {"letterSpacing", false, [](const S& s) { return Value(s.letterSpacing); },
         [](S& s, const Value& v) { s.letterSpacing = v.toFloat(); }},
        {"rightMargin", true, [](const S& s) { return Value(s.rightMargin); },
         [](S& s, const Value& v) { s.rightMargin = v.toFloat(); }},
        {"size", false, [](const S& s) { return Value(s.size); },
         [](S& s, const Value& v) {
             double px = v.toFloat();
             if (std::isfinite(px) && px > 0) s.size = px;
         }},
        {"tabStops", true, [](const S& s) { return numbers(s.tabStops); },
         [](S& s, const Value& v) { s.tabStops = numbersOf(v); }},
        {"target", false, [](const S& s) { return Value(s.target); }, [](S& s, const Value& v) { s.target = textOf(v); }},
        {"underline", false, [](const S& s) { return Value(s.underline); },
         [](S& s, const Value& v) { s.underline = v.toBool(); }},
        {"url", false, [](const S& s) { return Value(s.url); }, [](S& s, const Value& v) { s.url = textOf(v); }},
    };
    return fields;
}

bool sameField(const FormatField& f, const TextFieldModel::Style& a, const TextFieldModel::Style& b) {
    if (std::string_view(f.name) == "tabStops") return a.tabStops == b.tabStops;
    return f.get(a) == f.get(b);
}

std::string escapeHtml(const std::u32string& s, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i) {
        switch (s[i]) {
            case U'<': out += "&lt;"; break;
            case U'>': out += "&gt;"; break;
            case U'&': out += "&amp;"; break;
            case U'"': out += "&quot;"; break;
            default: appendUtf8(out, s[i]);
        }
    }
    return out;
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
}  // namespace

TextFieldModel::TextFieldModel() {
    default_.font = FontLibrary::get().defaultFamily();
    styles_.push_back(default_);
}

int TextFieldModel::styleIndex(const Style& s) {
    for (std::size_t i = 0; i < styles_.size(); ++i)
        if (styles_[i] == s) return static_cast<int>(i);
    styles_.push_back(s);
    return static_cast<int>(styles_.size()) - 1;
}

const TextFieldModel::Style& TextFieldModel::styleAt(int i) const {
    if (i < 0 || i >= static_cast<int>(styleOf_.size())) return default_;
    return styles_[static_cast<std::size_t>(styleOf_[static_cast<std::size_t>(i)])];
}

FontLibrary::Face TextFieldModel::faceAt(int i) {
    FontLibrary& lib = FontLibrary::get();
    if (i < 0 || i >= static_cast<int>(styleOf_.size())) return lib.resolve(default_.font, default_.bold, default_.italic);
    if (facesGeneration_ != lib.generation()) {
        faces_.clear();
        facesGeneration_ = lib.generation();
    }
    auto index = static_cast<std::size_t>(styleOf_[static_cast<std::size_t>(i)]);
    if (faces_.size() <= index) faces_.resize(styles_.size());
    if (!faces_[index]) {
        const Style& s = styles_[index];
        faces_[index] = lib.resolve(s.font, s.bold, s.italic);
    }
    return faces_[index];
}

// ---- text ----

std::string TextFieldModel::text() const { return encodeUtf8(text_); }

void TextFieldModel::setText(const std::string& utf8) {
    text_ = normalized(decodeUtf8(utf8));
    styles_.assign(1, default_);
    faces_.clear();
    styleOf_.assign(text_.size(), 0);
    invalidate();
}

void TextFieldModel::setHtmlText(const std::string& html) {
    std::vector<Style> stack{default_};
    std::vector<std::string> opened;
    std::u32string out;
    std::vector<Style> per;
    bool endsWithParagraph = false;
    auto emit = [&](char32_t c) {
        out.push_back(c);
        per.push_back(stack.back());
        endsWithParagraph = false;
    };
    std::size_t i = 0;
    while (i < html.size()) {
        char ch = html[i];
        if (ch == '<') {
            std::size_t close = html.find('>', i);
            if (close == std::string::npos) break;
            std::string tag = html.substr(i + 1, close - i - 1);
            i = close + 1;
            bool closing = !tag.empty() && tag[0] == '/';
            std::size_t p = closing ? 1 : 0;
            std::size_t nameEnd = p;
            while (nameEnd < tag.size() && std::isalnum(static_cast<unsigned char>(tag[nameEnd]))) ++nameEnd;
            std::string name = lowerAscii(tag.substr(p, nameEnd - p));
            if (name == "br") {
                emit(U'\n');
                continue;
            }
            if (closing) {
                auto it = std::find(opened.rbegin(), opened.rend(), name);
                if (it != opened.rend()) {
                    std::size_t keep = static_cast<std::size_t>(opened.rend() - it) - 1;
                    opened.resize(keep);
                    stack.resize(keep + 1);
                }
                if (name == "p") {
                    emit(U'\n');
                    endsWithParagraph = true;
                }
                continue;
            }
            // Attributes: key="value" or key='value'.
            std::vector<std::pair<std::string, std::string>> attrs;
            for (std::size_t k = nameEnd; k < tag.size();) {
                while (k < tag.size() && std::isspace(static_cast<unsigned char>(tag[k]))) ++k;
                std::size_t eq = tag.find('=', k);
                if (eq == std::string::npos) break;
                std::string key = lowerAscii(tag.substr(k, eq - k));
                while (!key.empty() && std::isspace(static_cast<unsigned char>(key.back()))) key.pop_back();
                std::size_t v0 = eq + 1;
                while (v0 < tag.size() && std::isspace(static_cast<unsigned char>(tag[v0]))) ++v0;
                if (v0 >= tag.size()) break;
                char quote = tag[v0];
                std::size_t v1;
                std::string value;
                if (quote == '"' || quote == '\'') {
                    v1 = tag.find(quote, v0 + 1);
                    if (v1 == std::string::npos) v1 = tag.size();
                    value = tag.substr(v0 + 1, v1 - v0 - 1);
                    k = v1 + 1;
                } else {
                    v1 = v0;
                    while (v1 < tag.size() && !std::isspace(static_cast<unsigned char>(tag[v1]))) ++v1;
                    value = tag.substr(v0, v1 - v0);
                    k = v1;
                }
                attrs.emplace_back(key, value);
            }
            Style s = stack.back();
            bool known = true;
            if (name == "b") s.bold = true;
            else if (name == "i") s.italic = true;
            else if (name == "u") s.underline = true;
            else if (name == "font" || name == "a" || name == "p") {
                for (const auto& [key, value] : attrs) {
                    if (name == "font" && key == "face") s.font = value;
                    if (name == "font" && key == "size") {
                        double px = std::atof(value.c_str());
                        if (px > 0) s.size = px;
                    }
                    if (name == "font" && key == "color" && value.size() == 7 && value[0] == '#')
                        s.color = static_cast<uint32_t>(std::strtoul(value.c_str() + 1, nullptr, 16)) & 0xFFFFFF;
                    if (name == "a" && key == "href") s.url = value;
                    if (name == "a" && key == "target") s.target = value;
                    if (name == "p" && key == "align") {
                        std::string a = lowerAscii(value);
                        if (a == "left" || a == "right" || a == "center" || a == "justify") s.align = a;
                    }
                }
            } else {
                known = false;
            }
            if (known && (tag.empty() || tag.back() != '/')) {
                stack.push_back(s);
                opened.push_back(name);
            }
            continue;
        }
        if (ch == '&') {
            std::size_t semi = html.find(';', i);
            if (semi != std::string::npos && semi - i <= 10) {
                std::string e = html.substr(i + 1, semi - i - 1);
                char32_t c = 0;
                if (e == "lt") c = U'<';
                else if (e == "gt") c = U'>';
                else if (e == "amp") c = U'&';
                else if (e == "quot") c = U'"';
                else if (e == "apos") c = U'\'';
                else if (e == "nbsp") c = U'\u00A0';
                else if (e.size() > 2 && e[0] == '#' && (e[1] == 'x' || e[1] == 'X'))
                    c = static_cast<char32_t>(std::strtoul(e.c_str() + 2, nullptr, 16));
                else if (e.size() > 1 && e[0] == '#')
                    c = static_cast<char32_t>(std::strtoul(e.c_str() + 1, nullptr, 10));
                if (c != 0 && c < 0x110000) {
                    emit(c);
                    i = semi + 1;
                    continue;
                }
            }
            emit(U'&');
            ++i;
            continue;
        }
        // One UTF-8 character.
        std::size_t len = 1;
        auto b = static_cast<unsigned char>(ch);
        if (b >= 0xC0) len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        for (char32_t c : normalized(decodeUtf8(html.substr(i, len)))) emit(c);
        i += len;
    }
    if (endsWithParagraph && !out.empty()) {
        out.pop_back();
        per.pop_back();
    }
    text_ = std::move(out);
    styles_.assign(1, default_);
    faces_.clear();
    styleOf_.clear();
    for (const Style& s : per) styleOf_.push_back(styleIndex(s));
    invalidate();
}

std::string TextFieldModel::htmlText() const {
    std::string out;
    std::size_t n = text_.size();
    for (std::size_t i = 0; i < n;) {
        if (text_[i] == U'\n') {
            out += '\n';
            ++i;
            continue;
        }
        const Style& s = styleAt(static_cast<int>(i));
        std::size_t j = i;
        while (j < n && text_[j] != U'\n' && styleOf_[j] == styleOf_[i]) ++j;
        char head[64];
        std::snprintf(head, sizeof head, "\" size=\"%g\" color=\"#%06X\">", s.size, s.color);
        std::string open = "<font face=\"" + s.font + head, close = "</font>";
        if (!s.url.empty()) {
            open += "<a href=\"" + s.url + "\" target=\"" + s.target + "\">";
            close = "</a>" + close;
        }
        if (s.bold) open += "<b>", close = "</b>" + close;
        if (s.italic) open += "<i>", close = "</i>" + close;
        if (s.underline) open += "<u>", close = "</u>" + close;
        out += open + escapeHtml(text_, i, j) + close;
        i = j;
    }
    return out;
}

// ---- formats ----

namespace {
void rangeOf(int begin, int end, int n, int& b, int& e) {
    if (begin < 0 && end < 0) {
        b = 0;
        e = n;
    } else if (end < 0) {
        b = begin;
        e = begin + 1;
    } else {
        b = std::max(0, begin);
        e = end;
    }
    b = std::clamp(b, 0, n);
    e = std::clamp(e, b, n);
}
}  // namespace

void TextFieldModel::readFormat(const Value& record, int begin, int end) const {
    if (!record.isObject()) return;
    int n = static_cast<int>(text_.size()), b, e;
    rangeOf(begin, end, n, b, e);
    if (b >= e) {
        // No character in range: the one at begin, else the default format.
        int at = std::min(b, n - 1);
        const Style& s = styleAt(at);
        for (const FormatField& f : formatFields()) record.setField(f.name, f.get(s));
        return;
    }
    const Style& first = styleAt(b);
    for (const FormatField& f : formatFields()) {
        bool same = true;
        for (int i = b + 1; i < e && same; ++i)
            if (styleOf_[static_cast<std::size_t>(i)] != styleOf_[static_cast<std::size_t>(b)])
                same = sameField(f, first, styleAt(i));
        record.setField(f.name, same ? f.get(first) : Value());
    }
}

void TextFieldModel::applyFormat(const Value& record, int begin, int end) {
    if (!record.isObject()) return;
    int n = static_cast<int>(text_.size()), b, e;
    rangeOf(begin, end, n, b, e);
    if (b >= e) return;
    std::vector<std::pair<const FormatField*, Value>> given;
    for (const FormatField& f : formatFields()) {
        Value v = record.field(f.name);
        if (!v.isNull()) given.emplace_back(&f, v);
    }
    if (given.empty()) return;
    // Paragraph attributes go to the whole paragraphs the range touches.
    int pb = b, pe = e;
    while (pb > 0 && text_[static_cast<std::size_t>(pb - 1)] != U'\n') --pb;
    while (pe < n && text_[static_cast<std::size_t>(pe - 1)] != U'\n' && text_[static_cast<std::size_t>(pe)] != U'\n') ++pe;
    for (int i = pb; i < pe; ++i) {
        Style s = styleAt(i);
        bool inRange = i >= b && i < e;
        for (const auto& [f, v] : given)
            if (f->paragraph || inRange) f->set(s, v);
        styleOf_[static_cast<std::size_t>(i)] = styleIndex(s);
    }
    invalidate();
}

void TextFieldModel::readDefaultFormat(const Value& record) const {
    if (!record.isObject()) return;
    for (const FormatField& f : formatFields()) record.setField(f.name, f.get(default_));
}

void TextFieldModel::applyDefaultFormat(const Value& record) {
    if (!record.isObject()) return;
    for (const FormatField& f : formatFields()) {
        Value v = record.field(f.name);
        if (!v.isNull()) f.set(default_, v);
    }
    invalidate();
}

void TextFieldModel::setTextColor(uint32_t rgb) {
    default_.color = rgb & 0xFFFFFF;
    for (std::size_t i = 0; i < styleOf_.size(); ++i) {
        Style s = styles_[static_cast<std::size_t>(styleOf_[i])];
        s.color = default_.color;
        styleOf_[i] = styleIndex(s);
    }
    invalidate();
}

// ---- box ----

void TextFieldModel::setWidth(double w) {
    width_ = std::isfinite(w) && w > 0 ? w : 0;
    invalidate();
}

void TextFieldModel::setHeight(double h) {
    height_ = std::isfinite(h) && h > 0 ? h : 0;
    invalidate();
}

void TextFieldModel::setAutoSize(int a) {
    autoSize_ = a >= 0 && a <= 3 ? a : NONE;
    invalidate();
}

void TextFieldModel::setWordWrap(bool on) {
    wordWrap_ = on;
    invalidate();
}

void TextFieldModel::setDisplayAsPassword(bool on) {
    password_ = on;
    invalidate();
}

// ---- layout ----

double TextFieldModel::charAdvance(int i, int next) {
    const Style& s = styleAt(i);
    FontLibrary& lib = FontLibrary::get();
    FontLibrary::Face face = faceAt(i);
    int px = pixelSize(s);
    char32_t c = shown(i);
    double a = c == U'\t' ? 4 * lib.advance(face, px, U' ') : lib.advance(face, px, c);
    a += s.letterSpacing;
    if (s.kerning && next >= 0 && next < static_cast<int>(text_.size()) && styleAt(next).font == s.font &&
        pixelSize(styleAt(next)) == px)
        a += lib.kerning(face, px, c, shown(next));
    return a;
}

void TextFieldModel::layoutLines(double boxWidth) {
    lines_.clear();
    textWidth_ = 0;
    FontLibrary& lib = FontLibrary::get();
    int n = static_cast<int>(text_.size());
    double needWidth = 0;
    int ps = 0;
    for (;;) {
        int pe = ps;
        while (pe < n && text_[static_cast<std::size_t>(pe)] != U'\n') ++pe;
        const Style& para = styleAt(ps < n ? ps : n - 1);
        double avail0 = boxWidth - 2 * GUTTER - para.blockIndent - para.leftMargin - para.rightMargin;
        bool first = true;
        int ls = ps;
        do {
            double indent = first ? para.indent : 0;
            double avail = avail0 - indent;
            int le = ls, brk = -1;
            double w = 0;
            while (le < pe) {
                char32_t c = text_[static_cast<std::size_t>(le)];
                double a = charAdvance(le, le + 1 < pe ? le + 1 : -1);
                if (wordWrap_ && c != U' ' && le > ls && w + a > avail) break;
                w += a;
                ++le;
                if (c == U' ') brk = le;
            }
            bool wrapped = le < pe;
            if (wrapped && brk > ls) le = brk;
            int next = le;
            int we = le;
            if (wrapped)
                while (we > ls && text_[static_cast<std::size_t>(we - 1)] == U' ') --we;
            Line line;
            line.start = ls;
            line.end = le;
            for (int i = ls; i < we; ++i) line.width += charAdvance(i, i + 1 < we ? i + 1 : -1);
            for (int i = ls; i < std::max(le, ls + 1); ++i) {
                int at = i < le ? i : (ls < n ? ls : n - 1);
                const Style& s = styleAt(at);
                double a, d;
                lib.lineMetrics(faceAt(at), pixelSize(s), a, d);
                line.ascent = std::max(line.ascent, a);
                line.descent = std::max(line.descent, d);
            }
            line.leading = para.leading;
            double offset = 0;
            if (para.align == "right") offset = avail - line.width;
            else if (para.align == "center") offset = std::floor((avail - line.width) / 2);
            line.x = GUTTER + para.blockIndent + para.leftMargin + indent + offset;
            needWidth = std::max(needWidth, line.width + para.blockIndent + para.leftMargin + para.rightMargin + indent);
            textWidth_ = std::max(textWidth_, line.width);
            lines_.push_back(line);
            ls = next;
            first = false;
        } while (ls < pe);
        if (pe >= n) break;
        ps = pe + 1;
    }
    double y = GUTTER;
    textHeight_ = 0;
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        lines_[k].y = y;
        y += lines_[k].height() + lines_[k].leading;
        textHeight_ += lines_[k].height() + (k + 1 < lines_.size() ? lines_[k].leading : 0);
    }
    // Kept for autoSize: the width the widest line needs with its margins.
    needWidth_ = needWidth;
}

void TextFieldModel::layout() {
    layoutLines(width_);
    if (autoSize_ != NONE) {
        if (!wordWrap_) {
            double w = std::ceil(needWidth_) + 2 * GUTTER;
            if (autoSize_ == RIGHT) pendingShift_ += width_ - w;
            else if (autoSize_ == CENTER) pendingShift_ += (width_ - w) / 2;
            width_ = w;
            layoutLines(width_);
        }
        height_ = std::ceil(textHeight_) + 2 * GUTTER;
    }
    dirtyLayout_ = false;
    scrollV_ = std::clamp(scrollV_, 1, maxScrollV());
    scrollH_ = std::clamp(scrollH_, 0, maxScrollH());
}

double TextFieldModel::update() {
    if (dirtyLayout_) layout();
    double shift = pendingShift_;
    pendingShift_ = 0;
    return shift;
}

const std::vector<TextFieldModel::Line>& TextFieldModel::lines() {
    if (dirtyLayout_) layout();
    return lines_;
}

double TextFieldModel::textWidth() {
    lines();
    return textWidth_;
}

double TextFieldModel::textHeight() {
    lines();
    return textHeight_;
}

// ---- scrolling ----

int TextFieldModel::maxScrollV() {
    const auto& ls = lines();
    double avail = height_ - 2 * GUTTER, sum = 0;
    int last = static_cast<int>(ls.size()) - 1;
    for (int k = last; k >= 0; --k) {
        double h = ls[static_cast<std::size_t>(k)].height() + (k < last ? ls[static_cast<std::size_t>(k)].leading : 0);
        if (sum + h > avail && k < last) return k + 2;
        sum += h;
    }
    return 1;
}

int TextFieldModel::scrollV() {
    lines();
    return scrollV_;
}

void TextFieldModel::setScrollV(int v) {
    lines();
    scrollV_ = std::clamp(v, 1, maxScrollV());
    dirtyImage_ = true;
}

int TextFieldModel::bottomScrollV() {
    const auto& ls = lines();
    double avail = height_ - 2 * GUTTER, sum = 0;
    int bottom = scrollV_;
    for (int k = scrollV_ - 1; k < static_cast<int>(ls.size()); ++k) {
        sum += ls[static_cast<std::size_t>(k)].height();
        if (sum > avail && k > scrollV_ - 1) break;
        bottom = k + 1;
        sum += ls[static_cast<std::size_t>(k)].leading;
    }
    return bottom;
}

int TextFieldModel::maxScrollH() {
    lines();
    return std::max(0, static_cast<int>(std::ceil(needWidth_ - (width_ - 2 * GUTTER))));
}

int TextFieldModel::scrollH() {
    lines();
    return scrollH_;
}

void TextFieldModel::setScrollH(int v) {
    lines();
    scrollH_ = std::clamp(v, 0, maxScrollH());
    dirtyImage_ = true;
}

int TextFieldModel::lineOffset(int line) {
    const auto& ls = lines();
    if (line < 0 || line >= static_cast<int>(ls.size())) return -1;
    return ls[static_cast<std::size_t>(line)].start;
}

Value TextFieldModel::lineText(int line) {
    const auto& ls = lines();
    if (line < 0 || line >= static_cast<int>(ls.size())) return {};
    const Line& l = ls[static_cast<std::size_t>(line)];
    return Value(encodeUtf8(text_, static_cast<std::size_t>(l.start), static_cast<std::size_t>(l.end)));
}

void TextFieldModel::readLineMetrics(int line, const Value& record) {
    const auto& ls = lines();
    if (!record.isObject() || line < 0 || line >= static_cast<int>(ls.size())) return;
    const Line& l = ls[static_cast<std::size_t>(line)];
    record.setField("x", Value(l.x));
    record.setField("width", Value(l.width));
    record.setField("height", Value(l.height()));
    record.setField("ascent", Value(l.ascent));
    record.setField("descent", Value(l.descent));
    record.setField("leading", Value(l.leading));
}

// ---- drawing ----

Surface* TextFieldModel::image() {
    lines();
    // The picture covers the box up to MAX_IMAGE pixels a side; text beyond is not drawn.
    int w = static_cast<int>(std::ceil(std::min(width_, MAX_IMAGE))),
        h = static_cast<int>(std::ceil(std::min(height_, MAX_IMAGE)));
    if (w <= 0 || h <= 0) {
        image_ = nullptr;
        return nullptr;
    }
    if (image_ && !dirtyImage_ && image_->width() == w && image_->height() == h) return image_.get();
    uint32_t fill = background ? (0xFF000000u | (backgroundColor & 0xFFFFFF)) : 0;
    if (!image_ || image_->width() != w || image_->height() != h) image_ = runtime::make<Surface>(w, h, true, fill);
    else std::fill(image_->pixels(), image_->pixels() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    drawGlyphs(*image_);
    if (border) {
        uint32_t c = 0xFF000000u | (borderColor & 0xFFFFFF);
        for (int x = 0; x < w; ++x) image_->at(x, 0) = image_->at(x, h - 1) = c;
        for (int y = 0; y < h; ++y) image_->at(0, y) = image_->at(w - 1, y) = c;
    }
    image_->touch();
    dirtyImage_ = false;
    return image_.get();
}

void TextFieldModel::drawGlyphs(Surface& s) {
    FontLibrary& lib = FontLibrary::get();
    const int w = s.width(), h = s.height();
    auto blit = [&](const FontLibrary::Glyph& g, int x0, int y0, uint32_t rgb) {
        for (int r = 0; r < g.rows; ++r) {
            int y = y0 + r;
            if (y < 0 || y >= h) continue;
            const uint8_t* row = g.buffer + static_cast<std::ptrdiff_t>(r) * g.pitch;
            for (int c = 0; c < g.width; ++c) {
                int x = x0 + c;
                if (x < 0 || x >= w || row[c] == 0) continue;
                s.at(x, y) = blendOver(s.at(x, y), rgb, row[c]);
            }
        }
    };
    if (lines_.empty()) return;
    int first = std::clamp(scrollV_ - 1, 0, static_cast<int>(lines_.size()) - 1);
    double dy = lines_[static_cast<std::size_t>(first)].y - GUTTER;
    for (std::size_t k = static_cast<std::size_t>(first); k < lines_.size(); ++k) {
        const Line& l = lines_[k];
        double top = l.y - dy;
        if (top >= h) break;
        int baseline = static_cast<int>(std::round(top + l.ascent));
        double pen = l.x - scrollH_;
        for (int i = l.start; i < l.end; ++i) {
            const Style& st = styleAt(i);
            int px = pixelSize(st);
            char32_t c = shown(i);
            FontLibrary::Face face = faceAt(i);
            FontLibrary::Glyph g;
            if (c != U' ' && c != U'\t' && lib.render(face, px, c, g))
                blit(g, static_cast<int>(std::round(pen)) + g.left, baseline - g.top, st.color);
            double adv = charAdvance(i, i + 1 < l.end ? i + 1 : -1);
            if (st.underline) {
                int thick = std::max(1, px / 14);
                uint32_t col = 0xFF000000u | st.color;
                for (int y = baseline + 1; y < baseline + 1 + thick && y < h; ++y)
                    for (int x = static_cast<int>(std::round(pen)); x < static_cast<int>(std::round(pen + adv)); ++x)
                        if (x >= 0 && x < w && y >= 0) s.at(x, y) = blendOver(s.at(x, y), col & 0xFFFFFF, 255);
            }
            pen += adv;
        }
    }
}

}  // namespace media
