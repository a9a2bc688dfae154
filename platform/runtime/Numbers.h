#pragma once
// Number conversions shared by every layer; independent of the process locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace runtime {

class Numbers {
public:
    // "%.15g", with "NaN", "Infinity" and "-Infinity" for the special values.
    static std::string toText(double v);
    static std::string toText(int32_t v) { return std::to_string(v); }
    // Truncation toward zero; beyond the 32-bit range the low 32 bits of the 64-bit
    // truncation are kept. NaN, infinities and values beyond 64 bits give 0.
    static int32_t floatToInt(double v);
    // Integer text: leading blanks, optional sign, decimal or "0x" hexadecimal; stops at the
    // first character that is not a digit. Empty when no digit was read.
    static std::optional<int32_t> parseInt(std::string_view text);
    // Floating text: leading blanks, the longest numeric prefix. Empty when none.
    static std::optional<double> parseFloat(std::string_view text);
};

}  // namespace runtime
