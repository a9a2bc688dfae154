#include "PngWriter.h"

#include <vector>

// The writer's implementation is compiled in ImageCodec.cpp.
#include <stb/stb_image_write.h>

namespace media {

bool PngWriter::write(const std::string& path, int width, int height, const uint32_t* argb) {
    if (width <= 0 || height <= 0 || !argb) return false;
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (std::size_t i = 0, n = rgba.size() / 4; i < n; ++i) {
        uint32_t p = argb[i];
        rgba[i * 4 + 0] = static_cast<unsigned char>(p >> 16);
        rgba[i * 4 + 1] = static_cast<unsigned char>(p >> 8);
        rgba[i * 4 + 2] = static_cast<unsigned char>(p);
        rgba[i * 4 + 3] = static_cast<unsigned char>(p >> 24);
    }
    return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
}

}  // namespace media
