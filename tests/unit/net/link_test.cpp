// Keeping the link: keep-alive, receive watchdog, link check and the automatic
// reconnection, driven through the main loop and the timers of a logged-in client.

#include <gtest/gtest.h>

#include <vector>

#include "fakes.h"
#include "net/leave.h"
#include "net/link.h"
#include "shell/reset_table.h"

namespace vantry::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using net::GameFrame;
using net::MessageType;
using platform::SocketState;
using platform::TimerId;

constexpr std::uint8_t kOwnSeat = 2;

GameFrame DealStart(std::array<std::uint8_t, 4> dealKey = {1, 2, 3, 4}) {
    GameFrame f = net::MakeFrame(MessageType::DealStart);
    f[6] = kOwnSeat;
    for (std::size_t i = 0; i < 6; ++i) {  // suit, rank, tag, id
        f[16 + 4 * i] = 4;
        f[17 + 4 * i] = static_cast<std::uint8_t>(3 + i);
        f[19 + 4 * i] = static_cast<std::uint8_t>(10 + i);
    }
    for (std::size_t i = 0; i < 4; ++i)
        f[268 + i] = dealKey[i];
    return f;
}

GameFrame ReconnectResult(std::uint8_t result) {
    GameFrame f = net::MakeFrame(MessageType::ReconnectResult);
    f[15] = result;
    return f;
}

std::vector<std::uint8_t> SentTypes(const FakeSocket& socket) {
    std::vector<std::uint8_t> types;
    for (const GameFrame& f : socket.SentFrames())
        types.push_back(f.Type());
    return types;
}

int CountSent(const FakeSocket& socket, MessageType type) {
    int n = 0;
    for (const GameFrame& f : socket.SentFrames())
        n += f.Is(type) ? 1 : 0;
    return n;
}

std::string Line(const ui::Control& list) {
    return list.rows.empty() ? std::string() : list.rows.back();
}

// A client seated after an accepted login, directly connected.
class Link : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        h.client.tableState.seats[0].seatBit = kOwnSeat;
        h.client.tableState.seats[0].name = "alice";
    }
    // The server goes away; the link check notices within two ticks.
    void LoseServer() {
        app::OnSocketClosedByPeer(h.client);
        h.Ticks(2);
    }
    bool Retrying() const { return h.timers.IsRunning(TimerId::ReconnectRetry); }

    Harness h;
};

TEST_F(Link, KeepAliveGoesOutBetweenDealsStopsAtTheDealStartAndResumesOnlyWhenAMessageRestartsIt) {
    h.Ticks(102);  // 5.1 s after the login result: one keep-alive, sent on the next tick
    auto frames = h.socket.SentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Type(), 24);
    EXPECT_EQ(frames[0][6], kOwnSeat);
    h.Ticks(100);
    EXPECT_EQ(CountSent(h.socket, MessageType::KeepAlive), 2);

    h.Receive(DealStart());
    h.Ticks(20 * 60);  // a minute into the deal
    EXPECT_EQ(CountSent(h.socket, MessageType::KeepAlive), 2);

    GameFrame leave = net::MakeFrame(MessageType::PlayerLeave);  // nobody we know
    h.Receive(leave);
    h.Ticks(102);
    EXPECT_EQ(CountSent(h.socket, MessageType::KeepAlive), 3);
}

TEST_F(Link, TheReconnectFrameIsTheLoginFrameWithTheDealKeyAndLinkToken) {
    GameFrame deal = DealStart({0x80, 0xFF, 0x02, 0x01});
    deal[260] = 0x12;
    deal[261] = 0x34;
    h.Receive(deal);
    const GameFrame login = h.client.net.loginFrame;

    LoseServer();
    EXPECT_FALSE(h.client.protocol.loginAccepted);
    EXPECT_FALSE(h.client.net.linkCheck);
    EXPECT_TRUE(Retrying());
    h.socket.stateAfterConnect = SocketState::Connected;
    h.timers.Advance(3000);
    EXPECT_EQ(h.socket.connectCount, 2);
    EXPECT_EQ(h.socket.host, "127.0.0.1");
    EXPECT_EQ(Line(h.client.table.Sysmsg[0]), "正在重新连接服务器...");
    h.Ticks(4);  // the login poll writes the reconnect frame

    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    const GameFrame& reconnect = sent[0];
    EXPECT_EQ(reconnect.Type(), 28);
    EXPECT_EQ(Bytes(reconnect.bytes.begin() + 268, reconnect.bytes.end()),
              (Bytes{0x80, 0xFF, 0x02, 0x01}));
    EXPECT_EQ(reconnect[260], 0x12);
    EXPECT_EQ(reconnect[261], 0x34);
    for (std::size_t i = 0; i < 260; ++i) {
        if (i != 3) {
            EXPECT_EQ(reconnect[i], login[i]) << "byte " << i;
        }
    }
    EXPECT_TRUE(h.client.net.linkCheck);
    EXPECT_TRUE(h.client.net.loginSent);

    // Connected at the next retry tick: the cycle ends; the server's answer follows.
    h.timers.Advance(3000);
    EXPECT_FALSE(Retrying());
    EXPECT_EQ(h.socket.connectCount, 2);
    h.Receive(ReconnectResult(1));
    EXPECT_TRUE(h.client.protocol.loginAccepted);
    EXPECT_FALSE(h.client.net.loginSent);
    EXPECT_EQ(Line(h.client.table.Sysmsg[0]), "正在重连服务器，请等待...！");
}

