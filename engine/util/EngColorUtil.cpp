#include "EngColorUtil.h"

#include <algorithm>
#include <cmath>

#include "EngMath.h"
#include "EngRandom.h"
#include "platform/runtime/Numbers.h"

namespace engine {

namespace {
using runtime::Numbers;

int32_t trunc(double v) { return Numbers::floatToInt(v); }
int32_t pack(int32_t a, int32_t r, int32_t g, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
                                static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b));
}
double round4(double v) { return EngMath::roundDecimal(v, 4); }
std::string num(double v) { return Numbers::toText(v); }
}  // namespace

int32_t EngColorUtil::getColor32(int32_t alpha, int32_t red, int32_t green, int32_t blue) {
    return pack(alpha, red, green, blue);
}

int32_t EngColorUtil::getColor24(int32_t red, int32_t green, int32_t blue) { return pack(0, red, green, blue); }

int32_t EngColorUtil::makeFromARGB(double alpha, int32_t red, int32_t green, int32_t blue) {
    double a = alpha > 1 ? alpha : alpha * 255;
    return pack(trunc(a), red & 0xFF, green & 0xFF, blue & 0xFF);
}

int32_t EngColorUtil::makeFromHSBA(double hue, double saturation, double brightness, double alpha) {
    double r = brightness, g = brightness, b = brightness;
    if (hue == 360) hue = 0;
    if (saturation != 0) {
        double t = hue / 60;
        int32_t i = trunc(t);
        double f = t - i, v = brightness, s = saturation;
        double p = (1 - s) * v, q = (1 - f * s) * v, u = v * (1 - s * (1 - f));
        switch (i) {
            case 0: r = v, g = u, b = p; break;
            case 1: r = q, g = v, b = p; break;
            case 2: r = p, g = v, b = u; break;
            case 3: r = p, g = q, b = v; break;
            case 4: r = u, g = p, b = v; break;
            case 5: r = v, g = p, b = q; break;
            default: r = g = b = 0;
        }
    }
    double a = alpha > 1 ? alpha : alpha * 255;
    return pack(trunc(a), trunc(r * 255), trunc(g * 255), trunc(b * 255));
}

int32_t EngColorUtil::HSVtoARGB(double h, double s, double v, int32_t alpha) {
    if (s == 0) {
        int32_t k = trunc(v * 255);
        return pack(alpha, k, k, k);
    }
    double t = h / 60;
    int32_t i = trunc(t);
    double f = t - i;
    double p = (1 - s) * v, q = (1 - f * s) * v, u = v * (1 - s * (1 - f));
    double r, g, b;
    switch (i) {
        case 0: r = v, g = u, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = u; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = u, g = p, b = v; break;
        case 5: r = v, g = p, b = q; break;
        default: return 0;
    }
    return pack(alpha, trunc(r * 255), trunc(g * 255), trunc(b * 255));
}

EngColorUtil::HSV EngColorUtil::RGBtoHSV(int32_t color) {
    double r = getRed(color) / 255.0, g = getGreen(color) / 255.0, b = getBlue(color) / 255.0;
    double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
    double l = (max + min) * 0.5, hue = 0, sat = 0;
    if (d != 0) {
        sat = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        double h2 = d * 0.5;
        double dR = ((max - r) / 6 + h2) / d, dG = ((max - g) / 6 + h2) / d, dB = ((max - b) / 6 + h2) / d;
        if (r == max)
            hue = dB - dG;
        else if (g == max)
            hue = 1.0 / 3 + dR - dB;
        else
            hue = 2.0 / 3 + dG - dR;
        if (hue < 0) hue += 1;
        if (hue > 1) hue -= 1;
    }
    return HSV{std::floor(hue * 360 + 0.5), sat, l, l};
}

EngColorUtil::ARGB EngColorUtil::getARGB(int32_t color, ARGB* result) {
    ARGB out{getRed(color), getGreen(color), getBlue(color), round4(getAlpha(color) / 255.0)};
    if (result) *result = out;
    return out;
}

EngColorUtil::HSBA EngColorUtil::getHSBA(int32_t color, HSBA* result) {
    double r = getRed(color) / 255.0, g = getGreen(color) / 255.0, b = getBlue(color) / 255.0;
    double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
    double brightness = round4(max), saturation = 0, hue = 0;
    if (max != 0) {
        saturation = round4(d / max);
        if (saturation != 0) {
            double h = r == max ? (g - b) / d : (g == max ? (b - r) / d + 2 : (r - g) / d + 4);
            hue = h * 60;
            if (hue < 0) hue += 360;
        }
    }
    HSBA out{trunc(hue), brightness, saturation, round4(getAlpha(color) / 255.0)};
    if (result) *result = out;
    return out;
}

int32_t EngColorUtil::getRandomColor(int32_t minimum, int32_t maximum, int32_t alpha) {
    return EngRandom::color(minimum, maximum, alpha);
}

