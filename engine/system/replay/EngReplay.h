#pragma once
// Records the engine's keyboard and mouse step by step with a random seed, writes the recording as
// text (the seed line, then one line per step that had input) and plays such text back into the
// keyboard and the mouse. Its user calls recordFrame or playNextFrame once per engine step.
#include <string>
#include <string_view>
#include <vector>

#include "engine/system/replay/FrameRecord.h"

namespace engine {

class EngReplay : public runtime::Object {
    RUNTIME_CLASS(EngReplay)
public:
    EngReplay() = default;
    explicit EngReplay(runtime::NoInit) {}

    // Drops the records (destroying them); frameCount keeps its value.
    virtual void destroy();
    // An empty recording for the seed.
    virtual void create(int seed);
    // Ready to play from step 0; lines of 3 characters or fewer are skipped.
    virtual void load(std::string_view text);
    // Null for a recording without records.
    virtual runtime::String save() const;
    virtual void recordFrame();
    virtual void playNextFrame();
    virtual void rewind();
    virtual void init();

    int seed = 0;
    int frame = 0;
    int frameCount = 0;
    bool finished = false;
    std::vector<runtime::Ref<FrameRecord>> _frames;
    bool _hasFrames = false;
    int _capacity = 0;
    int _marker = 0;

private:
    void store(const runtime::Ref<FrameRecord>& record);
};

}  // namespace engine
