#pragma once
// The interface palette: named ARGB colours and the prebuilt backgrounds of item slots (46 x 46
// squares) and of their price strips (56 x 18, faded at the bottom). One palette is built, by
// createColors: DARK_PURPLE_GRAY.
#include "framework/display/BitmapData.h"

namespace game {

class UIColor : public runtime::Object {
    RUNTIME_CLASS(UIColor)
public:
    static inline runtime::Ref<UIColor> DARK_PURPLE_GRAY;

    UIColor() = default;
    explicit UIColor(runtime::NoInit) {}

    static void createColors();
    // Fades the bottom eight rows of bmd in place (each row one flat colour, its alpha from 0.8
    // down to 0.1 of the row's first pixel) and returns bmd. Shorter bitmaps fade every row.
    static runtime::Ref<framework::BitmapData> fadeOutBottom(const runtime::Ref<framework::BitmapData>& bmd);

    int outlines = 0;
    int background = 0;
    int selected = 0;
    int tab = 0;
    int backgroundGold = 0;
    int backgroundRed = 0;
    int backgroundPurple = 0;
    int backgroundGoldSelected = 0;
    int backgroundRedSelected = 0;
    int backgroundPurpleSelected = 0;
    runtime::Ref<framework::BitmapData> itemBackNormal;
    runtime::Ref<framework::BitmapData> itemBackNormalSelected;
    runtime::Ref<framework::BitmapData> itemBackArtifact;
    runtime::Ref<framework::BitmapData> itemBackArtifactSelected;
    runtime::Ref<framework::BitmapData> itemBackValueNormal;
    runtime::Ref<framework::BitmapData> itemBackValueNormalSelected;
    runtime::Ref<framework::BitmapData> itemBackValueArtifact;
    runtime::Ref<framework::BitmapData> itemBackValueArtifactSelected;
    int windowEdge = 0;
    int windowInner1 = 0;
    int windowInner2 = 0;
    int windowInner3 = 0;
};

}  // namespace game
