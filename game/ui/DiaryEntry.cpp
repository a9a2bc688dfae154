#include "DiaryEntry.h"

#include <algorithm>
#include <cmath>

#include "game/data/GameData.h"
#include "game/kit/BasicButton.h"
#include "game/shell/Game.h"

namespace game {

using runtime::make;
using runtime::Ref;

void DiaryEntry::initialize() {
    DATES = {"DAY 1",           "DAY 3",           "DAY 12",          "DAY 25",          "DAY 60",
             "DAY 75",          "DAY 104",         "DAY 160",         "DAY 285",         "YEAR 2, DAY ???",
             "YEAR 3",          "YEAR 5",          "YEAR 7",          "YEAR 20",         "YEAR 22",
             "YEAR 24, DAY 1",  "YEAR 24, DAY 7",  "YEAR 24, DAY 20", "YEAR 24, DAY 22", "YEAR 24. DAY 25"};
    ENTRIES = {
        "THE FOOLS at the academy laughed when I told them what souls could do. Let them laugh. I have found a cave far from their eyes, deep and dry, with more passages than I could map in a year. Here I will work in peace. Tomorrow I begin the experiments. None will stop me.",
        "After exploring the upper tunnels I trapped a few cave rats and tried the new binding ritual on them. Their souls are tiny, barely a flicker, but they can be held! A soul taken at the moment of death does not fade if a vessel is ready for it.",
        "Just as I expected! The soul of a wolf is many times stronger than that of a rat, and a man's would be stronger still. But men do not wander into caves on their own. They need a reason to come, and a reason to keep going deeper. I must give them one now.",
        "Was attacked by something in the lower tunnels today, a beast with far too many teeth. I burnt it, and its soul was the strongest yet. The deeper floors breed stronger creatures on their own. If I could fill the cave with gold, explorers would come in droves, fight their way down, and die where I want them. Their souls would all be mine to collect.",
        "Over a month of work and the enchantment is done. Every floor of the cave now shifts and rebuilds itself, and treasure grows where the walls were bare. Chests fill themselves. Gems rise from the stone. The greedy will come for it, I am sure of it. Each one who falls down here gives up a soul to the cave, and the cave gives it to me.",
        "This gold and silver was conjured from nothing, yet the first explorers could not tell the difference. Three came this week. Two died on the fourth floor, the third one ran home with a sack of coins. He'll tell everyone. Each death feeds the enchantment and the souls drift down to my workshop like snow.",
        "Everything is finally running on its own. The floors rebuild themselves after every visitor, the monsters breed, the treasures grow back. I no longer need to tend it day and night. I have time at last to think about what all these souls are for. Power, yes, but power for what? I have an idea, and it frightens even me. I will not write it down yet, not even here, in my diary.",
        "It's been a while since I wrote anything here. Explorers come here nearly every day now. Many of them give up after a few floors and go home, and that's a problem: the ones who leave take their souls with them. I need them to go deeper, to keep coming back. Perhaps if they could rest and buy supplies along the way, they would keep going...",
        "Finally I feel the plan is ready. A demon. Not one summoned from somewhere else and bound with chains that will one day break, but one made here, from nothing but gathered souls, loyal to me alone. By my reckoning it will take a thousand human souls. A thousand! It will take years. I have years. First I will build a crystal large enough to hold them all, deep down below.",
        "I've lost track of the days down here. The crystal is finished and it works: every soul that falls in the cave now flows into it and stays there glowing. I sit beside it at night and count them. Explorers keep coming, more each season. Some of them have started to camp outside the entrance, selling food and rope to the newcomers. Soon there will be more of them than explorers.",
        "Checkpoints! That is the answer. Every tenth floor of the cave will now be a safe floor, with no monsters, where a shop is, and explorers can rest, buy potions and sell what they found. They can even start from there next time. It costs me some of the gold I conjure, but explorers who can rest go much deeper, and the deeper they go the more of them never come back up.",
        "I've conjured merchants to run the shops on the checkpoint floors. They ask nothing, and never leave. The explorers trust them completely. Souls are coming in faster than ever. The crystal grows brighter every month. I spend days watching it.",
        "An entire town has grown outside the cave! Houses, an inn, a blacksmith, even a fool who buys and sells old junk. They think the cave is a blessing, a gift of treasures from the earth. They have no idea who made it, or why. The people there tell stories of the explorers who never returned and then send their own children in. The crystal holds 250 souls by now. Slower than I had hoped, but steady. I will wait.",
        "Found my old diary. I'd forgotten it. Reading it again, I'm surprised how little has changed. The town is bigger, the cave is deeper, and the crystal now holds 800 souls. Not long now.",
        "Things slowed down for a few years. Word spread that the cave was too dangerous. So I made the upper floors a little kinder and the treasure a little richer, and they came back, as greedy as before. People never change. That's the one thing I can always rely on.",
        "I don't know how much longer I can wait. The crystal holds 976 souls. I can hear them at night, whispering. The demon is already taking shape inside it, I can feel it. Only twenty-four more to go. The explorers who come now are strong and they go deep.",
        "980! Four souls this week alone. A group of explorers went down together and only one came back. The demon is growing.",
        "996... So close. The last few explorers have been stronger than the rest, and made it past my monsters. I have been watching one in particular. The creatures do not stop them. I may have to deal with the last souls myself, face to face.",
        "998. Two more to go.",
        "999 today. One soul remains, and I know whose it will be. The one who keeps coming back. I will visit you myself on floor 80, explorer. Your soul will complete my life's work at last!",
    };
}

int DiaryEntry::pageFor(int floor) { return std::clamp(floor / FLOORS_PER_PAGE, 0, PAGE_COUNT - 1); }

DiaryEntry::Texts DiaryEntry::makeTexts() {
    const int i = pageFor(GameData::currentFloor);
    auto date = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, DATES[i]);
    date->set_x(20);
    date->set_y(20);
    auto page = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, ENTRIES[i], true, WIDTH - 40);
    page->set_x(20);
    page->set_y(50);
    return {date, page};
}

DiaryEntry::DiaryEntry() : DiaryEntry(makeTexts()) {}

DiaryEntry::DiaryEntry(const Texts& texts) : BasicWindow(WIDTH, texts.page->textHeight + 110) {
    set_x(std::trunc((Game::gameWidth - winWidth) * 0.5));
    set_y(std::trunc((Game::gameHeight - winHeight) * 0.5));
    addChild(texts.date);
    addChild(texts.page);
    auto close = make<BasicButton>(
        100, 30, 0, -1, BasicButton::COLOR_BLACK, true,
        make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, "Close", false, -1, 2, true, 0, false, false, -5.0, 2,
                         true));
    close->set_x(static_cast<int>(winWidth * 0.5) - 50);
    close->set_y(winHeight - 45);
    close->addEventListener("click", runtime::Function::method<&DiaryEntry::closeClick>(this));
    addChild(close);
}

void DiaryEntry::closeClick(const Ref<framework::Event>&) { askUIRoot("closeDiaryEntry"); }

}  // namespace game

using game::DiaryEntry;

RUNTIME_DEFINE_CLASS(DiaryEntry, "DiaryEntry", game::BasicWindow, (auto& b) {
    b.template method<&DiaryEntry::closeClick>("closeClick").emptyInstance();
})
