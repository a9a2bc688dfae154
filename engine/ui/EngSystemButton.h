#pragma once
// The small icon button of the engine's tools: a display-list sprite showing one bitmap, dimmed
// while the pointer is over it, calling its handler when a press that began on it is released on
// it, optionally a toggle that shows its state by its opacity.
#include "engine/interfaces/IEngDestroyable.h"
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Sprite.h"

namespace framework {
class MouseEvent;
}

namespace engine {

class EngSystemButton : public framework::Sprite, public IEngDestroyable {
    RUNTIME_CLASS(EngSystemButton)
public:
    explicit EngSystemButton(const runtime::Ref<framework::BitmapData>& icon,
                             const runtime::Ref<runtime::Function>& upHandler = nullptr, bool toggleMode = false);
    explicit EngSystemButton(runtime::NoInit n) : framework::Sprite(n) {}

    // The new icon's bitmap becomes the top child in place of the old one.
    virtual void changeIcon(const runtime::Ref<framework::BitmapData>& icon);
    // Stops listening and lets go of the icon and handler; the icon stays a child.
    void destroy() override;
    virtual void onMouseUp(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseDown(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseOver(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onMouseOut(const runtime::Ref<framework::MouseEvent>& event);
    // In toggle mode the opacity becomes 0.3 for true and 1.0 for false.
    virtual bool set_toggled(bool value);

    bool get_toggled() const { return toggled; }

    runtime::Ref<runtime::Function> upHandler;
    bool enabled = true;
    bool toggleMode = false;
    bool toggled = false;
    runtime::Ref<framework::Bitmap> _icon;
    bool _mouseDown = false;

private:
    void listen(bool add);
};

}  // namespace engine
