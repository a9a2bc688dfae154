#include "DefaultAssetLibrary.h"

#include "MedievalSharpBold.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/media/Sound.h"
#include "framework/net/URLRequest.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Resources.h"
#include "platform/runtime/Thrown.h"
#include "platform/runtime/Trace.h"

namespace game {

using framework::AssetType;
using framework::BitmapData;
using framework::ByteArray;
using framework::Sound;
using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {

const char* const MANIFEST = "manifest";

void trace(const std::string& text) { RUNTIME_TRACE(Value(text)); }

// The resource's bytes; a resource missing from the program is traced and gives null.
Ref<runtime::Bytes> resourceBytes(const std::string& resource, const std::string& id) {
    Ref<runtime::Bytes> bytes = runtime::Resources::get(resource);
    if (!bytes) trace("Warning: No embedded data for asset \"" + id + "\"");
    return bytes;
}

// A sound over compressed bytes; null (traced) when they cannot be decoded.
Ref<Sound> soundOf(const Ref<runtime::Bytes>& bytes, bool music, const std::string& id) {
    if (!bytes) return nullptr;
    Ref<ByteArray> data = ByteArray::fromBytes(bytes);
    auto sound = runtime::make<Sound>();
    try {
        sound->loadCompressedDataFromByteArray(data, data->length(), music);
    } catch (const runtime::Thrown& e) {
        trace("Warning: Could not decode sound asset \"" + id + "\" (" + e.value().toText() + ")");
        return nullptr;
    }
    return sound;
}

// Modification time in milliseconds; false when the file cannot be examined.
bool modificationTime(const std::string& file, double& ms) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return false;
    ms = st.st_mtim.tv_sec * 1000.0 + st.st_mtim.tv_nsec / 1.0e6;
    return true;
}

std::string manifestPath() {
    std::error_code ec;
    auto p = std::filesystem::absolute(MANIFEST, ec);
    return ec ? std::string(MANIFEST) : p.string();
}

}  // namespace

