#pragma once
// A point in time, in milliseconds since 1970-01-01 00:00:00 UTC, shown in local time.
#include <string_view>

#include "Value.h"

namespace runtime {

class Date : public Object {
public:
    explicit Date(double time = 0) : time_(time) {}
    // Local time; month 0..11.
    static Ref<Date> local(int year, int month, int day, int hour, int minute, int second);
    // "YYYY-MM-DD hh:mm:ss" or "YYYY-MM-DD" in local time, or "hh:mm:ss" as a time of day
    // after the epoch; any other text throws "Invalid date format : <text>".
    static Ref<Date> fromString(std::string_view text);

    double getTime() const { return time_; }
    // "YYYY-MM-DD hh:mm:ss" in local time.
    std::string toString() const override;

private:
    double time_;
};

}  // namespace runtime
