// The direct connection and the login poll of the main loop.

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

TEST(LoginPoll, TellsTheLobbyEveryFourTicksWhileConnecting) {
    Harness h;
    h.Start(DirectArgument());
    h.Ticks(3);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x16), 0);
    h.Ticks(1);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x16), 1);
    h.Ticks(40);  // 2 s: ten more polls
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x16), 11);
    EXPECT_TRUE(h.socket.sent.empty());
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 0);
}

TEST(LoginPoll, SendsTheLoginFrameOnceConnected) {
    Harness h;
    h.Start(DirectArgument(6000, "bob", "secret"));
    h.Ticks(6);
    h.socket.state = platform::SocketState::Connected;
    h.Ticks(2);  // the poll runs on tick 8
    const auto frames = h.socket.SentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], h.client.net.loginFrame);
    EXPECT_EQ(h.socket.sent.size(), 272u);
    EXPECT_EQ(frames[0][3], 18);
    EXPECT_EQ(std::string(frames[0].bytes.begin() + 16, frames[0].bytes.begin() + 19), "bob");
    EXPECT_TRUE(h.client.net.loginSent);
    EXPECT_TRUE(h.client.net.linkCheck);
    EXPECT_FALSE(h.client.net.loginPending);
    // The lobby saw 0x16 on both polls and 0x303 once, after the last 0x16.
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x16), 2);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 1);
    EXPECT_EQ(h.windows.PostsTo(kLobby).back().number, 0x303u);

    h.Ticks(100);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x303), 1);
}

}  // namespace
}  // namespace vantry::test