const std::vector<DefaultAssetLibrary::Embedded>& DefaultAssetLibrary::embedded() {
    static const std::vector<Embedded> table = {
    {"assets/audio/oggs/axe.ogg", AssetType::SOUND},
    {"assets/audio/oggs/basicStrike.ogg", AssetType::SOUND},
    {"assets/audio/oggs/beatTheGame.ogg", AssetType::SOUND},
    {"assets/audio/oggs/buy.ogg", AssetType::SOUND},
    {"assets/audio/oggs/chestArtifactOpen.ogg", AssetType::SOUND},
    {"assets/audio/oggs/chestCraftOpen.ogg", AssetType::SOUND},
    {"assets/audio/oggs/chestNormalOpen.ogg", AssetType::SOUND},
    {"assets/audio/oggs/chomp.ogg", AssetType::SOUND},
    {"assets/audio/oggs/club.ogg", AssetType::SOUND},
    {"assets/audio/oggs/craftPotion.ogg", AssetType::SOUND},
    {"assets/audio/oggs/daggerDraw.ogg", AssetType::SOUND},
    {"assets/audio/oggs/darkBurst.ogg", AssetType::SOUND},
    {"assets/audio/oggs/deleteSlot.ogg", AssetType::SOUND},
    {"assets/audio/oggs/demonDie.ogg", AssetType::SOUND},
    {"assets/audio/oggs/demonSummon.ogg", AssetType::SOUND},
    {"assets/audio/oggs/demonYell.ogg", AssetType::SOUND},
    {"assets/audio/oggs/door.ogg", AssetType::SOUND},
    {"assets/audio/oggs/earthSpike.ogg", AssetType::SOUND},
    {"assets/audio/oggs/enchant.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipBody.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipBoots.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipHands.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipHead.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipLegs.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipRing.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipShield.ogg", AssetType::SOUND},
    {"assets/audio/oggs/equipWeapon.ogg", AssetType::SOUND},
    {"assets/audio/oggs/escapeSuccess.ogg", AssetType::SOUND},
    {"assets/audio/oggs/findArtifact.ogg", AssetType::SOUND},
    {"assets/audio/oggs/flowerAttack.ogg", AssetType::SOUND},
    {"assets/audio/oggs/forge.ogg", AssetType::SOUND},
    {"assets/audio/oggs/gainGold.ogg", AssetType::SOUND},
    {"assets/audio/oggs/gameOver.ogg", AssetType::SOUND},
    {"assets/audio/oggs/gem.ogg", AssetType::SOUND},
    {"assets/audio/oggs/goldBag.ogg", AssetType::SOUND},
    {"assets/audio/oggs/golemPunch.ogg", AssetType::SOUND},
    {"assets/audio/oggs/heal.ogg", AssetType::SOUND},
    {"assets/audio/oggs/heavyStab.ogg", AssetType::SOUND},
    {"assets/audio/oggs/iceSlash.ogg", AssetType::SOUND},
    {"assets/audio/oggs/lightBeam.ogg", AssetType::SOUND},
    {"assets/audio/oggs/magicFire.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicBasicCaveIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicBasicCaveLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicEnchantedForestIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicEnchantedForestLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicFinalBossIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicFinalBossLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicIceIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicIceLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicJungleIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicJungleLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicMainThemeIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicMainThemeLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicShopIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicShopLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/musicUndeadIntro.ogg", AssetType::SOUND},
    {"assets/audio/oggs/musicLong/musicUndeadLoop.ogg", AssetType::MUSIC},
    {"assets/audio/oggs/musicLong/rain.ogg", AssetType::SOUND},
    {"assets/audio/oggs/pickaxe.ogg", AssetType::SOUND},
    {"assets/audio/oggs/plasmaBlast.ogg", AssetType::SOUND},
    {"assets/audio/oggs/potionEffect.ogg", AssetType::SOUND},
    {"assets/audio/oggs/quickStrike.ogg", AssetType::SOUND},
    {"assets/audio/oggs/secret.ogg", AssetType::SOUND},
    {"assets/audio/oggs/shroomAttack.ogg", AssetType::SOUND},
    {"assets/audio/oggs/simpleClick.ogg", AssetType::SOUND},
    {"assets/audio/oggs/simpleClickHighPitch.ogg", AssetType::SOUND},
    {"assets/audio/oggs/skillnode.ogg", AssetType::SOUND},
    {"assets/audio/oggs/smallBite.ogg", AssetType::SOUND},
    {"assets/audio/oggs/soulCrystalFall.ogg", AssetType::SOUND},
    {"assets/audio/oggs/spiritSword.ogg", AssetType::SOUND},
    {"assets/audio/oggs/splat.ogg", AssetType::SOUND},
    {"assets/audio/oggs/stab.ogg", AssetType::SOUND},
    {"assets/audio/oggs/thunder1.ogg", AssetType::SOUND},
    {"assets/audio/oggs/thunder2.ogg", AssetType::SOUND},
    {"assets/audio/oggs/tinyFire.ogg", AssetType::SOUND},
    {"assets/audio/oggs/transmute.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipBoots.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipHeadBodyHands.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipLegs.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipRing.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipShield.ogg", AssetType::SOUND},
    {"assets/audio/oggs/unequipWeapon.ogg", AssetType::SOUND},
    {"assets/audio/oggs/windBlast.ogg", AssetType::SOUND},
    {"assets/audio/oggs/wings.ogg", AssetType::SOUND},
    {"assets/fonts/medi14.png", AssetType::IMAGE},
    {"assets/fonts/MedievalSharp-Bold.ttf", AssetType::FONT},
    {"assets/fonts/mediSans14.png", AssetType::IMAGE},
    {"assets/fonts/mediSans20.png", AssetType::IMAGE},
    {"assets/fonts/mediSansOutline14.png", AssetType::IMAGE},
    {"assets/fonts/mediSansOutline20.png", AssetType::IMAGE},
    {"assets/help/escapeWingsItemIcon.png", AssetType::IMAGE},
    {"assets/help/keptItems.png", AssetType::IMAGE},
    {"assets/help/normalItems.png", AssetType::IMAGE},
    {"assets/items/accessories.png", AssetType::IMAGE},
    {"assets/items/bodies.png", AssetType::IMAGE},
    {"assets/items/boots.png", AssetType::IMAGE},
    {"assets/items/consumables.png", AssetType::IMAGE},
    {"assets/items/craftings.png", AssetType::IMAGE},
    {"assets/items/enchantmentBorder.png", AssetType::IMAGE},
    {"assets/items/enchantmentBorderArtifact.png", AssetType::IMAGE},
    {"assets/items/hands.png", AssetType::IMAGE},
    {"assets/items/helmets.png", AssetType::IMAGE},
    {"assets/items/itemBlankIcons.png", AssetType::IMAGE},
    {"assets/items/itemBorder.png", AssetType::IMAGE},
    {"assets/items/itemBorderArtifact.png", AssetType::IMAGE},
    {"assets/items/itemBorderArtifactSelected.png", AssetType::IMAGE},
    {"assets/items/itemBorderSelected.png", AssetType::IMAGE},
    {"assets/items/itemBorderValueSelected.png", AssetType::IMAGE},
    {"assets/items/itemValueBG.png", AssetType::IMAGE},
    {"assets/items/itemValueBGArtifact.png", AssetType::IMAGE},
    {"assets/items/legs.png", AssetType::IMAGE},
    {"assets/items/magicBorder.png", AssetType::IMAGE},
    {"assets/items/magicBorderBackSelected.png", AssetType::IMAGE},
    {"assets/items/magicBorderBackUnselected.png", AssetType::IMAGE},
    {"assets/items/magicBorderSelected.png", AssetType::IMAGE},
    {"assets/items/magicQueued.png", AssetType::IMAGE},
    {"assets/items/magics.png", AssetType::IMAGE},
    {"assets/items/shields.png", AssetType::IMAGE},
    {"assets/items/weapons.png", AssetType::IMAGE},
    {"assets/misc/demonExplodeBright.png", AssetType::IMAGE},
    {"assets/misc/demonExplodeDark.png", AssetType::IMAGE},
    {"assets/misc/fogTemplate.png", AssetType::IMAGE},
    {"assets/misc/missingAsset.png", AssetType::IMAGE},
    {"assets/misc/particles.png", AssetType::IMAGE},
    {"assets/misc/slotFlash.png", AssetType::IMAGE},
    {"assets/quests/dragonScaleMail.png", AssetType::IMAGE},
    {"assets/quests/eaglesTalon.png", AssetType::IMAGE},
    {"assets/quests/emeraldBoots.png", AssetType::IMAGE},
    {"assets/quests/fireDagger.png", AssetType::IMAGE},
    {"assets/quests/jungleBerries.png", AssetType::IMAGE},
    {"assets/quests/obsidianShield.png", AssetType::IMAGE},
    {"assets/quests/pearlRing.png", AssetType::IMAGE},
    {"assets/quests/pixiePants.png", AssetType::IMAGE},
    {"assets/quests/regenerationRing.png", AssetType::IMAGE},
    {"assets/quests/wolfGloves.png", AssetType::IMAGE},
    {"assets/tiled/bar.png", AssetType::IMAGE},
    {"assets/tiled/bar.tmx", AssetType::TEXT},
    {"assets/tiled/barHit.tmx", AssetType::TEXT},
    {"assets/tiled/hitTiles.png", AssetType::IMAGE},
    {"assets/tiled/objectsTset.png", AssetType::IMAGE},
    {"assets/tiled/town.png", AssetType::IMAGE},
    {"assets/tiled/town.tmx", AssetType::TEXT},
    {"assets/ui/backButton.png", AssetType::IMAGE},
    {"assets/ui/blackSliderHandle.png", AssetType::IMAGE},
    {"assets/ui/buttonBlack.png", AssetType::IMAGE},
    {"assets/ui/buttonBlackOver.png", AssetType::IMAGE},
    {"assets/ui/buttonBlackSelected.png", AssetType::IMAGE},
    {"assets/ui/buttonBlackSmall.png", AssetType::IMAGE},
    {"assets/ui/buttonBlackSmallOver.png", AssetType::IMAGE},
    {"assets/ui/buttonBlackSmallSelected.png", AssetType::IMAGE},
    {"assets/ui/buttonRed.png", AssetType::IMAGE},
    {"assets/ui/buttonRedOver.png", AssetType::IMAGE},
    {"assets/ui/buttonRedSelected.png", AssetType::IMAGE},
    {"assets/ui/buttonYellowSmall.png", AssetType::IMAGE},
    {"assets/ui/buttonYellowSmallOver.png", AssetType::IMAGE},
    {"assets/ui/buttonYellowSmallSelected.png", AssetType::IMAGE},
    {"assets/ui/comingSoon.png", AssetType::IMAGE},
    {"assets/ui/craftButton.png", AssetType::IMAGE},
    {"assets/ui/craftStatBar.png", AssetType::IMAGE},
    {"assets/ui/craftStatBorder.png", AssetType::IMAGE},
    {"assets/ui/creditsItemBackers.png", AssetType::IMAGE},
    {"assets/ui/creditsOtherBackers.png", AssetType::IMAGE},
    {"assets/ui/creditsTested.png", AssetType::IMAGE},
    {"assets/ui/demonDetailsPic.png", AssetType::IMAGE},
    {"assets/ui/editSlotsIcon.png", AssetType::IMAGE},
    {"assets/ui/elementsPanel.png", AssetType::IMAGE},
    {"assets/ui/elemIcons.png", AssetType::IMAGE},
    {"assets/ui/elemIconsPlain.png", AssetType::IMAGE},
    {"assets/ui/enchantmentGems.png", AssetType::IMAGE},
    {"assets/ui/enemyhpBar.png", AssetType::IMAGE},
    {"assets/ui/equipButton.png", AssetType::IMAGE},
    {"assets/ui/equipGirl.png", AssetType::IMAGE},
    {"assets/ui/equipGuy.png", AssetType::IMAGE},
    {"assets/ui/glv2logo.png", AssetType::IMAGE},
    {"assets/ui/goldIcon.png", AssetType::IMAGE},
    {"assets/ui/guyHead.png", AssetType::IMAGE},
    {"assets/ui/heartIcon.png", AssetType::IMAGE},
    {"assets/ui/hpmphud.png", AssetType::IMAGE},
    {"assets/ui/hpmphudLarge.png", AssetType::IMAGE},
    {"assets/ui/itemsButton.png", AssetType::IMAGE},
    {"assets/ui/itemsButtonSmall.png", AssetType::IMAGE},
    {"assets/ui/largeMapSymbols.png", AssetType::IMAGE},
    {"assets/ui/minimapShades.png", AssetType::IMAGE},
    {"assets/ui/minimapSymbols.png", AssetType::IMAGE},
    {"assets/ui/mpHUD.png", AssetType::IMAGE},
    {"assets/ui/questionMark.png", AssetType::IMAGE},
    {"assets/ui/settingsBestiary.png", AssetType::IMAGE},
    {"assets/ui/skillButtonActivation.png", AssetType::IMAGE},
    {"assets/ui/skillButtonActivationGold.png", AssetType::IMAGE},
    {"assets/ui/skillButtonBlack.png", AssetType::IMAGE},
    {"assets/ui/skillButtonBlackOver.png", AssetType::IMAGE},
    {"assets/ui/skillButtonBlackSelected.png", AssetType::IMAGE},
    {"assets/ui/skillButtonCenter.png", AssetType::IMAGE},
    {"assets/ui/skillButtonDisabled35.png", AssetType::IMAGE},
    {"assets/ui/skillButtonDisabled50.png", AssetType::IMAGE},
    {"assets/ui/skillButtonDisabledGreen35.png", AssetType::IMAGE},
    {"assets/ui/skillButtonDisabledGreen50.png", AssetType::IMAGE},
    {"assets/ui/skillButtonGold.png", AssetType::IMAGE},
    {"assets/ui/skillButtonGreen.png", AssetType::IMAGE},
    {"assets/ui/skillIcons.png", AssetType::IMAGE},
    {"assets/ui/skillIcons50.png", AssetType::IMAGE},
    {"assets/ui/skillsButtonIcon.png", AssetType::IMAGE},
    {"assets/ui/skillTreeBG.png", AssetType::IMAGE},
    {"assets/ui/skillTreeLine.png", AssetType::IMAGE},
    {"assets/ui/skillTreeMap.png", AssetType::IMAGE},
    {"assets/ui/sliderBorder.png", AssetType::IMAGE},
    {"assets/ui/statChooseBack.png", AssetType::IMAGE},
    {"assets/ui/statChooseBackOver.png", AssetType::IMAGE},
    {"assets/ui/statChooseBackSelected.png", AssetType::IMAGE},
    {"assets/ui/statIcons.png", AssetType::IMAGE},
    {"assets/ui/statIconsSmall.png", AssetType::IMAGE},
    {"assets/ui/statsButtonIcon.png", AssetType::IMAGE},
    {"assets/ui/windowArrow.png", AssetType::IMAGE},
    {"assets/ui/windowBorder.png", AssetType::IMAGE},
    {"assets/x2/heroes/girl.png", AssetType::IMAGE},
    {"assets/x2/heroes/girlAttack.png", AssetType::IMAGE},
    {"assets/x2/heroes/girlDie.png", AssetType::IMAGE},
    {"assets/x2/heroes/guy.png", AssetType::IMAGE},
    {"assets/x2/heroes/guyAttack.png", AssetType::IMAGE},
    {"assets/x2/heroes/guyDie.png", AssetType::IMAGE},
    {"assets/x2/heroes/monk.png", AssetType::IMAGE},
    {"assets/x2/heroes/monkAttack.png", AssetType::IMAGE},
    {"assets/x2/heroes/monkDie.png", AssetType::IMAGE},
    {"assets/x2/heroes/velix.png", AssetType::IMAGE},
    {"assets/x2/heroes/velixAttack.png", AssetType::IMAGE},
    {"assets/x2/heroes/velixDie.png", AssetType::IMAGE},
    {"assets/x2/magic/darkburst.png", AssetType::IMAGE},
    {"assets/x2/magic/earthspike.png", AssetType::IMAGE},
    {"assets/x2/magic/flamestrike.png", AssetType::IMAGE},
    {"assets/x2/magic/healBack.png", AssetType::IMAGE},
    {"assets/x2/magic/healFront.png", AssetType::IMAGE},
    {"assets/x2/magic/healMagicBack.png", AssetType::IMAGE},
    {"assets/x2/magic/healMagicFront.png", AssetType::IMAGE},
    {"assets/x2/magic/iceslash.png", AssetType::IMAGE},
    {"assets/x2/magic/lightbeam.png", AssetType::IMAGE},
    {"assets/x2/magic/windblast.png", AssetType::IMAGE},
    {"assets/x2/misc/blankPixel.png", AssetType::IMAGE},
    {"assets/x2/misc/forestHole.png", AssetType::IMAGE},
    {"assets/x2/misc/poofyExplosion.png", AssetType::IMAGE},
    {"assets/x2/misc/rainSplash.png", AssetType::IMAGE},
    {"assets/x2/misc/rainTile.png", AssetType::IMAGE},
    {"assets/x2/misc/secretFlash.png", AssetType::IMAGE},
    {"assets/x2/misc/shadows.png", AssetType::IMAGE},
    {"assets/x2/misc/soulCrystal.png", AssetType::IMAGE},
    {"assets/x2/misc/soulCrystalBlack.png", AssetType::IMAGE},
    {"assets/x2/misc/tileFlash.png", AssetType::IMAGE},
    {"assets/x2/misc/wingsAnimOver.png", AssetType::IMAGE},
    {"assets/x2/misc/wingsAnimUnder.png", AssetType::IMAGE},
    {"assets/x2/misc/woodDoor.png", AssetType::IMAGE},
    {"assets/x2/monsters/AcidFlowerAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/AcidFlowerIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/acidSpit.png", AssetType::IMAGE},
    {"assets/x2/monsters/AncientSpearmanAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/AncientSpearmanIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/AncientTortoiseAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/AncientTortoiseIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/AngryShroomAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/AngryShroomIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/Attack.png", AssetType::IMAGE},
    {"assets/x2/monsters/BatAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/BatIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/BloodSpiderAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/BloodSpiderIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/bloodSplat.png", AssetType::IMAGE},
    {"assets/x2/monsters/CaveScorpionAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/CaveScorpionIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/CrystalGolem.png", AssetType::IMAGE},
    {"assets/x2/monsters/CrystalGolemAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/CrystalGolemIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/DarkFireBreath.png", AssetType::IMAGE},
    {"assets/x2/monsters/darkFireOrb.png", AssetType::IMAGE},
    {"assets/x2/monsters/darkFireOrbSmall.png", AssetType::IMAGE},
    {"assets/x2/monsters/darkOrb.png", AssetType::IMAGE},
    {"assets/x2/monsters/darkOrbSmall.png", AssetType::IMAGE},
    {"assets/x2/monsters/darkPixieBlast.png", AssetType::IMAGE},
    {"assets/x2/monsters/DarkWyvernAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/DarkWyvernIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/demonGradient.png", AssetType::IMAGE},
    {"assets/x2/monsters/demonHandClosed.png", AssetType::IMAGE},
    {"assets/x2/monsters/demonHandOpen.png", AssetType::IMAGE},
    {"assets/x2/monsters/DemonHead.png", AssetType::IMAGE},
    {"assets/x2/monsters/DemonHeadBlack.png", AssetType::IMAGE},
    {"assets/x2/monsters/DemonMinionAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/DemonMinionIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/EmeraldBreath.png", AssetType::IMAGE},
    {"assets/x2/monsters/EmeraldDragonAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/EmeraldDragonIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/fireSpit.png", AssetType::IMAGE},
    {"assets/x2/monsters/ForestSpiritAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/ForestSpiritIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/FrostGiantAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/FrostGiantIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GhostGnomeAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GhostGnomeIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GiantJungleSpiderAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GiantJungleSpiderIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoblinAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoblinChiefAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoblinChiefIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoblinIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoldDragonAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoldDragonIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoldenKnightAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GoldenKnightIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/GooAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/GooIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/gooSpit.png", AssetType::IMAGE},
    {"assets/x2/monsters/IcyEyeAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/IcyEyeIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/IcyGooAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/IcyGooIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/Idle.png", AssetType::IMAGE},
    {"assets/x2/monsters/JungleSnakeAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/JungleSnakeIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/LightDragonAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/LightDragonIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/LostAdventurerAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/LostAdventurerIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/MimicAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/MimicIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/MutantDragonflyAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/MutantDragonflyIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/pixieBlast.png", AssetType::IMAGE},
    {"assets/x2/monsters/plasmablast.png", AssetType::IMAGE},
    {"assets/x2/monsters/PlasmaWizardAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/PlasmaWizardIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/PossessedKnightAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/PossessedKnightIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/PrimitiveMageAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/PrimitiveMageIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/RatAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/RatIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/SalamanderAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/SalamanderIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/SorcererAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/SorcererIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/SpiderAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/SpiderIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/StoneTitanAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/StoneTitanIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/SwampToadAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/SwampToadIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/TempleSpiritAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/TempleSpiritIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/TorturedSpiritAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/TorturedSpiritIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/TrollAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/TrollIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/UndeadIceVikingAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/UndeadIceVikingIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/UndeadWolfAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/UndeadWolfIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/WispAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/WispIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/WyvernAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/WyvernIdle.png", AssetType::IMAGE},
    {"assets/x2/monsters/YetiAttack.png", AssetType::IMAGE},
    {"assets/x2/monsters/YetiIdle.png", AssetType::IMAGE},
    {"assets/x2/npcs/archaeologist.png", AssetType::IMAGE},
    {"assets/x2/npcs/bartender.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopEnd.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopLeft.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopMid1.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopMid2.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopMiddle.png", AssetType::IMAGE},
    {"assets/x2/npcs/barTopRight.png", AssetType::IMAGE},
    {"assets/x2/npcs/beardGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/bigHatSit.png", AssetType::IMAGE},
    {"assets/x2/npcs/blackGuySitDown.png", AssetType::IMAGE},
    {"assets/x2/npcs/blondeArrogant.png", AssetType::IMAGE},
    {"assets/x2/npcs/blueShirtSitUp.png", AssetType::IMAGE},
    {"assets/x2/npcs/bronzeTableSit.png", AssetType::IMAGE},
    {"assets/x2/npcs/buttcrackGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/curlyHairWomanSitLeft.png", AssetType::IMAGE},
    {"assets/x2/npcs/dragonArmorGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/fireDaggerGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/greenShirtStand.png", AssetType::IMAGE},
    {"assets/x2/npcs/guard.png", AssetType::IMAGE},
    {"assets/x2/npcs/lostKid.png", AssetType::IMAGE},
    {"assets/x2/npcs/missingSign.png", AssetType::IMAGE},
    {"assets/x2/npcs/museumMan.png", AssetType::IMAGE},
    {"assets/x2/npcs/normalGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/normalLady.png", AssetType::IMAGE},
    {"assets/x2/npcs/normalLadyAlone.png", AssetType::IMAGE},
    {"assets/x2/npcs/oldGuyBar.png", AssetType::IMAGE},
    {"assets/x2/npcs/pearlRingWoman.png", AssetType::IMAGE},
    {"assets/x2/npcs/scientist.png", AssetType::IMAGE},
    {"assets/x2/npcs/shadyGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep0.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep1.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep2.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep3.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep4.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep6.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep7.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep8.png", AssetType::IMAGE},
    {"assets/x2/npcs/shopkeep9.png", AssetType::IMAGE},
    {"assets/x2/npcs/silverHelmetSitRight.png", AssetType::IMAGE},
    {"assets/x2/npcs/sittingBoy.png", AssetType::IMAGE},
    {"assets/x2/npcs/sleepingGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/sleepingGuyAwake.png", AssetType::IMAGE},
    {"assets/x2/npcs/sorcererWings.png", AssetType::IMAGE},
    {"assets/x2/npcs/sorcerorNPC.png", AssetType::IMAGE},
    {"assets/x2/npcs/sorcerorSuicide.png", AssetType::IMAGE},
    {"assets/x2/npcs/standingGuy.png", AssetType::IMAGE},
    {"assets/x2/npcs/standingGuy2.png", AssetType::IMAGE},
    {"assets/x2/npcs/statGemSalesman.png", AssetType::IMAGE},
    {"assets/x2/npcs/stormWindow.png", AssetType::IMAGE},
    {"assets/x2/npcs/tableTop.png", AssetType::IMAGE},
    {"assets/x2/npcs/tableTopRight.png", AssetType::IMAGE},
    {"assets/x2/npcs/tableTopRight2.png", AssetType::IMAGE},
    {"assets/x2/npcs/taloran.png", AssetType::IMAGE},
    {"assets/x2/npcs/tealShirtSitLeft.png", AssetType::IMAGE},
    {"assets/x2/npcs/tealShirtSitUp.png", AssetType::IMAGE},
    {"assets/x2/npcs/turban.png", AssetType::IMAGE},
    {"assets/x2/npcs/womanPorch.png", AssetType::IMAGE},
    {"assets/x2/npcs/yellowDressSitUp.png", AssetType::IMAGE},
    {"assets/x2/tiled/bar.png", AssetType::IMAGE},
    {"assets/x2/tiled/hitTiles.png", AssetType::IMAGE},
    {"assets/x2/tiled/objectsTset.png", AssetType::IMAGE},
    {"assets/x2/tiled/town.png", AssetType::IMAGE},
    {"assets/x2/tilesets/bossRoomCliff.png", AssetType::IMAGE},
    {"assets/x2/tilesets/cave.png", AssetType::IMAGE},
    {"assets/x2/tilesets/demonTiles.png", AssetType::IMAGE},
    {"assets/x2/tilesets/forest.png", AssetType::IMAGE},
    {"assets/x2/tilesets/holeBGGradient.png", AssetType::IMAGE},
    {"assets/x2/tilesets/iceCave.png", AssetType::IMAGE},
    {"assets/x2/tilesets/jungleRuins.png", AssetType::IMAGE},
    {"assets/x2/tilesets/secretStuff.png", AssetType::IMAGE},
    {"assets/x2/treasure/chests.png", AssetType::IMAGE},
    {"assets/x2/treasure/forge.png", AssetType::IMAGE},
    {"assets/x2/treasure/goldbag.png", AssetType::IMAGE},
    {"assets/x2/treasure/statGemDots.png", AssetType::IMAGE},
    {"assets/x2/treasure/statgems.png", AssetType::IMAGE},
    {"assets/xml/accessories.xml", AssetType::TEXT},
    {"assets/xml/bodies.xml", AssetType::TEXT},
    {"assets/xml/boots.xml", AssetType::TEXT},
    {"assets/xml/consumables.xml", AssetType::TEXT},
    {"assets/xml/craftings.xml", AssetType::TEXT},
    {"assets/xml/hands.xml", AssetType::TEXT},
    {"assets/xml/helmets.xml", AssetType::TEXT},
    {"assets/xml/legs.xml", AssetType::TEXT},
    {"assets/xml/magics.xml", AssetType::TEXT},
    {"assets/xml/monsters.xml", AssetType::TEXT},
    {"assets/xml/npcs.xml", AssetType::TEXT},
    {"assets/xml/shields.xml", AssetType::TEXT},
    {"assets/xml/skillTree.xml", AssetType::TEXT},
    {"assets/xml/weapons.xml", AssetType::TEXT},
    };
    return table;
}

