#pragma once
// A point or direction in 3D with a fourth component w, which only project, clone and the
// four-component comparisons use. Operations either change the receiver or return a new vector;
// none keeps a reference to its argument. The 2D matrix's row and column copies use x, y and z.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Vector3D : public runtime::Object {
    RUNTIME_CLASS(Vector3D)
public:
    explicit Vector3D(double x = 0, double y = 0, double z = 0, double w = 0) : x(x), y(y), z(z), w(w) {}
    explicit Vector3D(runtime::NoInit) {}

    // New vectors: add and subtract have w = 0, crossProduct w = 1, clone keeps w.
    virtual runtime::Ref<Vector3D> add(const runtime::Ref<Vector3D>& a);
    virtual runtime::Ref<Vector3D> clone();
    // Copies x, y and z; the receiver keeps its own w.
    virtual void copyFrom(const runtime::Ref<Vector3D>& source);
    virtual runtime::Ref<Vector3D> crossProduct(const runtime::Ref<Vector3D>& a);
    virtual void decrementBy(const runtime::Ref<Vector3D>& a);
    virtual double dotProduct(const runtime::Ref<Vector3D>& a);
    // Exact equality of x, y and z (and w when allFour); NaN never equals.
    virtual bool equals(const runtime::Ref<Vector3D>& other, bool allFour = false);
    virtual void incrementBy(const runtime::Ref<Vector3D>& a);
    // Each difference strictly below tolerance (so tolerance 0 is always false).
    virtual bool nearEquals(const runtime::Ref<Vector3D>& other, double tolerance, bool allFour = false);
    virtual void negate();
    // Divides x, y and z by the length unless it is exactly 0; returns the length before.
    virtual double normalize();
    // Divides x, y and z by w, unchecked.
    virtual void project();
    virtual void scaleBy(double s);
    virtual void setTo(double xa, double ya, double za);
    virtual runtime::Ref<Vector3D> subtract(const runtime::Ref<Vector3D>& a);
    virtual double get_length();
    virtual double get_lengthSquared();

    // "Vector3D(x, y, z)"; w is not shown.
    std::string toString() const override;

    // The arc cosine, unclamped, of the dot product of normalized copies (π/2 for a zero vector).
    static double angleBetween(const runtime::Ref<Vector3D>& a, const runtime::Ref<Vector3D>& b);
    static double distance(const runtime::Ref<Vector3D>& a, const runtime::Ref<Vector3D>& b);
    // A new unit vector on each call.
    static runtime::Ref<Vector3D> get_X_AXIS();
    static runtime::Ref<Vector3D> get_Y_AXIS();
    static runtime::Ref<Vector3D> get_Z_AXIS();

    double x = 0;
    double y = 0;
    double z = 0;
    double w = 0;
};

}  // namespace framework
