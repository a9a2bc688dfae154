#pragma once
// Engine math helpers used by the core: rounding to decimals and inclusive point-in-area tests.

namespace engine {

class EngRect;

class EngMath {
public:
    // floor(value * 10^precision + 0.5) / 10^precision; halves go up.
    static double roundDecimal(double value, int precision);
    // rectX <= pointX <= rectX + rectWidth and rectY <= pointY <= rectY + rectHeight.
    static bool pointInCoordinates(double pointX, double pointY, double rectX, double rectY, double rectWidth,
                                   double rectHeight);
    static bool pointInEngRect(double pointX, double pointY, const EngRect& rect);
};

}  // namespace engine
