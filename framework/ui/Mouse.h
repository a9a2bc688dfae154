#pragma once
// The pointer's cursor: hide and show it on the stage.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Mouse : public runtime::Object {
    RUNTIME_CLASS(Mouse)
public:
    // Both need the stage: before the main window exists they throw the stage accessor's error.
    static void hide();
    static void show();
};

}  // namespace framework
