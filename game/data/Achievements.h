#pragma once
// The achievement rules: each submit function looks at the game state and, when its condition
// holds, asks the store facade to unlock the achievement (again on every call; nothing is
// remembered). setupSteam starts the facade and applies the state-derived rules once at start-up.
// With no store, the facade is inactive and nothing reaches it.
#include "store/LeaderboardScore.h"

namespace game {

class Achievements {
public:
    Achievements() = delete;

    static void setupSteam();
    static void storeWrap_onAchievementStored(const runtime::String& name);
    static void storeWrap_onLeaderboardScoreDownloaded(const runtime::Ref<store::LeaderboardScore>& score);
    static void submitEscapedWithArtifact();
    static void submitGiantSpiderKilled();
    static void submitYetiKilled();
    static void submitSorcererKilled();
    static void submitDemonKilled();
    static void submitDeepestFloor();
    static void submitLevel();
    static void submitPotionsCrafted();
    static void submitItemsEnchanted();
    static void submitSecretRoomsFound();
    static void submitRunsToBeatTheGame();
    static void submitFloorSweeper();
    static void submitCombatFocus();
    static void submitMagicFocus();
    static void submitCraftFocus();
    static void submitAmateurCollector();
    static void submitCompletionist();
};

}  // namespace game
