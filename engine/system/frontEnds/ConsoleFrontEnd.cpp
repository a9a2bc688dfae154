#include "ConsoleFrontEnd.h"

using engine::ConsoleFrontEnd;

RUNTIME_DEFINE_CLASS(ConsoleFrontEnd, "engine.system.frontEnds.ConsoleFrontEnd", runtime::Object, (auto& b) {
    b.template field<&ConsoleFrontEnd::autoPause>("autoPause").emptyInstance();
})
