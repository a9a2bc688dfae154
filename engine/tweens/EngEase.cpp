#include "EngEase.h"

#include <cmath>
#include <numbers>

namespace engine {

double EngEase::bounce(double x) {
    if (x < B1) return 7.5625 * x * x;
    if (x < B2) return 7.5625 * (x - B3) * (x - B3) + 0.75;
    if (x < B4) return 7.5625 * (x - B5) * (x - B5) + 0.9375;
    return 7.5625 * (x - B6) * (x - B6) + 0.984375;
}

double EngEase::elasticShift() { return ELASTIC_PERIOD / (2 * std::numbers::pi) * std::asin(1 / ELASTIC_AMPLITUDE); }

double EngEase::quadIn(double t) {
    return t * t;
}

double EngEase::quadOut(double t) {
    return -t * (t - 2);
}

double EngEase::quadInOut(double t) {
    return t <= 0.5 ? 2 * t * t : 1 - 2 * (t - 1) * (t - 1);
}

double EngEase::cubeIn(double t) {
    return t * t * t;
}

double EngEase::cubeOut(double t) {
    return 1 + (t - 1) * (t - 1) * (t - 1);
}

double EngEase::cubeInOut(double t) {
    return t <= 0.5 ? 4 * t * t * t : 1 + 4 * (t - 1) * (t - 1) * (t - 1);
}

double EngEase::quartIn(double t) {
    return t * t * t * t;
}

double EngEase::quartOut(double t) {
    return 1 - (t - 1) * (t - 1) * (t - 1) * (t - 1);
}

double EngEase::quartInOut(double t) {
    if (t <= 0.5) return 8 * t * t * t * t;
    double u = 2 * t - 2;
    return (1 - u * u * u * u) * 0.5 + 0.5;
}

double EngEase::quintIn(double t) {
    return t * t * t * t * t;
}

double EngEase::quintOut(double t) {
    double u = t - 1;
    return u * u * u * u * u + 1;
}

double EngEase::quintInOut(double t) {
    double u = 2 * t;
    if (u < 1) return u * u * u * u * u * 0.5;
    u -= 2;
    return (u * u * u * u * u + 2) * 0.5;
}

double EngEase::sineIn(double t) {
    return 1 - std::cos(PI2 * t);
}

double EngEase::sineOut(double t) {
    return std::sin(PI2 * t);
}

double EngEase::sineInOut(double t) {
    return -std::cos(std::numbers::pi * t) * 0.5 + 0.5;
}

double EngEase::bounceIn(double t) {
    return 1 - bounce(1 - t);
}

double EngEase::bounceOut(double t) {
    return bounce(t);
}

double EngEase::bounceInOut(double t) {
    return t < 0.5 ? (1 - bounce(1 - 2 * t)) * 0.5 : bounce(2 * t - 1) * 0.5 + 0.5;
}

double EngEase::circIn(double t) {
    return -(std::sqrt(1 - t * t) - 1);
}

double EngEase::circOut(double t) {
    return std::sqrt(1 - (t - 1) * (t - 1));
}

double EngEase::circInOut(double t) {
    return t <= 0.5 ? (std::sqrt(1 - 4 * t * t) - 1) * -0.5 : (std::sqrt(1 - (2 * t - 2) * (2 * t - 2)) + 1) * 0.5;
}

double EngEase::expoIn(double t) {
    return std::pow(2.0, 10 * (t - 1));
}

double EngEase::expoOut(double t) {
    return 1 - std::pow(2.0, -10 * t);
}

double EngEase::expoInOut(double t) {
    return t < 0.5 ? std::pow(2.0, 10 * (2 * t - 1)) * 0.5 : (2 - std::pow(2.0, -10 * (2 * t - 1))) * 0.5;
}

double EngEase::backIn(double t) {
    return t * t * (2.70158 * t - 1.70158);
}

double EngEase::backOut(double t) {
    double u = t - 1;
    return 1 - u * u * (-2.70158 * u - 1.70158);
}

double EngEase::backInOut(double t) {
    double u = 2 * t;
    if (u < 1) return u * u * (2.70158 * u - 1.70158) * 0.5;
    double w = u - 2;
    return (1 - w * w * (-2.70158 * w - 1.70158)) * 0.5 + 0.5;
}

double EngEase::elasticIn(double t) {
    double u = t - 1;
    return -(ELASTIC_AMPLITUDE * std::pow(2.0, 10 * u) * std::sin(2 * std::numbers::pi * (u - elasticShift()) / ELASTIC_PERIOD));
}

double EngEase::elasticOut(double t) {
    return ELASTIC_AMPLITUDE * std::pow(2.0, -10 * t) * std::sin(2 * std::numbers::pi * (t - elasticShift()) / ELASTIC_PERIOD) + 1;
}

double EngEase::elasticInOut(double t) {
    double u = t - 0.5;
    double a = (u - ELASTIC_PERIOD * 0.25) * 2 * std::numbers::pi / ELASTIC_PERIOD;
    return t < 0.5 ? -0.5 * std::pow(2.0, 10 * u) * std::sin(a) : std::pow(2.0, -10 * u) * std::sin(a) * 0.5 + 1;
}

runtime::Ref<runtime::Function> EngEase::ease(std::string_view name) {
    const runtime::Member* m = staticClass().findStatic(name);
    if (!m) return nullptr;
    return runtime::Ref<runtime::Function>(m->get(nullptr).function());
}

}  // namespace engine

