// Startup from the launch argument to the table window shown and connecting.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "fakes.h"

namespace vantry::test {
namespace {

const platform::WindowMessage kRestore{0x112, 0xF120, 0};

std::string WithFields(std::map<int, std::string> replace) {
    std::vector<std::string> f = {"alice", "k3y", "127.0.0.1", "6000", "练习室", "0", "", "0",
                                  "",      "",    "0",         "",     "",       "0", "0"};
    std::string arg;
    for (int i = 1; i <= 15; ++i) {
        auto it = replace.find(i);
        arg += (it != replace.end() ? it->second : f[static_cast<std::size_t>(i - 1)]) + "$";
    }
    return arg;
}

TEST(Startup, ADirectArgumentConnectsAndShowsTheTable) {
    Harness h;
    h.Start(DirectArgument(6123));
    EXPECT_FALSE(h.client.app.ended);
    EXPECT_TRUE(h.client.app.started);
    EXPECT_EQ(h.socket.host, "127.0.0.1");
    EXPECT_EQ(h.socket.port, 6123);
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Bong));
    EXPECT_TRUE(h.client.net.loginPending);
    EXPECT_EQ(h.client.table.window.caption, "Vantry");
    EXPECT_EQ(h.client.app.launch.LobbyTitle, kLobby);
    EXPECT_TRUE(h.client.table.window.visible);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"正在连接服务器..."});
    EXPECT_EQ(h.client.table.Location.caption, "练习室");
    EXPECT_EQ(h.windows.PostsTo(kLobby), std::vector<platform::WindowMessage>{kRestore});
    EXPECT_EQ(h.windows.listeningAs, "Vantry");
    EXPECT_TRUE(h.messageBoxes.shown.empty());
}

TEST(Startup, MalformedArgumentsRestoreTheLobbyAndEndWithoutAMessage) {
    std::string noFinalDollar = DirectArgument();
    noFinalDollar.pop_back();
    for (const std::string& arg :
         {noFinalDollar, WithFields({{8, ""}}), WithFields({{1, "玩家"}}), std::string("a$b$c$")}) {
        Harness h;
        h.Start(arg);
        EXPECT_TRUE(h.client.app.ended) << arg;
        EXPECT_EQ(h.process.quitCount, 1) << arg;
        EXPECT_EQ(h.socket.connectCount, 0) << arg;
        EXPECT_TRUE(h.messageBoxes.shown.empty()) << arg;
        EXPECT_EQ(h.windows.PostsTo(kLobby), std::vector<platform::WindowMessage>{kRestore}) << arg;
    }
}

TEST(Startup, AMalformedArgumentWithCustomTitlesRestoresThatLobby) {
    Harness h;
    h.windows.windows.insert("Test Lobby");
    h.Start(WithFields({{11, "1"}, {12, "Test Lobby"}, {13, "Test Table"}, {14, "x"}}));
    EXPECT_TRUE(h.client.app.ended);
    EXPECT_EQ(h.windows.PostsTo("Test Lobby"), std::vector<platform::WindowMessage>{kRestore});
}

