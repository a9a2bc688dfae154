#pragma once
// Colours as 32-bit ARGB integers: building from components (ARGB, HSV, HSB), splitting,
// converting, mixing, darkening and brightening, wheels, harmonies and texts.
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

class EngColorUtil {
public:
    struct ARGB {
        int32_t red = 0, green = 0, blue = 0;
        double alpha = 0;
    };
    struct HSBA {
        int32_t hue = 0;
        double brightness = 0, saturation = 0, alpha = 0;
    };
    struct HSV {
        double hue = 0, saturation = 0, lightness = 0, value = 0;
    };
    struct Harmony {
        int32_t color1 = 0, color2 = 0, color3 = 0;
        int32_t hue1 = 0, hue2 = 0, hue3 = 0;
    };
    struct TriadicHarmony {
        int32_t color1 = 0, color2 = 0, color3 = 0;
    };

    static int32_t getColor32(int32_t alpha, int32_t red, int32_t green, int32_t blue);
    static int32_t getColor24(int32_t red, int32_t green, int32_t blue);
    // An alpha up to 1 is a fraction of 255.
    static int32_t makeFromARGB(double alpha, int32_t red, int32_t green, int32_t blue);
    static int32_t makeFromHSBA(double hue, double saturation, double brightness, double alpha = 1);
    static int32_t HSVtoARGB(double h, double s, double v, int32_t alpha = 255);
    static HSV RGBtoHSV(int32_t color);
    static ARGB getARGB(int32_t color, ARGB* result = nullptr);
    static HSBA getHSBA(int32_t color, HSBA* result = nullptr);
    static int32_t getAlpha(int32_t color) { return static_cast<int32_t>(static_cast<uint32_t>(color) >> 24); }
    static double getAlphaFloat(int32_t color) { return getAlpha(color) / 255.0; }
    static int32_t getRed(int32_t color) { return (color >> 16) & 0xFF; }
    static int32_t getGreen(int32_t color) { return (color >> 8) & 0xFF; }
    static int32_t getBlue(int32_t color) { return color & 0xFF; }
    static int32_t ARGBtoRGB(int32_t color) { return color & 0xFFFFFF; }
    static int32_t getRandomColor(int32_t minimum = 0, int32_t maximum = 255, int32_t alpha = 255);
    // steps must not be 0.
    static int32_t interpolateColor(int32_t color1, int32_t color2, int32_t steps, int32_t currentStep,
                                    int32_t alpha = 255);
    static int32_t interpolateColorWithRGB(int32_t color, int32_t r2, int32_t g2, int32_t b2, int32_t steps,
                                           int32_t currentStep);
    static int32_t interpolateRGB(int32_t r1, int32_t g1, int32_t b1, int32_t r2, int32_t g2, int32_t b2,
                                  int32_t steps, int32_t currentStep);
    static int32_t darken(int32_t color, double factor = 0.2);
    static int32_t brighten(int32_t color, double factor = 0.2);
    static std::vector<int32_t> getHSVColorWheel(int32_t alpha = 255);
    static int32_t getComplementHarmony(int32_t color);
    static Harmony getAnalogousHarmony(int32_t color, int32_t threshold = 30);
    static Harmony getSplitComplementHarmony(int32_t color, int32_t threshold = 30);
    static TriadicHarmony getTriadicHarmony(int32_t color);
    // Two upper-case hexadecimal digits for 0 ... 255.
    static std::string colorToHexString(int32_t color);
    static std::string ARGBtoHexString(int32_t color);
    static std::string ARGBtoWebString(int32_t color);
    static std::string getColorInfo(int32_t color);
};

}  // namespace engine
