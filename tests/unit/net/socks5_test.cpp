// Connecting through a SOCKS5 proxy, against a scripted proxy behind the fake socket.

#include "net/socks5.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes.h"

namespace vantry::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::SocketState;

std::string ProxyArgument(const std::string& user = "ab", const std::string& password = "xyz") {
    return "alice$k3y$10.0.0.7$6000$练习室$5$127.0.0.1$1080$" + user + "$" + password + "$0$$$0$0$";
}

const Bytes kGreeting = {5, 2, 0, 2};
const Bytes kAuth = {1, 2, 'a', 'b', 3, 'x', 'y', 'z'};
const Bytes kConnect = {5, 1, 0, 1, 10, 0, 0, 7, 23, 112};  // 6000 = 23 * 256 + 112
const Bytes kIpv4Reply = {5, 0, 0, 1, 127, 0, 0, 1, 0x9C, 0x40};

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

net::GameFrame GameFrameWithToken(std::uint8_t type, std::uint8_t t0, std::uint8_t t1) {
    net::GameFrame frame = net::MakeFrame(static_cast<net::MessageType>(type));
    frame[net::offset::kLinkToken] = t0;
    frame[net::offset::kLinkToken + 1] = t1;
    return frame;
}

// A client started through the proxy, and the proxy's side of the script.
struct ScriptedProxy {
    // Startup through the proxy; the proxy accepts the TCP connection at once.
    void StartConnected(const std::string& user = "ab", const std::string& password = "xyz") {
        h.socket.stateAfterConnect = SocketState::Connected;
        h.Start(ProxyArgument(user, password));
    }
    // What the client has written since the last call.
    Bytes TakeSent() {
        Bytes sent = h.socket.sent;
        h.socket.sent.clear();
        return sent;
    }
    void Arrive(const Bytes& bytes) { h.Arrive(bytes); }
    void ArriveOneByOne(const Bytes& bytes) {
        for (std::uint8_t b : bytes)
            h.Arrive(Bytes{b});
    }
    // Greeting answered with user name/password, authentication accepted.
    void UpToConnectRequest() {
        StartConnected();
        TakeSent();
        Arrive({5, 2});
        ASSERT_EQ(TakeSent(), kAuth);
        Arrive({1, 0});
        ASSERT_EQ(TakeSent(), kConnect);
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& [text, title] : h.messageBoxes.shown)
            texts.push_back(text);
        return texts;
    }
    bool LoginFrameSent() const {
        for (const net::GameFrame& f : h.socket.SentFrames())
            if (f == h.client.net.loginFrame)
                return true;
        return false;
    }

    Harness h;
};

class Socks5 : public ::testing::Test, public ScriptedProxy {};

TEST(Socks5Messages, HaveTheLayoutsTheProxyExpects) {
    app::LaunchParams p;
    p.ProxyUser = "ab";
    p.ProxyUserLength = 2;
    p.ProxyPassword = "xyz";
    p.ProxyPasswordLength = 3;
    p.ServerHost = "10.0.0.7";
    p.ServerPort = 6000;
    EXPECT_EQ(net::GreetingMessage(), kGreeting);
    EXPECT_EQ(net::AuthMessage(p), kAuth);  // 2 + 3 + 3 = 8 bytes
    EXPECT_EQ(net::ConnectMessage(p), kConnect);

    // A character beyond one byte is sent as 0 and still counts one.
    p.ProxyUser = "a中";
    p.ProxyUserLength = 2;
    EXPECT_EQ(net::AuthMessage(p), (Bytes{1, 2, 'a', 0, 3, 'x', 'y', 'z'}));
    // A port above 255 in both bytes, high byte first.
    p.ServerHost = "192.168.1.200";
    p.ServerPort = 32767;
    EXPECT_EQ(net::ConnectMessage(p), (Bytes{5, 1, 0, 1, 192, 168, 1, 200, 0x7F, 0xFF}));
}

