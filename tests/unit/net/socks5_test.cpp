// The SOCKS5 handshake against a scripted proxy: the fakes play the proxy.

#include "net/socks5.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ProxyArgument(const std::string& user = "ab", const std::string& password = "xyz") {
    return "alice$k3y$10.0.0.7$6000$练习室$5$127.0.0.1$1080$" + user + "$" + password + "$0$$$0$0$";
}

TEST(Socks5Messages, AuthenticationAndConnectRequestByteForByte) {
    const auto parsed = app::ParseLaunchArgument(ProxyArgument());
    ASSERT_TRUE(parsed.params);
    EXPECT_EQ(net::GreetingMessage(), (Bytes{5, 2, 0, 2}));
    EXPECT_EQ(net::AuthMessage(*parsed.params), (Bytes{1, 2, 'a', 'b', 3, 'x', 'y', 'z'}));
    EXPECT_EQ(net::ConnectMessage(*parsed.params), (Bytes{5, 1, 0, 1, 10, 0, 0, 7, 23, 112}));
}

TEST(Socks5Messages, TheLengthOfAConnectReplyFollowsItsAddressType) {
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0}), 0);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 1}), 10);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 4}), 22);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 3}), 0);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 3, 9}), 16);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 7}), -1);
}

class Proxy : public ::testing::Test {
  protected:
    void Start(const std::string& argument = ProxyArgument()) {
        h.socket.connectsAtOnce = true;
        h.Start(argument);
    }
    // What the client sent since the last call.
    Bytes Sent() {
        Bytes out(h.socket.sent.begin() + static_cast<std::ptrdiff_t>(seen_), h.socket.sent.end());
        seen_ = h.socket.sent.size();
        return out;
    }
    void Reply(const Bytes& bytes, bool oneByteAtATime = false) {
        if (!oneByteAtATime)
            return h.Arrive(bytes);
        for (std::uint8_t b : bytes)
            h.Arrive(std::span(&b, 1));
    }
    const std::string& MessageShown() const { return h.messageBoxes.shown.at(0).first; }

    Harness h;
    std::size_t seen_ = 0;
};

const Bytes kIpv4Reply = {5, 0, 0, 1, 127, 0, 0, 1, 0x04, 0x38};

TEST_F(Proxy, WithUserAndPasswordTheLoginFrameGoesOutOnceTheRelayIsUp) {
    Start();
    EXPECT_EQ(h.socket.port, 1080);
    EXPECT_EQ(Sent(), (Bytes{5, 2, 0, 2}));
    EXPECT_TRUE(h.client.net.linkCheck);
    Reply({5, 2});
    EXPECT_EQ(Sent(), (Bytes{1, 2, 'a', 'b', 3, 'x', 'y', 'z'}));
    Reply({1, 0});
    EXPECT_EQ(Sent(), (Bytes{5, 1, 0, 1, 10, 0, 0, 7, 23, 112}));
    Reply(kIpv4Reply);
    const Bytes login = Sent();
    ASSERT_EQ(login.size(), 272u);
    EXPECT_EQ(login[3], 18);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"连接代理服务器成功！"});
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 1);
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Bong));
    EXPECT_TRUE(h.client.net.toReceiveRing);
    EXPECT_TRUE(h.messageBoxes.shown.empty());
}

TEST_F(Proxy, AGreetingAnsweredWithoutAuthenticationGoesStraightToConnect) {
    Start();
    Sent();
    Reply({5, 0});
    EXPECT_EQ(Sent(), (Bytes{5, 1, 0, 1, 10, 0, 0, 7, 23, 112}));
}

