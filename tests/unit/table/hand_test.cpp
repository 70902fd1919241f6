#include "table/hand.h"

#include "table/played_cards.h"
#include "table_fixture.h"

namespace vantry::test {
namespace {

constexpr int kSpades = 8, kHearts = 4, kClubs = 2, kDiamonds = 1;

class HandTest : public TableTest {
  protected:
    void SetUp() override { StartAt({1024, 768}); }
    void Deal(std::initializer_list<std::pair<int, int>> cards) {
        table::ShowDealtHand(h.client, HandFrame(cards));
    }
    void Click(int image, int button = ui::kLeftButton) {
        app::OnMouse(h.client, {"MainForm", "cardImage0", image}, {ui::MouseAction::Down, button});
    }
    void Key(int code, const char* focus = "Pic1") {
        app::OnKey(h.client, {"MainForm", focus, 0}, {code});
    }
};

TEST_F(HandTest, DealtHandIsDrawnOverlappingFromLeft400AtTheHandTop) {
    Deal({{kSpades, 3}, {kHearts, 4}, {kClubs, 5}, {kDiamonds, 6}, {kSpades, 7}, {kHearts, 8}});
    EXPECT_EQ(HandRanks(), (std::vector<int>{8, 7, 6, 5, 4, 3}));
    for (int j = 0; j < 6; ++j) {
        const ui::Control& c = T().cardImage0[static_cast<std::size_t>(j)];
        EXPECT_TRUE(c.visible);
        EXPECT_EQ(c.top, 565);
        EXPECT_EQ(c.left, static_cast<int>(std::lround(400 + j * 0.22 * 90)));  // 19.8 steps
    }
    // Picture code 8 + 16 x 2 = 40 for the eight of hearts in slot 0.
    EXPECT_EQ(T().cardImage0[0].picture.resourceId, 40);
    for (const ui::Control& fan : T().shanImage) {
        EXPECT_TRUE(fan.visible);
        EXPECT_EQ(fan.picture.resourceId, 265);  // six face-down cards
    }
    EXPECT_EQ(S().seats[2].count, 6);
}

TEST_F(HandTest, ClickRaisesByAFifthOfTheHeightAndLowersToExactlyTheHandTop) {
    Deal({{kSpades, 3}, {kHearts, 4}, {kClubs, 5}, {kDiamonds, 6}, {kSpades, 7}, {kHearts, 8}});
    Click(2);
    EXPECT_EQ(T().cardImage0[2].top, 565 - 24);  // 120 / 5
    EXPECT_TRUE(table::IsRaised(h.client, 2));
    Click(2);
    EXPECT_EQ(T().cardImage0[2].top, 565);
    Click(2);
    EXPECT_EQ(T().cardImage0[2].top, 541);
}

TEST_F(HandTest, ClickOnAnImageOutsideTheHandIsIgnored) {
    Deal({{kSpades, 3}, {kHearts, 4}, {kClubs, 5}, {kDiamonds, 6}, {kSpades, 7}, {kHearts, 8}});
    S().seats[0].count = 4;  // images 4 and 5 have left the hand
    const int before = T().cardImage0[5].top;
    Click(5);
    EXPECT_EQ(T().cardImage0[5].top, before);
}

TEST_F(HandTest, PointSortPutsKingsTensFivesFirstAndRemovesTheTags) {
    Deal({{kSpades, 13}, {kHearts, 5}, {kClubs, 10}, {kDiamonds, 14}, {kSpades, 3}, {kHearts, 13}});
    table::SortAndShowPoints(h.client, 0, 6, 0);
    EXPECT_EQ(HandRanks(), (std::vector<int>{13, 13, 10, 5, 14, 3}));
    for (const rules::HandSlot& slot : S().seats[0].slots)
        EXPECT_EQ(rules::PointTag(slot.card), 0);
    // The pictures follow the cards: the king of spades now in slot 0.
    EXPECT_EQ(T().cardImage0[0].picture.resourceId, 13 + 16 * 3);
}

TEST_F(HandTest, SortingKeepsARaisedCardRaisedInItsNewSlot) {
    Deal({{kSpades, 9}, {kHearts, 8}, {kClubs, 7}, {kDiamonds, 6}, {kSpades, 5}, {kHearts, 4}});
    Click(4);  // the five of spades
    table::SortAndShowPoints(h.client, 0, 6, 0);
    ASSERT_EQ(HandRanks(), (std::vector<int>{5, 9, 8, 7, 6, 4}));
    EXPECT_TRUE(table::IsRaised(h.client, 0));
    for (int i = 1; i < 6; ++i)
        EXPECT_FALSE(table::IsRaised(h.client, i)) << i;
}

TEST_F(HandTest, PlainSortPutsFourBlackSevensFirstThenTheRestDescending) {
    Deal({{kHearts, 4}, {kSpades, 7}, {kClubs, 7}, {kHearts, 12}, {kSpades, 7}, {kClubs, 7}});
    EXPECT_EQ(HandRanks(), (std::vector<int>{7, 7, 7, 7, 12, 4}));
}

TEST_F(HandTest, PlainSortPutsTwoPairsOfJokersFirst) {
    Deal({{kHearts, 15}, {0, 16}, {0, 17}, {kSpades, 14}, {0, 16}, {0, 17}});
    EXPECT_EQ(HandRanks(), (std::vector<int>{16, 17, 16, 17, 15, 14}));
}

TEST_F(HandTest, CardCodesOfNoCardMinimiseTheTableAndRestoreTheLobby) {
    struct Case {
        int code;
        bool accepted;
    };
    for (const Case c : {Case{0x12, true}, Case{0x25, true}, Case{0x02, false}, Case{0x21, false},
                         Case{0x80, false}}) {
        T().window.minimized = false;
        const std::size_t posts = h.windows.posts.size();
        EXPECT_EQ(table::SetCardPicture(h.client, 0, 0, c.code), c.accepted) << c.code;
        EXPECT_EQ(T().window.minimized, !c.accepted) << c.code;
        EXPECT_EQ(h.windows.posts.size(), posts + (c.accepted ? 0 : 1)) << c.code;
    }
    EXPECT_EQ(T().cardImage0[0].picture.resourceId, 0x25);
    table::SetCardPicture(h.client, 0, 0, 0x12);
    EXPECT_EQ(T().cardImage0[0].picture.resourceId, 18);  // the card back
}

TEST_F(HandTest, EscapeOpensTheExitConfirmationAndF1ClosesItAndHidesTheTable) {
    Key(27);
    EXPECT_TRUE(h.client.frmExit.visible);
    const int lobbyMinimises = h.windows.CountPosts(kLobby, 0x0112);
    Key(112);
    EXPECT_FALSE(h.client.frmExit.visible);
    EXPECT_TRUE(T().window.minimized);
    EXPECT_EQ(h.windows.CountPosts(kLobby, 0x0112), lobbyMinimises + 1);
    EXPECT_EQ(h.windows.PostsTo(kLobby).back().wParam, 0xF020u);
    EXPECT_TRUE(S().FastTurn);
    EXPECT_TRUE(S().BossKeyMark);
    EXPECT_EQ(S().TurnTime, 0);
    EXPECT_TRUE(h.client.tableView.BossKeyStop);
}

TEST_F(HandTest, BossKeyOnTheWindowItselfHidesWindowsWithoutTheFastTurn) {
    h.client.ChuPai.visible = true;
    h.client.score.window.visible = true;
    app::OnKey(h.client, {"MainForm", "", 0}, {112});
    EXPECT_FALSE(h.client.score.window.visible);
    EXPECT_TRUE(h.client.ChuPai.visible);  // the notice is left to its own close
    EXPECT_FALSE(S().FastTurn);
    EXPECT_TRUE(T().window.minimized);
}

TEST_F(HandTest, AltThenCOpensTheChatHistoryAndAnyOtherKeyBreaksTheSequence) {
    Key(18);
    Key(65);
    Key(67);
    EXPECT_FALSE(h.client.Talk.visible);
    Key(18);
    Key(67);
    EXPECT_TRUE(h.client.Talk.visible);
    EXPECT_TRUE(h.client.Talk.topmost);
    EXPECT_EQ(h.client.Talk.top, static_cast<int>(0.66 * T().window.height));
}

TEST_F(HandTest, PressOnTheTableHidesTheQuickPhrasesAndTheBoards) {
    h.client.huifu.visible = true;
    h.client.hero.window.visible = true;
    app::OnMouse(h.client, {"MainForm", "Pic1", 0}, {ui::MouseAction::Down, ui::kLeftButton});
    EXPECT_FALSE(h.client.huifu.visible);
    EXPECT_FALSE(h.client.hero.window.visible);
}

}  // namespace
}  // namespace vantry::test
