#include "EngStringUtil.h"

#include <optional>

#include "EngMath.h"
#include "LabelValuePair.h"
#include "engine/EngG.h"
#include "engine/debug/DebuggerFrontEnd.h"
#include "framework/assets/Assets.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Matrix.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/ClassRef.h"
#include "platform/runtime/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace engine {

std::string EngStringUtil::getDebugString(const std::vector<runtime::Ref<LabelValuePair>>& pairs) {
    std::string text = "(";
    int precision = EngG::debugger ? EngG::debugger->precision : 3;
    for (const auto& pair : pairs) {
        runtime::Value value = pair->value;
        if (value.isNumber()) value = runtime::Value(EngMath::roundDecimal(value.toFloat(), precision));
        text += pair->label.toText() + ": " + value.toText() + " | ";
        pair->put();
    }
    if (!pairs.empty()) {
        text.resize(text.size() - 2);
        std::size_t start = text.find_first_not_of(" \t\r\n");
        std::size_t end = text.find_last_not_of(" \t\r\n");
        text = start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
    }
    return text + ")";
}

namespace {

std::optional<std::string> className(const runtime::ClassInfo* ci, bool simple) {
    if (!ci) return std::nullopt;
    std::string name = ci->name();
    for (std::size_t p; (p = name.find("::")) != std::string::npos;) name.replace(p, 2, ".");
    if (simple) {
        std::size_t dot = name.rfind('.');
        if (dot != std::string::npos) name = name.substr(dot + 1);
    }
    return name;
}

}  // namespace

bool EngStringUtil::sameClassName(const runtime::ClassInfo* a, const runtime::ClassInfo* b, bool simple) {
    return className(a, simple) == className(b, simple);
}

bool EngStringUtil::sameClassName(const runtime::Object* a, const runtime::Object* b, bool simple) {
    return sameClassName(a ? a->classInfo() : nullptr, b ? b->classInfo() : nullptr, simple);
}

namespace {
using runtime::Numbers;

std::string num(double v) { return Numbers::toText(v); }

std::string twoDigits(int32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::vector<std::string> splitAtComma(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return pieces;
}

std::string writeRows(const std::vector<int32_t>& values, int width, int rows) {
    std::string out;
    for (int row = 0; row < rows; ++row) {
        if (row > 0) out += "\n";
        for (int col = 0; col < width; ++col) {
            if (col > 0) out += ", ";
            out += std::to_string(values[static_cast<std::size_t>(row) * width + col]);
        }
    }
    return out;
}
}  // namespace

std::string EngStringUtil::formatTicks(int32_t startTicks, int32_t endTicks) {
    int32_t diff = static_cast<int32_t>(static_cast<uint32_t>(endTicks) - static_cast<uint32_t>(startTicks));
    return num(std::fabs(static_cast<double>(diff)) / 1000) + "s";
}

std::string EngStringUtil::formatTime(double seconds, bool showMS) {
    int32_t whole = Numbers::floatToInt(seconds);
    std::string text = std::to_string(Numbers::floatToInt(seconds / 60)) + ":";
    text += twoDigits(whole % 60);
    if (showMS) text += "." + twoDigits(Numbers::floatToInt((seconds - whole) * 100));
    return text;
}

std::string EngStringUtil::formatArray(const std::vector<runtime::Value>& list) {
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) text += (i ? ", " : "") + list[i].toText();
    return text;
}

