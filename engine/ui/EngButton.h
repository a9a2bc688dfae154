#pragma once
// The push button with a text label: an engine text sprite 80 wide, size 8, dark grey, centred.
#include "engine/text/EngText.h"
#include "engine/ui/EngTypedButton.h"

namespace engine {

class EngButton : public EngTypedButton {
    RUNTIME_CLASS(EngButton)
public:
    explicit EngButton(double x = 0, double y = 0, const runtime::String& text = nullptr,
                       const runtime::Ref<runtime::Function>& onClick = nullptr);
    explicit EngButton(runtime::NoInit n) : EngTypedButton(n) {}

    // The label lays its text out again at the button's width.
    void resetHelpers() override;
    virtual void initLabel(const runtime::String& text);
    virtual runtime::String get_text();
    virtual runtime::String set_text(const runtime::String& text);

    EngText* textLabel() const { return dynamic_cast<EngText*>(label.get()); }
};

}  // namespace engine
