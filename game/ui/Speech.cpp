#include "Speech.h"

#include <cmath>
#include <string>

#include "game/data/GameData.h"
#include "game/data/ItemData.h"
#include "game/kit/BasicButton.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/ItemIconAnimated.h"
#include "game/kit/MessageWindow.h"
#include "game/kit/TweenProps.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/shell/Audio.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/shell/PixelSmoother.h"
#include "game/ui/UI.h"
#include "tween/Tweener.h"

namespace game {

using framework::Bitmap;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::String;

namespace {

void removeChildIfAttached(const Ref<framework::DisplayObject>& o) {
    if (!o) return;
    if (auto p = o->get_parent()) p->removeChild(o);
}

}  // namespace

Speech::Speech(const Ref<NPC>& speaker, const Ref<SpeechData>& data, double x, double y)
    : speechData(data), npc(speaker), defaultX(x), defaultY(y) {
    set_x(static_cast<int>(x));
    set_y(static_cast<int>(y));
    // The map canvas is drawn at twice the size on the desktop.
    if (!Game::mobile) {
        set_scaleX(0.5);
        set_scaleY(0.5);
    }
    createSpeech();
    if (MapState* state = G::mapState.get()) {
        if (speechData->unfreeze) state->disableMovement = false;
        else if (speechData->freeze) state->disableMovement = true;
    }
}

Speech::~Speech() = default;

int Speech::wrapWidth(int n) {
    if (n < 30) return -1;
    if (n < 140) return n * 2 + 120;
    return 400;
}

void Speech::createSpeech() {
    set_x(defaultX);
    set_y(defaultY);
    arrowOffsetX = 0;
    const std::size_t pages = speechData->texts.size();
    const String page = currentTextIndex < static_cast<int>(pages) ? speechData->texts[currentTextIndex] : String("");
    const int width = wrapWidth(static_cast<int>(page.str().size()));
    textSprite = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, page, width != -1, width, 2, false, 0, true);
    boxWidth = textSprite->textWidth + 2 * MARGIN;
    boxHeight = textSprite->textHeight + 2 * MARGIN;

    int extra = 0;
    if (!speechData->image.isNull()) {
        auto picture = PixelSmoother::smoothAsset("assets/" + speechData->image.str() + ".png");
        image = make<Bitmap>(picture);
        const int pw = picture ? picture->get_width() : 0, ph = picture ? picture->get_height() : 0;
        boxWidth = static_cast<int>(std::max<double>(boxWidth, pw + 2 * MARGIN));
        image->set_x(static_cast<int>(-pw * 0.5));
        boxHeight += ph + MARGIN;
        image->set_y(MARGIN - boxHeight);
        image->set_alpha(0);
        addChild(image);
        extra = ph + MARGIN;
    }

    box = make<BasicWindow>(boxWidth, boxHeight);
    box->set_x(static_cast<int>(-boxWidth * 0.5));
    box->set_y(-boxHeight);
    addChildAt(box, 0);

    // Keep the bubble on screen; pushed sideways, the arrow still points at the speaker.
    bool arrowVisible = true;
    if (MapState* state = G::mapState.get(); state && state->mapCanvas) {
        const auto& canvas = state->mapCanvas;
        const double cx = canvas->get_x(), cy = canvas->get_y();
        const double csx = canvas->get_scaleX(), csy = canvas->get_scaleY();
        const double sx = get_x() * csx + cx, sy = get_y() * csy + cy;
        const double oldX = get_x();
        const double screenWidth = Game::gameWidth;
        if (!Game::mobile) {
            if (boxWidth > screenWidth - sx) set_x((screenWidth - cx) * 0.5 - boxWidth * 0.25 - MARGIN * 0.5);
            else if (sx < boxWidth * 0.5 + MARGIN) set_x(-cx / csx + boxWidth * 0.5 + MARGIN);
            if (get_x() != oldX) arrowOffsetX = static_cast<int>(2 * (oldX - get_x()));
            if (sy < boxHeight + 2 * MARGIN) {
                set_y(-cy / csy + (boxHeight + MARGIN) * 0.5);
                arrowVisible = false;
            }
        } else {
            if (boxWidth * 0.5 + 4 * MARGIN > screenWidth - sx) set_x((screenWidth - cx) * 0.5 - boxWidth * 0.5 - MARGIN);
            else if (sx < boxWidth + MARGIN) set_x(-cx / csx + boxWidth * 0.5 + MARGIN);
            if (get_x() != oldX) arrowOffsetX = static_cast<int>(oldX - get_x());
            if (sy < boxHeight + 6 * MARGIN) {
                set_y(-cy / csy + boxHeight + MARGIN);
                arrowVisible = false;
            }
        }
    }

    arrow = make<Bitmap>(PixelSmoother::smoothAsset("assets/ui/windowArrow.png"));
    arrow->set_x(arrowOffsetX - 9);
    arrow->set_y(-3);
    arrow->set_visible(arrowVisible);
    addChild(arrow);

    textSprite->set_x(-boxWidth * 0.5 + MARGIN);
    textSprite->set_y(extra - boxHeight + MARGIN);
    addChild(textSprite);