DefaultAssetLibrary::DefaultAssetLibrary() {
    if (runtime::Resources::exists(MedievalSharpBold::resourceName.str()))
        framework::Font::registerFont(&MedievalSharpBold::staticClass());
    for (const Embedded& e : embedded()) {
        className[e.id] = e.id;
        setType(e.id, e.type);
    }
    loadManifest();
    auto args = commandLineArguments();
    if (std::find(args.begin(), args.end(), "-livereload") != args.end()) {
        double ms = 0;
        if (modificationTime(manifestPath(), ms)) {
            lastModified = ms;
            timer = runtime::make<framework::Timer>(2000);
            timer->run = runtime::Function::method<&DefaultAssetLibrary::reloadStep>(this);
        }
    }
}

DefaultAssetLibrary::~DefaultAssetLibrary() {
    if (timer) timer->stop();
}

void DefaultAssetLibrary::setType(const std::string& id, AssetType kind) {
    if (!type.count(id)) typeOrder.push_back(id);
    type[id] = kind;
}

void DefaultAssetLibrary::reloadStep() {
    double t = 0;
    if (!modificationTime(manifestPath(), t) || !(t > lastModified)) return;
    lastModified = t;
    loadManifest();
    if (eventCallback) (*Ref<runtime::Function>(eventCallback))(Ref<AssetLibrary>(this), String("change"));
}

