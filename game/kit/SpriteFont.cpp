#include "SpriteFont.h"

#include "TextSprite.h"

namespace game {

using framework::BitmapData;
using runtime::Ref;

SpriteFont::SpriteFont(const Ref<BitmapData>& bmd, std::vector<int> mapping, int height, int spaceWidth, int kerning,
                       uint32_t recolor)
    : bmd(bmd), mapping(std::move(mapping)), height(height), spaceWidth(spaceWidth), kerning(kerning), id(LAST_ID++) {
    if (recolor != 0) repaint(recolor);
}

void SpriteFont::repaint(uint32_t color) {
    if (!bmd) return;
    bmd = bmd->clone();
    Ref<framework::Rectangle> all = bmd->get_rect();
    Ref<runtime::Bytes> pixels = bmd->getPixels(all);
    if (!pixels) return;
    std::vector<uint8_t> argb = pixels->data();
    for (std::size_t i = 0; i + 3 < argb.size(); i += 4) {
        if (argb[i] == 0 || argb[i + 1] == 0) continue;
        argb[i] = static_cast<uint8_t>(color >> 24);
        argb[i + 1] = static_cast<uint8_t>(color >> 16);
        argb[i + 2] = static_cast<uint8_t>(color >> 8);
        argb[i + 3] = static_cast<uint8_t>(color);
    }
    bmd->setPixels(all, runtime::make<runtime::Bytes>(std::move(argb)));
}

void SpriteFont::createFonts() {
    CHARACTERS.clear();
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,;:!?+-*/=#%&()<>'\""))
        CHARACTERS.emplace_back(std::string(1, c));
    MAP_MEDIEVAL_SANS_14 = {
        11, 19, 28, 37, 44, 51, 61, 68, 71, 79, 87, 94, 106, 114, 123, 131, 140, 148, 157, 166, 175, 184, 197, 206, 215,
        223,  //
        7, 15, 22, 30, 37, 44, 52, 60, 63, 67, 74, 77, 90, 98, 106, 114, 122, 129, 136, 143, 151, 159, 172, 179, 187,
        194,  //
        9, 13, 21, 29, 38, 46, 54, 62, 70, 79, 82, 86, 90, 93, 96, 104, 111, 119, 127, 135, 143, 153, 163, 172, 178, 184,
        192, 200, 203, 209};
    MAP_MEDIEVAL_SANS_14_OUTLINE = {
        12, 21, 31, 41, 49, 57, 68, 76, 80, 89, 98, 106, 119, 128, 138, 147, 157, 166, 176, 186, 196, 206, 220, 230, 240,
        249,  //
        8, 17, 25, 34, 42, 50, 59, 68, 72, 77, 85, 89, 103, 112, 121, 130, 139, 147, 155, 163, 172, 181, 195, 203, 212,
        220,  //
        10, 15, 24, 33, 43, 52, 61, 70, 79, 89, 93, 98, 103, 107, 111, 120, 128, 137, 146, 155, 164, 175, 186, 196, 203,
        210, 219, 228, 232, 239};
    MAP_MEDIEVAL_SANS_20 = {
        15, 26, 38, 51, 61, 71, 84, 94, 98, 109, 120, 129, 144, 156, 168, 179, 191, 202, 214, 226, 238, 250, 267, 279,
        291, 302,  //
        9, 20, 30, 41, 51, 60, 71, 82, 86, 92, 102, 106, 125, 136, 147, 158, 169, 179, 188, 198, 209, 220, 238, 248,
        259, 268,  //
        12, 18, 29, 41, 53, 64, 75, 86, 98, 110, 114, 119, 124, 128, 132, 143, 153, 163, 174, 184, 195, 208, 222, 234,
        242, 250, 260, 270, 274, 278};
    MAP_MEDIEVAL_SANS_20_OUTLINE = {
        16, 28, 41, 55, 66, 77, 91, 102, 107, 119, 131, 141, 157, 170, 183, 195, 208, 220, 233, 246, 259, 272, 290, 303,
        316, 328,  //
        10, 22, 33, 45, 56, 66, 78, 90, 95, 102, 113, 118, 138, 150, 162, 174, 186, 197, 207, 218, 230, 242, 261, 272,
        284, 294,  //
        13, 20, 32, 45, 58, 70, 82, 94, 107, 120, 125, 131, 137, 142, 147, 159, 170, 181, 193, 204, 216, 230, 245, 258,
        267, 276, 287, 298, 303, 312};
    TextSprite::createFonts();
}

int SpriteFont::glyphIndex(const std::string& text, std::size_t pos, std::size_t* length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t n = 1;
    if (lead >= 0x80) {
        // One character of several bytes: its continuation bytes go with it.
        while (pos + n < text.size() && (static_cast<unsigned char>(text[pos + n]) & 0xC0) == 0x80) ++n;
    }
    if (length) *length = n;
    if (n != 1) return -1;
    for (std::size_t i = 0; i < CHARACTERS.size(); ++i)
        if (CHARACTERS[i].str()[0] == static_cast<char>(lead)) return static_cast<int>(i);
    return -1;
}

int SpriteFont::glyphLeft(int index) const {
    return index == 0 || index == 26 || index == 52 ? 0 : mapping[static_cast<std::size_t>(index - 1)];
}

Ref<framework::Rectangle> SpriteFont::glyphCell(int index) const {
    const int row = index < 26 ? 0 : index < 52 ? 1 : 2;
    return runtime::make<framework::Rectangle>(glyphLeft(index), row * height, glyphWidth(index), height);
}

}  // namespace game

using game::SpriteFont;

RUNTIME_DEFINE_CLASS(SpriteFont, "SpriteFont", runtime::Object, (auto& b) {
    b.template field<&SpriteFont::bmd>("bmd")
        .template field<&SpriteFont::height>("height")
        .template field<&SpriteFont::spaceWidth>("spaceWidth")
        .template field<&SpriteFont::kerning>("kerning")
        .template field<&SpriteFont::id>("id")
        .template staticField<&SpriteFont::LAST_ID>("LAST_ID")
        .emptyInstance();
})
