#pragma once
// The container every game visual derives from: makes its own native container node, named
// after the most-derived class.
#include "DisplayObjectContainer.h"

namespace framework {

class Sprite : public DisplayObjectContainer {
    RUNTIME_CLASS(Sprite)
public:
    Sprite() : Sprite("Sprite") {}
    explicit Sprite(runtime::NoInit n) : DisplayObjectContainer(n) {}

    virtual void startDrag(bool lockCenter = false, const runtime::Ref<Rectangle>& bounds = nullptr);
    virtual void stopDrag();
    // The short name of the most-derived registered class.
    virtual runtime::String getType_();

    bool buttonMode = false;
    bool useHandCursor = true;

protected:
    // A derived class passes its own type name: the node is named before the derived part exists.
    explicit Sprite(const runtime::String& typeName);
};

}  // namespace framework
