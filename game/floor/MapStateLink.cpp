#include "MapStateLink.h"

#include "game/shell/Audio.h"
#include "game/shell/G.h"

namespace game {

MapStateLink* MapStateLink::current() { return dynamic_cast<MapStateLink*>(G::mapState.get()); }

void MapStateLink::sound(const runtime::String& name, double volume) {
    if (auto* link = current()) link->playSound(name, volume);
    else Audio::playSound(name, volume);
}

void MapStateLink::playSound(const runtime::String& name, double volume) { Audio::playSound(name, volume); }

}  // namespace game
