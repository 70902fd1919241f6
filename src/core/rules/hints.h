#pragma once
// The hint: proposes cards of the local hand, and walks through the
// alternatives on repeated presses. It knows four shapes (one card, a pair or
// two jokers, three and four of a rank); when the hand holds nothing of the
// needed shape above the play on the table, it passes the turn.
//
// The search runs over the rank list: the hand read from its last slot
// backwards, so lowest rank first in a hand sorted by rank. The cursor in the
// table state says where the next search starts; every play message sets it
// back to 0.

#include "net/connection_state.h"
#include "rules/play_rules.h"

namespace vantry::rules {

struct HintOutcome {
    RaisedSlots raise{};  // slots of the local hand to raise
    bool passed = false;  // a pass was queued; the caller hides the three operation buttons
};

// The table is free: proposes the next group of equal rank.
HintOutcome HintLead(TableState& state);

// Answers the play on the table (`LastPlayCount`, `LastPlayCards`). A pass is
// queued with the local seat bit when nothing can be proposed; the turn flag,
// the countdown and the raised cards are left as they are.
HintOutcome HintFollow(TableState& state, net::ConnectionState& net);

}  // namespace vantry::rules
