#include "F.h"

#include <cmath>
#include <regex>
#include <vector>

#include "Game.h"
#include "framework/geom/Rectangle.h"

namespace game {

using framework::BitmapData;
using framework::Point;
using runtime::Ref;

namespace {

// Every match keeps its own preceding character.
std::string replaceWord(const std::string& text, const std::regex& pattern, const char* word) {
    return std::regex_replace(text, pattern, std::string("$1") + word);
}

}  // namespace

runtime::String F::setStringForMobile(const runtime::String& text) {
    if (!Game::mobile || text.isNull()) return text;
    static const std::regex upper("([^A-Za-z])Click");
    static const std::regex lower("([^A-Za-z])click");
    return runtime::String(replaceWord(replaceWord(text.str(), upper, "Tap"), lower, "tap"));
}

void F::drawLine(const Ref<BitmapData>& target, const Ref<Point>& from, const Ref<Point>& to, int lineColor,
                 int outlineColor, int size) {
    double px = from->x, py = from->y;
    double qx = to->x, qy = to->y;
    double angle = std::atan2(qy - py, qx - px);
    double stepX = std::cos(angle), stepY = std::sin(angle);
    double distance = std::hypot(qx - px, qy - py);

    auto outline = runtime::make<BitmapData>(size, size, true, 0);
    auto line = runtime::make<BitmapData>(size, size, true, 0);
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            outline->setPixel32(x, y, outlineColor);
            if (x != 0 && y != 0 && x != size - 1 && y != size - 1) line->setPixel32(x, y, lineColor);
        }
    }
    auto rect = runtime::make<framework::Rectangle>(0, 0, size, size);
    int half = static_cast<int>(std::floor(size * 0.5 + 0.5));

    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < distance; ++i) {
        points.emplace_back(px, py);
        if (outlineColor != 0) target->copyPixels(outline, rect, runtime::make<Point>(px - half, py - half));
        px += stepX;
        py += stepY;
    }
    points.emplace_back(to->x, to->y);
    for (auto& [x, y] : points)
        target->copyPixels(line, rect, runtime::make<Point>(x - half, y - half), nullptr, nullptr, true);
    outline->dispose();
    line->dispose();
}

}  // namespace game
