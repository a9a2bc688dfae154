#include "BasicWindow.h"

#include "framework/assets/Assets.h"
#include "game/shell/BMDCache.h"
#include "game/shell/C.h"
#include "game/shell/Game.h"

namespace game {

using framework::Bitmap;
using runtime::make;
using runtime::Ref;

namespace {
Ref<Bitmap> layer(const Ref<framework::BitmapData>& square, int width, int height, double alpha) {
    auto b = make<Bitmap>(square);
    b->set_scaleX(width / static_cast<double>(square->get_width()));
    b->set_scaleY(height / static_cast<double>(square->get_height()));
    b->set_alpha(alpha);
    return b;
}
}  // namespace

BasicWindow::BasicWindow(int winWidth, int winHeight, bool opaque, int sides, bool selectable, bool goldTint)
    : winWidth(winWidth), winHeight(winHeight) {
    map = framework::Assets::getBitmapData("assets/ui/windowBorder.png");
    cornerSize = CORNER_SIZE_SMALL;
    drawWindow(winWidth, winHeight, opaque, sides);
    if (goldTint) {
        auto gold = make<framework::BitmapData>(2, 2, false, static_cast<int>(0xFFF0C600));
        auto tint = make<BitmapSprite>(gold);
        tint->set_scaleX(winWidth / 2.0);
        tint->set_scaleY(winHeight / 2.0);
        tint->set_alpha(0.3);
        addChild(tint);
    }
    if (selectable && BMDCache::whiteSquare2x2) {
        hoverLayer = layer(BMDCache::whiteSquare2x2, winWidth, winHeight, 0.1);
        hoverLayer->set_visible(false);
        addChild(hoverLayer);
        selectedLayer = layer(BMDCache::whiteSquare2x2, winWidth, winHeight, 0.3);
        selectedLayer->set_visible(false);
        addChild(selectedLayer);
        if (!Game::mobile) {
            addEventListener("mouseOver", runtime::Function::method<&BasicWindow::mouseOver>(this));
            addEventListener("mouseOut", runtime::Function::method<&BasicWindow::mouseOut>(this));
        }
    }
}

void BasicWindow::drawWindow(int width, int height, bool opaque, int newSides) {
    winWidth = width;
    winHeight = height;
    topLeftPoint = opaque ? C::POINT_0 : make<framework::Point>(13, 0);
    sides = newSides;
    drawThisSprite(map, winWidth, winHeight, sides, cornerSize, topLeftPoint);
}

void BasicWindow::mouseOver(const Ref<framework::Event>&) {
    if (hoverLayer) hoverLayer->set_visible(true);
}

void BasicWindow::mouseOut(const Ref<framework::Event>&) {
    if (hoverLayer) hoverLayer->set_visible(false);
}

void BasicWindow::selectWindow() {
    if (hoverLayer) hoverLayer->set_visible(false);
    if (selectedLayer) selectedLayer->set_visible(true);
}

void BasicWindow::deselectWindow() {
    if (hoverLayer) hoverLayer->set_visible(false);
    if (selectedLayer) selectedLayer->set_visible(false);
}

void BasicWindow::disable() {
    disabled = true;
    set_alpha(0.5);
}

void BasicWindow::enable() {
    disabled = false;
    set_alpha(1);
}

void BasicWindow::askUIRoot(const char* operation) {
    if (!Game::ui) return;
    const runtime::Value method = runtime::Value(Game::ui).field(operation);
    if (auto* f = method.function()) (*f)();
}

}  // namespace game

using game::BasicWindow;

RUNTIME_DEFINE_CLASS(BasicWindow, "BasicWindow", game::Scale9BitmapSprite, (auto& b) {
    b.template field<&BasicWindow::winWidth>("winWidth")
        .template field<&BasicWindow::winHeight>("winHeight")
        .template field<&BasicWindow::disabled>("disabled")
        .template field<&BasicWindow::hoverLayer>("hoverLayer")
        .template field<&BasicWindow::selectedLayer>("selectedLayer")
        .template method<&BasicWindow::selectWindow>("selectWindow")
        .template method<&BasicWindow::deselectWindow>("deselectWindow")
        .template method<&BasicWindow::disable>("disable")
        .template method<&BasicWindow::enable>("enable")
        .emptyInstance();
})
