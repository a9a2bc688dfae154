// The button base and the standard button: pointer area, looks through hover, press and a
// release anywhere (real pointer input on a real stage), skin families, selection, the icon's
// opacity and the click sound.
#include "KitFixture.h"
#include "engine/EngG.h"
#include "engine/system/EngSound.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/display/Bitmap.h"
#include "framework/events/MouseEvent.h"
#include "game/kit/BasicButton.h"

using framework::Bitmap;
using game::BasicButton;
using game::BMDCache;
using runtime::make;
using runtime::Ref;

namespace {
void send(const Ref<framework::DisplayObject>& target, const char* type) {
    target->dispatchEvent(make<framework::MouseEvent>(type));
}
// The look on show.
framework::DisplayObject* look(BasicButton& b) { return b.spriteHolder->getChildAt(0).get(); }
Ref<framework::BitmapData> lookBitmap(const Ref<framework::Sprite>& look) {
    return look->getChildAt(0).cast<Bitmap>()->get_bitmapData();
}
int liveSounds(double volume) {
    int n = 0;
    for (int i = 0; i < engine::EngG::sound->list->length; ++i)
        if (auto* s = engine::EngG::sound->soundAt(i); s && s->exists && s->get_volume() == volume) ++n;
    return n;
}
}  // namespace

using ButtonTest = KitFixture;

TEST_F(ButtonTest, ThePointerAreaIsTheButtonOnTheDesktopAndWiderOnTouch) {
    auto desk = make<BasicButton>(80, 40);
    EXPECT_EQ(desk->hitExtension, 0);
    EXPECT_EQ(desk->hitBitmap->get_x(), 0);
    EXPECT_EQ(desk->hitBitmap->get_y(), 0);
    EXPECT_EQ(desk->hitBitmap->get_width(), 80);
    EXPECT_EQ(desk->hitBitmap->get_height(), 40);
    EXPECT_EQ(desk->getChildAt(desk->get_numChildren() - 1).get(), desk->hitBitmap.get());
    EXPECT_FALSE(desk->get_mouseChildren());

    game::Game::mobile = true;
    auto touch = make<BasicButton>(80, 40);
    EXPECT_EQ(touch->hitExtension, 10);
    EXPECT_EQ(touch->hitBitmap->get_x(), -10);
    EXPECT_EQ(touch->hitBitmap->get_width(), 100);
    EXPECT_EQ(touch->hitBitmap->get_height(), 60);
    EXPECT_FALSE(touch->hasEventListener("rollOver"));
}

