#include "EngMouseButton.h"

#include "engine/EngG.h"
#include "engine/EngGame.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/input/touch/EngSwipe.h"
#include "engine/util/EngPoint.h"
#include "framework/events/MouseEvent.h"

namespace engine {

EngMouseButton::EngMouseButton(int id) : _ID(id), _justPressedPosition(EngPoint::get(0, 0)) {}

void EngMouseButton::update() {
    if (last == JUST_RELEASED && current == JUST_RELEASED) current = RELEASED;
    else if (last == JUST_PRESSED && current == JUST_PRESSED) current = PRESSED;
    else if (last == FAST_PRESS_RELEASE && current == FAST_PRESS_RELEASE) current = RELEASED;
    last = current;

    EngMouse* mouse = EngG::mouse.get();
    double ticks = EngG::game ? EngG::game->ticks : 0;
    if (current == JUST_PRESSED || current == FAST_PRESS_RELEASE) {
        if (_justPressedPosition && mouse) _justPressedPosition->set(mouse->screenX, mouse->screenY);
        _justPressedTimeInTicks = ticks;
    } else if (current == JUST_RELEASED && mouse) {
        EngG::swipes.push_back(
            runtime::make<EngSwipe>(_ID, _justPressedPosition, mouse->getScreenPosition(), _justPressedTimeInTicks));
    }
}

void EngMouseButton::destroy() {
    if (_justPressedPosition) _justPressedPosition->put();
    _justPressedPosition = nullptr;
}

void EngMouseButton::onDown(const runtime::Ref<framework::MouseEvent>&) {
    current = current > RELEASED ? PRESSED : JUST_PRESSED;
}

void EngMouseButton::onUp(const runtime::Ref<framework::MouseEvent>&) {
    if (current == JUST_PRESSED) current = FAST_PRESS_RELEASE;
    else current = current > RELEASED ? JUST_RELEASED : RELEASED;
}

void EngMouseButton::reset() { current = last = RELEASED; }

}  // namespace engine

using engine::EngMouseButton;

RUNTIME_DEFINE_CLASS(EngMouseButton, "engine.input.mouse.EngMouseButton", runtime::Object, (auto& b) {
    b.template field<&EngMouseButton::current>("current")
        .template field<&EngMouseButton::last>("last")
        .template field<&EngMouseButton::_ID>("_ID")
        .template field<&EngMouseButton::_justPressedPosition>("_justPressedPosition")
        .template field<&EngMouseButton::_justPressedTimeInTicks>("_justPressedTimeInTicks")
        .template method<&EngMouseButton::update>("update")
        .template method<&EngMouseButton::reset>("reset")
        .template method<&EngMouseButton::pressed>("pressed")
        .template method<&EngMouseButton::justPressed>("justPressed")
        .template method<&EngMouseButton::justReleased>("justReleased")
        .emptyInstance();
})
