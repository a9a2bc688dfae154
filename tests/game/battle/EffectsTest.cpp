// The effect animation table and the element icon cells.
#include <gtest/gtest.h>

#include "game/battle/Effects.h"
#include "game/battle/Element.h"

using game::Effects;
using game::Element;

TEST(EffectsTest, ListsAndSwordPoints) {
    Effects::POOFY_EXPLOSION_ANIMS.clear();
    Effects::RAIN_SPLASHES.clear();
    Effects::GUY_SWORD_POINTS.clear();
    Effects::setup();
    ASSERT_EQ(Effects::GUY_SWORD_POINTS.size(), 8u);
    EXPECT_TRUE(Effects::GUY_SWORD_POINTS[5].empty());
    EXPECT_EQ(Effects::GUY_SWORD_POINTS[3].size(), 6u);
    EXPECT_EQ(Effects::GUY_SWORD_POINTS[0][1]->x, 24);
    EXPECT_EQ(Effects::GUY_SWORD_POINTS[0][1]->y, 11);
    EXPECT_EQ(Effects::GUY_SWORD_POINTS[7][0]->x, 17);
    ASSERT_EQ(Effects::POOFY_EXPLOSION_ANIMS.size(), 3u);
    EXPECT_EQ(Effects::POOFY_EXPLOSION_ANIMS[2]->startY, 36);
    EXPECT_EQ(Effects::POOFY_EXPLOSION_ANIMS[2]->frameStep, 6);
    ASSERT_EQ(Effects::RAIN_SPLASHES.size(), 4u);
    EXPECT_EQ(Effects::RAIN_SPLASHES[3]->startY, 24);

    // Only the secret flash pauses; it loops back and forth.
    EXPECT_EQ(Effects::SECRET_FLASH->pauseFrames, 10);
    EXPECT_TRUE(Effects::SECRET_FLASH->backAndForth && Effects::SECRET_FLASH->loop);
    for (const auto& a : {Effects::FLAMESTRIKE_ANIM, Effects::ICESLASH_ANIM, Effects::LIGHTBEAM_ANIM,
                          Effects::MONSTER_DEMON_ORB, Effects::SLOT_FLASH, Effects::RAIN_TILE})
        EXPECT_EQ(a->pauseFrames, 0);
    EXPECT_EQ(Effects::ICESLASH_ANIM->width, 40);
    EXPECT_EQ(Effects::ICESLASH_ANIM->frameStep, 4);
    EXPECT_EQ(Effects::LIGHTBEAM_ANIM->height, 96);
}

TEST(EffectsTest, ElementIconCells) {
    EXPECT_FALSE(Element::iconRect(Element::TYPE_NONE));
    EXPECT_EQ(Element::iconRect(Element::TYPE_EARTH), Element::ICON_RECT_EARTH);
    EXPECT_EQ(Element::ICON_RECT_EARTH->x, 38);
    EXPECT_EQ(Element::ICON_RECT_WIND->y, 20);
    EXPECT_EQ(Element::ICON_RECT_LIGHT->width, 19);
    EXPECT_EQ(Element::ICON_RECT_LIGHT->height, 20);
}
