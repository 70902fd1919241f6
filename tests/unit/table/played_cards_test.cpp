#include "table/played_cards.h"

#include "table/hand.h"
#include "table_fixture.h"

namespace vantry::test {
namespace {

constexpr int kSpades = 8, kHearts = 4, kClubs = 2;
constexpr int kLeft = 2, kTop = 4, kRight = 8;  // seat bits, the local player at 1

class PlayedCardsTest : public TableTest {
  protected:
    void DealAt(app::ScreenSize screen) {
        StartAt(screen);
        table::ShowDealtHand(h.client, HandFrame({{kSpades, 15},
                                                  {kHearts, 15},
                                                  {kClubs, 9},
                                                  {kSpades, 8},
                                                  {kHearts, 6},
                                                  {kClubs, 4}}));
    }
};

TEST_F(PlayedCardsTest, PlayAfterAGiveUpOfTwoUsesImagesTwoAndThreeAndAFanOfTwo) {
    DealAt({1024, 768});
    S().GivenUpCount[1] = 2;
    S().seats[1].count = 4;

    table::ShowPlay(h.client, PlayFrame(kLeft, {{kSpades, 9, 30}, {kHearts, 9, 31}}, 2));

    EXPECT_EQ(S().CurrentTrickCards[1].count, 2);
    EXPECT_EQ(S().CurrentTrickCards[1].images[0], 2);
    EXPECT_EQ(S().CurrentTrickCards[1].images[1], 3);
    EXPECT_TRUE(T().cardImage1[2].visible);
    EXPECT_TRUE(T().cardImage1[3].visible);
    EXPECT_EQ(T().cardImage1[2].picture.resourceId, 9 + 16 * 3);
    EXPECT_EQ(S().seats[1].count, 2);
    EXPECT_EQ(S().GivenUpCount[1], 4);
    EXPECT_EQ(T().shanImage[0].picture.resourceId, 261);  // the fan of two
    EXPECT_TRUE(T().shanImage[0].visible);
    EXPECT_EQ(S().LastPlayCount, 2);
    EXPECT_EQ(S().LastPlayCards[1], 9 * 256 + kHearts);
    // Seat row: x + 90 x (0.39 + 0.11 x 2) + 0.22 x 1 x 80 from the first origin (240, 310).
    EXPECT_EQ(T().cardImage1[3].left, static_cast<int>(240 + 90 * 0.61 + 0.22 * 80));
    EXPECT_EQ(T().cardImage1[3].top, 310);
}

TEST_F(PlayedCardsTest, SecondPlayOfASeatMovesItsFirstToThePreviousTrick) {
    DealAt({1024, 768});
    table::ShowPlay(h.client, PlayFrame(kTop, {{kSpades, 5, 40}}));
    table::ShowPlay(h.client, PlayFrame(kTop, {{kSpades, 7, 41}}));
    EXPECT_FALSE(T().cardImage2[0].visible);
    EXPECT_TRUE(T().cardImage2[1].visible);
    EXPECT_EQ(S().PreviousTrickCards[2].count, 1);
    EXPECT_EQ(S().PreviousTrickCards[2].images[0], 0);
    EXPECT_EQ(S().CurrentTrickCards[2].images[0], 1);
}

TEST_F(PlayedCardsTest, TheLastCardGivesTheNextFinishingBadgeAndNoFan) {
    DealAt({1024, 768});
    S().FinishCount = 1;
    S().seats[3].count = 1;
    S().GivenUpCount[3] = 5;
    table::ShowPlay(h.client, PlayFrame(kRight, {{kSpades, 11, 50}}));
    EXPECT_EQ(S().seats[3].count, 0);
    EXPECT_FALSE(T().shanImage[2].visible);
    EXPECT_TRUE(T().first[3].visible);
    EXPECT_EQ(T().first[3].picture.resourceId, 361);  // second place
    EXPECT_EQ(S().FinishCount, 2);
}

TEST_F(PlayedCardsTest, APlayReachingImageSixStopsWithoutCountingIt) {
    DealAt({1024, 768});
    S().GivenUpCount[2] = 5;
    table::ShowPlay(h.client, PlayFrame(kTop, {{kSpades, 9, 30}, {kHearts, 9, 31}}, 2));
    EXPECT_TRUE(T().cardImage2[5].visible);
    EXPECT_EQ(S().CurrentTrickCards[2].images[0], 5);
    EXPECT_EQ(S().seats[2].count, 6);
    EXPECT_EQ(S().GivenUpCount[2], 5);
}

TEST_F(PlayedCardsTest, TurnedUpSeatsPlayRedrawsItsRemainingCardsAfterTheImagesInUse) {
    DealAt({1024, 768});
    table::ShowTurnedUpHand(
        h.client,
        HandFrame(
            {{kSpades, 3}, {kSpades, 4}, {kSpades, 5}, {kSpades, 6}, {kSpades, 7}, {kSpades, 8}}),
        1);
    S().RevealedSeat = 1;
    EXPECT_FALSE(T().shanImage[0].visible);
    EXPECT_EQ(T().cardImage1[1].left, static_cast<int>(std::lround(1 * 0.2 * 80 + 10)));
    EXPECT_EQ(T().cardImage1[1].top, 250);

    table::ShowPlay(h.client, PlayFrame(kLeft, {{kSpades, 5, 3}}));  // ids run 1..6

    EXPECT_EQ(S().RevealedCards[2].state, rules::RevealedCard::Gone);
    EXPECT_EQ(S().seats[1].count, 5);
    // Image 0 shows the play, images 1..5 the five cards still in the hand.
    EXPECT_EQ(T().cardImage1[0].top, 310);
    EXPECT_EQ(T().cardImage1[1].picture.resourceId, 3 + 48);
    EXPECT_EQ(T().cardImage1[3].picture.resourceId, 6 + 48);
    EXPECT_EQ(T().cardImage1[1].left, 50);
    EXPECT_FALSE(T().shanImage[0].visible);
}

TEST_F(PlayedCardsTest, SmallScreenTurnedUpHandOnTheRightStartsAt600ThenAt625AfterAPlay) {
    DealAt({800, 600});
    table::ShowTurnedUpHand(
        h.client,
        HandFrame(
            {{kSpades, 3}, {kSpades, 4}, {kSpades, 5}, {kSpades, 6}, {kSpades, 7}, {kSpades, 8}}),
        3);
    S().RevealedSeat = 3;
    EXPECT_EQ(T().cardImage3[0].left, 600);
    table::ShowPlay(h.client, PlayFrame(kRight, {{kSpades, 3, 1}}));
    EXPECT_EQ(T().cardImage3[1].left, 625);  // 800 x 0.78125
}

TEST_F(PlayedCardsTest, OwnGiveUpOfTwoTwosGoesAboveTheOriginAndClosesUpTheHand) {
    DealAt({1024, 768});
    ASSERT_EQ(rules::RankValue(S().seats[0].slots[0].card), 15);
    ASSERT_EQ(rules::RankValue(S().seats[0].slots[1].card), 15);
    table::ToggleCard(h.client, 0);
    table::ToggleCard(h.client, 1);

    table::ShowOwnGiveUp(h.client);

    for (int i : {0, 1}) {
        const ui::Control& c = T().cardImage0[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.top, 430 - 60);
        EXPECT_EQ(c.width, 80);
        EXPECT_TRUE(c.visible);
    }
    EXPECT_EQ(S().CurrentTrickCards[0].count, 2);
    EXPECT_EQ(S().LastPlayCards[0], 15 * 256 + kSpades);
    EXPECT_EQ(HandRanks(), (std::vector<int>{9, 8, 6, 4}));
    EXPECT_EQ(S().seats[0].slots[0].image, 2);
    EXPECT_EQ(T().cardImage0[2].left, 400);
    EXPECT_EQ(T().cardImage0[5].left, static_cast<int>(std::lround(400 + 3 * 0.22 * 90)));
    EXPECT_FALSE(rules::IsHandImage(S(), 0));
}

}  // namespace
}  // namespace vantry::test
