#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/table_state.h"

namespace vantry::rules {
namespace {

struct ReadCase {
    const char* name;
    std::array<std::uint8_t, 4> bytes;
    CardForm form;
    int suit, rank, id, picture;
};

TEST(Cards, AreReadFromBothFrameFormsWithTheirIdWhole) {
    const ReadCase cases[] = {
        {"ace of hearts, low byte first", {4, 14, 0, 7}, CardForm::LowByteFirst, 4, 14, 7, 46},
        {"ace of hearts, high byte first", {7, 0, 14, 4}, CardForm::HighByteFirst, 4, 14, 7, 46},
        {"unread bytes are ignored", {4, 14, 99, 7}, CardForm::LowByteFirst, 4, 14, 7, 46},
        {"unread byte of the given-up form", {7, 99, 14, 4}, CardForm::HighByteFirst, 4, 14, 7, 46},
        {"small joker", {0, 16, 0, 3}, CardForm::LowByteFirst, 0, 16, 3, 16},
        {"big joker", {3, 0, 17, 0}, CardForm::HighByteFirst, 0, 17, 3, 17},
        // An id byte of 128 or more keeps its value instead of turning the
        // card negative.
        {"id 200, low byte first", {8, 3, 0, 200}, CardForm::LowByteFirst, 8, 3, 200, 51},
        {"id 255, high byte first", {255, 0, 10, 1}, CardForm::HighByteFirst, 1, 10, 255, 10},
    };
    for (const ReadCase& c : cases) {
        net::GameFrame frame;
        std::copy(c.bytes.begin(), c.bytes.end(), frame.bytes.begin() + 20);
        const CardCode card = ReadCard(frame, 20, c.form);
        EXPECT_EQ(SuitFlag(card), c.suit) << c.name;
        EXPECT_EQ(RankValue(card), c.rank) << c.name;
        EXPECT_EQ(PointTag(card), 0) << c.name;
        EXPECT_EQ(CardId(card), c.id) << c.name;
        EXPECT_EQ(PictureCode(card), c.picture) << c.name;
    }
}

TEST(Cards, ThatWouldReachPastTheFrameEndReadAsNoCard) {
    net::GameFrame frame;
    frame.bytes.fill(9);
    EXPECT_EQ(ReadCard(frame, net::kFrameSize - 4, CardForm::LowByteFirst), MakeCard(9, 9, 9));
    EXPECT_EQ(ReadCard(frame, net::kFrameSize - 3, CardForm::LowByteFirst), 0u);
    EXPECT_EQ(ReadCard(frame, 100000, CardForm::HighByteFirst), 0u);
}

TEST(Cards, OrderJokersFirstThenByRankThenSpadesHeartsClubsDiamonds) {
    // The ids are chosen so that they would reverse the order if they counted.
    std::vector<CardCode> cards = {
        MakeCard(1, 12, 200), MakeCard(0, 16, 1), MakeCard(8, 12, 2),  MakeCard(4, 12, 3),
        MakeCard(2, 12, 4),   MakeCard(0, 17, 5), MakeCard(8, 3, 255), MakeCard(4, 15, 6),
    };
    std::sort(cards.begin(), cards.end(),
              [](CardCode a, CardCode b) { return OrderKey(a) > OrderKey(b); });
    const std::vector<CardCode> expected = {
        MakeCard(0, 17, 5), MakeCard(0, 16, 1), MakeCard(4, 15, 6),   MakeCard(8, 12, 2),
        MakeCard(4, 12, 3), MakeCard(2, 12, 4), MakeCard(1, 12, 200), MakeCard(8, 3, 255),
    };
    EXPECT_EQ(cards, expected);
}

TEST(Cards, ShortCardKeepsRankAndSuitOnly) {
    const CardCode queenOfHearts = MakeCard(4, 12, 77, 3);
    EXPECT_EQ(ShortCard(queenOfHearts), 12 * 256 + 4);
    EXPECT_EQ(RankValue(static_cast<CardCode>(ShortCard(queenOfHearts))), 12);
}

TEST(BitIndex, CountsHalvingsWhileAboveOne) {
    const std::pair<int, int> cases[] = {{8, 3}, {1, 0}, {0, 0},  {6, 2},
                                         {2, 1}, {4, 2}, {15, 3}, {-8, 0}};
    for (auto [value, index] : cases)
        EXPECT_EQ(BitIndex(value), index) << value;
}

TEST(PowerOfTwo, IsOneForNoneAndRefusesWhatDoesNotFitSixteenBits) {
    const std::pair<int, std::optional<std::int16_t>> cases[] = {
        {-3, 1}, {0, 1}, {1, 2}, {3, 8}, {14, 16384}, {15, std::nullopt}, {255, std::nullopt}};
    for (auto [n, expected] : cases)
        EXPECT_EQ(PowerOfTwo(n), expected) << n;
}

TEST(ScreenPosition, PlacesSeatsAroundTheLocalSeat) {
    struct Case {
        std::uint8_t seatByte, own;
        int position;
    };
    const Case cases[] = {
        {8, 4, 1},    {1, 4, 2},    {2, 4, 3},
        {4, 4, 0},    {0x14, 4, 0},  // only the low four bits count
        {0x18, 4, 1}, {0, 4, 2},     // no seat bit lands like seat index 0
        {0xF0, 4, 2}, {8, 0, 3},     // before the local seat is known, against index 0
        {2, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenPosition(c.seatByte, c.own), c.position)
            << int(c.seatByte) << " against " << int(c.own);
}

TEST(ScreenPosition, StaysWithinTheFourPositionsForEveryByte) {
    for (int seat = 0; seat < 256; ++seat) {
        for (int own = 0; own < 256; ++own) {
            const int p =
                ScreenPosition(static_cast<std::uint8_t>(seat), static_cast<std::uint8_t>(own));
            ASSERT_GE(p, 0);
            ASSERT_LT(p, 4);
        }
    }
}

TEST(IsHandImage, AcceptsOnlyImagesOfUsedSlots) {
    TableState state;
    for (std::int16_t s = 0; s < kHandSlots; ++s)
        state.seats[0].slots[static_cast<std::size_t>(s)].image = static_cast<std::int16_t>(5 - s);
    state.seats[0].count = 3;  // slots 0..2 show images 5, 4, 3
    EXPECT_TRUE(IsHandImage(state, 5));
    EXPECT_TRUE(IsHandImage(state, 3));
    EXPECT_FALSE(IsHandImage(state, 2));
    EXPECT_FALSE(IsHandImage(state, -1));
    state.seats[0].count = 40;  // a count beyond the hand reads as six slots
    EXPECT_TRUE(IsHandImage(state, 0));
    EXPECT_FALSE(IsHandImage(state, 6));
}

TEST(TableState, StartsWithTheTurnTimeOfTenAndNothingElseSet) {
    const TableState state;
    EXPECT_EQ(state.TurnTime, 10);
    EXPECT_FALSE(state.FastTurn);
    EXPECT_EQ(state.LastPlayCount, 0);
    EXPECT_EQ(state.HintCursor, 0);
    EXPECT_EQ(state.seats[0].seatBit, 0);
}

TEST(TableState, ResetSeatHandsEmptiesEveryHandButKeepsTheCards) {
    TableState state;
    for (SeatDisplay& seat : state.seats) {
        seat.count = 6;
        for (std::size_t s = 0; s < seat.slots.size(); ++s)
            seat.slots[s] = {MakeCard(8, 9, 1), static_cast<std::int16_t>(s)};
    }
    state.FinishCount = 3;
    ResetSeatHands(state);
    for (const SeatDisplay& seat : state.seats) {
        EXPECT_EQ(seat.count, 0);
        for (const HandSlot& slot : seat.slots) {
            EXPECT_EQ(slot.image, kNoImage);
            EXPECT_EQ(slot.card, MakeCard(8, 9, 1));
        }
    }
    EXPECT_EQ(state.FinishCount, 0);
}

TEST(TableState, ClearingTheTableLeavesNoSeatRevealedAndNoCardsOnTheTable) {
    TableState state;
    state.RevealedSeat = 2;
    state.CurrentTrickCards[1] = {{1, 2, 3}, 3};
    state.PreviousTrickCards[3].count = 2;
    state.DeclareClockOn = true;
    state.DeclareTicks = 7;
    state.GivenUpCount = {0, 2, 3, 1};
    state.BubblePosition = 3;
    state.DeclarePanelSet = true;
    ClearTableState(state);
    EXPECT_EQ(state.RevealedSeat, kNoRevealedSeat);
    EXPECT_EQ(state.CurrentTrickCards[1].count, 0);
    EXPECT_EQ(state.CurrentTrickCards[1].images[0], 0);
    EXPECT_EQ(state.PreviousTrickCards[3].count, 0);
    EXPECT_FALSE(state.DeclareClockOn);
    EXPECT_EQ(state.DeclareTicks, 0);
    EXPECT_EQ(state.DeclareTime, 8);
    EXPECT_EQ(state.GivenUpCount, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(state.BubblePosition, 0);
    EXPECT_FALSE(state.DeclarePanelSet);
}

TEST(TableState, ANewDealClearsTurnFlagsCountsAndTheRevealedSeat) {
    TableState state;
    state.MyTurn = state.PlayClockOn = state.MustLead = true;
    state.AnnouncedKind = 72;
    state.PlayMessageCount = 9;
    state.RevealedSeat = 1;
    for (SeatDisplay& seat : state.seats)
        seat.count = 4;
    ResetForNewDeal(state);
    EXPECT_FALSE(state.MyTurn);
    EXPECT_FALSE(state.PlayClockOn);
    EXPECT_FALSE(state.MustLead);
    EXPECT_EQ(state.AnnouncedKind, 0);
    EXPECT_EQ(state.PlayMessageCount, 0);
    EXPECT_EQ(state.RevealedSeat, kNoRevealedSeat);
    for (const SeatDisplay& seat : state.seats)
        EXPECT_EQ(seat.count, 0);
}

}  // namespace
}  // namespace vantry::rules
