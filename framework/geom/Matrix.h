#pragma once
// A 2D affine transform: (x, y) maps to (a·x + c·y + tx, b·x + d·y + ty). The back end reads
// and fills the six fields by name.
#include "Point.h"
#include "Vector3D.h"

namespace framework {

class Matrix : public runtime::Object {
    RUNTIME_CLASS(Matrix)
public:
    explicit Matrix(double a = 1, double b = 0, double c = 0, double d = 1, double tx = 0, double ty = 0)
        : a(a), b(b), c(c), d(d), tx(tx), ty(ty) {}
    explicit Matrix(runtime::NoInit) {}

    virtual runtime::Ref<Matrix> clone();
    // This matrix becomes this matrix followed by m.
    virtual void concat(const runtime::Ref<Matrix>& m);
    // Copies between the matrix as rows (a, b, tx), (c, d, ty), (0, 0, 1) and a vector; an index
    // above 2 throws "Column n out of bounds (2)" / "Row n out of bounds (2)".
    virtual void copyColumnFrom(int column, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyColumnTo(int column, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyFrom(const runtime::Ref<Matrix>& sourceMatrix);
    // Writes what copyColumnFrom writes for the same index.
    virtual void copyRowFrom(int row, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyRowTo(int row, const runtime::Ref<Vector3D>& vector3D);
    virtual void createBox(double scaleX, double scaleY, double rotation = 0, double tx = 0, double ty = 0);
    // Maps the gradient square of side 1638.4 centred on the origin onto the box.
    virtual void createGradientBox(double width, double height, double rotation = 0, double tx = 0, double ty = 0);
    virtual runtime::Ref<Point> deltaTransformPoint(const runtime::Ref<Point>& pos);
    // Any object whose tx, ty, a, b, c, d read by name are equal numbers.
    virtual bool equals(const runtime::Value& matrix);
    virtual void identity();
    // In place; a singular matrix degrades to (0, 0, 0, 0, −tx, −ty). Returns this matrix.
    virtual runtime::Ref<Matrix> invert();
    // A new matrix: this matrix followed by m.
    virtual runtime::Ref<Matrix> mult(const runtime::Ref<Matrix>& m);
    virtual void rotate(double theta);
    virtual void scale(double sx, double sy);
    // Note the sign convention: b = −sin θ, c = +sin θ.
    virtual void setRotation(double theta, double scale = 1);
    virtual void setTo(double aa, double ba, double ca, double da, double txa, double tya);
    virtual runtime::Ref<Point> transformPoint(const runtime::Ref<Point>& pos);
    virtual void translate(double dx, double dy);

    // "(a=…, b=…, c=…, d=…, tx=…, ty=…)"
    std::string toString() const override;

    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;
};

}  // namespace framework
