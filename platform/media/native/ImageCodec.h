#pragma once
// PNG and JPEG decoding and encoding of surfaces.
#include <cstdint>
#include <string>
#include <vector>

#include "Surface.h"

namespace media {

class ImageCodec {
public:
    // A transparent surface decoded from image file bytes, or null when they are no image.
    static runtime::Ref<Surface> decode(const uint8_t* bytes, std::size_t size);
    static runtime::Ref<Surface> load(const std::string& path);
    // "png" or "jpg" (quality 0..1) file bytes of the surface; empty on failure.
    static std::vector<uint8_t> encode(const Surface& surface, const std::string& format, double quality);
};

}  // namespace media
