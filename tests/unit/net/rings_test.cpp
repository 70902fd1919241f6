// The frame rings as the main loop drives them: one frame out and at most one
// frame in per 50 ms tick.

#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "fakes.h"
#include "net/send_frame.h"

namespace vantry::test {
namespace {

using net::GameFrame;
using net::MakeFrame;
using net::MessageType;

GameFrame Numbered(MessageType type, std::uint8_t mark) {
    GameFrame f = MakeFrame(type);
    f[100] = mark;
    return f;
}

// A client that has started, connected and sent its login frame.
class Rings : public ::testing::Test {
  protected:
    void SetUp() override {
        h.Start(DirectArgument());
        h.socket.state = platform::SocketState::Connected;
        h.Ticks(4);  // the login poll sends the login frame on the fourth tick
        h.socket.sent.clear();
    }
    std::uint64_t Dispatched() const { return h.client.protocol.framesDispatched; }
    void Queue(GameFrame f) { net::SendFrame(h.client.net, f); }

    Harness h;
};

TEST_F(Rings, TwoFramesInOneArrivalAreDispatchedOnConsecutiveTicksStartingAtTheSecond) {
    std::vector<std::uint8_t> two;
    for (std::uint8_t mark : {1, 2}) {
        const GameFrame f = Numbered(MessageType::PlayerReady, mark);
        two.insert(two.end(), f.bytes.begin(), f.bytes.end());
    }
    h.Arrive(two);
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 0u);
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 1u);
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 2u);
    h.Ticks(5);
    EXPECT_EQ(Dispatched(), 2u);
}

TEST_F(Rings, AFrameSplitOverTwoArrivalsIsDispatchedOnlyWhenWhole) {
    const GameFrame f = MakeFrame(MessageType::PlayerReady);
    h.Arrive(std::span(f.bytes).first(100));
    h.Ticks(10);
    EXPECT_EQ(Dispatched(), 0u);
    h.Arrive(std::span(f.bytes).subspan(100));
    h.Ticks(2);
    EXPECT_EQ(Dispatched(), 1u);
}

TEST_F(Rings, EveryArrivalPostponesTheNextDispatch) {
    h.Arrive(MakeFrame(MessageType::PlayerReady));
    h.Ticks(1);
    h.Arrive(MakeFrame(MessageType::PlayerReady));
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 0u);
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 1u);
}

TEST_F(Rings, AHeldPlayerLeaveFrameBlocksLaterFramesUntilReleased) {
    h.client.net.holdPlayerLeave = true;
    h.Arrive(MakeFrame(MessageType::PlayerLeave));
    h.Arrive(MakeFrame(MessageType::PlayerReady));
    h.Ticks(20);
    EXPECT_EQ(Dispatched(), 0u);
    h.client.net.holdPlayerLeave = false;
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 1u);
    EXPECT_EQ(h.client.protocol.lastDispatchedType, 21);
    h.Ticks(1);
    EXPECT_EQ(Dispatched(), 2u);
}

TEST_F(Rings, DispatchRecordsTheLinkTokenExceptFromReconnectionResults) {
    GameFrame f = MakeFrame(MessageType::PlayerReady);
    f[260] = 0x12;
    f[261] = 0x34;
    GameFrame reconnect = MakeFrame(MessageType::ReconnectResult);
    reconnect[15] = 1;  // accepted
    reconnect[260] = 0x99;
    h.Arrive(f);
    h.Arrive(reconnect);
    h.Ticks(3);
    ASSERT_EQ(Dispatched(), 2u);
    EXPECT_EQ(h.client.net.linkToken, (std::array<std::uint8_t, 2>{0x12, 0x34}));

    GameFrame chat = MakeFrame(MessageType::Chat);
    chat.PutU32Be(net::offset::kChatLength, 272);
    Queue(chat);
    h.Ticks(1);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][260], 0x12);
    EXPECT_EQ(sent[0][261], 0x34);
}

TEST_F(Rings, ThreeFramesQueuedInOneTickLeaveOnThreeConsecutiveTicks) {
    for (std::uint8_t mark : {1, 2, 3})
        Queue(Numbered(MessageType::KeepAlive, mark));
    for (std::size_t tick = 1; tick <= 3; ++tick) {
        h.Ticks(1);
        const auto sent = h.socket.SentFrames();
        ASSERT_EQ(sent.size(), tick);
        EXPECT_EQ(sent.back()[100], tick);
    }
    h.Ticks(3);
    EXPECT_EQ(h.socket.SentFrames().size(), 3u);
    EXPECT_FALSE(h.client.net.transmit.pending);
}

TEST_F(Rings, QueuedFramesWaitWhileTheSocketIsNotConnected) {
    h.socket.state = platform::SocketState::Closed;
    Queue(MakeFrame(MessageType::KeepAlive));
    h.Ticks(5);
    EXPECT_TRUE(h.socket.sent.empty());
    h.socket.state = platform::SocketState::Connected;
    h.Ticks(1);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
}

