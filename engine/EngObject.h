#pragma once
// The engine's positioned object: its position, size, last position and collision sides.
// Motion, overlap and separation are not built yet.
#include "engine/EngBasic.h"
#include "engine/util/EngPoint.h"

namespace engine {

class EngObject : public EngBasic {
    RUNTIME_CLASS(EngObject)
public:
    static constexpr int LEFT = 0x0001;
    static constexpr int RIGHT = 0x0010;
    static constexpr int UP = 0x0100;
    static constexpr int DOWN = 0x1000;
    static constexpr int NONE = 0;
    static constexpr int CEILING = UP;
    static constexpr int FLOOR = DOWN;
    static constexpr int WALL = LEFT | RIGHT;
    static constexpr int ANY = LEFT | RIGHT | UP | DOWN;

    explicit EngObject(double x = 0, double y = 0, double width = 0, double height = 0);
    explicit EngObject(runtime::NoInit n) : EngBasic(n) {}

    virtual double set_x(double v) { return x = v; }
    virtual double set_y(double v) { return y = v; }
    virtual double get_width() const { return width; }
    virtual double set_width(double v) { return width = v; }
    virtual double get_height() const { return height; }
    virtual double set_height(double v) { return height = v; }
    // Writes the centre into point (a new pooled point when null) and returns it.
    virtual runtime::Ref<EngPoint> getMidpoint(runtime::Ref<EngPoint> point = nullptr);

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    runtime::Ref<EngPoint> last;
    int allowCollisions = ANY;
};

}  // namespace engine
