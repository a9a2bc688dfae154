#pragma once
// Decides how the engine game fills the window: shown at exactly the window's size.
#include "engine/util/EngPoint.h"

namespace engine {

class BaseScaleMode : public runtime::Object {
public:
    BaseScaleMode();

    // The camera scale the last measurement divided by.
    static const runtime::Ref<EngPoint>& zoom();

    virtual void onMeasure(int width, int height);
    virtual void updateGameSize(int width, int height);
    virtual void updateDeviceSize(int width, int height);
    virtual void updateScaleOffset();
    virtual void updateGameScale();
    virtual void updateGamePosition();

    runtime::Ref<EngPoint> deviceSize;
    runtime::Ref<EngPoint> gameSize;
    runtime::Ref<EngPoint> scale;
    runtime::Ref<EngPoint> offset;
};

}  // namespace engine