bool DefaultAssetLibrary::exists(const String& id, std::optional<AssetType> kind) {
    auto it = type.find(id.str());
    if (it == type.end()) return false;
    AssetType t = it->second;
    if (kind && t == *kind) return true;
    bool soundKind = kind && (*kind == AssetType::SOUND || *kind == AssetType::MUSIC);
    if (soundKind && (t == AssetType::SOUND || t == AssetType::MUSIC)) return true;
    if (!kind || *kind == AssetType::BINARY) return true;
    return t == AssetType::BINARY && *kind == AssetType::TEXT;
}

Ref<BitmapData> DefaultAssetLibrary::getBitmapData(const String& id) {
    auto it = className.find(id.str());
    if (it != className.end()) {
        Ref<runtime::Bytes> bytes = resourceBytes(it->second, id.str());
        return bytes ? BitmapData::loadFromBytes(bytes) : nullptr;
    }
    String file = getPath(id);
    return file.isNull() ? nullptr : BitmapData::load(file);
}

Ref<ByteArray> DefaultAssetLibrary::getBytes(const String& id) {
    auto it = className.find(id.str());
    if (it != className.end()) {
        Ref<runtime::Bytes> bytes = resourceBytes(it->second, id.str());
        return bytes ? ByteArray::fromBytes(bytes) : nullptr;
    }
    String file = getPath(id);
    return file.isNull() ? nullptr : ByteArray::readFile(file);
}

