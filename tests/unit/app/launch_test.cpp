#include <gtest/gtest.h>

#include <map>

#include "app/launch_params.h"
#include "app/login_frame.h"
#include "app/startup_layout.h"

namespace vantry::app {
namespace {

// Fields 1..15 with the given ones replaced, each '$'-terminated.
std::string Argument(std::map<int, std::string> replace = {}) {
    std::vector<std::string> f = {"alice", "k3y", "127.0.0.1", "6000", "练习室", "0", "", "0",
                                  "",      "",    "0",         "",     "",       "0", "0"};
    std::string arg;
    for (int i = 1; i <= 15; ++i) {
        auto it = replace.find(i);
        arg += (it != replace.end() ? it->second : f[static_cast<std::size_t>(i - 1)]) + "$";
    }
    return arg;
}

TEST(LaunchArgument, FifteenFieldsForADirectConnection) {
    const ParseResult r = ParseLaunchArgument("  " + Argument() + "  ");
    ASSERT_TRUE(r.params);
    EXPECT_EQ(r.params->Account, "alice");
    EXPECT_EQ(r.params->LoginKey, "k3y");
    EXPECT_EQ(r.params->ServerHost, "127.0.0.1");
    EXPECT_EQ(r.params->ServerPort, 6000);
    EXPECT_EQ(r.params->RoomName, "练习室");
    EXPECT_EQ(r.params->ProxyType, 0);
    EXPECT_FALSE(r.params->CustomTitles);
}

TEST(LaunchArgument, MalformedArgumentsFail) {
    std::string fourteen = Argument();
    fourteen.erase(fourteen.rfind("0$"));  // drop field 15 and its '$'
    struct Case {
        const char* what;
        std::string argument;
    };
    const std::vector<Case> cases = {
        {"no final $", Argument().substr(0, Argument().size() - 1)},
        {"fourteen fields", fourteen},
        {"field 8 empty", Argument({{8, ""}})},
        {"port not a number", Argument({{4, "60x0"}})},
        {"port above 32767", Argument({{4, "40000"}})},
        {"proxy type below -32768", Argument({{6, "-32769"}})},
        {"user of 256 characters", Argument({{9, std::string(256, 'u')}})},
        {"password of 256 characters", Argument({{10, std::string(256, 'p')}})},
        {"text after the last $", Argument() + "extra"},
    };
    for (const Case& c : cases) {
        const ParseResult r = ParseLaunchArgument(c.argument);
        EXPECT_FALSE(r.params) << c.what;
        EXPECT_EQ(r.error, ArgumentError::Malformed) << c.what;
    }
}

TEST(LaunchArgument, AnEmptyArgumentIsNotFromTheLobby) {
    EXPECT_EQ(ParseLaunchArgument("   ").error, ArgumentError::Empty);
}

TEST(LaunchArgument, FieldsAfterTheFifteenthAreIgnored) {
    const ParseResult r = ParseLaunchArgument(Argument() + "more$fields$");
    ASSERT_TRUE(r.params);
    EXPECT_EQ(r.params->PropInitArg, 0);
}

TEST(LaunchArgument, CustomTitlesOnlyWhenFieldElevenIsExactlyOne) {
    struct Case {
        std::string field;
        bool custom;
    };
    for (const Case& c :
         {Case{"1", true}, Case{" 1", true}, Case{"1.0", true}, Case{"2", false},
          Case{"abc", false}, Case{"", false}, Case{"1.5", false}, Case{"0", false}}) {
        const ParseResult r = ParseLaunchArgument(Argument({{11, c.field}}));
        ASSERT_TRUE(r.params) << c.field;
        EXPECT_EQ(r.params->CustomTitles, c.custom) << "field 11 '" << c.field << "'";
    }
}

TEST(LaunchArgument, ProxyCredentialsKeepTheirCharacterCounts) {
    const ParseResult r = ParseLaunchArgument(Argument({{9, "ab"}, {10, "密码x"}}));
    ASSERT_TRUE(r.params);
    EXPECT_EQ(r.params->ProxyUserLength, 2);
    EXPECT_EQ(r.params->ProxyPasswordLength, 3);
}

TEST(LaunchArgument, TheLobbyTitleOfAnUnusableArgument) {
    EXPECT_EQ(LobbyTitleFromArgument("a$b$c$d$e$f$g$h$i$j$1$My Lobby$broken"), "My Lobby");
    EXPECT_EQ(LobbyTitleFromArgument("a$b$c$d$e$f$g$h$i$j$2$My Lobby$"), kDefaultLobbyTitle);
    EXPECT_EQ(LobbyTitleFromArgument("a$b$"), kDefaultLobbyTitle);
}

TEST(LoginFrame, AccountAndKeyOneBytePerCharacter) {
    LaunchParams p;
    p.Account = "alice";
    p.LoginKey = "k3y";
    const auto f = BuildLoginFrame(p);
    ASSERT_TRUE(f);
    EXPECT_EQ((*f)[3], 18);
    EXPECT_EQ((*f)[14], 1);
    EXPECT_EQ((*f)[2], 0);
    EXPECT_EQ(std::string(f->bytes.begin() + 16, f->bytes.begin() + 21), "alice");
    EXPECT_EQ(std::string(f->bytes.begin() + 32, f->bytes.begin() + 35), "k3y");
    int nonZero = 0;
    for (std::uint8_t b : f->bytes)
        nonZero += b != 0;
    EXPECT_EQ(nonZero, 2 + 5 + 3);
}

TEST(LoginFrame, ATwentyCharacterAccountIsOverwrittenByTheKey) {
    LaunchParams p;
    p.Account = "abcdefghijklmnopqrst";
    p.LoginKey = "WXYZ";
    const auto f = BuildLoginFrame(p);
    ASSERT_TRUE(f);
    EXPECT_EQ(std::string(f->bytes.begin() + 16, f->bytes.begin() + 36), "abcdefghijklmnopWXYZ");
}

TEST(LoginFrame, RefusedWhenItCannotBeBuilt) {
    struct Case {
        const char* what;
        std::string account, key;
    };
    const std::vector<Case> cases = {
        {"account of 257 characters", std::string(257, 'a'), "k"},
        {"key of 241 characters", "a", std::string(241, 'k')},
        {"account character beyond one byte", "玩家", "k"},
        {"key character beyond one byte", "a", "钥匙"},
    };
    for (const Case& c : cases) {
        LaunchParams p;
        p.Account = c.account;
        p.LoginKey = c.key;
        EXPECT_FALSE(BuildLoginFrame(p)) << c.what;
    }
    LaunchParams longest;
    longest.Account = std::string(256, 'a');
    longest.LoginKey = std::string(240, 'k');
    EXPECT_TRUE(BuildLoginFrame(longest));
}

TEST(WindowGeometry, FollowsTheScreen) {
    struct Case {
        ScreenSize screen;
        WindowGeometry expected;
    };
    const std::vector<Case> cases = {
        {{800, 600}, {0, 0, 800, 600, 0, 0, 800, 600, false, 0.78125f}},
        {{1024, 768}, {0, 0, 1024, 768, 0, 0, 1024, 768, false, 1.0f}},
        {{1280, 1024}, {0, 0, 1040, 796, 8, 20, 1024, 768, true, 1.0f}},
        {{1280, 720}, {0, 0, 1040, 720, 8, 0, 1024, 720, true, 0.78125f}},
    };
    for (const Case& c : cases) {
        const WindowGeometry g = ComputeWindowGeometry(c.screen);
        const WindowGeometry& e = c.expected;
        SCOPED_TRACE(testing::Message() << c.screen.width << "x" << c.screen.height);
        EXPECT_EQ(g.windowWidth, e.windowWidth);
        EXPECT_EQ(g.windowHeight, e.windowHeight);
        EXPECT_EQ(g.tableLeft, e.tableLeft);
        EXPECT_EQ(g.tableTop, e.tableTop);
        EXPECT_EQ(g.tableWidth, e.tableWidth);
        EXPECT_EQ(g.tableHeight, e.tableHeight);
        EXPECT_EQ(g.chrome, e.chrome);
        EXPECT_EQ(g.scale, e.scale);
    }
}

}  // namespace
}  // namespace vantry::app
