#pragma once
// Places the skill tree's nodes on its 70 x 70 position picture: every branch's nodes in scan
// order, with the fixed pixels of the shipped tree where the table pairs them.
#include "Canvas.h"

#include <string>
#include <vector>

namespace tools {

struct SkillPixel {
    int branch;  // 0 magic, 1 combat, 2 misc, -1 centre
    int index;   // position in the branch, in scan order
    int x, y;
    bool bright;
};

class SkillTreeLayout {
public:
    static std::vector<SkillPixel> pixels();
    static Canvas picture();
    static std::string describe();
};

}  // namespace tools