using engine::EngEase;

RUNTIME_DEFINE_CLASS(EngEase, "engine.tweens.EngEase", runtime::Object, (auto& b) {
    b
        .template staticField<&EngEase::PI2>("PI2")
        .template staticField<&EngEase::EL>("EL")
        .template staticField<&EngEase::B1>("B1")
        .template staticField<&EngEase::B2>("B2")
        .template staticField<&EngEase::B3>("B3")
        .template staticField<&EngEase::B4>("B4")
        .template staticField<&EngEase::B5>("B5")
        .template staticField<&EngEase::B6>("B6")
        .template staticField<&EngEase::ELASTIC_AMPLITUDE>("ELASTIC_AMPLITUDE")
        .template staticField<&EngEase::ELASTIC_PERIOD>("ELASTIC_PERIOD")
        .template staticMethod<&EngEase::quadIn>("quadIn")
        .template staticMethod<&EngEase::quadOut>("quadOut")
        .template staticMethod<&EngEase::quadInOut>("quadInOut")
        .template staticMethod<&EngEase::cubeIn>("cubeIn")
        .template staticMethod<&EngEase::cubeOut>("cubeOut")
        .template staticMethod<&EngEase::cubeInOut>("cubeInOut")
        .template staticMethod<&EngEase::quartIn>("quartIn")
        .template staticMethod<&EngEase::quartOut>("quartOut")
        .template staticMethod<&EngEase::quartInOut>("quartInOut")
        .template staticMethod<&EngEase::quintIn>("quintIn")
        .template staticMethod<&EngEase::quintOut>("quintOut")
        .template staticMethod<&EngEase::quintInOut>("quintInOut")
        .template staticMethod<&EngEase::sineIn>("sineIn")
        .template staticMethod<&EngEase::sineOut>("sineOut")
        .template staticMethod<&EngEase::sineInOut>("sineInOut")
        .template staticMethod<&EngEase::bounceIn>("bounceIn")
        .template staticMethod<&EngEase::bounceOut>("bounceOut")
        .template staticMethod<&EngEase::bounceInOut>("bounceInOut")
        .template staticMethod<&EngEase::circIn>("circIn")
        .template staticMethod<&EngEase::circOut>("circOut")
        .template staticMethod<&EngEase::circInOut>("circInOut")
        .template staticMethod<&EngEase::expoIn>("expoIn")
        .template staticMethod<&EngEase::expoOut>("expoOut")
        .template staticMethod<&EngEase::expoInOut>("expoInOut")
        .template staticMethod<&EngEase::backIn>("backIn")
        .template staticMethod<&EngEase::backOut>("backOut")
        .template staticMethod<&EngEase::backInOut>("backInOut")
        .template staticMethod<&EngEase::elasticIn>("elasticIn")
        .template staticMethod<&EngEase::elasticOut>("elasticOut")
        .template staticMethod<&EngEase::elasticInOut>("elasticInOut");
})
