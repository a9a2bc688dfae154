// A headless scene of an inventory-like window on a real stage, written to kit-details-scene.png
// in the build folder for looking at: filter tabs, an item scroller with a selected icon, the
// item details panel of that item, a slider, a meter and a progress bar with a flash.
#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "KitFixture.h"
#include "KitHooks.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/BasicMeter.h"
#include "game/kit/BasicProgressBar.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/ItemDetails.h"
#include "game/kit/ItemScroller.h"
#include "game/kit/ItemTab.h"
#include "game/kit/UISlider.h"

using game::ItemData;
using runtime::make;
using runtime::Ref;

namespace {
constexpr uint32_t BACKDROP = 0x2E4A62;

std::string scenePath() {
    std::string png = GLV_KIT_SCENE_PNG;
    return png.substr(0, png.size() - 4) + "-details.png";
}
}  // namespace

using KitDetailsSceneTest = KitFixture;

TEST_F(KitDetailsSceneTest, TabsAScrollerAndADetailsPanelAreDrawn) {
    InstalledHooks hooks;
    game::GameData::inCave = true;
    game::GameData::magic = 10;
    game::ItemIcon::createNameCaches();
    std::vector<Ref<game::Item>> items;
    const struct {
        int type, slot;
        const char* name;
        int attack, defense, attFire, defIce;
        const char* enchantment;
    } rows[] = {
        {ItemData::TYPE_WEAPON, 0, "Ember Blade", 12, 0, 5, 0, "att"},
        {ItemData::TYPE_WEAPON, 0, "Frost Edge", 18, 2, 4, 3, "attFire"},
        {ItemData::TYPE_SHIELD, 1, "Oak Buckler", 0, 9, 0, 6, "def"},
        {ItemData::TYPE_CONSUMABLE, -1, "Red Tonic", 0, 0, 0, 0, "hp"},
        {ItemData::TYPE_MAGIC, -1, "Spark", 0, 0, 0, 0, "attFire"},
        {ItemData::TYPE_CRAFTING, -1, "Ruby Dust", 0, 0, 0, 0, nullptr},
        {ItemData::TYPE_HELMET, 2, "Iron Cap", 0, 5, 0, 0, nullptr},
        {ItemData::TYPE_ACCESSORY, 7, "Moon Ring", 0, 0, 0, 2, "crit"},
        {ItemData::TYPE_BOOTS, 5, "Swift Boots", 0, 3, 0, 0, "dodge"},
        {ItemData::TYPE_BODY, 3, "Chain Coat", 0, 14, 0, 4, nullptr},
        {ItemData::TYPE_LEGS, 4, "Greaves", 0, 6, 0, 0, nullptr},
        {ItemData::TYPE_HANDS, 6, "Gauntlets", 2, 4, 0, 0, "att"},
    };
    int pic = 0;
    for (const auto& r : rows) {
        auto data = make<ItemData>(r.type, r.slot, r.name);
        data->description = "A fine thing found deep below, worth a look.";
        data->picID = pic++ % 4;
        data->value = 40 + 15 * pic;
        data->attack = r.attack, data->defense = r.defense, data->attFire = r.attFire, data->defIce = r.defIce;
        data->spell = r.type == ItemData::TYPE_MAGIC;
        data->mpUse = 8;
        auto it = make<game::Item>(data, false);
        if (r.enchantment) it->enchantments.push_back(make<game::Enchantment>(r.enchantment, 3));
        it->createEffectiveData();
        items.push_back(it);
    }
    ASSERT_GE(items.size(), 8u);

    const std::string png = scenePath();
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    int frames = 0;
    Ref<game::ItemScroller> scroller;
    Ref<game::ItemDetails> details;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = framework::Lib::get_stage();
        stage->set_color(BACKDROP);
        auto window = make<game::BasicWindow>(640, 500, true);
        window->set_x(160);
        window->set_y(20);
        stage->addChild(window);
        int x = 20;
        for (int type : {game::ItemTab::ALL, ItemData::TYPE_WEAPON, ItemData::TYPE_SHIELD, ItemData::TYPE_CONSUMABLE,
                         ItemData::TYPE_MAGIC, ItemData::TYPE_CRAFTING, game::ItemTab::ARTIFACTS}) {
            auto tab = make<game::ItemTab>(50, 40, type);
            tab->set_x(x);
            tab->set_y(10);
            if (type == game::ItemTab::ALL) tab->select();
            window->addChild(tab);
            x += 54;
        }
        details = make<game::ItemDetails>(600, 200);
        details->set_y(details->get_y() + 50);
        details->set_x(details->get_x() + 20);
        window->addChild(details);
        scroller = make<game::ItemScroller>(600, runtime::Function::of([&](runtime::Value v) {
                                                details->set_item(Ref<game::Item>(v.as<game::Item>()));
                                            }),
                                            nullptr, runtime::Function::of([&] { details->set_item(nullptr); }));
        scroller->set_x(20);
        scroller->set_y(250);
        window->addChild(scroller);
        scroller->setItems(items);
        scroller->selectItem(scroller->currentItems[1].cast<game::ItemIcon>());
        auto slider = make<game::UISlider>();
        slider->set_x(20);
        slider->set_y(400);
        slider->setPercent(0.7, true);
        window->addChild(slider);
        auto meter = make<game::BasicMeter>(150, 8, static_cast<int>(0xFF40C040));
        meter->setPercent(0.4);
        meter->set_x(260);
        meter->set_y(400);
        window->addChild(meter);
        auto bar = make<game::BasicProgressBar>(make<framework::BitmapData>(200, 15, true, static_cast<int>(0xFFC03030)));
        bar->update(std::nullopt, 100, 80);
        bar->update(-30.0, 100, 50);
        bar->set_x(420);
        bar->set_y(397);
        window->addChild(bar);
        stage->addEventListener("enterFrame", runtime::Function::of([&](runtime::Value) {
            if (++frames >= 3) framework::Lib::close();
        }));
    });
    framework::Lib::create(onLoaded, 960, 540, 60, BACKDROP, 0, "kit details scene");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    ASSERT_TRUE(details->item);
    EXPECT_TRUE(details->item->equals(items[1]));

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    };
    // The scroller's black strip, left of its first entry, and the bar's fill and its flash.
    EXPECT_EQ(at(160 + 20 + 5, 20 + 250 + 100), 0x000000u);
    EXPECT_EQ(at(160 + 420 + 20, 20 + 397 + 7), 0xC03030u);
    const uint32_t flash = at(160 + 420 + 110, 20 + 397 + 7);
    EXPECT_GT(flash & 0xFF, 0x30u) << "the flash whitens the emptied part";
    stbi_image_free(pixels);
}
