#pragma once
// A 4 × 4 transform over the list rawData, stored column by column: element (row r, column c) is
// rawData[4c + r], the matrix acts on column vectors and entries 12, 13, 14 are the translation.
// The list reads 0 at or past its end and at negative places; a write past the end extends it
// with zeros and a write at a negative place is dropped. Only the constructor checks the length.
// Some operations change the list in place, others install a new list (identity, copyFrom,
// recompose): this matters to a caller that shares the list.
#include <optional>

#include "Orientation3D.h"
#include "Vector3D.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Matrix3D : public runtime::Object {
    RUNTIME_CLASS(Matrix3D)
public:
    // An array of exactly 16 entries becomes rawData itself (shared, not copied); anything else
    // gives the identity.
    explicit Matrix3D(const runtime::Ref<runtime::Array>& v = nullptr);
    explicit Matrix3D(runtime::NoInit) {}

    // m := lhs × m (lhs acts after m). Both factors are read whole first, so m.append(m) squares m.
    virtual void append(const runtime::Ref<Matrix3D>& lhs);
    // Rotation by degrees about the unnormalized axis, then a translation by the pivot (the
    // pivot is only added to the rotation's translation).
    virtual void appendRotation(double degrees, const runtime::Ref<Vector3D>& axis,
                                const runtime::Ref<Vector3D>& pivotPoint = nullptr);
    virtual void appendScale(double xScale, double yScale, double zScale);
    // Adds to entries 12, 13, 14 only, whatever the fourth row holds.
    virtual void appendTranslation(double x, double y, double z);
    // Through the constructor: a list that is not 16 long clones as the identity.
    virtual runtime::Ref<Matrix3D> clone();
    // Column and row indexes outside 0..3 throw an Error; all four components move.
    virtual void copyColumnFrom(int column, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyColumnTo(int column, const runtime::Ref<Vector3D>& vector3D);
    // A new list holding a copy of other's, whatever its length.
    virtual void copyFrom(const runtime::Ref<Matrix3D>& other);
    // Copies list[index + i] into entry i for as many entries as the list has past index (so
    // rawData may grow past 16); with transpose, the copy is made into the transposed matrix.
    virtual void copyRawDataFrom(const runtime::Ref<runtime::Array>& vector, int index = 0, bool transpose = false);
    // Writes every entry to list[index + i] (transposed when asked); the matrix ends unchanged.
    virtual void copyRawDataTo(const runtime::Ref<runtime::Array>& vector, int index = 0, bool transpose = false);
    virtual void copyRowFrom(uint32_t row, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyRowTo(int row, const runtime::Ref<Vector3D>& vector3D);
    virtual void copyToMatrix3D(const runtime::Ref<Matrix3D>& dest);
    // [translation, rotation, scale] as three new vectors; a mirroring shows as a negative z
    // scale. Absent orientation: Euler angles. A list that is not 16 long decomposes as identity.
    virtual runtime::Ref<runtime::Array> decompose(std::optional<Orientation3D> orientationStyle = std::nullopt);
    // x·col0 + y·col1 + z·col2 + the fourth row (entries 3, 7, 11), w = 0.
    virtual runtime::Ref<Vector3D> deltaTransformVector(const runtime::Ref<Vector3D>& v);
    virtual void identity();
    virtual void interpolateTo(const runtime::Ref<Matrix3D>& toMat, double percent);
    // False (and nothing changed) when |determinant| is not above 1e-11.
    virtual bool invert();
    // Rows 0, 1, 2 become right, up and direction; the position goes to the fourth row (entries
    // 3, 7, 11) and the translation becomes 0. Absent at: (0, 0, −1); absent up: (0, −1, 0).
    virtual void pointAt(const runtime::Ref<Vector3D>& pos, const runtime::Ref<Vector3D>& at = nullptr,
                         const runtime::Ref<Vector3D>& up = nullptr);
    // m := m × rhs (rhs acts before m).
    virtual void prepend(const runtime::Ref<Matrix3D>& rhs);
    virtual void prependRotation(double degrees, const runtime::Ref<Vector3D>& axis,
                                 const runtime::Ref<Vector3D>& pivotPoint = nullptr);
    virtual void prependScale(double xScale, double yScale, double zScale);
    virtual void prependTranslation(double x, double y, double z);
    // From [translation, rotation, scale]; false (nothing changed) with fewer than three
    // components or a scale component exactly 0. Installs a new list.
    virtual bool recompose(const runtime::Ref<runtime::Array>& components,
                           std::optional<Orientation3D> orientationStyle = std::nullopt);
    // M·(x, y, z, 1) with no division by w′.
    virtual runtime::Ref<Vector3D> transformVector(const runtime::Ref<Vector3D>& v);
    // Each whole (x, y, z) triple of vin, transformed, to the same places of vout (which may be
    // vin); a trailing partial triple is left alone.
    virtual void transformVectors(const runtime::Ref<runtime::Array>& vin, const runtime::Ref<runtime::Array>& vout);
    virtual void transpose();
    virtual double get_determinant();
    virtual runtime::Ref<Vector3D> get_position();
    virtual runtime::Ref<Vector3D> set_position(const runtime::Ref<Vector3D>& v);

    // The 2D matrix (a, b, c, d, tx, ty) as a 3D one.
    static runtime::Ref<Matrix3D> createABCD(double a, double b, double c, double d, double tx, double ty);
    // Rotation in degrees; note that a positive rotation turns against getAxisRotation about z.
    static runtime::Ref<Matrix3D> create2D(double x, double y, double scale = 1, double rotation = 0);
    static runtime::Ref<Matrix3D> createOrtho(double x0, double x1, double y0, double y1, double zNear, double zFar);
    // Right-handed rotation by degrees about (x, y, z) for a unit axis; the axis is not normalized.
    static runtime::Ref<Matrix3D> getAxisRotation(double x, double y, double z, double degrees);
    static runtime::Ref<Matrix3D> interpolate(const runtime::Ref<Matrix3D>& thisMat,
                                              const runtime::Ref<Matrix3D>& toMat, double percent);

    runtime::Ref<runtime::Array> rawData;

private:
    double at(int i) const;
    void put(int i, double v);
    void putAll(const double (&e)[16]);
    void entries(double (&e)[16]) const;
    // Entries 0..15 := a × b, written into the existing list.
    void setProduct(const double (&a)[16], const double (&b)[16]);
};

}  // namespace framework
