#include "EngReplay.h"

#include "engine/EngG.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/frontEnds/InputFrontEnd.h"
#include "platform/runtime/Numbers.h"

namespace engine {

void EngReplay::init() {
    _capacity = 100;
    _frames.clear();
    _hasFrames = true;
    frameCount = 0;
}

void EngReplay::create(int s) {
    destroy();
    init();
    seed = s;
    rewind();
}

void EngReplay::destroy() {
    if (!_hasFrames) return;
    for (auto it = _frames.rbegin(); it != _frames.rend(); ++it)
        if (*it) (*it)->destroy();
    _frames.clear();
    _hasFrames = false;
}

void EngReplay::store(const runtime::Ref<FrameRecord>& record) {
    if (!_hasFrames) init();
    _frames.push_back(record);
    ++frameCount;
    if (frameCount >= _capacity) _capacity *= 2;
}

void EngReplay::recordFrame() {
    runtime::Ref<runtime::Array> keys = EngG::keys ? EngG::keys->record() : nullptr;
    runtime::Ref<MouseRecord> mouse = EngG::mouse ? EngG::mouse->record() : nullptr;
    if (!keys && !mouse) {
        ++frame;
        return;
    }
    auto record = runtime::make<FrameRecord>();
    record->create(frame++);
    record->mouse = mouse;
    record->keys = keys;
    store(record);
}

void EngReplay::playNextFrame() {
    if (EngG::inputs) EngG::inputs->reset();
    if (_marker >= frameCount || _marker >= static_cast<int>(_frames.size())) {
        finished = true;
        return;
    }
    int n = frame++;
    const runtime::Ref<FrameRecord>& record = _frames[_marker];
    if (record->frame != n) return;
    ++_marker;
    if (record->keys && EngG::keys) EngG::keys->playback(record->keys);
    if (record->mouse && EngG::mouse) EngG::mouse->playback(record->mouse);
}

void EngReplay::rewind() {
    _marker = 0;
    frame = 0;
    finished = false;
}

runtime::String EngReplay::save() const {
    if (frameCount <= 0) return nullptr;
    std::string out = std::to_string(seed) + "\n";
    for (const auto& record : _frames) out += record->save() + "\n";
    return runtime::String(out);
}

void EngReplay::load(std::string_view text) {
    init();
    std::size_t end = text.find('\n');
    seed = runtime::Numbers::parseInt(text.substr(0, end)).value_or(0);
    while (end != std::string_view::npos) {
        std::size_t start = end + 1;
        end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (line.size() <= 3) continue;
        auto record = runtime::make<FrameRecord>();
        record->load(line);
        store(record);
    }
    rewind();
}

}  // namespace engine

using engine::EngReplay;

RUNTIME_DEFINE_CLASS(EngReplay, "engine.system.replay.EngReplay", runtime::Object, (auto& b) {
    b.template field<&EngReplay::seed>("seed")
        .template field<&EngReplay::frame>("frame")
        .template field<&EngReplay::frameCount>("frameCount")
        .template field<&EngReplay::finished>("finished")
        .template method<&EngReplay::recordFrame>("recordFrame")
        .template method<&EngReplay::playNextFrame>("playNextFrame")
        .template method<&EngReplay::rewind>("rewind")
        .emptyInstance();
})
