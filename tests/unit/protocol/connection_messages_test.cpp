// The login result and the reconnection result, through the receive ring.

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using net::GameFrame;
using net::MessageType;

GameFrame LoginResult(std::uint8_t result, std::uint8_t turnTime = 15, const std::string& ad = "") {
    GameFrame f = net::MakeFrame(MessageType::Login);
    f[9] = 3;
    f[11] = turnTime;
    f[15] = result;
    for (std::size_t i = 0; i < ad.size(); ++i)
        f[16 + i] = static_cast<std::uint8_t>(ad[i]);
    return f;
}

class Connection : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Start(DirectArgument());
        h.socket.state = platform::SocketState::Connected;
        h.Ticks(4);  // login frame sent
    }
    void Receive(const GameFrame& f) {
        h.Arrive(f);
        h.Ticks(2);
    }
    Harness h;
};

TEST_F(Connection, AnAcceptedLoginSeatsTheClient) {
    h.client.net.held[0].hold = true;
    h.client.net.held[1].frame[3] = 45;
    Receive(LoginResult(1, 15, "http://ads.example/v"));
    const protocol::ProtocolState& s = h.client.protocol;
    EXPECT_TRUE(s.loginAccepted);
    EXPECT_TRUE(s.reconnectAllowed);
    EXPECT_TRUE(s.g_bTimeLimit);
    EXPECT_EQ(s.unattendedLimit, 3);
    EXPECT_EQ(h.client.tableState.TurnTime, 15);
    EXPECT_FALSE(h.client.net.loginSent);
    EXPECT_FALSE(h.client.net.held[0].hold);
    EXPECT_EQ(h.client.net.held[1].frame, GameFrame{});
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::KeepAlive));
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"连接服务器成功！"});
    EXPECT_EQ(h.client.table.Sysmsg[1].rows.at(0).rfind("欢迎进入", 0), 0u);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 2);  // login sent, then accepted
    EXPECT_TRUE(h.client.table.WebBrowser1.visible);
    EXPECT_EQ(h.client.table.WebBrowser1.caption, "http://ads.example/v");
    EXPECT_EQ(s.secondAdAddress, "http://ads.example/v.gamead");
}

TEST_F(Connection, WithoutAnAddressTheAdvertisementPanesStayAsTheyWere) {
    Receive(LoginResult(1));
    EXPECT_FALSE(h.client.table.WebBrowser1.visible);
    EXPECT_TRUE(h.client.protocol.adAddress.empty());
}

TEST_F(Connection, TheBossKeyMarkMakesTheTurnTwoSeconds) {
    h.client.tableState.BossKeyMark = true;
    h.client.tableState.FastTurn = true;
    Receive(LoginResult(1, 30));
    EXPECT_EQ(h.client.tableState.TurnTime, 2);
    EXPECT_FALSE(h.client.tableState.FastTurn);
}

TEST_F(Connection, ARefusedLoginTellsWhyAndEnds) {
    struct Case {
        std::uint8_t result;
        const char* line;
    };
    for (const Case& c : {Case{2, "启动游戏失败，请重新在大厅就座后进入游戏！"},
                          Case{0, "验证错误，请重新在大厅就座后进入游戏！"},
                          Case{7, "验证错误，请重新在大厅就座后进入游戏！"}}) {
        Harness refused;
        refused.Start(DirectArgument());
        refused.socket.state = platform::SocketState::Connected;
        refused.Ticks(4);
        const int connects = refused.windows.CountPosts(kLobby, 0x16);
        refused.Arrive(LoginResult(c.result));
        refused.Ticks(2);
        EXPECT_TRUE(refused.client.app.ended) << int(c.result);
        EXPECT_EQ(refused.client.table.Sysmsg[0].rows, std::vector<std::string>{c.line});
        EXPECT_EQ(refused.windows.CountPosts(kLobby, 0x16), connects + 1);
        const auto posts = refused.windows.PostsTo(kLobby);
        EXPECT_EQ(posts.back(), (platform::WindowMessage{0x112, 0xF120, 0}));
    }
}

TEST_F(Connection, AnAcceptedReconnectionKeepsTheLinkToken) {
    GameFrame token = net::MakeFrame(MessageType::PlayerReady);
    token[260] = 7;
    Receive(token);
    GameFrame result = net::MakeFrame(MessageType::ReconnectResult);
    result[15] = 1;
    result[260] = 99;
    Receive(result);
    EXPECT_EQ(h.client.net.linkToken[0], 7);
    EXPECT_TRUE(h.client.protocol.loginAccepted);
    EXPECT_TRUE(h.client.protocol.reconnected);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows,
              std::vector<std::string>{"正在重连服务器，请等待...！"});
    EXPECT_FALSE(h.client.app.ended);
}

TEST_F(Connection, ARefusedReconnectionShowsTheMessageAndEnds) {
    Receive(net::MakeFrame(MessageType::ReconnectResult));
    ASSERT_EQ(h.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(h.messageBoxes.shown[0].first, "重连服务器失败，退出后请重新入座！");
    EXPECT_TRUE(h.client.app.ended);
}

}  // namespace
}  // namespace vantry::test
