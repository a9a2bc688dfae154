#pragma once
// Decodes OGG Vorbis as it is read, from bytes in memory or from a file. Music streams through
// one of these per channel; effects are decoded whole once (PcmData::readAll).
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SampleSource.h"

namespace media {

class OggSource : public SampleSource {
public:
    using Bytes = std::shared_ptr<const std::vector<uint8_t>>;

    // Null when the data is not OGG Vorbis.
    static std::unique_ptr<OggSource> open(Bytes bytes);
    static std::unique_ptr<OggSource> open(const std::string& path);
    ~OggSource() override;
    OggSource(const OggSource&) = delete;
    OggSource& operator=(const OggSource&) = delete;

    int rate() const override { return rate_; }
    int read(float* stereo, int maxFrames) override;
    bool seek(int64_t frame) override;
    int64_t frames() const override { return frames_; }

    // The stream's comments as (upper-case key, value) pairs, in order.
    std::vector<std::pair<std::string, std::string>> comments();

private:
    OggSource() = default;
    bool start();

    static size_t readMemory(void* dst, size_t size, size_t count, void* self);
    static int seekMemory(void* self, ogg_int64_t offset, int whence);
    static long tellMemory(void* self);

    OggVorbis_File file_{};
    bool opened_ = false;
    Bytes bytes_;
    std::size_t cursor_ = 0;
    int rate_ = 44100;
    int channels_ = 0;
    int64_t frames_ = -1;
};

}  // namespace media
