#pragma once
// The measurement of one line of a text field, filled by the back end by field name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class TextLineMetrics : public runtime::Object {
    RUNTIME_CLASS(TextLineMetrics)
public:
    explicit TextLineMetrics(double x = 0, double width = 0, double height = 0, double ascent = 0, double descent = 0,
                             double leading = 0)
        : ascent(ascent), descent(descent), height(height), leading(leading), width(width), x(x) {}
    explicit TextLineMetrics(runtime::NoInit) {}

    double ascent = 0;
    double descent = 0;
    double height = 0;
    double leading = 0;
    double width = 0;
    // Left position of the line.
    double x = 0;
};

}  // namespace framework
