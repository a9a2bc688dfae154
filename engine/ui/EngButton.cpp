#include "EngButton.h"

namespace engine {

EngButton::EngButton(double x, double y, const runtime::String& text, const runtime::Ref<runtime::Function>& onClick)
    : EngTypedButton(x, y, onClick) {
    for (const runtime::Ref<EngPoint>& offset : labelOffsets) offset->set(offset->x - 1, offset->y + 3);
    initLabel(text);
}

void EngButton::initLabel(const runtime::String& text) {
    set_label(runtime::make<EngText>(x + labelOffsets[NORMAL]->x, y + labelOffsets[NORMAL]->y, 80, text));
    textLabel()->setFormat(nullptr, 8, 0x333333, "center");
    label->set_alpha(status >= 0 && status < static_cast<int>(labelAlphas.size()) ? labelAlphas[status] : 0);
}

void EngButton::resetHelpers() {
    EngTypedButton::resetHelpers();
    if (EngText* text = textLabel()) {
        int width = static_cast<int>(get_width());
        text->frameWidth = width;
        text->set_fieldWidth(width);
        text->set_size(text->get_size());
    }
}

runtime::String EngButton::get_text() { return textLabel() ? textLabel()->get_text() : runtime::String(nullptr); }

runtime::String EngButton::set_text(const runtime::String& text) {
    if (EngText* label = textLabel()) label->set_text(text);
    return text;
}

}  // namespace engine

using engine::EngButton;

RUNTIME_DEFINE_CLASS(EngButton, "engine.ui.EngButton", engine::EngTypedButton, (auto& b) {
    b.template property<&EngButton::get_text, &EngButton::set_text>("text").emptyInstance();
})
