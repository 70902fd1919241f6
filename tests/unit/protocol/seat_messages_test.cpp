// Players joining, leaving and getting ready; the table closed.

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using net::GameFrame;
using net::MessageType;

constexpr std::size_t kAccount = 168;

GameFrame Join(std::uint8_t ownSeat, std::uint8_t seat, const std::string& account,
               std::uint32_t wealth = 0, bool ready = false) {
    GameFrame f = net::MakeFrame(MessageType::PlayerJoin);
    f[6] = ownSeat;
    f[226] = seat;
    for (std::size_t i = 0; i < account.size(); ++i)
        f[kAccount + i] = static_cast<std::uint8_t>(account[i]);
    f[208] = ready ? 1 : 0;
    f.PutU32Le(234, wealth);
    return f;
}

GameFrame Leave(const std::string& account, bool firstBytePlusOne = false) {
    GameFrame f = net::MakeFrame(MessageType::PlayerLeave);
    f[8] = firstBytePlusOne ? 1 : 0;
    for (std::size_t i = 0; i < account.size(); ++i)
        f[16 + i] = static_cast<std::uint8_t>(account[i]);
    return f;
}

class Seats : public ::testing::Test {
  protected:
    void SetUp() override { h.LogIn(DirectArgument(6000, "me")); }
    void Receive(const GameFrame& f) { h.Receive(f); }
    void SeatEveryone(std::uint32_t wealth = 0) {
        Receive(Join(4, 4, "me", wealth));
        Receive(Join(4, 8, "west", wealth));
        Receive(Join(4, 1, "north", wealth));
        Receive(Join(4, 2, "east", wealth));
    }
    Harness h;
};

TEST_F(Seats, TheFirstJoinFixesTheLocalSeatAndFillsRecordZero) {
    Receive(Join(4, 4, "me"));
    Receive(Join(8, 8, "west"));  // a later own-seat byte changes nothing
    EXPECT_EQ(h.client.tableState.seats[0].seatBit, 4);
    EXPECT_EQ(h.client.tableState.seats[0].name, "me");
    EXPECT_EQ(h.client.tableState.seats[1].name, "west");  // 8 sits left of 4
    EXPECT_EQ(h.client.tableState.seats[1].seatBit, 8);
    EXPECT_EQ(h.client.players.seatedCount, 2);
}

TEST_F(Seats, AFullTableIsClearedForTheFirstDealAndVoicesAreGiven) {
    SeatEveryone();
    EXPECT_TRUE(h.client.settle.TableCleared);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"游戏将在15秒内开始"});
    EXPECT_FALSE(h.client.players.voiceVariant[1].empty());
}

TEST_F(Seats, TheWealthDisplayShowsTheSmallestMultiplier) {
    Receive(Join(4, 4, "me", 5));
    Receive(Join(4, 8, "west", 3));
    EXPECT_EQ(h.client.table.lbwealth.caption, "3");
    EXPECT_TRUE(h.client.table.lbwealth.visible);
    EXPECT_EQ(h.client.table.lbwealth.fontSize, 18);
    EXPECT_TRUE(h.client.table.lbfont[1].visible);
    Receive(Join(4, 1, "north", 120));
    Receive(Leave("west"));
    EXPECT_EQ(h.client.table.lbwealth.caption, "5");
    h.client.protocol.seatWealth = {120, 0, 0, 0};
    Receive(Join(4, 2, "east", 120));
    EXPECT_EQ(h.client.table.lbwealth.caption, "120");
    EXPECT_EQ(h.client.table.lbwealth.fontSize, 13);
    EXPECT_EQ(h.client.table.lbwealth.left, 52);  // 56 - 4 at full size
}

TEST_F(Seats, ALeavingPlayerEmptiesTheSeatAndRestartsTheReadyCountdown) {
    SeatEveryone();
    Receive(Leave("west"));
    EXPECT_TRUE(h.client.tableState.seats[1].name.empty());
    EXPECT_EQ(h.client.players.seatedCount, 3);
    // The nickname, then the local time without leading zeros (the fake's 09:05:07).
    EXPECT_EQ(h.client.table.Sysmsg[1].rows.at(0), "退出了游戏 9:5:7");
    EXPECT_TRUE(h.client.settle.ready.on);
    EXPECT_EQ(h.client.settle.ready.seconds, 12);
    EXPECT_EQ(h.client.table.Number.foreColor, ui::kBlack);
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::KeepAlive));
}

TEST_F(Seats, TheLeaveAccountMayCarryItsFirstByteRaisedByOne) {
    Receive(Join(4, 4, "me"));
    Receive(Join(4, 8, "ac"));
    Receive(Join(4, 1, "bc"));
    Receive(Leave("bc", true));  // 'b' - 1 = 'a': "ac" leaves
    EXPECT_TRUE(h.client.tableState.seats[1].name.empty());
    EXPECT_EQ(h.client.tableState.seats[2].name, "bc");
}

TEST_F(Seats, TheLocalPlayerLeavingEndsTheClient) {
    Receive(Join(4, 4, "me"));
    Receive(Leave("me"));
    EXPECT_TRUE(h.client.app.ended);
}

TEST_F(Seats, ReadyMarksAndTheClearingBeforeTheFirstDeal) {
    Receive(Join(4, 4, "me"));
    Receive(Join(4, 8, "west", 0, true));
    Receive(Join(4, 1, "north", 0, true));
    EXPECT_FALSE(h.client.settle.TableCleared);
    GameFrame ready = net::MakeFrame(MessageType::PlayerReady);
    ready[15] = 0;  // not ready, yet the others being ready clears the table
    h.client.table.OK[3].visible = true;
    Receive(ready);
    EXPECT_TRUE(h.client.settle.TableCleared);
}

TEST_F(Seats, TheClosedTableShowsItsMessage) {
    GameFrame closed = net::MakeFrame(MessageType::TableClosed);
    const std::string text = "\xCC\xA8\xD7\xD3";  // 台子 in GBK
    for (std::size_t i = 0; i < text.size(); ++i)
        closed[16 + i] = static_cast<std::uint8_t>(text[i]);
    Receive(closed);
    EXPECT_EQ(h.client.otherExit.Label1.caption, "台子");
    EXPECT_TRUE(h.client.otherExit.window.visible);
    EXPECT_TRUE(h.client.hero.window.visible);
}

}  // namespace
}  // namespace vantry::test
