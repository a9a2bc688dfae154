#pragma once
// One cell reached by the path search: its steps from the search's seed and its straight-line
// distance to the goal.
namespace game {

struct PathNode {
    int x;
    int y;
    int count;
    double distance;
    bool dead;
};

}  // namespace game
