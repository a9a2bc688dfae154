#pragma once
// A named collection of frames in the order added, also by frame name. It does not own them.
#include <map>
#include <string>
#include <vector>

#include "engine/system/layer/frames/EngFrame.h"

namespace engine {

class EngSpriteFrames : public runtime::Object {
public:
    explicit EngSpriteFrames(runtime::String name) : name(std::move(name)) {}

    // A later frame of the same name replaces the earlier one in the map; both stay in the list.
    virtual void addFrame(const runtime::Ref<EngFrame>& frame) {
        frames.push_back(frame);
        framesHash[frame->name.str()] = frame;
    }
    virtual void destroy() {
        frames.clear();
        framesHash.clear();
        name = nullptr;
    }

    std::vector<runtime::Ref<EngFrame>> frames;
    std::map<std::string, runtime::Ref<EngFrame>> framesHash;
    runtime::String name;
};

}  // namespace engine
