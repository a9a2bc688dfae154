#pragma once
// The achievement reports the data model makes. A silent stand-in answers until the store's
// achievement rules install their own.
#include "Installable.h"

namespace game {

class DataAchievements : public Installable<DataAchievements> {
public:
    virtual ~DataAchievements() = default;


    // After every level-up.
    virtual void submitLevel() {}
    // When a run ends by escape with at least one artifact found.
    virtual void submitEscapedWithArtifact() {}
    // After a secret room was found.
    virtual void submitSecretRoomsFound() {}
};

}  // namespace game
