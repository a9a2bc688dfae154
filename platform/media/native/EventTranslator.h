#pragma once
// Turns SDL events into native event records (MediaRecords.def). It needs no window: what it
// reads of the window, the stage and the input devices' state comes in a View, so it runs the
// same in the back end's loop and in tests.
#include <SDL.h>

#include "Controllers.h"
#include "TouchPoints.h"
#include "platform/runtime/DynamicObject.h"

namespace media {

class EventTranslator {
public:
    // What the translation reads besides the event.
    struct View {
        int stageIndex = -1;     // node store index of the stage; -1 when there is none
        int focusId = 0;         // native id of the focused object; 0 aims keys at the stage
        int windowWidth = 0;     // window size in screen units (fingers are fractions of it)
        int windowHeight = 0;
        int outputWidth = 0;     // the stage's size in pixels after a resize
        int outputHeight = 0;
        double dpiScale = 1;     // pixels per screen unit
        Uint16 modifiers = 0;    // SDL_GetModState()
        Uint32 buttons = 0;      // SDL_GetMouseState()'s button mask
        int mouseX = 0;          // pointer position in screen units (wheel records)
        int mouseY = 0;
    };
    // The view of the live SDL state, for the given stage and window.
    static View live(int stageIndex, int focusId, SDL_Window* window, double dpiScale, int outputWidth,
                     int outputHeight);

    // The record for one SDL event, or null when it makes none.
    runtime::Ref<runtime::DynamicObject> translate(const SDL_Event& e, const View& view);

    // The last pointer position in stage pixels.
    double pointerX() const { return pointerX_; }
    double pointerY() const { return pointerY_; }
    Controllers& controllers() { return controllers_; }

private:
    runtime::Ref<runtime::DynamicObject> pointer(int type, double windowX, double windowY, int value, const View& v);
    runtime::Ref<runtime::DynamicObject> touch(int type, const SDL_TouchFingerEvent& f, const View& v);
    runtime::Ref<runtime::DynamicObject> window(const SDL_WindowEvent& w, const View& v);
    // A record aimed at the innermost object under a stage point (the stage when none).
    static runtime::Ref<runtime::DynamicObject> aimed(int type, double stageX, double stageY, const View& v);
    static int stageId(const View& v);

    double pointerX_ = 0;
    double pointerY_ = 0;
    Controllers controllers_;
    TouchPoints touches_;
};

}  // namespace media
