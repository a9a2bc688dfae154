#pragma once
// A view of one display object's placement and colouring; every read asks the object again.
#include "ColorTransform.h"
#include "Matrix.h"
#include "Matrix3D.h"
#include "Rectangle.h"

namespace framework {

class DisplayObject;

class Transform : public runtime::Object {
    RUNTIME_CLASS(Transform)
public:
    explicit Transform(const runtime::Ref<DisplayObject>& parent);
    explicit Transform(runtime::NoInit) {}

    virtual runtime::Ref<ColorTransform> get_colorTransform();
    virtual runtime::Ref<ColorTransform> set_colorTransform(const runtime::Ref<ColorTransform>& value);
    virtual runtime::Ref<ColorTransform> get_concatenatedColorTransform();
    virtual runtime::Ref<Matrix> get_concatenatedMatrix();
    virtual runtime::Ref<Matrix> get_matrix();
    virtual runtime::Ref<Matrix> set_matrix(const runtime::Ref<Matrix>& value);
    virtual runtime::Ref<Matrix3D> get_matrix3D();
    virtual runtime::Ref<Matrix3D> set_matrix3D(const runtime::Ref<Matrix3D>& value);
    virtual runtime::Ref<Rectangle> get_pixelBounds();

    runtime::Ref<DisplayObject> parent_;
    bool hasMatrix_ = true;
    bool hasMatrix3D_ = false;
};

}  // namespace framework
