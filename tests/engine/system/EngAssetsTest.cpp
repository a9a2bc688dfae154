// The engine logo's drawing calls and the sound id convention.
#include "../EngineFixture.h"
#include "engine/system/EngAssets.h"
#include "engine/system/FontDefault.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/DynamicObject.h"
#include "framework/display/Sprite.h"
#include "framework/media/Sound.h"

TEST_F(EngineFixture, EngineLogoIsFivePolygons) {
    auto sprite = runtime::make<framework::Sprite>();
    auto& fake = media::FakeMediaModule::get();
    engine::EngAssets::drawLogo(sprite->get_graphics());
    EXPECT_EQ(fake.count("media_native_gfx_begin_fill"), 5);
    EXPECT_EQ(fake.count("media_native_gfx_end_fill"), 5);
    EXPECT_EQ(fake.count("media_native_gfx_move_to"), 5);
    EXPECT_EQ(fake.count("media_native_gfx_line_to"), 28);
    EXPECT_EQ(fake.callsTo("media_native_gfx_begin_fill").front().args[1].toInt(), 0x00B922);
    // An unknown id asks for the id with ".ogg" and gives null.
    EXPECT_EQ(engine::EngAssets::getSound("assets/audio/oggs/door"), nullptr);
}

TEST_F(EngineFixture, InitRegistersTheEmbeddedDefaultFontEachTime) {
    auto& fake = media::FakeMediaModule::get();
    // The back end reads the font's own name from its data.
    auto info = runtime::make<runtime::DynamicObject>();
    info->setField("family_name", runtime::Value("DejaVu Sans Mono"));
    fake.returns("freetype_import_font", runtime::Value(info));
    std::size_t before = framework::Font::registeredFonts_.size();
    engine::EngAssets::init();
    engine::EngAssets::init();
    ASSERT_EQ(framework::Font::registeredFonts_.size(), before + 2);
    EXPECT_NE(dynamic_cast<engine::FontDefault*>(framework::Font::registeredFonts_.back().get()), nullptr);
    auto calls = fake.callsTo("media_native_font_register_font");
    ASSERT_EQ(calls.size(), 2u);
    // The font file itself, embedded under the engine's resource name.
    auto* bytes = calls[0].args[1].as<runtime::Bytes>();
    ASSERT_NE(bytes, nullptr);
    EXPECT_GT(bytes->length(), 10000);
    EXPECT_EQ(bytes->getString(0, 4), std::string("\0\1\0\0", 4));
}
