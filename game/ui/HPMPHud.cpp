#include "HPMPHud.h"

#include <string>

#include "framework/geom/Rectangle.h"
#include "game/data/GameData.h"
#include "game/shell/G.h"
#include "game/shell/PixelSmoother.h"

namespace game {

using framework::BitmapData;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {
constexpr int BAR_X = 23;

Ref<BasicProgressBar> addBar(const Ref<BitmapSprite>& holder, const Ref<BitmapData>& picture, int y) {
    auto bar = make<BasicProgressBar>(picture);
    bar->set_x(BAR_X);
    bar->set_y(y);
    holder->addChild(bar);
    return bar;
}

runtime::String fraction(int current, int max) { return std::to_string(current) + "/" + std::to_string(max); }
}  // namespace

Ref<BitmapData> HPMPHud::barPicture(int body, int highlight, int shade) {
    auto bmd = make<BitmapData>(BAR_WIDTH, BAR_HEIGHT_LARGE, true, body);
    bmd->fillRect(make<Rectangle>(0, 0, BAR_WIDTH, 3), highlight);
    bmd->fillRect(make<Rectangle>(0, 12, BAR_WIDTH, 3), shade);
    return bmd;
}

Ref<BitmapData> HPMPHud::hpBarPicture() {
    return barPicture(static_cast<int>(0xFFD40000), static_cast<int>(0xFFFF9E95), static_cast<int>(0xFF9B000A));
}
Ref<BitmapData> HPMPHud::mpBarPicture() {
    return barPicture(static_cast<int>(0xFF86FCFD), static_cast<int>(0xFFFFFFFF), static_cast<int>(0xFF5DB2BF));
}
Ref<BitmapData> HPMPHud::expBarPicture() {
    return barPicture(static_cast<int>(0xFFF0C600), static_cast<int>(0xFFFFFD73), static_cast<int>(0xFFCE7E00));
}

Ref<TextSprite> HPMPHud::barText(int barX, int barY) {
    auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "", false, -1, 2, true, -1);
    text->set_x(static_cast<int>(barX + BAR_WIDTH * 0.5));
    text->set_y(barY + 1);
    return text;
}

HPMPHud::HPMPHud() {
    largeHolder = make<BitmapSprite>();
    largeHealth = addBar(largeHolder, hpBarPicture(), 5);
    largeMagic = addBar(largeHolder, mpBarPicture(), 25);
    largeExp = addBar(largeHolder, expBarPicture(), 45);
    largeHUD = make<BitmapSprite>(PixelSmoother::smoothAsset("assets/ui/hpmphudLarge.png"));
    largeHolder->addChild(largeHUD);
    hpText = barText(BAR_X, 5);
    mpText = barText(BAR_X, 25);
    expText = barText(BAR_X, 45);
    for (const auto& text : {hpText, mpText, expText}) largeHolder->addChild(text);
    addChild(largeHolder);
    update(std::nullopt, std::nullopt, std::nullopt);
}

void HPMPHud::update(std::optional<int> hpChange, std::optional<int> mpChange, std::optional<int> expChange) {
    if (!largeVisible) return;
    auto asChange = [](std::optional<int> c) { return c ? std::optional<double>(*c) : std::nullopt; };
    largeHealth->update(asChange(hpChange), GameData::maxHP, GameData::hp);
    largeMagic->update(asChange(mpChange), GameData::maxMP, GameData::mp);
    largeExp->update(asChange(expChange), GameData::nextLevelAt, GameData::exp);
    hpText->set_text(fraction(GameData::hp, GameData::maxHP));
    mpText->set_text(fraction(GameData::mp, GameData::maxMP));
    expText->set_text(fraction(GameData::exp, GameData::nextLevelAt));
}

void HPMPHud::updateLowHPAnim() {
    if (G::frameCount % LOW_HP_FLASH_FRAMES == 0 && largeVisible) largeHealth->flashCurrentAmount();
}

void HPMPHud::setSize(bool large) {
    largeVisible = large;
    largeHolder->set_visible(large);
    update(std::nullopt, std::nullopt, std::nullopt);
}

}  // namespace game

using game::HPMPHud;

RUNTIME_DEFINE_CLASS(HPMPHud, "HPMPHud", game::BitmapSprite, (auto& b) {
    b.template field<&HPMPHud::largeHealth>("largeHealth")
        .template field<&HPMPHud::largeMagic>("largeMagic")
        .template field<&HPMPHud::largeExp>("largeExp")
        .template field<&HPMPHud::largeVisible>("largeVisible")
        .template method<&HPMPHud::updateLowHPAnim>("updateLowHPAnim")
        .template method<&HPMPHud::update>("update")
        .template method<&HPMPHud::setSize>("setSize")
        .emptyInstance();
})
