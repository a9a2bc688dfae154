#include "FrameRecord.h"

#include <cmath>
#include <vector>

#include "engine/system/replay/CodeValuePair.h"
#include "platform/runtime/Numbers.h"

namespace engine {

namespace {

std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(sep, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

int readInt(std::string_view text) { return runtime::Numbers::parseInt(text).value_or(0); }

}  // namespace

FrameRecord* FrameRecord::create(double f, const runtime::Ref<runtime::Array>& k, const runtime::Ref<MouseRecord>& m) {
    frame = runtime::Numbers::floatToInt(std::floor(f));
    keys = k;
    mouse = m;
    return this;
}

void FrameRecord::destroy() {
    keys = nullptr;
    mouse = nullptr;
}

std::string FrameRecord::save() const {
    std::string out = std::to_string(frame) + "k";
    if (keys) {
        for (int i = 0; i < keys->length(); ++i) {
            auto* pair = dynamic_cast<CodeValuePair*>(keys->at(i).object());
            if (!pair) continue;
            if (i > 0) out += ",";
            out += std::to_string(pair->code) + ":" + std::to_string(pair->value);
        }
    }
    out += "m";
    if (mouse) {
        out += runtime::Numbers::toText(mouse->x) + "," + runtime::Numbers::toText(mouse->y) + "," +
               std::to_string(mouse->button) + "," + std::to_string(mouse->wheel);
    }
    return out;
}

FrameRecord* FrameRecord::load(std::string_view line) {
    std::vector<std::string_view> parts = split(line, 'k');
    frame = readInt(parts[0]);
    keys = nullptr;
    mouse = nullptr;
    if (parts.size() < 2) return this;
    std::vector<std::string_view> rest = split(parts[1], 'm');
    std::string_view keyPart = rest[0];
    std::string_view mousePart = rest.size() > 1 ? rest[1] : std::string_view();
    if (!keyPart.empty()) {
        for (std::string_view piece : split(keyPart, ',')) {
            std::vector<std::string_view> kv = split(piece, ':');
            if (kv.size() != 2) continue;
            if (!keys) keys = runtime::make<runtime::Array>();
            keys->push(runtime::Value(runtime::make<CodeValuePair>(readInt(kv[0]), readInt(kv[1]))));
        }
    }
    if (!mousePart.empty()) {
        std::vector<std::string_view> fields = split(mousePart, ',');
        if (fields.size() >= 4)
            mouse = runtime::make<MouseRecord>(readInt(fields[0]), readInt(fields[1]), readInt(fields[2]),
                                               readInt(fields[3]));
    }
    return this;
}

}  // namespace engine

using engine::FrameRecord;

RUNTIME_DEFINE_CLASS(FrameRecord, "engine.system.replay.FrameRecord", runtime::Object, (auto& b) {
    b.template field<&FrameRecord::frame>("frame")
        .template field<&FrameRecord::keys>("keys")
        .template field<&FrameRecord::mouse>("mouse")
        .emptyInstance();
})
