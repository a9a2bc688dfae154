#include "Numbers.h"

#include <charconv>
#include <cmath>

namespace runtime {

std::string Numbers::toText(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, res.ptr);
}

int32_t Numbers::floatToInt(double v) {
    if (!std::isfinite(v)) return 0;
    double t = std::trunc(v);
    if (t >= 9223372036854775808.0 || t < -9223372036854775808.0) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(t))));
}

static std::size_t skipBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) ++i;
    return i;
}

std::optional<int32_t> Numbers::parseInt(std::string_view text) {
    std::size_t i = skipBlanks(text);
    bool neg = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    uint32_t acc = 0;
    bool any = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        acc = acc * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
        any = true;
    }
    if (!any) return std::nullopt;
    return static_cast<int32_t>(neg ? 0u - acc : acc);
}

std::optional<double> Numbers::parseFloat(std::string_view text) {
    std::size_t i = skipBlanks(text);
    std::string_view rest = text.substr(i);
    if (!rest.empty() && rest[0] == '+') rest.remove_prefix(1);
    double v = 0;
    auto res = std::from_chars(rest.data(), rest.data() + rest.size(), v);
    if (res.ec != std::errc()) return std::nullopt;
    return v;
}

}  // namespace runtime
