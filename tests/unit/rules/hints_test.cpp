#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hands.h"
#include "rules/hints.h"

namespace vantry::rules {
namespace {

using test::WithHand;

// What one press of the hint button should do: the slots it raises, or a pass.
struct Press {
    std::set<int> slots;
    bool pass = false;
};
const Press kPass{{}, true};
const Press kNothing{{}, false};

struct HintCase {
    const char* name;
    std::initializer_list<int> hand;  // ranks in slot order
    std::vector<int> lastPlay;        // ranks of the play to beat; empty: free lead
    std::vector<Press> presses;
};

std::set<int> RaisedSet(const RaisedSlots& raised) {
    std::set<int> out;
    for (std::size_t s = 0; s < raised.size(); ++s) {
        if (raised[s])
            out.insert(static_cast<int>(s));
    }
    return out;
}

TEST(Hints, WalkThroughTheAlternativesAndPassWhenNothingAnswers) {
    const HintCase cases[] = {
        {"lead 9 9 7 4 4 4: fours, seven, nines, fours again",
         {9, 9, 7, 4, 4, 4},
         {},
         {{{3, 4, 5}}, {{2}}, {{0, 1}}, {{3, 4, 5}}}},
        {"lead with groups of four at most", {5, 5, 5, 5, 5}, {}, {{{1, 2, 3, 4}}, {{0}}}},
        {"follow a single 8 with Q 9 5 3", {12, 9, 5, 3}, {8}, {{{1}}, {{0}}, {{1}}}},
        {"follow a single A with K 5 2 3 in point order",
         {13, 5, 15, 3},
         {14},
         {{{2}}, kNothing, kNothing}},
        {"follow a single with nothing higher", {9, 5, 3}, {10}, {kPass}},
        {"a single of equal rank does not answer", {9, 9, 5}, {9}, {kPass}},
        {"a pair of equal rank does not answer", {9, 9, 5}, {9, 9}, {kPass}},
        {"a triple of equal rank does not answer", {9, 9, 9}, {9, 9, 9}, {kPass}},
        {"a pair of kings answered by two jokers", {17, 16, 9, 5, 4, 3}, {13, 13}, {{{0, 1}}}},
        {"follow a pair: a higher pair, then back to the start",
         {9, 7, 5, 5},
         {4, 4},
         {{{2, 3}}, kNothing, {{2, 3}}}},
        {"follow a pair with no pair above it", {9, 7, 3, 3}, {4, 4}, {kPass}},
        {"a pair against one card", {9}, {3, 3}, {kPass}},
        {"the two jokers on the table are not a pair to answer", {9, 9, 3}, {17, 16}, {kPass}},
        {"follow a triple", {9, 9, 9, 5, 5, 5}, {4, 4, 4}, {{{3, 4, 5}}, {{0, 1, 2}}, {{3, 4, 5}}}},
        {"follow a triple with only a lower one", {9, 3, 3, 3}, {4, 4, 4}, {kPass}},
        {"follow a triple with two cards", {9, 9}, {4, 4, 4}, {kPass}},
        {"follow four of a kind",
         {12, 12, 12, 12, 3},
         {6, 6, 6, 6},
         {{{0, 1, 2, 3}}, {{0, 1, 2, 3}}}},
        {"follow four of a kind with three cards", {12, 12, 12}, {6, 6, 6, 6}, {kPass}},
        {"a five-card play", {12, 12, 12, 12, 12, 3}, {6, 6, 6, 6, 6}, {kPass}},
    };
    for (const HintCase& c : cases) {
        TableState state = WithHand(c.hand);
        state.seats[0].seatBit = 4;
        state.LastPlayCount = static_cast<std::int16_t>(c.lastPlay.size());
        state.LastPlayCardCount = state.LastPlayCount;
        for (std::size_t i = 0; i < c.lastPlay.size(); ++i)
            state.LastPlayCards[i] = ShortCard(MakeCard(2, c.lastPlay[i], 0));
        net::ConnectionState net;
        for (std::size_t n = 0; n < c.presses.size(); ++n) {
            const std::size_t queuedBefore = net.transmit.Queued();
            const HintOutcome outcome =
                c.lastPlay.empty() ? HintLead(state) : HintFollow(state, net);
            const Press& want = c.presses[n];
            EXPECT_EQ(RaisedSet(outcome.raise), want.slots) << c.name << ", press " << n + 1;
            EXPECT_EQ(outcome.passed, want.pass) << c.name << ", press " << n + 1;
            EXPECT_EQ(net.transmit.Queued() - queuedBefore, want.pass ? net::kFrameSize : 0u)
                << c.name << ", press " << n + 1;
        }
    }
}

TEST(Hints, PassIsALocalPlayFrameWithTheOwnSeatAndThePassCode) {
    TableState state = WithHand({9});
    state.seats[0].seatBit = 8;
    state.LastPlayCount = 5;
    state.MyTurn = true;
    net::ConnectionState net;
    net.linkToken = {0x12, 0x34};
    ASSERT_TRUE(HintFollow(state, net).passed);

    net::GameFrame expected = net::MakeFrame(net::MessageType::LocalPlay);
    expected[net::offset::kSeat] = 8;
    expected[net::offset::kSubCode] = 1;
    expected[net::offset::kLinkToken] = 0x12;
    expected[net::offset::kLinkToken + 1] = 0x34;
    EXPECT_EQ(net.transmit.Take(), expected);
    EXPECT_TRUE(state.MyTurn);  // the rest of the pass button's work is not the hint's
}

TEST(Hints, DoNothingOnAnEmptyHandOrACursorPastTheHand) {
    TableState state = WithHand({});
    EXPECT_EQ(RaisedSet(HintLead(state).raise), std::set<int>{});
    state = WithHand({9, 8});
    state.HintCursor = 5;
    EXPECT_EQ(RaisedSet(HintLead(state).raise), std::set<int>{});
    EXPECT_EQ(state.HintCursor, 5);
}

}  // namespace
}  // namespace vantry::rules
