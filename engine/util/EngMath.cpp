#include "EngMath.h"

#include <cmath>

#include "EngRect.h"
#include "platform/runtime/Numbers.h"

namespace engine {

double EngMath::roundDecimal(double value, int precision) {
    double m = 1.0;
    for (int i = 0; i < precision; ++i) m *= 10.0;
    return runtime::Numbers::floatToInt(std::floor(value * m + 0.5)) / m;
}

bool EngMath::pointInCoordinates(double pointX, double pointY, double rectX, double rectY, double rectWidth,
                                 double rectHeight) {
    return pointX >= rectX && pointX <= rectX + rectWidth && pointY >= rectY && pointY <= rectY + rectHeight;
}

bool EngMath::pointInEngRect(double pointX, double pointY, const EngRect& rect) {
    return pointInCoordinates(pointX, pointY, rect.x, rect.y, rect.width, rect.height);
}

}  // namespace engine
