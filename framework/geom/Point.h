#pragma once
// A two-dimensional point. The back end reads and fills its fields x and y by name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Point : public runtime::Object {
    RUNTIME_CLASS(Point)
public:
    explicit Point(double x = 0, double y = 0) : x(x), y(y) {}
    explicit Point(runtime::NoInit) {}

    virtual runtime::Ref<Point> add(const runtime::Ref<Point>& v);
    virtual runtime::Ref<Point> clone();
    virtual void copyFrom(const runtime::Ref<Point>& sourcePoint);
    virtual bool equals(const runtime::Ref<Point>& toCompare);
    // Scales the point to length thickness; the origin stays where it is.
    virtual void normalize(double thickness);
    virtual void offset(double dx, double dy);
    virtual void setTo(double xa, double ya);
    virtual runtime::Ref<Point> subtract(const runtime::Ref<Point>& v);
    virtual double get_length();

    // "(x, y)"
    std::string toString() const override;

    static double distance(const runtime::Ref<Point>& pt1, const runtime::Ref<Point>& pt2);
    // f = 1 gives pt1, f = 0 gives pt2.
    static runtime::Ref<Point> interpolate(const runtime::Ref<Point>& pt1, const runtime::Ref<Point>& pt2, double f);
    static runtime::Ref<Point> polar(double len, double angle);

    double x = 0;
    double y = 0;
};

}  // namespace framework
