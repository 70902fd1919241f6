// The end of a deal through the dispatcher: four settlement records, the
// board, the players' coins, the records board, the info file and the
// countdown to the next deal.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/ini_file.h"
#include "fakes.h"
#include "settle/board_input.h"
#include "sound/sound.h"

namespace vantry::test {
namespace {

using net::GameFrame;

struct Result {
    std::uint8_t seat;
    bool winner;
    std::uint8_t coinResult;
    std::uint64_t finalAmount;
    std::uint8_t level = 0;
    std::uint8_t cardsLeft = 0;
};

GameFrame Record(const Result& r) {
    GameFrame f = net::MakeFrame(net::MessageType::Settlement);
    f[6] = r.seat;
    f.PutU32Be(8, 100);
    f[15] = 1;
    f[16] = r.cardsLeft;
    for (std::size_t j = 0; j < r.cardsLeft; ++j)
        f.PutU32Le(20 + 4 * j, 0x00040E07 + j);
    f[44] = 1;
    f[45] = r.winner ? 1 : 0;
    f.PutI64Le(46, 10);
    f[54] = r.coinResult;
    f.PutI64Le(55, static_cast<std::int64_t>(r.finalAmount));
    f[63] = r.level;
    return f;
}

class EndOfDeal : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() / ("vantry-deal-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        h.process.executableDir = dir.string();
        h.LogIn();
        h.client.tableState.seats[0].seatBit = 1;
        const char* names[] = {"我", "西风", "北斗", "东篱"};
        for (std::size_t p = 0; p < 4; ++p) {
            h.client.players.records[p].nickname = names[p];
            h.client.players.records[p].coins = 1000;
            h.client.players.joinTable[p] = {names[p], std::to_string(p)};
        }
        // The deal that ends here stopped the keep-alive when it started.
        h.timers.Stop(platform::TimerId::KeepAlive);
        h.socket.sent.clear();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Receive(const GameFrame& f) { h.Receive(f); }
    void ReceiveDeal() {
        Receive(Record({1, true, 1, 300, 7}));
        Receive(Record({2, false, 0, 1500, 3, 2}));
        Receive(Record({4, true, 1, 300}));
        Receive(Record({8, false, 2, 300}));
    }

    std::filesystem::path dir;
    Harness h;
};

TEST_F(EndOfDeal, TheBoardIsBuiltOnceAtTheFourthRecord) {
    Receive(Record({1, true, 1, 300}));
    Receive(Record({2, false, 0, 300}));
    Receive(Record({4, true, 1, 300}));
    EXPECT_FALSE(h.client.score.window.visible);
    EXPECT_TRUE(h.client.score.State[0].rows.empty());
    EXPECT_TRUE(h.client.net.holdPlayerLeave);
    EXPECT_TRUE(h.client.net.held[0].hold);
    h.client.table.shanImage[1].visible = h.client.table.first[0].visible = true;
    Receive(Record({8, false, 2, 300}));
    EXPECT_TRUE(h.client.score.window.visible);
    EXPECT_FALSE(h.client.table.shanImage[1].visible);  // the fans and badges go
    EXPECT_FALSE(h.client.table.first[0].visible);
    EXPECT_EQ(h.client.score.State[0].rows.front(), "初始：");
    EXPECT_EQ(h.client.records.DealNumber, 1);
    EXPECT_FALSE(h.client.net.holdPlayerLeave);
    EXPECT_FALSE(h.client.protocol.dealInProgress);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows,
              std::vector<std::string>{"请点击【继续】按钮继续游戏！"});
    EXPECT_EQ(h.client.table.Sysmsg[1].rows, std::vector<std::string>{"游戏将在15秒内开始"});
}

TEST_F(EndOfDeal, CoinsLevelsCountsAndTheRecordsBoardFollowTheResults) {
    ReceiveDeal();
    const auto& players = h.client.players.records;
    EXPECT_EQ(players[0].coins, 1300);
    EXPECT_EQ(players[0].wins, 1u);
    EXPECT_EQ(players[1].coins, 0);  // 1000 - 1500 is shown as 0
    EXPECT_EQ(players[1].losses, 1u);
    EXPECT_EQ(players[3].coins, 1000);  // coin result 2 changes nothing
    EXPECT_EQ(players[3].wins + players[3].losses, 0u);
    EXPECT_EQ(h.client.table.Cash[0].caption, "1300金币");
    EXPECT_EQ(h.client.table.Level[0].caption, "第七级");
    EXPECT_EQ(h.client.table.Level[2].caption, "");  // level 0 leaves it
    EXPECT_EQ(h.client.hero.Grade[1].rows, std::vector<std::string>{"-1500"});
    EXPECT_EQ(h.client.hero.Num.rows, std::vector<std::string>{"           1"});
    EXPECT_EQ(h.client.score.ID[2].caption, "北斗");
    EXPECT_EQ(h.client.score.Tou[2].picture.resourceId, 242);
    // The two cards left in the left-hand player's hand are turned up.
    EXPECT_EQ(h.client.tableState.seats[1].count, 2);
    const auto& slots = h.client.tableState.seats[1].slots;
    EXPECT_EQ(slots[0].card + slots[1].card, 0x00040E07u + 0x00040E08u);  // sorted, both there

    app::classIniFile file(settle::InfoFilePath(h.client));
    EXPECT_EQ(file.GetIniKey("juNum:1", "name( 1 )"), "西风");
    EXPECT_EQ(file.GetIniKey("juNum:1", "count( 5 )( 0 )"), "总分：- 1500金币");
}

TEST_F(EndOfDeal, WithThePluginTheFourthRecordIsKeptForTheChestShow) {
    h.client.props.Prop_GameDllState = 1;
    h.client.props.PropsLines[0] = "chest";
    ReceiveDeal();
    EXPECT_FALSE(h.client.score.window.visible);
    EXPECT_EQ(h.client.settle.KeptRecord[6], 8);
    EXPECT_EQ(h.client.props.ShowState, 1);
    EXPECT_TRUE(h.client.props.ShowPending);
    EXPECT_TRUE(h.client.props.PropsLines[0].empty());
    EXPECT_EQ(h.client.records.DealNumber, 0);
}

TEST_F(EndOfDeal, TheReadyCountdownSendsOneContinueFrameAfterTwelveSeconds) {
    ReceiveDeal();
    const ui::Control& number = h.client.table.Number;
    EXPECT_EQ(number.caption, "12");
    std::vector<std::pair<std::string, ui::Color>> shown;
    for (int second = 0; second < 11; ++second) {
        h.Ticks(20);  // one step every 20 ticks of 50 ms
        shown.emplace_back(number.caption, number.foreColor);
    }
    EXPECT_EQ(shown[0], std::make_pair(std::string("11"), ui::kGreen));
    EXPECT_EQ(shown[5], std::make_pair(std::string("6"), ui::kGreen));
    EXPECT_EQ(shown[6], std::make_pair(std::string("5"), ui::kRed));
    EXPECT_TRUE(h.socket.SentFrames().empty());
    h.Ticks(20 + 1);  // the twelfth step queues the frame; the next tick sends it
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][3], 16);
    EXPECT_EQ(sent[0][6], 1);
    EXPECT_EQ(sent[0][15], 1);
    EXPECT_FALSE(number.visible);
    EXPECT_TRUE(h.client.settle.TableCleared);
    h.Ticks(400);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
}

TEST_F(EndOfDeal, TheBoardSoundsAndARandomSeatingRoomShowsTheNoticeAfterTheContinue) {
    h.client.settle.randomSeating = h.client.settle.noticePlaced = true;
    ReceiveDeal();
    ASSERT_FALSE(h.sound.played.empty());
    EXPECT_NE(h.sound.played.back().path.find(sound::EffectFile(sound::Effect::Settlement)),
              std::string::npos);
    EXPECT_FALSE(h.client.table.LblShuffle.visible);
    h.Ticks(12 * 20 + 1);
    EXPECT_TRUE(h.client.table.LblShuffle.visible);
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Shuffle));
}

}  // namespace
}  // namespace vantry::test
