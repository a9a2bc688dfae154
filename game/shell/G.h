#pragma once
// Run-time globals of the exploration: the frame counter, the exploration state and two flags.
#include "game/map/MapState.h"

namespace game {

class G {
public:
    // Exploration updates since start-up (counted once the start-up frames are over).
    static inline int frameCount = 0;
    // The one exploration state; it stores itself here when it is created.
    static inline runtime::Ref<MapState> mapState;
    // The map is paused: only the open windows update.
    static inline bool pauseGame = false;
    // The in-run menu and HUD buttons are disabled (scripted sequences).
    static inline bool disableMenu = false;
};

}  // namespace game
