// The table status between deals: the wealth display, the clock and notice,
// and players who must leave for lack of coins.

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using net::GameFrame;

GameFrame Status(std::uint8_t subCode, std::uint32_t multiplier = 0, std::uint8_t byte13 = 0) {
    GameFrame f = net::MakeFrame(net::MessageType::TableStatus);
    f[15] = subCode;
    f[13] = byte13;
    f.PutU32Le(16, multiplier);
    return f;
}

class TableStatus : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        h.client.tableState.seats[0].seatBit = 1;
        h.client.tableState.seats[1].name = "west";
        h.client.players.records[1].nickname = "西风";
        h.client.players.records[2].nickname = "北斗";
    }
    void Receive(const GameFrame& f) { h.Receive(f); }
    Harness h;
};

TEST_F(TableStatus, TheMultiplierChoosesItsFontAndPlace) {
    h.client.settle.WealthMultiplier = 1;  // the room has one
    struct Case {
        std::uint32_t value;
        int fontSize, left, top;
    };
    // Full size: 100 and more at (56 - 4, 519 + 3); below at (56, 518).
    for (const Case& c : {Case{100, 13, 52, 522}, Case{99, 18, 56, 518}}) {
        Receive(Status(0, c.value));
        const ui::Control& label = h.client.table.lbwealth;
        EXPECT_EQ(label.caption, std::to_string(c.value));
        EXPECT_EQ(label.fontSize, c.fontSize);
        EXPECT_EQ(std::make_pair(label.left, label.top), std::make_pair(c.left, c.top));
        EXPECT_TRUE(label.visible && h.client.table.Imgwealth.visible);
    }
}

TEST_F(TableStatus, TheNoticeOrARoomWithoutMultiplierHidesTheWealthDisplay) {
    h.client.settle.WealthMultiplier = 1;
    h.client.table.lbwealth.visible = true;
    Receive(Status(0, 50, 1));
    EXPECT_FALSE(h.client.table.lbwealth.visible);
    EXPECT_TRUE(h.client.table.LblShuffle.visible);  // the notice runs
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Shuffle));

    h.client.settle.WealthMultiplier = 0;
    Receive(Status(0, 50));
    EXPECT_FALSE(h.client.table.lbwealth.visible);
    EXPECT_EQ(h.client.settle.WealthMultiplier, 0);  // its bytes are not read
}

TEST_F(TableStatus, OnlyTheFirstStatusPlacesTheClock) {
    Receive(Status(0));
    EXPECT_TRUE(h.client.settle.noticePlaced);
    EXPECT_FALSE(h.client.protocol.g_bTimeLimit);
    const int left = h.client.table.Time_Img.left;
    h.client.table.Imgwealth.left += 40;
    Receive(Status(0));
    EXPECT_EQ(h.client.table.Time_Img.left, left);
}

TEST_F(TableStatus, OthersLeavingForCoinsOnlyChangeTheTicker) {
    h.client.protocol.dealInProgress = true;
    GameFrame leave = Status(3);
    leave[6] = 2 | 4;  // positions 1 and 2
    Receive(leave);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows,
              std::vector<std::string>{"玩家北斗金币不够，退出游戏！"});
    EXPECT_EQ(h.client.tableState.seats[1].name, "west");
    EXPECT_EQ(h.socket.closeCount, 0);
    EXPECT_FALSE(h.client.score.window.visible);
}

TEST_F(TableStatus, TheLocalPlayerLeavingForCoinsClosesTheTable) {
    GameFrame leave = Status(3);
    leave[6] = 1;
    leave[11] = 1;  // a change of room is offered to the local seat
    Receive(leave);
    EXPECT_EQ(h.client.otherExit.Label1.caption, "您的金币不够，请更换房间或充值后继续游戏！");
    EXPECT_TRUE(h.client.otherExit.window.visible);
    EXPECT_TRUE(h.client.score.window.visible);
    EXPECT_TRUE(h.client.hero.window.visible);
    EXPECT_TRUE(h.client.tableState.seats[1].name.empty());
    EXPECT_GE(h.socket.closeCount, 1);
    EXPECT_FALSE(h.client.net.linkCheck);
    EXPECT_FALSE(h.client.protocol.reconnectAllowed);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Bong));
}

}  // namespace
}  // namespace vantry::test
