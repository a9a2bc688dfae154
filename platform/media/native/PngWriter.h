#pragma once
// Writes ARGB pixels as a PNG file.
#include <cstdint>
#include <string>

namespace media {

class PngWriter {
public:
    static bool write(const std::string& path, int width, int height, const uint32_t* argb);
};

}  // namespace media
