#include "table/bottom_bar.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/played_cards.h"
#include "text/gbk.h"

namespace vantry::test {
namespace {

using ui::MouseAction;

class BottomBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        ui::Window& w = h.client.table.window;
        w.left = 100;
        w.top = 50;
        w.width = 1024;
        w.height = 768;
        h.client.table.Pic1.Place(3, 5, 1024, 768);
        const char* names[4] = {"alice", "北风", "老周", "river"};
        for (std::size_t p = 0; p < 4; ++p) {
            h.client.players.records[p].nickname = names[p];
            h.client.tableState.seats[p].seatBit = static_cast<std::uint8_t>(1 << p);
        }
    }
    void Click(const char* name, int index = 0, const char* window = "MainForm") {
        app::OnMouse(h.client, {window, name, index}, {MouseAction::Click, ui::kLeftButton});
    }
    std::string& ChatText() { return h.client.table.Chat.caption; }
    // The chat frames sent, with their texts.
    std::vector<std::pair<net::GameFrame, std::string>> SentChats() {
        h.Ticks(4);
        std::vector<std::pair<net::GameFrame, std::string>> chats;
        for (const net::GameFrame& f : h.socket.SentFrames()) {
            if (f[3] != 19)
                continue;
            std::string gbk;
            for (std::size_t k = 16; k < 216 && f[k] != 0; ++k)
                gbk.push_back(static_cast<char>(f[k]));
            chats.emplace_back(f, text::FromGbk(gbk));
        }
        return chats;
    }

    Harness h;
};

TEST_F(BottomBarTest, EachToggleButtonOpensItsWindowInPlaceAndClosesIt) {
    h.client.VosSet.width = 221;
    h.client.VosSet.height = 331;
    h.client.frmExit.width = 300;
    h.client.frmExit.height = 150;
    h.client.protocol.dealInProgress = true;
    struct Case {
        int button;
        ui::Window* window;
        int left;
        int top;
    };
    // Chat history over the table: 103 + 0.3 x 1024 = 410.2, 55 + 0.66 x 768 = 561.88.
    // Settings in the table's bottom right corner, 1700 twips (113 pixels)
    // above it: 103 + 1024 - 221 = 906, 55 + 768 - 331 - 113 = 379.
    // Boards centred on the window: 100 + (1024 - 639) / 2 = 292, 50 + (768 - 480) / 2 = 194.
    for (const Case& c :
         {Case{1, &h.client.Talk, 410, 562}, Case{3, &h.client.VosSet, 906, 379},
          Case{5, &h.client.score.window, 292, 194}, Case{6, &h.client.hero.window, 284, 207},
          Case{8, &h.client.frmExit, 462, 359}}) {
        Click("AnNiu", c.button);
        EXPECT_TRUE(c.window->visible) << c.button;
        EXPECT_EQ(c.window->left, c.left) << c.button;
        EXPECT_EQ(c.window->top, c.top) << c.button;
        Click("AnNiu", c.button);
        EXPECT_FALSE(c.window->visible) << c.button;
    }
    EXPECT_TRUE(h.client.Talk.topmost);
    Click("Lbchat");  // the switch beside the chat box toggles the chat history too
    EXPECT_TRUE(h.client.Talk.visible);
    Click("Lbchat");
    EXPECT_FALSE(h.client.Talk.visible);
    EXPECT_TRUE(h.client.tableView.exitWarningShown);  // a deal runs: the warning line shows
}

TEST_F(BottomBarTest, HideButtonMinimisesTheTableAndHidesItsWindows) {
    for (ui::Window* w :
         {&h.client.hero.window, &h.client.score.window, &h.client.Talk, &h.client.VosSet})
        w->visible = true;
    Click("AnNiu", 4);
    EXPECT_TRUE(h.client.table.window.minimized);
    for (ui::Window* w :
         {&h.client.hero.window, &h.client.score.window, &h.client.Talk, &h.client.VosSet})
        EXPECT_FALSE(w->visible);
    EXPECT_TRUE(h.client.tableState.BossKeyMark);
}

TEST_F(BottomBarTest, RulesButtonOpensTheRulesPageOnThePlatformHost) {
    Click("AnNiu", 7);
    ASSERT_EQ(h.process.opened.size(), 1u);
    EXPECT_EQ(h.process.opened[0], "https://www.vantry.example/gameinfo/vantry/index.php");
}

TEST_F(BottomBarTest, SendButtonSendsTheChatBoxTextInTheSpeakersName) {
    ChatText() = "大家好";
    Click("AnNiu", 0);
    const auto chats = SentChats();
    ASSERT_EQ(chats.size(), 1u);
    EXPECT_EQ(chats[0].first[6], 1);   // own seat bit
    EXPECT_EQ(chats[0].first[11], 0);  // to everybody
    EXPECT_EQ(chats[0].second, "alice说道： 大家好");
    EXPECT_EQ(ChatText(), "");
}

