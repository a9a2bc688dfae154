#include "Mouse.h"

#include "framework/Lib.h"
#include "framework/display/Stage.h"

namespace framework {

void Mouse::hide() { Lib::get_stage()->showCursor(false); }
void Mouse::show() { Lib::get_stage()->showCursor(true); }

}  // namespace framework

using framework::Mouse;

RUNTIME_DEFINE_CLASS(Mouse, "framework._native.ui.Mouse", runtime::Object, (auto& b) {
    b.template staticMethod<&Mouse::hide>("hide").template staticMethod<&Mouse::show>("show");
})
