#pragma once
// A sprite with the frame-timeline interface; there are no timelines, so every frame
// operation does nothing. Accepts fields that no class declares.
#include "FrameLabel.h"
#include "Sprite.h"

namespace framework {

class MovieClip : public Sprite {
    RUNTIME_CLASS(MovieClip)
public:
    MovieClip() : MovieClip("MovieClip") {}
    explicit MovieClip(runtime::NoInit n) : Sprite(n) {}

    virtual void gotoAndPlay(const runtime::Value& frame, const runtime::String& scene = nullptr) {}
    virtual void gotoAndStop(const runtime::Value& frame, const runtime::String& scene = nullptr) {}
    virtual void nextFrame() {}
    virtual void play() {}
    virtual void prevFrame() {}
    virtual void stop() {}
    virtual int get_currentFrame() { return currentFrame_; }
    virtual runtime::String get_currentFrameLabel() { return currentFrameLabel_; }
    virtual runtime::String get_currentLabel() { return currentLabel_; }
    virtual runtime::Ref<runtime::Array> get_currentLabels() { return currentLabels_; }
    virtual int get_framesLoaded() { return totalFrames_; }
    virtual int get_totalFrames() { return totalFrames_; }
    runtime::String getType_() override { return "MovieClip"; }

    bool enabled = true;
    int currentFrame_ = 0;
    runtime::String currentFrameLabel_;
    runtime::String currentLabel_;
    runtime::Ref<runtime::Array> currentLabels_;
    int totalFrames_ = 0;

protected:
    explicit MovieClip(const runtime::String& typeName);
};

}  // namespace framework
