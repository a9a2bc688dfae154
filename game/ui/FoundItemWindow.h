#pragma once
// The pop-up that shows an item the hero has just obtained on the map, just above the hotkey bar:
// its icon, name and attack, defence and magic (or, for a crafting material, its properties).
// A click on it opens the menu with the item selected; it then fades away and leaves the screen.
#include <vector>

#include "game/kit/BasicWindow.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/TextSprite.h"
#include "game/town/CraftingProperty.h"

namespace game {

class MapState;

class FoundItemWindow : public BasicWindow {
    RUNTIME_CLASS(FoundItemWindow)
public:
    static constexpr int WIDTH = 320;
    static constexpr int HEIGHT = 70;
    static constexpr double FADE_IN_SECONDS = 0.2;
    static constexpr double FADE_OUT_SECONDS = 1;

    // mapState owns the window and keeps its showing flag.
    explicit FoundItemWindow(MapState* mapState);
    explicit FoundItemWindow(runtime::NoInit n) : BasicWindow(n) {}

    virtual void setItem(const runtime::Ref<Item>& item);
    virtual void windowClick(const runtime::Ref<framework::Event>& event);
    virtual void fadeOut();
    virtual void remove();

    runtime::Ref<Item> item;
    runtime::Weak<MapState> mapState;
    runtime::Ref<ItemIcon> icon;
    runtime::Ref<framework::Bitmap> attackIcon, defenseIcon, magicIcon;
    runtime::Ref<TextSprite> nameText;
    runtime::Ref<TextSprite> attackText, defenseText, magicText;
    std::vector<runtime::Ref<CraftingProperty>> craftProps;
};

}  // namespace game
