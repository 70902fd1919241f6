#include "rules/hints.h"

#include "net/send_frame.h"

namespace vantry::rules {
namespace {

// Proposals raise the cards 20 pixels above the hand; a click raises them by
// a fifth of the card height. The caller moves the images.

struct RankList {
    std::array<int, kHandSlots> rank{};  // 0 beyond the count
    int count = 0;
};

RankList ReadRankList(const SeatDisplay& hand) {
    RankList list;
    list.count = HandCount(hand);
    for (int i = 0; i < list.count; ++i)
        list.rank[static_cast<std::size_t>(i)] =
            RankValue(hand.slots[static_cast<std::size_t>(list.count - 1 - i)].card);
    return list;
}

// Raises the cards at rank-list indexes first..first+size-1.
void Propose(HintOutcome& outcome, const RankList& list, int first, int size) {
    for (int i = first; i < first + size; ++i)
        outcome.raise[static_cast<std::size_t>(list.count - 1 - i)] = true;
}

void QueuePass(HintOutcome& outcome, const TableState& state, net::ConnectionState& net) {
    net::GameFrame pass = net::MakeFrame(net::MessageType::LocalPlay);
    pass[net::offset::kSeat] = OwnSeatBit(state);
    pass[net::offset::kSubCode] = 1;
    net::SendFrame(net, pass);
    outcome.passed = true;
}

HintOutcome FollowSingle(TableState& state, net::ConnectionState& net, const RankList& list,
                         int rankToBeat) {
    HintOutcome outcome;
    const int start = state.HintCursor;
    for (int i = start; i < list.count; ++i) {
        if (list.rank[static_cast<std::size_t>(i)] > rankToBeat) {
            Propose(outcome, list, i, 1);
            state.HintCursor = static_cast<std::int16_t>(i == list.count - 1 ? 0 : i + 1);
            return outcome;
        }
    }
    // Only a search over the whole hand may give up the turn; a later
    // search that runs off the end leaves the cursor where it is.
    if (start == 0 && list.count > 0)
        QueuePass(outcome, state, net);
    return outcome;
}

HintOutcome FollowPair(TableState& state, net::ConnectionState& net, const RankList& list,
                       int rankToBeat) {
    HintOutcome outcome;
    const int start = state.HintCursor;
    for (int i = start; i < list.count; ++i) {
        if (i < list.count - 1) {
            const int a = list.rank[static_cast<std::size_t>(i)];
            const int b = list.rank[static_cast<std::size_t>(i + 1)];
            // Two jokers of any kind answer any pair.
            if ((a > kRankTwo && b > kRankTwo) || (a == b && a > rankToBeat)) {
                Propose(outcome, list, i, 2);
                state.HintCursor = static_cast<std::int16_t>(i >= list.count - 2 ? 0 : i + 2);
                return outcome;
            }
        }
        if (start == 0 && i >= list.count - 2) {
            QueuePass(outcome, state, net);
            return outcome;
        }
        if (i == list.count - 1) {
            state.HintCursor = 0;
            return outcome;
        }
    }
    return outcome;
}

// Three or four of a rank.
HintOutcome FollowGroup(TableState& state, net::ConnectionState& net, const RankList& list,
                        int rankToBeat, int size) {
    HintOutcome outcome;
    if (list.count < size) {
        QueuePass(outcome, state, net);
        return outcome;
    }
    const int start = state.HintCursor;
    const int last = list.count - size;  // the last index a group can start at
    for (int i = start; i <= last; ++i) {
        bool group = true;
        for (int k = 0; k < size; ++k) {
            const int r = list.rank[static_cast<std::size_t>(i + k)];
            group = group && r == list.rank[static_cast<std::size_t>(i)] && r > rankToBeat;
        }
        if (group) {
            Propose(outcome, list, i, size);
            state.HintCursor = static_cast<std::int16_t>(i >= last ? 0 : i + size);
            return outcome;
        }
    }
    if (start == 0)
        QueuePass(outcome, state, net);
    return outcome;
}

}  // namespace

HintOutcome HintLead(TableState& state) {
    HintOutcome outcome;
    const RankList list = ReadRankList(state.seats[0]);
    const int i = state.HintCursor;
    if (i < 0 || i > list.count - 1)
        return outcome;
    int g = 1;
    while (g < 4 && i + g < list.count &&
           list.rank[static_cast<std::size_t>(i + g)] == list.rank[static_cast<std::size_t>(i)])
        ++g;
    Propose(outcome, list, i, g);
    state.HintCursor = static_cast<std::int16_t>(i + g == list.count ? 0 : i + g);
    return outcome;
}

HintOutcome HintFollow(TableState& state, net::ConnectionState& net) {
    const RankList list = ReadRankList(state.seats[0]);
    if (state.HintCursor < 0)
        state.HintCursor = 0;
    const int rankToBeat = RankValue(static_cast<CardCode>(state.LastPlayCards[0]));
    switch (state.LastPlayCount) {
        case 1:
            return FollowSingle(state, net, list, rankToBeat);
        case 2: {
            const bool pairOnTable =
                rankToBeat == RankValue(static_cast<CardCode>(state.LastPlayCards[1]));
            if (pairOnTable && list.count > 1)
                return FollowPair(state, net, list, rankToBeat);
            break;
        }
        case 3:
            return FollowGroup(state, net, list, rankToBeat, 3);
        case 4:
            return FollowGroup(state, net, list, rankToBeat, 4);
        default:
            break;
    }
    HintOutcome outcome;
    QueuePass(outcome, state, net);
    return outcome;
}

}  // namespace vantry::rules