TEST(LinkBeforeLogin, ASocketClosedBeforeTheLoginWasAcceptedIsNotReconnected) {
    Harness h;
    h.Start(DirectArgument());
    h.socket.state = SocketState::Connected;
    h.Ticks(4);  // the login frame goes out and the link check starts
    ASSERT_TRUE(h.client.net.linkCheck);

    app::OnSocketClosedByPeer(h.client);
    h.Ticks(20 * 30);
    EXPECT_EQ(h.socket.connectCount, 1);
    EXPECT_FALSE(h.timers.IsRunning(TimerId::ReconnectRetry));
    EXPECT_TRUE(h.client.net.linkCheck);  // the check just repeats
    EXPECT_FALSE(h.client.app.ended);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
}

TEST_F(Link,
       ADirectAttemptKeepsTheRingsDropsAPartialFrameAndSendsQueuedFramesAfterTheReconnectFrame) {
    const std::size_t readBefore = h.client.net.receive.read;
    ASSERT_NE(readBefore, 0u);  // the login result was taken out
    const GameFrame lost = DealStart();
    h.Arrive(std::span(lost.bytes).first(100));  // the link breaks in the middle of a frame

    h.Ticks(70);  // 3.5 s in, still between deals
    LoseServer();
    h.Ticks(40);  // the keep-alive falls due while the link is down and waits
    h.socket.stateAfterConnect = SocketState::Connected;
    h.timers.Advance(3000);
    EXPECT_EQ(h.client.net.receive.read, readBefore);
    EXPECT_EQ(h.client.net.receive.Waiting(), 0u);

    h.Ticks(6);
    EXPECT_EQ(SentTypes(h.socket), (std::vector<std::uint8_t>{28, 24}));
    h.Receive(ReconnectResult(1));
    EXPECT_EQ(h.client.protocol.lastDispatchedType, 29);
    EXPECT_TRUE(h.client.protocol.loginAccepted);
}

TEST(LinkThroughProxy, AProxyAttemptStartsFromEmptyRingsAndSendsTheReconnectFrameThroughTheRelay) {
    Harness h;
    h.socket.stateAfterConnect = SocketState::Connected;
    h.Start("alice$k3y$10.0.0.7$6000$练习室$5$127.0.0.1$1080$$$0$$$0$0$");
    h.Arrive(Bytes{5, 0});                                  // no authentication
    h.Arrive(Bytes{5, 0, 0, 1, 127, 0, 0, 1, 0x9C, 0x40});  // relaying
    GameFrame accepted = net::MakeFrame(MessageType::Login);
    accepted[15] = 1;
    h.Receive(accepted);
    ASSERT_TRUE(h.client.protocol.reconnectAllowed);
    h.Arrive(Bytes(100, 7));
    ASSERT_NE(h.client.net.receive.write, 0u);

    app::OnSocketClosedByPeer(h.client);
    h.Ticks(2);
    h.socket.sent.clear();
    h.timers.Advance(3000);
    EXPECT_EQ(h.socket.connectCount, 2);
    EXPECT_EQ(h.socket.host, "127.0.0.1");
    EXPECT_EQ(h.socket.port, 1080);
    EXPECT_EQ(h.client.net.receive.read, 0u);
    EXPECT_EQ(h.client.net.receive.write, 0u);
    EXPECT_EQ(h.socket.sent, (Bytes{5, 2, 0, 2}));

    h.Arrive(Bytes{5, 0});
    h.socket.sent.clear();  // the connect request
    h.Arrive(Bytes{5, 0, 0, 1, 127, 0, 0, 1, 0x9C, 0x40});
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].Type(), 28);
}

TEST_F(Link, TheWatchdogGivesTheTableUpAfterFiveHundredSilentSecondsOfADeal) {
    h.Receive(DealStart());
    // The receive step runs every second tick without traffic: 4990 steps.
    h.Ticks(2 * 4990);
    EXPECT_EQ(h.socket.closeCount, 0);
    EXPECT_TRUE(h.client.app.mainLoopOn);
    EXPECT_TRUE(h.client.protocol.dealInProgress);

    h.Ticks(20);  // 500 s
    EXPECT_EQ(Line(h.client.table.Sysmsg[0]), "已经与服务器断开连接，请重新入座！");
    EXPECT_EQ(h.socket.state, SocketState::Closed);
    EXPECT_FALSE(h.client.app.mainLoopOn);
    EXPECT_FALSE(h.client.protocol.dealInProgress);
    EXPECT_TRUE(h.client.table.window.minimized);
    EXPECT_TRUE(h.client.tableState.seats[0].name.empty());
    EXPECT_EQ(h.windows.PostsTo(kLobby).back(), (platform::WindowMessage{0x0112, 0xF120, 0}));
    EXPECT_FALSE(h.client.app.ended);
    // Nothing reconnects: the table was given up, not lost.
    h.timers.Advance(10000);
    EXPECT_EQ(h.socket.connectCount, 1);
}

