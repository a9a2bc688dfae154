#pragma once
// The native sound: decoded once and shared by its channels, or (music in OGG) decoded by each
// channel as it plays, from the loaded bytes or from the file.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PcmData.h"
#include "SampleSource.h"
#include "platform/runtime/Object.h"

namespace media {

class SoundHandle : public runtime::Object {
public:
    std::shared_ptr<const PcmData> pcm;
    std::shared_ptr<const std::vector<uint8_t>> streamBytes;
    std::string streamPath;

    int rate = 44100;
    int64_t frames = 0;
    int64_t bytesTotal = 0;
    // Tag texts by the name of the ID3 record's field ("album", "artist", ...).
    std::vector<std::pair<std::string, std::string>> tags;

    // A new source positioned at its start; null once closed or when the data went missing.
    std::unique_ptr<SampleSource> openSource() const;
    double lengthMs() const { return rate > 0 ? static_cast<double>(frames) * 1000.0 / rate : 0; }
    // Lets go of the data; channels already playing keep theirs.
    void close();
    bool closed() const { return !pcm && !streamBytes && streamPath.empty(); }

    std::string toString() const override { return "[native sound]"; }
};

}  // namespace media
