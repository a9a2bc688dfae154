#include "MPHud.h"

#include <string>

#include "HPMPHud.h"
#include "game/data/GameData.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using runtime::make;

MPHud::MPHud() {
    largeHolder = make<framework::Sprite>();
    largeMagic = make<BasicProgressBar>(HPMPHud::mpBarPicture());
    largeMagic->set_x(23);
    largeMagic->set_y(5);
    largeHolder->addChild(largeMagic);
    largeHUD = make<framework::Bitmap>(PixelSmoother::smoothAsset("assets/ui/mpHUD.png"));
    largeHolder->addChild(largeHUD);
    mpText = HPMPHud::barText(23, 5);
    largeHolder->addChild(mpText);
    addChild(largeHolder);
    update(std::nullopt);
}

void MPHud::update(std::optional<int> mpChange) {
    largeMagic->update(mpChange ? std::optional<double>(*mpChange) : std::nullopt, GameData::maxMP, GameData::mp);
    mpText->set_text(std::to_string(GameData::mp) + "/" + std::to_string(GameData::maxMP));
}

}  // namespace game

using game::MPHud;

RUNTIME_DEFINE_CLASS(MPHud, "MPHud", game::BitmapSprite, (auto& b) {
    b.template field<&MPHud::largeMagic>("largeMagic").emptyInstance();
})
