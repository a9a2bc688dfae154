#pragma once
// The engine's positioned object: a rectangle in world space with an angle, motion per axis
// (velocity, acceleration, drag, speed limit) and for the angle, collision sides and touching
// flags, health, a scroll factor and an optional camera list; overlap tests and separation.
#include <memory>
#include <vector>

#include "engine/EngBasic.h"
#include "engine/util/EngPoint.h"
#include "engine/util/EngRect.h"

namespace engine {

class EngCamera;

class EngObject : public EngBasic {
    RUNTIME_CLASS(EngObject)
public:
    using CameraList = std::vector<runtime::Ref<EngCamera>>;

    static constexpr int LEFT = 0x0001;
    static constexpr int RIGHT = 0x0010;
    static constexpr int UP = 0x0100;
    static constexpr int DOWN = 0x1000;
    static constexpr int NONE = 0;
    static constexpr int CEILING = UP;
    static constexpr int FLOOR = DOWN;
    static constexpr int WALL = LEFT | RIGHT;
    static constexpr int ANY = LEFT | RIGHT | UP | DOWN;
    static inline double SEPARATE_BIAS = 4;
    // Scratch hulls of the separation; overwritten by every pair.
    static runtime::Ref<EngRect> _firstSeparateEngRect;
    static runtime::Ref<EngRect> _secondSeparateEngRect;

    // separateX, then separateY (both run); true when either moved the pair apart.
    static bool separate(EngObject* object1, EngObject* object2);
    static bool separateX(EngObject* object1, EngObject* object2);
    static bool separateY(EngObject* object1, EngObject* object2);

    explicit EngObject(double x = 0, double y = 0, double width = 0, double height = 0);
    explicit EngObject(runtime::NoInit n) : EngBasic(n) {}

    void destroy() override;
    // last = position; motion when moves; touching rolled into wasTouching.
    void update() override;
    void draw() override {}
    std::string toString() const override;

    virtual void initVars();
    virtual void initMotionVars();
    // Half-step integration of angle, x and y over EngG::elapsed.
    virtual void updateMotion();
    virtual bool overlaps(EngBasic* objectOrGroup, bool inScreenSpace = false, EngCamera* camera = nullptr);
    virtual bool overlapsCallback(EngBasic* objectOrGroup, double x, double y, bool inScreenSpace, EngCamera* camera);
    virtual bool overlapsAt(double x, double y, EngBasic* objectOrGroup, bool inScreenSpace = false,
                            EngCamera* camera = nullptr);
    virtual bool overlapsAtCallback(EngBasic* objectOrGroup, double x, double y, bool inScreenSpace, EngCamera* camera);
    // Edges are outside. In screen space a weak point goes back to its pool.
    virtual bool overlapsPoint(const runtime::Ref<EngPoint>& point, bool inScreenSpace = false,
                               EngCamera* camera = nullptr);
    virtual bool inWorldBounds();
    virtual runtime::Ref<EngPoint> getScreenXY(runtime::Ref<EngPoint> point = nullptr, EngCamera* camera = nullptr);
    // Writes the centre into point (a new pooled point when null) and returns it.
    virtual runtime::Ref<EngPoint> getMidpoint(runtime::Ref<EngPoint> point = nullptr);
    virtual void reset(double x, double y);
    virtual bool isOnScreen(EngCamera* camera = nullptr);
    virtual bool isTouching(int direction) { return (touching & direction) > 0; }
    virtual bool justTouched(int direction) { return (touching & direction) > 0 && (wasTouching & direction) <= 0; }
    virtual void hurt(double damage);
    virtual void setPosition(double x = 0, double y = 0);
    virtual void setSize(double width, double height);
    virtual double set_x(double v) { return x = v; }
    virtual double set_y(double v) { return y = v; }
    virtual double set_width(double v) { return width = v; }
    virtual double set_height(double v) { return height = v; }
    virtual double get_width() const { return width; }
    virtual double get_height() const { return height; }
    virtual bool get_solid() const { return (allowCollisions & ANY) != 0; }
    virtual bool set_solid(bool value);
    virtual double set_angle(double v) { return angle = v; }
    virtual bool set_moves(bool v) { return moves = v; }
    virtual bool set_immovable(bool v) { return immovable = v; }
    virtual runtime::Ref<EngCamera> get_camera() const;
    virtual runtime::Ref<EngCamera> set_camera(const runtime::Ref<EngCamera>& value);
    // The own list, else the engine's default camera list itself (empty without one).
    virtual const CameraList& get_cameras() const;
    // Null restores the defaults.
    virtual std::shared_ptr<CameraList> set_cameras(std::shared_ptr<CameraList> value);
    virtual bool set_pixelPerfectRender(bool v) { return pixelPerfectRender = v; }

    double get_x() const { return x; }
    double get_y() const { return y; }
    double get_angle() const { return angle; }
    bool get_moves() const { return moves; }
    bool get_immovable() const { return immovable; }
    bool get_pixelPerfectRender() const { return pixelPerfectRender; }

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool pixelPerfectRender = true;
    double angle = 0;
    bool moves = true;
    bool immovable = false;
    runtime::Ref<EngPoint> scrollFactor;
    runtime::Ref<EngPoint> velocity;
    runtime::Ref<EngPoint> acceleration;
    runtime::Ref<EngPoint> drag;
    runtime::Ref<EngPoint> maxVelocity;
    runtime::Ref<EngPoint> last;
    double mass = 1;
    double elasticity = 0;
    double angularVelocity = 0;
    double angularAcceleration = 0;
    double angularDrag = 0;
    double maxAngular = 10000;
    double health = 1;
    int touching = NONE;
    int wasTouching = NONE;
    int allowCollisions = ANY;
    bool collisonXDrag = true;
    runtime::Ref<EngPoint> _point;
    std::shared_ptr<CameraList> _cameras;

protected:
    // For subclasses whose own initVars replaces this one's (the sprite group).
    struct SkipInitVars {};
    EngObject(double x, double y, double width, double height, SkipInitVars);
    // The object case of overlaps / overlapsAt against another object standing at (ox, oy).
    bool overlapsObjectAt(double X, double Y, EngObject* other, bool inScreenSpace, EngCamera* camera);
};

}  // namespace engine