TEST(Startup, AnEmptyArgumentShowsTheWarningAndEnds) {
    Harness h;
    h.Start("   ");
    EXPECT_TRUE(h.client.app.ended);
    ASSERT_EQ(h.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(h.messageBoxes.shown[0].first, "本游戏需从游戏大厅中启动！");
    EXPECT_EQ(h.messageBoxes.shown[0].second, "警告");
}

TEST(Startup, ASecondInstanceShowsTheWarningRestoresTheLobbyAndEnds) {
    Harness h;
    h.process.lockFree = false;
    h.Start(DirectArgument());
    EXPECT_TRUE(h.client.app.ended);
    ASSERT_EQ(h.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(h.messageBoxes.shown[0].first, "Vantry已经运行！");
    EXPECT_EQ(h.windows.PostsTo(kLobby), std::vector<platform::WindowMessage>{kRestore});
    EXPECT_EQ(h.socket.connectCount, 0);
}

TEST(Startup, ASecondInstanceIsRefusedBeforeTheArgumentIsLookedAt) {
    Harness h;
    h.process.lockFree = false;
    h.Start("");
    ASSERT_EQ(h.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(h.messageBoxes.shown[0].first, "Vantry已经运行！");
}

TEST(Startup, WithoutTheLobbyWindowTheClientEnds) {
    Harness h;
    h.windows.windows.clear();
    h.Start(DirectArgument());
    EXPECT_TRUE(h.client.app.ended);
    EXPECT_FALSE(h.client.table.window.visible);
}

TEST(Startup, CustomTitlesNameTheWindowAndTheLobby) {
    Harness h;
    h.windows.windows.insert("Test Lobby");
    h.Start(WithFields({{11, "1"}, {12, "Test Lobby"}, {13, "Test Table"}}));
    EXPECT_FALSE(h.client.app.ended);
    EXPECT_EQ(h.client.table.window.caption, "Test Table");
    EXPECT_EQ(h.client.app.launch.LobbyTitle, "Test Lobby");
    EXPECT_EQ(h.client.tableState.TurnTime, 1);
    EXPECT_EQ(h.windows.PostsTo("Test Lobby"), std::vector<platform::WindowMessage>{kRestore});
    EXPECT_TRUE(h.windows.PostsTo(kLobby).empty());
    EXPECT_EQ(h.windows.listeningAs, "Test Table");
}

TEST(Startup, WithoutCustomTitlesFieldsTwelveAndThirteenAreIgnored) {
    for (const char* flag : {"2", "yes"}) {
        Harness h;
        h.Start(WithFields({{11, flag}, {12, "Test Lobby"}, {13, "Test Table"}}));
        EXPECT_EQ(h.client.table.window.caption, "Vantry") << flag;
        EXPECT_EQ(h.client.app.launch.LobbyTitle, kLobby) << flag;
        EXPECT_EQ(h.client.tableState.TurnTime, 10) << flag;
    }
}

TEST(Startup, AnUnknownProxyTypeNeverConnects) {
    Harness h;
    h.Start(WithFields({{6, "3"}}));
    EXPECT_FALSE(h.client.app.ended);
    EXPECT_EQ(h.client.table.Sysmsg[0].rows, std::vector<std::string>{"正在连接服务器..."});
    h.Ticks(100);
    EXPECT_EQ(h.socket.connectCount, 0);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Bong));
}

TEST(Startup, TheRoomNameFontShrinksForLongNamesAndSmallScreens) {
    struct Case {
        const char* room;
        app::ScreenSize screen;
        int fontSize;
    };
    const int design = ui::TableWindow().Location.fontSize;
    for (const Case& c :
         {Case{"十个字的房间名字啊啊", {1024, 768}, design},
          Case{"十一个字的房间名字啊啊", {1024, 768}, design - 2}, Case{"短", {800, 600}, 10},
          Case{"十一个字的房间名字啊啊", {800, 600}, 8}}) {
        Harness h;
        h.Start(WithFields({{5, c.room}}), c.screen);
        EXPECT_EQ(h.client.table.Location.fontSize, c.fontSize) << c.room;
        EXPECT_EQ(h.client.table.Location.caption, c.room);
    }
}

TEST(Startup, TheScreenSizesTheWindowAndTheScale) {
    struct Case {
        app::ScreenSize screen;
        int width, height;
        float scale;
        bool framed;
        int sysmsgFont;
    };
    for (const Case& c : {Case{{800, 600}, 800, 600, 0.78125f, false, 8},
                          Case{{1024, 768}, 1024, 768, 1.0f, false, 9},
                          Case{{1280, 1024}, 1040, 796, 1.0f, true, 9}}) {
        Harness h;
        h.Start(DirectArgument(), c.screen);
        const ui::TableWindow& t = h.client.table;
        SCOPED_TRACE(testing::Message() << c.screen.width << "x" << c.screen.height);
        EXPECT_EQ(t.window.width, c.width);
        EXPECT_EQ(t.window.height, c.height);
        EXPECT_EQ(t.window.left, 0);
        EXPECT_EQ(t.window.top, 0);
        EXPECT_EQ(h.client.app.ScaleX, c.scale);
        EXPECT_EQ(h.client.app.ScaleY, c.scale);
        EXPECT_EQ(t.window.framed, c.framed);
        EXPECT_EQ(t.Sysmsg[0].fontSize, c.sysmsgFont);
    }
    Harness big;
    big.Start(DirectArgument(), {1280, 1024});
    const ui::Control& pic1 = big.client.table.Pic1;
    EXPECT_EQ(std::tie(pic1.left, pic1.top, pic1.width, pic1.height),
              std::make_tuple(8, 20, 1024, 768));
}

}  // namespace
}  // namespace vantry::test
