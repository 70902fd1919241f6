#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hands.h"

namespace vantry::rules {
namespace {

using test::Raised;
using test::WithHand;

std::vector<CardCode> Cards(std::initializer_list<int> ranks) {
    std::vector<CardCode> cards;
    int id = 1;
    for (int rank : ranks)
        cards.push_back(MakeCard(rank >= kRankSmallJoker ? 0 : 4, rank, id++));
    return cards;
}

std::vector<std::int32_t> ShortCards(std::initializer_list<int> ranks) {
    std::vector<std::int32_t> out;
    for (CardCode c : Cards(ranks))
        out.push_back(ShortCard(c));
    return out;
}

TEST(ClassifyPlay, AcceptsOneCardOrCardsOfOneRankAndTheTwoJokers) {
    struct Case {
        const char* name;
        std::vector<CardCode> cards;
        int size;
    };
    const Case cases[] = {
        {"one card", Cards({7}), 1},
        {"three queens", Cards({12, 12, 12}), 3},
        {"four twos", Cards({15, 15, 15, 15}), 4},
        {"a queen and a king", Cards({12, 13}), 0},
        {"small then big joker", Cards({16, 17}), 2},
        {"big then small joker", Cards({17, 16}), 2},
        {"two small jokers", Cards({16, 16}), 2},
        {"a two and a joker", Cards({15, 16}), 0},
        {"a joker and a two", Cards({17, 15}), 0},
        {"three jokers of two kinds", Cards({17, 16, 16}), 0},
        {"no cards", {}, 0},
    };
    for (const Case& c : cases) {
        SelectionResult result;
        EXPECT_EQ(ClassifyPlay(c.cards, result), c.size) << c.name;
        EXPECT_EQ(result.size, c.size) << c.name;
        if (c.size > 0) {
            EXPECT_TRUE(std::equal(c.cards.begin(), c.cards.end(), result.cards.begin())) << c.name;
        }
    }
}

TEST(Beats, NeedsTheSameSizeAndAStrictlyHigherFirstRank) {
    struct Case {
        const char* name;
        std::vector<CardCode> play;
        std::vector<std::int32_t> toBeat;
        bool beats;
    };
    const Case cases[] = {
        {"pair of threes on pair of threes", Cards({3, 3}), ShortCards({3, 3}), false},
        {"pair of fours on pair of threes", Cards({4, 4}), ShortCards({3, 3}), true},
        {"single ace on pair of twos", Cards({14}), ShortCards({15, 15}), false},
        {"single two on single ace", Cards({15}), ShortCards({14}), true},
        {"big joker first on pair of twos", Cards({17, 16}), ShortCards({15, 15}), true},
        // Only the first card counts: the small joker first makes rank 16.
        {"small joker first on the jokers", Cards({16, 17}), ShortCards({17, 16}), false},
        {"big joker first on the jokers, small first", Cards({17, 16}), ShortCards({16, 17}), true},
    };
    for (const Case& c : cases) {
        SelectionResult result;
        const int size = ClassifyPlay(c.play, result);
        EXPECT_EQ(Beats(c.play, size, c.toBeat, static_cast<int>(c.toBeat.size())), c.beats)
            << c.name;
    }
}

TEST(IsLegalPlay, LeadsAnyShapeOnAFreeTableAndMustBeatOtherwise) {
    struct Case {
        const char* name;
        std::vector<CardCode> selection;
        std::vector<std::int32_t> onTable;  // empty: free lead
        bool legal;
    };
    const Case cases[] = {
        {"a led triple", Cards({9, 9, 9}), {}, true},
        {"a led joker pair", Cards({16, 17}), {}, true},
        {"a led queen and king", Cards({12, 13}), {}, false},
        {"nothing selected", {}, {}, false},
        {"pair of fours on threes", Cards({4, 4}), ShortCards({3, 3}), true},
        {"pair of threes on threes", Cards({3, 3}), ShortCards({3, 3}), false},
        {"single ace on pair of twos", Cards({14}), ShortCards({15, 15}), false},
    };
    for (const Case& c : cases) {
        TableState state;
        state.LastPlayCount = static_cast<std::int16_t>(c.onTable.size());
        state.LastPlayCardCount = state.LastPlayCount;
        std::copy(c.onTable.begin(), c.onTable.end(), state.LastPlayCards.begin());
        EXPECT_EQ(IsLegalPlay(state, c.selection), c.legal) << c.name;
    }
}

TEST(CountRankInHand, CountsUsedSlotsRaisedOrNot) {
    TableState state = WithHand({17, 16, 17, 9, 9, 17});
    EXPECT_EQ(CountRankInHand(state, 17), 3);
    state.seats[0].count = 4;  // the last two slots are no longer in the hand
    EXPECT_EQ(CountRankInHand(state, 17), 2);
    EXPECT_EQ(CountRankInHand(state, 9), 1);
    EXPECT_EQ(CountRankInHand(state, 3), 0);
}

TEST(RestAllTens, HoldsWhenTheUnraisedCardsAreTensOnly) {
    struct Case {
        std::initializer_list<int> hand;
        RaisedSlots raised;
        bool allTens;
    };
    const Case cases[] = {
        {{15, 15, 15, 15, 10, 10}, Raised({0, 1, 2, 3}), true},
        {{15, 15, 15, 15, 10}, Raised({0, 1, 2, 3}), true},
        {{15, 15, 15, 15, 10, 9}, Raised({0, 1, 2, 3}), false},
        {{15, 15, 15, 15, 9, 9}, Raised({0, 1, 2, 3}), false},
        {{10, 10}, Raised({0, 1}), false},  // nothing left unraised
    };
    for (const Case& c : cases) {
        const TableState state = WithHand(c.hand);
        EXPECT_EQ(RestAllTens(state, c.raised), c.allTens);
    }
}

TEST(ClassifyGiveUp, AcceptsJokersAndTwosOnlyInTheAllowedSets) {
    struct Case {
        const char* name;
        std::initializer_list<int> hand;
        RaisedSlots raised;
        int kind;  // 0: not a give-up
        int count;
    };
    const Case cases[] = {
        {"the big joker alone", {17, 9, 8, 7, 6, 5}, Raised({0}), 1, 1},
        {"small joker beside one big joker", {17, 16, 9, 8, 7, 6}, Raised({1}), 1, 1},
        {"small joker without a big joker", {16, 9, 8, 7, 6, 5}, Raised({0}), 0, 0},
        {"small joker beside two big jokers", {17, 17, 16, 8, 7, 6}, Raised({2}), 0, 0},
        {"a single two", {17, 15, 9, 8, 7, 6}, Raised({1}), 0, 0},
        {"two twos with one small joker", {16, 15, 15, 9, 8, 7}, Raised({1, 2}), 1, 2},
        {"two twos with one big joker", {17, 15, 15, 9, 8, 7}, Raised({1, 2}), 1, 2},
        {"two twos without a joker", {15, 15, 9, 8, 7, 6}, Raised({0, 1}), 0, 0},
        {"two twos with two big jokers only", {17, 17, 15, 15, 8, 7}, Raised({2, 3}), 0, 0},
        {"big and small joker", {17, 16, 9, 8, 7, 6}, Raised({0, 1}), 2, 2},
        {"small and big joker", {16, 17, 9, 8, 7, 6}, Raised({0, 1}), 2, 2},
        {"two big jokers", {17, 17, 9, 8, 7, 6}, Raised({0, 1}), 0, 0},
        {"big joker and two twos", {17, 15, 15, 9, 8, 7}, Raised({0, 1, 2}), 2, 3},
        {"small joker and two twos, big joker kept",
         {17, 16, 15, 15, 8, 7},
         Raised({1, 2, 3}),
         2,
         3},
        {"small joker and two twos, no big joker", {16, 15, 15, 9, 8, 7}, Raised({0, 1, 2}), 0, 0},
        {"four twos with one joker", {17, 15, 15, 15, 15, 9}, Raised({1, 2, 3, 4}), 2, 4},
        {"four twos without a joker", {15, 15, 15, 15, 9, 8}, Raised({0, 1, 2, 3}), 0, 0},
        {"four twos with the rest all tens", {15, 15, 15, 15, 10, 10}, Raised({0, 1, 2, 3}), 0, 0},
        {"ranks 17, 16, 15, 15", {17, 16, 15, 15, 9, 8}, Raised({0, 1, 2, 3}), 3, 4},
        {"ranks 17, 16, 15, 15 keeping only tens",
         {17, 16, 15, 15, 10, 10},
         Raised({0, 1, 2, 3}),
         0,
         0},
        {"four cards adding up to less", {17, 16, 15, 14, 9, 8}, Raised({0, 1, 2, 3}), 0, 0},
        {"five cards", {17, 16, 15, 15, 15, 8}, Raised({0, 1, 2, 3, 4}), 0, 0},
        {"nothing raised", {17, 16, 15, 15, 9, 8}, Raised({}), 0, 0},
    };
    for (const Case& c : cases) {
        TableState state = WithHand(c.hand);
        EXPECT_EQ(ClassifyGiveUp(state, c.raised), c.kind != 0) << c.name;
        EXPECT_EQ(state.giveUp.count, c.count) << c.name;
        if (c.kind != 0) {
            EXPECT_EQ(state.giveUp.kind, c.kind) << c.name;
        }
    }
}

TEST(ClassifyGiveUp, WritesEachCardAsIdZeroRankSuit) {
    TableState state = WithHand({9, 17, 8, 16, 7, 6});
    state.seats[0].slots[1].card = MakeCard(0, 17, 200);
    state.seats[0].slots[3].card = MakeCard(0, 16, 31);
    ASSERT_TRUE(ClassifyGiveUp(state, Raised({1, 3})));
    const std::array<std::int16_t, 8> expected = {200, 0, 17, 0, 31, 0, 16, 0};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), state.giveUp.cardValues.begin()));
    EXPECT_EQ(state.giveUp.kind, 2);
    EXPECT_EQ(state.giveUp.count, 2);
}

TEST(ClassifyGiveUp, KeepsTheEarlierCardsAndKindAfterAnInvalidOne) {
    TableState state = WithHand({17, 16, 15, 15, 9, 8});
    ASSERT_TRUE(ClassifyGiveUp(state, Raised({0, 1, 2, 3})));
    const GiveUpSelection valid = state.giveUp;
    EXPECT_FALSE(ClassifyGiveUp(state, Raised({4})));
    EXPECT_EQ(state.giveUp.count, 0);
    EXPECT_EQ(state.giveUp.kind, valid.kind);
    EXPECT_EQ(state.giveUp.cardValues, valid.cardValues);
}

}  // namespace
}  // namespace vantry::rules
