#include "DebuggerFrontEnd.h"

#include "engine/system/debug/Window.h"
#include "engine/ui/EngSystemButton.h"

namespace engine {

runtime::Ref<EngSystemButton> DebuggerFrontEnd::addButton(ButtonAlignment, const runtime::Ref<framework::BitmapData>&,
                                                          const runtime::Ref<runtime::Function>&, bool, bool) {
    return nullptr;
}

runtime::Ref<Window> DebuggerFrontEnd::track(const runtime::Value&, const runtime::String&) { return nullptr; }

}  // namespace engine

using engine::DebuggerFrontEnd;

RUNTIME_DEFINE_CLASS(DebuggerFrontEnd, "engine.system.frontEnds.DebuggerFrontEnd", runtime::Object, (auto& b) {
    b.template field<&DebuggerFrontEnd::precision>("precision")
        .template property<&DebuggerFrontEnd::get_drawDebug, &DebuggerFrontEnd::set_drawDebug>("drawDebug")
        .template property<&DebuggerFrontEnd::get_visible, &DebuggerFrontEnd::set_visible>("visible")
        .template field<&DebuggerFrontEnd::drawDebugChanged>("drawDebugChanged")
        .template method<&DebuggerFrontEnd::resetLayout>("resetLayout")
        .emptyInstance();
})
