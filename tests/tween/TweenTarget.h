#pragma once
// A class-based tween target: numeric properties with setters that log every write.
#include <string>
#include <vector>

#include "platform/runtime/ClassBuilder.h"

class TweenTarget : public runtime::Object {
    RUNTIME_CLASS(TweenTarget)
public:
    double get_x() const { return x_; }
    double set_x(double v) {
        x_ = v;
        writes.push_back(v);
        return v;
    }
    double get_rotation() const { return rotation_; }
    double set_rotation(double v) { return rotation_ = v; }

    double y = 0;
    int n = 0;
    bool flag = false;
    std::string label;
    std::vector<double> writes;

private:
    double x_ = 0;
    double rotation_ = 0;
};
