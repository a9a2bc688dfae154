#pragma once
// A page of the dungeon builder's diary, found at the desk of a secret room: a date line, the
// page text wrapped to the window and "Close". One page per five floors; the twenty dates and
// pages are filled once at start-up by initialize().
#include <array>

#include "game/kit/BasicWindow.h"
#include "game/kit/TextSprite.h"

namespace game {

class DiaryEntry : public BasicWindow {
    RUNTIME_CLASS(DiaryEntry)
public:
    static constexpr int WIDTH = 300;
    static constexpr int PAGE_COUNT = 20;
    static constexpr int FLOORS_PER_PAGE = 5;
    static inline std::array<runtime::String, PAGE_COUNT> DATES;
    static inline std::array<runtime::String, PAGE_COUNT> ENTRIES;

    static void initialize();
    // The page shown on a floor; floors beyond the last page show the last one.
    static int pageFor(int floor);

    // The page for GameData::currentFloor, centred on the game area.
    DiaryEntry();
    explicit DiaryEntry(runtime::NoInit n) : BasicWindow(n) {}

    virtual void closeClick(const runtime::Ref<framework::Event>& event = nullptr);

private:
    struct Texts {
        runtime::Ref<TextSprite> date;
        runtime::Ref<TextSprite> page;
    };
    static Texts makeTexts();
    explicit DiaryEntry(const Texts& texts);
};

}  // namespace game
