#include "WavDecoder.h"

#include <algorithm>
#include <cstring>

namespace media {

namespace {
uint32_t u32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr int FORMAT_PCM = 1;
constexpr int FORMAT_FLOAT = 3;
constexpr int FORMAT_EXTENSIBLE = 0xFFFE;

float sampleAt(const uint8_t* p, int format, int bits) {
    if (format == FORMAT_FLOAT) {
        if (bits == 32) {
            uint32_t b = u32(p);
            float f;
            std::memcpy(&f, &b, 4);
            return f == f ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
        }
        uint64_t b = uint64_t(u32(p)) | uint64_t(u32(p + 4)) << 32;
        double d;
        std::memcpy(&d, &b, 8);
        return d == d ? static_cast<float>(std::clamp(d, -1.0, 1.0)) : 0.0f;
    }
    switch (bits) {
        case 8: return (static_cast<int>(p[0]) - 128) / 128.0f;
        case 16: return static_cast<int16_t>(u16(p)) / 32768.0f;
        case 24: {
            int32_t v = static_cast<int32_t>(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8;
            return v / 8388608.0f;
        }
        default: return static_cast<int32_t>(u32(p)) / 2147483648.0f;
    }
}
}  // namespace

bool WavDecoder::looksLikeWav(const uint8_t* data, std::size_t size) {
    return size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

std::shared_ptr<PcmData> WavDecoder::decode(const uint8_t* data, std::size_t size) {
    if (!looksLikeWav(data, size)) return nullptr;
    int format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    const uint8_t* samples = nullptr;
    std::size_t sampleBytes = 0;
    std::size_t at = 12;
    while (at + 8 <= size) {
        const uint8_t* chunk = data + at;
        std::size_t len = u32(chunk + 4);
        std::size_t avail = std::min(len, size - at - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && avail >= 16) {
            format = u16(chunk + 8);
            channels = u16(chunk + 10);
            rate = u32(chunk + 12);
            bits = u16(chunk + 22);
            if (format == FORMAT_EXTENSIBLE && avail >= 26) format = u16(chunk + 32);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            samples = chunk + 8;
            sampleBytes = avail;  // a length past the end of the data is cut to what is there
        }
        at += 8 + len + (len & 1);
        if (len > size) break;
    }
    bool known = (format == FORMAT_PCM && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                 (format == FORMAT_FLOAT && (bits == 32 || bits == 64));
    if (!known || channels < 1 || rate < 1 || rate > 1000000 || !samples) return nullptr;

    std::size_t bytesPerSample = static_cast<std::size_t>(bits / 8);
    std::size_t frameBytes = bytesPerSample * static_cast<std::size_t>(channels);
    std::size_t frames = sampleBytes / frameBytes;
    auto pcm = std::make_shared<PcmData>();
    pcm->rate = static_cast<int>(rate);
    pcm->samples.resize(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const uint8_t* f = samples + i * frameBytes;
        float l = sampleAt(f, format, bits);
        float r = channels > 1 ? sampleAt(f + bytesPerSample, format, bits) : l;
        pcm->samples[2 * i] = l;
        pcm->samples[2 * i + 1] = r;
    }
    return pcm;
}

}  // namespace media
