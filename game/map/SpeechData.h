#pragma once
// One speech of a character from the dialogue table: its pages, when it may be said (run range,
// story switch, held item, or a name that other speeches and scripts ask for), the two options
// and what saying it does (switch, shop, movement, animation, continuation, picture, items,
// event).
#include <vector>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace game {

class SpeechData : public runtime::Object {
    RUNTIME_CLASS(SpeechData)
public:
    SpeechData(std::vector<runtime::String> texts, int minRuns = -1, int maxRuns = -1)
        : texts(std::move(texts)), minRuns(minRuns), maxRuns(maxRuns) {}
    explicit SpeechData(runtime::NoInit) {}

    // The pages, in order; an empty piece of the text is an empty page.
    std::vector<runtime::String> texts;
    // Null for an untyped speech, which the run range selects.
    runtime::String type;
    int minRuns = -1;
    int maxRuns = -1;
    runtime::String label1;
    runtime::String label2;
    runtime::String option1Text;
    runtime::String option2Text;
    runtime::String option1Action;
    runtime::String option2Action;
    int activateSwitch = -1;
    int needSwitch = -1;
    bool openShop = false;
    bool unfreeze = false;
    bool freeze = false;
    // An index into NPC::ANIMS, or -1.
    int animIndex = -1;
    runtime::String continueLabel;
    runtime::String image;
    int itemID = 0;
    int itemID2 = 0;
    int price = 0;
    int needItem = 0;
    int addItem = 0;
    int removeItem = 0;
    runtime::String event;
};

}  // namespace game