    if (currentTextIndex == static_cast<int>(pages) - 1 && !speechData->option1Text.isNull()) {
        optionsOpen = true;
        option1Sprite = makeOption(speechData->option1Text, true);
        option2Sprite = makeOption(speechData->option2Text.isNull() ? String("") : speechData->option2Text, false);
        addChild(option1Sprite);
        addChild(option2Sprite);
    }

    if (speechData->activateSwitch != -1 && speechData->activateSwitch >= 0) {
        auto& switches = GameData::gameSwitches;
        if (static_cast<std::size_t>(speechData->activateSwitch) >= switches.size())
            switches.resize(static_cast<std::size_t>(speechData->activateSwitch) + 1, false);
        switches[static_cast<std::size_t>(speechData->activateSwitch)] = true;
    }

    currentTextIndex += 1;
    openFrame = 1;
    opening = true;
}

Ref<BitmapSprite> Speech::makeOption(const String& caption, bool first) {
    auto holder = make<BitmapSprite>();
    auto label = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20_OUTLINE, caption, false, -1, 2, true);
    auto button = make<BasicButton>(label->textWidth + 40, label->textHeight + 20, 0, -1, BasicButton::COLOR_BLACK,
                                    true, label);
    button->addEventListener("click", first ? Function::method<&Speech::option1Click>(this)
                                            : Function::method<&Speech::option2Click>(this));
    const int bw = button->buttonWidth, bh = button->buttonHeight;
    holder->set_x(static_cast<int>(-bw * 0.5));
    holder->set_y(OPTION_BUTTON_Y);
    const int targetX = static_cast<int>((first ? -OPTION_BUTTON_X : OPTION_BUTTON_X) - bw * 0.5);
    ::tween::Tweener::tween(holder, static_cast<double>(OPEN_FRAMES) / Game::frameRate,
                            TweenProps::of({{"x", targetX}}));
    if (!Game::mobile) {
        auto hint = make<BasicWindow>(24, 24);
        hint->set_x(static_cast<int>(bw * 0.5 - 12));
        hint->set_y(bh - 3);
        const char* key = first ? (GameData::azerty ? "A" : "Q") : "E";
        auto keyText = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14_OUTLINE, key, false, -1, 2, true, 0, false, false,
                                        -5.0, 2, true);
        keyText->set_x(12);
        keyText->set_y(6);
        hint->addChild(keyText);
        holder->addChild(hint);
    }
    holder->addChild(button);
    return holder;
}

bool Speech::closeCurrentText(bool skipPages, bool closeOnly) {
    Ref<Speech> self(this);
    if (image) removeChildIfAttached(image);
    image = nullptr;
    removeChildIfAttached(box);
    removeChildIfAttached(arrow);
    if (box) box->destroy();
    removeChildIfAttached(textSprite);
    if (option1Sprite && option1Sprite->get_parent()) {
        for (auto* holder : {&option1Sprite, &option2Sprite}) {
            if (!*holder) continue;
            ::tween::Tweener::stop(*holder);
            removeChildIfAttached(*holder);
            (*holder)->destroy();
            *holder = nullptr;
        }
        optionsOpen = false;
    }
    if (textSprite) textSprite->destroy();
    if (closeOnly) return true;
    if (currentTextIndex < static_cast<int>(speechData->texts.size()) && !skipPages) {
        createSpeech();
        return false;
    }
    Ref<NPC> speaker = npc.lock();
    if (!speechData->continueLabel.isNull() && speaker) {
        speaker->showSpeech(speechData->continueLabel, false);
        // This bubble is empty now; its continuation took over.
        detach();
        return false;
    }
    if (speechData->addItem != -1) {
        if (auto data = ItemData::findDataWithID(speechData->addItem)) {
            getItem(make<Item>(data));
            Audio::playSound("findArtifact");
        }
    }
    if (speechData->removeItem != -1) {
        if (Ref<Item> held = GameData::findHeldItem(nullptr, speechData->removeItem)) {
            auto text = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, held->data->name.str() + " removed.", false, 200);
            Ref<Item> shown = held->clone();
            shown->amount = 1;
            auto icon = make<ItemIcon>(shown);
            if (Game::ui) Game::ui->openMessageWin(make<MessageWindow>(MessageWindow::Contents{text, icon}));
            GameData::removeItem(held, 1);
        }
    }
    if (!speechData->event.isNull()) callEvent(speechData->event);
    return true;
}

void Speech::update() {
    if (opening) {
        const double r = static_cast<double>(openFrame) / OPEN_FRAMES;
        if (box) {
            box->drawWindow(static_cast<int>(std::ceil(r * boxWidth)), static_cast<int>(std::ceil(r * boxHeight)));
            box->set_x(static_cast<int>(-box->winWidth * 0.5));
            box->set_y(-box->winHeight);
        }
        if (image) image->set_alpha(r);
        openFrame += 1;
        if (openFrame > OPEN_FRAMES) opening = false;
    } else if (textSprite) {
        textSprite->updateTextAnim();
    }
}

void Speech::option1Click(const Ref<framework::Event>&) { optionChosen(speechData->label1); }

