#include "VCRFrontEnd.h"

#include "engine/EngG.h"
#include "engine/input/mouse/EngMouse.h"
#include "framework/ui/Mouse.h"

namespace engine {

namespace {
bool engineCursor() { return !(EngG::mouse && EngG::mouse->useSystemCursor); }
}  // namespace

void VCRFrontEnd::pause() {
    if (paused) return;
    if (engineCursor()) framework::Mouse::show();
    paused = true;
}

void VCRFrontEnd::resume() {
    if (!paused) return;
    if (engineCursor()) framework::Mouse::hide();
    paused = false;
}

}  // namespace engine

using engine::VCRFrontEnd;

RUNTIME_DEFINE_CLASS(VCRFrontEnd, "engine.system.frontEnds.VCRFrontEnd", runtime::Object, (auto& b) {
    b.template field<&VCRFrontEnd::paused>("paused")
        .template field<&VCRFrontEnd::stepRequested>("stepRequested")
        .template method<&VCRFrontEnd::pause>("pause")
        .template method<&VCRFrontEnd::resume>("resume")
        .emptyInstance();
})