TEST(Socks5Messages, AConnectReplyIsMeasuredByItsAddressType) {
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0}), 0);
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 1}), 10);     // 4 + 4 + 2
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 4}), 22);     // 4 + 16 + 2
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 3}), 0);      // the name length is next
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 3, 9}), 16);  // 4 + 1 + 9 + 2
    EXPECT_EQ(net::ConnectReplyLength(Bytes{5, 0, 0, 7}), -1);
}

TEST_F(Socks5, AUserNamePasswordHandshakeSendsTheLoginFrameAndHandsOverToTheGame) {
    StartConnected();
    EXPECT_EQ(h.socket.host, "127.0.0.1");
    EXPECT_EQ(h.socket.port, 1080);
    EXPECT_EQ(TakeSent(), kGreeting);
    EXPECT_FALSE(h.client.net.toReceiveRing);
    EXPECT_TRUE(h.client.net.loginSent);
    EXPECT_TRUE(h.client.net.linkCheck);
    // At startup the main loop waits for the relay.
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Bong));

    Arrive({5, 2});
    EXPECT_EQ(TakeSent(), kAuth);
    Arrive({1, 0});
    EXPECT_EQ(TakeSent(), kConnect);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 0);
    Arrive(kIpv4Reply);

    const Bytes sent = TakeSent();
    ASSERT_EQ(sent.size(), net::kFrameSize);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), h.client.net.loginFrame.bytes.begin()));
    EXPECT_TRUE(h.client.net.toReceiveRing);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 1);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"连接代理服务器成功！"});
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Bong));
    EXPECT_EQ(h.client.net.receive.Waiting(), 0u);  // no reply byte became game data

    h.Arrive(GameFrameWithToken(99, 0x12, 0x34));
    h.Ticks(2);
    EXPECT_EQ(h.client.protocol.framesDispatched, 1u);
    EXPECT_EQ(h.client.net.linkToken, (std::array<std::uint8_t, 2>{0x12, 0x34}));
    EXPECT_TRUE(h.messageBoxes.shown.empty());
}

TEST_F(Socks5, AGreetingAnsweredWithNoAuthenticationGetsTheConnectRequestNext) {
    StartConnected();
    TakeSent();
    Arrive({5, 0});
    EXPECT_EQ(TakeSent(), kConnect);
    Arrive(kIpv4Reply);
    EXPECT_TRUE(LoginFrameSent());
}

TEST_F(Socks5, EachRefusalShowsItsMessageClosesTheSocketAndIsNotRetried) {
    struct Case {
        std::vector<Bytes> replies;  // the proxy's answers, the last one refused
        const char* message;
    };
    const Case cases[] = {
        {{{5, 255}}, "请求代理失败！"},
        {{{4, 0}}, "请求代理失败！"},
        {{{5, 2}, {1, 1}}, "代理服务器用户验证失败！"},
        {{{5, 2}, {5, 0}}, "代理服务器用户验证失败！"},
        {{{5, 0}, {5, 5, 0, 1, 0, 0, 0, 0, 0, 0}}, "通过代理连接主站失败！"},
        {{{5, 2}, {1, 0}, {5, 1, 0, 1, 0, 0, 0, 0, 0, 0}}, "通过代理连接主站失败！"},
        {{{5, 0}, {5, 0, 0, 9, 1, 2, 3}}, "通过代理连接主站失败！"},  // no such address type
    };
    for (const Case& c : cases) {
        ScriptedProxy t;
        t.StartConnected();
        for (const Bytes& reply : c.replies)
            t.Arrive(reply);

        EXPECT_EQ(t.Shown(), std::vector<std::string>{c.message}) << c.message;
        EXPECT_EQ(t.h.messageBoxes.shown[0].second, "警告");
        EXPECT_EQ(t.h.socket.state, SocketState::Closed) << c.message;
        EXPECT_FALSE(t.LoginFrameSent()) << c.message;
        EXPECT_EQ(t.h.client.net.receive.Waiting(), 0u) << c.message;
        // Nothing more happens: later bytes, ticks and time bring no second try.
        t.Arrive({5, 0, 5, 0, 0, 1});
        t.h.Ticks(200);
        EXPECT_EQ(t.h.socket.connectCount, 1) << c.message;
        EXPECT_EQ(t.Shown().size(), 1u) << c.message;
        EXPECT_FALSE(t.h.client.app.ended) << c.message;
    }
}