TEST_F(Proxy, RefusalsShowTheirMessageAndCloseTheSocket) {
    struct Case {
        std::vector<Bytes> replies;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{{5, 255}}, "请求代理失败！"},
        {{{4, 0}}, "请求代理失败！"},
        {{{5, 2}, {1, 1}}, "代理服务器用户验证失败！"},
        {{{5, 0}, {5, 1, 0, 1}}, "通过代理连接主站失败！"},
        {{{5, 0}, {5, 0, 0, 9}}, "通过代理连接主站失败！"},  // no such address type
    };
    for (const Case& c : cases) {
        Harness fresh;
        fresh.socket.connectsAtOnce = true;
        fresh.Start(ProxyArgument());
        for (const Bytes& r : c.replies)
            fresh.Arrive(r);
        ASSERT_EQ(fresh.messageBoxes.shown.size(), 1u) << c.message;
        EXPECT_EQ(fresh.messageBoxes.shown[0].first, c.message);
        EXPECT_EQ(fresh.socket.closeCount, 1);
        const std::size_t sent = fresh.socket.sent.size();
        fresh.Arrive(Bytes{5, 0, 1, 0});  // nothing more is sent after a refusal
        EXPECT_EQ(fresh.socket.sent.size(), sent);
        EXPECT_EQ(fresh.messageBoxes.shown.size(), 1u);
    }
}

TEST_F(Proxy, RepliesOneByteAtATimeAreJudgedOnlyWhenWhole) {
    Start();
    Sent();
    Reply({5, 2}, true);
    Sent();
    // Byte 1 of the ring still holds the 2 of the greeting reply: the first
    // byte of the authentication reply alone must not be judged with it.
    Reply({1, 0}, true);
    EXPECT_TRUE(h.messageBoxes.shown.empty());
    EXPECT_EQ(Sent().size(), 10u);
    for (std::size_t i = 0; i + 1 < kIpv4Reply.size(); ++i) {
        Reply({kIpv4Reply[i]});
        EXPECT_TRUE(Sent().empty()) << "after byte " << i;
    }
    Reply({kIpv4Reply.back()});
    EXPECT_EQ(Sent().size(), 272u);
    h.Ticks(10);
    EXPECT_EQ(h.client.protocol.framesDispatched, 0u);  // no handshake byte became game data
}

TEST_F(Proxy, GameDataRightAfterADomainReplyIsDispatched) {
    Start();
    Reply({5, 0});
    Bytes arrival = {5, 0, 0, 3, 9, 'l', 'o', 'c', 'a', 'l', 'h', 'o', 's', 't', 0x17, 0x70};
    net::GameFrame ready = net::MakeFrame(net::MessageType::PlayerReady);
    ready[260] = 0x42;
    arrival.insert(arrival.end(), ready.bytes.begin(), ready.bytes.end());
    Reply(arrival);
    h.Ticks(2);
    EXPECT_EQ(h.client.protocol.framesDispatched, 1u);
    EXPECT_EQ(h.client.protocol.lastDispatchedType, 23);
    EXPECT_EQ(h.client.net.linkToken[0], 0x42);
}

TEST_F(Proxy, AnUnreachableProxyIsGivenUpAfterFifteenSeconds) {
    h.Start(ProxyArgument());  // the socket never connects
    EXPECT_EQ(h.timers.NowMs(), 15000);
    ASSERT_EQ(h.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(MessageShown(), "无法连接代理服务器！");
    EXPECT_EQ(h.socket.closeCount, 1);
    EXPECT_TRUE(h.socket.sent.empty());
    EXPECT_FALSE(h.client.app.ended);
}

TEST_F(Proxy, GarbageOrAClosedProxyNeverLeaksIntoTheGame) {
    Start();
    Bytes garbage(300);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 37);
    Reply(garbage);
    app::OnSocketClosedByPeer(h.client);
    h.Ticks(20);
    EXPECT_EQ(h.client.protocol.framesDispatched, 0u);
    EXPECT_FALSE(h.client.net.toReceiveRing);
}

TEST_F(Proxy, AFullProxyRingEndsTheClient) {
    Start();
    Reply(Bytes(1023, 5));
    EXPECT_FALSE(h.client.app.ended);
    Reply(Bytes(1, 5));
    EXPECT_TRUE(h.client.app.ended);
}

}  // namespace
}  // namespace vantry::test
