// Item icons: sheet cells, backgrounds and frames, amounts, enchantment gems, price tags, the name
// caches, the scroller fade, hover and selection; filter tabs; the flying icon.
#include "KitFixture.h"
#include "framework/assets/Assets.h"
#include "framework/display/Bitmap.h"
#include "framework/events/MouseEvent.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/kit/ItemTab.h"

using framework::Bitmap;
using game::Enchantment;
using game::GameData;
using game::Item;
using game::ItemData;
using game::ItemIcon;
using game::ItemIconAnimated;
using game::ItemTab;
using runtime::make;
using runtime::Ref;

namespace {
class ItemIconTest : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
        GameData::sellPercent = 0.3;
        ItemIcon::createNameCaches();
    }
    static Ref<Item> item(int type, int picID = 0, std::vector<const char*> enchantments = {}, bool artifact = false,
                          int id = 700, const char* name = "Test Blade") {
        auto data = make<ItemData>(type, -1, name);
        data->picID = picID;
        data->id = id;
        data->value = 375;
        auto it = make<Item>(data, false);
        it->artifact = artifact;
        for (const char* e : enchantments) it->enchantments.push_back(make<Enchantment>(e, 1));
        return it;
    }
    // Children that show a given picture, by asset.
    static std::vector<Ref<Bitmap>> showing(framework::DisplayObjectContainer& c, const char* asset) {
        auto bmd = framework::Assets::getBitmapData(asset);
        std::vector<Ref<Bitmap>> out;
        for (int i = 0; i < c.get_numChildren(); ++i)
            if (auto b = c.getChildAt(i).cast<Bitmap>(); b && b->get_bitmapData().get() == bmd.get()) out.push_back(b);
        return out;
    }
};
std::string rect(const Ref<framework::Rectangle>& r) {
    return std::to_string(static_cast<int>(r->x)) + "," + std::to_string(static_cast<int>(r->y)) + "," +
           std::to_string(static_cast<int>(r->width)) + "," + std::to_string(static_cast<int>(r->height));
}
}  // namespace

TEST_F(ItemIconTest, PicturesComeFromTheSheetOfTheirType) {
    struct Case {
        int type;
        const char* sheet;
    };
    const Case cases[] = {{ItemData::TYPE_CONSUMABLE, "assets/items/consumables.png"},
                          {ItemData::TYPE_WEAPON, "assets/items/weapons.png"},
                          {ItemData::TYPE_ACCESSORY, "assets/items/accessories.png"},
                          {ItemData::TYPE_MAGIC, "assets/items/magics.png"}};
    for (const Case& c : cases) {
        auto data = make<ItemData>(c.type, -1, "x");
        data->picID = 23;
        auto pic = ItemIcon::getPicForITemData(data);
        EXPECT_EQ(pic->get_bitmapData().get(), framework::Assets::getBitmapData(c.sheet).get()) << c.sheet;
        EXPECT_EQ(rect(pic->get_scrollRect()), "144,96,48,48");
    }
    EXPECT_FALSE(ItemIcon::getPicForITemData(make<ItemData>(12345, -1, "x"))->get_bitmapData());
}

TEST_F(ItemIconTest, BackgroundsFramesAndAmounts) {
    auto plain = make<ItemIcon>(item(ItemData::TYPE_WEAPON));
    EXPECT_EQ(plain->deselectedBack->get_bitmapData().get(), game::UIColor::DARK_PURPLE_GRAY->itemBackNormal.get());
    EXPECT_EQ(plain->deselectedBack->get_x(), 1);
    EXPECT_FALSE(plain->selectedBack->get_visible());
    EXPECT_EQ(showing(*plain, "assets/items/itemBorder.png").size(), 1u);
    EXPECT_FALSE(plain->amountText->get_visible());
    EXPECT_EQ(plain->amountText->get_y(), 32);

    auto art = make<ItemIcon>(item(ItemData::TYPE_WEAPON, 0, {}, true));
    EXPECT_EQ(art->deselectedBack->get_bitmapData().get(), game::UIColor::DARK_PURPLE_GRAY->itemBackArtifact.get());
    EXPECT_EQ(showing(*art, "assets/items/itemBorderArtifact.png").size(), 1u);

    auto spell = make<ItemIcon>(item(ItemData::TYPE_MAGIC, 2, {"att", "mag"}));
    EXPECT_EQ(showing(*spell, "assets/items/magicBorder.png").size(), 1u);
    EXPECT_EQ(showing(*spell, "assets/ui/enchantmentGems.png").size(), 0u) << "spells show no gems";

    auto stack = item(ItemData::TYPE_CONSUMABLE);
    stack->amount = 2;
    auto icon = make<ItemIcon>(stack);
    EXPECT_TRUE(icon->amountText->get_visible());
    EXPECT_EQ(icon->amountText->text.str(), "2");
    stack->amount = 1;
    icon->updateAmount();
    EXPECT_FALSE(icon->amountText->get_visible());

    auto bare = make<ItemIcon>(item(ItemData::TYPE_WEAPON), false, false);
    EXPECT_FALSE(bare->deselectedBack);
    EXPECT_FALSE(bare->hasEventListener("mouseOver"));
}

