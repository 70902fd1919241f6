#pragma once
// Building the settlement board at the end of a deal and what goes with it:
// coins, levels, the records board, the info file and the countdown to the
// next deal.

#include "app/client.h"
#include "net/frame.h"

namespace vantry::settle {

inline constexpr int kReadySeconds = 12;

// Stores one settlement record; the fourth builds the board.
void BuildSettlementBoard(app::Client& client, const net::GameFrame& record);

// Starts the countdown after which the client asks for the next deal by itself.
void StartReadyCountdown(app::Client& client, int seconds, ui::Color color);

// A step of the main-loop tick: one second every 20 ticks while logged in.
void StepReadyCountdown(app::Client& client);

}  // namespace vantry::settle