TEST_F(Rings, TypeFortyFiveFramesOfTheHeldKindsAreCapturedWhileTheirFlagIsSet) {
    auto plugin = [](std::uint16_t kindTimesEight, std::uint8_t mark) {
        GameFrame f = Numbered(MessageType::PluginData45, mark);
        f.PutU16Be(8, kindTimesEight);
        return f;
    };
    h.client.net.held[0].hold = true;
    h.client.net.held[1].hold = true;
    Queue(plugin(0x0408, 1));       // 1032 / 8 = 129: first held kind
    Queue(plugin(386 * 8 + 7, 2));  // 3095 / 8 = 386: second held kind
    Queue(plugin(0x0408, 3));       // flag cleared by the capture: sent
    Queue(plugin(0x0410, 4));       // 1040 / 8 = 130: never held
    h.Ticks(4);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0][100], 3);
    EXPECT_EQ(sent[1][100], 4);
    EXPECT_EQ(h.client.net.held[0].frame[100], 1);
    EXPECT_EQ(h.client.net.held[1].frame[100], 2);
    EXPECT_FALSE(h.client.net.held[0].hold);
    EXPECT_FALSE(h.client.net.held[1].hold);
}

TEST_F(Rings, ALeaveFrameGivesTheSeatBackToTheLobby) {
    GameFrame leave = MakeFrame(MessageType::TableStatus);
    Queue(leave);
    h.Ticks(1);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
    EXPECT_TRUE(h.client.table.window.minimized);
    const auto posts = h.windows.PostsTo(kLobby);
    ASSERT_FALSE(posts.empty());
    EXPECT_EQ(posts.back(), (platform::WindowMessage{0x112, 0xF120, 0}));
    EXPECT_FALSE(h.client.app.ended);
}

TEST_F(Rings, ALeaveFrameWithoutALobbyEndsTheClient) {
    h.windows.windows.clear();
    Queue(MakeFrame(MessageType::TableStatus));
    h.Ticks(1);
    EXPECT_TRUE(h.client.app.ended);
    EXPECT_EQ(h.process.quitCount, 1);
}

TEST_F(Rings, AFullReceiveRingRestoresTheLobbyAndEndsTheClient) {
    // The ring holds 128 frames; the byte that makes the write index catch up
    // with the read index ends the client.
    std::vector<std::uint8_t> bytes(net::kRingSize - 1, 0);
    h.Arrive(bytes);
    EXPECT_FALSE(h.client.app.ended);
    const std::uint8_t one = 0;
    h.Arrive(std::span(&one, 1));
    EXPECT_TRUE(h.client.app.ended);
    EXPECT_EQ(h.windows.PostsTo(kLobby).back(), (platform::WindowMessage{0x112, 0xF120, 0}));
}

// --- SendFrame's chat path ---------------------------------------------------

class ChatFrames : public Rings {
  protected:
    std::vector<GameFrame> SendChat(const std::string& text) {
        h.client.net.pendingChatText = text;
        GameFrame f = MakeFrame(MessageType::Chat);
        f.PutU32Be(net::offset::kChatLength, 5);
        for (std::size_t i = 16; i < 236; ++i)
            f[i] = 0xAA;  // stale bytes must go
        Queue(f);
        h.Ticks(1);
        return h.socket.SentFrames();
    }
};

TEST_F(ChatFrames, ALongTextIsCutToItsFirstHundredCharacters) {
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += "牌";
    const auto sent = SendChat(text);
    ASSERT_EQ(sent.size(), 1u);
    // 100 double-byte characters: bytes 16..215, then zeros.
    const std::string gbk = "\xC5\xC6";  // 牌 in GBK
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(sent[0][16 + 2 * i], 0xC5);
        EXPECT_EQ(sent[0][17 + 2 * i], 0xC6);
    }
    for (std::size_t i = 216; i < 260; ++i)
        EXPECT_EQ(sent[0][i], 0) << i;
    EXPECT_TRUE(h.client.net.pendingChatText.empty());
}

TEST_F(ChatFrames, AShortTextClearsEverythingAfterIt) {
    const auto sent = SendChat("hi");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][16], 'h');
    EXPECT_EQ(sent[0][17], 'i');
    for (std::size_t i = 18; i < 260; ++i)
        EXPECT_EQ(sent[0][i], 0) << i;
}

TEST_F(ChatFrames, AnEmptyPendingTextQueuesNothing) {
    EXPECT_TRUE(SendChat("").empty());
    EXPECT_FALSE(h.client.net.transmit.pending);
}

TEST_F(ChatFrames, PluginDataFramesAreQueuedUnchanged) {
    GameFrame f = MakeFrame(MessageType::Chat);
    f.PutU32Be(net::offset::kChatLength, 272);
    for (std::size_t i = 16; i < 236; ++i)
        f[i] = static_cast<std::uint8_t>(i);
    h.client.net.pendingChatText = "not used";
    Queue(f);
    h.Ticks(1);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], f);
    EXPECT_EQ(h.client.net.pendingChatText, "not used");
}

// --- the chat-button flash ---------------------------------------------------

TEST_F(Rings, TheChatButtonFlashesEightTimesAndEndsOnItsNormalPicture) {
    const int normal = h.client.pictures.bottomBar[2];
    const int hover = h.client.pictures.bottomBar[3];
    app::StartChatFlash(h.client);
    std::vector<int> seen;
    for (int step = 0; step < 10; ++step) {
        h.Ticks(8);  // one picture change every 8 ticks (400 ms)
        seen.push_back(h.client.table.AnNiu[1].picture.resourceId);
    }
    // Count 8 (even): hover; 7: normal; ... 1: normal; 0: normal and done.
    const std::vector<int> expected = {hover,  normal, hover,  normal, hover,
                                       normal, hover,  normal, normal, normal};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(h.client.chatFlash.on);
}

}  // namespace
}  // namespace vantry::test
