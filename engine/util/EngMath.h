#pragma once
// Engine math helpers: rounding, clamping, interpolation, comparisons, point-in-area tests and
// distances.
#include <cstdint>

#include "platform/runtime/Ref.h"

namespace framework {
class Rectangle;
}

namespace engine {

class EngRect;
class EngPoint;

class EngSprite;

class EngMath {
public:
    static constexpr double MIN_VALUE = 5e-324;
    static constexpr double MAX_VALUE = 1.79e+308;
    static constexpr double SQUARE_ROOT_OF_TWO = 1.41421356237;

    // floor(value * 10^precision + 0.5) / 10^precision; halves go up.
    static double roundDecimal(double value, int precision);
    static double bound(double value, double min, double max);
    static double lerp(double min, double max, double ratio) { return min + (max - min) * ratio; }
    // Both ends excluded.
    static bool inBounds(double value, double min, double max) { return min < value && value < max; }
    static bool isOdd(double n);
    static bool isEven(double n) { return !isOdd(n); }
    static int numericComparison(double num1, double num2);
    // rectX <= pointX <= rectX + rectWidth and rectY <= pointY <= rectY + rectHeight.
    static bool pointInCoordinates(double pointX, double pointY, double rectX, double rectY, double rectWidth,
                                   double rectHeight);
    static bool pointInEngRect(double pointX, double pointY, const EngRect& rect);
    // Both edges inside, unlike the rectangle's own test.
    static bool pointInRectangle(double pointX, double pointY, framework::Rectangle& rect);
    // value + amount kept within min and max.
    static int32_t maxAdd(int32_t value, int32_t amount, int32_t max, int32_t min = 0);
    // (|value| + |amount|) remainder |max|.
    static int32_t wrapValue(int32_t value, int32_t amount, int32_t max);
    static double dotProduct(double ax, double ay, double bx, double by) { return ax * bx + ay * by; }
    static double vectorLength(double dx, double dy);
    // Gives back weak points.
    static double getDistance(const runtime::Ref<EngPoint>& pointA, const runtime::Ref<EngPoint>& pointB);
    // Digits after the "." of the number's shortest text.
    static int getDecimals(double n);
    static bool equal(double aValueA, double aValueB, double aDiff = 0.00001);
    static int signOf(double f) { return f < 0 ? -1 : 1; }
    static bool sameSign(double a, double b) { return signOf(a) == signOf(b); }
    // Distances between sprites' origin points (position plus origin), the mouse taken in screen
    // pixels; weak target points go back to their pool.
    static bool mouseInEngRect(bool useWorldCoords, const EngRect* rect);
    static int distanceBetween(const EngSprite* spriteA, const EngSprite* spriteB);
    static bool isDistanceWithin(const EngSprite* spriteA, const EngSprite* spriteB, double distance,
                                 bool includeEqual = false);
    static int distanceToPoint(const EngSprite* sprite, const runtime::Ref<EngPoint>& target);
    static bool isDistanceToPointWithin(const EngSprite* sprite, const runtime::Ref<EngPoint>& target, double distance,
                                        bool includeEqual = false);
    static int distanceToMouse(const EngSprite* sprite);
    static bool isDistanceToMouseWithin(const EngSprite* sprite, double distance, bool includeEqual = false);
};

}  // namespace engine
