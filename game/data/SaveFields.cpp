#include "SaveFields.h"

#include "GameData.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using G = GameData;

const std::vector<SaveFields::Field>& SaveFields::slotScalars() {
    static const std::vector<Field> rows = {
        {"currentFloor", &G::currentFloor},
        {"wingsSoldFloor", &G::wingsSoldFloor},
        {"wingsFound", &G::wingsFound},
        {"maxHP", &G::maxHP},
        {"hp", &G::hp},
        {"maxMP", &G::maxMP},
        {"mp", &G::mp},
        {"attack", &G::attack},
        {"defense", &G::defense},
        {"magic", &G::magic},
        {"attFire", &G::attFire},
        {"attIce", &G::attIce},
        {"attEarth", &G::attEarth},
        {"attWind", &G::attWind},
        {"attDark", &G::attDark},
        {"attLight", &G::attLight},
        {"defFire", &G::defFire},
        {"defIce", &G::defIce},
        {"defEarth", &G::defEarth},
        {"defWind", &G::defWind},
        {"defDark", &G::defDark},
        {"defLight", &G::defLight},
        {"attackDelay", &G::attackDelay},
        {"dodgeChance", &G::dodgeChance},
        {"critChance", &G::critChance},
        {"critMultiplier", &G::critMultiplier},
        {"dropBonus", &G::dropBonus},
        {"goldMultiplier", &G::goldMultiplier},
        {"expMultiplier", &G::expMultiplier},
        {"hpRegen", &G::hpRegen},
        {"mpRegen", &G::mpRegen},
        {"bleed", &G::bleed},
        {"lifeDrain", &G::lifeDrain},
        {"killChance", &G::killChance},
        {"gold", &G::gold},
        {"exp", &G::exp},
        {"level", &G::level},
        {"nextLevelAt", &G::nextLevelAt},
        {"skillPoints", &G::skillPoints},
        {"skillPointsPerLevel", &G::skillPointsPerLevel},
        {"shopsFoundThisRun", &G::shopsFoundThisRun},
        {"potionDuration", &G::potionDuration},
        {"potionEfficiency", &G::potionEfficiency},
        {"sellPercent", &G::sellPercent},
        {"hpGems", &G::hpGems},
        {"mpGems", &G::mpGems},
        {"attGems", &G::attGems},
        {"defGems", &G::defGems},
        {"magGems", &G::magGems},
        {"hpGemsThisRun", &G::hpGemsThisRun},
        {"mpGemsThisRun", &G::mpGemsThisRun},
        {"attGemsThisRun", &G::attGemsThisRun},
        {"defGemsThisRun", &G::defGemsThisRun},
        {"magGemsThisRun", &G::magGemsThisRun},
        {"hpGemCost", &G::hpGemCost},
        {"mpGemCost", &G::mpGemCost},
        {"attGemCost", &G::attGemCost},
        {"defGemCost", &G::defGemCost},
        {"magGemCost", &G::magGemCost},
        {"deepestFloor", &G::deepestFloor},
        {"successfulRuns", &G::successfulRuns},
        {"storyProgress", &G::storyProgress},
        {"secretTheseFiveFloors", &G::secretTheseFiveFloors},
        {"runStartFloor", &G::runStartFloor},
        {"runStartGold", &G::runStartGold},
        {"runStartLevel", &G::runStartLevel},
        {"potionsCrafted", &G::potionsCrafted},
        {"itemsEnchanted", &G::itemsEnchanted},
        {"secretRoomsFound", &G::secretRoomsFound},
        {"runsToBeatTheGame", &G::runsToBeatTheGame},
    };
    return rows;
}

const std::vector<SaveFields::Field>& SaveFields::slotTail() {
    static const std::vector<Field> rows = {
        {"heroType", &G::heroType},
        {"newGamePlusNum", &G::newGamePlusNum},
        {"gameMode", &G::gameMode},
    };
    return rows;
}

const std::vector<SaveFields::Field>& SaveFields::settingsFlags() {
    static const std::vector<Field> rows = {
        {"filter", &PixelSmoother::smoothed}, {"fullscreen", &G::fullscreen}, {"guiSizeLarge", &G::guiSizeLarge},
        {"slowSpeed", &G::slowSpeed},         {"stairsConfirm", &G::stairsConfirm}, {"azerty", &G::azerty},
    };
    return rows;
}

const std::vector<SaveFields::Summary>& SaveFields::summaries() {
    static const std::vector<Summary> rows = {
        {"slotExists", &G::slotExists},
        {"slotHeroType", &G::slotHeroType},
        {"slotDeepestFloor", &G::slotDeepestFloor},
        {"slotCurrentFloor", &G::slotCurrentFloor},
        {"slotLevel", &G::slotLevel},
        {"slotInCave", &G::slotInCave},
        {"slotSuccessfulRuns", &G::slotSuccessfulRuns},
        {"slotNgpNum", &G::slotNgpNum},
        {"slotNgpAvailable", &G::slotNgpAvailable},
        {"slotGameMode", &G::slotGameMode},
    };
    return rows;
}

}  // namespace game
