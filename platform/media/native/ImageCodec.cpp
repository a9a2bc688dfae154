#include "ImageCodec.h"

#include <algorithm>
#include <climits>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace media {

namespace {
runtime::Ref<Surface> fromRgba(unsigned char* rgba, int w, int h) {
    if (!rgba) return nullptr;
    auto s = runtime::make<Surface>(w, h, true, 0);
    uint32_t* p = s->pixels();
    for (std::size_t i = 0, n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h); i < n; ++i) {
        const unsigned char* c = rgba + i * 4;
        p[i] = (static_cast<uint32_t>(c[3]) << 24) | (static_cast<uint32_t>(c[0]) << 16) |
               (static_cast<uint32_t>(c[1]) << 8) | c[2];
    }
    s->touch();
    stbi_image_free(rgba);
    return s;
}

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    auto* b = static_cast<uint8_t*>(data);
    out->insert(out->end(), b, b + size);
}
}  // namespace

runtime::Ref<Surface> ImageCodec::decode(const uint8_t* bytes, std::size_t size) {
    if (!bytes || size == 0 || size > static_cast<std::size_t>(INT_MAX)) return nullptr;
    int w = 0, h = 0, n = 0;
    unsigned char* rgba = stbi_load_from_memory(bytes, static_cast<int>(size), &w, &h, &n, 4);
    return fromRgba(rgba, w, h);
}

runtime::Ref<Surface> ImageCodec::load(const std::string& path) {
    int w = 0, h = 0, n = 0;
    unsigned char* rgba = stbi_load(path.c_str(), &w, &h, &n, 4);
    return fromRgba(rgba, w, h);
}

std::vector<uint8_t> ImageCodec::encode(const Surface& surface, const std::string& format, double quality) {
    std::vector<uint8_t> out;
    int w = surface.width(), h = surface.height();
    if (w <= 0 || h <= 0) return out;
    bool jpeg = format == "jpg" || format == "jpeg";
    int comps = jpeg ? 3 : 4;
    std::vector<unsigned char> px(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * comps);
    const uint32_t* p = surface.pixels();
    for (std::size_t i = 0, n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h); i < n; ++i) {
        unsigned char* c = px.data() + i * comps;
        c[0] = static_cast<unsigned char>(p[i] >> 16);
        c[1] = static_cast<unsigned char>(p[i] >> 8);
        c[2] = static_cast<unsigned char>(p[i]);
        if (!jpeg) c[3] = static_cast<unsigned char>(p[i] >> 24);
    }
    bool ok;
    if (jpeg) {
        int q = std::clamp(static_cast<int>(quality * 100 + 0.5), 1, 100);
        if (!(quality == quality)) q = 90;
        ok = stbi_write_jpg_to_func(append, &out, w, h, 3, px.data(), q) != 0;
    } else {
        ok = stbi_write_png_to_func(append, &out, w, h, 4, px.data(), w * 4) != 0;
    }
    if (!ok) out.clear();
    return out;
}

}  // namespace media