TEST_F(Link, TwentyOneFailedAttemptsGiveUpWithTheOtherExitWindow) {
    h.Receive(DealStart());
    h.socket.stateAfterConnect = SocketState::Closed;  // every attempt is refused
    LoseServer();
    h.timers.Advance(21 * 3000);
    EXPECT_EQ(h.socket.connectCount, 1 + 21);
    EXPECT_FALSE(h.client.otherExit.window.visible);
    EXPECT_TRUE(h.client.app.mainLoopOn);  // its login poll waits for each connection

    h.timers.Advance(3000);
    EXPECT_TRUE(h.client.otherExit.window.visible);
    EXPECT_TRUE(h.client.otherExit.window.topmost);
    EXPECT_EQ(h.client.otherExit.Label1.caption, "网络已断开,请退出大厅重新登陆游戏");
    EXPECT_TRUE(h.client.table.window.minimized);
    EXPECT_EQ(h.windows.PostsTo(kLobby).back(), (platform::WindowMessage{0x0112, 0xF120, 0}));
    EXPECT_FALSE(Retrying());
    EXPECT_FALSE(h.client.app.mainLoopOn);
    EXPECT_FALSE(h.client.protocol.dealInProgress);
    h.timers.Advance(60000);
    EXPECT_EQ(h.socket.connectCount, 22);
    EXPECT_FALSE(h.client.app.ended);
}

TEST_F(Link, LeavingTheTableEndsARunningCycle) {
    h.socket.stateAfterConnect = SocketState::Closed;
    LoseServer();
    h.timers.Advance(3000);
    ASSERT_EQ(h.socket.connectCount, 2);
    net::LeaveTable(h.client);
    h.timers.Advance(30000);
    EXPECT_EQ(h.socket.connectCount, 2);
    EXPECT_FALSE(Retrying());
}

TEST_F(Link, ALaterLossAfterAReconnectionStartsAFreshCycle) {
    h.socket.stateAfterConnect = SocketState::Connected;
    LoseServer();
    h.timers.Advance(3000 + 200);  // one attempt, and the reconnect frame
    h.timers.Advance(3000);        // connected: the cycle ends
    h.Receive(ReconnectResult(1));
    ASSERT_FALSE(Retrying());

    LoseServer();
    EXPECT_TRUE(Retrying());
    EXPECT_EQ(h.client.net.reconnect.attempts, 0);
    h.timers.Advance(3000);
    EXPECT_EQ(h.socket.connectCount, 3);
}

TEST_F(Link, ResettingTheTableEmptiesItAndStopsTheConnectionWorkButKeepsTheRightToReconnect) {
    ui::TableWindow& t = h.client.table;
    t.Nid[1].caption = "西风";
    t.OK[2].visible = t.btnJiaofen[0].visible = t.Speak[3].visible = true;
    t.Imgwealth.visible = t.lbwealth.visible = true;
    h.client.players.records[1].nickname = "西风";
    h.client.players.seatedCount = 4;
    h.client.records.DealNumber = 3;
    h.client.score.window.visible = h.client.hero.window.visible = true;
    h.client.otherExit.window.visible = h.client.frmExit.visible = true;
    h.client.protocol.dealInProgress = true;

    shell::ResetTable(h.client);
    EXPECT_EQ(h.socket.state, SocketState::Closed);
    EXPECT_FALSE(h.client.app.mainLoopOn);
    EXPECT_FALSE(h.timers.IsRunning(TimerId::KeepAlive));
    EXPECT_FALSE(h.client.net.linkCheck);
    EXPECT_FALSE(h.client.protocol.dealInProgress);
    EXPECT_TRUE(t.Nid[1].caption.empty());
    EXPECT_TRUE(h.client.players.records[1].nickname.empty());
    EXPECT_TRUE(h.client.tableState.seats[0].name.empty());
    EXPECT_EQ(h.client.tableState.seats[0].seatBit, 0);
    EXPECT_FALSE(t.OK[2].visible || t.btnJiaofen[0].visible || t.Speak[3].visible);
    EXPECT_FALSE(t.Imgwealth.visible || t.lbwealth.visible);
    EXPECT_EQ(h.client.players.seatedCount, 0);
    EXPECT_EQ(h.client.records.DealNumber, 0);
    EXPECT_FALSE(h.client.score.window.visible || h.client.hero.window.visible);
    EXPECT_FALSE(h.client.otherExit.window.visible || h.client.frmExit.visible);
    EXPECT_TRUE(t.Sysmsg[0].rows.empty() && t.Sysmsg[1].rows.empty());
    EXPECT_TRUE(t.window.minimized);
    EXPECT_TRUE(h.client.buttons.startNotPressed);
    EXPECT_TRUE(h.client.protocol.reconnectAllowed);
}

}  // namespace
}  // namespace vantry::test
