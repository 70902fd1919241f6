#include "cards.h"

#include <gtest/gtest.h>

#include <set>

namespace vantry::server {
namespace {

std::vector<Card> Ranks(std::initializer_list<int> ranks) {
    std::vector<Card> cards;
    std::uint8_t id = 0;
    for (int r : ranks)
        cards.push_back(
            {static_cast<std::uint8_t>(r >= 16 ? 0 : 8), static_cast<std::uint8_t>(r), id++});
    return cards;
}

TEST(PracticeCards, ThePackHoldsTwoFullPacksWithUniqueIds) {
    const std::vector<Card> pack = PracticePack();
    ASSERT_EQ(pack.size(), kPackSize);
    std::set<int> ids;
    int bigJokers = 0;
    for (const Card& c : pack) {
        ids.insert(c.id);
        EXPECT_LT(c.id, 128);
        bigJokers += c.rank == kBigJoker;
    }
    EXPECT_EQ(ids.size(), kPackSize);
    EXPECT_EQ(bigJokers, 2);
}

TEST(PracticeCards, TheSameSeedShufflesTheSameWay) {
    std::vector<Card> a = PracticePack(), b = PracticePack(), c = PracticePack();
    Random ra(42), rb(42), rc(43);
    ra.Shuffle(a);
    rb.Shuffle(b);
    rc.Shuffle(c);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(PracticeCards, PlaysAreOneCardOrCardsOfOneRank) {
    struct Case {
        std::vector<Card> cards;
        int size;
    };
    const Case cases[] = {
        {Ranks({12}), 1},
        {Ranks({12, 12, 12}), 3},
        {Ranks({12, 13}), 0},
        {Ranks({16, 17}), 2},
        {Ranks({17, 16}), 2},
        {Ranks({17, 17}), 2},
        {Ranks({16, 17, 17}), 0},
        {{}, 0},
        {Ranks({9, 9, 9, 9, 9, 9}), 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyPlay(c.cards), c.size) << c.cards.size() << " cards";
}

TEST(PracticeCards, APlayBeatsOnlyTheSameSizeWithAHigherRank) {
    const TablePlay pairOfThrees{2, 3};
    EXPECT_FALSE(IsLegalPlay(Ranks({3, 3}), pairOfThrees));
    EXPECT_TRUE(IsLegalPlay(Ranks({4, 4}), pairOfThrees));
    EXPECT_FALSE(IsLegalPlay(Ranks({14}), TablePlay{2, 15}));  // sizes differ
    EXPECT_TRUE(IsLegalPlay(Ranks({8, 8, 8}), TablePlay{}));   // a free lead
    EXPECT_FALSE(IsLegalPlay(Ranks({8, 9}), TablePlay{}));
    EXPECT_TRUE(IsLegalPlay(Ranks({17, 16}), TablePlay{2, 16}));  // the big joker comes first
    EXPECT_FALSE(IsLegalPlay(Ranks({16, 17}), TablePlay{2, 16}));
}

TEST(PracticeCards, GiveUpsFollowTheTableOfKinds) {
    struct Case {
        std::vector<int> hand;
        std::vector<int> selected;  // indexes into the hand
        int kind;
    };
    const Case cases[] = {
        {{17, 3, 4, 5, 6, 7}, {0}, 1},  // the big joker alone
        {{16, 3, 4, 5, 6, 7}, {0}, 0},  // the small joker needs one big joker
        {{17, 16, 4, 5, 6, 7}, {1}, 1},
        {{16, 15, 15, 5, 6, 7}, {1, 2}, 1},  // two twos with one joker of a kind
        {{15, 15, 4, 5, 6, 7}, {0, 1}, 0},   // ... and none without
        {{17, 16, 4, 5, 6, 7}, {0, 1}, 2},   // the two jokers
        {{17, 15, 15, 5, 6, 7}, {0, 1, 2}, 2},
        {{17, 15, 15, 15, 15, 7}, {1, 2, 3, 4}, 2},
        {{17, 15, 15, 15, 15, 10}, {1, 2, 3, 4}, 2},
        {{17, 16, 15, 15, 10, 10}, {0, 1, 2, 3}, 0},  // the rest all tens
        {{15, 15, 15, 15, 6, 7}, {0, 1, 2, 3}, 0},    // four twos without a joker
        {{17, 16, 15, 15, 6, 7}, {0, 1, 2, 3}, 3},    // 17 + 16 + 15 + 15 = 63
        {{17, 16, 15, 14, 6, 7}, {0, 1, 2, 3}, 0},
        {{17, 16, 15, 15, 6, 7}, {}, 0},
    };
    for (const Case& c : cases) {
        std::vector<Card> h;
        for (std::size_t i = 0; i < c.hand.size(); ++i)
            h.push_back({static_cast<std::uint8_t>(c.hand[i] >= 16 ? 0 : 8),
                         static_cast<std::uint8_t>(c.hand[i]), static_cast<std::uint8_t>(i)});
        std::vector<Card> selection;
        for (int i : c.selected)
            selection.push_back(h[static_cast<std::size_t>(i)]);
        EXPECT_EQ(ClassifyGiveUp(h, selection), c.kind)
            << "hand starting " << c.hand[0] << ", " << selection.size() << " selected";
    }
}

TEST(PracticeCards, BotsLeadTheirLowestGroupAndFollowWithTheLowestThatBeats) {
    std::vector<Card> hand = Ranks({14, 9, 9, 5, 5, 5});
    SortHand(hand);
    const std::vector<Card> lead = ChooseBotPlay(hand, {});
    ASSERT_EQ(lead.size(), 3u);
    EXPECT_EQ(lead[0].rank, 5);

    const std::vector<Card> overSix = ChooseBotPlay(hand, {1, 6});
    ASSERT_EQ(overSix.size(), 1u);
    EXPECT_EQ(overSix[0].rank, 9);  // splits the pair rather than spend the ace

    const std::vector<Card> overPair = ChooseBotPlay(hand, {2, 5});
    ASSERT_EQ(overPair.size(), 2u);
    EXPECT_EQ(overPair[0].rank, 9);

    EXPECT_TRUE(ChooseBotPlay(hand, {2, 9}).empty());
    EXPECT_TRUE(ChooseBotPlay(hand, {4, 3}).empty());
}

TEST(PracticeCards, BotsPairTheirJokersBigFirst) {
    const std::vector<Card> hand = Ranks({16, 17, 3});
    const std::vector<Card> pair = ChooseBotPlay(hand, {2, 15});
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0].rank, kBigJoker);
    EXPECT_TRUE(IsLegalPlay(pair, {2, 15}));
}

TEST(PracticeCards, BotsGiveUpTheLargestValidSet) {
    const std::vector<Card> hand = Ranks({17, 16, 15, 15, 6, 7});
    EXPECT_EQ(ChooseBotGiveUp(hand).size(), 4u);
    EXPECT_TRUE(ChooseBotGiveUp(Ranks({3, 4, 5, 6, 7, 8})).empty());
}

TEST(PracticeCards, CardsAreTakenByIdOnlyOnce) {
    const std::vector<Card> hand = Ranks({3, 4, 5});
    std::vector<Card> out;
    const std::uint8_t ok[] = {2, 0};
    EXPECT_TRUE(TakeByIds(hand, ok, out));
    EXPECT_EQ(out[0].rank, 5);
    const std::uint8_t twice[] = {1, 1};
    EXPECT_FALSE(TakeByIds(hand, twice, out));
    const std::uint8_t missing[] = {9};
    EXPECT_FALSE(TakeByIds(hand, missing, out));
}

}  // namespace
}  // namespace vantry::server
