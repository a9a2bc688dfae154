#include "SoundLoader.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "OggSource.h"
#include "WavDecoder.h"

namespace media {

namespace {
bool looksLikeOgg(const std::vector<uint8_t>& b) { return b.size() >= 4 && std::memcmp(b.data(), "OggS", 4) == 0; }

void takeTags(SoundHandle& s, OggSource& src) {
    for (auto& [key, value] : src.comments()) {
        const char* field = SoundLoader::tagField(key);
        if (!field) continue;
        bool seen = false;
        for (auto& t : s.tags) seen = seen || t.first == field;
        if (!seen) s.tags.emplace_back(field, value);
    }
}

runtime::Ref<SoundHandle> fromOgg(std::unique_ptr<OggSource> src, bool stream) {
    if (!src) return nullptr;
    auto s = runtime::make<SoundHandle>();
    takeTags(*s, *src);
    s->rate = src->rate();
    if (stream) {
        s->frames = std::max<int64_t>(src->frames(), 0);
        return s;
    }
    auto pcm = PcmData::readAll(*src);
    s->frames = pcm->frames();
    s->pcm = std::move(pcm);
    return s;
}
}  // namespace

const char* SoundLoader::tagField(const std::string& key) {
    static const std::pair<const char*, const char*> MAP[] = {
        {"ALBUM", "album"},     {"ARTIST", "artist"}, {"COMMENT", "comment"},    {"DESCRIPTION", "comment"},
        {"GENRE", "genre"},     {"TITLE", "songName"}, {"TRACKNUMBER", "track"}, {"DATE", "year"},
        {"YEAR", "year"},
    };
    for (auto& [k, f] : MAP)
        if (key == k) return f;
    return nullptr;
}

runtime::Ref<SoundHandle> SoundLoader::fromFile(const std::string& path, bool music) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    if (music) {
        char magic[4] = {};
        in.read(magic, 4);
        if (in.gcount() == 4 && std::memcmp(magic, "OggS", 4) == 0) {
            auto s = fromOgg(OggSource::open(path), true);
            if (s) {
                s->streamPath = path;
                in.seekg(0, std::ios::end);
                s->bytesTotal = static_cast<int64_t>(in.tellg());
            }
            return s;
        }
        in.seekg(0);
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return nullptr;
    return fromBytes(std::move(bytes), false);
}

runtime::Ref<SoundHandle> SoundLoader::fromBytes(std::vector<uint8_t> bytes, bool music) {
    int64_t total = static_cast<int64_t>(bytes.size());
    runtime::Ref<SoundHandle> s;
    if (looksLikeOgg(bytes)) {
        auto shared = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
        s = fromOgg(OggSource::open(shared), music);
        if (s && music) s->streamBytes = std::move(shared);
    } else if (auto pcm = WavDecoder::decode(bytes.data(), bytes.size())) {
        s = runtime::make<SoundHandle>();
        s->rate = pcm->rate;
        s->frames = pcm->frames();
        s->pcm = std::move(pcm);
    }
    if (s) s->bytesTotal = total;
    return s;
}

}  // namespace media
