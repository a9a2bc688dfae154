#pragma once
// The engine's positioned object: its position, size, last position, collision sides and the
// separation of two colliding objects. Motion and the overlap tests are not built yet.
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
    static constexpr double SEPARATE_BIAS = 4;

    // separateX, then separateY; true when either moved the pair apart.
    static bool separate(EngObject* object1, EngObject* object2);
    static bool separateX(EngObject* object1, EngObject* object2);
    static bool separateY(EngObject* object1, EngObject* object2);

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
    bool moves = true;
    bool immovable = false;
    runtime::Ref<EngPoint> velocity;
    runtime::Ref<EngPoint> last;
    double mass = 1;
    double elasticity = 0;
    int touching = NONE;
    int wasTouching = NONE;
    int allowCollisions = ANY;
    bool collisonXDrag = true;
};

}  // namespace engine
