#include "ComponentPath.h"

namespace tween {

void ComponentPath::addPath(const runtime::Ref<BezierPath>& path) {
    if (!path) return;
    paths.push_back(path);
    totalStrength += path->strength;
}

double ComponentPath::calculate(double k) {
    if (paths.empty()) return 0;
    if (paths.size() == 1) return paths[0]->calculate(start, k);
    double r = k * totalStrength;
    double s = start;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        BezierPath& segment = *paths[i];
        if (r <= segment.strength || i + 1 == paths.size())
            return segment.calculate(s, segment.strength != 0 ? r / segment.strength : 1);
        s = segment.end;
        r -= segment.strength;
    }
    return 0;
}

double ComponentPath::get_end() { return paths.empty() ? start : paths.back()->end; }

RUNTIME_DEFINE_CLASS(ComponentPath, "tween.ComponentPath", IComponentPath, (auto& b) {
    b.template field<&ComponentPath::totalStrength>("totalStrength")
        .template method<&ComponentPath::addPath>("addPath");
})

}  // namespace tween