TEST_F(ItemIconTest, EnchantmentGemsRunLeftFromTheCornerInsideTheirFrame) {
    struct Case {
        int type, id, enchantments;
        std::vector<int> gemXs;
        int frameX;
        const char* frameCrop;
    };
    const Case cases[] = {
        {ItemData::TYPE_WEAPON, 700, 1, {38}, 36, "0,0,10,12"},
        {ItemData::TYPE_WEAPON, 700, 2, {38, 28}, 26, nullptr},
        {ItemData::TYPE_CONSUMABLE, 700, 2, {}, -1, nullptr},
        {ItemData::TYPE_CONSUMABLE, 1, 1, {38}, 36, "0,0,10,12"},
        {ItemData::TYPE_MAGIC, 700, 1, {}, -1, nullptr},
    };
    for (const Case& c : cases) {
        std::vector<const char*> names(static_cast<std::size_t>(c.enchantments), "att");
        auto icon = make<ItemIcon>(item(c.type, 0, names, false, c.id));
        std::vector<int> xs;
        for (auto& gem : showing(*icon, "assets/ui/enchantmentGems.png")) {
            xs.push_back(static_cast<int>(gem->get_x()));
            EXPECT_EQ(gem->get_y(), 2);
        }
        EXPECT_EQ(xs, c.gemXs) << c.type << "/" << c.id << "/" << c.enchantments;
        auto frames = showing(*icon, "assets/items/enchantmentBorder.png");
        if (c.frameX < 0) {
            EXPECT_TRUE(frames.empty());
            continue;
        }
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0]->get_x(), c.frameX);
        if (c.frameCrop) EXPECT_EQ(rect(frames[0]->get_scrollRect()), c.frameCrop);
        else EXPECT_FALSE(frames[0]->get_scrollRect());
    }
}

TEST_F(ItemIconTest, APriceTagShowsTheValueOrTheSellingPriceCentredWithItsCoin) {
    GameData::sellPercent = 0.5;
    for (int priceType : {ItemIcon::BUY_PRICE, ItemIcon::SELL_PRICE}) {
        for (bool sell : {false, true}) {
            auto icon = make<ItemIcon>(item(ItemData::TYPE_WEAPON), false, true, priceType, sell);
            EXPECT_TRUE(icon->priceShowing);
            auto holder = icon->getChildAt(icon->get_numChildren() - 1).cast<framework::Sprite>();
            ASSERT_TRUE(holder);
            EXPECT_EQ(holder->get_x(), -6);
            EXPECT_EQ(holder->get_y(), -8);
            ASSERT_EQ(holder->get_numChildren(), 5);
            auto price = holder->getChildAt(3).cast<game::TextSprite>();
            ASSERT_TRUE(price);
            EXPECT_EQ(price->text.str(), sell ? "187" : "375");
            EXPECT_EQ(price->get_x(), static_cast<int>(60 * 0.5 - (price->textWidth - 20) * 0.5));
            EXPECT_EQ(holder->getChildAt(4)->get_x(), price->get_x() - 20);
            EXPECT_EQ(holder->getChildAt(0)->get_x(), 2);
        }
    }
    auto priced = make<ItemIcon>(item(ItemData::TYPE_WEAPON), false, true, ItemIcon::BUY_PRICE);
    priced->select();
    EXPECT_TRUE(priced->selectedValueBack->get_visible());
    EXPECT_FALSE(priced->deselectedValueBack->get_visible());
    priced->deselect();
    EXPECT_FALSE(priced->selectedValueBack->get_visible());
}

TEST_F(ItemIconTest, NameSpritesArePooledWhileTheyHangInAHolder) {
    std::vector<Ref<ItemIcon>> icons;
    for (int i = 0; i < 21; ++i) icons.push_back(make<ItemIcon>(item(ItemData::TYPE_WEAPON), true));
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(icons[static_cast<std::size_t>(i)]->nameText->useCache) << i;
    EXPECT_FALSE(icons[20]->nameText->useCache);
    EXPECT_TRUE(icons[0]->nameText->ignoreDestroy);
    EXPECT_EQ(icons[0]->nameText->get_x(), -20);
    EXPECT_EQ(icons[0]->nameText->get_y(), 58);
    // A detached name sprite is handed out again.
    auto freed = icons[5]->nameText;
    icons[5]->nameHolder->removeChild(freed);
    EXPECT_EQ(make<ItemIcon>(item(ItemData::TYPE_WEAPON), true)->nameText.get(), freed.get());
}

