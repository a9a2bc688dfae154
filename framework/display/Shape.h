#pragma once
// A leaf display object that draws only through its graphics.
#include "DisplayObject.h"

namespace framework {

class Shape : public DisplayObject {
    RUNTIME_CLASS(Shape)
public:
    Shape();
    explicit Shape(runtime::NoInit n) : DisplayObject(n) {}
};

}  // namespace framework