TEST_F(ButtonTest, APressDraggedOffAndReleasedElsewhereRestoresTheNormalLook) {
    engine::EngG::sound = make<engine::SoundFrontEnd>();
    Ref<BasicButton> button;
    int clicks = 0;
    int clickSounds = 0;
    std::vector<std::string> looks;
    auto record = [&] {
        looks.push_back(look(*button) == button->unselectedSprite.get() ? "normal"
                        : look(*button) == button->overSprite.get()     ? "over"
                        : look(*button) == button->selectedSprite.get() ? "pressed"
                                                                        : "?");
    };
    onStage({
        [&] {
            button = make<BasicButton>(80, 40);
            button->set_x(100);
            button->set_y(100);
            button->addEventListener("click", runtime::Function::of([&](runtime::Value) { ++clicks; }));
            framework::Lib::get_stage()->addChild(button);
            pointer(SDL_MOUSEMOTION, 120, 120);
        },
        [&] {
            record();
            pointer(SDL_MOUSEBUTTONDOWN, 120, 120);
        },
        [&] {
            record();
            pointer(SDL_MOUSEMOTION, 400, 300);
        },
        [&] {
            record();
            EXPECT_TRUE(framework::Lib::get_stage()->hasEventListener("mouseUp"));
            pointer(SDL_MOUSEBUTTONUP, 400, 300);
        },
        [&] {
            record();
            EXPECT_FALSE(framework::Lib::get_stage()->hasEventListener("mouseUp")) << "the release was heard";
            // Disabled: the look stays, the click still sounds.
            button->disable();
            pointer(SDL_MOUSEMOTION, 110, 110);
            pointer(SDL_MOUSEBUTTONDOWN, 110, 110);
            pointer(SDL_MOUSEBUTTONUP, 110, 110);
        },
        [&] {
            record();
            // Read on the frame after the click: a short sound may be over by the time the stage closes.
            clickSounds = liveSounds(0.1);
        },
    });
    EXPECT_EQ(looks, (std::vector<std::string>{"over", "pressed", "normal", "normal", "normal"}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clickSounds, 1) << "simpleClick at 0.1";
    EXPECT_NEAR(button->get_alpha(), 0.5, 1e-9);
    engine::EngG::sound = nullptr;
}

TEST_F(ButtonTest, FamiliesFollowCornerAndColourAndShareTheirComposedLooks) {
    struct Case {
        int corner, color;
        const BMDCache::BMD* normal;
        int composedCorner;
    };
    const Case cases[] = {
        {-1, BasicButton::COLOR_BLACK, &BMDCache::BLACK_BUTTON, 12},
        {-1, BasicButton::COLOR_RED, &BMDCache::RED_BUTTON, 12},
        {12, BasicButton::COLOR_YELLOW, &BMDCache::BLACK_BUTTON, 12},
        {9, BasicButton::COLOR_RED, &BMDCache::BLACK_BUTTON_SMALL, 9},
        {9, BasicButton::COLOR_YELLOW, &BMDCache::YELLOW_BUTTON, 9},
    };
    for (const Case& c : cases) {
        auto b = make<BasicButton>(60, 30, 0, c.corner, c.color);
        auto normal = lookBitmap(b->unselectedSprite);
        // The middle of the composed look is the middle colour of its skin.
        EXPECT_EQ(normal->getPixel32(30, 15), (*c.normal)->getPixel32(c.composedCorner, c.composedCorner))
            << c.corner << "/" << c.color;
        EXPECT_NE(lookBitmap(b->overSprite).get(), normal.get());
    }
    auto first = make<BasicButton>(70, 30);
    auto second = make<BasicButton>(70, 30);
    EXPECT_EQ(lookBitmap(first->unselectedSprite).get(), lookBitmap(second->unselectedSprite).get());
    EXPECT_EQ(lookBitmap(first->selectedSprite).get(), lookBitmap(second->selectedSprite).get());
    EXPECT_TRUE(first->hasEventListener("click"));
    EXPECT_FALSE(make<BasicButton>(70, 30, 0, -1, 0, false)->hasEventListener("click"));
    // The black skins brighten from normal to selected.
    EXPECT_EQ(static_cast<uint32_t>(lookBitmap(first->overSprite)->getPixel32(35, 15)), 0xFF202020u);
    EXPECT_EQ(static_cast<uint32_t>(lookBitmap(first->selectedSprite)->getPixel32(35, 15)), 0xFF474747u);
}

TEST_F(ButtonTest, SelectionHoverAndTheIcon) {
    auto b = make<BasicButton>(60, 30);
    auto icon = make<Bitmap>(BMDCache::whiteSquare4x4);
    b->icon = icon;
    b->addChild(icon);
    b->select();
    EXPECT_EQ(look(*b), b->selectedSprite.get());
    EXPECT_EQ(icon->get_alpha(), 1);
    send(b, "rollOver");
    EXPECT_EQ(look(*b), b->overSprite.get());
    send(b, "rollOut");
    EXPECT_EQ(look(*b), b->selectedSprite.get()) << "the selected look returns";
    EXPECT_EQ(icon->get_alpha(), 1);
    send(b, "mouseDown");
    EXPECT_EQ(look(*b), b->selectedSprite.get());
    b->deselect();
    EXPECT_EQ(look(*b), b->unselectedSprite.get());
    EXPECT_NEAR(icon->get_alpha(), 0.5, 1e-9);

    // Disabled: the look stays through hover and press, the icon still lights up.
    b->disable();
    send(b, "rollOver");
    EXPECT_EQ(look(*b), b->unselectedSprite.get());
    EXPECT_EQ(icon->get_alpha(), 1);
    send(b, "mouseDown");
    EXPECT_EQ(look(*b), b->unselectedSprite.get());

    game::Game::mobile = true;
    auto touch = make<BasicButton>(60, 30);
    auto touchIcon = make<Bitmap>(BMDCache::whiteSquare4x4);
    touch->icon = touchIcon;
    touch->deselect();
    touch->mouseOut(nullptr);
    EXPECT_EQ(touchIcon->get_alpha(), 1);
}

TEST_F(ButtonTest, ACaptionIsCentredOnTheButton) {
    auto caption = make<game::TextSprite>(game::TextSprite::MEDIEVAL_SANS_20_OUTLINE, "Yes", false, -1, 2, true);
    auto b = make<BasicButton>(80, 40, 0, -1, 0, true, caption);
    EXPECT_EQ(caption->get_x(), 40);
    EXPECT_EQ(caption->get_y(), 20 - caption->textHeight * 0.5 + 1);
    EXPECT_EQ(caption->get_parent().get(), b.get());
    auto wrapped = make<game::TextSprite>(game::TextSprite::MEDIEVAL_SANS_14, "OK", true, 30);
    make<BasicButton>(80, 40, 0, -1, 0, true, wrapped);
    EXPECT_EQ(wrapped->get_x(), 40 - 15);
}
