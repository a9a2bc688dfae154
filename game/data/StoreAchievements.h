#pragma once
// The data model's achievement reports, answered by the achievement rules.
#include "Achievements.h"
#include "DataAchievements.h"

namespace game {

class StoreAchievements : public DataAchievements {
public:
    void submitLevel() override { Achievements::submitLevel(); }
    void submitEscapedWithArtifact() override { Achievements::submitEscapedWithArtifact(); }
    void submitSecretRoomsFound() override { Achievements::submitSecretRoomsFound(); }
};

}  // namespace game
