#pragma once
// Local hands for the rules tests, written as ranks in slot order.

#include <initializer_list>

#include "rules/play_rules.h"

namespace vantry::rules::test {

// Cards of the given ranks, all spades unless a joker, ids 1, 2, ...
inline TableState WithHand(std::initializer_list<int> ranks) {
    TableState state;
    SeatDisplay& hand = state.seats[0];
    int slot = 0;
    for (int rank : ranks) {
        const int suit = rank >= kRankSmallJoker ? 0 : 8;
        hand.slots[static_cast<std::size_t>(slot)] = {MakeCard(suit, rank, slot + 1),
                                                      static_cast<std::int16_t>(slot)};
        ++slot;
    }
    hand.count = static_cast<std::int16_t>(slot);
    return state;
}

inline RaisedSlots Raised(std::initializer_list<int> slots) {
    RaisedSlots raised{};
    for (int s : slots)
        raised[static_cast<std::size_t>(s)] = true;
    return raised;
}

}  // namespace vantry::rules::test