TEST_F(Socks5, RepliesArrivingOneByteAtATimeAreJudgedOnlyWhenWhole) {
    StartConnected();
    TakeSent();
    ArriveOneByOne({5, 2});
    EXPECT_EQ(TakeSent(), kAuth);
    // The authentication reply's first byte alone: offset 1 still holds the 2
    // of the greeting reply, which must not be read as this reply's status.
    Arrive({1});
    EXPECT_TRUE(TakeSent().empty());
    EXPECT_TRUE(h.messageBoxes.shown.empty());
    Arrive({0});
    EXPECT_EQ(TakeSent(), kConnect);

    for (std::size_t i = 0; i + 1 < kIpv4Reply.size(); ++i) {
        Arrive({kIpv4Reply[i]});
        EXPECT_TRUE(h.socket.sent.empty()) << "after byte " << i;
        EXPECT_FALSE(h.client.net.toReceiveRing) << "after byte " << i;
    }
    Arrive({kIpv4Reply.back()});
    EXPECT_TRUE(LoginFrameSent());
    EXPECT_EQ(h.client.net.receive.Waiting(), 0u);
    EXPECT_TRUE(h.messageBoxes.shown.empty());
}

TEST_F(Socks5, TheWholeConnectReplyIsConsumedAndWhatFollowsIsGameDataHoweverItIsSplit) {
    const Bytes ipv6 = Concat({5, 0, 0, 4}, Concat(Bytes(16, 0xAB), {0x17, 0x70}));
    const Bytes domain = Concat(
        {5, 0, 0, 3, 9}, Concat(Bytes{'p', 'r', 'o', 'x', 'y', '.', 'l', 'a', 'n'}, {0x17, 0x70}));
    const net::GameFrame frame = GameFrameWithToken(18, 0x56, 0x78);
    const Bytes game(frame.bytes.begin(), frame.bytes.end());
    for (const Bytes& reply : {kIpv4Reply, ipv6, domain}) {
        const Bytes stream = Concat(reply, game);
        // Split into two arrivals at every point near the reply, or not at all.
        for (std::size_t split = 1; split <= reply.size() + 3; ++split) {
            ScriptedProxy t;
            t.UpToConnectRequest();
            t.Arrive(Bytes(stream.begin(), stream.begin() + static_cast<long>(split)));
            t.Arrive(Bytes(stream.begin() + static_cast<long>(split), stream.end()));

            ASSERT_TRUE(t.LoginFrameSent()) << reply.size() << " split " << split;
            ASSERT_EQ(t.h.client.net.receive.Waiting(), net::kFrameSize)
                << reply.size() << " split " << split;
            t.h.Ticks(2);
            EXPECT_EQ(t.h.client.protocol.framesDispatched, 1u);
            EXPECT_EQ(t.h.client.protocol.lastDispatchedType, 18);
            EXPECT_EQ(t.h.client.net.linkToken, (std::array<std::uint8_t, 2>{0x56, 0x78}));
        }
    }
}

TEST_F(Socks5, ADomainBoundAddressWithTheFirstFrameInTheSameArrivalDispatchesTheFrame) {
    UpToConnectRequest();
    const Bytes domain = {5, 0, 0, 3, 4, 'h', 'o', 's', 't', 0x17, 0x70};
    net::GameFrame first = GameFrameWithToken(20, 1, 2);
    first[6] = 0x04;
    Arrive(Concat(domain, Bytes(first.bytes.begin(), first.bytes.end())));
    EXPECT_TRUE(LoginFrameSent());
    h.Ticks(2);
    EXPECT_EQ(h.client.protocol.framesDispatched, 1u);
    EXPECT_EQ(h.client.protocol.lastDispatchedType, 20);
    EXPECT_EQ(h.client.net.receive.Waiting(), 0u);
}

