#include "platform/store/OfflineStore.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <fstream>

#include "platform/system/FileSystem.h"

using storeclient::OfflineStore;

namespace {

class OfflineStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/glv-storeclient-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dataHome = folder;
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        unsetenv("STORECLIENT_UNAVAILABLE");
        callback = runtime::Function::of([this](runtime::Value e) {
            events.push_back(e.field("type").toText() + "/" + e.field("success").toText() + "/" +
                             e.field("data").toText());
            if (onEvent) onEvent();
        });
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        unsetenv("STORECLIENT_UNAVAILABLE");
        std::filesystem::remove_all(dataHome);
    }

    std::string dataHome;
    std::vector<std::string> events;
    std::function<void()> onEvent;
    runtime::Ref<runtime::Function> callback;
};

TEST_F(OfflineStoreTest, EventsArriveAtTheNextPollAndRequestsMadeMeanwhileWait) {
    OfflineStore client;
    EXPECT_FALSE(client.setAchievement("a"));  // not started
    ASSERT_TRUE(client.init(callback));
    EXPECT_EQ(OfflineStore::dataFile(), dataHome + "/storeclient/user-stats");
    ASSERT_TRUE(client.findLeaderboard("board"));
    EXPECT_FALSE(client.uploadScore("board", 3, 0));  // not found until its answer is delivered
    EXPECT_TRUE(events.empty());

    onEvent = [&] {
        onEvent = nullptr;
        client.uploadScore("board", 3, 1);
    };
    client.runCallbacks();
    EXPECT_EQ(events, std::vector<std::string>{"LeaderboardFound/1/board"});
    client.runCallbacks();
    EXPECT_EQ(events.back(), "ScoreUploaded/1/board,3,1,1");

    // The board keeps the best score; downloads take a rank range, 0 and 0 the whole board.
    client.uploadScore("board", 2, 9);
    client.downloadScores("board", 0, 0);
    client.downloadScores("board", 2, 5);
    client.runCallbacks();
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              (std::vector<std::string>{"ScoreUploaded/1/board,3,1,1", "ScoreDownloaded/1/board,3,1,1",
                                        "ScoreDownloaded/1/"}));

    // Shutdown drops what is pending and forgets found boards.
    client.storeStats();
    client.shutdown();
    EXPECT_TRUE(client.pending().empty());
    ASSERT_TRUE(client.init(callback));
    EXPECT_FALSE(client.uploadScore("board", 1, 1));
}

TEST_F(OfflineStoreTest, TheFileKeepsStoredStateAndSkipsLinesItCannotRead) {
    {
        OfflineStore client;
        ASSERT_TRUE(client.init(nullptr));
        client.setStat("stored", 4);
        client.setAchievement("kept");
        client.setStat("unstored", 5);  // changed after the last store: lost with the client
        client.findLeaderboard("board");
        client.runCallbacks();
        client.uploadScore("board", -7, 2);
    }
    std::string path = OfflineStore::dataFile();
    std::string text = *sys::FileSystem::readFile(path);
    std::ofstream(path, std::ios::app) << "stat broken\nachievement\nachievement two words\nscore b x 1\nstat a 1 2\n"
                                          "bogus line\n";

    OfflineStore client;
    ASSERT_TRUE(client.init(nullptr));
    EXPECT_TRUE(client.hasAchievement("kept"));
    EXPECT_EQ(client.getStat("stored"), 4);
    EXPECT_EQ(client.getStat("unstored"), 5);  // stored along with the later upload
    EXPECT_FALSE(client.getStat("broken"));
    EXPECT_FALSE(client.getStat("a"));
    EXPECT_FALSE(client.hasAchievement("two"));
    client.findLeaderboard("board");
    client.runCallbacks();
    client.downloadScores("board", 0, 0);
    EXPECT_EQ(client.pending().back().data, "board,-7,2,1");
    client.storeStats();  // the unreadable lines are not written back
    EXPECT_EQ(*sys::FileSystem::readFile(path), text);
}

TEST_F(OfflineStoreTest, NumbersAreReadWhollyOrNotAtAll) {
    auto r = OfflineStore::parse("stat ok -12\nstat big 2147483648\nstat junk 12abc\nstat hex 0x10\n"
                                 "score b1 5 9x\nscore b2 2147483647 -2147483648\nstat plus +3\n");
    EXPECT_EQ(r.stats, (std::map<std::string, int>{{"ok", -12}}));
    ASSERT_EQ(r.boards.size(), 1u);
    EXPECT_EQ(r.boards["b2"].score, 2147483647);
    EXPECT_EQ(r.boards["b2"].detail, -2147483648);
}

TEST_F(OfflineStoreTest, AFileThatIsNotTextIsMovedAsideNotOverwritten) {
    std::string path = OfflineStore::dataFile();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::string garbage("achievement old\n\0\x01\x02", 19);
    std::ofstream(path, std::ios::binary) << garbage;
    OfflineStore client;
    ASSERT_TRUE(client.init(nullptr));
    EXPECT_FALSE(client.hasAchievement("old"));
    client.setAchievement("fresh");
    EXPECT_EQ(*sys::FileSystem::readFile(path + ".corrupt"), garbage);
    EXPECT_EQ(*sys::FileSystem::readFile(path), "achievement fresh\n");

    // A folder in the file's place cannot be moved over by a write either.
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".corrupt");
    std::filesystem::create_directory(path);
    OfflineStore other;
    ASSERT_TRUE(other.init(nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(path + ".corrupt"));
}

TEST_F(OfflineStoreTest, ClientsRunningAtOnceKeepEachOthersRecords) {
    OfflineStore first;
    OfflineStore second;
    ASSERT_TRUE(first.init(nullptr));
    ASSERT_TRUE(second.init(nullptr));
    first.setAchievement("first");
    first.setStat("kills", 3);
    first.storeStats();
    second.setAchievement("second");
    second.setStat("steps", 40);
    second.storeStats();
    first.setStat("kills", 4);
    first.storeStats();
    first.clearAchievement("first");

    OfflineStore reader;
    ASSERT_TRUE(reader.init(nullptr));
    EXPECT_FALSE(reader.hasAchievement("first"));
    EXPECT_TRUE(reader.hasAchievement("second"));
    EXPECT_EQ(reader.getStat("kills"), 4);
    EXPECT_EQ(reader.getStat("steps"), 40);
    // Each client sees the other's records after its own next write.
    EXPECT_EQ(first.getStat("steps"), 40);
}

TEST_F(OfflineStoreTest, AnUnavailableClientRefusesToStart) {
    for (const char* value : {"1", "yes"}) {
        setenv("STORECLIENT_UNAVAILABLE", value, 1);
        OfflineStore client;
        EXPECT_FALSE(client.init(callback));
        EXPECT_FALSE(client.requestStats());
    }
    for (const char* value : {"", "0"}) {
        setenv("STORECLIENT_UNAVAILABLE", value, 1);
        OfflineStore client;
        EXPECT_TRUE(client.init(callback));
    }
}

}  // namespace
