#pragma once
// Active touch points: SDL's finger ids become small touch point ids, and the first finger of a
// gesture is the primary touch point until it lifts.
#include <SDL.h>

#include <optional>
#include <vector>

namespace media {

class TouchPoints {
public:
    struct Point {
        int id = 0;
        bool primary = false;
    };
    // A finger went down. A finger already known keeps its point.
    Point begin(SDL_FingerID finger);
    std::optional<Point> find(SDL_FingerID finger) const;
    // A finger lifted: its point, which is then forgotten.
    std::optional<Point> end(SDL_FingerID finger);
    std::size_t active() const { return active_.size(); }

private:
    struct Entry {
        SDL_FingerID finger;
        Point point;
    };
    std::vector<Entry> active_;
    int nextId_ = 1;
};

}  // namespace media
