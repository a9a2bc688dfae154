#include "Date.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "Thrown.h"

namespace runtime {

namespace {
// Reads exactly n digits at text[at]; false when one is missing.
bool digits(std::string_view text, std::size_t at, std::size_t n, int& out) {
    if (at + n > text.size()) return false;
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

bool parseDate(std::string_view t, int& y, int& mo, int& d) {
    return digits(t, 0, 4, y) && t[4] == '-' && digits(t, 5, 2, mo) && t[7] == '-' && digits(t, 8, 2, d);
}

bool parseTime(std::string_view t, std::size_t at, int& h, int& mi, int& s) {
    return digits(t, at, 2, h) && t[at + 2] == ':' && digits(t, at + 3, 2, mi) && t[at + 5] == ':' &&
           digits(t, at + 6, 2, s);
}
}  // namespace

Ref<Date> Date::local(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    std::time_t t = std::mktime(&tm);
    return make<Date>(static_cast<double>(t) * 1000.0);
}

Ref<Date> Date::fromString(std::string_view text) {
    int y, mo, d, h, mi, s;
    if (text.size() == 19 && parseDate(text, y, mo, d) && text[10] == ' ' && parseTime(text, 11, h, mi, s))
        return local(y, mo - 1, d, h, mi, s);
    if (text.size() == 10 && parseDate(text, y, mo, d)) return local(y, mo - 1, d, 0, 0, 0);
    if (text.size() == 8 && parseTime(text, 0, h, mi, s)) return make<Date>((h * 3600.0 + mi * 60.0 + s) * 1000.0);
    Thrown::text("Invalid date format : " + std::string(text));
}

std::string Date::toString() const {
    std::time_t t = static_cast<std::time_t>(std::floor(time_ / 1000.0));
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

}  // namespace runtime
