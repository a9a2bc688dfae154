#include "EngSwipe.h"

#include <cmath>
#include <numbers>

#include "engine/EngG.h"
#include "engine/EngGame.h"
#include "engine/util/EngPoint.h"
#include "engine/util/EngStringUtil.h"
#include "engine/util/LabelValuePair.h"

namespace engine {

EngSwipe::EngSwipe(int id, const runtime::Ref<EngPoint>& start, const runtime::Ref<EngPoint>& end,
                   double startTimeInTicks)
    : ID(id), startPosition(start), endPosition(end), _startTimeInTicks(startTimeInTicks),
      _endTimeInTicks(EngG::game ? EngG::game->ticks : 0) {}

double EngSwipe::get_distance() {
    double dx = startPosition->x - endPosition->x;
    double dy = startPosition->y - endPosition->y;
    return std::sqrt(dx * dx + dy * dy);
}

double EngSwipe::get_angle() {
    double dx = endPosition->x - startPosition->x;
    double dy = endPosition->y - startPosition->y;
    double result = 0;
    if (dx != 0 || dy != 0) {
        const double c1 = std::numbers::pi * 0.25;
        const double c2 = 3 * c1;
        double ay = std::fabs(dy);
        double a = dx >= 0 ? c1 - c1 * ((dx - ay) / (dx + ay)) : c2 - c1 * ((dx + ay) / (ay - dx));
        if (dy < 0) a = -a;
        a *= 180 / std::numbers::pi;
        result = a > 90 ? a - 270 : a + 90;
    }
    startPosition->putWeak();
    endPosition->putWeak();
    return result;
}

std::string EngSwipe::toString() const {
    auto* self = const_cast<EngSwipe*>(this);
    return EngStringUtil::getDebugString({
        LabelValuePair::weak("ID", runtime::Value(ID)),
        LabelValuePair::weak("start", runtime::Value(startPosition)),
        LabelValuePair::weak("end", runtime::Value(endPosition)),
        LabelValuePair::weak("distance", runtime::Value(self->get_distance())),
        LabelValuePair::weak("angle", runtime::Value(self->get_angle())),
        LabelValuePair::weak("duration", runtime::Value((_endTimeInTicks - _startTimeInTicks) / 1000)),
    });
}

}  // namespace engine

using engine::EngSwipe;

RUNTIME_DEFINE_CLASS(EngSwipe, "engine.input.touch.EngSwipe", runtime::Object, (auto& b) {
    b.template field<&EngSwipe::ID>("ID")
        .template field<&EngSwipe::startPosition>("startPosition")
        .template field<&EngSwipe::endPosition>("endPosition")
        .template field<&EngSwipe::_startTimeInTicks>("_startTimeInTicks")
        .template field<&EngSwipe::_endTimeInTicks>("_endTimeInTicks")
        .template readOnlyProperty<&EngSwipe::get_distance>("distance")
        .template readOnlyProperty<&EngSwipe::get_angle>("angle")
        .template readOnlyProperty<&EngSwipe::get_duration>("duration")
        .emptyInstance();
})
