#pragma once
// Cards leaving the hands and shown on the table.

#include "app/client.h"
#include "net/frame.h"

namespace vantry::table {

// The local player's six cards of a new deal.
void ShowDealtHand(app::Client& client, const net::GameFrame& frame);
// Another seat's hand turned face up for everyone (p = 1..3).
void ShowTurnedUpHand(app::Client& client, const net::GameFrame& frame, int p);

}  // namespace vantry::table
