#include "PngWriter.h"

#include <cstdio>

// The writer's functions stay private to this file, so no program gets two copies.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace tools {

std::vector<uint8_t> PngWriter::encode(int width, int height, const std::vector<uint32_t>& argb) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (width <= 0 || height <= 0 || argb.size() < count) return {};
    std::vector<uint8_t> rgba(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        uint32_t p = argb[i];
        rgba[i * 4 + 0] = static_cast<uint8_t>(p >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(p >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(p);
        rgba[i * 4 + 3] = static_cast<uint8_t>(p >> 24);
    }
    std::vector<uint8_t> png;
    auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<uint8_t>*>(context);
        const auto* bytes = static_cast<const uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
    };
    if (!stbi_write_png_to_func(append, &png, width, height, 4, rgba.data(), width * 4)) return {};
    return png;
}

bool PngWriter::write(const std::string& path, int width, int height, const std::vector<uint32_t>& argb) {
    std::vector<uint8_t> png = encode(width, height, argb);
    if (png.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace tools
