// The real game, headless, from a fresh save folder: through the title to the town, down to the
// entrance shop on floor 0, up to its keeper, "Shop" in his speech, the scrolling hint closed,
// then one piece of the cheapest stock item bought with the pointer and the next one chosen; the
// last frame is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "framework/events/MouseEvent.h"
#include "game/data/GameData.h"
#include "game/data/Item.h"
#include "game/data/ItemData.h"
#include "game/kit/ItemIcon.h"
#include "game/kit/MessageWindow.h"
#include "game/map/MapState.h"
#include "game/map/NPC.h"
#include "game/map/NPCData.h"
#include "game/shell/C.h"
#include "game/shell/G.h"
#include "game/shell/Game.h"
#include "game/town/UIShop.h"
#include "game/ui/Speech.h"
#include "game/ui/UI.h"
#include "tests/game/PlayToTown.h"

using game::GameData;

namespace {

game::MapState* scene() { return game::G::mapState.get(); }
runtime::Ref<game::UIShop> shop() { return game::Game::ui->shop; }

// The stock icon of the cheapest entry.
runtime::Ref<game::ItemIcon> cheapestIcon() {
    runtime::Ref<game::ItemIcon> best;
    for (const auto& entry : shop()->shopScroller->currentItems)
        if (auto icon = entry.cast<game::ItemIcon>())
            if (!best || icon->item->data->value < best->item->data->value) best = icon;
    return best;
}

struct Purchase {
    int id = -1;
    int price = 0;
    int goldBefore = 0;
    int stockBefore = 0;
    std::string welcome;
    bool hintShown = false;
    int nextId = -1, nextPrice = 0, nextAmount = 0;
    std::string afterBuying, buyOnePrice, buyAllPrice;
};

}  // namespace

TEST(ShopPlay, TheFloorZeroKeeperOpensHisShopAndSellsOnePiece) {
    const std::string png = (std::filesystem::temp_directory_path() / "glv-shop-play.png").string();
    std::filesystem::remove(png);
    auto seen = std::make_shared<Purchase>();
    testing_game::GameDriver d("shop-play");
    testing_game::playToTown(d);
    testing_game::walkToFloorZero(d);
    testing_game::walkUntil(d, "until the keeper speaks", SDLK_UP, [] { return scene()->currentSpeech != nullptr; });
    d.until("the keeper's options are up", [] { return scene()->currentSpeech && scene()->currentSpeech->optionsOpen; },
            {}, 300)
        .wait(30);
    testing_game::clickButton(d, "Shop", [] { return testing_game::firstButtonOf(scene()->currentSpeech->option2Sprite); });
    d.until("the shop is open", [] { return game::Game::ui->shopOpen; }, [seen] {
        seen->welcome = shop()->welcomeDialogue.str();
        seen->hintShown = game::Game::ui->messageWinOpen &&
                          game::Game::ui->messageWindow == game::MessageWindow::WIN_LOTSA_ITEMS;
    });
    d.until("the scrolling hint is in", [] { return testing_game::shownFully(game::Game::ui->messageWindow); });
    testing_game::clickButton(d, "OK of the hint", [] { return testing_game::firstButtonOf(game::Game::ui->messageWindow); });
    d.until("the hint is gone", [] { return !game::Game::ui->messageWinOpen; }).wait(10);
    d.then("note the cheapest stock item", [seen] {
        auto icon = cheapestIcon();
        if (!icon) return;
        seen->id = icon->item->data->id;
        seen->price = icon->item->data->value;
        seen->goldBefore = GameData::gold;
        seen->stockBefore = icon->item->amount;
    });
    // A tap on it, pressed and let go a frame later; tapped again after a while if a slow
    // machine's frames let the list still move under the first one.
    auto frame = std::make_shared<int>(0);
    d.until("the stock item is selected", [frame] {
        if (shop()->shopItemSelected) return true;
        auto icon = cheapestIcon();
        if (!icon) return false;
        const auto at = testing_game::centreOnStage(icon, game::C::ITEM_SIZE, game::C::ITEM_SIZE);
        const int x = static_cast<int>(at.x), y = static_cast<int>(at.y);
        const int step = (*frame)++ % 30;
        if (step == 0) {
            testing_game::GameDriver::sendPointer(SDL_MOUSEMOTION, x, y);
            testing_game::GameDriver::sendPointer(SDL_MOUSEBUTTONDOWN, x, y);
        } else if (step == 1) {
            testing_game::GameDriver::sendPointer(SDL_MOUSEBUTTONUP, x, y);
        }
        return false;
    });
    testing_game::clickButton(d, "Buy One", [] { return shop()->buyOneButton; });
    d.until("one piece is in the inventory", [seen] {
        return std::any_of(GameData::items.begin(), GameData::items.end(),
                           [seen](const auto& item) { return item->data->id == seen->id; });
    }, [seen] { seen->afterBuying = shop()->message->text.str(); });
    d.wait(30).then("choose the next stock item", [seen] {
        auto icon = cheapestIcon();
        if (!icon) return;
        seen->nextId = icon->item->data->id;
        seen->nextPrice = icon->item->data->value;
        seen->nextAmount = icon->item->amount;
        icon->dispatchEvent(runtime::make<framework::MouseEvent>("click"));
    });
    d.until("it is shown", [] { return shop()->shopItemSelected && shop()->itemDetails->item; },
            [seen] {
                seen->buyOnePrice = shop()->buyOneGoldText->text.str();
                seen->buyAllPrice = shop()->buyAllGoldText->text.str();
            })
        .wait(60)
        .snapshotTo(png);
    ASSERT_EQ(d.play(), "");

    const auto& keeper = *game::NPCData::NPCS.at(0);
    EXPECT_EQ(seen->welcome, keeper.welcomeText.str()) << "the keeper's own lines";
    EXPECT_TRUE(seen->hintShown) << "the first shop on floor 0 brings the scrolling hint";
    ASSERT_GE(seen->goldBefore, seen->price) << "a new hero can pay for the cheapest piece";
    EXPECT_EQ(GameData::gold, seen->goldBefore - seen->price);
    EXPECT_EQ(seen->afterBuying, keeper.buyOneText.str());
    EXPECT_EQ(shop()->message->text.str(), keeper.shopSelectText.str());
    EXPECT_TRUE(game::Game::ui->shopOpen);
    EXPECT_TRUE(game::G::pauseGame);
    EXPECT_EQ(game::Game::ui->goldSprite->get_parent(), shop().get());
    EXPECT_EQ(game::Game::ui->goldText->text.str(), std::to_string(GameData::gold));
    int inStock = 0;
    for (const auto& entry : GameData::shopItems)
        if (entry->data->id == seen->id) inStock = entry->amount;
    EXPECT_EQ(inStock, seen->stockBefore - 1);
    // The next choice shows its prices on the buy buttons.
    EXPECT_EQ(seen->buyOnePrice, std::to_string(seen->nextPrice));
    EXPECT_EQ(seen->buyAllPrice, std::to_string(seen->nextPrice * seen->nextAmount));
    EXPECT_TRUE(std::filesystem::exists(png));
}