TEST_F(Socks5, GarbageOrAHangUpMidHandshakeEndsItWithAMessageAndNoGameData) {
    struct Case {
        Bytes before;  // replies accepted before the fault
        Bytes garbage;
        bool hangUp;
        const char* message;
    };
    const Case cases[] = {
        {{}, {'H', 'T', 'T', 'P', '/', '1', '.', '1', ' ', '4', '0', '0'}, false, "请求代理失败！"},
        {{}, {}, true, "请求代理失败！"},
        {{5, 2}, {0xFF, 0xFE, 0xFD}, false, "代理服务器用户验证失败！"},
        {{5, 2}, {1}, true, "代理服务器用户验证失败！"},
        {{5, 0}, {5, 0, 0, 3}, true, "通过代理连接主站失败！"},
        {{5, 0}, {5, 0, 0, 1, 127, 0}, true, "通过代理连接主站失败！"},
    };
    for (const Case& c : cases) {
        ScriptedProxy t;
        t.StartConnected();
        if (!c.before.empty())
            t.Arrive(c.before);
        if (!c.garbage.empty())
            t.Arrive(c.garbage);
        if (c.hangUp)
            app::OnSocketClosedByPeer(t.h.client);
        EXPECT_EQ(t.Shown(), std::vector<std::string>{c.message}) << c.message;
        EXPECT_EQ(t.h.socket.state, SocketState::Closed);
        EXPECT_FALSE(t.LoginFrameSent());
        EXPECT_EQ(t.h.client.net.receive.Waiting(), 0u);
        EXPECT_FALSE(t.h.client.app.ended);
        // A close after the refusal adds nothing.
        app::OnSocketClosedByPeer(t.h.client);
        EXPECT_EQ(t.Shown().size(), 1u);
    }
}

TEST_F(Socks5, AProxyRingOverflowGivesTheSeatBackAndEnds) {
    StartConnected();
    Arrive(Bytes(1024, 5));  // 1024 bytes fill the ring before any reply step
    EXPECT_TRUE(h.client.app.ended);
    EXPECT_EQ(h.process.quitCount, 1);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x112), 2);  // startup's restore and this one
    EXPECT_EQ(h.client.net.receive.Waiting(), 0u);
}

TEST_F(Socks5, AProxyThatNeverAcceptsIsGivenUpAfterFifteenSeconds) {
    h.Start(ProxyArgument());  // the socket stays "connecting"
    EXPECT_GE(h.timers.now, 15000);
    EXPECT_LT(h.timers.now, 15200);  // steps of 100 ms
    EXPECT_EQ(Shown(), std::vector<std::string>{"无法连接代理服务器！"});
    EXPECT_EQ(h.socket.state, SocketState::Closed);
    EXPECT_TRUE(h.socket.sent.empty());
    EXPECT_TRUE(h.client.app.started);  // the table is shown; the lobby can seat again
    EXPECT_FALSE(h.client.app.ended);
}

TEST_F(Socks5, ARefusedProxyConnectionIsReportedAtOnce) {
    h.socket.stateAfterConnect = SocketState::Closed;
    h.Start(ProxyArgument());
    EXPECT_LT(h.timers.now, 1000);
    EXPECT_EQ(Shown(), std::vector<std::string>{"无法连接代理服务器！"});
    EXPECT_TRUE(h.socket.sent.empty());
}

TEST_F(Socks5, TheWaitEndsAsSoonAsTheProxyAcceptsWhileOtherEventsRun) {
    // Another timer running during the wait makes the proxy accept after 2 s.
    h.timers.onFire = [this](platform::TimerId id) {
        if (id == platform::TimerId::Chat)
            h.socket.state = SocketState::Connected;
    };
    h.timers.Start(platform::TimerId::Chat, 2000);
    h.Start(ProxyArgument());
    EXPECT_GE(h.timers.now, 2000);
    EXPECT_LT(h.timers.now, 2200);
    EXPECT_EQ(h.socket.sent, kGreeting);
    EXPECT_TRUE(h.messageBoxes.shown.empty());
}

}  // namespace
}  // namespace vantry::test