Ref<framework::Font> DefaultAssetLibrary::getFont(const String& id) {
    if (isEmbedded(id.str())) {
        // The one embedded font: its class joins the font registry, then a new instance.
        if (!runtime::Resources::exists(MedievalSharpBold::resourceName.str())) {
            trace("Warning: No embedded data for asset \"" + id.str() + "\"");
            return nullptr;
        }
        framework::Font::registerFont(&MedievalSharpBold::staticClass());
        return runtime::make<MedievalSharpBold>();
    }
    String file = getPath(id);
    return file.isNull() ? nullptr : runtime::make<framework::Font>(file);
}

Ref<Sound> DefaultAssetLibrary::getMusic(const String& id) {
    auto it = className.find(id.str());
    if (it != className.end()) {
        auto t = type.find(id.str());
        return soundOf(resourceBytes(it->second, id.str()), t != type.end() && t->second == AssetType::MUSIC, id.str());
    }
    String file = getPath(id);
    if (file.isNull()) return nullptr;
    return runtime::make<Sound>(runtime::make<framework::URLRequest>(file), nullptr, true);
}

String DefaultAssetLibrary::getPath(const String& id) {
    auto it = path.find(id.str());
    return it == path.end() ? String() : it->second;
}

Ref<Sound> DefaultAssetLibrary::getSound(const String& id) {
    auto t = type.find(id.str());
    bool music = t != type.end() && t->second == AssetType::MUSIC;
    auto it = className.find(id.str());
    if (it != className.end()) return soundOf(resourceBytes(it->second, id.str()), music, id.str());
    String file = getPath(id);
    if (file.isNull()) return nullptr;
    return runtime::make<Sound>(runtime::make<framework::URLRequest>(file), nullptr, music);
}