int32_t EngColorUtil::interpolateColor(int32_t color1, int32_t color2, int32_t steps, int32_t currentStep,
                                       int32_t alpha) {
    ARGB a = getARGB(color1), b = getARGB(color2);
    auto mix = [&](int32_t c1, int32_t c2) {
        return trunc(c1 + (static_cast<double>(c2 - c1) * currentStep) / steps);
    };
    return pack(alpha, mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
}

int32_t EngColorUtil::interpolateColorWithRGB(int32_t color, int32_t r2, int32_t g2, int32_t b2, int32_t steps,
                                              int32_t currentStep) {
    ARGB a = getARGB(color);
    auto mix = [&](int32_t c1, int32_t c2) {
        return trunc(c1 + (static_cast<double>(c2 - c1) * currentStep) / steps);
    };
    return pack(0, mix(a.red, r2), mix(a.green, g2), mix(a.blue, b2));
}

int32_t EngColorUtil::interpolateRGB(int32_t r1, int32_t g1, int32_t b1, int32_t r2, int32_t g2, int32_t b2,
                                     int32_t steps, int32_t currentStep) {
    auto mix = [&](int32_t c1, int32_t c2) {
        int32_t product = static_cast<int32_t>(static_cast<uint32_t>(c2 - c1) * static_cast<uint32_t>(currentStep));
        return trunc(static_cast<double>(product) / steps + c1);
    };
    return pack(0, mix(r1, r2), mix(g1, g2), mix(b1, b2));
}

int32_t EngColorUtil::darken(int32_t color, double factor) {
    double m = 1 - factor;
    return pack(getAlpha(color), trunc(getRed(color) * m) & 0xFF, trunc(getGreen(color) * m) & 0xFF,
                trunc(getBlue(color) * m) & 0xFF);
}

int32_t EngColorUtil::brighten(int32_t color, double factor) {
    auto up = [&](int32_t c) { return (c + trunc(factor * (255 - c))) & 0xFF; };
    return pack(getAlpha(color), up(getRed(color)), up(getGreen(color)), up(getBlue(color)));
}

std::vector<int32_t> EngColorUtil::getHSVColorWheel(int32_t alpha) {
    std::vector<int32_t> wheel;
    wheel.reserve(360);
    for (int i = 0; i < 360; ++i) wheel.push_back(HSVtoARGB(i, 1.0, 1.0, alpha));
    return wheel;
}

int32_t EngColorUtil::getComplementHarmony(int32_t color) {
    int32_t h = trunc(RGBtoHSV(color).hue);
    return HSVtoARGB(EngMath::wrapValue(h, 180, 359), 1.0, 1.0);
}

EngColorUtil::Harmony EngColorUtil::getAnalogousHarmony(int32_t color, int32_t threshold) {
    int32_t h = trunc(RGBtoHSV(color).hue);
    int32_t warmer = EngMath::wrapValue(h, 359 - threshold, 359);
    int32_t colder = EngMath::wrapValue(h, threshold, 359);
    return Harmony{color, HSVtoARGB(warmer, 1.0, 1.0), HSVtoARGB(colder, 1.0, 1.0), h, warmer, colder};
}

EngColorUtil::Harmony EngColorUtil::getSplitComplementHarmony(int32_t color, int32_t threshold) {
    HSV hsv = RGBtoHSV(color);
    int32_t h = trunc(hsv.hue);
    int32_t opposite = EngMath::wrapValue(h, 180, 359);
    int32_t warmer = EngMath::wrapValue(h, opposite - threshold, 359);
    int32_t colder = EngMath::wrapValue(h, opposite + threshold, 359);
    return Harmony{color,  HSVtoARGB(warmer, hsv.saturation, hsv.value), HSVtoARGB(colder, hsv.saturation, hsv.value),
                   h,      warmer,
                   colder};
}

EngColorUtil::TriadicHarmony EngColorUtil::getTriadicHarmony(int32_t color) {
    int32_t h = trunc(RGBtoHSV(color).hue);
    int32_t t1 = EngMath::wrapValue(h, 120, 359);
    int32_t t2 = EngMath::wrapValue(t1, 120, 359);
    return TriadicHarmony{color, HSVtoARGB(t1, 1.0, 1.0), HSVtoARGB(t2, 1.0, 1.0)};
}

std::string EngColorUtil::colorToHexString(int32_t color) {
    static const char* digits = "0123456789ABCDEF";
    int32_t lo = color % 16;
    int32_t hi = trunc((static_cast<double>(color) - lo) * 0.0625);
    std::string out;
    if (hi >= 0 && hi <= 15) out += digits[hi];
    if (lo >= 0 && lo <= 15) out += digits[lo];
    return out;
}

std::string EngColorUtil::ARGBtoHexString(int32_t color) {
    return "0x" + colorToHexString(getAlpha(color)) + colorToHexString(getRed(color)) +
           colorToHexString(getGreen(color)) + colorToHexString(getBlue(color));
}

std::string EngColorUtil::ARGBtoWebString(int32_t color) {
    return "#" + colorToHexString(getRed(color)) + colorToHexString(getGreen(color)) + colorToHexString(getBlue(color));
}

std::string EngColorUtil::getColorInfo(int32_t color) {
    ARGB argb = getARGB(color);
    HSV hsv = RGBtoHSV(color);
    return ARGBtoHexString(color) + "\n" + "Alpha: " + num(argb.alpha) + " Red: " + num(argb.red) +
           " Green: " + num(argb.green) + " Blue: " + num(argb.blue) + "\n" + "Hue: " + num(hsv.hue) +
           " Saturation: " + num(hsv.saturation) + " Lightnes: " + num(hsv.lightness);
}

}  // namespace engine
