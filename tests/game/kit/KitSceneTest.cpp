// A headless scene of the kit on a real stage, written to kit-scene.png in the build folder for
// looking at: every font in every colour, windows, buttons and tabs, and a grid of item icons.
// Each font's first glyph is checked in the written frame.
#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "KitFixture.h"
#include "game/data/Enchantment.h"
#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/BasicButton.h"
#include "game/kit/BasicWindow.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/ItemTab.h"
#include "game/kit/YesNoWindow.h"

using game::BasicButton;
using game::BasicWindow;
using game::ItemData;
using game::ItemIcon;
using game::SpriteFont;
using game::TextSprite;
using runtime::make;
using runtime::Ref;

namespace {

constexpr uint32_t BACKDROP = 0x2E4A62;

struct FontLine {
    const char* name;
    Ref<SpriteFont> font;
};

std::vector<FontLine> allFonts() {
    return {{"MEDIEVAL_SANS_14", TextSprite::MEDIEVAL_SANS_14},
            {"MEDIEVAL_SANS_14_OUTLINE", TextSprite::MEDIEVAL_SANS_14_OUTLINE},
            {"MEDIEVAL_SANS_14_OUTLINE_RED", TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED},
            {"MEDIEVAL_SANS_14_OUTLINE_GREEN", TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN},
            {"MEDIEVAL_SANS_14_OUTLINE_ORANGE", TextSprite::MEDIEVAL_SANS_14_OUTLINE_ORANGE},
            {"MEDIEVAL_SANS_14_OUTLINE_YELLOW", TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW},
            {"MEDIEVAL_SANS_14_OUTLINE_PURPLE", TextSprite::MEDIEVAL_SANS_14_OUTLINE_PURPLE},
            {"MEDIEVAL_SANS_14_OUTLINE_CYAN", TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN},
            {"MEDIEVAL_SANS_20", TextSprite::MEDIEVAL_SANS_20},
            {"MEDIEVAL_SANS_20_OUTLINE", TextSprite::MEDIEVAL_SANS_20_OUTLINE},
            {"MEDIEVAL_SANS_20_OUTLINE_ORANGE", TextSprite::MEDIEVAL_SANS_20_OUTLINE_ORANGE},
            {"MEDIEVAL_SANS_20_OUTLINE_YELLOW", TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW},
            {"MEDIEVAL_SANS_20_OUTLINE_PURPLE", TextSprite::MEDIEVAL_SANS_20_OUTLINE_PURPLE},
            {"MEDIEVAL_SANS_20_OUTLINE_RED", TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED},
            {"MEDIEVAL_SANS_20_OUTLINE_GREEN", TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN}};
}

// Where each font's line starts on the stage (its text's own origin; the flattened bitmap adds a
// one-pixel margin).
int lineY(std::size_t i) { return 8 + static_cast<int>(i) * 26; }
constexpr int LINE_X = 12;

struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    void add(int x, int y) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
    std::string text() const {
        return std::to_string(x0) + "," + std::to_string(y0) + " - " + std::to_string(x1) + "," + std::to_string(y1);
    }
};

Ref<game::Item> sceneItem(int type, int picID, const char* name, std::vector<const char*> enchantments = {},
                          bool artifact = false, int amount = 1) {
    auto data = runtime::make<ItemData>(type, -1, name);
    data->picID = picID;
    data->id = 600 + picID;
    data->value = 375;
    auto item = runtime::make<game::Item>(data, false);
    item->artifact = artifact;
    item->amount = amount;
    for (const char* e : enchantments) item->enchantments.push_back(runtime::make<game::Enchantment>(e, 2));
    return item;
}

// Icons: normal, artifact, spell, priced, selected, disabled; filter tabs beside them.
void addIcons(framework::Stage& stage) {
    game::GameData::uiColor = game::UIColor::DARK_PURPLE_GRAY;
    ItemIcon::createNameCaches();
    const Ref<ItemIcon> icons[] = {
        make<ItemIcon>(sceneItem(ItemData::TYPE_WEAPON, 3, "Iron Sword", {"att", "attFire"}), true),
        make<ItemIcon>(sceneItem(ItemData::TYPE_HELMET, 12, "Old Crown", {"def"}, true, 3), true),
        make<ItemIcon>(sceneItem(ItemData::TYPE_MAGIC, 1, "Fire", {"attFire"}), true),
        make<ItemIcon>(sceneItem(ItemData::TYPE_CONSUMABLE, 2, "Potion", {}, false, 5), true, true, ItemIcon::BUY_PRICE),
        make<ItemIcon>(sceneItem(ItemData::TYPE_ACCESSORY, 7, "Ruby Ring", {"hp", "mp"}, true), true, true,
                       ItemIcon::BUY_PRICE, true),
        make<ItemIcon>(sceneItem(ItemData::TYPE_BOOTS, 4, "Boots", {}), true),
    };
    icons[3]->select();
    icons[4]->select();
    icons[5]->disable();
    for (int i = 0; i < 6; ++i) {
        icons[i]->set_x(40 + i * 88);
        icons[i]->set_y(430);
        stage.addChild(icons[i]);
    }
    const int tabs[] = {game::ItemTab::ALL, ItemData::TYPE_WEAPON, ItemData::TYPE_MAGIC, game::ItemTab::ARTIFACTS};
    for (int i = 0; i < 4; ++i) {
        auto tab = make<game::ItemTab>(40, 34, tabs[i]);
        tab->set_x(560 + i * 42);
        tab->set_y(440);
        if (i == 1) tab->select();
        stage.addChild(tab);
    }
}

