#include "OggSource.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace media {

std::unique_ptr<OggSource> OggSource::open(Bytes bytes) {
    if (!bytes) return nullptr;
    std::unique_ptr<OggSource> s(new OggSource());
    s->bytes_ = std::move(bytes);
    ov_callbacks cb{&OggSource::readMemory, &OggSource::seekMemory, nullptr, &OggSource::tellMemory};
    if (ov_open_callbacks(s.get(), &s->file_, nullptr, 0, cb) != 0) return nullptr;
    s->opened_ = true;
    return s->start() ? std::move(s) : nullptr;
}

std::unique_ptr<OggSource> OggSource::open(const std::string& path) {
    std::unique_ptr<OggSource> s(new OggSource());
    if (ov_fopen(path.c_str(), &s->file_) != 0) return nullptr;
    s->opened_ = true;
    return s->start() ? std::move(s) : nullptr;
}

OggSource::~OggSource() {
    if (opened_) ov_clear(&file_);
}

bool OggSource::start() {
    vorbis_info* info = ov_info(&file_, -1);
    if (!info || info->channels < 1 || info->rate < 1) return false;
    rate_ = static_cast<int>(info->rate);
    channels_ = info->channels;
    ogg_int64_t total = ov_pcm_total(&file_, -1);
    frames_ = total >= 0 ? static_cast<int64_t>(total) : -1;
    return true;
}

int OggSource::read(float* stereo, int maxFrames) {
    int done = 0;
    while (done < maxFrames) {
        float** pcm = nullptr;
        int section = 0;
        long n = ov_read_float(&file_, &pcm, maxFrames - done, &section);
        if (n == OV_HOLE) continue;  // a gap in the data: carry on after it
        if (n <= 0) break;
        // Links of a chained stream may differ in channel count.
        vorbis_info* info = ov_info(&file_, -1);
        int ch = info ? info->channels : channels_;
        for (long i = 0; i < n; ++i) {
            float l = pcm[0][i];
            float r = ch > 1 ? pcm[1][i] : l;
            stereo[2 * (done + i)] = std::clamp(l, -1.0f, 1.0f);
            stereo[2 * (done + i) + 1] = std::clamp(r, -1.0f, 1.0f);
        }
        done += static_cast<int>(n);
    }
    return done;
}

bool OggSource::seek(int64_t frame) {
    if (frames_ >= 0) frame = std::min(frame, frames_);
    return ov_pcm_seek(&file_, std::max<int64_t>(frame, 0)) == 0;
}

std::vector<std::pair<std::string, std::string>> OggSource::comments() {
    std::vector<std::pair<std::string, std::string>> out;
    vorbis_comment* vc = ov_comment(&file_, -1);
    if (!vc) return out;
    for (int i = 0; i < vc->comments; ++i) {
        std::string entry(vc->user_comments[i], static_cast<std::size_t>(vc->comment_lengths[i]));
        auto eq = entry.find('=');
        if (eq == std::string::npos) continue;
        std::string key = entry.substr(0, eq);
        for (auto& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        out.emplace_back(std::move(key), entry.substr(eq + 1));
    }
    return out;
}

size_t OggSource::readMemory(void* dst, size_t size, size_t count, void* self) {
    auto* s = static_cast<OggSource*>(self);
    const auto& b = *s->bytes_;
    if (size == 0) return 0;
    std::size_t items = std::min(count, (b.size() - s->cursor_) / size);
    std::memcpy(dst, b.data() + s->cursor_, items * size);
    s->cursor_ += items * size;
    return items;
}

int OggSource::seekMemory(void* self, ogg_int64_t offset, int whence) {
    auto* s = static_cast<OggSource*>(self);
    int64_t size = static_cast<int64_t>(s->bytes_->size());
    int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<int64_t>(s->cursor_) : size;
    int64_t to = base + offset;
    if (to < 0 || to > size) return -1;
    s->cursor_ = static_cast<std::size_t>(to);
    return 0;
}

long OggSource::tellMemory(void* self) { return static_cast<long>(static_cast<OggSource*>(self)->cursor_); }

}  // namespace media