Ref<runtime::Array> DefaultAssetLibrary::list(std::optional<AssetType> kind) {
    auto out = runtime::make<runtime::Array>();
    for (const std::string& id : typeOrder)
        if (exists(String(id), kind)) out->push(Value(id));
    return out;
}

void DefaultAssetLibrary::loadManifest() {
    Ref<ByteArray> bytes = ByteArray::readFile(MANIFEST);
    if (!bytes) {
        trace("Warning: Could not load asset manifest (bytes was null)");
        return;
    }
    try {
        bytes->position = 0;
        if (bytes->length() == 0) return;
        String text = bytes->readUTFBytes(bytes->length());
        if (text.isNull() || text.empty()) return;
        Value decoded = framework::Unserializer::run(text.str());
        auto* records = decoded.as<runtime::Array>();
        if (!records) runtime::Thrown::text("The manifest is not an array");
        const auto& names = runtime::EnumTraits<AssetType>::info();
        for (const Value& record : records->items) {
            if (!record.isObject()) runtime::Thrown::text("Invalid manifest record");
            std::string id = record.field("id").toStringValue().str();
            if (isEmbedded(id)) continue;
            path[id] = record.field("path").toStringValue();
            String typeName = record.field("type").toStringValue();
            runtime::EnumValue* kind = names.byName(typeName.str());
            if (!kind) runtime::Thrown::text("No such constructor " + typeName.toText());
            setType(id, static_cast<AssetType>(kind->index()));
        }
    } catch (const runtime::Thrown& e) {
        trace("Warning: Could not load asset manifest (" + e.value().toText() + ")");
    }
}

std::vector<std::string> DefaultAssetLibrary::commandLineArguments() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\0', start);
        if (end == std::string::npos) end = all.size();
        args.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    if (!args.empty()) args.erase(args.begin());
    return args;
}

}  // namespace game

using game::DefaultAssetLibrary;

RUNTIME_DEFINE_CLASS(DefaultAssetLibrary, "DefaultAssetLibrary", framework::AssetLibrary, (auto& b) {
    b.template field<&DefaultAssetLibrary::lastModified>("lastModified")
        .template field<&DefaultAssetLibrary::timer>("timer")
        .template method<&DefaultAssetLibrary::loadManifest>("loadManifest")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<DefaultAssetLibrary>();
        });
})
