#include "SkillTreeLayout.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace tools {

namespace {
struct Anchor { int index, x, y; bool bright; };

// Fixed pixels: (index in the branch, in document order; x; y; bright). Every large node is among
// them, so the other pixels are all of the dim shade.
const std::vector<Anchor> MAGIC = {{3, 51, 13, 1}, {4, 20, 14, 1}, {8, 32, 14, 1}, {13, 50, 16, 1}, {15, 17, 18, 1}, {18, 32, 18, 1},
                                   {23, 49, 19, 1}, {28, 14, 22, 1}, {36, 50, 24, 1}, {37, 21, 25, 1}, {40, 26, 27, 1}, {44, 28, 30, 1},
                                   {47, 40, 30, 1}, {48, 34, 32, 1}};
const std::vector<Anchor> COMBAT = {{5, 58, 35, 1}, {6, 37, 37, 0}, {15, 36, 44, 1}, {20, 60, 44, 1}, {22, 37, 49, 1},
                                    {30, 57, 53, 1}, {38, 37, 62, 1}, {39, 54, 62, 1}, {40, 43, 63, 1}};
const std::vector<Anchor> MISC = {{0, 7, 30, 1}, {1, 11, 30, 1}, {2, 19, 32, 1}, {9, 20, 36, 1}, {12, 31, 37, 0},
                                  {29, 7, 48, 1}, {36, 29, 51, 1}, {42, 25, 60, 1}, {43, 13, 61, 1}};
const int COUNTS[] = {49, 41, 44};

bool inRegion(int branch, int x, int y) {
    if (x < 7 || x > 60 || y < 13 || y > 63) return false;
    if (branch == 0) return y <= 33;
    if (branch == 1) return y >= 34 && x >= 33;
    return y >= 28 && x <= 32;
}
}  // namespace

std::vector<SkillPixel> SkillTreeLayout::pixels() {
    std::vector<SkillPixel> out;
    std::set<std::pair<int, int>> used = {{34, 35}};
    out.push_back({-1, 0, 34, 35, true});
    const std::vector<Anchor>* anchors[] = {&MAGIC, &COMBAT, &MISC};
    for (const auto* a : anchors)
        for (const auto& p : *a) used.insert({p.x, p.y});
    auto farEnough = [&](int x, int y) {
        for (auto [ux, uy] : used)
            if (std::abs(ux - x) < 2 && std::abs(uy - y) < 2) return false;
        return true;
    };
    for (int b = 0; b < 3; ++b) {
        std::vector<Anchor> list = *anchors[b];
        // Sentinels before the first and after the last scan position.
        int prevIdx = -1, prevPos = 13 * 70 + 6;
        list.push_back({COUNTS[b], 61, 63, 0});
        for (std::size_t k = 0; k < list.size(); ++k) {
            const Anchor& a = list[k];
            int need = a.index - prevIdx - 1;
            int endPos = k + 1 == list.size() ? 64 * 70 : a.y * 70 + a.x;
            std::vector<std::pair<int, int>> cand;
            for (int pos = prevPos + 1; pos < endPos; ++pos) {
                int x = pos % 70, y = pos / 70;
                if (inRegion(b, x, y) && farEnough(x, y) && (x + y) % 2 == 0) cand.emplace_back(x, y);
            }
            if (static_cast<int>(cand.size()) < need) {  // relax the spacing
                cand.clear();
                for (int pos = prevPos + 1; pos < endPos; ++pos) {
                    int x = pos % 70, y = pos / 70;
                    if (inRegion(b, x, y) && !used.count({x, y})) cand.emplace_back(x, y);
                }
            }
            for (int i = 0; i < need && !cand.empty(); ++i) {
                auto [x, y] = cand[static_cast<std::size_t>((static_cast<long>(i) * 2 + 1) * static_cast<long>(cand.size()) / (2L * need))];
                used.insert({x, y});
                out.push_back({b, prevIdx + 1 + i, x, y, false});
            }
            if (k + 1 < list.size()) out.push_back({b, a.index, a.x, a.y, a.bright});
            prevIdx = a.index;
            prevPos = endPos;
        }
    }
    return out;
}

Canvas SkillTreeLayout::picture() {
    Canvas c(70, 70, 0xFF000000);
    for (const auto& p : pixels()) {
        int v = p.bright ? 0xFF : 0x44;
        c.set(p.x, p.y, p.branch < 0 ? 0xFFFFFFFF : p.branch == 0 ? rgb(0, 0, v) : p.branch == 1 ? rgb(v, 0, 0) : rgb(0, v, 0));
    }
    return c;
}

std::string SkillTreeLayout::describe() {
    std::ostringstream out;
    out << "# Skill tree position picture (assets/ui/skillTreeMap.png), 70 x 70.\n"
           "# branch index x y size: the index-th node element of the branch (document order) pairs with this pixel.\n";
    auto px = pixels();
    std::sort(px.begin(), px.end(), [](const SkillPixel& a, const SkillPixel& b) { return a.branch != b.branch ? a.branch < b.branch : a.index < b.index; });
    const char* names[] = {"magic", "combat", "misc"};
    for (const auto& p : px)
        out << (p.branch < 0 ? "center" : names[p.branch]) << ' ' << p.index << ' ' << p.x << ' ' << p.y << ' ' << (p.bright ? "large" : "normal") << '\n';
    return out.str();
}

}  // namespace tools
