#pragma once
// Makes native sounds from files and bytes (OGG Vorbis or WAVE, told apart by their content).
// Music in OGG is kept encoded and streamed; everything else is decoded once.
#include <cstdint>
#include <string>
#include <vector>

#include "SoundHandle.h"

namespace media {

class SoundLoader {
public:
    // Null when the file cannot be read or decoded.
    static runtime::Ref<SoundHandle> fromFile(const std::string& path, bool music);
    // Null when the bytes cannot be decoded.
    static runtime::Ref<SoundHandle> fromBytes(std::vector<uint8_t> bytes, bool music);
    // The record field that a Vorbis comment key fills, or null.
    static const char* tagField(const std::string& upperKey);
};

}  // namespace media
