#pragma once
// The "OK" window: a framed panel stacking texts, pictures and item icons in a centred column,
// closed through the UI root by its "OK" button; and the fourteen hint and story windows built at
// start-up. A hint's id indexes GameData::messageWins (saved): the values are kept as they are.
#include <vector>

#include "BasicWindow.h"

namespace game {

class MessageWindow : public BasicWindow {
    RUNTIME_CLASS(MessageWindow)
public:
    using Contents = std::vector<runtime::Ref<framework::DisplayObject>>;

    static constexpr int NUM_WINS = 50;
    static constexpr int ID_INTRO = 0;
    static constexpr int ID_WINGS = 1;
    static constexpr int ID_LOW_HEALTH = 2;
    static constexpr int ID_NEW_SHOP = 3;
    static constexpr int ID_LOTSA_ITEMS = 5;
    static constexpr int ID_BATTLE_SPEED = 6;
    static constexpr int ID_CRAFTING = 7;
    static constexpr int ID_BEAT_THE_SORCEROR = 8;
    static constexpr int ID_MUSEUM = 9;
    static constexpr int ID_ENEMY_DETAILS = 10;
    static constexpr int ID_RUN_AWAY = 11;

    static inline runtime::Ref<MessageWindow> WIN_INTRO;
    static inline runtime::Ref<MessageWindow> WIN_WINGS;
    static inline runtime::Ref<MessageWindow> WIN_LOW_HEALTH;
    static inline runtime::Ref<MessageWindow> WIN_NEW_SHOP;
    static inline runtime::Ref<MessageWindow> WIN_LOTSA_ITEMS;
    static inline runtime::Ref<MessageWindow> WIN_BATTLE_SPEED;
    static inline runtime::Ref<MessageWindow> WIN_CRAFTING;
    static inline runtime::Ref<MessageWindow> WIN_BEAT_THE_SORCEROR;
    static inline runtime::Ref<MessageWindow> WIN_BEAT_THE_DEMON;
    static inline runtime::Ref<MessageWindow> WIN_MUSEUM;
    static inline runtime::Ref<MessageWindow> WIN_ENEMY_DETAILS;
    static inline runtime::Ref<MessageWindow> WIN_RUN_AWAY;
    static inline runtime::Ref<MessageWindow> WIN_NEW_GAME_PLUS;
    static inline runtime::Ref<MessageWindow> WIN_NEW_GAME_PLUS_FINISH_RUN_FIRST;

    // contents: TextSprites, ItemIcons and BitmapSprites holding bitmap data, top to bottom.
    explicit MessageWindow(const Contents& contents);
    explicit MessageWindow(runtime::NoInit n) : BasicWindow(n) {}

    static void createStaticWindows();
    // The "OK" button's handler: the UI root closes the message window.
    virtual void closeClick(const runtime::Ref<framework::Event>& event);

private:
    struct Size {
        int width, height;
    };
    static Size measure(const Contents& contents);
    MessageWindow(const Contents& contents, Size size);
};

}  // namespace game
