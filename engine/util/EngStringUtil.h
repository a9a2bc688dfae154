#pragma once
// Engine text helpers: the uniform debug text, formatting of times, money, byte counts and
// lists, rich-text markup, web domains, class-name comparison, number lists and comma-separated
// grids of tile values.
#include <map>
#include <string>
#include <vector>

#include "platform/runtime/Value.h"

namespace framework {
class BitmapData;
}

namespace runtime {
class ClassInfo;
}

namespace engine {

class LabelValuePair;

class EngStringUtil {
public:
    // "(label: value | label: value)"; numbers rounded to the debugger's precision. Every pair
    // goes back to its pool.
    static std::string getDebugString(const std::vector<runtime::Ref<LabelValuePair>>& pairs);
    // Compares the class names of two objects (or classes); with simple, only the part after
    // the last "." counts. Two missing names are equal.
    static bool sameClassName(const runtime::Object* a, const runtime::Object* b, bool simple = true);
    static bool sameClassName(const runtime::ClassInfo* a, const runtime::ClassInfo* b, bool simple = true);

    // |endTicks - startTicks| / 1000 followed by "s".
    static std::string formatTicks(int32_t startTicks, int32_t endTicks);
    // "m:ss", with ".cc" hundredths when showMS.
    static std::string formatTime(double seconds, bool showMS = false);
    // Items joined by ", "; empty for an empty list.
    static std::string formatArray(const std::vector<runtime::Value>& list);
    // The keys joined by ", ".
    static std::string formatStringMap(const std::map<std::string, runtime::Value, std::less<>>& map);
    // Thousands grouped by "," (or "." in the other style), cents truncated.
    static std::string formatMoney(double amount, bool showDecimal = true, bool englishStyle = true);
    // The count in the largest unit it reaches, rounded to precision decimals ("1.5kB").
    static std::string formatBytes(double bytes, int precision = 2);
    static std::string filterDigits(const std::string& input);
    static std::string htmlFormat(const std::string& text, int size = 12, const runtime::String& color = "FFFFFF",
                                  bool bold = false, bool italic = false, bool underlined = false);
    // The last two labels of the address's host, without a port; "local" when empty.
    static std::string getDomain(const std::string& url);
    // Pieces between commas read as integers (0 when not a number); null text gives an empty list.
    static std::vector<int32_t> toIntArray(const runtime::String& text);
    // The same as floats (not-a-number when not a number).
    static std::vector<double> toFloatArray(const runtime::String& text);
    // Rows of width values, "\n" between rows and ", " between values; a short last row is left
    // out. invert swaps 0 and 1.
    static std::string arrayToCSV(const std::vector<int32_t>& data, int width, bool invert = false);
    // One value per pixel: 1 for black (0 with invert), or the pixel's place in colorMap (-1).
    static std::string bitmapToCSV(runtime::Ref<framework::BitmapData> bitmap, bool invert = false, int scale = 1,
                                   const std::vector<int32_t>* colorMap = nullptr);
    // An asset id, or a class whose instances carry a bitmapData property.
    static std::string imageToCSV(const runtime::Value& imageFile, bool invert = false, int scale = 1);
};

}  // namespace engine