TEST_F(BottomBarTest, SendButtonSendsNothingForAnEmptyOrPrefixOnlyText) {
    Click("AnNiu", 0);
    Click("Tou", 2);
    ChatText() += "  ";
    Click("AnNiu", 0);
    EXPECT_TRUE(SentChats().empty());
    EXPECT_EQ(ChatText(), "你对老周说 ：  ");
}

TEST_F(BottomBarTest, AvatarClickAddressesThePlayerAndTheSendGoesToThemAlone) {
    ChatText() = "出张大的";
    Click("Tou", 1);
    EXPECT_EQ(ChatText(), "你对北风说 ：出张大的");
    EXPECT_EQ(h.client.chat.ChatAddressee, 2);
    EXPECT_EQ(h.client.chat.caret, ChatText().size());
    EXPECT_EQ(h.client.chat.focusRequests, 1);

    Click("Tou", 3);  // another player: the old prefix goes
    EXPECT_EQ(ChatText(), "你对river说 ：出张大的");
    EXPECT_EQ(h.client.chat.ChatAddressee, 8);

    Click("AnNiu", 0);
    const auto chats = SentChats();
    ASSERT_EQ(chats.size(), 1u);
    EXPECT_EQ(chats[0].first[11], 8);
    EXPECT_EQ(chats[0].second, "出张大的");
    EXPECT_EQ(h.client.chat.ChatAddressPrefix, "");
}

TEST_F(BottomBarTest, AvatarClickDoesNothingForTheOwnOrAnEmptySeatOrBeforeLogin) {
    h.client.players.records[2].nickname.clear();
    ChatText() = "hi";
    Click("Tou", 0);
    Click("Tou", 2);
    h.client.protocol.loginAccepted = false;
    Click("Tou", 1);
    EXPECT_EQ(ChatText(), "hi");
    EXPECT_EQ(h.client.chat.ChatAddressee, 0);
}

TEST_F(BottomBarTest, QuickPhrasePicturesShowToggleAndSwitchTheList) {
    ui::QuickPhraseWindow& phrases = h.client.huifu;
    h.client.Talk.visible = true;
    Click("imgword1");
    EXPECT_FALSE(h.client.Talk.visible);
    ASSERT_TRUE(phrases.visible);
    EXPECT_EQ(phrases.ShownList(), 1);
    EXPECT_EQ(phrases.left, 379);  // 103 + 0.27 x 1024 = 379.48
    EXPECT_EQ(phrases.top, 562);   // 55 + 0.66 x 768 = 561.88

    Click("imgword2");  // open: the list switches, the window stays
    EXPECT_TRUE(phrases.visible);
    EXPECT_EQ(phrases.ShownList(), 2);
    EXPECT_TRUE(phrases.List2.visible);
    EXPECT_FALSE(phrases.List1.visible);
    EXPECT_EQ(phrases.left, 379);

    Click("imgword2");  // the same list again: closed
    EXPECT_FALSE(phrases.visible);
    Click("imgword2");
    EXPECT_EQ(phrases.left, 410);  // 103 + 0.3 x 1024 = 410.2
}

TEST_F(BottomBarTest, IllegalPlayNoticeClosesFromItsCloseStrip) {
    h.client.ChuPai.visible = true;
    Click("Label2", 0, "ChuPai");
    EXPECT_TRUE(h.client.ChuPai.visible);
    Click("Label1", 0, "ChuPai");
    EXPECT_FALSE(h.client.ChuPai.visible);
}

TEST_F(BottomBarTest, PreviousTrickButtonWorksOnlyDuringADeal) {
    h.client.protocol.dealInProgress = false;
    Click("Operation", 4);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Former));
    h.client.protocol.dealInProgress = true;
    Click("Operation", 4);
    EXPECT_TRUE(h.timers.IsRunning(platform::TimerId::Former));
    EXPECT_FALSE(h.client.tableView.showingCurrentTrick);
}

TEST_F(BottomBarTest, RestoreButtonLowersTheRaisedCards) {
    net::GameFrame deal = net::MakeFrame(net::MessageType::DealStart);
    for (std::size_t c = 0; c < 6; ++c) {
        deal[16 + 4 * c] = 8;
        deal[17 + 4 * c] = static_cast<std::uint8_t>(3 + c);
        deal[19 + 4 * c] = static_cast<std::uint8_t>(c + 1);
    }
    table::ClearTable(h.client);
    table::ShowDealtHand(h.client, deal);
    table::ToggleCard(h.client, 1);
    table::ToggleCard(h.client, 4);
    ASSERT_TRUE(table::IsRaised(h.client, 1));
    ASSERT_TRUE(table::IsRaised(h.client, 4));
    Click("Operation", 5);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(table::IsRaised(h.client, i)) << i;
}

}  // namespace
}  // namespace vantry::test
