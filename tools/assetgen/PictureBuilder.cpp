#include "PictureBuilder.h"

#include <algorithm>

namespace tools {

double uni(std::mt19937& r) { return std::uniform_real_distribution<double>(0, 1)(r); }

Paint cellsOf(int cw, int ch, int n, CellPaint fn, bool outline) {
    return [=](Canvas& c, std::mt19937& r) {
        int cols = std::max(1, c.width() / cw);
        for (int i = 0; i < n; ++i) {
            Canvas cell(cw, ch);
            fn(cell, i, r);
            if (outline) cell.outline(0xFF141014);
            c.blit(cell, (i % cols) * cw, (i / cols) * ch);
        }
    };
}

void skin(Canvas& c, int x, int y, int w, int h, uint32_t middle, uint32_t line, uint32_t rim, int radius) {
    c.fillRect(x + radius, y, w - 2 * radius, h, line);
    c.fillRect(x, y + radius, w, h - 2 * radius, line);
    c.fillRect(x + 1, y + 1, w - 2, h - 2, line);
    c.fillRect(x + 1, y + radius, w - 2, h - 2 * radius, rim);
    c.fillRect(x + radius, y + 1, w - 2 * radius, h - 2, rim);
    c.fillRect(x + 3, y + 3, w - 6, h - 6, middle);
}

void windowSkin(Canvas& c, int x, uint32_t middle) {
    for (int py = 0; py < 13; ++py)
        for (int px = 0; px < 13; ++px) {
            const int dx = std::min(px, 12 - px), dy = std::min(py, 12 - py), d = std::min(dx, dy);
            uint32_t col = middle;
            if (dx + dy <= 1) continue;  // the outline's rounded corner
            if (d == 0 || (dx == 1 && dy == 1)) col = 0xFF000000;
            else if (d <= 2 || (dx == 3 && dy == 3)) col = 0xFFA7A7A7;
            else if ((dx == 4 && dy == 4) || (dx == 5 && dy == 4) || (dx == 4 && dy == 5)) col = 0xFF525252;
            c.set(x + px, py, col);
        }
}

Paint buttonSkin(uint32_t middle, bool yellow) {
    return [=](Canvas& c, std::mt19937&) {
        if (yellow) {
            c.fillRect(1, 0, c.width() - 2, c.height(), middle);
            c.fillRect(0, 1, c.width(), c.height() - 2, middle);
            c.strokeRect(1, 1, c.width() - 2, c.height() - 2, shade(middle, 0.7));
        } else {
            skin(c, 0, 0, c.width(), c.height(), middle, shade(mix(middle, 0xFFFFFFFF, 0.35), 1.0), shade(middle, 1.25), 2);
        }
    };
}

void frameBox(Canvas& c, int x, int y, int w, int h, uint32_t line, uint32_t inner) {
    c.strokeRect(x, y, w, h, line);
    c.strokeRect(x + 1, y + 1, w - 2, h - 2, inner);
}

uint32_t elementColour(int e) {
    static const uint32_t cols[] = {0xFFE84A20, 0xFF7ED8FF, 0xFF9A7040, 0xFF90E8A0, 0xFF8040B0, 0xFFFFF080};
    return cols[e % 6];
}

void PictureBuilder::add(std::string id, int w, int h, int cw, int ch, int n, std::string shows, std::string source, Paint p) {
    recipes.push_back({"assets/" + std::move(id), w, h, cw, ch, n, std::move(shows), std::move(source), std::move(p)});
}

void PictureBuilder::strip(std::string id, int cw, int ch, int n, std::string shows, std::string source, CellPaint fn, bool outline) {
    add(std::move(id), cw * n, ch, cw, ch, n, std::move(shows), std::move(source), cellsOf(cw, ch, n, std::move(fn), outline));
}

}  // namespace tools
