// The deal start and a hand shown face up.

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using net::GameFrame;

GameFrame DealStart(std::uint8_t byte11 = 0) {
    GameFrame f = net::MakeFrame(net::MessageType::DealStart);
    f[6] = 1;
    f[11] = byte11;
    for (std::size_t i = 0; i < 6; ++i) {  // suit, rank, tag, id
        f[16 + 4 * i] = 4;
        f[17 + 4 * i] = static_cast<std::uint8_t>(3 + i);
        f[19 + 4 * i] = static_cast<std::uint8_t>(10 + i);
    }
    f[40] = 0;
    const std::string fee = "\xCC\xA8\xB7\xD1";  // 台费 in GBK
    for (std::size_t i = 0; i < fee.size(); ++i)
        f[41 + i] = static_cast<std::uint8_t>(fee[i]);
    f.PutU32Le(268, 0xCAFE1234);
    return f;
}

class Deal : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Start(DirectArgument());
        h.socket.state = platform::SocketState::Connected;
        h.Ticks(4);
        GameFrame login = net::MakeFrame(net::MessageType::Login);
        login[15] = 1;
        Receive(login);
        h.client.tableState.seats[0].seatBit = 1;
        h.socket.sent.clear();
    }
    void Receive(const GameFrame& f) {
        h.Arrive(f);
        h.Ticks(2);
    }
    Harness h;
};

TEST_F(Deal, ANewDealReadsTheHandAndTellsTheLobby) {
    h.client.tableState.MyTurn = true;
    h.client.table.OK[2].visible = true;
    Receive(DealStart());
    const rules::TableState& s = h.client.tableState;
    EXPECT_FALSE(s.MyTurn);
    EXPECT_EQ(s.seats[0].count, 6);
    EXPECT_EQ(s.seats[3].count, 6);
    EXPECT_EQ(s.seats[0].slots[5].card & 0xFF, 4u);  // suit byte of the sixth card
    EXPECT_FALSE(h.client.table.OK[2].visible);
    EXPECT_TRUE(h.client.protocol.dealInProgress);
    EXPECT_TRUE(h.client.protocol.dealStartedSinceLogin);
    EXPECT_EQ(h.client.protocol.dealKey, 0xCAFE1234u);
    EXPECT_EQ(h.client.settle.snapshot.FeeLabel, "台费");
    EXPECT_EQ(h.client.settle.snapshot.DealWealthText, "1");
    EXPECT_EQ(s.RevealedSeat, rules::kNoRevealedSeat);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 1127), 1);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::KeepAlive));
}

TEST_F(Deal, AHeldPluginFrameIsSentFirst) {
    net::HeldFrame& held = h.client.net.held[0];
    held.frame = net::MakeFrame(net::MessageType::PluginData45);
    held.frame[100] = 77;
    held.hold = false;
    Receive(DealStart());
    h.Ticks(1);
    const auto sent = h.socket.SentFrames();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent[0][3], 45);
    EXPECT_EQ(sent[0][100], 77);
    EXPECT_EQ(held.frame.Type(), 0);
}

TEST_F(Deal, OtherValuesOfByteElevenOnlyEndTheTurn) {
    h.client.tableState.MyTurn = true;
    GameFrame other = DealStart(2);
    other[260] = 9;
    Receive(other);
    EXPECT_FALSE(h.client.tableState.MyTurn);
    EXPECT_EQ(h.client.net.linkToken[0], 9);
    EXPECT_EQ(h.client.tableState.seats[0].count, 0);
    EXPECT_FALSE(h.client.protocol.dealInProgress);
}

TEST_F(Deal, AShownHandRecordsItsSeat) {
    GameFrame own = DealStart(1);  // the local seat: recorded, not drawn
    Receive(own);
    EXPECT_EQ(h.client.tableState.RevealedSeat, 0);
    GameFrame left = DealStart(1);
    left[6] = 2;
    Receive(left);
    EXPECT_EQ(h.client.tableState.RevealedSeat, 1);
    EXPECT_EQ(h.client.tableState.seats[1].slots[0].card & 0xFF, 4u);
}

}  // namespace
}  // namespace vantry::test