TEST_F(ItemIconTest, ScrollerFadeHoverSelectionAndEquality) {
    auto icon = make<ItemIcon>(item(ItemData::TYPE_WEAPON), true);
    struct Case {
        double p, alpha, nameAlpha;
        bool visible;
    };
    const Case cases[] = {{0.5, 1, 1, true}, {0.2, 1, 0.5, true}, {0.005, 0.5, 0, true}, {1.0, 1, 0, false}};
    for (const Case& c : cases) {
        icon->updateAlphaForScroller(c.p);
        EXPECT_EQ(icon->get_visible(), c.visible) << c.p;
        EXPECT_NEAR(icon->get_alpha(), c.alpha, 1e-9) << c.p;
        EXPECT_NEAR(icon->nameHolder->get_alpha(), c.nameAlpha, 1e-9) << c.p;
    }
    icon->disable();
    icon->updateAlphaForScroller(0.5);
    EXPECT_NEAR(icon->get_alpha(), 0.5, 1e-9);

    icon->dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    EXPECT_TRUE(icon->selectedBack->get_visible());
    icon->dispatchEvent(make<framework::MouseEvent>("mouseOut"));
    EXPECT_FALSE(icon->selectedBack->get_visible());
    icon->select();
    icon->dispatchEvent(make<framework::MouseEvent>("mouseOver"));
    icon->dispatchEvent(make<framework::MouseEvent>("mouseOut"));
    EXPECT_TRUE(icon->selectedBack->get_visible()) << "a selected icon stays selected";

    auto sameItem = make<ItemIcon>(icon->item);
    EXPECT_TRUE(icon->equals(sameItem));
    auto more = item(ItemData::TYPE_WEAPON);
    more->data = icon->item->data;
    more->amount = 3;
    EXPECT_FALSE(icon->equals(make<ItemIcon>(more)));
}

TEST_F(ItemIconTest, FilterTabsShowTheirPictogramCentredAndHighlightedWhenSelected) {
    auto tab = make<ItemTab>(40, 34, ItemData::TYPE_WEAPON);
    EXPECT_EQ(tab->label.str(), "WEAPONS");
    EXPECT_EQ(rect(tab->unselectedIcon->get_scrollRect()), "64,0,32,32");
    EXPECT_EQ(rect(tab->selectedIcon->get_scrollRect()), "64,32,32,32");
    EXPECT_EQ(tab->unselectedIcon->get_x(), 4);
    EXPECT_EQ(tab->unselectedIcon->get_y(), 1);
    EXPECT_FALSE(tab->selectedIcon->get_visible());
    EXPECT_FALSE(tab->hasEventListener("click")) << "no click sound";
    tab->select();
    EXPECT_TRUE(tab->selectedIcon->get_visible());
    EXPECT_EQ(tab->spriteHolder->getChildAt(0).get(), tab->selectedSprite.get());
    tab->deselect();
    EXPECT_FALSE(tab->selectedIcon->get_visible());
    EXPECT_EQ(tab->spriteHolder->getChildAt(0).get(), tab->unselectedSprite.get());

    EXPECT_EQ(make<ItemTab>(41, 34, ItemTab::ARTIFACTS)->unselectedIcon->get_x(), 4);
    EXPECT_EQ(make<ItemTab>(41, 34, ItemTab::ARTIFACTS)->label.str(), "ARTIFACTS");
    EXPECT_EQ(rect(make<ItemTab>(40, 34, ItemData::TYPE_MAGIC)->unselectedIcon->get_scrollRect()), "384,0,32,32");
    EXPECT_EQ(make<ItemTab>(40, 34, ItemTab::ALL)->label.str(), "EVERYTHING");
}

TEST_F(ItemIconTest, AFlyingIconArcsOntoTheHeroAndLeavesSparkles) {
    auto layer = make<framework::Sprite>();
    auto flying = make<ItemIconAnimated>(item(ItemData::TYPE_WEAPON));
    EXPECT_FALSE(flying->deselectedBack);
    layer->addChild(flying);
    flying->origin = make<framework::Point>(100, 200);
    flying->useTarget = true;
    flying->target->x = 300;
    flying->target->y = 100;
    std::vector<double> ys;
    while (flying->animFrame < ItemIconAnimated::ITEM_ANIM_FRAMES) {
        flying->update();
        ys.push_back(flying->get_y());
    }
    EXPECT_EQ(ys.size(), 45u);
    EXPECT_NEAR(flying->get_x(), 305, 1e-9);
    EXPECT_NEAR(flying->get_y(), 98, 1e-9);
    EXPECT_EQ(flying->get_scaleX(), 0.5);
    EXPECT_EQ(layer->get_numChildren(), 46) << "one sparkle a frame, below the icon";
    EXPECT_EQ(layer->getChildAt(45).get(), flying.get());

    // Half way the arc is VELOCITY / 4 above the straight line.
    game::Game::frameRate = 30;
    ItemIconAnimated::ITEM_ANIM_FRAMES = 22;
    ItemIconAnimated::VELOCITY = 300;
    auto slow = make<ItemIconAnimated>(item(ItemData::TYPE_WEAPON));
    slow->origin = make<framework::Point>(0, 0);
    slow->useTarget = true;
    for (int i = 0; i < 11; ++i) slow->update();
    EXPECT_NEAR(slow->get_y(), -2 * 0.5 - 75, 1e-9);
    ItemIconAnimated::ITEM_ANIM_FRAMES = 45;
    ItemIconAnimated::VELOCITY = 200;
}
