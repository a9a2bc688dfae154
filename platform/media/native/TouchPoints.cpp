#include "TouchPoints.h"

namespace media {

TouchPoints::Point TouchPoints::begin(SDL_FingerID finger) {
    if (auto known = find(finger)) return *known;
    Point p;
    p.id = nextId_;
    nextId_ = nextId_ == 0x7fffffff ? 1 : nextId_ + 1;
    // Only a finger that starts a gesture is primary; a second finger never takes over.
    p.primary = active_.empty();
    active_.push_back({finger, p});
    return p;
}

std::optional<TouchPoints::Point> TouchPoints::find(SDL_FingerID finger) const {
    for (const Entry& e : active_)
        if (e.finger == finger) return e.point;
    return std::nullopt;
}

std::optional<TouchPoints::Point> TouchPoints::end(SDL_FingerID finger) {
    for (auto it = active_.begin(); it != active_.end(); ++it) {
        if (it->finger != finger) continue;
        Point p = it->point;
        active_.erase(it);
        return p;
    }
    return std::nullopt;
}

}  // namespace media
