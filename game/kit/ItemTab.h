#pragma once
// One filter tab above an item list: a small black button open at its bottom edge with the
// pictogram of its item category centred on it (the highlighted pictogram while selected), the
// category it filters for and the label its owner shows. No caption, no click sound.
#include "BasicButton.h"

namespace game {

class ItemTab : public BasicButton {
    RUNTIME_CLASS(ItemTab)
public:
    static constexpr int ALL = -1;
    static constexpr int ARTIFACTS = -2;

    // type: ALL, ARTIFACTS or an item type code.
    ItemTab(int width, int height, int type);
    explicit ItemTab(runtime::NoInit n) : BasicButton(n) {}

    void select() override;
    void deselect() override;

    int type = 0;
    runtime::String label;
    runtime::Ref<framework::Bitmap> selectedIcon;
    runtime::Ref<framework::Bitmap> unselectedIcon;
};

}  // namespace game
