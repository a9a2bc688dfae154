#pragma once
// Shows the game as large as the window allows with the logical size's aspect ratio, centred.
#include "engine/system/scaleModes/BaseScaleMode.h"

namespace engine {

class RatioScaleMode : public BaseScaleMode {
public:
    void updateGameSize(int width, int height) override;
};

}  // namespace engine
