#include "Transform.h"

#include "framework/display/DisplayObject.h"

namespace framework {

using runtime::Ref;

Transform::Transform(const Ref<DisplayObject>& parent) : parent_(parent), hasMatrix_(true), hasMatrix3D_(false) {}

Ref<ColorTransform> Transform::get_colorTransform() { return parent_->getColorTransform_(); }

Ref<ColorTransform> Transform::set_colorTransform(const Ref<ColorTransform>& value) {
    parent_->setColorTransform_(value);
    return value;
}

Ref<ColorTransform> Transform::get_concatenatedColorTransform() { return parent_->getConcatenatedColorTransform_(); }

Ref<Matrix> Transform::get_concatenatedMatrix() { return parent_->getConcatenatedMatrix_(); }

Ref<Matrix> Transform::get_matrix() { return hasMatrix_ ? parent_->getMatrix_() : Ref<Matrix>(); }

Ref<Matrix> Transform::set_matrix(const Ref<Matrix>& value) {
    if (!value) {
        hasMatrix_ = false;
        return value;
    }
    hasMatrix_ = true;
    hasMatrix3D_ = false;
    if (parent_) parent_->setMatrix_(value);
    return value;
}

Ref<Matrix3D> Transform::get_matrix3D() {
    if (!hasMatrix3D_) return nullptr;
    Ref<Matrix> m = parent_->getMatrix_();
    auto raw = runtime::make<runtime::Array>(std::vector<runtime::Value>{
        m->a, m->b, 0.0, 0.0, m->c, m->d, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, m->tx, m->ty, 0.0, 1.0});
    return runtime::make<Matrix3D>(raw);
}

Ref<Matrix3D> Transform::set_matrix3D(const Ref<Matrix3D>& value) {
    if (!value) {
        hasMatrix3D_ = false;
        return value;
    }
    hasMatrix_ = false;
    hasMatrix3D_ = true;
    if (parent_) {
        auto r = [&](int i) { return value->rawData ? value->rawData->at(i).toFloat() : 0.0; };
        parent_->setMatrix_(runtime::make<Matrix>(r(0), r(1), r(4), r(5), r(12), r(13)));
    }
    return value;
}

Ref<Rectangle> Transform::get_pixelBounds() { return parent_->getPixelBounds_(); }

RUNTIME_DEFINE_CLASS(Transform, "framework._native.geom.Transform", runtime::Object, (auto& b) {
    using T = Transform;
    b.template property<&T::get_colorTransform, &T::set_colorTransform>("colorTransform")
        .template readOnlyProperty<&T::get_concatenatedColorTransform>("concatenatedColorTransform")
        .template readOnlyProperty<&T::get_concatenatedMatrix>("concatenatedMatrix")
        .template property<&T::get_matrix, &T::set_matrix>("matrix")
        .template property<&T::get_matrix3D, &T::set_matrix3D>("matrix3D")
        .template readOnlyProperty<&T::get_pixelBounds>("pixelBounds")
        .template field<&T::parent_>("__parent")
        .template field<&T::hasMatrix_>("__hasMatrix")
        .template field<&T::hasMatrix3D_>("__hasMatrix3D");
})

}  // namespace framework
