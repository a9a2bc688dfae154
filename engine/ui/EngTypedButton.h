#pragma once
// The engine's push button: a sprite with three looks (normal, highlight, pressed) from a strip of
// three frames. Each update tests the mouse against it on its cameras and moves between the three
// statuses, firing over, out and down; a release of the stage's mouse while pressed fires up (the
// click). An optional label sprite follows the button, fades by status and is drawn over it.
#include <vector>

#include "engine/EngSprite.h"
#include "engine/ui/EngButtonEvent.h"

namespace framework {
class MouseEvent;
}

namespace engine {

class EngTypedButton : public EngSprite {
    RUNTIME_CLASS(EngTypedButton)
public:
    static constexpr int NORMAL = 0;
    static constexpr int HIGHLIGHT = 1;
    static constexpr int PRESSED = 2;

    explicit EngTypedButton(double x = 0, double y = 0, const runtime::Ref<runtime::Function>& onClick = nullptr);
    explicit EngTypedButton(runtime::NoInit n) : EngSprite(n) {}

    void destroy() override;
    void update() override;
    void draw() override;
    double set_x(double value) override;
    double set_y(double value) override;

    virtual void updateButton();
    // touch: the pressing touch point, null for the mouse.
    virtual void updateStatus(bool overlap, bool justPressed, bool pressed,
                              const runtime::Ref<runtime::Object>& touch = nullptr);
    virtual void onUpEventListener(const runtime::Ref<framework::MouseEvent>& event);
    virtual void onUpHandler();
    virtual void onDownHandler();
    virtual void onOverHandler();
    virtual void onOutHandler();
    // Shares the button's scroll factor with the label.
    virtual runtime::Ref<EngSprite> set_label(const runtime::Ref<EngSprite>& sprite);
    virtual int set_status(int code);

    runtime::Ref<EngSprite> label;
    std::vector<runtime::Ref<EngPoint>> labelOffsets;
    std::vector<double> labelAlphas;
    bool allowSwiping = true;
    bool allowHighlightOnMobile = false;
    int status = NORMAL;
    runtime::Ref<EngButtonEvent> onUp;
    runtime::Ref<EngButtonEvent> onDown;
    runtime::Ref<EngButtonEvent> onOver;
    runtime::Ref<EngButtonEvent> onOut;
    runtime::Ref<runtime::Object> _pressedTouch;
    bool _pressedMouse = false;

protected:
    bool _listening = false;
};

}  // namespace engine
