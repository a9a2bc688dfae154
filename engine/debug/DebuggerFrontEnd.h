#pragma once
// The debugger front end. There is no debugger overlay behind it: its operations are empty; it
// keeps the debugger's settings, of which the precision of debug numbers is read.
#include <vector>

#include "engine/system/debug/ButtonAlignment.h"
#include "engine/system/debug/DebuggerLayout.h"
#include "engine/util/EngSignal0.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace framework {
class BitmapData;
}

namespace engine {

class EngSystemButton;
class TrackerProfile;
class Window;

class DebuggerFrontEnd : public runtime::Object {
    RUNTIME_CLASS(DebuggerFrontEnd)
public:
    DebuggerFrontEnd() = default;
    explicit DebuggerFrontEnd(runtime::NoInit) {}

    virtual void setLayout(DebuggerLayout) {}
    virtual void resetLayout() {}
    virtual runtime::Ref<EngSystemButton> addButton(ButtonAlignment, const runtime::Ref<framework::BitmapData>&,
                                                    const runtime::Ref<runtime::Function>&, bool = false,
                                                    bool = true);
    virtual runtime::Ref<Window> track(const runtime::Value&, const runtime::String& = nullptr);
    virtual void addTrackerProfile(const runtime::Ref<TrackerProfile>&) {}
    virtual void removeButton(const runtime::Ref<EngSystemButton>&, bool = true) {}
    // Stores the value; drawDebugChanged is not dispatched.
    virtual bool set_drawDebug(bool value) { return drawDebug = value; }
    virtual bool set_visible(bool value) { return visible = value; }

    bool get_drawDebug() const { return drawDebug; }
    bool get_visible() const { return visible; }

    // Decimals of the numbers in debug texts.
    int precision = 3;
    std::vector<runtime::String> toggleKeys{"GRAVEACCENT", "BACKSLASH"};
    bool drawDebug = false;
    runtime::Ref<EngSignal0> drawDebugChanged = runtime::make<EngSignal0>();
    bool visible = false;
};

}  // namespace engine
