#pragma once
// The per-table state kept between two messages.

#include <cstdint>

namespace vantry::rules {

struct TableState {
    std::int16_t TurnTime = 10;  // seconds of a play turn when the server gives fewer than 2
    bool FastTurn = false;       // the boss key is in force: every countdown starts at 1
    bool BossKeyMark = false;    // while set, a login result stores 2 s as TurnTime
};

}  // namespace vantry::rules