void Speech::option2Click(const Ref<framework::Event>&) { optionChosen(speechData->label2); }

void Speech::optionChosen(const String& label) {
    Ref<Speech> self(this);
    MapState* state = G::mapState.get();
    Ref<NPC> speaker = npc.lock();
    const auto closeBubble = [&] {
        if (closeCurrentText() && state) state->closeLastSpeechText();
    };
    if (label.isNull()) {
        closeBubble();
    } else if (label == "openShop") {
        if (state) state->openShopAfterSpeech = true;
        closeBubble();
    } else if (label == "openGemShop") {
        closeBubble();
        if (Game::ui) Game::ui->openGemShop();
    } else if (!speaker) {
        // The speaker is gone with its floor: nothing can answer.
        closeBubble();
    } else if (label == "buyItem") {
        auto data = ItemData::findDataWithID(speechData->itemID);
        if (!data) {
            closeBubble();
        } else if (GameData::gold >= speechData->price) {
            auto item = make<Item>(data);
            Audio::playSound("findArtifact");
            GameData::loseGold(speechData->price);
            speaker->showSpeech("buy" + std::to_string(speechData->itemID));
            getItem(item);
        } else {
            speaker->showSpeech("notEnoughGold");
        }
    } else if (label == "sellItem") {
        Ref<Item> item = GameData::findHeldItem(nullptr, speechData->itemID);
        // Offered only while the item is held; a missing one sells nothing.
        if (!item) {
            closeBubble();
            return;
        }
        GameData::removeItem(item, 1);
        if (speechData->price != 0) {
            GameData::gainGold(speechData->price);
            Audio::playSound("gainGold");
        }
        speaker->showSpeech("sell" + std::to_string(speechData->itemID));
        flyIcon(item, true);
        if (item->data && item->data->id == 0) {
            GameData::wingsSoldFloor = GameData::currentFloor;
            GameData::wingsFound = false;
        }
    } else if (label == "tradeItem") {
        Ref<Item> item = GameData::findHeldItem(nullptr, speechData->itemID);
        if (!item) {
            closeBubble();
            return;
        }
        GameData::removeItem(item, 1);
        flyIcon(item, true);
        if (auto given = ItemData::findDataWithID(speechData->itemID2)) getItem(make<Item>(given));
        Audio::playSound("equipHead");
        speaker->showSpeech("trade" + std::to_string(speechData->itemID));
    } else {
        speaker->showSpeech(label);
    }
}

void Speech::flyIcon(const Ref<Item>& item, bool fromHero) {
    MapState* state = G::mapState.get();
    Ref<NPC> speaker = npc.lock();
    if (!state || !speaker || !speaker->tile || !item) return;
    constexpr int T = C::TILE_SIZE, S = C::ITEM_SIZE;
    auto at = [](int x, int y) { return make<framework::Point>(x * T + T / 2 - S / 2, y * T - S); };
    auto icon = make<ItemIconAnimated>(item);
    auto start = fromHero ? at(state->heroX(), state->heroY()) : at(speaker->tile->lev_x, speaker->tile->lev_y);
    icon->origin = start;
    icon->set_x(start->x);
    icon->set_y(start->y);
    if (fromHero) {
        icon->target = at(speaker->tile->lev_x, speaker->tile->lev_y);
        icon->useTarget = true;
    }
    state->addToObjectRow(speaker->tile->lev_y, icon);
    state->animatedItemIcons.push_back(icon);
}

void Speech::getItem(const Ref<Item>& item) {
    if (!item || !item->data) return;
    GameData::addItem(item, 1);
    flyIcon(item, false);
    if (MapState* state = G::mapState.get()) state->showFoundItemWindow(item);
}

void Speech::callEvent(const String& name) {
    MapState* state = G::mapState.get();
    if (!state || name.isNull()) return;
    if (name == "sorcerorSpawnMonster") state->sorcerorSpawnMonster();
    else if (name == "sorcerorSpawnMonsterPickaxe") state->sorcerorSpawnMonsterPickaxe();
    else if (name == "sorcerorDoneTalking") state->sorcerorDoneTalking();
    else if (name == "sorcererSacrifice") state->sorcererSacrifice();
    else if (name == "wingOutNPC") {
        if (Ref<NPC> speaker = npc.lock()) state->wingOutNPC(speaker);
    } else if (name == "demonExpandWalls") {
        state->demonExpandWalls();
    }
}

void Speech::detach() { removeChildIfAttached(Ref<framework::DisplayObject>(this)); }

}  // namespace game

using game::Speech;

RUNTIME_DEFINE_CLASS(Speech, "Speech", game::BitmapSprite, (auto& b) {
    b.template field<&Speech::optionsOpen>("optionsOpen")
        .template field<&Speech::currentTextIndex>("currentTextIndex")
        .template field<&Speech::boxWidth>("boxWidth")
        .template field<&Speech::boxHeight>("boxHeight")
        .template method<&Speech::update>("update")
        .template method<&Speech::option1Click>("option1Click")
        .template method<&Speech::option2Click>("option2Click")
        .emptyInstance();
})
