#pragma once
// The end of a deal: the four settlement records as they arrive, what the deal
// start noted for the board, and the countdown to the next deal.

#include <array>
#include <cstdint>
#include <string>

#include "net/frame.h"

namespace vantry::settle {

// Noted at the deal start, read by the settlement board.
struct DealSnapshot {
    std::array<std::string, 4> cashCaptions;  // each position's coins as shown
    std::array<std::string, 3> accountNames;  // positions 1..3
    std::string FeeLabel;
    bool FeeLabelOnly = false;
    std::string DealWealthText = "1";
};

struct ReadyCountdown {
    bool on = false;
    int seconds = 0;
    int ticks = 0;  // 50 ms ticks towards the next second
};

struct SettleState {
    std::array<net::GameFrame, 4> SettlementStore{};
    int arrivals = 0;           // records of the current deal stored so far
    net::GameFrame KeptRecord;  // the fourth record, held during the chest show
    DealSnapshot snapshot;
    ReadyCountdown ready;
    std::int32_t WealthMultiplier = 0;  // 0: the room has none
    bool TableCleared = false;
    bool randomSeating = false;
    bool noticePlaced = false;
    bool continuePressed = false;  // the start/continue button since the board
};

}  // namespace vantry::settle