void buildScene(framework::Stage& stage) {
    auto fonts = allFonts();
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        auto text = make<TextSprite>(fonts[i].font, std::string("Glintvault 0123 ,;:!?+-*/=#%&()<>'\" ") +
                                                        (fonts[i].name + std::string("MEDIEVAL_SANS_").size()));
        text->set_x(LINE_X);
        text->set_y(lineY(i));
        stage.addChild(text);
    }
    // Windows: the default translucent one with a title, an opaque one and a selected one.
    auto win = make<BasicWindow>(200, 120);
    win->set_x(600);
    win->set_y(10);
    auto title = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, "A Window", true, 160, 2, true);
    title->set_x(20);
    title->set_y(16);
    win->addChild(title);
    stage.addChild(win);
    auto opaque = make<BasicWindow>(130, 120, true, 0, true, true);
    opaque->set_x(820);
    opaque->set_y(10);
    opaque->selectWindow();
    stage.addChild(opaque);
    // Buttons: the four families, normal; and a selected and a disabled one.
    struct Family {
        int corner, color;
        const char* caption;
    };
    const Family families[] = {{-1, BasicButton::COLOR_BLACK, "Black"},
                               {-1, BasicButton::COLOR_RED, "Red"},
                               {9, BasicButton::COLOR_BLACK, "Small"},
                               {9, BasicButton::COLOR_YELLOW, "Yellow"}};
    for (int i = 0; i < 4; ++i) {
        auto caption = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, families[i].caption, false, -1, 2, true);
        auto b = make<BasicButton>(76, 36, 0, families[i].corner, families[i].color, true, caption);
        b->set_x(600 + i * 84);
        b->set_y(150);
        stage.addChild(b);
    }
    auto chosen = make<BasicButton>(76, 36, 0, -1, 0, true,
                                    make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Selected", false, -1, 2, true));
    chosen->set_x(600);
    chosen->set_y(196);
    chosen->select();
    stage.addChild(chosen);
    auto off = make<BasicButton>(76, 36, 0, -1, BasicButton::COLOR_RED, true,
                                 make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Disabled", false, -1, 2, true));
    off->set_x(684);
    off->set_y(196);
    off->disable();
    stage.addChild(off);
    auto question = make<game::YesNoWindow>("Go down to the next floor?", runtime::Function::of([] {}),
                                            runtime::Function::of([] {}));
    question->set_x(620);
    question->set_y(250);
    stage.addChild(question);
    addIcons(stage);
    // A small window and a button enlarged four times, to see their skins' pixels.
    auto zoomed = make<BasicWindow>(30, 24);
    zoomed->set_scaleX(4);
    zoomed->set_scaleY(4);
    zoomed->set_x(830);
    zoomed->set_y(420);
    stage.addChild(zoomed);
    auto zoomedButton = make<BasicButton>(26, 26, 0, 12, BasicButton::COLOR_RED);
    zoomedButton->set_scaleX(4);
    zoomedButton->set_scaleY(4);
    zoomedButton->set_x(730);
    zoomedButton->set_y(420);
    stage.addChild(zoomedButton);
}

}  // namespace

using KitSceneTest = KitFixture;

TEST_F(KitSceneTest, TheSceneIsWrittenAndEveryFontsFirstGlyphLands) {
    const std::string png = GLV_KIT_SCENE_PNG;
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    int frames = 0;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = framework::Lib::get_stage();
        stage->set_color(BACKDROP);
        buildScene(*stage);
        stage->addEventListener("enterFrame", runtime::Function::of([&](runtime::Value) {
            if (++frames >= 3) framework::Lib::close();
        }));
    });
    framework::Lib::create(onLoaded, 960, 540, 60, BACKDROP, 0, "kit scene");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");

    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << png;
    ASSERT_EQ(w, 960);
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    };
    auto fonts = allFonts();
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const SpriteFont& f = *fonts[i].font;
        // The capital G: its inked pixels in the atlas, and what changed on the stage in its cell.
        auto cell = f.glyphCell(SpriteFont::glyphIndex("G", 0));
        Box inAtlas, onStage;
        uint32_t fill = 0;
        for (int y = 0; y < cell->height; ++y)
            for (int x = 0; x < cell->width; ++x) {
                auto argb = static_cast<uint32_t>(f.bmd->getPixel32(static_cast<int>(cell->x) + x, static_cast<int>(cell->y) + y));
                if (argb >> 24) inAtlas.add(x, y);
                if ((argb >> 24) == 0xFF && (argb & 0xFF0000)) fill = argb & 0xFFFFFF;
                if (at(LINE_X + 1 + x, lineY(i) + y) != BACKDROP) onStage.add(x, y);
            }
        EXPECT_EQ(onStage.text(), inAtlas.text()) << fonts[i].name;
        // An opaque fill pixel of the glyph shows in the font's colour.
        bool found = false;
        for (int y = 0; y < cell->height && !found; ++y)
            for (int x = 0; x < cell->width && !found; ++x)
                found = at(LINE_X + 1 + x, lineY(i) + y) == fill;
        EXPECT_TRUE(found) << fonts[i].name << " colour " << std::hex << fill;
    }
    stbi_image_free(pixels);
}
