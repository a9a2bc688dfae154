#pragma once
// Encodes 8-bit RGBA pictures as PNG files.
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

class PngWriter {
public:
    // `argb` holds width * height pixels, row by row, as 0xAARRGGBB (not premultiplied).
    static std::vector<uint8_t> encode(int width, int height, const std::vector<uint32_t>& argb);
    static bool write(const std::string& path, int width, int height, const std::vector<uint32_t>& argb);
};

}  // namespace tools
