#include "Element.h"

namespace game {

runtime::Ref<framework::Rectangle> Element::iconRect(int type) {
    switch (type) {
        case TYPE_FIRE: return ICON_RECT_FIRE;
        case TYPE_ICE: return ICON_RECT_ICE;
        case TYPE_EARTH: return ICON_RECT_EARTH;
        case TYPE_WIND: return ICON_RECT_WIND;
        case TYPE_DARK: return ICON_RECT_DARK;
        case TYPE_LIGHT: return ICON_RECT_LIGHT;
        default: return nullptr;
    }
}

}  // namespace game
