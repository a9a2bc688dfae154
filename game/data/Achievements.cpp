#include "Achievements.h"

#include "GameData.h"
#include "SWITCH.h"
#include "game/shell/Game.h"
#include "platform/runtime/Trace.h"
#include "store/StoreWrap.h"

namespace game {

using store::StoreWrap;

namespace {

void unlock(const char* id) { StoreWrap::setAchievement(id); }

void unlockWhen(bool condition, const char* id) {
    if (Game::steam && condition) unlock(id);
}

// The boss rules also count once a new game plus has begun.
void unlockBoss(int killedSwitch, const char* id) {
    if ((Game::steam && GameData::getSwitch(killedSwitch)) || GameData::newGamePlusNum > 0) unlock(id);
}

}  // namespace

void Achievements::setupSteam() {
    StoreWrap::init();
    StoreWrap::whenAchievementStored = runtime::Function::of<&Achievements::storeWrap_onAchievementStored>();
    StoreWrap::whenLeaderboardScoreDownloaded =
        runtime::Function::of<&Achievements::storeWrap_onLeaderboardScoreDownloaded>();
    submitYetiKilled();
    submitSorcererKilled();
    submitDemonKilled();
    submitLevel();
    submitPotionsCrafted();
    submitSecretRoomsFound();
}

void Achievements::storeWrap_onAchievementStored(const runtime::String& name) {
    RUNTIME_TRACE(runtime::Value("Achievement stored: " + name.toText()));
}

void Achievements::storeWrap_onLeaderboardScoreDownloaded(const runtime::Ref<store::LeaderboardScore>& score) {
    RUNTIME_TRACE(runtime::Value("Leaderboard score downloaded: " + (score ? score->toString() : std::string("null"))));
}

void Achievements::submitEscapedWithArtifact() {
    unlockWhen(GameData::getSwitch(SWITCH::ESCAPED_WITH_ARTIFACT), "newbieTreasureHunter");
}
void Achievements::submitGiantSpiderKilled() {}
void Achievements::submitYetiKilled() { unlockBoss(SWITCH::YETI_DEAD, "minibossSlayer"); }
void Achievements::submitSorcererKilled() { unlockBoss(SWITCH::SORCERER_DEAD, "1000Souls"); }
void Achievements::submitDemonKilled() { unlockBoss(SWITCH::DEMON_KILLED, "champion"); }
void Achievements::submitDeepestFloor() {}
void Achievements::submitLevel() { unlockWhen(GameData::level > 24, "seasonedWarrior"); }
void Achievements::submitPotionsCrafted() {
    unlockWhen(GameData::potionsCrafted > 74, "adeptAlchemist");
    unlockWhen(GameData::potionsCrafted > 14, "noviceAlchemist");
}
void Achievements::submitItemsEnchanted() {}
void Achievements::submitSecretRoomsFound() { unlockWhen(GameData::secretRoomsFound > 9, "moreThanMeetsTheEye"); }
void Achievements::submitRunsToBeatTheGame() {}
void Achievements::submitFloorSweeper() { unlockWhen(true, "floorSweeper"); }
void Achievements::submitCombatFocus() { unlockWhen(true, "masterWarrior"); }
void Achievements::submitMagicFocus() { unlockWhen(true, "masterWizard"); }
void Achievements::submitCraftFocus() { unlockWhen(true, "masterEnchanter"); }
void Achievements::submitAmateurCollector() { unlockWhen(true, "amateurCollector"); }
void Achievements::submitCompletionist() { unlockWhen(true, "completionist"); }

}  // namespace game
