#pragma once
// An axis-aligned rectangle; width and height may be zero or negative. The back end reads and
// fills its fields x, y, width and height by name.
#include "Point.h"

namespace framework {

class Matrix;

class Rectangle : public runtime::Object {
    RUNTIME_CLASS(Rectangle)
public:
    explicit Rectangle(double x = 0, double y = 0, double width = 0, double height = 0)
        : x(x), y(y), width(width), height(height) {}
    explicit Rectangle(runtime::NoInit) {}

    virtual runtime::Ref<Rectangle> clone();
    // Half-open: the left and top edges are inside, the right and bottom edges outside.
    virtual bool contains(double px, double py);
    virtual bool containsPoint(const runtime::Ref<Point>& point);
    // Strict on every side for an empty rect, inclusive otherwise.
    virtual bool containsRect(const runtime::Ref<Rectangle>& rect);
    virtual void copyFrom(const runtime::Ref<Rectangle>& sourceRect);
    virtual bool equals(const runtime::Ref<Rectangle>& toCompare);
    // Grows this rectangle to cover r as well (an empty r still extends it).
    virtual void extendBounds(const runtime::Ref<Rectangle>& r);
    virtual void inflate(double dx, double dy);
    virtual void inflatePoint(const runtime::Ref<Point>& point);
    // (0, 0, 0, 0) when they do not overlap.
    virtual runtime::Ref<Rectangle> intersection(const runtime::Ref<Rectangle>& toIntersect);
    // Rectangles that only touch along an edge do not intersect.
    virtual bool intersects(const runtime::Ref<Rectangle>& toIntersect);
    virtual bool isEmpty();
    virtual void offset(double dx, double dy);
    virtual void offsetPoint(const runtime::Ref<Point>& point);
    virtual void setEmpty();
    virtual void setTo(double xa, double ya, double widtha, double heighta);
    // The bounds of the four corners mapped through m.
    virtual runtime::Ref<Rectangle> transform(const runtime::Ref<Matrix>& m);
    virtual runtime::Ref<Rectangle> union_(const runtime::Ref<Rectangle>& toUnion);

    virtual double get_bottom() { return y + height; }
    virtual double set_bottom(double v);
    virtual runtime::Ref<Point> get_bottomRight();
    virtual runtime::Ref<Point> set_bottomRight(const runtime::Ref<Point>& v);
    virtual double get_left() { return x; }
    virtual double set_left(double v);
    virtual double get_right() { return x + width; }
    virtual double set_right(double v);
    virtual runtime::Ref<Point> get_size();
    virtual runtime::Ref<Point> set_size(const runtime::Ref<Point>& v);
    virtual double get_top() { return y; }
    virtual double set_top(double v);
    virtual runtime::Ref<Point> get_topLeft();
    virtual runtime::Ref<Point> set_topLeft(const runtime::Ref<Point>& v);

    // "(x=…, y=…, width=…, height=…)"
    std::string toString() const override;

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

}  // namespace framework