std::string EngStringUtil::formatStringMap(const std::map<std::string, runtime::Value, std::less<>>& map) {
    std::string text;
    for (const auto& [key, value] : map) text += key + ", ";
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

std::string EngStringUtil::formatMoney(double amount, bool showDecimal, bool englishStyle) {
    int64_t whole = static_cast<int64_t>(std::floor(amount));
    std::string text, separator;
    while (whole > 0) {
        if (!text.empty() && separator.empty()) separator = englishStyle ? "," : ".";
        int64_t group = whole - whole / 1000 * 1000;
        whole /= 1000;
        std::string zeros;
        if (whole > 0) {
            if (group < 100) zeros += "0";
            if (group < 10) zeros += "0";
        }
        text = zeros + std::to_string(group) + separator + text;
    }
    if (showDecimal) {
        int64_t cents = static_cast<int64_t>(amount * 100) - static_cast<int64_t>(amount) * 100;
        text += englishStyle ? "." : ",";
        if (cents < 10) text += "0";
        text += std::to_string(cents);
    }
    return text;
}

std::string EngStringUtil::formatBytes(double bytes, int precision) {
    static const char* units[] = {"Bytes", "kB", "MB", "GB", "TB", "PB"};
    int unit = 0;
    while (bytes >= 1024 && unit < 5) {
        bytes *= 1.0 / 1024;
        ++unit;
    }
    return num(EngMath::roundDecimal(bytes, precision)) + units[unit];
}

std::string EngStringUtil::filterDigits(const std::string& input) {
    std::string out;
    for (char c : input)
        if (c >= '0' && c <= '9') out += c;
    return out;
}

std::string EngStringUtil::htmlFormat(const std::string& text, int size, const runtime::String& color, bool bold,
                                      bool italic, bool underlined) {
    std::string colour = color.isNull() ? "FFFFFF" : color.toText();
    std::string prefix = "<font size='" + std::to_string(size) + "' color='#" + colour + "'>";
    std::string suffix = "</font>";
    if (bold) prefix = "<b>" + prefix, suffix += "</b>";
    if (italic) prefix = "<i>" + prefix, suffix += "</i>";
    if (underlined) prefix = "<u>" + prefix, suffix += "</u>";
    return prefix + text + suffix;
}

std::string EngStringUtil::getDomain(const std::string& url) {
    std::size_t scheme = url.find("://");
    std::size_t start = scheme == std::string::npos ? 0 : scheme + 3;
    std::size_t end = url.find('/', start);
    std::string host = url.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::size_t last = host.rfind('.');
    if (last != std::string::npos) {
        std::size_t before = last == 0 ? std::string::npos : host.rfind('.', last - 1);
        host = before == std::string::npos ? host : host.substr(before + 1);
    }
    std::size_t port = host.find(':');
    if (port != std::string::npos) host.resize(port);
    return host.empty() ? "local" : host;
}

std::vector<int32_t> EngStringUtil::toIntArray(const runtime::String& text) {
    std::vector<int32_t> out;
    if (text.isNull() || text.toText().empty()) return out;
    for (const auto& piece : splitAtComma(text.toText())) out.push_back(Numbers::parseInt(piece).value_or(0));
    return out;
}

std::vector<double> EngStringUtil::toFloatArray(const runtime::String& text) {
    std::vector<double> out;
    if (text.isNull() || text.toText().empty()) return out;
    for (const auto& piece : splitAtComma(text.toText()))
        out.push_back(Numbers::parseFloat(piece).value_or(std::numeric_limits<double>::quiet_NaN()));
    return out;
}

std::string EngStringUtil::arrayToCSV(const std::vector<int32_t>& data, int width, bool invert) {
    if (width <= 0) return "";
    int rows = static_cast<int>(data.size()) / width;
    std::vector<int32_t> values(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(rows) * width);
    if (invert)
        for (auto& v : values) v = v == 0 ? 1 : (v == 1 ? 0 : v);
    return writeRows(values, width, rows);
}

std::string EngStringUtil::bitmapToCSV(runtime::Ref<framework::BitmapData> bitmap, bool invert, int scale,
                                       const std::vector<int32_t>* colorMap) {
    if (!bitmap) return "";
    if (scale > 1) {
        auto scaled = runtime::make<framework::BitmapData>(bitmap->get_width() * scale, bitmap->get_height() * scale);
        scaled->draw(bitmap, runtime::make<framework::Matrix>(scale, 0, 0, scale));
        bitmap = scaled;
    }
    int width = bitmap->get_width(), height = bitmap->get_height();
    std::vector<int32_t> values;
    values.reserve(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            int32_t pixel = bitmap->getPixel(col, row);
            if (colorMap) {
                auto it = std::find(colorMap->begin(), colorMap->end(), pixel);
                values.push_back(it == colorMap->end() ? -1 : static_cast<int32_t>(it - colorMap->begin()));
            } else if (invert) {
                values.push_back(pixel > 0 ? 1 : 0);
            } else {
                values.push_back(pixel == 0 ? 1 : 0);
            }
        }
    return writeRows(values, width, height);
}

std::string EngStringUtil::imageToCSV(const runtime::Value& imageFile, bool invert, int scale) {
    runtime::Ref<framework::BitmapData> bitmap;
    if (imageFile.isString()) {
        bitmap = framework::Assets::getBitmapData(imageFile.toStringValue(), false);
    } else if (auto* ref = dynamic_cast<runtime::ClassRef*>(imageFile.object())) {
        if (runtime::Ref<runtime::Object> instance = ref->create())
            bitmap = runtime::Ref<framework::BitmapData>(
                dynamic_cast<framework::BitmapData*>(instance->getField("bitmapData").object()));
    }
    return bitmapToCSV(bitmap, invert, scale);
}

}  // namespace engine
