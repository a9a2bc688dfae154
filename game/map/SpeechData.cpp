#include "SpeechData.h"

using game::SpeechData;

RUNTIME_DEFINE_CLASS(SpeechData, "SpeechData", runtime::Object, (auto& b) {
    b.template field<&SpeechData::type>("type")
        .template field<&SpeechData::minRuns>("minRuns")
        .template field<&SpeechData::maxRuns>("maxRuns")
        .template field<&SpeechData::label1>("label1")
        .template field<&SpeechData::label2>("label2")
        .template field<&SpeechData::option1Text>("option1Text")
        .template field<&SpeechData::option2Text>("option2Text")
        .template field<&SpeechData::option1Action>("option1Action")
        .template field<&SpeechData::option2Action>("option2Action")
        .template field<&SpeechData::activateSwitch>("activateSwitch")
        .template field<&SpeechData::needSwitch>("needSwitch")
        .template field<&SpeechData::openShop>("openShop")
        .template field<&SpeechData::unfreeze>("unfreeze")
        .template field<&SpeechData::freeze>("freeze")
        .template field<&SpeechData::animIndex>("animIndex")
        .template field<&SpeechData::continueLabel>("continueLabel")
        .template field<&SpeechData::image>("image")
        .template field<&SpeechData::itemID>("itemID")
        .template field<&SpeechData::itemID2>("itemID2")
        .template field<&SpeechData::price>("price")
        .template field<&SpeechData::needItem>("needItem")
        .template field<&SpeechData::addItem>("addItem")
        .template field<&SpeechData::removeItem>("removeItem")
        .template field<&SpeechData::event>("event")
        .emptyInstance();
})
