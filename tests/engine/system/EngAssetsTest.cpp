// The engine logo's drawing calls and the sound id convention.
#include "../EngineFixture.h"
#include "engine/system/EngAssets.h"
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
