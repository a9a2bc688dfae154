#pragma once
// Degrees and radians, the angle between points, a fast rotation, polar and cartesian
// coordinates, and precomputed sine and cosine tables.
#include <vector>

#include "platform/runtime/Ref.h"

namespace engine {

class EngPoint;

class EngObject;
class EngSprite;

class EngAngle {
public:
    static inline std::vector<double> cosTable;
    static inline std::vector<double> sinTable;

    static double get_TO_DEG();
    static double get_TO_RAD();

    static double asDegrees(double radians);
    static double asRadians(double degrees);
    // Beyond +-180 the angle is replaced by the opposite bound, not wrapped.
    static double wrapAngle(double angle);
    static double angleLimit(double angle, double min, double max);
    // Degrees, 0 pointing up and 90 right, by a fast arc-tangent; gives back weak points.
    static double getAngle(const runtime::Ref<EngPoint>& point1, const runtime::Ref<EngPoint>& point2);
    // (x, y) turned about the pivot by angle degrees, with a fast sine.
    static runtime::Ref<EngPoint> rotatePoint(double x, double y, double pivotX, double pivotY, double angle,
                                              runtime::Ref<EngPoint> point = nullptr);
    static runtime::Ref<EngPoint> getCartesianCoords(double radius, double angle, runtime::Ref<EngPoint> point = nullptr);
    // x = radius, y = angle in degrees.
    static runtime::Ref<EngPoint> getPolarCoords(double x, double y, runtime::Ref<EngPoint> point = nullptr);
    static void sinCosGenerator(int length, double sinAmplitude = 1, double cosAmplitude = 1, double frequency = 1);
    // From the first sprite's origin point to the target; radians unless asDegrees.
    static double angleBetween(const EngSprite* spriteA, const EngSprite* spriteB, bool asDegrees = false);
    static double angleBetweenPoint(const EngSprite* sprite, const runtime::Ref<EngPoint>& target,
                                    bool asDegrees = false);
    // From the object's screen position to the mouse's; 0 for no object.
    static double angleBetweenMouse(EngObject* object, bool asDegrees = false);
};

}  // namespace engine
